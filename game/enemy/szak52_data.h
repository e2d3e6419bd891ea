// Szak52A and Szak52B, the large diagonal ships, and their eight shot sets.
#pragma once
#include "game/enemy/enemy_records.h"

extern EnemySlot Szak52ASlots[1];
// Set 1: five groups of five; sets 2 and 3: five groups of three.
extern TimedShotSlot Szak52AShot1Slots[25], Szak52AShot2Slots[15], Szak52AShot3Slots[15];
// Sets 4 to 8: one straight shot each.
extern BulletSlot Szak52AShot4Slots[1], Szak52AShot5Slots[1], Szak52AShot6Slots[1], Szak52AShot7Slots[1],
    Szak52AShot8Slots[1];
extern EnemySlot Szak52BSlots[1];
extern TimedShotSlot Szak52BShot1Slots[25], Szak52BShot2Slots[15], Szak52BShot3Slots[15];
extern BulletSlot Szak52BShot4Slots[1], Szak52BShot5Slots[1], Szak52BShot6Slots[1], Szak52BShot7Slots[1],
    Szak52BShot8Slots[1];

// A weapon that struck slot k marks it; the family reacts in its next draw.
void Szak52A_HitProbe(i32 k);
void Szak52B_HitProbe(i32 k);
