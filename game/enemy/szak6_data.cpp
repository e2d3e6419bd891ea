#include "game/enemy/szak6_data.h"

#include "game/enemy/enemy_rules.h"

SZAK6_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAK6_POOLS(ENEMY_POOL_ROW)};
}  // namespace

// A strike on a free slot (or outside the array) changes nothing.
void Szak6A_HitProbe(i32 k) { Enemy_Strike(Szak6ASlots, k); }
void Szak6B_HitProbe(i32 k) { Enemy_Strike(Szak6BSlots, k); }

void Szak6_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
