// Enemy tables that no family spawns into: one pool that the weapons' passes could test, and the two
// target tables of the lock pass. Only the resets write them.
#pragma once
#include "game/enemy/enemy_records.h"

extern EnemySlot SpareEnemySlots[3];
extern EnemySlot LockScanEnemySlotsA[3], LockScanEnemySlotsB[3];
