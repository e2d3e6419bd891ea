#include "game/bossfire/volley_data.h"

#include "game/common/park.h"
#include "host/crt.h"

VOLLEY_POOLS(POOL_STORAGE)

const BulletPool VolleyPools[] = {VOLLEY_POOLS(POOL_ROW)};

void Volley_ResetPools() {
    for (const BulletPool& p : VolleyPools)
        for (i32 k = 0; k < p.count; ++k) {
            p.slots[k].animFrame = host::Rand() % 10;
            p.slots[k].emitClock = 0;
            BulletSlot_Park(p.slots[k]);
        }
}
