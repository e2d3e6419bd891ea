#include "game/enemy/szak52_data.h"

SZAK52_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAK52_POOLS(ENEMY_POOL_ROW)};
}  // namespace

void Szak52A_HitProbe(i32 k) { Szak52ASlots[k].hit = 1; }
void Szak52B_HitProbe(i32 k) { Szak52BSlots[k].hit = 1; }

void Szak52_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
