// The formations Szak30A to Szak33A and their two aimed shot sets.
#pragma once
#include "game/enemy/enemy_pools.h"

// Every pool of the family, named once, in the order the resets walk them: record, name, slot count,
// and how a reset puts it back (game/enemy/enemy_pools.h).
#define SZAK30A_POOLS(X)                               \
    X(WaveEnemySlot, Szak30ASlots, 5, FormationWave)   \
    X(WaveEnemySlot, Szak31ASlots, 5, FormationWave)   \
    X(WaveEnemySlot, Szak32ASlots, 5, FormationWave)   \
    X(WaveEnemySlot, Szak33ASlots, 5, FormationWave)   \
    X(AimedShotSlot, Szak30AShot1Slots, 4, AimedShots) \
    X(AimedShotSlot, Szak31AShot1Slots, 4, AimedShots) \
    X(AimedShotSlot, Szak32AShot1Slots, 4, AimedShots) \
    X(AimedShotSlot, Szak33AShot1Slots, 4, AimedShots) \
    X(AimedShotSlot, Szak30AShot2Slots, 5, AimedShots) \
    X(AimedShotSlot, Szak31AShot2Slots, 5, AimedShots) \
    X(AimedShotSlot, Szak32AShot2Slots, 5, AimedShots) \
    X(AimedShotSlot, Szak33AShot2Slots, 5, AimedShots)
SZAK30A_POOLS(POOL_EXTERN)

// A weapon that struck slot k marks it; the family reacts in its next draw.
void Szak30A_HitProbe(i32 k);
void Szak31A_HitProbe(i32 k);
void Szak32A_HitProbe(i32 k);
void Szak33A_HitProbe(i32 k);

// Puts back the family's pools of one reset form.
void Szak30A_ResetPools(EnemyPoolForm form);
