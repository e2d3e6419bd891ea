#include "game/enemy/szak10_data.h"

EnemySlot Szak10Slots[3];
CurlFanShotSlot Szak10Shot1Slots[21], Szak10Shot2Slots[21];
BulletSlot Szak10Shot3Slots[15];

void Szak10_HitProbe(i32 k) { Szak10Slots[k].hit = 1; }
