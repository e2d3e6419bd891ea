// The backdrop strips and the star field.
#pragma once
#include "game/common/backdrop_tiles.h"
#include "host/types.h"

// One speck of the star field.
struct StarSpeck {
    i32 kind;   // picture cell 0..6
    f32 x, y;
    f32 vx;     // sideways speed, cleared every frame
    f32 speed;  // falling speed, px/s
};
constexpr i32 kStarSpecks = 100;
extern StarSpeck StarSpecks[kStarSpecks];

// Scatters the star field: each speck a random cell 0..6, x -400..839, y 0..479, a fall speed of 100..199
// px/s, still sideways (four draws a speck, in that order).
void Stars_Scatter();
