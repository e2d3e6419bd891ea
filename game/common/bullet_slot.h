// The straight boss bullet record (Volley, Arc, Drops and Arm kinds, and the straight enemy shots).
#pragma once
#include "game/common/pool.h"
#include "host/types.h"

struct BulletSlot {
    i32 animFrame;  // cell of the animated draws
    i32 emitClock;  // the slot's group-clock, counted in emitter calls
    f32 x, y;       // top-left
    f32 vx, vy;     // px/s
    i32 active;     // 0 free, 1 in flight
};
using BulletPool = PoolRef<BulletSlot>;
