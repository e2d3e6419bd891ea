#include "game/enemy/szakmix_data.h"

MixEnemySlot SzakMixSlots[15];
AimedShotSlot SzakMixShot1Slots[15], SzakMixShot2Slots[75];

void SzakMix_HitProbe(i32 k) { SzakMixSlots[k].hit = 1; }
