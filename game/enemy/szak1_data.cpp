#include "game/enemy/szak1_data.h"

EnemySlot Szak1ASlots[4], Szak1BSlots[4];
AimedShotSlot Szak1AShot1Slots[4], Szak1BShot1Slots[4];

void Szak1A_HitProbe(i32 k) { Szak1ASlots[k].hit = 1; }
void Szak1B_HitProbe(i32 k) { Szak1BSlots[k].hit = 1; }
