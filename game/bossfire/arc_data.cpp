#include "game/bossfire/arc_data.h"

#include "game/bossfire/falling_engine.h"

ARC_POOLS(POOL_STORAGE)

const BulletPool ArcPools[] = {ARC_POOLS(POOL_ROW)};

void Arc_ResetPools() { Fall_ResetPools(ArcPools); }
