// Effects that move pixels: a precomputed displacement map with the blit that renders a texture
// through it, a heat-haze refraction of the background, a forward-mapped ripple and an edge streak.
#pragma once
#include "host/types.h"

constexpr i32 kWarpMapCapacity = 640 * 480;
struct WarpEntry {
    u16 u, v;  // texture column and row
};
extern WarpEntry WarpMap[kWarpMapCapacity];
extern i32 WarpTexWidth, WarpTexHeight;  // the texture size the map was made for
extern i32 WarpMapWidth, WarpMapHeight;  // 0 until a map is made

namespace elDraw {

// Fills the map with a tunnel or wave projection. Refuses (changes nothing) sizes <= 0 and maps of more
// than 640 x 480 entries.
void MakeWarpMap(i32 texWidth, i32 texHeight, i32 mapWidth, i32 mapHeight, i32 centreX, i32 centreY, i32 n,
                 i32 move, i32 metric, i32 wave);
// Renders the texture (the object's picture from its top-left) through the map at (x, y), scrolled by
// du, dv; every pixel is written, cut to the back buffer.
i32 PutWarp(i32 x, i32 y, i32 du, i32 dv, i32 objectNo);
// The background under each non-zero sheet pixel is taken from lower down by the pixel's red channel.
i32 PutRefract(i32 x, i32 y, f32 strength, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
i32 PutRipple(i32 x, i32 y, i32 amplitude, i32 frequency, i32 step, f32 scale, f32 shear, i32 objectNo, i32 srcLeft,
              i32 srcTop, i32 srcRight, i32 srcBottom);
// mode 0 right, 1 left, 2 down, 3 up: the sprite up to column (row) n, then that column (row) repeated.
i32 PutStreak(i32 x, i32 y, i32 mode, i32 n, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);

}  // namespace elDraw
