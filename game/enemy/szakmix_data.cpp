#include "game/enemy/szakmix_data.h"

SZAKMIX_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAKMIX_POOLS(ENEMY_POOL_ROW)};
}  // namespace

void SzakMix_HitProbe(i32 k) { SzakMixSlots[k].hit = 1; }

void SzakMix_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
