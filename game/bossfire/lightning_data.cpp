#include "game/bossfire/lightning_data.h"

#include "game/common/state.h"
#include "host/crt.h"

LIGHTNING_POOLS(POOL_STORAGE)

const LightningPool LightningPools[] = {LIGHTNING_POOLS(POOL_ROW)};

void Lightning_ResetPools() {
    for (const LightningPool& p : LightningPools) {
        for (i32 k = 0; k < p.count; ++k) {
            LightningNode& n = p.slots[k];
            // Reset like a line-of-five record: a sprite cell is drawn for each node although a bolt
            // draws no cell, so the generator stays in step with the other pools.
            (void)(host::Rand() % 10);
            n.x = ParkPosition.x;
            n.y = ParkPosition.y;
            n.dx = n.dy = 0;
            n.heading = ResetHeading;
            n.speed = 0;
            n.active = 0;
        }
    }
}
