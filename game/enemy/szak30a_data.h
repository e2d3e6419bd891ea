// The formations Szak30A to Szak33A and their two aimed shot sets.
#pragma once
#include "game/enemy/enemy_records.h"

extern WaveEnemySlot Szak30ASlots[5];
extern AimedShotSlot Szak30AShot1Slots[4], Szak30AShot2Slots[5];
extern WaveEnemySlot Szak31ASlots[5];
extern AimedShotSlot Szak31AShot1Slots[4], Szak31AShot2Slots[5];
extern WaveEnemySlot Szak32ASlots[5];
extern AimedShotSlot Szak32AShot1Slots[4], Szak32AShot2Slots[5];
extern WaveEnemySlot Szak33ASlots[5];
extern AimedShotSlot Szak33AShot1Slots[4], Szak33AShot2Slots[5];

// A weapon that struck slot k marks it; the family reacts in its next draw.
void Szak30A_HitProbe(i32 k);
void Szak31A_HitProbe(i32 k);
void Szak32A_HitProbe(i32 k);
void Szak33A_HitProbe(i32 k);
