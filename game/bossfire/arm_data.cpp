#include "game/bossfire/arm_data.h"

#include "game/common/park.h"
#include "host/crt.h"

ARM_POOLS(POOL_STORAGE)

const BulletPool ArmPools[] = {ARM_POOLS(POOL_ROW)};

void Arm_ResetPools() {
    for (const BulletPool& p : ArmPools)
        for (i32 k = 0; k < p.count; ++k) {
            p.slots[k].animFrame = host::Rand() % 10;
            p.slots[k].emitClock = 0;
            BulletSlot_Park(p.slots[k]);
        }
}
