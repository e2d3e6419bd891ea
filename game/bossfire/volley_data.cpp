#include "game/bossfire/volley_data.h"

#include "game/bossfire/falling_engine.h"

VOLLEY_POOLS(POOL_STORAGE)

const BulletPool VolleyPools[] = {VOLLEY_POOLS(POOL_ROW)};

void Volley_ResetPools() { Fall_ResetPools(VolleyPools); }
