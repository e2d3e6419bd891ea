// The pools of the RotChain families: six links and a head each.
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

extern RotChainLink Boss41RotChain1[7], Boss41RotChain2[7], Boss41RotChain3[7], Boss41RotChain4[7],
    Boss51RotChain1[7], Boss51RotChain2[7];

using RotChainPool = PoolRef<RotChainLink>;
extern const RotChainPool RotChainPools[6];
