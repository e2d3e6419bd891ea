#include "game/bossfire/arc_data.h"

#include "game/common/park.h"
#include "host/crt.h"

ARC_POOLS(POOL_STORAGE)

const BulletPool ArcPools[] = {ARC_POOLS(POOL_ROW)};

void Arc_ResetPools() {
    for (const BulletPool& p : ArcPools)
        for (i32 k = 0; k < p.count; ++k) {
            p.slots[k].animFrame = host::Rand() % 10;
            p.slots[k].emitClock = 0;
            BulletSlot_Park(p.slots[k]);
        }
}
