// The pools of the AimFan bullet families (aimed fans and rings).
#pragma once
#include "game/bossfire/aimed_bullet.h"
#include "game/common/pool.h"
#include "host/types.h"

// An AimFan bullet is the aimed group's record (the animated look keeps its cell).
using AimFanBullet = AimedBullet;

// The four-muzzle family of the stage-1 boss keeps no animation cell.
struct MuzzleAimBullet {
    i32 emitClock;
    f32 x, y;
    f32 dx, dy;
    f32 x0, y0;
    f32 heading;
    f32 speed;
    i32 active;
};

extern MuzzleAimBullet Boss11AimFan1[20];

// Every AimFan pool in table order, named once: record, name, slot count, frameModulo.
#define AIMFAN_POOLS(X)                     \
    X(AimFanBullet, Boss11AimFan2, 25, 7)   \
    X(AimFanBullet, Boss11AimFan3, 35, 7)   \
    X(AimFanBullet, Boss2BAimFan1, 72, 10)  \
    X(AimFanBullet, Boss2BAimFan2, 72, 10)  \
    X(AimFanBullet, Boss31AimFan1, 200, 10) \
    X(AimFanBullet, Boss31AimFan2, 300, 10) \
    X(AimFanBullet, Boss31AimFan3, 200, 10) \
    X(AimFanBullet, Boss31AimFan4, 300, 10) \
    X(AimFanBullet, Boss31AimFan5, 300, 10) \
    X(AimFanBullet, Boss41AimFan1, 72, 10)  \
    X(AimFanBullet, Boss41AimFan2, 72, 10)  \
    X(AimFanBullet, Boss41AimFan3, 15, 7)   \
    X(AimFanBullet, Boss41AimFan4, 15, 7)   \
    X(AimFanBullet, Boss51AimFan1, 35, 7)   \
    X(AimFanBullet, Boss51AimFan2, 35, 7)   \
    X(AimFanBullet, Boss51AimFan3, 25, 7)   \
    X(AimFanBullet, Boss51AimFan4, 25, 7)   \
    X(AimFanBullet, Boss71AimFan1, 72, 10)  \
    X(AimFanBullet, Boss71AimFan2, 72, 10)  \
    X(AimFanBullet, Boss4BAimFan1, 300, 10)
AIMFAN_POOLS(POOL_EXTERN)

// Every AimFan pool but Boss11AimFan1, with the range of the random start cell the resets give it.
struct AimFanPool {
    AimFanBullet* slots;
    i32 count;
    i32 frameModulo;
};
extern const AimFanPool AimFanPools[AIMFAN_POOLS(POOL_COUNT)];

// Back to rest: each record parked with its aim cleared, its clock at 0 and a random cell below its pool's
// frameModulo; then Boss11AimFan1 (no cell).
void AimFan_ResetPools();
