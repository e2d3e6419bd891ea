#include "game/enemy/szak1_data.h"

#include "game/enemy/enemy_rules.h"

SZAK1_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAK1_POOLS(ENEMY_POOL_ROW)};
}  // namespace

// A strike on a free slot (or outside the array) changes nothing.
void Szak1A_HitProbe(i32 k) { Enemy_Strike(Szak1ASlots, k); }
void Szak1B_HitProbe(i32 k) { Enemy_Strike(Szak1BSlots, k); }

void Szak1_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
