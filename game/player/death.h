// The ship's death explosion: five rings of sixteen fragments.
#pragma once
#include "host/types.h"

struct DeathFragment {
    f32 x, y;      // top-left of the 60x60 picture
    f32 dx, dy;    // from the launch point to the screen point (20, 20)
    f32 angle;     // radians
    f32 speed;     // px/s
    i32 launched;  // 1 while the fragment flies
    i32 frameColumn, frameRow;
    i32 animCount;
    i32 timer;     // frames since the ship went down
};
constexpr i32 kDeathFragments = 80;  // five waves of 16
extern DeathFragment DeathFragments[kDeathFragments];

void PlayerExplosion_Step(i32 unused);
void PlayerExplosion_Draw(i32 unused);
void PlayerExplosion_Move(i32 unused);
// Back to rest: parked, heading -3 degrees, everything else 0.
void DeathFragments_Reset();
