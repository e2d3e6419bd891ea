#include "game/enemy/szak30b_data.h"

#include "game/enemy/enemy_rules.h"

SZAK30B_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAK30B_POOLS(ENEMY_POOL_ROW)};
}  // namespace

// A strike on a free slot (or outside the array) changes nothing.
void Szak30B_HitProbe(i32 k) { Enemy_Strike(Szak30BSlots, k); }
void Szak31B_HitProbe(i32 k) { Enemy_Strike(Szak31BSlots, k); }
void Szak32B_HitProbe(i32 k) { Enemy_Strike(Szak32BSlots, k); }
void Szak33B_HitProbe(i32 k) { Enemy_Strike(Szak33BSlots, k); }

void Szak30B_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
