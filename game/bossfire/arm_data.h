// The pools of the Arm (large falling shots) bullet families.
#pragma once
#include "game/common/bullet_slot.h"

// Every Arm pool in table order, named once: record, name, slot count.
#define ARM_POOLS(X)              \
    X(BulletSlot, Boss11Arm1, 20) \
    X(BulletSlot, Boss11Arm2, 20) \
    X(BulletSlot, Boss31Arm1, 20) \
    X(BulletSlot, Boss31Arm2, 20) \
    X(BulletSlot, Boss31Arm3, 20) \
    X(BulletSlot, Boss31Arm4, 20) \
    X(BulletSlot, Boss71Arm1, 20) \
    X(BulletSlot, Boss71Arm2, 20) \
    X(BulletSlot, Boss71Arm3, 20) \
    X(BulletSlot, Boss71Arm4, 20) \
    X(BulletSlot, Boss71Arm5, 20) \
    X(BulletSlot, Boss71Arm6, 20) \
    X(BulletSlot, Boss71Arm7, 20) \
    X(BulletSlot, Boss71Arm8, 20) \
    X(BulletSlot, Boss71Arm9, 20)
ARM_POOLS(POOL_EXTERN)

// Every Arm pool, for the loops that walk them all.
extern const BulletPool ArmPools[ARM_POOLS(POOL_COUNT)];

// Back to rest: each record parked with a random cell 0..9 and its clock at 0.
void Arm_ResetPools();
