#include "game/enemy/szak10_data.h"

SZAK10_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAK10_POOLS(ENEMY_POOL_ROW)};
}  // namespace

void Szak10_HitProbe(i32 k) { Szak10Slots[k].hit = 1; }

void Szak10_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
