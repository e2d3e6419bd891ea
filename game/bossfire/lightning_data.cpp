#include "game/bossfire/lightning_data.h"

#include "game/common/state.h"

LIGHTNING_POOLS(POOL_STORAGE)

const LightningPool LightningPools[] = {LIGHTNING_POOLS(POOL_ROW)};

void Lightning_ResetPools() {
    for (const LightningPool& p : LightningPools) {
        for (i32 k = 0; k < p.count; ++k) {
            LightningNode& n = p.slots[k];
            n.x = ParkPosition.x;
            n.y = ParkPosition.y;
            n.dx = n.dy = 0;
            n.heading = ResetHeading;
            n.speed = 0;
            n.active = 0;
        }
    }
}
