#include "game/enemy/szak52_data.h"

#include "game/enemy/enemy_rules.h"

SZAK52_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAK52_POOLS(ENEMY_POOL_ROW)};
}  // namespace

// A strike on a free slot (or outside the array) changes nothing.
void Szak52A_HitProbe(i32 k) { Enemy_Strike(Szak52ASlots, k); }
void Szak52B_HitProbe(i32 k) { Enemy_Strike(Szak52BSlots, k); }

void Szak52_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
