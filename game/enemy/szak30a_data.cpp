#include "game/enemy/szak30a_data.h"

WaveEnemySlot Szak30ASlots[5];
AimedShotSlot Szak30AShot1Slots[4], Szak30AShot2Slots[5];
WaveEnemySlot Szak31ASlots[5];
AimedShotSlot Szak31AShot1Slots[4], Szak31AShot2Slots[5];
WaveEnemySlot Szak32ASlots[5];
AimedShotSlot Szak32AShot1Slots[4], Szak32AShot2Slots[5];
WaveEnemySlot Szak33ASlots[5];
AimedShotSlot Szak33AShot1Slots[4], Szak33AShot2Slots[5];

void Szak30A_HitProbe(i32 k) { Szak30ASlots[k].hit = 1; }
void Szak31A_HitProbe(i32 k) { Szak31ASlots[k].hit = 1; }
void Szak32A_HitProbe(i32 k) { Szak32ASlots[k].hit = 1; }
void Szak33A_HitProbe(i32 k) { Szak33ASlots[k].hit = 1; }
