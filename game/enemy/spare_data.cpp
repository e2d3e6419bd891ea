#include "game/enemy/spare_data.h"

SPARE_POOLS(POOL_STORAGE)

namespace {
const EnemyPoolRow kPools[] = {SPARE_POOLS(ENEMY_POOL_ROW)};
}  // namespace

void Spare_ResetPools(EnemyPoolForm form) { EnemyPools_Reset(kPools, form); }
