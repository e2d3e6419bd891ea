// Szak13A and Szak13B, their lock marks and their six shot sets.
#pragma once
#include "game/enemy/enemy_pools.h"

// Every pool of the family, named once, in the order the resets walk them: record, name, slot count,
// and how a reset puts it back (game/enemy/enemy_pools.h).
#define SZAK13_POOLS(X)                                                      \
    X(EnemySlot, Szak13ASlots, 3, Ships)                                     \
    X(EnemySlot, Szak13BSlots, 3, Ships)                                     \
    X(LockMark, Szak13AMarks, 3, Marks)                                      \
    X(LockMark, Szak13BMarks, 3, Marks)                                      \
    /* Sets 4 to 6: record k from ship k. */                                 \
    X(BulletSlot, Szak13AShot4Slots, 3, StraightShots)                       \
    X(BulletSlot, Szak13AShot5Slots, 3, StraightShots)                       \
    X(BulletSlot, Szak13AShot6Slots, 3, StraightShots)                       \
    X(BulletSlot, Szak13BShot4Slots, 3, StraightShots)                       \
    X(BulletSlot, Szak13BShot5Slots, 3, StraightShots)                       \
    X(BulletSlot, Szak13BShot6Slots, 3, StraightShots)                       \
    /* Set 1: record k from ship k; set 2 from ship 0; set 3 from ship 1. */ \
    X(AimedShotSlot, Szak13AShot1Slots, 3, AimedShots)                       \
    X(AimedShotSlot, Szak13BShot1Slots, 3, AimedShots)                       \
    X(AimedShotSlot, Szak13AShot2Slots, 4, AimedShots)                       \
    X(AimedShotSlot, Szak13BShot2Slots, 4, AimedShots)                       \
    X(AimedShotSlot, Szak13AShot3Slots, 5, AimedShots)                       \
    X(AimedShotSlot, Szak13BShot3Slots, 5, AimedShots)
SZAK13_POOLS(POOL_EXTERN)

// A weapon that struck slot k marks it; the family reacts in its next draw.
void Szak13A_HitProbe(i32 k);
void Szak13B_HitProbe(i32 k);

// Puts back the family's pools of one reset form.
void Szak13_ResetPools(EnemyPoolForm form);
