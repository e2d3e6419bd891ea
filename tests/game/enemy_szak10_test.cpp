// Szak10, the bombers: the stick of bombs and the curling fans.
#include <gtest/gtest.h>

#include "game/enemy/szak10.h"
#include "support/player_fixture.h"

namespace {

using Szak10Test = kt::PlayerFixture;

TEST_F(Szak10Test, AStickOfFiveBombsStringsOutTheFastestFirst) {
    Szak10Slots[1] = EnemySlot{0, 0, 0, 300.0f, 100.0f, 0.0f, 0.0f, 0, 1, 0};
    Szak10Shot3_Spawn(0, 0);
    const BulletSlot* stick = Szak10Shot3Slots + 5;
    for (i32 r = 0; r < 5; ++r) {
        EXPECT_EQ(stick[r].x, 327.0f);
        EXPECT_EQ(stick[r].y, 166.0f);
        EXPECT_EQ(stick[r].vx, 0.0f);
    }
    PlayerState.x = 0.0f;
    FrameTime = 0.1f;
    i32 frames = 0;
    while (stick[4].active != 0) {
        Szak10Shot3_Update(0, 0);
        ASSERT_LT(++frames, 100);
    }
    for (i32 r = 0; r < 4; ++r) EXPECT_EQ(stick[r].active, 1) << "bomb " << r << " still falls";
    EXPECT_LT(stick[0].y, stick[1].y);
    EXPECT_LT(stick[2].y, stick[3].y);
    EXPECT_EQ(stick[4].x, -500.0f) << "freed one by one to the park";
}

TEST_F(Szak10Test, TheFansDoNothingUntilArmedThenCurlApartAndLeaveTogether) {
    FrameTime = 1.0f / 60;
    PlayerState.x = 0.0f;
    PlayerState.y = 0.0f;
    for (i32 f = 0; f < 10; ++f) {
        Szak10Shot1_Update(0);
        Szak10Shot2_Update(0);
    }
    for (i32 i = 0; i < 21; ++i) {
        EXPECT_EQ(Szak10Shot1Slots[i].active, 0);
        EXPECT_EQ(Szak10Shot1Slots[i].x, -500.0f);
        EXPECT_EQ(Szak10Shot2Slots[i].y, 2550.0f);
    }
    EXPECT_EQ(PlayerState.alive, 1);

    Szak10Slots[0] = EnemySlot{0, 0, 0, 400.0f, 100.0f, 0.0f, 0.0f, 0, 1, 0};
    Szak10Shot1_Spawn(0);
    Szak10Shot2_Spawn(0);
    EXPECT_EQ(Szak10Shot1Slots[6].speed, 253.0f);
    EXPECT_EQ(Szak10Shot2Slots[0].x, 420.0f);
    for (i32 f = 0; f < 10; ++f) {
        Szak10Shot1_Update(0);
        Szak10Shot2_Update(0);
    }
    EXPECT_LT(Szak10Shot1Slots[0].x, 420.0f) << "set 1 curls left";
    EXPECT_GT(Szak10Shot2Slots[0].x, 420.0f) << "set 2 curls right";
    EXPECT_GT(Szak10Shot1Slots[0].y, 120.0f);
    EXPECT_GT(Szak10Shot2Slots[0].y, 120.0f);
    // The turn stops once its clock passes 17 (51 frames at 60 per second).
    for (i32 f = 0; f < 45; ++f) Szak10Shot2_Update(0);
    const f32 settled = Szak10Shot2Slots[3].angle;
    Szak10Shot2_Update(0);
    EXPECT_EQ(Szak10Shot2Slots[3].turnClock, 18.0f);
    EXPECT_EQ(Szak10Shot2Slots[3].angle, settled);
    // The group is freed in place when its first shot leaves.
    i32 frames = 0;
    while (Szak10Shot2Slots[0].active != 0) {
        Szak10Shot2_Update(0);
        ASSERT_LT(++frames, 600);
    }
    for (i32 r = 0; r < 7; ++r) {
        EXPECT_EQ(Szak10Shot2Slots[r].active, 0);
        EXPECT_NE(Szak10Shot2Slots[r].x, -500.0f) << "kept where it stood";
    }
}

}  // namespace
