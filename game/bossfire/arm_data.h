// The pools of the Arm (large falling shots) bullet families.
#pragma once
#include "game/common/bullet_slot.h"

extern BulletSlot Boss11Arm1[20], Boss11Arm2[20], Boss31Arm1[20], Boss31Arm2[20], Boss31Arm3[20], Boss31Arm4[20],
    Boss71Arm1[20], Boss71Arm2[20], Boss71Arm3[20], Boss71Arm4[20], Boss71Arm5[20], Boss71Arm6[20], Boss71Arm7[20],
    Boss71Arm8[20], Boss71Arm9[20];

// Every Arm pool, for the loops that walk them all.
extern const BulletPool ArmPools[15];
