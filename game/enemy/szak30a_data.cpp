#include "game/enemy/szak30a_data.h"

SZAK30A_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAK30A_POOLS(ENEMY_POOL_ROW)};
}  // namespace

void Szak30A_HitProbe(i32 k) { Szak30ASlots[k].hit = 1; }
void Szak31A_HitProbe(i32 k) { Szak31ASlots[k].hit = 1; }
void Szak32A_HitProbe(i32 k) { Szak32ASlots[k].hit = 1; }
void Szak33A_HitProbe(i32 k) { Szak33ASlots[k].hit = 1; }

void Szak30A_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
