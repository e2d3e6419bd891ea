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

// Every Ring pool in table order, named once: record, name, slot count, boss31Form.
#define RING_POOLS(X)                   \
    X(RingBullet, Boss11Ring1, 36, 0)   \
    X(RingBullet, Boss11Ring2, 36, 0)   \
    X(RingBullet, Boss11Ring3, 36, 0)   \
    X(RingBullet, Boss11Ring4, 36, 0)   \
    X(RingBullet, Boss11Ring5, 36, 0)   \
    X(RingBullet, Boss11Ring6, 36, 0)   \
    X(RingBullet, Boss11Ring7, 108, 0)  \
    X(RingBullet, Boss11Ring8, 108, 0)  \
    X(RingBullet, Boss11Ring9, 108, 0)  \
    X(RingBullet, Boss11Ring10, 108, 0) \
    X(RingBullet, Boss11Ring11, 108, 0) \
    X(RingBullet, Boss11Ring12, 108, 0) \
    X(RingBullet, Boss31Ring1, 36, 1)   \
    X(RingBullet, Boss31Ring2, 36, 1)   \
    X(RingBullet, Boss31Ring3, 36, 1)   \
    X(RingBullet, Boss31Ring4, 36, 1)   \
    X(RingBullet, Boss31Ring5, 36, 1)   \
    X(RingBullet, Boss31Ring6, 36, 1)   \
    X(RingBullet, Boss31Ring7, 36, 1)   \
    X(RingBullet, Boss31Ring8, 36, 1)   \
    X(RingBullet, Boss31Ring9, 108, 1)  \
    X(RingBullet, Boss31Ring10, 108, 1)
RING_POOLS(POOL_EXTERN)

// Every Ring pool; boss31Form is 1 for the rotated families of the stage-5 boss.
struct RingPool {
    RingBullet* slots;
    i32 count;
    i32 boss31Form;
};
extern const RingPool RingPools[RING_POOLS(POOL_COUNT)];

// Back to rest: each record cleared and parked, heading -3 degrees, the animated ones with a random cell 0..6.
void Ring_ResetPools();
