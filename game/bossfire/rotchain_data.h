// The pools of the RotChain families: six links and a head each. What the families do with them is in
// rotchain.h.
#pragma once
#include "game/common/pool.h"
#include "host/types.h"

struct RotChainLink {
    f32 x, y;
    f32 driftX, driftY;  // second velocity, px/s
    f32 heading;         // radians
    f32 speed;           // px/s
    f32 linkClock;       // twentieths of a second since the throw
    i32 active;
};

// Every RotChain pool in table order, named once: record, name, slot count.
#define ROTCHAIN_POOLS(X)               \
    X(RotChainLink, Boss41RotChain1, 7) \
    X(RotChainLink, Boss41RotChain2, 7) \
    X(RotChainLink, Boss41RotChain3, 7) \
    X(RotChainLink, Boss41RotChain4, 7) \
    X(RotChainLink, Boss51RotChain1, 7) \
    X(RotChainLink, Boss51RotChain2, 7)
ROTCHAIN_POOLS(POOL_EXTERN)

using RotChainPool = PoolRef<RotChainLink>;
extern const RotChainPool RotChainPools[ROTCHAIN_POOLS(POOL_COUNT)];

// Back to rest: each link parked, drift, speed and clock cleared, heading -3 degrees.
void RotChain_ResetPools();
