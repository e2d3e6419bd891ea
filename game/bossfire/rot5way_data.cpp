#include "game/bossfire/rot5way_data.h"

#include "game/common/park.h"
#include "host/crt.h"

ROT5WAY_POOLS(POOL_STORAGE)

const Rot5WayPool Rot5WayPools[] = {ROT5WAY_POOLS(POOL_ROW)};

void Rot5Way_ResetPools() {
    for (const Rot5WayPool& p : Rot5WayPools) {
        for (i32 k = 0; k < p.count; ++k) {
            Rot5WayBullet& r = p.slots[k];
            r.animFrame = host::Rand() % 10;
            r.clock = 0;
            AimedRecord_Park(r);
        }
    }
}
