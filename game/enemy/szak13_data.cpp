#include "game/enemy/szak13_data.h"

SZAK13_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAK13_POOLS(ENEMY_POOL_ROW)};
}  // namespace

void Szak13A_HitProbe(i32 k) { Szak13ASlots[k].hit = 1; }
void Szak13B_HitProbe(i32 k) { Szak13BSlots[k].hit = 1; }

void Szak13_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
