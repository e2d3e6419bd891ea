// Szak6A and Szak6B, the spinning saucers, their lock marks and their seven shot sets.
#pragma once
#include "game/enemy/enemy_pools.h"

// Every pool of the family, named once, in the order the resets walk them: record, name, slot count,
// and how a reset puts it back (game/enemy/enemy_pools.h).
#define SZAK6_POOLS(X)                                                                               \
    X(SpinEnemySlot, Szak6ASlots, 3, SpinShips)                                                      \
    X(SpinEnemySlot, Szak6BSlots, 3, SpinShips)                                                      \
    X(LockMark, Szak6AMarks, 3, Marks)                                                               \
    X(LockMark, Szak6BMarks, 3, Marks)                                                               \
    /* Sets 4 to 6: record k from saucer k. */                                                       \
    X(BulletSlot, Szak6AShot4Slots, 3, StraightShots)                                                \
    X(BulletSlot, Szak6AShot5Slots, 3, StraightShots)                                                \
    X(BulletSlot, Szak6AShot6Slots, 3, StraightShots)                                                \
    X(BulletSlot, Szak6BShot4Slots, 3, StraightShots)                                                \
    X(BulletSlot, Szak6BShot5Slots, 3, StraightShots)                                                \
    X(BulletSlot, Szak6BShot6Slots, 3, StraightShots)                                                \
    /* Set 1: group k (records 5k..5k+4) from saucer k; set 2 from saucer 0; set 3 from saucer 1. */ \
    X(AimedShotSlot, Szak6AShot1Slots, 15, AimedShots)                                               \
    X(AimedShotSlot, Szak6BShot1Slots, 15, AimedShots)                                               \
    X(AimedShotSlot, Szak6AShot2Slots, 4, AimedShots)                                                \
    X(AimedShotSlot, Szak6BShot2Slots, 4, AimedShots)                                                \
    X(AimedShotSlot, Szak6AShot3Slots, 5, AimedShots)                                                \
    X(AimedShotSlot, Szak6BShot3Slots, 5, AimedShots)                                                \
    /* Set 7: five groups of five, all from saucer 0. */                                             \
    X(ClockedAimShotSlot, Szak6AShot7Slots, 25, ClockedShots)                                        \
    X(ClockedAimShotSlot, Szak6BShot7Slots, 25, ClockedShots)
SZAK6_POOLS(POOL_EXTERN)

// A weapon that struck slot k marks it; the family reacts in its next draw.
void Szak6A_HitProbe(i32 k);
void Szak6B_HitProbe(i32 k);

// Puts back the family's pools of one reset form.
void Szak6_ResetPools(EnemyPoolForm form);
