#include "game/enemy/szak1_data.h"

SZAK1_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAK1_POOLS(ENEMY_POOL_ROW)};
}  // namespace

void Szak1A_HitProbe(i32 k) { Szak1ASlots[k].hit = 1; }
void Szak1B_HitProbe(i32 k) { Szak1BSlots[k].hit = 1; }

void Szak1_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
