// How the resets put the small enemies' pools back: one reset form per record kind and park, a table row
// per pool (made from each family's pool list), and the one walk that applies a form to a family's rows.
#pragma once
#include <cstddef>
#include <type_traits>

#include "game/common/pool.h"
#include "game/enemy/enemy_records.h"
#include "host/types.h"

enum class EnemyPoolForm : u8 {
    MixShips,           // MixEnemySlot: cleared, parked, a random type 0..3 each
    Ships,              // EnemySlot: cleared, parked
    ShipsKeepAnim,      // EnemySlot: cleared but for its animation cell, parked (Szak1A, Szak1B)
    FormationShips,     // EnemySlot: cleared, at the formation park (Szak12)
    SpinShips,          // SpinEnemySlot: explosion, motion and flags cleared, parked; the spin stays
    StreamWave,         // WaveEnemySlot: explosion, clock, motion and flags cleared, parked; script time stays
    FormationWave,      // WaveEnemySlot: the same and its script time, at the formation park
    Marks,              // LockMark: at the integer park, unlocked
    StraightShots,      // BulletSlot: a random cell 0..9, parked
    AimedShots,         // AimedShotSlot: a random cell 0..9, parked, aim cleared
    AimedShotsKeepAim,  // AimedShotSlot: a random cell 0..9, parked, aim kept (Szak1BShot1)
    TimedShots,         // TimedShotSlot: clock at 0, parked, aim cleared
    CurlFanShots,       // CurlFanShotSlot: cleared, parked, angle -3 degrees
    ClockedShots,       // ClockedAimShotSlot: cleared, parked, heading -3 degrees
};

// The record kind of each form.
template <EnemyPoolForm F> struct EnemyPoolRecord;
template <> struct EnemyPoolRecord<EnemyPoolForm::MixShips> { using type = MixEnemySlot; };
template <> struct EnemyPoolRecord<EnemyPoolForm::Ships> { using type = EnemySlot; };
template <> struct EnemyPoolRecord<EnemyPoolForm::ShipsKeepAnim> { using type = EnemySlot; };
template <> struct EnemyPoolRecord<EnemyPoolForm::FormationShips> { using type = EnemySlot; };
template <> struct EnemyPoolRecord<EnemyPoolForm::SpinShips> { using type = SpinEnemySlot; };
template <> struct EnemyPoolRecord<EnemyPoolForm::StreamWave> { using type = WaveEnemySlot; };
template <> struct EnemyPoolRecord<EnemyPoolForm::FormationWave> { using type = WaveEnemySlot; };
template <> struct EnemyPoolRecord<EnemyPoolForm::Marks> { using type = LockMark; };
template <> struct EnemyPoolRecord<EnemyPoolForm::StraightShots> { using type = BulletSlot; };
template <> struct EnemyPoolRecord<EnemyPoolForm::AimedShots> { using type = AimedShotSlot; };
template <> struct EnemyPoolRecord<EnemyPoolForm::AimedShotsKeepAim> { using type = AimedShotSlot; };
template <> struct EnemyPoolRecord<EnemyPoolForm::TimedShots> { using type = TimedShotSlot; };
template <> struct EnemyPoolRecord<EnemyPoolForm::CurlFanShots> { using type = CurlFanShotSlot; };
template <> struct EnemyPoolRecord<EnemyPoolForm::ClockedShots> { using type = ClockedAimShotSlot; };

// One pool of a family's reset table: its form and where its records are.
struct EnemyPoolRow {
    EnemyPoolForm form;
    void* slots;
    i32 count;
};

template <EnemyPoolForm F, class Record, size_t N>
constexpr EnemyPoolRow EnemyPool_Row(Record (&slots)[N]) {
    static_assert(std::is_same_v<Record, typename EnemyPoolRecord<F>::type>, "the pool's records are not its form's");
    return {F, slots, static_cast<i32>(N)};
}
// The table row of one entry of a family's pool list: const EnemyPoolRow kPools[] = {SZAK6_POOLS(ENEMY_POOL_ROW)};
#define ENEMY_POOL_ROW(Record, name, n, form) EnemyPool_Row<EnemyPoolForm::form>(name),

// Puts back, in table order, the rows of `rows` that have the form `form`.
void EnemyPools_Reset(const EnemyPoolRow* rows, i32 count, EnemyPoolForm form);
template <size_t N>
void EnemyPools_Reset(const EnemyPoolRow (&rows)[N], EnemyPoolForm form) {
    EnemyPools_Reset(rows, static_cast<i32>(N), form);
}
