#include "game/enemy/szak30b_data.h"

WaveEnemySlot Szak30BSlots[5];
AimedShotSlot Szak30BShot1Slots[5];
WaveEnemySlot Szak31BSlots[5];
AimedShotSlot Szak31BShot1Slots[5];
WaveEnemySlot Szak32BSlots[5];
AimedShotSlot Szak32BShot1Slots[5];
WaveEnemySlot Szak33BSlots[5];
AimedShotSlot Szak33BShot1Slots[5];

void Szak30B_HitProbe(i32 k) { Szak30BSlots[k].hit = 1; }
void Szak31B_HitProbe(i32 k) { Szak31BSlots[k].hit = 1; }
void Szak32B_HitProbe(i32 k) { Szak32BSlots[k].hit = 1; }
void Szak33B_HitProbe(i32 k) { Szak33BSlots[k].hit = 1; }
