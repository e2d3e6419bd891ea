// The pools of the Drops (small clusters) bullet families.
#pragma once
#include "game/common/bullet_slot.h"

extern BulletSlot Boss11Drops1[2], Boss11Drops2[3], Boss11Drops3[4], Boss2BDrops1[2], Boss2BDrops2[3],
    Boss2BDrops3[3], Boss2BDrops4[3], Boss2BDrops5[4], Boss31Drops1[2], Boss31Drops2[3], Boss31Drops3[3],
    Boss31Drops4[3], Boss31Drops5[3], Boss31Drops6[3], Boss31Drops7[4], Boss41Drops1[2], Boss41Drops2[2],
    Boss41Drops3[2], Boss41Drops4[3], Boss41Drops5[3], Boss41Drops6[3], Boss41Drops7[3], Boss41Drops8[3],
    Boss41Drops9[4], Boss51Drops1[2], Boss51Drops2[2], Boss51Drops3[2], Boss51Drops4[3], Boss51Drops5[3],
    Boss51Drops6[3], Boss51Drops7[3], Boss51Drops8[3], Boss51Drops9[4], Boss4BDrops1[2], Boss4BDrops2[2],
    Boss4BDrops3[2], Boss4BDrops4[3], Boss4BDrops5[3], Boss4BDrops6[3], Boss4BDrops7[3], Boss4BDrops8[3],
    Boss4BDrops9[4], Boss71Drops1[2], Boss71Drops2[2], Boss71Drops3[2], Boss71Drops4[3], Boss71Drops5[3],
    Boss71Drops6[3], Boss71Drops7[3], Boss71Drops8[3], Boss71Drops9[4], Boss5BDrops1[2], Boss5BDrops2[2],
    Boss5BDrops3[2], Boss5BDrops4[3], Boss5BDrops5[3], Boss5BDrops6[3], Boss5BDrops7[3], Boss5BDrops8[3],
    Boss5BDrops9[4];

// Every Drops pool, for the loops that walk them all.
extern const BulletPool DropsPools[60];
