// Szak13A and Szak13B, their lock marks and their six shot sets.
#pragma once
#include "game/enemy/enemy_records.h"

extern EnemySlot Szak13ASlots[3];
extern LockMark Szak13AMarks[3];
// Set 1: record k from ship k; set 2 from ship 0; set 3 from ship 1.
extern AimedShotSlot Szak13AShot1Slots[3], Szak13AShot2Slots[4], Szak13AShot3Slots[5];
// Sets 4 to 6: record k from ship k.
extern BulletSlot Szak13AShot4Slots[3], Szak13AShot5Slots[3], Szak13AShot6Slots[3];
extern EnemySlot Szak13BSlots[3];
extern LockMark Szak13BMarks[3];
extern AimedShotSlot Szak13BShot1Slots[3], Szak13BShot2Slots[4], Szak13BShot3Slots[5];
extern BulletSlot Szak13BShot4Slots[3], Szak13BShot5Slots[3], Szak13BShot6Slots[3];

// A weapon that struck slot k marks it; the family reacts in its next draw.
void Szak13A_HitProbe(i32 k);
void Szak13B_HitProbe(i32 k);
