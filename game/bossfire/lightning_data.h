// The pools of the Lightning families: six nodes each. What the families do with them is in lightning.h.
#pragma once
#include "game/common/pool.h"
#include "host/types.h"

struct LightningNode {
    f32 x, y;
    f32 dx, dy;   // aim point minus the node
    f32 heading;  // radians
    f32 speed;    // px/s
    i32 active;
};

// Every Lightning pool in table order, named once: record, name, slot count.
#define LIGHTNING_POOLS(X)                \
    X(LightningNode, Boss4BLightning1, 6) \
    X(LightningNode, Boss4BLightning2, 6) \
    X(LightningNode, Boss4BLightning3, 6) \
    X(LightningNode, Boss4BLightning4, 6) \
    X(LightningNode, Boss4BLightning5, 6) \
    X(LightningNode, Boss4BLightning6, 6)
LIGHTNING_POOLS(POOL_EXTERN)

using LightningPool = PoolRef<LightningNode>;
extern const LightningPool LightningPools[LIGHTNING_POOLS(POOL_COUNT)];

// Back to rest: each node parked, aim and speed cleared, heading -3 degrees.
void Lightning_ResetPools();
