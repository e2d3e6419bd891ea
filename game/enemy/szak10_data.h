// Szak10, the heavy bombers, and their shot sets.
#pragma once
#include "game/enemy/enemy_pools.h"

// Every pool of the family, named once, in the order the resets walk them: record, name, slot count,
// and how a reset puts it back (game/enemy/enemy_pools.h).
#define SZAK10_POOLS(X)                                                 \
    X(EnemySlot, Szak10Slots, 3, Ships)                                 \
    /* Set 3: group k (records 5k..5k+4) belongs to bomber k. */        \
    X(BulletSlot, Szak10Shot3Slots, 15, StraightShots)                  \
    /* Sets 1 and 2: group k (records 7k..7k+6) belongs to bomber k. */ \
    X(CurlFanShotSlot, Szak10Shot1Slots, 21, CurlFanShots)              \
    X(CurlFanShotSlot, Szak10Shot2Slots, 21, CurlFanShots)
SZAK10_POOLS(POOL_EXTERN)

// A weapon that struck slot k marks it; the family reacts in its next draw.
void Szak10_HitProbe(i32 k);

// Puts back the family's pools of one reset form.
void Szak10_ResetPools(EnemyPoolForm form);
