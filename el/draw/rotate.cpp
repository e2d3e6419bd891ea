#include "el/draw/rotate.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define KESTRALIS_ROTATE_AVX2 1
#endif

#include "el/draw/screen.h"
#include "el/draw/soft.h"
#include "host/surface.h"

namespace elDraw {

namespace {

constexpr i64 kUnit = 360;  // fixed-point units per pixel, the sine table's scale
constexpr u32 kRowTableSize = 16384;  // the tallest surface there can be

i64 FloorDiv(i64 a, i64 b) {
    i64 q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}
i64 CeilDiv(i64 a, i64 b) { return -FloorDiv(-a, b); }

// Narrows [c0, c1) to the columns c for which lo <= a + b * c <= hi.
void Narrow(i64& c0, i64& c1, i64 a, i64 b, i64 lo, i64 hi) {
    if (b == 0) {
        if (a < lo || a > hi) c1 = c0;
        return;
    }
    i64 from, to;  // inclusive
    if (b > 0) {
        from = CeilDiv(lo - a, b);
        to = FloorDiv(hi - a, b);
    } else {
        from = CeilDiv(hi - a, b);
        to = FloorDiv(lo - a, b);
    }
    c0 = std::max(c0, from);
    c1 = std::min(c1, to + 1);
    if (c1 < c0) c1 = c0;
}


// Everything one rotated draw needs once the box, the clip and the locks are settled.
struct Rot {
    i64 left = 0, top = 0;
    i64 bw = 0, bh = 0;
    i32 angle = 0;  // 0..359
    i64 startX = 0, startY = 0, endX = 0, endY = 0;
    i64 offX = 0, offY = 0;
    i64 sinA = 0, cosA = 0;
    i64 rowU0 = 0, rowV0 = 0;
    i32 srcLeft = 0, srcTop = 0, srcW = 0, srcH = 0;
    // Source columns and rows that lie on the sheet (relative to srcLeft, srcTop), inclusive.
    i64 sheetMinU = 0, sheetMaxU = -1, sheetMinV = 0, sheetMaxV = -1;
    soft::Locked sheet, back;

    bool OnSheet(i64 su, i64 sv) const { return su >= sheetMinU && su <= sheetMaxU && sv >= sheetMinV && sv <= sheetMaxV; }
    u16 SourceAt(i64 su, i64 sv) const {
        return sheet.Row(static_cast<i32>(srcTop + sv))[srcLeft + su];
    }
    // Copies the source pixel su, sv to d unless it is off the sheet or transparent (0).
    void CopyKeyed(i64 su, i64 sv, u16* d) const {
        if (!OnSheet(su, sv)) return;
        const u16 s = SourceAt(su, sv);
        if (s) *d = s;
    }
};

using soft::Begin;

// The box, the clip range in box coordinates and the locks. effW, effH: the size the source is centred
// at (its own size, or its scaled size).
Begin Prepare(Rot& rot, i32 left, i32 top, i32 right, i32 bottom, i32 angle, i32 objectNo, i32 srcLeft, i32 srcTop,
           i32 srcRight, i32 srcBottom, bool scaledCentre, f32 scale) {
    host::Surface* sheet = ObjectSurface(objectNo);
    if (!sheet || !BackBuffer) return Begin::Failed;
    const i64 bw = static_cast<i64>(right) - left, bh = static_cast<i64>(bottom) - top;
    const IntRect c = soft::ClipOn(BackBuffer);
    rot.left = left;
    rot.top = top;
    rot.bw = bw;
    rot.bh = bh;
    rot.startX = 0, rot.startY = 0, rot.endX = bw, rot.endY = bh;
    if (left + bw > c.right) rot.endX = c.right - static_cast<i64>(left);
    if (top + bh > c.bottom) rot.endY = c.bottom - static_cast<i64>(top);
    if (left < c.left) rot.startX = c.left - static_cast<i64>(left);
    if (top < c.top) rot.startY = c.top - static_cast<i64>(top);
    if (rot.endX < rot.startX || rot.endY < rot.startY) return Begin::Nothing;

    const i32 a = ((angle % 360) + 360) % 360;
    rot.angle = a;
    rot.sinA = SinTable[a];
    rot.cosA = SinTable[a + 90];
    const i64 srcW = static_cast<i64>(srcRight) - srcLeft, srcH = static_cast<i64>(srcBottom) - srcTop;
    i64 effW = srcW, effH = srcH;
    if (scaledCentre) {
        effW = soft::TruncToInt(static_cast<f32>(srcW) * scale);
        effH = soft::TruncToInt(static_cast<f32>(srcH) * scale);
    }
    const i64 hw = bw >> 1, hh = bh >> 1;
    rot.offX = (bw - effW) >> 1;
    rot.offY = (bh - effH) >> 1;
    rot.rowU0 = kUnit * hw - hw * rot.cosA + hh * rot.sinA;
    rot.rowV0 = kUnit * hh - hw * rot.sinA - hh * rot.cosA;
    rot.srcLeft = srcLeft;
    rot.srcTop = srcTop;
    rot.srcW = static_cast<i32>(std::clamp<i64>(srcW, INT32_MIN, INT32_MAX));
    rot.srcH = static_cast<i32>(std::clamp<i64>(srcH, INT32_MIN, INT32_MAX));
    rot.sheetMinU = std::max<i64>(0, -static_cast<i64>(srcLeft));
    rot.sheetMaxU = static_cast<i64>(sheet->Width()) - 1 - srcLeft;
    rot.sheetMinV = std::max<i64>(0, -static_cast<i64>(srcTop));
    rot.sheetMaxV = static_cast<i64>(sheet->Height()) - 1 - srcTop;

    if (!rot.sheet.LockToRead(sheet)) return Begin::Failed;
    if (!rot.back.Lock(BackBuffer)) {
        rot.sheet.Unlock();
        return Begin::Failed;
    }
    return Begin::Draw;
}

void Done(Rot& rot) {
    rot.sheet.Unlock();
    rot.back.Unlock();
}

// Walks the clipped part of the box. For every row, `row(r)` may veto the row (false) and
// `narrow(rowU, rowV, c0, c1)` may cut its columns; `pixel(u, v, dst)` draws one box pixel from the fixed-point source positions u, v. Positions that
// would leave the int range are skipped; when the whole clipped box stays inside it (the usual case)
// the rows are walked without any per-row narrowing.
template <class RowFn, class PixelFn, class NarrowFn>
void WalkBox(const Rot& rot, RowFn row, PixelFn pixel, NarrowFn narrow) {
    if (rot.startX >= rot.endX || rot.startY >= rot.endY) return;
    const i64 cs[2] = {rot.startX, rot.endX - 1}, rs[2] = {rot.startY, rot.endY - 1};
    bool fits = true;
    for (i64 r : rs)
        for (i64 c : cs) {
            const i64 u = rot.rowU0 - r * rot.sinA + c * rot.cosA, v = rot.rowV0 + r * rot.cosA + c * rot.sinA;
            fits = fits && u >= INT32_MIN && u <= INT32_MAX && v >= INT32_MIN && v <= INT32_MAX;
        }
    const i32 cosA = static_cast<i32>(rot.cosA), sinA = static_cast<i32>(rot.sinA);
    for (i64 r = rot.startY; r < rot.endY; ++r) {
        if (!row(r)) continue;
        const i64 rowU = rot.rowU0 - r * rot.sinA, rowV = rot.rowV0 + r * rot.cosA;
        i64 c0 = rot.startX, c1 = rot.endX;
        if (!fits) {
            Narrow(c0, c1, rowU, rot.cosA, INT32_MIN, INT32_MAX);
            Narrow(c0, c1, rowV, rot.sinA, INT32_MIN, INT32_MAX);
            if (c0 >= c1) continue;
        }
        narrow(rowU, rowV, c0, c1);
        if (c0 >= c1) continue;
        u16* dst = rot.back.Row(static_cast<i32>(rot.top + r)) + rot.left;
        i32 u = static_cast<i32>(rowU + c0 * rot.cosA), v = static_cast<i32>(rowV + c0 * rot.sinA);
        const i64 n = c1 - c0;
        u16* d = dst + c0;
        for (i64 k = 0; k < n; ++k, u += cosA, v += sinA) pixel(u, v, d + k);
    }
}

// Narrows [c0, c1) to the columns c for which lo <= a + b * c <= hi, without integer division: a
// floating-point estimate of the bounds (invB = 1 / b), then settled exactly (the set is one run).
inline void NarrowExact(i64& c0, i64& c1, i64 a, i64 b, double invB, i64 lo, i64 hi) {
    if (c0 >= c1) return;
    auto in = [&](i64 c) {
        const i64 x = a + b * c;
        return x >= lo && x <= hi;
    };
    if (b == 0) {
        if (!in(c0)) c1 = c0;
        return;
    }
    double fa = (static_cast<double>(lo) - static_cast<double>(a)) * invB;
    double fb = (static_cast<double>(hi) - static_cast<double>(a)) * invB;
    if (fa > fb) std::swap(fa, fb);
    const double first = static_cast<double>(c0), last = static_cast<double>(c1 - 1);
    i64 from = static_cast<i64>(std::clamp(fa, first, last));  // near the bounds; settled below
    i64 to = static_cast<i64>(std::clamp(fb, first, last));
    while (from > c0 && in(from - 1)) --from;
    while (from < c1 && !in(from)) ++from;
    while (to < c1 - 1 && in(to + 1)) ++to;
    while (to >= from && !in(to)) --to;
    c0 = from;
    c1 = std::max(from, to + 1);
}

// The fixed-point positions u whose whole-pixel part trunc(u / 360) lies in [m, M].
i64 LowestWith(i64 m) { return m >= 1 ? kUnit * m : kUnit * (m - 1) + 1; }
i64 HighestWith(i64 M) { return M >= 0 ? kUnit * M + (kUnit - 1) : kUnit * M; }

// |n| modulo m for m > 0.
inline i64 AbsMod(i64 n, i64 m) { return std::llabs(n) % m; }

constexpr auto NoNarrow = [](i64, i64, i64&, i64&) {};

bool Usable(f32 s) { return std::isfinite(s) && s != 0.0f; }

// A source rectangle with no pixels in it.
bool NoSource(i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    return static_cast<i64>(srcRight) - srcLeft <= 0 || static_cast<i64>(srcBottom) - srcTop <= 0;
}

// The source pixel a fixed-point box position u falls on, with the source shown at `scale` and centred
// `off` pixels in.
i64 Scaled(i32 u, i64 off, f32 scale) {
    return soft::TruncToInt(static_cast<f32>(static_cast<i64>(u / 360) - off) / scale);
}

#if defined(__SSE2__)
// The rotated walk eight box pixels at a time, for a box whose fixed-point positions all fit in 16 bits
// (every bullet). A box pixel at source position (u, v) draws the source pixel trunc(u / 360) - lowU
// across and trunc(v / 360) - lowV down of `base` when both lie in [0, span] and it is not 0. Positions
// above -360 truncate to the same pixel as max(u, 0), whose division by 360 is a multiply and a shift
// (exact for 0..32767); the source pixels are fetched one by one, everything else is done in lanes.
bool FitsSixteenBits(const Rot& rot, i64 spanU, i64 spanV, i32 pitch) {
    if (spanU > 32000 || spanV > 32000 || pitch > 32767) return false;
    for (i64 r : {rot.startY, rot.endY - 1})
        for (i64 c : {rot.startX, rot.endX - 1}) {
            const i64 u = rot.rowU0 - r * rot.sinA + c * rot.cosA, v = rot.rowV0 + r * rot.cosA + c * rot.sinA;
            if (u < -32768 || u > 32767 || v < -32768 || v > 32767) return false;
        }
    return true;
}

void RotateEight(const Rot& rot, const u16* base, i32 pitch, i32 lowU, i32 lowV, i32 spanU, i32 spanV) {
    const i32 cosA = static_cast<i32>(rot.cosA), sinA = static_cast<i32>(rot.sinA);
    const __m128i steps = _mm_setr_epi16(0, 1, 2, 3, 4, 5, 6, 7);
    const __m128i cosSteps = _mm_mullo_epi16(steps, _mm_set1_epi16(static_cast<short>(cosA)));
    const __m128i sinSteps = _mm_mullo_epi16(steps, _mm_set1_epi16(static_cast<short>(sinA)));
    const __m128i above = _mm_set1_epi16(-360), zero = _mm_setzero_si128(), minusOne = _mm_set1_epi16(-1);
    const __m128i magic = _mm_set1_epi16(11651);  // x / 360 = (x * 11651) >> 22 for 0 <= x < 32768
    const __m128i lowUv = _mm_set1_epi16(static_cast<short>(lowU)), lowVv = _mm_set1_epi16(static_cast<short>(lowV));
    const __m128i endU = _mm_set1_epi16(static_cast<short>(spanU + 1)), endV = _mm_set1_epi16(static_cast<short>(spanV + 1));
    const __m128i lastU = _mm_set1_epi16(static_cast<short>(spanU)), lastV = _mm_set1_epi16(static_cast<short>(spanV));
    const __m128i rowStep = _mm_set1_epi32(static_cast<i32>(1) | (pitch << 16));  // (su, sv) . (1, pitch)
    // One axis: which lanes fall inside the source, and their clamped indexes.
    auto axis = [&](__m128i w, __m128i low, __m128i end, __m128i last, __m128i* inside) {
        const __m128i q = _mm_srli_epi16(_mm_mulhi_epu16(_mm_max_epi16(w, zero), magic), 6);
        const __m128i at = _mm_sub_epi16(q, low);
        *inside = _mm_and_si128(_mm_cmpgt_epi16(w, above),
                                _mm_and_si128(_mm_cmpgt_epi16(at, minusOne), _mm_cmpgt_epi16(end, at)));
        return _mm_min_epi16(_mm_max_epi16(at, zero), last);
    };
    // One pixel the slow way, for the columns left over at a row's end.
    auto one = [&](i32 u, i32 v, u16* d) {
        if (u <= -360 || v <= -360) return;
        const i32 su = std::max(u, 0) / 360 - lowU, sv = std::max(v, 0) / 360 - lowV;
        if (su < 0 || su > spanU || sv < 0 || sv > spanV) return;
        const u16 p = base[static_cast<std::ptrdiff_t>(sv) * pitch + su];
        if (p) *d = p;
    };
    alignas(16) i32 idx[8];
    alignas(16) u16 px[8];
    for (i64 r = rot.startY; r < rot.endY; ++r) {
        const i32 rowU = static_cast<i32>(rot.rowU0 - r * rot.sinA), rowV = static_cast<i32>(rot.rowV0 + r * rot.cosA);
        u16* dst = rot.back.Row(static_cast<i32>(rot.top + r)) + rot.left;
        const i32 start = static_cast<i32>(rot.startX), end = static_cast<i32>(rot.endX);
        // A row of eight or more ends with a chunk that overlaps the one before: drawing a box pixel twice
        // writes the same value, since a copy that skips 0 depends on nothing it has written itself.
        for (i32 c = start; c < end && end - start >= 8; c += 8) {
            if (c + 8 > end) c = end - 8;
            const __m128i u = _mm_add_epi16(_mm_set1_epi16(static_cast<short>(rowU + c * cosA)), cosSteps);
            const __m128i v = _mm_add_epi16(_mm_set1_epi16(static_cast<short>(rowV + c * sinA)), sinSteps);
            __m128i inU, inV;
            const __m128i su = axis(u, lowUv, endU, lastU, &inU);
            const __m128i sv = axis(v, lowVv, endV, lastV, &inV);
            const __m128i inside = _mm_and_si128(inU, inV);
            if (_mm_movemask_epi8(inside) == 0) continue;
            _mm_store_si128(reinterpret_cast<__m128i*>(idx), _mm_madd_epi16(_mm_unpacklo_epi16(su, sv), rowStep));
            _mm_store_si128(reinterpret_cast<__m128i*>(idx + 4), _mm_madd_epi16(_mm_unpackhi_epi16(su, sv), rowStep));
            for (i32 k = 0; k < 8; ++k) px[k] = base[idx[k]];
            const __m128i p = _mm_and_si128(_mm_load_si128(reinterpret_cast<const __m128i*>(px)), inside);
            u16* d = dst + c;
            const __m128i old = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm_or_si128(p, _mm_and_si128(old, _mm_cmpeq_epi16(p, zero))));
        }
        if (end - start < 8)
            for (i32 c = start; c < end; ++c) one(rowU + c * cosA, rowV + c * sinA, dst + c);
    }
}

#if defined(KESTRALIS_ROTATE_AVX2)
// RotateEight's walk sixteen box pixels at a time in wide registers, fetching the source pixels with
// gathers. A gather reads four bytes for each two-byte pixel; every index is clamped onto the source, and
// each surface's memory ends in slack, so the two bytes past the sheet's last pixel are still its own.
// For boxes at least sixteen pixels wide; narrower ones go through RotateEight.
#define Avx2 __attribute__((target("avx2")))
Avx2 void RotateSixteen(const Rot& rot, const u16* base, i32 pitch, i32 lowU, i32 lowV, i32 spanU, i32 spanV) {
    const i32 cosA = static_cast<i32>(rot.cosA), sinA = static_cast<i32>(rot.sinA);
    const __m256i steps = _mm256_setr_epi16(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    const __m256i cosSteps = _mm256_mullo_epi16(steps, _mm256_set1_epi16(static_cast<short>(cosA)));
    const __m256i sinSteps = _mm256_mullo_epi16(steps, _mm256_set1_epi16(static_cast<short>(sinA)));
    const __m256i above = _mm256_set1_epi16(-360), zero = _mm256_setzero_si256(), minusOne = _mm256_set1_epi16(-1);
    const __m256i magic = _mm256_set1_epi16(11651);  // x / 360 = (x * 11651) >> 22 for 0 <= x < 32768
    const __m256i lowUv = _mm256_set1_epi16(static_cast<short>(lowU)), lowVv = _mm256_set1_epi16(static_cast<short>(lowV));
    const __m256i endU = _mm256_set1_epi16(static_cast<short>(spanU + 1)), endV = _mm256_set1_epi16(static_cast<short>(spanV + 1));
    const __m256i lastU = _mm256_set1_epi16(static_cast<short>(spanU)), lastV = _mm256_set1_epi16(static_cast<short>(spanV));
    const __m256i rowStep = _mm256_set1_epi32(static_cast<i32>(1) | (pitch << 16));  // (su, sv) . (1, pitch)
    const __m256i low16 = _mm256_set1_epi32(0xFFFF);
    const int* words = reinterpret_cast<const int*>(base);
    auto axis = [&](__m256i w, __m256i low, __m256i end, __m256i last, __m256i* inside) Avx2 {
        const __m256i q = _mm256_srli_epi16(_mm256_mulhi_epu16(_mm256_max_epi16(w, zero), magic), 6);
        const __m256i at = _mm256_sub_epi16(q, low);
        *inside = _mm256_and_si256(_mm256_cmpgt_epi16(w, above),
                                   _mm256_and_si256(_mm256_cmpgt_epi16(at, minusOne), _mm256_cmpgt_epi16(end, at)));
        return _mm256_min_epi16(_mm256_max_epi16(at, zero), last);
    };
    // Sixteen pixels from c on: positions, gathers, and the copy that skips 0. The lanes of the two
    // gathers come back in the order the in-lane pack wants them.
    auto sixteen = [&](i32 rowU, i32 rowV, i32 c, u16* d) Avx2 {
        const __m256i u = _mm256_add_epi16(_mm256_set1_epi16(static_cast<short>(rowU + c * cosA)), cosSteps);
        const __m256i v = _mm256_add_epi16(_mm256_set1_epi16(static_cast<short>(rowV + c * sinA)), sinSteps);
        __m256i inU, inV;
        const __m256i su = axis(u, lowUv, endU, lastU, &inU);
        const __m256i sv = axis(v, lowVv, endV, lastV, &inV);
        const __m256i inside = _mm256_and_si256(inU, inV);
        if (_mm256_testz_si256(inside, inside)) return;
        const __m256i idxLo = _mm256_madd_epi16(_mm256_unpacklo_epi16(su, sv), rowStep);
        const __m256i idxHi = _mm256_madd_epi16(_mm256_unpackhi_epi16(su, sv), rowStep);
        const __m256i pLo = _mm256_and_si256(_mm256_i32gather_epi32(words, idxLo, 2), low16);
        const __m256i pHi = _mm256_and_si256(_mm256_i32gather_epi32(words, idxHi, 2), low16);
        const __m256i p = _mm256_and_si256(_mm256_packus_epi32(pLo, pHi), inside);
        const __m256i old = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d),
                            _mm256_or_si256(p, _mm256_and_si256(old, _mm256_cmpeq_epi16(p, zero))));
    };
    const i32 start = static_cast<i32>(rot.startX), end = static_cast<i32>(rot.endX);
    for (i64 r = rot.startY; r < rot.endY; ++r) {
        const i32 rowU = static_cast<i32>(rot.rowU0 - r * rot.sinA), rowV = static_cast<i32>(rot.rowV0 + r * rot.cosA);
        u16* dst = rot.back.Row(static_cast<i32>(rot.top + r)) + rot.left;
        // As in RotateEight, the last chunk of a row may overlap the one before it.
        for (i32 c = start; c < end; c += 16) {
            if (c + 16 > end) c = end - 16;
            sixteen(rowU, rowV, c, dst + c);
        }
    }
}

// Wide registers when the processor has them, decided once when the program loads.
const bool WideRotate = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));
#undef Avx2
#endif
#endif

}  // namespace

namespace {

// PutRotate's walk over the clipped box of a prepared draw.
void WalkRotated(const Rot& rot) {
    // Source pixels wanted: 0 <= su < srcW and on the sheet, where su = trunc(u / 360) - offX.
    const i64 minU = std::max<i64>(0, rot.sheetMinU), maxU = std::min<i64>(rot.srcW - 1, rot.sheetMaxU);
    const i64 minV = std::max<i64>(0, rot.sheetMinV), maxV = std::min<i64>(rot.srcH - 1, rot.sheetMaxV);
    if (minU <= maxU && minV <= maxV && std::llabs(rot.offX) < (1ll << 30) && std::llabs(rot.offY) < (1ll << 30)) {
        // Offsets folded in: a pixel is wanted when trunc(u / 360) - lowU lies in [0, spanU].
        const i32 lowU = static_cast<i32>(minU + rot.offX), lowV = static_cast<i32>(minV + rot.offY);
        const u32 spanU = static_cast<u32>(maxU - minU), spanV = static_cast<u32>(maxV - minV);
        const i32 pitch = rot.sheet.pitch;
        const u16* base = rot.sheet.Row(static_cast<i32>(rot.srcTop + minV)) + rot.srcLeft + minU;
#if defined(__SSE2__)
        if (lowU >= 0 && lowV >= 0 && rot.startX < rot.endX && rot.startY < rot.endY &&
            FitsSixteenBits(rot, static_cast<i64>(spanU), static_cast<i64>(spanV), pitch)) {
#if defined(KESTRALIS_ROTATE_AVX2)
            if (WideRotate && rot.endX - rot.startX >= 16)
                RotateSixteen(rot, base, pitch, lowU, lowV, static_cast<i32>(spanU), static_cast<i32>(spanV));
            else
#endif
                RotateEight(rot, base, pitch, lowU, lowV, static_cast<i32>(spanU), static_cast<i32>(spanV));
            return;
        }
#endif
        const i64 loU = LowestWith(lowU), hiU = HighestWith(lowU + static_cast<i64>(spanU));
        const i64 loV = LowestWith(lowV), hiV = HighestWith(lowV + static_cast<i64>(spanV));
        const double invCos = rot.cosA ? 1.0 / static_cast<double>(rot.cosA) : 0.0;
        const double invSin = rot.sinA ? 1.0 / static_cast<double>(rot.sinA) : 0.0;
        auto narrow = [&](i64 rowU, i64 rowV, i64& c0, i64& c1) {
            NarrowExact(c0, c1, rowU, rot.cosA, invCos, loU, hiU);
            NarrowExact(c0, c1, rowV, rot.sinA, invSin, loV, hiV);
        };
        // Each row is cut to the columns whose source lies inside the picture, so the pixels need no
        // bounds test and no branch at all: whether a bullet's pixel is transparent is as good as random.
        auto blend = [](u16 s, u16* d) {
            const u16 keep = static_cast<u16>(-static_cast<i32>(s == 0));
            *d = static_cast<u16>(s | (*d & keep));
        };
        if (lowU >= 0 && lowV >= 0 && spanV < kRowTableSize) {
            // The usual case. Every wanted u is at least -359, so u + 360 is positive and an unsigned
            // division gives trunc(u / 360) + 1, except on (-359, -1), which trunc maps to 0 as well:
            // hence the max. Source rows are found through a table instead of a multiplication.
            static i64 rowStart[kRowTableSize];
            const u16* bits = rot.sheet.bits;
            for (u32 k = 0; k <= spanV; ++k)
                rowStart[k] = static_cast<i64>(rot.srcTop + minV + k) * pitch + rot.srcLeft + minU - (1 + lowU);
            const u32 biasV = static_cast<u32>(1 + lowV);
            WalkBox(
                rot, [](i64) { return true; },
                [=](i32 u, i32 v, u16* d) {
                    const u32 qu = std::max(static_cast<u32>(u + 360) / 360u, 1u);
                    const u32 qv = std::max(static_cast<u32>(v + 360) / 360u, 1u);
                    blend(bits[rowStart[qv - biasV] + qu], d);
                },
                narrow);
        } else {
            WalkBox(
                rot, [](i64) { return true; },
                [=](i32 u, i32 v, u16* d) {
                    const i32 su = u / 360 - lowU, sv = v / 360 - lowV;
                    blend(base[static_cast<std::ptrdiff_t>(sv) * pitch + su], d);
                },
                narrow);
        }
    }
}

// ---- turned pictures kept ---------------------------------------------------------------------------
//
// A rotated draw's pixels depend only on the sheet's pixels, the source rectangle, the box's size and the
// angle, so the whole box is turned once into a picture of its own (0 where nothing is drawn) and every
// later draw of it is a keyed copy of that picture under the clip, pixel for pixel what the walk writes.
// The first draw of a box only notes it and walks as before; the second turns the picture: a box that is
// never drawn twice (its sheet changing all the time) costs no more than the walk.
// A picture is kept under the sheet's version, which is new whenever the sheet's pixels may have changed
// (a reload, a restore, any drawing into it) and never comes back, so a picture of an old sheet is never
// found again; it only waits for the next clear-out.
//
// Memory is fixed: kKeptPixels pixels (8 MiB) for the pictures and kKeptSlots index slots (768 KiB),
// enough for every angle of a dozen 30x30 cells. When either is full, everything kept is let go and the
// store fills again from the draws that follow. Boxes over kKeptSide pixels a side are walked every time.

constexpr i64 kKeptSide = 128;
constexpr u32 kKeptPixels = 1u << 22;
constexpr u32 kKeptSlots = 1u << 14;
constexpr u32 kKeptMost = kKeptSlots / 4 * 3;  // slots used before a clear-out, so probes stay short

struct KeptKey {
    u64 version = 0;  // 0: an empty slot
    i32 srcLeft = 0, srcTop = 0, srcW = 0, srcH = 0, bw = 0, bh = 0, angle = 0;
    bool operator==(const KeptKey&) const = default;
};
constexpr u32 kSeenOnce = UINT32_MAX;
struct KeptSlot {
    KeptKey key;
    u32 at = 0;  // the picture's first pixel in KeptPixels, or kSeenOnce: drawn once, not turned yet
};

static_assert(sizeof(KeptSlot) * kKeptSlots == 768 * 1024, "the index's size as stated above");

u16 KeptPixels[kKeptPixels];
KeptSlot KeptIndex[kKeptSlots];
u32 KeptFilled = 0;  // pixels of KeptPixels in use
u32 KeptCount = 0;   // slots of KeptIndex in use

RotateKeptTally KeptTally;

void Kept_Clear() {
    std::fill(std::begin(KeptIndex), std::end(KeptIndex), KeptSlot{});
    KeptFilled = 0;
    KeptCount = 0;
    ++KeptTally.clearOuts;
}

u32 Kept_Hash(const KeptKey& k) {
    u64 h = k.version * 0x9E3779B97F4A7C15ull;
    for (i32 v : {k.srcLeft, k.srcTop, k.srcW, k.srcH, k.bw, k.bh, k.angle})
        h = (h ^ static_cast<u32>(v)) * 0xFF51AFD7ED558CCDull;
    return static_cast<u32>(h >> 40);
}

// The picture of a prepared draw: the kept one, or one turned now at the box's second draw; nullptr at
// its first.
const u16* Kept_Picture(const Rot& rot) {
    const KeptKey key{rot.sheet.surface->Version(), rot.srcLeft, rot.srcTop, rot.srcW, rot.srcH,
                      static_cast<i32>(rot.bw), static_cast<i32>(rot.bh), rot.angle};
    const u32 size = static_cast<u32>(rot.bw * rot.bh);
    const u32 home = Kept_Hash(key) & (kKeptSlots - 1);
    u32 i = home;
    while (KeptIndex[i].key.version != 0 && !(KeptIndex[i].key == key)) i = (i + 1) & (kKeptSlots - 1);
    KeptSlot& slot = KeptIndex[i];
    if (slot.key.version != 0 && slot.at != kSeenOnce) {
        ++KeptTally.copied;
        return KeptPixels + slot.at;
    }
    if (slot.key.version == 0) {
        if (KeptCount >= kKeptMost) {
            Kept_Clear();
            i = home;  // where the next probe for it starts and so finds it
        }
        KeptIndex[i] = KeptSlot{key, kSeenOnce};
        ++KeptCount;
        return nullptr;
    }
    if (KeptFilled + size > kKeptPixels) {
        Kept_Clear();
        return nullptr;  // noted again at the next draw
    }
    u16* picture = KeptPixels + KeptFilled;
    std::fill_n(picture, size, u16{0});
    Rot whole = rot;
    whole.back.surface = nullptr;
    whole.back.bits = picture;
    whole.back.pitch = whole.back.width = static_cast<i32>(rot.bw);
    whole.back.height = static_cast<i32>(rot.bh);
    whole.left = whole.top = 0;
    whole.startX = whole.startY = 0;
    whole.endX = rot.bw;
    whole.endY = rot.bh;
    WalkRotated(whole);
    slot.at = KeptFilled;
    KeptFilled += size;
    ++KeptTally.turned;
    ++KeptTally.copied;
    return picture;
}

// Whether a draw may come from a kept picture: a box small enough, and a sheet that is neither the back
// buffer (the walk would read what it writes) nor held by another lock (its pixels may be changing).
bool Kept_Suits(const Rot& rot, bool sheetHeld) {
    return !sheetHeld && rot.sheet.surface != BackBuffer && rot.bw >= 1 && rot.bh >= 1 && rot.bw <= kKeptSide &&
           rot.bh <= kKeptSide;
}

}  // namespace

RotateKeptTally RotateKeptTallyNow() { return KeptTally; }

i32 PutRotate(i32 left, i32 top, i32 right, i32 bottom, i32 angle, i32 objectNo, i32 srcLeft, i32 srcTop,
              i32 srcRight, i32 srcBottom) {
    const host::Surface* sheet = ObjectSurface(objectNo);
    const bool sheetHeld = sheet && sheet->IsLocked();
    Rot rot;
    const Begin begin =
        Prepare(rot, left, top, right, bottom, angle, objectNo, srcLeft, srcTop, srcRight, srcBottom, false, 1);
    if (begin != Begin::Draw) return soft::Skipped(begin);
    const u16* picture = Kept_Suits(rot, sheetHeld) ? Kept_Picture(rot) : nullptr;
    if (!picture) {
        WalkRotated(rot);
    } else {
        const i32 pitch = static_cast<i32>(rot.bw);
        host::CopyKeyedRows(reinterpret_cast<u8*>(rot.back.Row(static_cast<i32>(rot.top + rot.startY)) + rot.left + rot.startX),
                            rot.back.pitch * 2,
                            reinterpret_cast<const u8*>(picture + rot.startY * pitch + rot.startX), pitch * 2,
                            static_cast<i32>(rot.endX - rot.startX), static_cast<i32>(rot.endY - rot.startY), 0);
    }
    Done(rot);
    return 1;
}

i32 PutRotateTile(i32 left, i32 top, i32 right, i32 bottom, i32 angle, i32 objectNo, i32 srcLeft, i32 srcTop,
                  i32 srcRight, i32 srcBottom) {
    if (NoSource(srcLeft, srcTop, srcRight, srcBottom)) return 1;
    Rot rot;
    const Begin begin =
        Prepare(rot, left, top, right, bottom, angle, objectNo, srcLeft, srcTop, srcRight, srcBottom, false, 1);
    if (begin != Begin::Draw) return soft::Skipped(begin);
    WalkBox(rot, [](i64) { return true; }, [&](i32 u, i32 v, u16* d) {
        const i64 su = AbsMod(static_cast<i64>(u / 360) - rot.offX, rot.srcW);
        const i64 sv = AbsMod(static_cast<i64>(v / 360) - rot.offY, rot.srcH);
        rot.CopyKeyed(su, sv, d);
    }, NoNarrow);
    Done(rot);
    return 1;
}

i32 PutRotateScale(i32 left, i32 top, i32 right, i32 bottom, i32 angle, f32 scale, i32 objectNo, i32 srcLeft,
                   i32 srcTop, i32 srcRight, i32 srcBottom) {
    if (!Usable(scale)) return 1;
    Rot rot;
    const Begin begin =
        Prepare(rot, left, top, right, bottom, angle, objectNo, srcLeft, srcTop, srcRight, srcBottom, true, scale);
    if (begin != Begin::Draw) return soft::Skipped(begin);
    WalkBox(rot, [](i64) { return true; }, [&](i32 u, i32 v, u16* d) {
        const i64 su = Scaled(u, rot.offX, scale);
        const i64 sv = Scaled(v, rot.offY, scale);
        if (su < 0 || su >= rot.srcW || sv < 0 || sv >= rot.srcH) return;
        rot.CopyKeyed(su, sv, d);
    }, NoNarrow);
    Done(rot);
    return 1;
}

i32 PutRotateScaleTile(i32 left, i32 top, i32 right, i32 bottom, i32 angle, f32 scale, i32 objectNo, i32 srcLeft,
                       i32 srcTop, i32 srcRight, i32 srcBottom) {
    if (!Usable(scale)) return 1;
    if (NoSource(srcLeft, srcTop, srcRight, srcBottom)) return 1;
    Rot rot;
    const Begin begin =
        Prepare(rot, left, top, right, bottom, angle, objectNo, srcLeft, srcTop, srcRight, srcBottom, false, 1);
    if (begin != Begin::Draw) return soft::Skipped(begin);
    WalkBox(rot, [](i64) { return true; }, [&](i32 u, i32 v, u16* d) {
        const i64 su = AbsMod(Scaled(u, rot.offX, scale), rot.srcW);
        const i64 sv = AbsMod(Scaled(v, rot.offY, scale), rot.srcH);
        rot.CopyKeyed(su, sv, d);
    }, NoNarrow);
    Done(rot);
    return 1;
}

i32 PutRotateColor(i32 left, i32 top, i32 right, i32 bottom, i32 angle, f32 scaleX, f32 scaleXStep, f32 scaleY,
                   f32 scaleYStep, f32 tintR, f32 tintG, f32 tintB, i32 objectNo, i32 srcLeft, i32 srcTop,
                   i32 srcRight, i32 srcBottom) {
    if (NoSource(srcLeft, srcTop, srcRight, srcBottom)) return 1;
    Rot rot;
    const Begin begin =
        Prepare(rot, left, top, right, bottom, angle, objectNo, srcLeft, srcTop, srcRight, srcBottom, false, 1);
    if (begin != Begin::Draw) return soft::Skipped(begin);
    // The scales grow by their steps after every box row, counted from row 0 even where rows are clipped.
    f32 sx = scaleX, sy = scaleY;
    i64 scaledRow = 0;
    auto scalesAt = [&](i64 r) {
        if (r - scaledRow > 100000) {  // far down a huge box: jump instead of stepping
            sx = scaleX + scaleXStep * static_cast<f32>(r);
            sy = scaleY + scaleYStep * static_cast<f32>(r);
            scaledRow = r;
        }
        for (; scaledRow < r; ++scaledRow) sx += scaleXStep, sy += scaleYStep;
        return Usable(sx) && Usable(sy);
    };
    const u32 rs = static_cast<u32>(PixelFormat.rTableShift), gs = static_cast<u32>(PixelFormat.gTableShift),
              bs = static_cast<u32>(PixelFormat.bTableShift);
    WalkBox(rot, scalesAt, [&](i32 u, i32 v, u16* d) {
        const i64 su = AbsMod(Scaled(u, rot.offX, sx), rot.srcW);
        const i64 sv = AbsMod(Scaled(v, rot.offY, sy), rot.srcH);
        if (!rot.OnSheet(su, sv)) return;
        const u16 s = rot.SourceAt(su, sv);
        if (!s) return;
        const u8* p = PixelDecodeTable[s];
        const u32 r = static_cast<u32>(soft::TruncToInt(p[0] * tintR));
        const u32 g = static_cast<u32>(soft::TruncToInt(p[1] * tintG));
        const u32 b = static_cast<u32>(soft::TruncToInt(p[2] * tintB));
        *d = static_cast<u16>((r << rs) | (g << gs) | (b << bs));
    }, NoNarrow);
    Done(rot);
    return 1;
}

}  // namespace elDraw
