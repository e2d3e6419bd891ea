#include "game/enemy/spare_data.h"

EnemySlot SpareEnemySlots[3];
EnemySlot LockScanEnemySlotsA[3], LockScanEnemySlotsB[3];
