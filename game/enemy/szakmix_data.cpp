#include "game/enemy/szakmix_data.h"

#include "game/enemy/enemy_rules.h"

SZAKMIX_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAKMIX_POOLS(ENEMY_POOL_ROW)};
}  // namespace

// A strike on a free slot (or outside the array) changes nothing.
void SzakMix_HitProbe(i32 k) { Enemy_Strike(SzakMixSlots, k); }

void SzakMix_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
