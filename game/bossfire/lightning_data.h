// The pools of the Lightning families: six nodes each.
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

extern LightningNode Boss4BLightning1[6], Boss4BLightning2[6], Boss4BLightning3[6], Boss4BLightning4[6],
    Boss4BLightning5[6], Boss4BLightning6[6];

using LightningPool = PoolRef<LightningNode>;
extern const LightningPool LightningPools[6];
