#include "el/draw/soft.h"

#include <algorithm>
#include <cmath>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "el/draw/present.h"
#include "el/draw/screen.h"

i32 GlowNoiseIndex = 0;

namespace elDraw::soft {

bool Locked::Lock(host::Surface* s) { return Take(s, true); }
bool Locked::LockToRead(host::Surface* s) { return Take(s, false); }

bool Locked::Take(host::Surface* s, bool writing) {
    host::LockInfo info;
    if (!s || (writing ? s->Lock(&info) : s->LockToRead(&info)) != host::kSurfaceOk) return false;
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
    if (!walk.sheet.LockToRead(sheet)) return Begin::Failed;
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

// ---- the add and alpha blends, eight pixels at a time ----------------------------------------------
//
// Every member of the add and alpha family writes, per channel, min(31, max(0, s - Ls) + max(0, d - Ld))
// at the channel's table shift: the add tables at level L are Ls = L, Ld = 0, the alpha tables Ls = L,
// Ld = 31 - L (their sum never passes 31). Where the decoding of a pixel is the plain field at the table
// shift (the usual layouts), that is computed eight pixels at a time in 16-bit lanes: each channel is
// moved to the top five bits, where the processor's saturating add and subtract clamp it for free. The
// table walk stays as the fall-back, for layouts the arithmetic does not describe.

namespace {

struct Levels {
    i32 ls[3], ld[3];    // what is taken from the source and from the destination channel
    const u16* rows[3];  // the table rows of the same blend, for the table walk
};

inline u16 TablePixel(const Levels& lv, u16 sp, u16 dp) { return AddAt(lv.rows[0], lv.rows[1], lv.rows[2], sp, dp); }

void TableRow(const Levels& lv, const u16* s, u16* d, i32 n) {
    for (i32 c = 0; c < n; ++c)
        if (s[c]) d[c] = TablePixel(lv, s[c], d[c]);
}

#if defined(__SSE2__)
// One channel of eight pixels: both moved to the top five bits, dimmed, added with saturation, moved back.
// A channel that lands in the top bits by the shift alone (Up 11) needs no masking there or on the way back.
template <int Up, bool WithLevels>
inline __m128i Channel(__m128i sv, __m128i dv, __m128i ls, __m128i ld) {
    const __m128i top = _mm_set1_epi16(static_cast<short>(0xF800));
    __m128i a = _mm_slli_epi16(sv, Up), b = _mm_slli_epi16(dv, Up);
    if constexpr (Up != 11) {
        a = _mm_and_si128(a, top);
        b = _mm_and_si128(b, top);
    }
    if constexpr (WithLevels) {
        a = _mm_subs_epu16(a, ls);
        b = _mm_subs_epu16(b, ld);
    }
    const __m128i sum = _mm_adds_epu16(a, b);
    if constexpr (Up == 11) return _mm_srli_epi16(sum, 11);
    else return _mm_srli_epi16(_mm_and_si128(sum, top), Up);
}

// Eight pixels at a time for a layout whose channels decode as the five bits at table shifts 11 - UpR,
// 11 - UpG and 11 - UpB; Junk: the layout's unused top bit, whose pixels decode as black.
template <int UpR, int UpG, int UpB, bool Junk, bool WithLevels>
void VectorRows(const Levels& lv, const Walk& walk) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i junk = _mm_set1_epi16(static_cast<short>(0x8000));
    __m128i ls[3], ld[3];
    for (i32 c = 0; c < 3; ++c) {
        ls[c] = _mm_set1_epi16(static_cast<short>(lv.ls[c] << 11));
        ld[c] = _mm_set1_epi16(static_cast<short>(lv.ld[c] << 11));
    }
    auto channel = [&]<int Up>(__m128i sv, __m128i dv, i32 c) { return Channel<Up, WithLevels>(sv, dv, ls[c], ld[c]); };
    // Eight source pixels over eight destination pixels: the value each destination pixel ends with.
    auto eight = [&](__m128i sv, __m128i dOld) {
        __m128i dv = dOld;
        const __m128i transparent = _mm_cmpeq_epi16(sv, zero);
        if constexpr (Junk) {
            sv = _mm_and_si128(sv, _mm_cmpeq_epi16(_mm_and_si128(sv, junk), zero));
            dv = _mm_and_si128(dv, _mm_cmpeq_epi16(_mm_and_si128(dv, junk), zero));
        }
        const __m128i out = _mm_or_si128(_mm_or_si128(channel.template operator()<UpR>(sv, dv, 0),
                                                      channel.template operator()<UpG>(sv, dv, 1)),
                                         channel.template operator()<UpB>(sv, dv, 2));
        return _mm_or_si128(_mm_and_si128(transparent, dOld), _mm_andnot_si128(transparent, out));
    };
    auto load = [](const u16* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); };
    const i32 n = walk.w, whole = n & ~7;
    for (i32 r = 0; r < walk.h; ++r) {
        const u16* s = walk.Src(r);
        u16* d = walk.Dst(r);
        if (n < 8) {
            // A row narrower than eight goes through eight-pixel scratch rows; the source's unused lanes
            // are 0 (transparent), so they only carry their destination through.
            alignas(16) u16 sp[8] = {}, dp[8] = {};
            std::copy_n(s, n, sp);
            std::copy_n(d, n, dp);
            _mm_store_si128(reinterpret_cast<__m128i*>(dp), eight(load(sp), load(dp)));
            std::copy_n(dp, n, d);
            continue;
        }
        // The last one to seven pixels are the last eight of the row, blended from the destination as it
        // was before the row began and stored after the rest, over the same values the loop wrote there.
        const bool tail = whole != n;
        const __m128i last = tail ? eight(load(s + n - 8), load(d + n - 8)) : zero;
        for (i32 i = 0; i < whole; i += 8)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), eight(load(s + i), load(d + i)));
        if (tail) _mm_storeu_si128(reinterpret_cast<__m128i*>(d + n - 8), last);
    }
}

template <int UpR, int UpG, int UpB, bool Junk>
void VectorBlend(const Levels& lv, const Walk& walk) {
    const bool levels = (lv.ls[0] | lv.ls[1] | lv.ls[2] | lv.ld[0] | lv.ld[1] | lv.ld[2]) != 0;
    if (levels)
        VectorRows<UpR, UpG, UpB, Junk, true>(lv, walk);
    else
        VectorRows<UpR, UpG, UpB, Junk, false>(lv, walk);
}
#endif

void TableBlend(const Levels& lv, const Walk& walk) {
    for (i32 r = 0; r < walk.h; ++r) TableRow(lv, walk.Src(r), walk.Dst(r), walk.w);
}

using BlendFn = void (*)(const Levels&, const Walk&);
BlendFn g_blend = TableBlend;
bool g_vectorAllowed = true;

// One member of the family over the clipped rectangle.
i32 LevelBlend(i32 x, i32 y, i32 objectNo, i32 sl, i32 st, i32 sr, i32 sb, const Levels& lv) {
    Walk walk;
    const Begin begin = soft::Start(walk, x, y, objectNo, sl, st, sr, sb);
    if (begin != Begin::Draw) return soft::Skipped(begin);
    // A sheet drawn onto itself is walked a pixel at a time, so that overlapping rows read what the
    // walk has already written, as they always did.
    (walk.sheet.surface == walk.back.surface ? TableBlend : g_blend)(lv, walk);
    soft::Finish(walk);
    return 1;
}

Levels AddLevels(i32 L) {
    return Levels{{L, L, L}, {0, 0, 0}, {AddRow(0, L), AddRow(1, L), AddRow(2, L)}};
}

}  // namespace

namespace soft {

void ChooseBlendPath() {
    g_blend = TableBlend;
#if defined(__SSE2__)
    if (!g_vectorAllowed || !TablesBuilt) return;
    const PixelFormatRecord& f = PixelFormat;
    const bool is565 = f.rMask == 0xF800 && f.gMask == 0x07E0 && f.bMask == 0x001F;
    const bool is555 = f.rMask == 0x7C00 && f.gMask == 0x03E0 && f.bMask == 0x001F;
    if (!is565 && !is555) return;
    // The arithmetic must decode every pixel value exactly as the table does.
    const i32 shift[3] = {f.rTableShift, f.gTableShift, f.bTableShift};
    const u32 junk = is555 ? 0x8000 : 0;
    for (u32 p = 0; p < 65536; ++p)
        for (i32 c = 0; c < 3; ++c) {
            const u32 v = (p & junk) ? 0 : (p >> shift[c]) & 31;
            if (v != PixelDecodeTable[p][c]) return;
        }
    g_blend = is565 ? VectorBlend<0, 5, 11, false> : VectorBlend<1, 6, 11, true>;
#endif
}

void SetVectorBlends(bool allowed) {
    g_vectorAllowed = allowed;
    ChooseBlendPath();
}

bool VectorBlends() { return g_blend != TableBlend; }

}  // namespace soft

i32 PutAdd(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    return LevelBlend(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, AddLevels(0));
}

i32 PutAddLevel(i32 x, i32 y, f32 level, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    const double v = 31.0 - static_cast<double>(level) * 31.0;
    const i32 L = (v == v) ? ClampLevel(soft::TruncToInt(v)) : 31;
    return LevelBlend(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, AddLevels(L));
}

i32 PutAlphaRGB(i32 x, i32 y, i32 levelR, i32 levelG, i32 levelB, i32 objectNo, i32 srcLeft, i32 srcTop,
                i32 srcRight, i32 srcBottom) {
    const i32 L[3] = {31 - ClampLevel(levelR), 31 - ClampLevel(levelG), 31 - ClampLevel(levelB)};
    const Levels lv{{L[0], L[1], L[2]}, {31 - L[0], 31 - L[1], 31 - L[2]}, {AlphaRow(0, L[0]), AlphaRow(1, L[1]), AlphaRow(2, L[2])}};
    return LevelBlend(x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, lv);
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
