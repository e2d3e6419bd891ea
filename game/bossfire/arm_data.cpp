#include "game/bossfire/arm_data.h"

#include "game/bossfire/falling_engine.h"

ARM_POOLS(POOL_STORAGE)

const BulletPool ArmPools[] = {ARM_POOLS(POOL_ROW)};

void Arm_ResetPools() { Fall_ResetPools(ArmPools); }
