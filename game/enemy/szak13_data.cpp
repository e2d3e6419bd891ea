#include "game/enemy/szak13_data.h"

EnemySlot Szak13ASlots[3];
LockMark Szak13AMarks[3];
AimedShotSlot Szak13AShot1Slots[3], Szak13AShot2Slots[4], Szak13AShot3Slots[5];
BulletSlot Szak13AShot4Slots[3], Szak13AShot5Slots[3], Szak13AShot6Slots[3];
EnemySlot Szak13BSlots[3];
LockMark Szak13BMarks[3];
AimedShotSlot Szak13BShot1Slots[3], Szak13BShot2Slots[4], Szak13BShot3Slots[5];
BulletSlot Szak13BShot4Slots[3], Szak13BShot5Slots[3], Szak13BShot6Slots[3];

void Szak13A_HitProbe(i32 k) { Szak13ASlots[k].hit = 1; }
void Szak13B_HitProbe(i32 k) { Szak13BSlots[k].hit = 1; }
