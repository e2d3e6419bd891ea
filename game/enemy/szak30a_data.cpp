#include "game/enemy/szak30a_data.h"

#include "game/enemy/enemy_rules.h"

SZAK30A_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAK30A_POOLS(ENEMY_POOL_ROW)};
}  // namespace

// A strike on a free slot (or outside the array) changes nothing.
void Szak30A_HitProbe(i32 k) { Enemy_Strike(Szak30ASlots, k); }
void Szak31A_HitProbe(i32 k) { Enemy_Strike(Szak31ASlots, k); }
void Szak32A_HitProbe(i32 k) { Enemy_Strike(Szak32ASlots, k); }
void Szak33A_HitProbe(i32 k) { Enemy_Strike(Szak33ASlots, k); }

void Szak30A_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
