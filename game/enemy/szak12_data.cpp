#include "game/enemy/szak12_data.h"

EnemySlot Szak12Slots[3];
BulletSlot Szak12Shot1Slots[3], Szak12Shot2Slots[3], Szak12Shot3Slots[3], Szak12Shot4Slots[3], Szak12Shot5Slots[3],
    Szak12Shot6Slots[15], Szak12Shot7Slots[15], Szak12Shot8Slots[15], Szak12Shot9Slots[15], Szak12Shot10Slots[15];

void Szak12_HitProbe(i32 k) { Szak12Slots[k].hit = 1; }
