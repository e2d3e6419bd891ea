// Szak12 and its ten shot sets.
#pragma once
#include "game/enemy/enemy_records.h"

extern EnemySlot Szak12Slots[3];
// Sets 1 to 5: record k from ship k. Sets 6 to 10: group k (records 5k..5k+4) from ship k.
extern BulletSlot Szak12Shot1Slots[3], Szak12Shot2Slots[3], Szak12Shot3Slots[3], Szak12Shot4Slots[3],
    Szak12Shot5Slots[3], Szak12Shot6Slots[15], Szak12Shot7Slots[15], Szak12Shot8Slots[15], Szak12Shot9Slots[15],
    Szak12Shot10Slots[15];

// A weapon that struck slot k marks it; the family reacts in its next draw.
void Szak12_HitProbe(i32 k);
