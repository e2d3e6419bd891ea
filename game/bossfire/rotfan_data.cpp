#include "game/bossfire/rotfan_data.h"

#include "game/common/park.h"

ROTFAN_POOLS(POOL_STORAGE)

const RotFanPool RotFanPools[] = {ROTFAN_POOLS(POOL_ROW)};

void RotFan_ResetPools() {
    for (const RotFanPool& p : RotFanPools) {
        for (i32 k = 0; k < p.count; ++k) {
            RotFanBullet& r = p.slots[k];
            r.emitClock = 0;
            if (p.rotated) r.headingDeg = 0;
            AimedRecord_Park(r);
        }
    }
}
