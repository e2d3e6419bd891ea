#include "game/enemy/szak6_data.h"

SZAK6_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAK6_POOLS(ENEMY_POOL_ROW)};
}  // namespace

void Szak6A_HitProbe(i32 k) { Szak6ASlots[k].hit = 1; }
void Szak6B_HitProbe(i32 k) { Szak6BSlots[k].hit = 1; }

void Szak6_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
