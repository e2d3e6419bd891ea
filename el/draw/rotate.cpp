#include "el/draw/rotate.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "el/draw/screen.h"
#include "el/draw/soft.h"

namespace elDraw {

namespace {

constexpr i64 kUnit = 360;  // fixed-point units per pixel, the sine table's scale

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

// The fixed-point positions u whose whole-pixel part trunc(u / 360) lies in [m, M].
i64 LowestWith(i64 m) { return m >= 1 ? kUnit * m : kUnit * (m - 1) + 1; }
i64 HighestWith(i64 M) { return M >= 0 ? kUnit * M + (kUnit - 1) : kUnit * M; }

// Everything one rotated draw needs once the box, the clip and the locks are settled.
struct Rot {
    i64 left = 0, top = 0;
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
};

enum class Go { Draw, Nothing, Failed };

// The box, the clip range in box coordinates and the locks. effW, effH: the size the source is centred
// at (its own size, or its scaled size).
Go Prepare(Rot& rot, i32 left, i32 top, i32 right, i32 bottom, i32 angle, i32 objectNo, i32 srcLeft, i32 srcTop,
           i32 srcRight, i32 srcBottom, bool scaledCentre, f32 scale) {
    host::Surface* sheet = ObjectSurface(objectNo);
    if (!sheet || !BackBuffer) return Go::Failed;
    const i64 bw = static_cast<i64>(right) - left, bh = static_cast<i64>(bottom) - top;
    const IntRect c = soft::ClipOn(BackBuffer);
    rot.left = left;
    rot.top = top;
    rot.startX = 0, rot.startY = 0, rot.endX = bw, rot.endY = bh;
    if (left + bw > c.right) rot.endX = c.right - static_cast<i64>(left);
    if (top + bh > c.bottom) rot.endY = c.bottom - static_cast<i64>(top);
    if (left < c.left) rot.startX = c.left - static_cast<i64>(left);
    if (top < c.top) rot.startY = c.top - static_cast<i64>(top);
    if (rot.endX < rot.startX || rot.endY < rot.startY) return Go::Nothing;

    const i32 a = ((angle % 360) + 360) % 360;
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

    if (!rot.sheet.Lock(sheet)) return Go::Failed;
    if (!rot.back.Lock(BackBuffer)) {
        rot.sheet.Unlock();
        return Go::Failed;
    }
    return Go::Draw;
}

void Done(Rot& rot) {
    rot.sheet.Unlock();
    rot.back.Unlock();
}

// Walks the clipped part of the box. For every row, `row(r)` may veto the row (false); `narrow`
// restricts the columns to those whose source position lies in [lowU, highU] x [lowV, highV] (fixed
// point); `pixel(u, v, dst)` draws one box pixel from the positions u, v.
template <class RowFn, class PixelFn>
void WalkBox(Rot& rot, bool narrow, i64 lowU, i64 highU, i64 lowV, i64 highV, RowFn row, PixelFn pixel) {
    for (i64 r = rot.startY; r < rot.endY; ++r) {
        if (!row(r)) continue;
        const i64 rowU = rot.rowU0 - r * rot.sinA, rowV = rot.rowV0 + r * rot.cosA;
        i64 c0 = rot.startX, c1 = rot.endX;
        // Positions that leave the int range are skipped.
        Narrow(c0, c1, rowU, rot.cosA, INT32_MIN, INT32_MAX);
        Narrow(c0, c1, rowV, rot.sinA, INT32_MIN, INT32_MAX);
        if (narrow) {
            Narrow(c0, c1, rowU, rot.cosA, lowU, highU);
            Narrow(c0, c1, rowV, rot.sinA, lowV, highV);
        }
        if (c0 >= c1) continue;
        u16* dst = rot.back.Row(static_cast<i32>(rot.top + r)) + rot.left;
        const i32 cosA = static_cast<i32>(rot.cosA), sinA = static_cast<i32>(rot.sinA);
        i32 u = static_cast<i32>(rowU + c0 * rot.cosA), v = static_cast<i32>(rowV + c0 * rot.sinA);
        for (i64 c = c0; c < c1; ++c, u += cosA, v += sinA) pixel(u, v, dst + c);
    }
}

// |n| modulo m for m > 0.
inline i64 AbsMod(i64 n, i64 m) { return std::llabs(n) % m; }

bool Usable(f32 s) { return std::isfinite(s) && s != 0.0f; }

}  // namespace

i32 PutRotate(i32 left, i32 top, i32 right, i32 bottom, i32 angle, i32 objectNo, i32 srcLeft, i32 srcTop,
              i32 srcRight, i32 srcBottom) {
    Rot rot;
    switch (Prepare(rot, left, top, right, bottom, angle, objectNo, srcLeft, srcTop, srcRight, srcBottom, false, 1)) {
        case Go::Nothing: return 1;
        case Go::Failed: return 0;
        case Go::Draw: break;
    }
    // Source pixels wanted: 0 <= su < srcW on the sheet, where su = trunc(u / 360) - offX.
    const i64 minU = std::max<i64>(0, rot.sheetMinU), maxU = std::min<i64>(rot.srcW - 1, rot.sheetMaxU);
    const i64 minV = std::max<i64>(0, rot.sheetMinV), maxV = std::min<i64>(rot.srcH - 1, rot.sheetMaxV);
    if (minU <= maxU && minV <= maxV) {
        const i32 offX = static_cast<i32>(rot.offX), offY = static_cast<i32>(rot.offY);
        const u16* base = rot.sheet.Row(rot.srcTop) + rot.srcLeft;
        const i32 pitch = rot.sheet.pitch;
        WalkBox(rot, true, LowestWith(minU + rot.offX), HighestWith(maxU + rot.offX), LowestWith(minV + rot.offY),
                HighestWith(maxV + rot.offY), [](i64) { return true; }, [=](i32 u, i32 v, u16* d) {
                    const i32 su = u / 360 - offX, sv = v / 360 - offY;
                    const u16 s = base[static_cast<std::ptrdiff_t>(sv) * pitch + su];
                    if (s) *d = s;
                });
    }
    Done(rot);
    return 1;
}

i32 PutRotateTile(i32 left, i32 top, i32 right, i32 bottom, i32 angle, i32 objectNo, i32 srcLeft, i32 srcTop,
                  i32 srcRight, i32 srcBottom) {
    if (static_cast<i64>(srcRight) - srcLeft <= 0 || static_cast<i64>(srcBottom) - srcTop <= 0) return 1;
    Rot rot;
    switch (Prepare(rot, left, top, right, bottom, angle, objectNo, srcLeft, srcTop, srcRight, srcBottom, false, 1)) {
        case Go::Nothing: return 1;
        case Go::Failed: return 0;
        case Go::Draw: break;
    }
    WalkBox(rot, false, 0, 0, 0, 0, [](i64) { return true; }, [&](i32 u, i32 v, u16* d) {
        const i64 su = AbsMod(static_cast<i64>(u / 360) - rot.offX, rot.srcW);
        const i64 sv = AbsMod(static_cast<i64>(v / 360) - rot.offY, rot.srcH);
        if (!rot.OnSheet(su, sv)) return;
        const u16 s = rot.SourceAt(su, sv);
        if (s) *d = s;
    });
    Done(rot);
    return 1;
}

i32 PutRotateScale(i32 left, i32 top, i32 right, i32 bottom, i32 angle, f32 scale, i32 objectNo, i32 srcLeft,
                   i32 srcTop, i32 srcRight, i32 srcBottom) {
    if (!Usable(scale)) return 1;
    Rot rot;
    switch (Prepare(rot, left, top, right, bottom, angle, objectNo, srcLeft, srcTop, srcRight, srcBottom, true, scale)) {
        case Go::Nothing: return 1;
        case Go::Failed: return 0;
        case Go::Draw: break;
    }
    WalkBox(rot, false, 0, 0, 0, 0, [](i64) { return true; }, [&](i32 u, i32 v, u16* d) {
        const i64 su = soft::TruncToInt(static_cast<f32>(static_cast<i64>(u / 360) - rot.offX) / scale);
        const i64 sv = soft::TruncToInt(static_cast<f32>(static_cast<i64>(v / 360) - rot.offY) / scale);
        if (su < 0 || su >= rot.srcW || sv < 0 || sv >= rot.srcH || !rot.OnSheet(su, sv)) return;
        const u16 s = rot.SourceAt(su, sv);
        if (s) *d = s;
    });
    Done(rot);
    return 1;
}

i32 PutRotateScaleTile(i32 left, i32 top, i32 right, i32 bottom, i32 angle, f32 scale, i32 objectNo, i32 srcLeft,
                       i32 srcTop, i32 srcRight, i32 srcBottom) {
    if (!Usable(scale)) return 1;
    if (static_cast<i64>(srcRight) - srcLeft <= 0 || static_cast<i64>(srcBottom) - srcTop <= 0) return 1;
    Rot rot;
    switch (Prepare(rot, left, top, right, bottom, angle, objectNo, srcLeft, srcTop, srcRight, srcBottom, false, 1)) {
        case Go::Nothing: return 1;
        case Go::Failed: return 0;
        case Go::Draw: break;
    }
    WalkBox(rot, false, 0, 0, 0, 0, [](i64) { return true; }, [&](i32 u, i32 v, u16* d) {
        const i64 su = AbsMod(soft::TruncToInt(static_cast<f32>(static_cast<i64>(u / 360) - rot.offX) / scale), rot.srcW);
        const i64 sv = AbsMod(soft::TruncToInt(static_cast<f32>(static_cast<i64>(v / 360) - rot.offY) / scale), rot.srcH);
        if (!rot.OnSheet(su, sv)) return;
        const u16 s = rot.SourceAt(su, sv);
        if (s) *d = s;
    });
    Done(rot);
    return 1;
}

i32 PutRotateColor(i32 left, i32 top, i32 right, i32 bottom, i32 angle, f32 scaleX, f32 scaleXStep, f32 scaleY,
                   f32 scaleYStep, f32 tintR, f32 tintG, f32 tintB, i32 objectNo, i32 srcLeft, i32 srcTop,
                   i32 srcRight, i32 srcBottom) {
    if (static_cast<i64>(srcRight) - srcLeft <= 0 || static_cast<i64>(srcBottom) - srcTop <= 0) return 1;
    Rot rot;
    switch (Prepare(rot, left, top, right, bottom, angle, objectNo, srcLeft, srcTop, srcRight, srcBottom, false, 1)) {
        case Go::Nothing: return 1;
        case Go::Failed: return 0;
        case Go::Draw: break;
    }
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
    WalkBox(rot, false, 0, 0, 0, 0, scalesAt, [&](i32 u, i32 v, u16* d) {
        const i64 su = AbsMod(soft::TruncToInt(static_cast<f32>(static_cast<i64>(u / 360) - rot.offX) / sx), rot.srcW);
        const i64 sv = AbsMod(soft::TruncToInt(static_cast<f32>(static_cast<i64>(v / 360) - rot.offY) / sy), rot.srcH);
        if (!rot.OnSheet(su, sv)) return;
        const u16 s = rot.SourceAt(su, sv);
        if (!s) return;
        const u8* p = PixelDecodeTable[s];
        const u32 r = static_cast<u32>(soft::TruncToInt(p[0] * tintR));
        const u32 g = static_cast<u32>(soft::TruncToInt(p[1] * tintG));
        const u32 b = static_cast<u32>(soft::TruncToInt(p[2] * tintB));
        *d = static_cast<u16>((r << rs) | (g << gs) | (b << bs));
    });
    Done(rot);
    return 1;
}

}  // namespace elDraw
