// The pools of the RotFan bullet families (rotated aimed fans).
#pragma once
#include "game/bossfire/aimed_bullet.h"
#include "game/common/pool.h"
#include "host/types.h"

// A RotFan bullet is the aimed group's record (the rotated look keeps its degrees word).
using RotFanBullet = AimedBullet;

// Every RotFan pool in table order, named once: record, name, slot count, rotated.
#define ROTFAN_POOLS(X)                    \
    X(RotFanBullet, Boss11RotFan1, 25, 1)  \
    X(RotFanBullet, Boss11RotFan2, 35, 0)  \
    X(RotFanBullet, Boss41RotFan1, 15, 1)  \
    X(RotFanBullet, Boss41RotFan2, 15, 1)  \
    X(RotFanBullet, Boss41RotFan3, 15, 1)  \
    X(RotFanBullet, Boss41RotFan4, 25, 1)  \
    X(RotFanBullet, Boss41RotFan5, 25, 1)  \
    X(RotFanBullet, Boss41RotFan6, 25, 1)  \
    X(RotFanBullet, Boss41RotFan7, 35, 1)  \
    X(RotFanBullet, Boss41RotFan8, 35, 1)  \
    X(RotFanBullet, Boss41RotFan9, 35, 1)  \
    X(RotFanBullet, Boss41RotFan10, 45, 1) \
    X(RotFanBullet, Boss41RotFan11, 45, 1) \
    X(RotFanBullet, Boss41RotFan12, 45, 1) \
    X(RotFanBullet, Boss41RotFan13, 55, 1) \
    X(RotFanBullet, Boss41RotFan14, 55, 1) \
    X(RotFanBullet, Boss41RotFan15, 55, 1) \
    X(RotFanBullet, Boss41RotFan16, 65, 1) \
    X(RotFanBullet, Boss41RotFan17, 65, 1) \
    X(RotFanBullet, Boss41RotFan18, 65, 1) \
    X(RotFanBullet, Boss41RotFan19, 75, 1) \
    X(RotFanBullet, Boss41RotFan20, 75, 1) \
    X(RotFanBullet, Boss41RotFan21, 75, 1) \
    X(RotFanBullet, Boss71RotFan1, 15, 1)  \
    X(RotFanBullet, Boss71RotFan2, 15, 1)  \
    X(RotFanBullet, Boss71RotFan3, 35, 1)  \
    X(RotFanBullet, Boss71RotFan4, 35, 1)  \
    X(RotFanBullet, Boss71RotFan5, 55, 1)  \
    X(RotFanBullet, Boss71RotFan6, 55, 1)  \
    X(RotFanBullet, Boss71RotFan7, 55, 1)
ROTFAN_POOLS(POOL_EXTERN)

// Every RotFan pool; rotated is 0 for Boss11RotFan2, whose draw does not rotate.
struct RotFanPool {
    RotFanBullet* slots;
    i32 count;
    i32 rotated;
};
extern const RotFanPool RotFanPools[ROTFAN_POOLS(POOL_COUNT)];

// Back to rest: each record parked with its aim cleared and its clock at 0; the rotated ones face 0 degrees.
void RotFan_ResetPools();
