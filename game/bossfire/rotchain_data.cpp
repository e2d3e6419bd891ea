#include "game/bossfire/rotchain_data.h"

#include "game/common/state.h"

ROTCHAIN_POOLS(POOL_STORAGE)

const RotChainPool RotChainPools[] = {ROTCHAIN_POOLS(POOL_ROW)};

void RotChain_ResetPools() {
    for (const RotChainPool& p : RotChainPools) {
        for (i32 k = 0; k < p.count; ++k) {
            RotChainLink& l = p.slots[k];
            l.x = ParkPosition.x;
            l.y = ParkPosition.y;
            l.driftX = l.driftY = 0;
            l.heading = ResetHeading;
            l.speed = 0;
            l.linkClock = 0;
            l.active = 0;
        }
    }
}
