#include "game/bossfire/drops_data.h"

#include "game/common/park.h"
#include "host/crt.h"

DROPS_POOLS(POOL_STORAGE)

const BulletPool DropsPools[] = {DROPS_POOLS(POOL_ROW)};

void Drops_ResetPools() {
    for (const BulletPool& p : DropsPools)
        for (i32 k = 0; k < p.count; ++k) {
            p.slots[k].animFrame = host::Rand() % 10;
            p.slots[k].emitClock = 0;
            BulletSlot_Park(p.slots[k]);
        }
}
