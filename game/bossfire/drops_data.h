// The pools of the Drops (small clusters) bullet families.
#pragma once
#include "game/common/bullet_slot.h"

// Every Drops pool in table order, named once: record, name, slot count.
#define DROPS_POOLS(X)             \
    X(BulletSlot, Boss11Drops1, 2) \
    X(BulletSlot, Boss11Drops2, 3) \
    X(BulletSlot, Boss11Drops3, 4) \
    X(BulletSlot, Boss2BDrops1, 2) \
    X(BulletSlot, Boss2BDrops2, 3) \
    X(BulletSlot, Boss2BDrops3, 3) \
    X(BulletSlot, Boss2BDrops4, 3) \
    X(BulletSlot, Boss2BDrops5, 4) \
    X(BulletSlot, Boss31Drops1, 2) \
    X(BulletSlot, Boss31Drops2, 3) \
    X(BulletSlot, Boss31Drops3, 3) \
    X(BulletSlot, Boss31Drops4, 3) \
    X(BulletSlot, Boss31Drops5, 3) \
    X(BulletSlot, Boss31Drops6, 3) \
    X(BulletSlot, Boss31Drops7, 4) \
    X(BulletSlot, Boss41Drops1, 2) \
    X(BulletSlot, Boss41Drops2, 2) \
    X(BulletSlot, Boss41Drops3, 2) \
    X(BulletSlot, Boss41Drops4, 3) \
    X(BulletSlot, Boss41Drops5, 3) \
    X(BulletSlot, Boss41Drops6, 3) \
    X(BulletSlot, Boss41Drops7, 3) \
    X(BulletSlot, Boss41Drops8, 3) \
    X(BulletSlot, Boss41Drops9, 4) \
    X(BulletSlot, Boss51Drops1, 2) \
    X(BulletSlot, Boss51Drops2, 2) \
    X(BulletSlot, Boss51Drops3, 2) \
    X(BulletSlot, Boss51Drops4, 3) \
    X(BulletSlot, Boss51Drops5, 3) \
    X(BulletSlot, Boss51Drops6, 3) \
    X(BulletSlot, Boss51Drops7, 3) \
    X(BulletSlot, Boss51Drops8, 3) \
    X(BulletSlot, Boss51Drops9, 4) \
    X(BulletSlot, Boss4BDrops1, 2) \
    X(BulletSlot, Boss4BDrops2, 2) \
    X(BulletSlot, Boss4BDrops3, 2) \
    X(BulletSlot, Boss4BDrops4, 3) \
    X(BulletSlot, Boss4BDrops5, 3) \
    X(BulletSlot, Boss4BDrops6, 3) \
    X(BulletSlot, Boss4BDrops7, 3) \
    X(BulletSlot, Boss4BDrops8, 3) \
    X(BulletSlot, Boss4BDrops9, 4) \
    X(BulletSlot, Boss71Drops1, 2) \
    X(BulletSlot, Boss71Drops2, 2) \
    X(BulletSlot, Boss71Drops3, 2) \
    X(BulletSlot, Boss71Drops4, 3) \
    X(BulletSlot, Boss71Drops5, 3) \
    X(BulletSlot, Boss71Drops6, 3) \
    X(BulletSlot, Boss71Drops7, 3) \
    X(BulletSlot, Boss71Drops8, 3) \
    X(BulletSlot, Boss71Drops9, 4) \
    X(BulletSlot, Boss5BDrops1, 2) \
    X(BulletSlot, Boss5BDrops2, 2) \
    X(BulletSlot, Boss5BDrops3, 2) \
    X(BulletSlot, Boss5BDrops4, 3) \
    X(BulletSlot, Boss5BDrops5, 3) \
    X(BulletSlot, Boss5BDrops6, 3) \
    X(BulletSlot, Boss5BDrops7, 3) \
    X(BulletSlot, Boss5BDrops8, 3) \
    X(BulletSlot, Boss5BDrops9, 4)
DROPS_POOLS(POOL_EXTERN)

// Every Drops pool, for the loops that walk them all.
extern const BulletPool DropsPools[DROPS_POOLS(POOL_COUNT)];

// Back to rest: each record parked with a random cell 0..9 and its clock at 0.
void Drops_ResetPools();
