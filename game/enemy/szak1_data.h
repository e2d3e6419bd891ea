// Szak1A and Szak1B, the light fighters, and their aimed shots (record k from fighter k).
#pragma once
#include "game/enemy/enemy_pools.h"

// Every pool of the family, named once, in the order the resets walk them: record, name, slot count,
// and how a reset puts it back (game/enemy/enemy_pools.h).
#define SZAK1_POOLS(X)                                       \
    X(EnemySlot, Szak1ASlots, 4, ShipsKeepAnim)              \
    X(EnemySlot, Szak1BSlots, 4, ShipsKeepAnim)              \
    X(AimedShotSlot, Szak1AShot1Slots, 4, AimedShots)        \
    X(AimedShotSlot, Szak1BShot1Slots, 4, AimedShotsKeepAim)
SZAK1_POOLS(POOL_EXTERN)

// A weapon that struck slot k marks it; the family reacts in its next draw.
void Szak1A_HitProbe(i32 k);
void Szak1B_HitProbe(i32 k);

// Puts back the family's pools of one reset form.
void Szak1_ResetPools(EnemyPoolForm form);
