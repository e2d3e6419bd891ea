#include "game/player/homing_data.h"

#include <initializer_list>

#include "game/common/state.h"

HomingRay HomingRay1[kRayTargets][kRaysPerTarget], HomingRay2[kRayTargets][kRaysPerTarget],
    HomingRay3[kRayTargets][kRaysPerTarget], HomingRay4[kRayTargets][kRaysPerTarget];
i32 RayCycle[4][kRayTargets];

void HomingRay_ResetPools() {
    for (auto& copy : RayCycle)
        for (i32& c : copy) c = 0;
    for (auto* copy : {HomingRay1, HomingRay2, HomingRay3, HomingRay4}) {
        for (i32 t = 0; t < kRayTargets; ++t) {
            for (HomingRay& r : copy[t]) {
                r = HomingRay{};
                r.x = ParkPosition.x;
                r.y = ParkPosition.y;
                r.angle = ResetHeading;
            }
        }
    }
}
