// Hardware blits, fills, colour keys, the row-built raster effects and the small software members.
#include "el/draw/blit.h"

#include <algorithm>
#include <cmath>

#include "el/draw/screen.h"
#include "host/crt.h"

RasterEffectState RasterEffects = {0.0f, 1, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};

namespace elDraw {
namespace {

constexpr f64 kTwoPi = 6.283185307179586476925286766559;
constexpr f64 kPi = 3.14159265358979323846264338327950;

bool FitsI32(i64 v) { return v >= INT32_MIN && v <= INT32_MAX; }

// The sprite copy shared by every hardware member: clip the source rectangle to the ClipRect (in the
// destination's coordinates), then one copy. Right and bottom are cut first, against the caller's x
// and y, so a sprite overhanging both sides is cut on both.
void ClippedCopy(host::Surface* dst, i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight,
                 i32 srcBottom, bool keyed) {
    host::Surface* src = ObjectSurface(objectNo);
    if (!dst || !src) return;
    i64 l = srcLeft, t = srcTop, r = srcRight, b = srcBottom, dx = x, dy = y;
    if (dx + (r - l) > ClipRect.right) r = ClipRect.right - dx + l;
    if (dy + (b - t) > ClipRect.bottom) b = ClipRect.bottom - dy + t;
    if (dx < ClipRect.left) {
        l += ClipRect.left - dx;
        dx = ClipRect.left;
    }
    if (dy < ClipRect.top) {
        t += ClipRect.top - dy;
        dy = ClipRect.top;
    }
    if (r < l || b < t) return;
    if (!FitsI32(l) || !FitsI32(t) || !FitsI32(r) || !FitsI32(b)) return;
    const host::Rect sr{static_cast<i32>(l), static_cast<i32>(t), static_cast<i32>(r), static_cast<i32>(b)};
    if (host::CopyRect(dst, static_cast<i32>(dx), static_cast<i32>(dy), src, sr, keyed) == host::kSurfaceLost)
        RestoreAll();
}

void Fill(host::Surface* dst, i32 left, i32 top, i32 right, i32 bottom, u16 colour) {
    if (!dst) return;
    host::FillRect(dst, host::Rect{left, top, right, bottom}, colour);
}

// sin of a whole number of degrees, converted as d * 2pi / 360, in double precision.
f64 SinDegrees(i64 d) { return std::sin(static_cast<f64>(d) * kTwoPi / 360.0); }

// Wraps v into [0, period) however far a long frame carried it.
f32 WrapUp(f32 v, f32 period) {
    if (!(period > 0.0f) || !std::isfinite(v)) return 0.0f;
    v = std::fmod(v, period);
    if (v < 0.0f) v += period;
    if (v >= period) v = 0.0f;
    return v;
}

// Wraps v into (-period, 0].
f32 WrapDown(f32 v, f32 period) {
    if (!(period > 0.0f) || !std::isfinite(v)) return 0.0f;
    v = std::fmod(v, period);
    if (v > 0.0f) v -= period;
    if (v <= -period) v = 0.0f;
    return v;
}

i32 WaveOffset(i32 r, i32 divider, f32 phase, i32 amplitude) {
    const i64 i = static_cast<i64>(divider != 0 ? (divider == -1 ? -static_cast<i64>(r) : r / divider) : r) +
                  static_cast<i64>(phase);
    return static_cast<i32>(SinDegrees(i) * amplitude);
}

// The destination area of a software member: the unclipped placement [x0, x0 + w) x [y0, y0 + h) cut
// to the ClipRect on the back buffer, and to where the source pixels that land there exist.
struct Area {
    i32 left, top, right, bottom;
    bool Empty() const { return right <= left || bottom <= top; }
};
Area Intersect(Area a, i64 l, i64 t, i64 r, i64 b) {
    a.left = static_cast<i32>(std::max<i64>(a.left, l));
    a.top = static_cast<i32>(std::max<i64>(a.top, t));
    a.right = static_cast<i32>(std::min<i64>(a.right, r));
    a.bottom = static_cast<i32>(std::min<i64>(a.bottom, b));
    return a;
}

// Clip frame of PutHalf, PutMirror and the floating alphas: source columns run forward from srcLeft
// (or backward from srcRight - 1 when mirrored); only pixels whose source lies inside the picture and
// inside the source rectangle are touched.
Area SoftArea(const host::Surface* dst, const host::Surface* src, i32 x, i32 y, i32 srcLeft, i32 srcTop,
              i32 srcRight, i32 srcBottom, bool mirrorX, bool mirrorY) {
    const IntRect clip = ClipOnSurface(dst);
    Area a{clip.left, clip.top, clip.right, clip.bottom};
    // Limit the source rectangle to the picture first.
    const i64 sl = std::max(0, srcLeft), st = std::max(0, srcTop);
    const i64 sr = std::min(src->Width(), srcRight), sb = std::min(src->Height(), srcBottom);
    if (sr <= sl || sb <= st) return Area{0, 0, 0, 0};
    const i64 x0 = x, y0 = y;
    // Destination column x0 + k shows source column srcLeft + k, or srcRight - 1 - k mirrored.
    if (!mirrorX)
        a = Intersect(a, x0 + (sl - srcLeft), a.top, x0 + (sr - srcLeft), a.bottom);
    else
        a = Intersect(a, x0 + (srcRight - sr), a.top, x0 + (srcRight - sl), a.bottom);
    if (!mirrorY)
        a = Intersect(a, a.left, y0 + (st - srcTop), a.right, y0 + (sb - srcTop));
    else
        a = Intersect(a, a.left, y0 + (srcBottom - sb), a.right, y0 + (srcBottom - st));
    return a;
}

// Runs one software member: cuts the draw to SoftArea, locks the source and the back buffer and hands
// `draw(a, s, d)` the area and both locks. 0 when a surface is missing or will not lock (nothing is left
// locked), 1 otherwise.
template <class DrawFn>
i32 SoftMember(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom, bool mirrorX,
               bool mirrorY, DrawFn draw) {
    host::Surface* src = ObjectSurface(objectNo);
    if (!src || !BackBuffer) return 0;
    const Area a = SoftArea(BackBuffer, src, x, y, srcLeft, srcTop, srcRight, srcBottom, mirrorX, mirrorY);
    if (a.Empty()) return 1;
    host::LockInfo s, d;
    if (src->LockToRead(&s) != host::kSurfaceOk) return 0;
    if (BackBuffer->Lock(&d) != host::kSurfaceOk) {
        src->Unlock();
        return 0;
    }
    draw(a, s, d);
    src->Unlock();
    BackBuffer->Unlock();
    return 1;
}

u16* PixelRow(const host::LockInfo& l, i64 y) { return reinterpret_cast<u16*>(l.bits + l.pitch * y); }

// Per-channel floating blend with each result clamped to its channel.
i32 AlphaBlend(i32 x, i32 y, f32 ar, f32 ag, f32 ab, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight,
               i32 srcBottom) {
    const PixelFormatRecord& f = PixelFormat;
    const u32 shift[3] = {static_cast<u32>(f.rShift), static_cast<u32>(f.gShift), static_cast<u32>(f.bShift)};
    const u32 max[3] = {f.rMax, f.gMax, f.bMax};
    const f32 alpha[3] = {ar, ag, ab};
    auto draw = [&](const Area& a, const host::LockInfo& sl, const host::LockInfo& dl) {
        for (i32 dy = a.top; dy < a.bottom; ++dy) {
            const u16* s = PixelRow(sl, static_cast<i64>(srcTop) + (dy - y));
            u16* d = PixelRow(dl, dy);
            for (i32 dx = a.left; dx < a.right; ++dx) {
                const u32 sp = s[static_cast<i64>(srcLeft) + (dx - x)];
                if (sp == 0) continue;
                const u32 dp = d[dx];
                u32 out = 0;
                for (i32 c = 0; c < 3; ++c) {
                    const f32 sc = static_cast<f32>((sp >> shift[c]) & max[c]);
                    const f32 dc = static_cast<f32>((dp >> shift[c]) & max[c]);
                    const f32 v = sc * alpha[c] + dc * (1.0f - alpha[c]);
                    u32 vi = 0;
                    if (v >= static_cast<f32>(max[c]))
                        vi = max[c];
                    else if (v > 0.0f)
                        vi = static_cast<u32>(v);
                    out |= vi << shift[c];
                }
                d[dx] = static_cast<u16>(out);
            }
        }
    };
    return SoftMember(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, false, false, draw);
}

}  // namespace

// ---- colour keys ----------------------------------------------------------------------------------

void SetLoadColorKey(u32 colour) {
    LoadKeyColor = colour;
    LoadKeyOff = 0;
}

void SetLoadCornerKey() { LoadKeyOff = 1; }

void CopyColorKey(i32 destObject, i32 srcObject) {
    host::Surface* dst = ObjectSurface(destObject);
    host::Surface* src = ObjectSurface(srcObject);
    if (!dst || !src) return;
    u16 key = 0;
    if (src->GetColorKey(&key) == host::kSurfaceOk) dst->SetColorKey(key);
}

void SetObjectColorKey(i32 objectNo, u32 colour) {
    if (!ObjectSurface(objectNo)) return;
    ObjectTable[objectNo].colorKey = colour;
    SetColorKey(ObjectTable[objectNo].surface, colour);
}

void SetObjectCornerKey(i32 objectNo) { SetObjectColorKey(objectNo, 0xFFFFFFFFu); }

// ---- fills ----------------------------------------------------------------------------------------

void ClearScreen() { Fill(BackBuffer, 0, 0, ScreenWidth, ScreenHeight, 0); }

void ClearObject(i32 objectNo) {
    if (host::Surface* s = ObjectSurface(objectNo))
        Fill(s, 0, 0, ObjectTable[objectNo].width, ObjectTable[objectNo].height, 0);
}

void FillRectBlack(i32 left, i32 top, i32 right, i32 bottom) { Fill(BackBuffer, left, top, right, bottom, 0); }

void FrameRect(i32 left, i32 top, i32 right, i32 bottom) {
    Fill(BackBuffer, left, top, right, top + 1, 0);
    Fill(BackBuffer, left, bottom - 1, right, bottom, 0);
    Fill(BackBuffer, left, top, left + 1, bottom, 0);
    Fill(BackBuffer, right - 1, top, right, bottom, 0);
}

void FillScreen() { Fill(BackBuffer, 0, 0, ScreenWidth, ScreenHeight, static_cast<u16>(PixelFormat.rgbMask)); }

void FillRect(i32 left, i32 top, i32 right, i32 bottom) {
    Fill(BackBuffer, left, top, right, bottom, static_cast<u16>(PixelFormat.rgbMask));
}

void FillRectColor(i32 left, i32 top, i32 right, i32 bottom, u16 colour) {
    Fill(BackBuffer, left, top, right, bottom, colour);
}

// ---- sprite copies ----------------------------------------------------------------------------------

void PutSprite(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    ClippedCopy(BackBuffer, x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, true);
}

void PutSpriteNoKey(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    ClippedCopy(BackBuffer, x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, false);
}

void PutSpriteToObject(i32 destObject, i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight,
                       i32 srcBottom) {
    ClippedCopy(ObjectSurface(destObject), x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, true);
}

void PutSpriteToObjectNoKey(i32 destObject, i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight,
                            i32 srcBottom) {
    ClippedCopy(ObjectSurface(destObject), x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, false);
}

static void Stretch(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom, i32 width,
                    i32 height, bool keyed) {
    host::Surface* src = ObjectSurface(objectNo);
    if (!src || !BackBuffer) return;
    if (CanStretch) {
        const i64 r = static_cast<i64>(x) + width, b = static_cast<i64>(y) + height;
        if (!FitsI32(r) || !FitsI32(b)) return;
        const host::Rect dr{x, y, static_cast<i32>(r), static_cast<i32>(b)};
        if (host::StretchRect(BackBuffer, dr, src, host::Rect{srcLeft, srcTop, srcRight, srcBottom}, keyed) ==
            host::kSurfaceLost)
            RestoreAll();
        return;
    }
    // Without a stretching driver: stretch into the work buffer (object 0), then a clipped copy from it.
    host::Surface* work = ObjectSurface(0);
    if (!work) return;
    host::StretchRect(work, host::Rect{0, 0, width, height}, src, host::Rect{srcLeft, srcTop, srcRight, srcBottom},
                      false);
    if (keyed)
        PutSprite(x, y, 0, 0, 0, width, height);
    else
        PutSpriteNoKey(x, y, 0, 0, 0, width, height);
}

void PutStretch(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom, i32 width,
                i32 height) {
    Stretch(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, width, height, true);
}

void PutStretchNoKey(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom, i32 width,
                     i32 height) {
    Stretch(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, width, height, false);
}

// ---- raster effects -----------------------------------------------------------------------------------

void PutWave(i32 x, i32 y, i32 amplitude, i32 divider, f32 rate, i32 objectNo, i32 srcLeft, i32 srcTop,
             i32 srcRight, i32 srcBottom, i32 alternate) {
    RasterEffectState& st = RasterEffects;
    for (i32 r = srcTop; r < srcBottom; ++r) {
        i32 off = WaveOffset(r, divider, st.wavePhase, amplitude);
        if (alternate != 0) {
            off *= st.waveSign;
            st.waveSign = -st.waveSign;
        }
        PutSprite(x + off, y + (r - srcTop), objectNo, srcLeft, r, srcRight, r + 1);
    }
    st.wavePhase = WrapUp(st.wavePhase + FrameTime * rate, 360.0f);
}

void PutWaveScroll(i32 x, i32 y, i32 amplitude, i32 divider, f32 rate, f32 scrollSpeed, i32 objectNo, i32 srcLeft,
                   i32 srcTop, i32 srcRight, i32 srcBottom) {
    const i32 h = srcBottom - srcTop;
    if (h <= 0 || srcRight <= srcLeft) return;
    RasterEffectState& st = RasterEffects;
    for (i32 r = srcTop; r < srcBottom; ++r) {
        const i32 off = WaveOffset(r, divider, st.waveScrollPhase, amplitude);
        i32 s = r + static_cast<i32>(st.waveScroll);
        if (s >= srcBottom) s -= h;
        PutSprite(x + off, y + r, objectNo, srcLeft, s, srcRight, s + 1);
    }
    st.waveScrollPhase = WrapUp(st.waveScrollPhase + FrameTime * rate, 360.0f);
    st.waveScroll = WrapUp(st.waveScroll - FrameTime * scrollSpeed, static_cast<f32>(h));
}

void PutWaveScroll2(i32 top, i32 bottom, i32 amplitude, i32 divider, f32 rate, f32 scrollSpeed, i32 objectNo,
                    i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    const i32 w = srcRight - srcLeft, h = srcBottom - srcTop;
    if (w <= 0 || h <= 0) return;
    RasterEffectState& st = RasterEffects;
    const i32 columns = ScreenWidth / w + 2;
    for (i32 r = 0; r < bottom - top; ++r) {
        i32 s = r % h + static_cast<i32>(st.waveScroll2);
        if (s > h - 1) s -= h;
        const i32 off = WaveOffset(r, divider, st.waveScroll2Phase, amplitude);
        for (i32 c = 0; c < columns; ++c)
            PutSprite(w * c + off - amplitude, top + r, objectNo, srcLeft, srcTop + s, srcRight, srcTop + s + 1);
    }
    st.waveScroll2Phase = WrapUp(st.waveScroll2Phase + FrameTime * rate, 360.0f);
    st.waveScroll2 = WrapUp(st.waveScroll2 - FrameTime * scrollSpeed, static_cast<f32>(h));
}

void PutTile(f32 speedX, f32 speedY, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    const i32 w = srcRight - srcLeft, h = srcBottom - srcTop;
    if (w <= 0 || h <= 0) return;
    RasterEffectState& st = RasterEffects;
    const i32 rows = ScreenHeight / h + 2, columns = ScreenWidth / w + 2;
    for (i32 j = 0; j < rows; ++j)
        for (i32 i = 0; i < columns; ++i)
            PutSprite(w * i + static_cast<i32>(st.tileOffsetX), h * j + static_cast<i32>(st.tileOffsetY), objectNo,
                      srcLeft, srcTop, srcRight, srcBottom);
    st.tileOffsetX = WrapDown(st.tileOffsetX + FrameTime * speedX, static_cast<f32>(w));
    st.tileOffsetY = WrapDown(st.tileOffsetY + FrameTime * speedY, static_cast<f32>(h));
}

void PutMosaicV(i32 x, i32 y, i32 n, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    if (n <= 0) return;
    for (i64 b = srcTop; b < srcBottom; b += n)
        for (i64 d = b; d < b + n; ++d)
            PutSprite(x, static_cast<i32>(y + (d - srcTop)), objectNo, srcLeft, static_cast<i32>(b), srcRight,
                      static_cast<i32>(b + 1));
}

void PutScanlines(i32 x, i32 y, i32 n, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    if (n > 0) {
        for (i64 r = static_cast<i64>(srcTop) + n; r < srcBottom; r += n)
            PutSprite(x, static_cast<i32>(y + (r - srcTop)), objectNo, srcLeft, static_cast<i32>(r), srcRight,
                      static_cast<i32>(r + 1));
    } else if (n < 0) {
        const i64 m = -static_cast<i64>(n);
        for (i64 r = srcTop + host::Rand() % m + 1; r < srcBottom; r += host::Rand() % m + 1)
            PutSprite(x, static_cast<i32>(y + (r - srcTop)), objectNo, srcLeft, static_cast<i32>(r), srcRight,
                      static_cast<i32>(r + 1));
    }
}

void PutJitter(i32 x, i32 y, i32 spread, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    if (spread < 1) {
        PutSprite(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom);
        return;
    }
    const i64 range = 2 * static_cast<i64>(spread);
    for (i32 r = srcTop; r < srcBottom; ++r) {
        const i64 dx = x + host::Rand() % range - spread;
        if (!FitsI32(dx)) continue;
        PutSprite(static_cast<i32>(dx), y + (r - srcTop), objectNo, srcLeft, r, srcRight, r + 1);
    }
}

void PutAccordion(i32 x, i32 y, i32 forward, f32 speed, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight,
                  i32 srcBottom) {
    const i32 h = srcBottom - srcTop;
    if (h < 2) return;
    RasterEffectState& st = RasterEffects;
    const i32 half = h / 2;
    i32 prevEnd = 0;
    for (i32 r = 0; r < h; ++r) {
        const f32 at = static_cast<f32>(r) + st.accordionPhase;
        const i32 end = static_cast<i32>(std::sin(static_cast<f64>(at) * kPi * 2.0 / (h - 1)) * half + half);
        for (i32 d = prevEnd; d <= end; ++d) PutSpriteNoKey(x, y + d, objectNo, srcLeft, r, srcRight, r + 1);
        prevEnd = end + 1;
    }
    const f32 step = FrameTime * speed;
    st.accordionPhase = WrapUp(forward != 0 ? st.accordionPhase + step : st.accordionPhase - step, static_cast<f32>(h));
}

// ---- software members -----------------------------------------------------------------------------------

i32 HalfRect(i32 left, i32 top, i32 right, i32 bottom, u16 colour) {
    if (!BackBuffer) return 0;
    const IntRect clip = ClipOnSurface(BackBuffer);
    right = std::min(right, clip.right);
    bottom = std::min(bottom, clip.bottom);
    left = std::max(left, clip.left);
    top = std::max(top, clip.top);
    if (right <= left || bottom <= top) return 1;
    host::LockInfo l;
    if (BackBuffer->Lock(&l) != host::kSurfaceOk) return 0;
    const u32 half = PixelFormat.halfMask;
    const u32 c = (static_cast<u32>(colour) >> 1) & half;
    for (i32 y = top; y < bottom; ++y) {
        u16* d = PixelRow(l, y);
        for (i32 x = left; x < right; ++x) d[x] = static_cast<u16>(((d[x] >> 1) & half) + c);
    }
    BackBuffer->Unlock();
    return 1;
}

i32 PutHalf(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    const u32 half = PixelFormat.halfMask;
    auto draw = [&](const Area& a, const host::LockInfo& sl, const host::LockInfo& dl) {
        for (i32 dy = a.top; dy < a.bottom; ++dy) {
            const u16* s = PixelRow(sl, static_cast<i64>(srcTop) + (dy - y)) + (static_cast<i64>(srcLeft) + (a.left - x));
            u16* d = PixelRow(dl, dy) + a.left;
            const i32 n = a.right - a.left;
            for (i32 i = 0; i < n; ++i) {
                const u32 sp = s[i];
                if (sp == 0) continue;
                d[i] = static_cast<u16>(((sp >> 1) & half) + ((static_cast<u32>(d[i]) >> 1) & half));
            }
        }
    };
    return SoftMember(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, false, false, draw);
}

i32 PutMirror(i32 x, i32 y, i32 mode, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    if (mode < 0 || mode > 3) return ObjectSurface(objectNo) && BackBuffer ? 1 : 0;  // an unknown mode draws nothing
    const bool mx = (mode & 1) != 0, my = (mode & 2) != 0;
    auto draw = [&](const Area& a, const host::LockInfo& sl, const host::LockInfo& dl) {
        for (i32 dy = a.top; dy < a.bottom; ++dy) {
            const i64 sy = my ? static_cast<i64>(srcBottom) - 1 - (dy - y) : static_cast<i64>(srcTop) + (dy - y);
            const u16* s = PixelRow(sl, sy);
            u16* d = PixelRow(dl, dy);
            for (i32 dx = a.left; dx < a.right; ++dx) {
                const i64 sx = mx ? static_cast<i64>(srcRight) - 1 - (dx - x) : static_cast<i64>(srcLeft) + (dx - x);
                const u16 p = s[sx];
                if (p != 0) d[dx] = p;
            }
        }
    };
    return SoftMember(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, mx, my, draw);
}

i32 PutAlphaF(i32 x, i32 y, f32 alpha, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    return AlphaBlend(x, y, alpha, alpha, alpha, objectNo, srcLeft, srcTop, srcRight, srcBottom);
}

i32 PutAlphaFRGB(i32 x, i32 y, f32 alphaR, f32 alphaG, f32 alphaB, i32 objectNo, i32 srcLeft, i32 srcTop,
                 i32 srcRight, i32 srcBottom) {
    return AlphaBlend(x, y, alphaR, alphaG, alphaB, objectNo, srcLeft, srcTop, srcRight, srcBottom);
}

}  // namespace elDraw
