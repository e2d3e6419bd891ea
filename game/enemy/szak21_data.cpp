#include "game/enemy/szak21_data.h"

SZAK21_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAK21_POOLS(ENEMY_POOL_ROW)};
}  // namespace

void Szak21A_HitProbe(i32 k) { Szak21ASlots[k].hit = 1; }
void Szak21B_HitProbe(i32 k) { Szak21BSlots[k].hit = 1; }
void Szak21C_HitProbe(i32 k) { Szak21CSlots[k].hit = 1; }
void Szak22A_HitProbe(i32 k) { Szak22ASlots[k].hit = 1; }
void Szak22B_HitProbe(i32 k) { Szak22BSlots[k].hit = 1; }
void Szak22C_HitProbe(i32 k) { Szak22CSlots[k].hit = 1; }

void Szak21_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
