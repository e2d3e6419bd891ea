// The Szak21 and Szak22 families (group families A and B, stream families C), their marks and shots.
#pragma once
#include "game/enemy/enemy_records.h"

extern EnemySlot Szak21ASlots[3], Szak21BSlots[2];
extern WaveEnemySlot Szak21CSlots[5];
// Mark k is shared by slot k of Szak21A and of Szak21B.
extern LockMark Szak21Marks[3];
// Set 1 of the group families: group k (records 5k..5k+4) from ship k; the other sets: record k from ship k.
extern BulletSlot Szak21AShot1Slots[15], Szak21AShot2Slots[3], Szak21AShot3Slots[3], Szak21AShot4Slots[3],
    Szak21AShot5Slots[3], Szak21AShot6Slots[3], Szak21BShot1Slots[10], Szak21BShot2Slots[2], Szak21BShot3Slots[2],
    Szak21BShot4Slots[2], Szak21BShot5Slots[2], Szak21BShot6Slots[2], Szak21CShot1Slots[5], Szak21CShot2Slots[5],
    Szak21CShot3Slots[5], Szak21CShot4Slots[5], Szak21CShot5Slots[5];
extern EnemySlot Szak22ASlots[3], Szak22BSlots[2];
extern WaveEnemySlot Szak22CSlots[5];
// Mark k is shared by slot k of Szak22A and of Szak22B.
extern LockMark Szak22Marks[3];
extern BulletSlot Szak22AShot1Slots[15], Szak22AShot2Slots[3], Szak22AShot3Slots[3], Szak22AShot4Slots[3],
    Szak22AShot5Slots[3], Szak22AShot6Slots[3], Szak22BShot1Slots[10], Szak22BShot2Slots[2], Szak22BShot3Slots[2],
    Szak22BShot4Slots[2], Szak22BShot5Slots[2], Szak22BShot6Slots[2], Szak22CShot1Slots[5], Szak22CShot2Slots[5],
    Szak22CShot3Slots[5], Szak22CShot4Slots[5], Szak22CShot5Slots[5];

// A weapon that struck slot k marks it; the family reacts in its next draw.
void Szak21A_HitProbe(i32 k);
void Szak21B_HitProbe(i32 k);
void Szak21C_HitProbe(i32 k);
void Szak22A_HitProbe(i32 k);
void Szak22B_HitProbe(i32 k);
void Szak22C_HitProbe(i32 k);
