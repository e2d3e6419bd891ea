#include "game/bossfire/aimfan_data.h"

#include "game/common/park.h"
#include "host/crt.h"

MuzzleAimBullet Boss11AimFan1[20];
AIMFAN_POOLS(POOL_STORAGE)

const AimFanPool AimFanPools[] = {AIMFAN_POOLS(POOL_ROW)};

void AimFan_ResetPools() {
    for (const AimFanPool& p : AimFanPools) {
        for (i32 k = 0; k < p.count; ++k) {
            AimFanBullet& a = p.slots[k];
            a.animFrame = host::Rand() % p.frameModulo;
            a.emitClock = 0;
            AimedRecord_Park(a);
        }
    }
    for (MuzzleAimBullet& a : Boss11AimFan1) {
        a.emitClock = 0;
        AimedRecord_Park(a);
    }
}
