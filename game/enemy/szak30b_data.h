// The formations Szak30B to Szak33B and their aimed shot set.
#pragma once
#include "game/enemy/enemy_pools.h"

// Every pool of the family, named once, in the order the resets walk them: record, name, slot count,
// and how a reset puts it back (game/enemy/enemy_pools.h).
#define SZAK30B_POOLS(X)                               \
    X(WaveEnemySlot, Szak30BSlots, 5, FormationWave)   \
    X(WaveEnemySlot, Szak31BSlots, 5, FormationWave)   \
    X(WaveEnemySlot, Szak32BSlots, 5, FormationWave)   \
    X(WaveEnemySlot, Szak33BSlots, 5, FormationWave)   \
    /* Set 1: record k from ship k. */                 \
    X(AimedShotSlot, Szak30BShot1Slots, 5, AimedShots) \
    X(AimedShotSlot, Szak31BShot1Slots, 5, AimedShots) \
    X(AimedShotSlot, Szak32BShot1Slots, 5, AimedShots) \
    X(AimedShotSlot, Szak33BShot1Slots, 5, AimedShots)
SZAK30B_POOLS(POOL_EXTERN)

// A weapon that struck slot k marks it; the family reacts in its next draw.
void Szak30B_HitProbe(i32 k);
void Szak31B_HitProbe(i32 k);
void Szak32B_HitProbe(i32 k);
void Szak33B_HitProbe(i32 k);

// Puts back the family's pools of one reset form.
void Szak30B_ResetPools(EnemyPoolForm form);
