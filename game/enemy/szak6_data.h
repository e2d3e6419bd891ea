// Szak6A and Szak6B, the spinning saucers, their lock marks and their seven shot sets.
#pragma once
#include "game/enemy/enemy_records.h"

extern SpinEnemySlot Szak6ASlots[3];
extern LockMark Szak6AMarks[3];
// Set 1: group k (records 5k..5k+4) from saucer k; set 2 from saucer 0; set 3 from saucer 1.
extern AimedShotSlot Szak6AShot1Slots[15], Szak6AShot2Slots[4], Szak6AShot3Slots[5];
// Sets 4 to 6: record k from saucer k.
extern BulletSlot Szak6AShot4Slots[3], Szak6AShot5Slots[3], Szak6AShot6Slots[3];
// Set 7: five groups of five, all from saucer 0.
extern ClockedAimShotSlot Szak6AShot7Slots[25];
extern SpinEnemySlot Szak6BSlots[3];
extern LockMark Szak6BMarks[3];
extern AimedShotSlot Szak6BShot1Slots[15], Szak6BShot2Slots[4], Szak6BShot3Slots[5];
extern BulletSlot Szak6BShot4Slots[3], Szak6BShot5Slots[3], Szak6BShot6Slots[3];
extern ClockedAimShotSlot Szak6BShot7Slots[25];

// A weapon that struck slot k marks it; the family reacts in its next draw.
void Szak6A_HitProbe(i32 k);
void Szak6B_HitProbe(i32 k);
