#include "game/enemy/szak13_data.h"

#include "game/enemy/enemy_rules.h"

SZAK13_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAK13_POOLS(ENEMY_POOL_ROW)};
}  // namespace

// A strike on a free slot (or outside the array) changes nothing.
void Szak13A_HitProbe(i32 k) { Enemy_Strike(Szak13ASlots, k); }
void Szak13B_HitProbe(i32 k) { Enemy_Strike(Szak13BSlots, k); }

void Szak13_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
