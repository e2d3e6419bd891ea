#include "game/enemy/szak10_data.h"

#include "game/enemy/enemy_rules.h"

SZAK10_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAK10_POOLS(ENEMY_POOL_ROW)};
}  // namespace

// A strike on a free slot (or outside the array) changes nothing.
void Szak10_HitProbe(i32 k) { Enemy_Strike(Szak10Slots, k); }

void Szak10_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
