#include "game/player/homing_data.h"

HomingRay HomingRay1[kRayTargets][kRaysPerTarget], HomingRay2[kRayTargets][kRaysPerTarget],
    HomingRay3[kRayTargets][kRaysPerTarget], HomingRay4[kRayTargets][kRaysPerTarget];
i32 RayCycle[4][kRayTargets];
