#include "game/enemy/szak12_data.h"

SZAK12_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAK12_POOLS(ENEMY_POOL_ROW)};
}  // namespace

void Szak12_HitProbe(i32 k) { Szak12Slots[k].hit = 1; }

void Szak12_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
