// The pools of the Arc (groups of five on an arc) bullet families.
#pragma once
#include "game/common/bullet_slot.h"

// Every Arc pool in table order, named once: record, name, slot count.
#define ARC_POOLS(X)              \
    X(BulletSlot, Boss11Arc1, 35) \
    X(BulletSlot, Boss11Arc2, 50) \
    X(BulletSlot, Boss11Arc3, 50) \
    X(BulletSlot, Boss2BArc1, 50) \
    X(BulletSlot, Boss2BArc2, 50) \
    X(BulletSlot, Boss2BArc3, 50) \
    X(BulletSlot, Boss2BArc4, 50) \
    X(BulletSlot, Boss2BArc5, 50) \
    X(BulletSlot, Boss31Arc1, 50) \
    X(BulletSlot, Boss31Arc2, 50) \
    X(BulletSlot, Boss31Arc3, 50) \
    X(BulletSlot, Boss31Arc4, 50) \
    X(BulletSlot, Boss31Arc5, 50) \
    X(BulletSlot, Boss41Arc1, 50) \
    X(BulletSlot, Boss41Arc2, 50) \
    X(BulletSlot, Boss41Arc3, 50) \
    X(BulletSlot, Boss41Arc4, 50) \
    X(BulletSlot, Boss41Arc5, 50) \
    X(BulletSlot, Boss41Arc6, 50) \
    X(BulletSlot, Boss41Arc7, 50) \
    X(BulletSlot, Boss51Arc1, 50) \
    X(BulletSlot, Boss51Arc2, 50) \
    X(BulletSlot, Boss51Arc3, 50) \
    X(BulletSlot, Boss51Arc4, 50) \
    X(BulletSlot, Boss51Arc5, 50) \
    X(BulletSlot, Boss51Arc6, 50) \
    X(BulletSlot, Boss51Arc7, 50) \
    X(BulletSlot, Boss4BArc1, 50) \
    X(BulletSlot, Boss4BArc2, 50) \
    X(BulletSlot, Boss4BArc3, 50) \
    X(BulletSlot, Boss4BArc4, 50) \
    X(BulletSlot, Boss4BArc5, 50) \
    X(BulletSlot, Boss4BArc6, 50) \
    X(BulletSlot, Boss4BArc7, 50) \
    X(BulletSlot, Boss71Arc1, 50) \
    X(BulletSlot, Boss71Arc2, 50) \
    X(BulletSlot, Boss71Arc3, 50) \
    X(BulletSlot, Boss71Arc4, 50) \
    X(BulletSlot, Boss71Arc5, 50) \
    X(BulletSlot, Boss71Arc6, 50) \
    X(BulletSlot, Boss71Arc7, 50) \
    X(BulletSlot, Boss5BArc1, 50) \
    X(BulletSlot, Boss5BArc2, 50) \
    X(BulletSlot, Boss5BArc3, 50) \
    X(BulletSlot, Boss5BArc4, 50) \
    X(BulletSlot, Boss5BArc5, 50)
ARC_POOLS(POOL_EXTERN)

// Every Arc pool, for the loops that walk them all.
extern const BulletPool ArcPools[ARC_POOLS(POOL_COUNT)];

// Back to rest: each record parked with a random cell 0..9 and its clock at 0.
void Arc_ResetPools();
