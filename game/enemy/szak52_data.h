// Szak52A and Szak52B, the large diagonal ships, and their eight shot sets.
#pragma once
#include "game/enemy/enemy_pools.h"

// Every pool of the family, named once, in the order the resets walk them: record, name, slot count,
// and how a reset puts it back (game/enemy/enemy_pools.h).
#define SZAK52_POOLS(X)                                                   \
    X(EnemySlot, Szak52ASlots, 1, Ships)                                  \
    X(EnemySlot, Szak52BSlots, 1, Ships)                                  \
    /* Sets 4 to 8: one straight shot each. */                            \
    X(BulletSlot, Szak52AShot4Slots, 1, StraightShots)                    \
    X(BulletSlot, Szak52AShot5Slots, 1, StraightShots)                    \
    X(BulletSlot, Szak52AShot6Slots, 1, StraightShots)                    \
    X(BulletSlot, Szak52AShot7Slots, 1, StraightShots)                    \
    X(BulletSlot, Szak52AShot8Slots, 1, StraightShots)                    \
    X(BulletSlot, Szak52BShot4Slots, 1, StraightShots)                    \
    X(BulletSlot, Szak52BShot5Slots, 1, StraightShots)                    \
    X(BulletSlot, Szak52BShot6Slots, 1, StraightShots)                    \
    X(BulletSlot, Szak52BShot7Slots, 1, StraightShots)                    \
    X(BulletSlot, Szak52BShot8Slots, 1, StraightShots)                    \
    /* Set 1: five groups of five; sets 2 and 3: five groups of three. */ \
    X(TimedShotSlot, Szak52AShot1Slots, 25, TimedShots)                   \
    X(TimedShotSlot, Szak52BShot1Slots, 25, TimedShots)                   \
    X(TimedShotSlot, Szak52AShot2Slots, 15, TimedShots)                   \
    X(TimedShotSlot, Szak52AShot3Slots, 15, TimedShots)                   \
    X(TimedShotSlot, Szak52BShot2Slots, 15, TimedShots)                   \
    X(TimedShotSlot, Szak52BShot3Slots, 15, TimedShots)
SZAK52_POOLS(POOL_EXTERN)

// A weapon that struck slot k marks it; the family reacts in its next draw.
void Szak52A_HitProbe(i32 k);
void Szak52B_HitProbe(i32 k);

// Puts back the family's pools of one reset form.
void Szak52_ResetPools(EnemyPoolForm form);
