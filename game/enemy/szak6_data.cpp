#include "game/enemy/szak6_data.h"

SpinEnemySlot Szak6ASlots[3];
LockMark Szak6AMarks[3];
AimedShotSlot Szak6AShot1Slots[15], Szak6AShot2Slots[4], Szak6AShot3Slots[5];
BulletSlot Szak6AShot4Slots[3], Szak6AShot5Slots[3], Szak6AShot6Slots[3];
ClockedAimShotSlot Szak6AShot7Slots[25];
SpinEnemySlot Szak6BSlots[3];
LockMark Szak6BMarks[3];
AimedShotSlot Szak6BShot1Slots[15], Szak6BShot2Slots[4], Szak6BShot3Slots[5];
BulletSlot Szak6BShot4Slots[3], Szak6BShot5Slots[3], Szak6BShot6Slots[3];
ClockedAimShotSlot Szak6BShot7Slots[25];

void Szak6A_HitProbe(i32 k) { Szak6ASlots[k].hit = 1; }
void Szak6B_HitProbe(i32 k) { Szak6BSlots[k].hit = 1; }
