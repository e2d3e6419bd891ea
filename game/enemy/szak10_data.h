// Szak10, the heavy bombers, and their shot sets.
#pragma once
#include "game/enemy/enemy_records.h"

extern EnemySlot Szak10Slots[3];
// Sets 1 and 2: group k (records 7k..7k+6) belongs to bomber k.
extern CurlFanShotSlot Szak10Shot1Slots[21], Szak10Shot2Slots[21];
// Set 3: group k (records 5k..5k+4) belongs to bomber k.
extern BulletSlot Szak10Shot3Slots[15];

// A weapon that struck slot k marks it; the family reacts in its next draw.
void Szak10_HitProbe(i32 k);
