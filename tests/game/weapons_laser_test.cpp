// The lock-on lasers: launch conditions and speeds, homing with its curve, the straight flight once the
// point has left the field, the park window and the strike window.
#include <gtest/gtest.h>

#include <cmath>

#include "game/enemy/szak21_data.h"
#include "game/player/laser.h"
#include "game/player/lockon.h"
#include "game/player/player.h"
#include "game/stage/boss_data.h"
#include "support/player_fixture.h"

namespace {

constexpr f32 kReset = -3.0f * 3.14159265f / 180.0f;

class LaserTest : public kt::PlayerFixture {
protected:
    // A live laser standing at (x, y); with FrameTime 0 it keeps its place whatever it does.
    static LockLaser& Live(LockLaser& l, f32 x, f32 y, f32 speed = 600.0f) {
        l.alive = 1;
        l.x = x;
        l.y = y;
        l.speed = speed;
        return l;
    }
};

TEST_F(LaserTest, ALauncherNeedsALockedPointInsideTheField) {
    PlayerState.x = 300.5f;
    PlayerState.y = 400.0f;
    Szak21Marks[0] = LockMark{540, 200, 1};  // on the right edge: outside
    Szak21Marks[1] = LockMark{200, 480, 1};  // on the bottom edge
    Szak21Marks[2] = LockMark{200, 0, 1};    // on the top edge
    LockLaserSzak21_Fire(0);
    for (const LockLaser& l : LockLaserSzak21) EXPECT_EQ(l.alive, 0);
    Szak21Marks[0] = LockMark{539, 479, 1};
    Szak21Marks[1] = LockMark{1, 1, 0};  // inside but not locked
    LockLaserSzak21_Fire(0);
    EXPECT_EQ(LockLaserSzak21[0].alive, 1);
    EXPECT_EQ(LockLaserSzak21[1].alive, 0);
    EXPECT_EQ(LockLaserSzak21[0].x, 320.5f);
    EXPECT_EQ(LockLaserSzak21[0].y, 410.0f);
    EXPECT_EQ(LockLaserSzak21[0].speed, 600.0f);
    EXPECT_EQ(LockLaserSzak21[0].step, 0.0f);
    EXPECT_EQ(LockLaserSzak21[0].launchDx, 559.0f - 320.5f);
    EXPECT_EQ(LockLaserSzak21[0].launchDy, 499.0f - 410.0f);
    LockLaserSzak21[0].x = 7;  // a live laser is not launched again
    LockLaserSzak21_Fire(0);
    EXPECT_EQ(LockLaserSzak21[0].x, 7.0f);
}

TEST_F(LaserTest, SpeedsFollowTheShipTypeForTheSmallEnemyFamilies) {
    Szak22Marks[0] = LockMark{200, 200, 1};
    PlayerState.shipType = 2;
    LockLaserSzak22_Fire(0);
    EXPECT_EQ(LockLaserSzak22[0].speed, 700.0f);
    Szak21Marks[0] = LockMark{200, 200, 1};
    PlayerState.shipType = 3;  // no speed of its own: the reset's 0 stays
    LockLaserSzak21_Fire(0);
    EXPECT_EQ(LockLaserSzak21[0].alive, 1);
    EXPECT_EQ(LockLaserSzak21[0].speed, 0.0f);
    Boss11LockPointsB[2] = LockPoint{200, 200, 1};
    LockLaserBoss11B_Fire(0);
    EXPECT_EQ(LockLaserBoss11B[2].speed, 600.0f);
    EXPECT_EQ(LockLaserBoss11B[2].x, PlayerState.x + 25.0f);
    EXPECT_EQ(LockLaserBoss11B[2].launchDx, 0.0f) << "the B family keeps no launch vector";
    Boss31LockPointsA[4] = LockPoint{100, 100, 1};
    LockLaserBoss31A[4].step = 12;
    LockLaserBoss31A_Fire(0);
    EXPECT_EQ(LockLaserBoss31A[4].x, PlayerState.x - 20.0f);
    EXPECT_EQ(LockLaserBoss31A[4].step, 12.0f) << "a family without a curve leaves its clock";
}

TEST_F(LaserTest, TheStrikeWindowIsTenToThirtyAcrossAndTwentyToThirtyDown) {
    FrameTime = 0;
    Szak21ASlots[1].active = 1;
    Szak21Marks[1] = LockMark{200, 100, 1};
    Live(LockLaserSzak21[1], 231, 120);
    LockLaserSzak21_Update(0);
    EXPECT_EQ(LockLaserSzak21[1].alive, 1) << "x + 31";
    Live(LockLaserSzak21[1], 230, 119);
    LockLaserSzak21_Update(0);
    EXPECT_EQ(LockLaserSzak21[1].alive, 1) << "y + 19";
    EXPECT_EQ(Score, 0);
    Live(LockLaserSzak21[1], 230, 120);
    LockLaserSzak21_Update(0);
    EXPECT_EQ(LockLaserSzak21[1].alive, 0);
    EXPECT_EQ(LockLaserSzak21[1].x, -500.0f);
    EXPECT_EQ(LockLaserSzak21[1].y, 2550.0f);
    EXPECT_EQ(Szak21ASlots[1].hit, 1);
    EXPECT_EQ(Szak21BSlots[1].hit, 0);
    EXPECT_EQ(Szak21Marks[1].locked, 0);
    EXPECT_EQ(Szak21Marks[1].x, -500);
    EXPECT_EQ(Szak21Marks[1].y, 500);
    EXPECT_EQ(Score, 300);
}

TEST_F(LaserTest, ABossLaserStrikesAndWearsTheBossDown) {
    FrameTime = 0.01f;
    Boss31LockPointsA[2] = LockPoint{200, 200, 1};
    LockLaser& l = Live(LockLaserBoss31A[2], 215, 220);  // 5 short of the aim point: 6 pixels this frame
    LockLaserBoss31A_Update(0);
    EXPECT_EQ(l.alive, 0);
    EXPECT_EQ(Boss31State.hitFlag, 1);
    EXPECT_FLOAT_EQ(Boss31State.hp, 1500.0f - 150.0f * 0.01f);
    EXPECT_EQ(Score, 300);
    EXPECT_EQ(Boss31LockPointsA[2].locked, 0);

    Boss11LockPointsA[0] = LockPoint{200, 200, 1};
    LockLaser& m = Live(LockLaserBoss11A[0], 215, 220);
    m.step = 0;
    LockLaserBoss11A_Update(0);  // aims at 0, is pushed 6 left and 4.8 down, then flies 6 right
    EXPECT_EQ(m.alive, 0);
    EXPECT_FLOAT_EQ(Boss11State.hp, 1020.0f - 100.0f * 0.01f);
}

TEST_F(LaserTest, ASmallEnemyLaserCurvesUntilItsClockPassesThirty) {
    FrameTime = 0.05f;  // 13 clock units a frame
    Szak21Marks[0] = LockMark{400, 100, 1};
    LockLaser& l = Live(LockLaserSzak21[0], 300, 400);
    l.step = 17;
    LockLaserSzak21_Update(0);
    EXPECT_EQ(l.step, 30.0f);
    // Pushed 15 left and 3 down first, then aimed from there and moved 30 along the aim.
    const f32 ax = 420.0f - 285.0f, ay = 120.0f - 403.0f;
    EXPECT_FLOAT_EQ(l.aimDx, ax);
    EXPECT_FLOAT_EQ(l.aimDy, ay);
    EXPECT_FLOAT_EQ(l.x, 285.0f + std::cos(l.angle) * 30.0f);
    EXPECT_FLOAT_EQ(l.y, 403.0f + std::sin(l.angle) * 30.0f);
    const f32 x = l.x, y = l.y;
    LockLaserSzak21_Update(0);
    EXPECT_EQ(l.step, 300.0f);
    EXPECT_FLOAT_EQ(l.aimDx, 420.0f - x) << "no push once the clock has passed 30";
    EXPECT_FLOAT_EQ(l.aimDy, 120.0f - y);
}

TEST_F(LaserTest, ALaserWhosePointLeftTheFieldKeepsItsHeading) {
    FrameTime = 0.1f;
    Boss5BLockPointsB[0] = LockPoint{540, 100, 1};  // x 540: outside
    LockLaser& l = Live(LockLaserBoss5BB[0], 300, 300, 100);
    l.angle = kReset;
    LockLaserBoss5BB_Update(0);
    EXPECT_FLOAT_EQ(l.x, 300.0f + std::cos(kReset) * 10.0f);
    EXPECT_FLOAT_EQ(l.y, 300.0f + std::sin(kReset) * 10.0f);
    EXPECT_EQ(l.aimDx, 0.0f);
    EXPECT_EQ(l.alive, 1);
}

TEST_F(LaserTest, TheParkWindowAndTheBomb) {
    FrameTime = 0;
    LockLaser* p = LockLaserBoss4BA;  // nine points, none in the field: nothing homes
    Live(p[0], 80, 300);
    Live(p[1], 79.5f, 300);
    Live(p[2], 540, -20);
    Live(p[3], 540.5f, 300);
    Live(p[4], 300, -20.5f);
    Live(p[5], 300, 480);
    Live(p[6], 300, 480.5f);
    LockLaserBoss4BA_Update(0);
    const i32 alive[7] = {1, 0, 1, 0, 0, 1, 0};
    for (i32 i = 0; i < 7; ++i) EXPECT_EQ(p[i].alive, alive[i]) << "laser " << i;
    EXPECT_EQ(p[1].x, -500.0f);
    EXPECT_EQ(p[1].y, 2550.0f);
    PlayerState.bombActive = 1;
    LockLaserBoss4BA_Update(0);
    for (i32 i = 0; i < 9; ++i) EXPECT_EQ(p[i].alive, 0);
}

TEST_F(LaserTest, LaunchedAtALockedBossTheLasersFlyInAndStrike) {
    FrameTime = 1.0f / 60.0f;
    PlayerState.x = 370;
    PlayerState.y = 400;  // lower than 470 a laser would start below the park line
    Boss51State.x = 100;
    Boss51State.y = 30;
    PlayerState.lockSightX = 250 - 150;
    PlayerState.lockSightY = 200 - 120;
    LockOn_Scan();
    LockLaserBoss51A_Fire(0);
    for (i32 i = 0; i < 5; ++i) EXPECT_EQ(LockLaserBoss51A[i].alive, 1);
    i32 frames = 0;
    while (Score < 1500 && frames < 120) {
        LockLaserBoss51A_Update(0);
        ++frames;
    }
    EXPECT_EQ(Score, 1500) << "five strikes";
    EXPECT_LT(frames, 60);
    for (i32 i = 0; i < 5; ++i) {
        EXPECT_EQ(Boss51LockPointsA[i].locked, 0);
        EXPECT_EQ(Boss51LockPointsB[i].locked, 1);
        EXPECT_EQ(LockLaserBoss51A[i].alive, 0);
    }
    EXPECT_LT(Boss51State.hp, 1000.0f);
    EXPECT_EQ(Boss51State.hitFlag, 1);
}

}  // namespace
