#include "el/draw/warp.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "el/draw/screen.h"
#include "el/draw/soft.h"

WarpEntry WarpMap[kWarpMapCapacity];
i32 WarpTexWidth = 0, WarpTexHeight = 0;
i32 WarpMapWidth = 0, WarpMapHeight = 0;

namespace elDraw {

namespace {

// n modulo m in 0..m-1 for m > 0.
inline i64 Mod(i64 n, i64 m) {
    const i64 r = n % m;
    return r < 0 ? r + m : r;
}

}  // namespace

void MakeWarpMap(i32 texWidth, i32 texHeight, i32 mapWidth, i32 mapHeight, i32 centreX, i32 centreY, i32 n,
                 i32 move, i32 metric, i32 wave) {
    if (texWidth <= 0 || texHeight <= 0 || mapWidth <= 0 || mapHeight <= 0) return;
    if (static_cast<i64>(mapWidth) * mapHeight > kWarpMapCapacity) return;
    WarpTexWidth = texWidth;
    WarpTexHeight = texHeight;
    WarpMapWidth = mapWidth;
    WarpMapHeight = mapHeight;
    i64 cx = centreX == -1 ? mapWidth / 2 : centreX;
    i64 cy = centreY == -1 ? mapHeight / 2 : centreY;
    if (n == -1) n = 8;
    if (n < 2) n = 2;
    if (move == 1) cy = mapHeight;
    if (move == 3) cx = mapWidth;
    if (move == 4) cx = 0;
    const double pi = 3.14159265358979323846;
    const double base = texHeight / (2.0 * std::tan(pi / n / 2.0));
    f32 d = 0, w = 0;
    for (i32 row = 0; row < mapHeight; ++row) {
        if (move == 1) cy -= 1;
        if (move == 2) cx = mapWidth;
        if (move == 3) cx = std::max<i64>(0, cx - 1);
        if (move == 4) cx = std::min<i64>(mapWidth, cx + 1);
        for (i32 col = 0; col < mapWidth; ++col) {
            if (move == 2) cx -= 1;
            const f32 dx = static_cast<f32>(col - cx), dy = static_cast<f32>(row - cy);
            const f32 ax = std::fabs(dx), ay = std::fabs(dy);
            switch (metric) {
                case 0: d = std::sqrt(dx * dx + dy * dy); break;
                case 1: d = std::max(ax, ay); break;
                case 2: d = (ax + ay) / 2; break;
                case 3: d = std::min(ax, ay); break;
                case 4: d = ax; break;
                case 5: d = ay; break;
                case 6: d = static_cast<f32>(cx); break;
                default: break;
            }
            switch (wave) {
                case 0: w = static_cast<f32>(base / 32); break;
                case 1: w = static_cast<f32>(base / ((ay + 1) / 10.0)); break;
                case 2: w = static_cast<f32>(base / ((ax + 1) / 10.0)); break;
                case 3: w = static_cast<f32>(base / std::max(ax, ay)); break;
                case 4: w = static_cast<f32>(base / ((ax + ay) / 2.0)); break;
                case 5: w = static_cast<f32>(base / std::min(ax, ay)); break;
                default: break;
            }
            if (w < 0) w = -w;
            const double R = std::sqrt(static_cast<double>(cx) * cx + static_cast<double>(cy) * cy);
            const double uf = std::atan2(static_cast<double>(dy), static_cast<double>(dx)) * texWidth / (2 * pi);
            const double vf = (R - d) * w / d;
            i64 u = 0, v = 0;
            // At the centre (and where a wave divides by zero) there is no finite depth: (0, 0).
            if (std::isfinite(uf) && std::isfinite(vf) && std::isfinite(w)) {
                u = Mod(soft::TruncToInt(uf), texWidth);
                v = Mod(soft::TruncToInt(vf), texHeight);
            }
            WarpMap[static_cast<size_t>(row) * mapWidth + col] = WarpEntry{static_cast<u16>(u), static_cast<u16>(v)};
        }
    }
}

i32 PutWarp(i32 x, i32 y, i32 du, i32 dv, i32 objectNo) {
    host::Surface* tex = ObjectSurface(objectNo);
    if (!tex || !BackBuffer) return 0;
    if (WarpMapWidth <= 0 || WarpMapHeight <= 0) return 1;
    if (tex->Width() < WarpTexWidth || tex->Height() < WarpTexHeight) return 1;
    soft::Locked t, back;
    if (!t.Lock(tex)) return 0;
    if (!back.Lock(BackBuffer)) {
        t.Unlock();
        return 0;
    }
    const i64 r0 = std::max<i64>(0, -static_cast<i64>(y));
    const i64 r1 = std::min<i64>(WarpMapHeight, static_cast<i64>(back.height) - y);
    const i64 c0 = std::max<i64>(0, -static_cast<i64>(x));
    const i64 c1 = std::min<i64>(WarpMapWidth, static_cast<i64>(back.width) - x);
    for (i64 r = r0; r < r1; ++r) {
        const WarpEntry* e = WarpMap + r * WarpMapWidth;
        u16* d = back.Row(static_cast<i32>(y + r));
        for (i64 c = c0; c < c1; ++c) {
            const i64 tu = Mod(static_cast<i64>(e[c].u) + du, WarpTexWidth);
            const i64 tv = Mod(static_cast<i64>(e[c].v) + dv, WarpTexHeight);
            d[x + c] = t.Row(static_cast<i32>(tv))[tu];
        }
    }
    t.Unlock();
    back.Unlock();
    return 1;
}

i32 PutRefract(i32 x, i32 y, f32 strength, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    soft::Walk walk;
    const soft::Begin begin = soft::Start(walk, x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom);
    if (begin != soft::Begin::Draw) return soft::Skipped(begin);
    const i32 k = soft::TruncToInt(31.0 - static_cast<double>(strength) * 31.0);
    for (i32 r = 0; r < walk.h; ++r) {
        const u16* s = walk.Src(r);
        u16* d = walk.Dst(r);
        for (i32 c = 0; c < walk.w; ++c) {
            if (!s[c]) continue;
            i64 t = static_cast<i64>(PixelDecodeTable[s[c]][0]) - k;
            if (t <= 0 || t >= walk.h - r) t = 0;
            d[c] = walk.Dst(r + static_cast<i32>(t))[c];
        }
    }
    soft::Finish(walk);
    return 1;
}

i32 PutRipple(i32 x, i32 y, i32 amplitude, i32 frequency, i32 step, f32 scale, f32 shear, i32 objectNo, i32 srcLeft,
              i32 srcTop, i32 srcRight, i32 srcBottom) {
    host::Surface* sheet = ObjectSurface(objectNo);
    soft::Walk walk;
    const soft::Begin begin = soft::Start(walk, x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom);
    if (begin != soft::Begin::Draw) return soft::Skipped(begin);
    if (step < 1) step = 1;
    // The normalising sizes run from the clipped left and top edges to the (sheet-cut) right and bottom.
    const i64 spanW = std::min<i64>(srcRight, sheet->Width()) - walk.srcLeft;
    const i64 spanH = std::min<i64>(srcBottom, sheet->Height()) - walk.srcTop;
    const IntRect& clip = walk.clip;
    for (i64 r = 0; r < walk.h; r += step) {
        const u16* s = walk.Src(static_cast<i32>(r));
        const f32 ny = 2.0f / static_cast<f32>(spanH) * static_cast<f32>(r) - 1.0f;
        for (i64 c = 0; c < walk.w; c += step) {
            const f32 nx = 2.0f / static_cast<f32>(spanW) * static_cast<f32>(c) - 1.0f;
            const f32 e = std::exp(ny * ny - nx * nx);
            const f32 rho = std::sqrt(nx * nx + ny * ny);
            const f32 dy = (std::cos(rho * static_cast<f32>(frequency)) * e + 1.0f) * static_cast<f32>(amplitude) / 2.0f +
                           static_cast<f32>(r);
            const i64 X = soft::TruncToInt((static_cast<f32>(c) + static_cast<f32>(r) * shear) * scale);
            const i64 Y = soft::TruncToInt(dy * scale);
            const i64 px = walk.x + X, py = walk.y + Y;
            if (px < clip.left || px >= clip.right || py < clip.top || py >= clip.bottom) continue;
            walk.back.Row(static_cast<i32>(py))[px] = s[c];
        }
    }
    soft::Finish(walk);
    return 1;
}

i32 PutStreak(i32 x, i32 y, i32 mode, i32 n, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom) {
    if (mode == 0) srcRight = static_cast<i32>(std::clamp<i64>(static_cast<i64>(ScreenWidth) - srcLeft, INT32_MIN, INT32_MAX));
    if (mode == 2) srcBottom = static_cast<i32>(std::clamp<i64>(static_cast<i64>(ScreenHeight) - srcTop, INT32_MIN, INT32_MAX));
    // The streak runs past the sheet's own size (only column or row n is read there), so the source
    // rectangle is not cut to the sheet; every read below is checked instead.
    soft::Walk walk;
    const soft::Begin begin = soft::Start(walk, x, y, objectNo, srcLeft, srcTop, srcRight, srcBottom, false);
    if (begin != soft::Begin::Draw) return soft::Skipped(begin);
    const i32 w = walk.w, h = walk.h;
    auto at = [&](i64 c, i64 r) -> u16 {
        const i64 sx = walk.srcLeft + c, sy = walk.srcTop + r;
        if (sx < 0 || sy < 0 || sx >= walk.sheet.width || sy >= walk.sheet.height) return 0;
        return walk.sheet.Row(static_cast<i32>(sy))[sx];
    };
    auto put = [&](i32 c, i32 r, u16 s) {
        if (s) walk.Dst(r)[c] = s;
    };
    i32 k = static_cast<u16>(n);  // n counts as an unsigned 16-bit value, kept inside the source
    if (w > 0 && h > 0) {
        switch (mode) {
            case 0:
                k = std::min(k, w - 1);
                for (i32 r = 0; r < h; ++r)
                    for (i32 c = 0; c < w; ++c) put(c, r, at(c <= k ? c : k, r));
                break;
            case 1: {
                k = std::min(k, w - 1);
                const i32 fill = std::min(walk.x, walk.back.width);
                for (i32 r = 0; r < h; ++r) {
                    for (i32 c = 0; c < w; ++c) put(c, r, at(c > k ? c : k, r));
                    std::fill(walk.back.Row(walk.y + r), walk.back.Row(walk.y + r) + fill, at(k, r));
                }
                break;
            }
            case 2:
                k = std::min(k, h - 1);
                for (i32 r = 0; r < h; ++r)
                    for (i32 c = 0; c < w; ++c) put(c, r, at(c, r <= k ? r : k));
                break;
            case 3: {
                k = std::min(k, h - 1);
                const i32 fill = std::min(walk.y, walk.back.height);
                for (i32 r = 0; r < fill; ++r)
                    for (i32 c = 0; c < w; ++c) walk.back.Row(r)[walk.x + c] = at(c, k);
                for (i32 r = 0; r < h; ++r)
                    for (i32 c = 0; c < w; ++c) put(c, r, at(c, r <= k ? k : r));
                break;
            }
            default: break;
        }
    }
    soft::Finish(walk);
    return 1;
}

}  // namespace elDraw
