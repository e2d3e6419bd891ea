// Szak12 and its ten shot sets.
#pragma once
#include "game/enemy/enemy_pools.h"

// Every pool of the family, named once, in the order the resets walk them: record, name, slot count,
// and how a reset puts it back (game/enemy/enemy_pools.h).
#define SZAK12_POOLS(X)                                                                            \
    X(EnemySlot, Szak12Slots, 3, FormationShips)                                                   \
    /* Sets 1 to 5: record k from ship k. Sets 6 to 10: group k (records 5k..5k+4) from ship k. */ \
    X(BulletSlot, Szak12Shot1Slots, 3, StraightShots)                                              \
    X(BulletSlot, Szak12Shot2Slots, 3, StraightShots)                                              \
    X(BulletSlot, Szak12Shot3Slots, 3, StraightShots)                                              \
    X(BulletSlot, Szak12Shot4Slots, 3, StraightShots)                                              \
    X(BulletSlot, Szak12Shot5Slots, 3, StraightShots)                                              \
    X(BulletSlot, Szak12Shot6Slots, 15, StraightShots)                                             \
    X(BulletSlot, Szak12Shot7Slots, 15, StraightShots)                                             \
    X(BulletSlot, Szak12Shot8Slots, 15, StraightShots)                                             \
    X(BulletSlot, Szak12Shot9Slots, 15, StraightShots)                                             \
    X(BulletSlot, Szak12Shot10Slots, 15, StraightShots)
SZAK12_POOLS(POOL_EXTERN)

// A weapon that struck slot k marks it; the family reacts in its next draw.
void Szak12_HitProbe(i32 k);

// Puts back the family's pools of one reset form.
void Szak12_ResetPools(EnemyPoolForm form);
