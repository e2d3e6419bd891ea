// The Szak21 and Szak22 families (group families A and B, stream families C), their marks and shots.
#pragma once
#include "game/enemy/enemy_pools.h"

// Every pool of the family, named once, in the order the resets walk them: record, name, slot count,
// and how a reset puts it back (game/enemy/enemy_pools.h).
#define SZAK21_POOLS(X)                                                                                              \
    X(EnemySlot, Szak21ASlots, 3, Ships)                                                                             \
    X(EnemySlot, Szak22ASlots, 3, Ships)                                                                             \
    X(EnemySlot, Szak21BSlots, 2, Ships)                                                                             \
    X(EnemySlot, Szak22BSlots, 2, Ships)                                                                             \
    X(WaveEnemySlot, Szak21CSlots, 5, StreamWave)                                                                    \
    X(WaveEnemySlot, Szak22CSlots, 5, StreamWave)                                                                    \
    /* Mark k is shared by slot k of Szak21A and of Szak21B. */                                                      \
    X(LockMark, Szak21Marks, 3, Marks)                                                                               \
    /* Mark k is shared by slot k of Szak22A and of Szak22B. */                                                      \
    X(LockMark, Szak22Marks, 3, Marks)                                                                               \
    /* Set 1 of the group families: group k (records 5k..5k+4) from ship k; the other sets: record k from ship k. */ \
    X(BulletSlot, Szak21AShot1Slots, 15, StraightShots)                                                              \
    X(BulletSlot, Szak22AShot1Slots, 15, StraightShots)                                                              \
    X(BulletSlot, Szak21AShot2Slots, 3, StraightShots)                                                               \
    X(BulletSlot, Szak21AShot3Slots, 3, StraightShots)                                                               \
    X(BulletSlot, Szak21AShot4Slots, 3, StraightShots)                                                               \
    X(BulletSlot, Szak21AShot5Slots, 3, StraightShots)                                                               \
    X(BulletSlot, Szak21AShot6Slots, 3, StraightShots)                                                               \
    X(BulletSlot, Szak22AShot2Slots, 3, StraightShots)                                                               \
    X(BulletSlot, Szak22AShot3Slots, 3, StraightShots)                                                               \
    X(BulletSlot, Szak22AShot4Slots, 3, StraightShots)                                                               \
    X(BulletSlot, Szak22AShot5Slots, 3, StraightShots)                                                               \
    X(BulletSlot, Szak22AShot6Slots, 3, StraightShots)                                                               \
    X(BulletSlot, Szak21BShot1Slots, 10, StraightShots)                                                              \
    X(BulletSlot, Szak22BShot1Slots, 10, StraightShots)                                                              \
    X(BulletSlot, Szak21BShot2Slots, 2, StraightShots)                                                               \
    X(BulletSlot, Szak21BShot3Slots, 2, StraightShots)                                                               \
    X(BulletSlot, Szak21BShot4Slots, 2, StraightShots)                                                               \
    X(BulletSlot, Szak21BShot5Slots, 2, StraightShots)                                                               \
    X(BulletSlot, Szak21BShot6Slots, 2, StraightShots)                                                               \
    X(BulletSlot, Szak22BShot2Slots, 2, StraightShots)                                                               \
    X(BulletSlot, Szak22BShot3Slots, 2, StraightShots)                                                               \
    X(BulletSlot, Szak22BShot4Slots, 2, StraightShots)                                                               \
    X(BulletSlot, Szak22BShot5Slots, 2, StraightShots)                                                               \
    X(BulletSlot, Szak22BShot6Slots, 2, StraightShots)                                                               \
    X(BulletSlot, Szak21CShot1Slots, 5, StraightShots)                                                               \
    X(BulletSlot, Szak21CShot2Slots, 5, StraightShots)                                                               \
    X(BulletSlot, Szak21CShot3Slots, 5, StraightShots)                                                               \
    X(BulletSlot, Szak21CShot4Slots, 5, StraightShots)                                                               \
    X(BulletSlot, Szak21CShot5Slots, 5, StraightShots)                                                               \
    X(BulletSlot, Szak22CShot1Slots, 5, StraightShots)                                                               \
    X(BulletSlot, Szak22CShot2Slots, 5, StraightShots)                                                               \
    X(BulletSlot, Szak22CShot3Slots, 5, StraightShots)                                                               \
    X(BulletSlot, Szak22CShot4Slots, 5, StraightShots)                                                               \
    X(BulletSlot, Szak22CShot5Slots, 5, StraightShots)
SZAK21_POOLS(POOL_EXTERN)

// A weapon that struck slot k marks it; the family reacts in its next draw.
void Szak21A_HitProbe(i32 k);
void Szak21B_HitProbe(i32 k);
void Szak21C_HitProbe(i32 k);
void Szak22A_HitProbe(i32 k);
void Szak22B_HitProbe(i32 k);
void Szak22C_HitProbe(i32 k);

// Puts back the family's pools of one reset form.
void Szak21_ResetPools(EnemyPoolForm form);
