#include "game/bossfire/ring_data.h"

#include "game/common/state.h"
#include "host/crt.h"

RING_POOLS(POOL_STORAGE)

const RingPool RingPools[] = {RING_POOLS(POOL_ROW)};

void Ring_ResetPools() {
    for (const RingPool& p : RingPools) {
        for (i32 k = 0; k < p.count; ++k) {
            RingBullet& r = p.slots[k];
            r = RingBullet{};
            if (!p.boss31Form) r.animFrame = host::Rand() % 7;
            r.x = ParkPosition.x;
            r.y = ParkPosition.y;
            r.heading = ResetHeading;
        }
    }
}
