// Szak1A and Szak1B, the light fighters, and their aimed shots (record k from fighter k).
#pragma once
#include "game/enemy/enemy_records.h"

extern EnemySlot Szak1ASlots[4], Szak1BSlots[4];
extern AimedShotSlot Szak1AShot1Slots[4], Szak1BShot1Slots[4];

// A weapon that struck slot k marks it; the family reacts in its next draw.
void Szak1A_HitProbe(i32 k);
void Szak1B_HitProbe(i32 k);
