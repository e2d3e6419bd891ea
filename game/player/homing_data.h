// The homing rays: four copies, each 3 targets x 15 rays.
#pragma once
#include "host/types.h"

struct HomingRay {
    f32 x, y;          // top-left of the 20x20 ray
    i32 alive;
    f32 aimDx, aimDy;  // from the ray to its aim point
    f32 angle;         // radians
    f32 step;          // path clock
};
constexpr i32 kRayTargets = 3, kRaysPerTarget = 15;
// HomingRay1 aims at Szak6A, HomingRay2 at Szak6B, HomingRay3 at Szak13A, HomingRay4 at Szak13B.
extern HomingRay HomingRay1[kRayTargets][kRaysPerTarget], HomingRay2[kRayTargets][kRaysPerTarget],
    HomingRay3[kRayTargets][kRaysPerTarget], HomingRay4[kRayTargets][kRaysPerTarget];
// The launchers' cycle counts, one per target per copy.
extern i32 RayCycle[4][kRayTargets];

// Back to rest: every ray of every copy cleared and parked, angle -3 degrees; the launchers' cycles at 0.
void HomingRay_ResetPools();
