// The record of the aimed group of boss bullets (the RotFan and AimFan kinds): every field that either
// kind's families use. A free record has active 0 and stands at the ParkPosition.
#pragma once
#include "host/types.h"

struct AimedBullet {
    i32 animFrame;   // animated look: cell 0..23, stepped by the draw
    i32 emitClock;   // the family's emitter clock, kept in every record and advanced together
    i32 headingDeg;  // rotated look: heading in whole degrees, written by the draw
    f32 x, y;        // top-left, screen pixels
    f32 dx, dy;      // aim point minus spawn point
    f32 x0, y0;      // spawn point
    f32 heading;     // radians, 0 to the right, pi/2 straight down
    f32 speed;       // px/s
    i32 active;      // 0 free, 1 live
};
