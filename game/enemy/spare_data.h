// Enemy tables that no family spawns into: one pool that the weapons' passes could test, and the two
// target tables of the lock pass. Only the resets write them.
#pragma once
#include "game/enemy/enemy_pools.h"

// Every pool of the family, named once, in the order the resets walk them: record, name, slot count,
// and how a reset puts it back (game/enemy/enemy_pools.h).
#define SPARE_POOLS(X)                          \
    X(EnemySlot, SpareEnemySlots, 3, Ships)     \
    X(EnemySlot, LockScanEnemySlotsA, 3, Ships) \
    X(EnemySlot, LockScanEnemySlotsB, 3, Ships)
SPARE_POOLS(POOL_EXTERN)

// Puts back the family's pools of one reset form.
void Spare_ResetPools(EnemyPoolForm form);
