#include "game/enemy/szak52_data.h"

EnemySlot Szak52ASlots[1];
TimedShotSlot Szak52AShot1Slots[25], Szak52AShot2Slots[15], Szak52AShot3Slots[15];
BulletSlot Szak52AShot4Slots[1], Szak52AShot5Slots[1], Szak52AShot6Slots[1], Szak52AShot7Slots[1],
    Szak52AShot8Slots[1];
EnemySlot Szak52BSlots[1];
TimedShotSlot Szak52BShot1Slots[25], Szak52BShot2Slots[15], Szak52BShot3Slots[15];
BulletSlot Szak52BShot4Slots[1], Szak52BShot5Slots[1], Szak52BShot6Slots[1], Szak52BShot7Slots[1],
    Szak52BShot8Slots[1];

void Szak52A_HitProbe(i32 k) { Szak52ASlots[k].hit = 1; }
void Szak52B_HitProbe(i32 k) { Szak52BSlots[k].hit = 1; }
