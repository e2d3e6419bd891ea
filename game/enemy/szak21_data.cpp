#include "game/enemy/szak21_data.h"

EnemySlot Szak21ASlots[3], Szak21BSlots[2];
WaveEnemySlot Szak21CSlots[5];
LockMark Szak21Marks[3];
BulletSlot Szak21AShot1Slots[15], Szak21AShot2Slots[3], Szak21AShot3Slots[3], Szak21AShot4Slots[3],
    Szak21AShot5Slots[3], Szak21AShot6Slots[3], Szak21BShot1Slots[10], Szak21BShot2Slots[2], Szak21BShot3Slots[2],
    Szak21BShot4Slots[2], Szak21BShot5Slots[2], Szak21BShot6Slots[2], Szak21CShot1Slots[5], Szak21CShot2Slots[5],
    Szak21CShot3Slots[5], Szak21CShot4Slots[5], Szak21CShot5Slots[5];
EnemySlot Szak22ASlots[3], Szak22BSlots[2];
WaveEnemySlot Szak22CSlots[5];
LockMark Szak22Marks[3];
BulletSlot Szak22AShot1Slots[15], Szak22AShot2Slots[3], Szak22AShot3Slots[3], Szak22AShot4Slots[3],
    Szak22AShot5Slots[3], Szak22AShot6Slots[3], Szak22BShot1Slots[10], Szak22BShot2Slots[2], Szak22BShot3Slots[2],
    Szak22BShot4Slots[2], Szak22BShot5Slots[2], Szak22BShot6Slots[2], Szak22CShot1Slots[5], Szak22CShot2Slots[5],
    Szak22CShot3Slots[5], Szak22CShot4Slots[5], Szak22CShot5Slots[5];

void Szak21A_HitProbe(i32 k) { Szak21ASlots[k].hit = 1; }
void Szak21B_HitProbe(i32 k) { Szak21BSlots[k].hit = 1; }
void Szak21C_HitProbe(i32 k) { Szak21CSlots[k].hit = 1; }
void Szak22A_HitProbe(i32 k) { Szak22ASlots[k].hit = 1; }
void Szak22B_HitProbe(i32 k) { Szak22BSlots[k].hit = 1; }
void Szak22C_HitProbe(i32 k) { Szak22CSlots[k].hit = 1; }
