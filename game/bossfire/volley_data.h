// The pools of the Volley (pairs and columns) bullet families.
#pragma once
#include "game/common/bullet_slot.h"

// Every Volley pool in table order, named once: record, name, slot count.
#define VOLLEY_POOLS(X)              \
    X(BulletSlot, Boss11Volley1, 20) \
    X(BulletSlot, Boss11Volley2, 20) \
    X(BulletSlot, Boss11Volley3, 30) \
    X(BulletSlot, Boss11Volley4, 30) \
    X(BulletSlot, Boss11Volley5, 20) \
    X(BulletSlot, Boss11Volley6, 20) \
    X(BulletSlot, Boss71Volley1, 30) \
    X(BulletSlot, Boss71Volley2, 30) \
    X(BulletSlot, Boss71Volley3, 20) \
    X(BulletSlot, Boss71Volley4, 20) \
    X(BulletSlot, Boss71Volley5, 20) \
    X(BulletSlot, Boss71Volley6, 20) \
    X(BulletSlot, Boss31Volley1, 20) \
    X(BulletSlot, Boss31Volley2, 20) \
    X(BulletSlot, Boss41Volley1, 20) \
    X(BulletSlot, Boss41Volley2, 20) \
    X(BulletSlot, Boss41Volley3, 20) \
    X(BulletSlot, Boss4BVolley1, 20) \
    X(BulletSlot, Boss4BVolley2, 20)
VOLLEY_POOLS(POOL_EXTERN)

// Every Volley pool, for the loops that walk them all.
extern const BulletPool VolleyPools[VOLLEY_POOLS(POOL_COUNT)];

// Back to rest: each record parked with a random cell 0..9 and its clock at 0.
void Volley_ResetPools();
