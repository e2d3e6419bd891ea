// The formations Szak30B to Szak33B and their aimed shot set.
#pragma once
#include "game/enemy/enemy_records.h"

extern WaveEnemySlot Szak30BSlots[5];
// Set 1: record k from ship k.
extern AimedShotSlot Szak30BShot1Slots[5];
extern WaveEnemySlot Szak31BSlots[5];
extern AimedShotSlot Szak31BShot1Slots[5];
extern WaveEnemySlot Szak32BSlots[5];
extern AimedShotSlot Szak32BShot1Slots[5];
extern WaveEnemySlot Szak33BSlots[5];
extern AimedShotSlot Szak33BShot1Slots[5];

// A weapon that struck slot k marks it; the family reacts in its next draw.
void Szak30B_HitProbe(i32 k);
void Szak31B_HitProbe(i32 k);
void Szak32B_HitProbe(i32 k);
void Szak33B_HitProbe(i32 k);
