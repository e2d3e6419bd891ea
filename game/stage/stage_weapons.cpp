// The bomb, the homing rays, the lock-on lasers and the automatic-fire block in the stage frame.
#include "game/stage/stage_weapons.h"

#include "game/common/player_state.h"
#include "game/common/state.h"
#include "game/player/bomb.h"
#include "game/player/homing.h"
#include "game/player/laser.h"
#include "game/player/lockon.h"
#include "game/player/shots.h"

namespace {

// The lock-on lasers aimed at one boss: its A and B tables' movers and launchers.
struct BossLasers {
    void (*updateA)(i32);
    void (*updateB)(i32);
    void (*fireA)(i32);
    void (*fireB)(i32);
};

// By BossId, whose order is the launchers' order in the automatic-fire block.
const BossLasers kBossLasers[] = {
    {nullptr, nullptr, nullptr, nullptr},
    {LockLaserBoss11A_Update, LockLaserBoss11B_Update, LockLaserBoss11A_Fire, LockLaserBoss11B_Fire},
    {LockLaserBoss2BA_Update, LockLaserBoss2BB_Update, LockLaserBoss2BA_Fire, LockLaserBoss2BB_Fire},
    {LockLaserBoss31A_Update, LockLaserBoss31B_Update, LockLaserBoss31A_Fire, LockLaserBoss31B_Fire},
    {LockLaserBoss41A_Update, LockLaserBoss41B_Update, LockLaserBoss41A_Fire, LockLaserBoss41B_Fire},
    {LockLaserBoss51A_Update, LockLaserBoss51B_Update, LockLaserBoss51A_Fire, LockLaserBoss51B_Fire},
    {LockLaserBoss4BA_Update, LockLaserBoss4BB_Update, LockLaserBoss4BA_Fire, LockLaserBoss4BB_Fire},
    {LockLaserBoss71A_Update, LockLaserBoss71B_Update, LockLaserBoss71A_Fire, LockLaserBoss71B_Fire},
    {LockLaserBoss5BA_Update, LockLaserBoss5BB_Update, LockLaserBoss5BA_Fire, LockLaserBoss5BB_Fire},
};

}  // namespace

void StageWeapons_BombDraw(const StageScript& s) { Bomb_Draw(s.familyArg); }

void StageWeapons_BombStep(const StageScript& s) {
    if (PlayerState.bombActive == 1 && (!s.bombUpdateNeedsMainShotOff || PlayerState.mainShotEnabled == 0))
        Bomb_Update(s.familyArg);
    Bomb_Collide(s.familyArg);
}

void StageWeapons_RaysAndLasers(const StageScript& s) {
    if (s.homingRaysAtLevel3 && Level == 3) {
        HomingRay1_Fire();
        HomingRay2_Fire();
        HomingRay3_Fire();
        HomingRay4_Fire();
    }
    HomingRay1_Update(s.familyArg);
    HomingRay2_Update(s.familyArg);
    HomingRay3_Update(s.familyArg);
    HomingRay4_Update(s.familyArg);
    LockLaserSzak21_Update(s.familyArg);
    LockLaserSzak22_Update(s.familyArg);
    for (BossId boss : s.laserBosses) {
        if (boss == BossId::None) continue;
        const BossLasers& l = kBossLasers[static_cast<u8>(boss)];
        l.updateA(s.familyArg);
        l.updateB(s.familyArg);
    }
}

void StageWeapons_FireBlock(const StageScript& s) {
    if (!s.fireBlock || PlayerState.autoFire != 1) return;
    if (PlayerState.shipType == 1) Player_AutoFireMain();
    if (PlayerState.shipType == 2) Player_AutoFireMain2();
    LockLaserSzak21_Fire(s.familyArg);
    LockLaserSzak22_Fire(s.familyArg);
    LockOn_Scan();
    for (u8 boss = static_cast<u8>(BossId::Boss11); boss <= static_cast<u8>(BossId::Boss5B); ++boss) {
        kBossLasers[boss].fireA(s.familyArg);
        kBossLasers[boss].fireB(s.familyArg);
    }
}
