// The lock-on sight: the scan of the bosses' boxes, the point setters and the sight's placing.
#include <gtest/gtest.h>

#include "game/player/lockon.h"
#include "game/player/player.h"
#include "game/stage/boss_data.h"
#include "support/player_fixture.h"

namespace {

class LockOnTest : public kt::PlayerFixture {
protected:
    // Puts the sight so that its centre is (sx, sy).
    static void Aim(i32 sx, i32 sy) {
        PlayerState.lockSightX = sx - 150;
        PlayerState.lockSightY = sy - 120;
    }
    static i32 Locked(const LockPoint* table, i32 n) {
        i32 k = 0;
        for (i32 i = 0; i < n; ++i) k += table[i].locked;
        return k;
    }
    static i32 AllLocked() {
        return Locked(Boss11LockPointsA, 3) + Locked(Boss11LockPointsB, 3) + Locked(Boss2BLockPointsA, 3) +
               Locked(Boss2BLockPointsB, 3) + Locked(Boss31LockPointsA, 5) + Locked(Boss31LockPointsB, 5) +
               Locked(Boss41LockPointsA, 3) + Locked(Boss41LockPointsB, 3) + Locked(Boss51LockPointsA, 5) +
               Locked(Boss51LockPointsB, 5) + Locked(Boss4BLockPointsA, 9) + Locked(Boss4BLockPointsB, 9) +
               Locked(Boss71LockPointsA, 5) + Locked(Boss71LockPointsB, 5) + Locked(Boss5BLockPointsA, 5) +
               Locked(Boss5BLockPointsB, 5);
    }
};

TEST_F(LockOnTest, TheResetSightLocksNothing) {
    Boss11State.x = 100;  // a boss on stage, the others parked
    Boss11State.y = 50;
    LockOn_Scan();
    EXPECT_EQ(PlayerState.lockSightX, -500);
    EXPECT_EQ(AllLocked(), 0);
    EXPECT_EQ(Boss11LockPointsA[0].x, -500);
    EXPECT_EQ(Boss11LockPointsA[0].y, 500);
}

TEST_F(LockOnTest, AScanPointOnTheBoxEdgeLocksEveryPointOfTheBoss) {
    Boss41State.x = 100.9f;
    Boss41State.y = 20.0f;
    Aim(139, 60);  // one left of bx + 40
    LockOn_Scan();
    EXPECT_EQ(AllLocked(), 0);
    Aim(140, 60);
    LockOn_Scan();
    EXPECT_EQ(AllLocked(), 6);
    const i32 dx[3] = {190, 20, 360}, dy[3] = {180, 140, 140};
    for (i32 i = 0; i < 3; ++i) {
        EXPECT_EQ(Boss41LockPointsA[i].x, 100 + dx[i]);
        EXPECT_EQ(Boss41LockPointsA[i].y, 20 + dy[i]);
        EXPECT_EQ(Boss41LockPointsB[i].x, 100 + dx[i]);
        EXPECT_EQ(Boss41LockPointsB[i].locked, 1);
    }
    Game_ResetState();
    Game_ResetPools();
    Boss51State.x = 0;
    Boss51State.y = 0;
    Aim(340, 340);  // the far corner
    LockOn_Scan();
    EXPECT_EQ(Locked(Boss51LockPointsA, 5), 5);
    EXPECT_EQ(Boss51LockPointsA[4].x, 280);
    EXPECT_EQ(Boss51LockPointsB[4].y, 110);
    Game_ResetState();
    Aim(341, 340);
    LockOn_Scan();
    EXPECT_EQ(AllLocked(), 0);
}

TEST_F(LockOnTest, ThresholdsDifferBetweenBosses) {
    Boss4BState.x = 0;
    Boss4BState.y = -5;
    Aim(200, 100);
    LockOn_Scan();
    EXPECT_EQ(Locked(Boss4BLockPointsA, 9), 0) << "Boss4B is scanned from y 0";
    Boss4BState.x = -500;
    Boss4BState.y = 2550;
    Boss41State.x = 0;
    Boss41State.y = -5;
    LockOn_Scan();
    EXPECT_EQ(Locked(Boss41LockPointsA, 3), 3) << "Boss41 from y -10";
    EXPECT_EQ(Boss41LockPointsA[0].y, -5 + 180);
    Boss41State.guard = 1;  // a guarded boss is skipped (the game never sets the guard)
    Game_ResetState();
    LockOn_Scan();
    EXPECT_EQ(AllLocked(), 0);
}

TEST_F(LockOnTest, ASecondScanLeavesLockedPointsWhereTheyWere) {
    Boss71State.x = 50;
    Boss71State.y = 10;
    Aim(300, 200);
    LockOn_Scan();
    EXPECT_EQ(Locked(Boss71LockPointsA, 5), 5);
    EXPECT_EQ(Boss71LockPointsA[1].x, 200);
    EXPECT_EQ(Boss71LockPointsA[1].y, 240);
    Boss71State.x = 60;
    LockOn_Scan();
    EXPECT_EQ(Boss71LockPointsA[1].x, 200);
    // A freed point locks again and places the whole table at the boss's new position.
    Boss71LockPointsA[3] = LockPoint{-500, 500, 0};
    LockOn_Scan();
    EXPECT_EQ(Boss71LockPointsA[3].locked, 1);
    EXPECT_EQ(Boss71LockPointsA[3].x, 140);
    EXPECT_EQ(Boss71LockPointsA[1].x, 210);
    EXPECT_EQ(Boss71LockPointsB[1].x, 200) << "table B was not freed";
}

TEST_F(LockOnTest, Boss11PlacesOnlyThePointThatLocks) {
    Boss11State.x = 100;
    Boss11State.y = 40;
    LockOn_MarkBoss11A(1);
    EXPECT_EQ(Boss11LockPointsA[1].locked, 1);
    EXPECT_EQ(Boss11LockPointsA[1].x, 290);
    EXPECT_EQ(Boss11LockPointsA[1].y, 190);
    EXPECT_EQ(Boss11LockPointsA[0].x, -500);
    EXPECT_EQ(Boss11LockPointsA[2].locked, 0);
    LockOn_MarkBoss2BB(2);
    EXPECT_EQ(Boss2BLockPointsB[0].x, -500 + 190) << "the parked boss's position";
    EXPECT_EQ(Boss2BLockPointsB[0].locked, 0);
    LockOn_MarkBoss11A(3);  // no such point
    LockOn_MarkBoss4BA(-1);
    EXPECT_EQ(Locked(Boss4BLockPointsA, 9), 0);
}

TEST_F(LockOnTest, TheSightFollowsTheShipByShipType) {
    PlayerState.x = 370.6f;
    PlayerState.y = 520.2f;
    Player_LockSightFollow();
    EXPECT_EQ(PlayerState.lockSightX, 80);
    EXPECT_EQ(PlayerState.lockSightY, 20);
    PlayerState.shipType = 2;
    Player_LockSightFollow();
    EXPECT_EQ(PlayerState.lockSightX, 250);
    EXPECT_EQ(PlayerState.lockSightY, 250);
    PlayerState.alive = 0;
    PlayerState.x = 0;
    Player_LockSightFollow();
    EXPECT_EQ(PlayerState.lockSightX, 250);
}

}  // namespace
