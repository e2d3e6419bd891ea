// The pools of the Ring bullet families (36-way and 108-way forms).
#pragma once
#include "game/common/pool.h"
#include "host/types.h"

struct RingBullet {
    i32 animFrame;   // animated look: cell 0..23
    i32 headingDeg;  // rotated look: heading in whole degrees, written by the draw
    f32 x, y;
    f32 heading;     // radians
    f32 speed;       // px/s
    i32 active;
};

extern RingBullet Boss11Ring1[36], Boss11Ring2[36], Boss11Ring3[36], Boss11Ring4[36], Boss11Ring5[36],
    Boss11Ring6[36], Boss11Ring7[108], Boss11Ring8[108], Boss11Ring9[108], Boss11Ring10[108], Boss11Ring11[108],
    Boss11Ring12[108], Boss31Ring1[36], Boss31Ring2[36], Boss31Ring3[36], Boss31Ring4[36], Boss31Ring5[36],
    Boss31Ring6[36], Boss31Ring7[36], Boss31Ring8[36], Boss31Ring9[108], Boss31Ring10[108];

// Every Ring pool; boss31Form is 1 for the rotated families of the stage-5 boss.
struct RingPool {
    RingBullet* slots;
    i32 count;
    i32 boss31Form;
};
extern const RingPool RingPools[22];
