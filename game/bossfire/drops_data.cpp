#include "game/bossfire/drops_data.h"

#include "game/bossfire/falling_engine.h"

DROPS_POOLS(POOL_STORAGE)

const BulletPool DropsPools[] = {DROPS_POOLS(POOL_ROW)};

void Drops_ResetPools() { Fall_ResetPools(DropsPools); }
