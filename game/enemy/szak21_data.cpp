#include "game/enemy/szak21_data.h"

#include "game/enemy/enemy_rules.h"

SZAK21_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SZAK21_POOLS(ENEMY_POOL_ROW)};
}  // namespace

// A strike on a free slot (or outside the array) changes nothing.
void Szak21A_HitProbe(i32 k) { Enemy_Strike(Szak21ASlots, k); }
void Szak21B_HitProbe(i32 k) { Enemy_Strike(Szak21BSlots, k); }
void Szak21C_HitProbe(i32 k) { Enemy_Strike(Szak21CSlots, k); }
void Szak22A_HitProbe(i32 k) { Enemy_Strike(Szak22ASlots, k); }
void Szak22B_HitProbe(i32 k) { Enemy_Strike(Szak22BSlots, k); }
void Szak22C_HitProbe(i32 k) { Enemy_Strike(Szak22CSlots, k); }

void Szak21_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
