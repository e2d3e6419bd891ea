#include "game/enemy/szak30b_data.h"

SZAK30B_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAK30B_POOLS(ENEMY_POOL_ROW)};
}  // namespace

void Szak30B_HitProbe(i32 k) { Szak30BSlots[k].hit = 1; }
void Szak31B_HitProbe(i32 k) { Szak31BSlots[k].hit = 1; }
void Szak32B_HitProbe(i32 k) { Szak32BSlots[k].hit = 1; }
void Szak33B_HitProbe(i32 k) { Szak33BSlots[k].hit = 1; }

void Szak30B_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
