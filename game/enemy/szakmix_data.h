// The SzakMix escorts: fifteen ships, each driven slot by slot, and their two shot sets.
#pragma once
#include "game/enemy/enemy_pools.h"

// Every pool of the family, named once, in the order the resets walk them: record, name, slot count,
// and how a reset puts it back (game/enemy/enemy_pools.h).
#define SZAKMIX_POOLS(X)                                                                          \
    X(MixEnemySlot, SzakMixSlots, 15, MixShips)                                                   \
    /* Set 1: record k belongs to ship k. Set 2: group k (records 5k..5k+4) belongs to ship k. */ \
    X(AimedShotSlot, SzakMixShot1Slots, 15, AimedShots)                                           \
    X(AimedShotSlot, SzakMixShot2Slots, 75, AimedShots)
SZAKMIX_POOLS(POOL_EXTERN)

// A weapon that struck slot k marks it; the family reacts in its next draw.
void SzakMix_HitProbe(i32 k);

// Puts back the family's pools of one reset form.
void SzakMix_ResetPools(EnemyPoolForm form);
