// The SzakMix escorts: fifteen ships, each driven slot by slot, and their two shot sets.
#pragma once
#include "game/enemy/enemy_records.h"

extern MixEnemySlot SzakMixSlots[15];
// Set 1: record k belongs to ship k. Set 2: group k (records 5k..5k+4) belongs to ship k.
extern AimedShotSlot SzakMixShot1Slots[15], SzakMixShot2Slots[75];

// A weapon that struck slot k marks it; the family reacts in its next draw.
void SzakMix_HitProbe(i32 k);
