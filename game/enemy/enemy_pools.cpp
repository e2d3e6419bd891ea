// The reset forms of the small enemies' pools.
#include "game/enemy/enemy_pools.h"

#include "game/common/park.h"
#include "game/common/state.h"
#include "host/crt.h"

namespace {

template <class Record, class Fn>
void Each(const EnemyPoolRow& row, Fn fn) {
    Record* slots = static_cast<Record*>(row.slots);
    for (i32 k = 0; k < row.count; ++k) fn(slots[k]);
}

void ResetShip(EnemySlot& e, FloatPoint park, bool keepAnim) {
    const i32 anim = e.animFrame;
    e = EnemySlot{};
    if (keepAnim) e.animFrame = anim;
    e.x = park.x;
    e.y = park.y;
}

void ResetWave(WaveEnemySlot& e, bool formation) {
    e.blastLoop = e.blastFrame = e.waveClock = 0;
    if (formation) e.scriptTime = 0;
    e.x = formation ? FormationPark.x : ParkPosition.x;
    e.y = formation ? FormationPark.y : ParkPosition.y;
    e.vx = e.vy = 0;
    e.hitGuard = e.active = e.hit = 0;
}

void ResetRow(const EnemyPoolRow& row) {
    switch (row.form) {
        case EnemyPoolForm::MixShips:
            Each<MixEnemySlot>(row, [](MixEnemySlot& e) {
                e = MixEnemySlot{};
                e.type = host::Rand() % 4;
                e.x = ParkPosition.x;
                e.y = ParkPosition.y;
            });
            break;
        case EnemyPoolForm::Ships:
            Each<EnemySlot>(row, [](EnemySlot& e) { ResetShip(e, ParkPosition, false); });
            break;
        case EnemyPoolForm::ShipsKeepAnim:
            Each<EnemySlot>(row, [](EnemySlot& e) { ResetShip(e, ParkPosition, true); });
            break;
        case EnemyPoolForm::FormationShips:
            Each<EnemySlot>(row, [](EnemySlot& e) { ResetShip(e, FormationPark, false); });
            break;
        case EnemyPoolForm::SpinShips:
            Each<SpinEnemySlot>(row, [](SpinEnemySlot& e) {
                e.blastLoop = e.blastFrame = 0;
                e.x = ParkPosition.x;
                e.y = ParkPosition.y;
                e.vx = e.vy = 0;
                e.hitGuard = e.active = e.hit = 0;
            });
            break;
        case EnemyPoolForm::StreamWave:
            Each<WaveEnemySlot>(row, [](WaveEnemySlot& e) { ResetWave(e, false); });
            break;
        case EnemyPoolForm::FormationWave:
            Each<WaveEnemySlot>(row, [](WaveEnemySlot& e) { ResetWave(e, true); });
            break;
        case EnemyPoolForm::Marks:
            Each<LockMark>(row, [](LockMark& m) { m = LockMark{IntegerPark.x, IntegerPark.y, 0}; });
            break;
        case EnemyPoolForm::StraightShots:
            Each<BulletSlot>(row, [](BulletSlot& b) {
                b.animFrame = host::Rand() % 10;
                BulletSlot_Park(b);
            });
            break;
        case EnemyPoolForm::AimedShots:
            Each<AimedShotSlot>(row, [](AimedShotSlot& s) {
                s.animFrame = host::Rand() % 10;
                AimedRecord_Park(s);
            });
            break;
        case EnemyPoolForm::AimedShotsKeepAim:
            Each<AimedShotSlot>(row, [](AimedShotSlot& s) {
                s.animFrame = host::Rand() % 10;
                s.x = ParkPosition.x;
                s.y = ParkPosition.y;
                s.active = 0;
            });
            break;
        case EnemyPoolForm::TimedShots:
            Each<TimedShotSlot>(row, [](TimedShotSlot& s) {
                s.emitClock = 0;
                AimedRecord_Park(s);
            });
            break;
        case EnemyPoolForm::CurlFanShots:
            Each<CurlFanShotSlot>(row, [](CurlFanShotSlot& s) {
                s = CurlFanShotSlot{};
                s.x = ParkPosition.x;
                s.y = ParkPosition.y;
                s.angle = ResetHeading;
            });
            break;
        case EnemyPoolForm::ClockedShots:
            Each<ClockedAimShotSlot>(row, [](ClockedAimShotSlot& s) {
                s = ClockedAimShotSlot{};
                s.x = ParkPosition.x;
                s.y = ParkPosition.y;
                s.heading = ResetHeading;
            });
            break;
    }
}

}  // namespace

void EnemyPools_Reset(const EnemyPoolRow* rows, i32 count, EnemyPoolForm form) {
    for (i32 i = 0; i < count; ++i)
        if (rows[i].form == form) ResetRow(rows[i]);
}
