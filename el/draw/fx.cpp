#include "el/draw/fx.h"

#include <algorithm>
#include <cmath>

#include "el/draw/blit.h"
#include "el/draw/screen.h"
#include "el/draw/soft.h"
#include "host/crt.h"

PixelEffectState PixelEffects = {0, 0, 0, 0, 0, 0};

namespace elDraw {

namespace {

struct Box {
    i32 x, y, w, h;
};

// The rectangle cut to the surface.
Box CutTo(const soft::Locked& s, i32 x, i32 y, i32 w, i32 h) {
    const i64 l = std::max<i64>(x, 0), t = std::max<i64>(y, 0);
    const i64 r = std::min<i64>(static_cast<i64>(x) + std::max(w, 0), s.width);
    const i64 b = std::min<i64>(static_cast<i64>(y) + std::max(h, 0), s.height);
    return Box{static_cast<i32>(l), static_cast<i32>(t), static_cast<i32>(std::max<i64>(0, r - l)),
               static_cast<i32>(std::max<i64>(0, b - t))};
}

// The entry at the index, without advancing.
inline i32 PeekNoise(i32 index) { return NoiseTable[index]; }
inline void AdvanceNoise(i32& index) {
    if (++index >= 10000) index = host::Rand() % 1000;
}
inline i32 ReadNoise(i32& index) {
    const i32 v = NoiseTable[index];
    AdvanceNoise(index);
    return v;
}

struct Shifts {
    u32 r, g, b;
};
Shifts TableShifts() {
    return Shifts{static_cast<u32>(PixelFormat.rTableShift), static_cast<u32>(PixelFormat.gTableShift),
                  static_cast<u32>(PixelFormat.bTableShift)};
}
inline u16 Pack(const Shifts& s, u32 r, u32 g, u32 b) { return static_cast<u16>((r << s.r) | (g << s.g) | (b << s.b)); }

// Per channel the sum of the four 5-bit values shifted right by 2.
inline void Average(u16 a, u16 b, u16 c, u16 d, u32 out[3]) {
    const u8 *pa = PixelDecodeTable[a], *pb = PixelDecodeTable[b], *pc = PixelDecodeTable[c], *pd = PixelDecodeTable[d];
    for (int k = 0; k < 3; ++k) out[k] = static_cast<u32>(pa[k] + pb[k] + pc[k] + pd[k]) >> 2;
}

inline void Fade(u32 ch[3], const bool fade[3]) {
    for (int k = 0; k < 3; ++k)
        if (fade[k] && ch[k] > 0) --ch[k];
}

i32 RisingBlur(i32 x, i32 y, i32 w, i32 h, bool fading, const bool fade[3], i32& noise, i32& run) {
    soft::Locked back;
    if (!back.Lock(BackBuffer)) return 0;
    const Box b = CutTo(back, x, y, w, h);
    const Shifts sh = TableShifts();
    if (b.w >= 3 && b.h >= 3) {
        const i32 last = back.height - 1;
        for (i32 j = 1; j <= b.h - 2; ++j) {
            u16* target = back.Row(b.y + j);
            const u16* src = back.Row(b.y + 1 + j);
            const u16* below = back.Row(std::min(b.y + 2 + j, last));  // the bottom edge row repeats
            for (i32 i = 1; i <= b.w - 2; ++i) {
                const i32 px = b.x + i;
                ++run;
                if (run < PeekNoise(noise)) {
                    u32 ch[3];
                    Average(src[px - 1], src[px + 1], target[px], below[px], ch);
                    if (fading) Fade(ch, fade);
                    target[px] = Pack(sh, ch[0], ch[1], ch[2]);
                } else {
                    target[px] = src[px];
                    run = 0;
                    AdvanceNoise(noise);
                }
            }
        }
    }
    back.Unlock();
    return 1;
}

i32 InPlaceBlur(i32 x, i32 y, i32 w, i32 h, bool fading, const bool fade[3]) {
    soft::Locked back;
    if (!back.Lock(BackBuffer)) return 0;
    const Box b = CutTo(back, x, y, w, h);
    const Shifts sh = TableShifts();
    if (b.w >= 3 && b.h >= 3) {
        for (i32 py = b.y + 1; py <= b.y + b.h - 2; ++py) {
            u16* row = back.Row(py);
            const u16* up = back.Row(py - 1);
            const u16* down = back.Row(py + 1);
            for (i32 px = b.x + 1; px <= b.x + b.w - 2; ++px) {
                u32 ch[3];
                Average(row[px - 1], row[px + 1], up[px], down[px], ch);
                if (fading) Fade(ch, fade);
                row[px] = Pack(sh, ch[0], ch[1], ch[2]);
            }
        }
    }
    back.Unlock();
    return 1;
}

// Enlarges the rectangle by `factor` into object 0 (writing the top-left partX x partY pixels of every
// factor x factor block) and draws it back at the rectangle's corner.
i32 Enlarge(i32 x, i32 y, i32 w, i32 h, i32 factor, i32 partX, i32 partY) {
    soft::Locked work, back;
    if (!work.Lock(ObjectSurface(0))) return 0;
    if (!back.Lock(BackBuffer)) {
        work.Unlock();
        return 0;
    }
    const Box b = CutTo(back, x, y, w, h);
    for (i32 j = 0; j < b.h; ++j) {
        const u16* src = back.Row(b.y + j);
        for (i32 dy = 0; dy < partY; ++dy) {
            const i64 ty = static_cast<i64>(j) * factor + dy;
            if (ty >= work.height) break;
            u16* dst = work.Row(static_cast<i32>(ty));
            for (i32 i = 0; i < b.w; ++i) {
                for (i32 dx = 0; dx < partX; ++dx) {
                    const i64 tx = static_cast<i64>(i) * factor + dx;
                    if (tx < work.width) dst[tx] = src[b.x + i];
                }
            }
        }
    }
    const i32 outW = static_cast<i32>(std::min<i64>(static_cast<i64>(b.w) * factor, work.width));
    const i32 outH = static_cast<i32>(std::min<i64>(static_cast<i64>(b.h) * factor, work.height));
    work.Unlock();
    back.Unlock();
    if (outW > 0 && outH > 0) PutSpriteNoKey(b.x, b.y, 0, 0, 0, outW, outH);
    return 1;
}

i32 Sparkle(i32 shift, const bool on[3], i32 x, i32 y, i32 w, i32 h, i32& noise) {
    soft::Locked back;
    if (!back.Lock(BackBuffer)) return 0;
    const Box b = CutTo(back, x, y, w, h);
    const Shifts sh = TableShifts();
    shift = std::clamp(shift, 0, 5);
    for (i32 j = 0; j < b.h; ++j) {
        u16* row = back.Row(b.y + j);
        for (i32 i = 0; i < b.w; ++i) {
            const i32 n = ReadNoise(noise) << shift;
            const u8* p = PixelDecodeTable[row[b.x + i]];
            u32 ch[3];
            for (int k = 0; k < 3; ++k) ch[k] = on[k] ? static_cast<u32>(std::min(31, p[k] + n)) : p[k];
            row[b.x + i] = Pack(sh, ch[0], ch[1], ch[2]);
        }
    }
    back.Unlock();
    return 1;
}

}  // namespace

i32 PixelEffect1(i32 x, i32 y, i32 w, i32 h) {
    const bool none[3] = {false, false, false};
    return RisingBlur(x, y, w, h, false, none, PixelEffects.noise1, PixelEffects.run1);
}

i32 PixelEffect2(i32 fadeR, i32 fadeG, i32 fadeB, i32 x, i32 y, i32 w, i32 h) {
    const bool fade[3] = {fadeR != 0, fadeG != 0, fadeB != 0};
    return RisingBlur(x, y, w, h, true, fade, PixelEffects.noise2, PixelEffects.run2);
}

i32 PixelEffect3(i32 x, i32 y, i32 w, i32 h) {
    const bool none[3] = {false, false, false};
    return InPlaceBlur(x, y, w, h, false, none);
}

i32 PixelEffect4(i32 fadeR, i32 fadeG, i32 fadeB, i32 x, i32 y, i32 w, i32 h) {
    const bool fade[3] = {fadeR != 0, fadeG != 0, fadeB != 0};
    return InPlaceBlur(x, y, w, h, true, fade);
}

i32 PixelEffect5(i32 x, i32 y, i32 w, i32 h, i32 scanlines) { return Enlarge(x, y, w, h, 2, 2, scanlines ? 1 : 2); }

i32 PixelEffect6(i32 x, i32 y, i32 w, i32 h, i32 dots) { return Enlarge(x, y, w, h, 4, dots ? 2 : 4, dots ? 2 : 4); }

i32 PixelEffect7(i32 x, i32 y, i32 radius, i32 block) {
    soft::Locked back;
    if (!back.Lock(BackBuffer)) return 0;
    if (block >= 1 && radius > 0) {
        const i64 dyFrom = std::max<i64>(-static_cast<i64>(radius), -static_cast<i64>(y));
        const i64 dyTo = std::min<i64>(radius, static_cast<i64>(back.height) - y);
        const i64 dxFrom = std::max<i64>(-static_cast<i64>(radius), -static_cast<i64>(x));
        const i64 dxTo = std::min<i64>(radius, static_cast<i64>(back.width) - x);
        const double r2 = static_cast<double>(radius);
        for (i64 by = dyFrom; by < dyTo; by += block) {
            for (i64 bx = dxFrom; bx < dxTo; bx += block) {
                const u16 colour = back.Row(static_cast<i32>(y + by))[x + bx];
                for (i64 py = by; py < by + block && y + py < back.height; ++py) {
                    u16* row = back.Row(static_cast<i32>(y + py));
                    for (i64 px = bx; px < bx + block && x + px < back.width; ++px) {
                        const double dist = std::sqrt(static_cast<double>(px * px + py * py));
                        if (std::trunc(dist) < r2) row[x + px] = colour;
                    }
                }
            }
        }
    }
    back.Unlock();
    return 1;
}

i32 PixelEffect8(i32 shift, i32 x, i32 y, i32 w, i32 h) {
    const bool all[3] = {true, true, true};
    return Sparkle(shift, all, x, y, w, h, PixelEffects.noise8);
}

i32 PixelEffect9(i32 onR, i32 onG, i32 onB, i32 shift, i32 x, i32 y, i32 w, i32 h) {
    const bool on[3] = {onR != 0, onG != 0, onB != 0};
    return Sparkle(shift, on, x, y, w, h, PixelEffects.noise9);
}

}  // namespace elDraw
