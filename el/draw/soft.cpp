#include "el/draw/soft.h"

#include <algorithm>
#include <cmath>

#include "el/draw/present.h"
#include "el/draw/screen.h"

i32 GlowNoiseIndex = 0;

namespace elDraw::soft {

bool Locked::Lock(host::Surface* s) {
    host::LockInfo info;
    if (!s || s->Lock(&info) != host::kSurfaceOk) return false;
    surface = s;
    bits = reinterpret_cast<u16*>(info.bits);
    pitch = info.pitch / 2;
    width = info.width;
    height = info.height;
    return true;
}

void Locked::Unlock() {
    if (surface) surface->Unlock();
    surface = nullptr;
    bits = nullptr;
}

IntRect ClipOn(const host::Surface* s) { return ClipOnSurface(s); }

i32 TruncToInt(double v) {
    if (!(v == v)) return 0;
    if (v >= 2147483647.0) return INT32_MAX;
    if (v <= -2147483648.0) return INT32_MIN;
    return static_cast<i32>(v);
}

Begin Start(Walk& walk, i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom,
            bool cutToSheet) {
    host::Surface* sheet = ObjectSurface(objectNo);
    if (!sheet || !BackBuffer) return Begin::Failed;
    // Cut the source rectangle to the sheet, moving the destination with a cut left or top edge.
    i64 sl = srcLeft, st = srcTop, sr = srcRight, sb = srcBottom, dx = x, dy = y;
    if (cutToSheet) {
        if (sl < 0) dx -= sl, sl = 0;
        if (st < 0) dy -= st, st = 0;
        sr = std::min<i64>(sr, sheet->Width());
        sb = std::min<i64>(sb, sheet->Height());
    }
    const IntRect c = ClipOn(BackBuffer);
    i64 w = sr - sl, h = sb - st;
    if (dx + w > c.right) w = c.right - dx;
    if (dy + h > c.bottom) h = c.bottom - dy;
    if (dx < c.left) sl += c.left - dx, w -= c.left - dx, dx = c.left;
    if (dy < c.top) st += c.top - dy, h -= c.top - dy, dy = c.top;
    if (w < 0 || h < 0) return Begin::Nothing;
    if (!walk.sheet.Lock(sheet)) return Begin::Failed;
    if (!walk.back.Lock(BackBuffer)) {
        walk.sheet.Unlock();
        return Begin::Failed;
    }
    walk.x = static_cast<i32>(dx);
    walk.y = static_cast<i32>(dy);
    walk.srcLeft = static_cast<i32>(sl);
    walk.srcTop = static_cast<i32>(st);
    walk.w = static_cast<i32>(w);
    walk.h = static_cast<i32>(h);
    walk.clip = c;
    return Begin::Draw;
}

void Finish(Walk& walk) {
    walk.sheet.Unlock();
    walk.back.Unlock();
}

}  // namespace elDraw::soft

namespace elDraw {

using soft::Begin;
using soft::ClampLevel;
using soft::Walk;

namespace {

// Walks the source rectangle over the back buffer: `row(r)` runs before each row, `column(c)` before each
// column, and `pixel(s, d)` returns the value written for a non-zero source pixel s over destination d.
template <class RowFn, class ColumnFn, class PixelFn>
i32 WalkPixels(i32 x, i32 y, i32 objectNo, i32 sl, i32 st, i32 sr, i32 sb, RowFn row, ColumnFn column,
               PixelFn pixel) {
    Walk walk;
    const Begin begin = soft::Start(walk, x, y, objectNo, sl, st, sr, sb);
    if (begin != Begin::Draw) return soft::Skipped(begin);
    for (i32 r = 0; r < walk.h; ++r) {
        row(r);
        const u16* s = walk.Src(r);
        u16* d = walk.Dst(r);
        for (i32 c = 0; c < walk.w; ++c) {
            column(c);
            const u16 sp = s[c];
            if (sp) d[c] = pixel(sp, d[c]);
        }
    }
    soft::Finish(walk);
    return 1;
}

// Runs one table member: `pixel(s, d)` returns the value written for a non-zero source pixel s over
// destination d.
template <class F>
i32 Blend(i32 x, i32 y, i32 objectNo, i32 sl, i32 st, i32 sr, i32 sb, F pixel) {
    return WalkPixels(x, y, objectNo, sl, st, sr, sb, [](i32) {}, [](i32) {}, pixel);
}

// The table row of a channel at a level: index + s * 32 + d.
inline const u16* AddRow(i32 c, i32 level) { return AddTable + c * 32768 + level * 1024; }
inline const u16* AlphaRow(i32 c, i32 level) { return AlphaTable + c * 32768 + level * 1024; }

inline u16 AddAt(const u16* r, const u16* g, const u16* b, u16 sp, u16 dp) {
    const u8* s = PixelDecodeTable[sp];
    const u8* d = PixelDecodeTable[dp];
    return static_cast<u16>(r[s[0] * 32 + d[0]] | g[s[1] * 32 + d[1]] | b[s[2] * 32 + d[2]]);
}

// A channel of a pixel at full width.
struct Channels {
    u32 shift[3];
    u32 max[3];
};
Channels FullChannels() {
    return Channels{{static_cast<u32>(PixelFormat.rShift), static_cast<u32>(PixelFormat.gShift),
                     static_cast<u32>(PixelFormat.bShift)},
                    {PixelFormat.rMax, PixelFormat.gMax, PixelFormat.bMax}};
}

inline u32 TableShift(i32 c) {
    return static_cast<u32>(c == 0 ? PixelFormat.rTableShift : c == 1 ? PixelFormat.gTableShift : PixelFormat.bTableShift);
}

// Gradient steps shared by the alpha and fade gradients: call Row before each row, Column before each
// column; `step` runs when the counter reaches the period.
struct Gradient {
    bool vertical;
    i32 start, period, k = 0;
    template <class Step, class Reset>
    void Row(i32 r, Step step, Reset reset) {
        if (vertical) {
            if (r > start && ++k >= period) k = 0, step();
        } else {
            reset();
            k = 0;
        }
    }
    template <class Step>
    void Column(i32 c, Step step) {
        if (!vertical && c > start && ++k >= period) k = 0, step();
    }
};

template <class Step, class Reset, class Pixel>
i32 GradientWalk(i32 x, i32 y, i32 objectNo, i32 sl, i32 st, i32 sr, i32 sb, Gradient g, Step step, Reset reset,
                 Pixel pixel) {
    return WalkPixels(
        x, y, objectNo, sl, st, sr, sb, [&](i32 r) { g.Row(r, step, reset); }, [&](i32 c) { g.Column(c, step); },
        pixel);
}

}  // namespace

i32 PutAdd(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    const u16 *r = AddRow(0, 0), *g = AddRow(1, 0), *b = AddRow(2, 0);
    return Blend(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom,
                 [=](u16 s, u16 d) { return AddAt(r, g, b, s, d); });
}

i32 PutAddLevel(i32 x, i32 y, f32 level, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    const double v = 31.0 - static_cast<double>(level) * 31.0;
    const i32 L = (v == v) ? ClampLevel(soft::TruncToInt(v)) : 31;
    const u16 *r = AddRow(0, L), *g = AddRow(1, L), *b = AddRow(2, L);
    return Blend(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom,
                 [=](u16 s, u16 d) { return AddAt(r, g, b, s, d); });
}

i32 PutAlphaRGB(i32 x, i32 y, i32 levelR, i32 levelG, i32 levelB, i32 objectNo, i32 srcLeft, i32 srcTop,
                i32 srcRight, i32 srcBottom) {
    const u16* r = AlphaRow(0, 31 - ClampLevel(levelR));
    const u16* g = AlphaRow(1, 31 - ClampLevel(levelG));
    const u16* b = AlphaRow(2, 31 - ClampLevel(levelB));
    return Blend(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom,
                 [=](u16 s, u16 d) { return AddAt(r, g, b, s, d); });
}

i32 PutAlpha(i32 x, i32 y, i32 level, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    return PutAlphaRGB(x, y, level, level, level, objectNo, srcLeft, srcTop, srcRight, srcBottom);
}

i32 PutAlphaGradient(i32 x, i32 y, i32 levelR, i32 levelG, i32 levelB, i32 vertical, u16 start, i32 period,
                     i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    const i32 L0[3] = {31 - ClampLevel(levelR), 31 - ClampLevel(levelG), 31 - ClampLevel(levelB)};
    i32 L[3] = {L0[0], L0[1], L0[2]};
    auto step = [&] {
        for (i32& l : L)
            if (l != 0) --l;
    };
    auto reset = [&] { std::copy(L0, L0 + 3, L); };
    return GradientWalk(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, Gradient{vertical != 0, start, period},
                        step, reset, [&](u16 s, u16 d) {
                            return AddAt(AlphaRow(0, L[0]), AlphaRow(1, L[1]), AlphaRow(2, L[2]), s, d);
                        });
}

i32 PutFadeGradient(i32 x, i32 y, f32 alphaR, f32 alphaG, f32 alphaB, i32 vertical, u16 start, i32 period,
                    i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    auto clamp01 = [](f32 a) { return (a == a) ? std::clamp(a, 0.0f, 1.0f) : 0.0f; };
    const f32 W0[3] = {1 - clamp01(alphaR), 1 - clamp01(alphaG), 1 - clamp01(alphaB)};
    f32 W[3] = {W0[0], W0[1], W0[2]};
    const Channels ch = FullChannels();
    auto step = [&] {
        for (f32& w : W) {
            w -= 0.03125f;
            if (w < 0) w = 0;
        }
    };
    auto reset = [&] { std::copy(W0, W0 + 3, W); };
    return GradientWalk(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, Gradient{vertical != 0, start, period},
                        step, reset, [&](u16 s, u16 d) {
                            u32 out = 0;
                            for (int c = 0; c < 3; ++c) {
                                const f32 sc = static_cast<f32>((s >> ch.shift[c]) & ch.max[c]);
                                const f32 dc = static_cast<f32>((d >> ch.shift[c]) & ch.max[c]);
                                out |= static_cast<u32>(sc * (1 - W[c]) + dc * W[c]) << ch.shift[c];
                            }
                            return static_cast<u16>(out);
                        });
}

i32 PutShadow(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    return Blend(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, [](u16 s, u16 d) {
        const u8 rs = PixelDecodeTable[s][0];
        const u8* dd = PixelDecodeTable[d];
        return static_cast<u16>(SubTable[dd[0] * 32 + rs] | SubTable[1024 + dd[1] * 32 + rs] |
                                SubTable[2048 + dd[2] * 32 + rs]);
    });
}

i32 PutDarkenRGB(i32 x, i32 y, i32 levelR, i32 levelG, i32 levelB, i32 objectNo, i32 srcLeft, i32 srcTop,
                 i32 srcRight, i32 srcBottom) {
    const i32 kr = 31 - ClampLevel(levelR), kg = 31 - ClampLevel(levelG), kb = 31 - ClampLevel(levelB);
    return Blend(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, [=](u16 s, u16) {
        const u8* ss = PixelDecodeTable[s];
        return static_cast<u16>(SubTable[ss[0] * 32 + kr] | SubTable[1024 + ss[1] * 32 + kg] |
                                SubTable[2048 + ss[2] * 32 + kb]);
    });
}

i32 PutDarken(i32 x, i32 y, i32 level, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    return PutDarkenRGB(x, y, level, level, level, objectNo, srcLeft, srcTop, srcRight, srcBottom);
}

i32 PutBrightRGB(i32 x, i32 y, f32 factorR, f32 factorG, f32 factorB, i32 objectNo, i32 srcLeft, i32 srcTop,
                 i32 srcRight, i32 srcBottom) {
    const Channels ch = FullChannels();
    const f32 f[3] = {factorR, factorG, factorB};
    // Products are not clamped: bits that pass the channel spill into its neighbour or out of the pixel.
    return Blend(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, [&](u16 s, u16) {
        u32 out = 0;
        for (int c = 0; c < 3; ++c) {
            const f32 v = static_cast<f32>((s >> ch.shift[c]) & ch.max[c]) * f[c];
            out |= static_cast<u32>(soft::TruncToInt(v)) << ch.shift[c];
        }
        return static_cast<u16>(out);
    });
}

i32 PutBright(i32 x, i32 y, f32 factor, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    return PutBrightRGB(x, y, factor, factor, factor, objectNo, srcLeft, srcTop, srcRight, srcBottom);
}

i32 PutMask(i32 x, i32 y, i32 keepR, i32 keepG, i32 keepB, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight,
            i32 srcBottom) {
    const u16 mask = static_cast<u16>((keepR ? PixelFormat.rMask : 0) | (keepG ? PixelFormat.gMask : 0) |
                                      (keepB ? PixelFormat.bMask : 0));
    return Blend(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom,
                 [=](u16 s, u16) { return static_cast<u16>(s & mask); });
}

i32 PutGray(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    const u32 rs = TableShift(0), gs = TableShift(1), bs = TableShift(2);
    return Blend(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, [=](u16 s, u16) {
        const u8* ss = PixelDecodeTable[s];
        const u32 g = GreyTable[ss[0] + ss[1] + ss[2]];
        return static_cast<u16>((g << rs) | (g << gs) | (g << bs));
    });
}

i32 PutSmooth(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    Walk walk;
    const Begin begin = soft::Start(walk, x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom);
    if (begin != Begin::Draw) return soft::Skipped(begin);
    const u32 rs = TableShift(0), gs = TableShift(1), bs = TableShift(2);
    for (i32 r = 0; r < walk.h; ++r) {
        const u16* s = walk.Src(r);
        u16* d = walk.Dst(r);
        for (i32 c = 0; c < walk.w; ++c) {
            if (!s[c]) continue;
            const u8* p = PixelDecodeTable[s[c]];
            u32 sum[3] = {p[0], p[1], p[2]};
            u32 n = 1;
            auto take = [&](const u16* srcRow, const u16* dstRow, i32 col) {
                if (srcRow[col]) return;
                const u8* q = PixelDecodeTable[dstRow[col]];
                sum[0] += q[0], sum[1] += q[1], sum[2] += q[2];
                ++n;
            };
            if (c > 0) take(s, d, c - 1);
            if (c < walk.w - 1) take(s, d, c + 1);
            if (r > 0) take(walk.Src(r - 1), walk.Dst(r - 1), c);
            if (r < walk.h - 1) take(walk.Src(r + 1), walk.Dst(r + 1), c);
            if (n == 1) {
                d[c] = s[c];
            } else {
                d[c] = static_cast<u16>(((sum[0] / n) << rs) | ((sum[1] / n) << gs) | ((sum[2] / n) << bs));
            }
        }
    }
    soft::Finish(walk);
    return 1;
}

i32 PutBoxBlur(i32 x, i32 y, i32 n, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    Walk walk;
    const Begin begin = soft::Start(walk, x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom);
    if (begin != Begin::Draw) return soft::Skipped(begin);
    const i32 limit = std::min(walk.w, walk.h);
    if (limit >= 1) {
        n = std::clamp(n, 1, limit);
        const u32 area = static_cast<u32>(n) * static_cast<u32>(n);
        const u32 rs = TableShift(0), gs = TableShift(1), bs = TableShift(2);
        for (i32 r = 0; r < walk.h; ++r) {
            const u16* s = walk.Src(r);
            u16* d = walk.Dst(r);
            const i32 by = std::min(r, walk.h - n);
            for (i32 c = 0; c < walk.w; ++c) {
                if (!s[c]) continue;
                const i32 bx = std::min(c, walk.w - n);
                u32 sum[3] = {0, 0, 0};
                for (i32 j = 0; j < n; ++j) {
                    const u16* row = walk.Src(by + j) + bx;
                    for (i32 i = 0; i < n; ++i) {
                        const u8* p = PixelDecodeTable[row[i]];
                        sum[0] += p[0], sum[1] += p[1], sum[2] += p[2];
                    }
                }
                d[c] = static_cast<u16>(((sum[0] / area) << rs) | ((sum[1] / area) << gs) | ((sum[2] / area) << bs));
            }
        }
    }
    soft::Finish(walk);
    return 1;
}

i32 PutGlow(i32 x, i32 y, u16 shiftR, u16 shiftG, u16 shiftB, u16 rays, i32 copy, i32 objectNo, i32 srcLeft,
            i32 srcTop, i32 srcRight, i32 srcBottom) {
    Walk walk;
    const Begin begin = soft::Start(walk, x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom);
    if (begin != Begin::Draw) return soft::Skipped(begin);
    const u16 *addR = AddRow(0, 0), *addG = AddRow(1, 0), *addB = AddRow(2, 0);
    const IntRect& clip = walk.clip;
    const u16 shifts[3] = {shiftR, shiftG, shiftB};
    auto addAt = [&](i32 px, i32 py, const i32 col[3]) {
        if (px < clip.left || px >= clip.right || py < clip.top || py >= clip.bottom) return;
        u16& t = walk.back.Row(py)[px];
        const u8* dd = PixelDecodeTable[t];
        t = static_cast<u16>(addR[col[0] * 32 + dd[0]] | addG[col[1] * 32 + dd[1]] | addB[col[2] * 32 + dd[2]]);
    };
    for (i32 r = 0; r < walk.h; ++r) {
        const u16* s = walk.Src(r);
        for (i32 c = 0; c < walk.w; ++c) {
            if (!s[c]) continue;
            const i32 px = walk.x + c, py = walk.y + r;
            if (copy) walk.Dst(r)[c] = s[c];
            const u8* p = PixelDecodeTable[s[c]];
            const i32 noise = NoiseTable[GlowNoiseIndex];
            if (++GlowNoiseIndex >= 10000) GlowNoiseIndex = 0;
            i32 col[3];
            for (int k = 0; k < 3; ++k) col[k] = std::max(0, (shifts[k] >= 8 ? 0 : p[k] >> shifts[k]) - noise);
            for (i32 k = 0; k <= 30; ++k) {
                for (i32& v : col)
                    if (v) --v;
                if (!col[0] && !col[1] && !col[2]) break;
                if (rays & 0x40) addAt(px, py - 1 - k, col);
                if (rays & 0x20) addAt(px - k, py - 1 - k, col);
                if (rays & 0x80) addAt(px + k, py - 1 - k, col);
                if (rays & 0x02) addAt(px, py + 1 + k, col);
                if (rays & 0x01) addAt(px - k, py + 1 + k, col);
                if (rays & 0x04) addAt(px + k, py + 1 + k, col);
                if (rays & 0x08) addAt(px - k, py, col);
                if (rays & 0x10) addAt(px + k, py, col);
            }
        }
    }
    soft::Finish(walk);
    return 1;
}

}  // namespace elDraw
