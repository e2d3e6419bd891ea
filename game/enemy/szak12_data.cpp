#include "game/enemy/szak12_data.h"

#include "game/enemy/enemy_rules.h"

SZAK12_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAK12_POOLS(ENEMY_POOL_ROW)};
}  // namespace

// A strike on a free slot (or outside the array) changes nothing.
void Szak12_HitProbe(i32 k) { Enemy_Strike(Szak12Slots, k); }

void Szak12_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
