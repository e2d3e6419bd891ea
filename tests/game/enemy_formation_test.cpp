// The formations Szak30B to Szak33B: the launch timer, the scripted path, the bounds, the aimed set
// fired on the second leg, and the explosion in both drawing modes.
#include <gtest/gtest.h>

#include <vector>

#include "game/common/state.h"
#include "game/enemy/szak30b.h"
#include "support/player_fixture.h"

namespace {

class FormationTest : public kt::PlayerFixture {
protected:
    void SetUp() override {
        kt::PlayerFixture::SetUp();
        PlayerState.x = 0.0f;  // well away from every shot
        PlayerState.y = 0.0f;
    }
};

TEST_F(FormationTest, TheTimerLaunchesSlotsZeroToThreeThirtyCallsApartAndSlotFourNever) {
    FrameTime = 0.0f;  // the ships stay at the entry point, live
    std::vector<i32> launches[5];
    for (i32 call = 1; call <= 300; ++call) {
        Szak31B_WaveTimer(0);
        for (i32 k = 0; k < 5; ++k) {
            if (Szak31BSlots[k].active == 0) continue;
            launches[k].push_back(call);
            Szak31BSlots[k].active = 0;  // free it again so that the next cycle launches it anew
        }
    }
    EXPECT_EQ(launches[0], (std::vector<i32>{30, 180}));
    EXPECT_EQ(launches[1], (std::vector<i32>{60, 210}));
    EXPECT_EQ(launches[2], (std::vector<i32>{90, 240}));
    EXPECT_EQ(launches[3], (std::vector<i32>{120, 270}));
    EXPECT_TRUE(launches[4].empty());
    EXPECT_EQ(Szak31BSlots[4].waveClock, 0) << "300 calls: two whole cycles";
}

TEST_F(FormationTest, AShipRunsSidewaysTurnsThroughThreeLegsAndDives) {
    for (i32 c = 0; c < 30; ++c) Szak30B_WaveTimer(0);
    WaveEnemySlot& e = Szak30BSlots[0];
    ASSERT_EQ(e.active, 1);
    EXPECT_EQ(e.x, 80.0f);
    EXPECT_EQ(e.y, 100.0f);
    FrameTime = 1.0f / 60;
    i32 frame = 0;
    while (e.vy == 0.0f) {
        Szak30B_Update(0);
        ++frame;
    }
    EXPECT_EQ(frame, 22) << "the clock passes 11 on the 22nd frame";
    EXPECT_EQ(e.vx, 220.0f);
    EXPECT_EQ(e.vy, 110.0f);
    EXPECT_NEAR(e.x, 80.0f + 220.0f * 21 / 60, 1e-3f) << "the new velocity moves the ship from the next frame";
    EXPECT_NEAR(e.y, 100.0f, 1e-4f);
    while (e.scriptTime < 41.0f) Szak30B_Update(0);
    EXPECT_EQ(e.vx, 0.0f);
    EXPECT_EQ(e.vy, 410.0f);
    while (e.active != 0) Szak30B_Update(0);
    EXPECT_EQ(e.x, -500.0f);
    EXPECT_EQ(e.y, 2550.0f);

}

TEST_F(FormationTest, TheUpwardFamiliesClimbOutAboveTheField) {
    FrameTime = 0.0f;
    for (i32 c = 0; c < 30; ++c) {
        Szak32B_WaveTimer(0);
        Szak33B_WaveTimer(0);
    }
    WaveEnemySlot& up = Szak32BSlots[0];
    up.scriptTime = 50.0f;
    FrameTime = 1.0f / 60;
    Szak32B_Update(0);
    EXPECT_EQ(up.vy, -410.0f);
    up.y = -100.0f;
    FrameTime = 0.0f;
    Szak32B_Update(0);
    EXPECT_EQ(up.active, 1) << "at -100 still inside";
    up.y = -100.5f;
    Szak32B_Update(0);
    EXPECT_EQ(up.active, 0);
}

TEST_F(FormationTest, TheSecondLegFiresFromEveryShipWhoseRecordIsFree) {
    for (i32 c = 0; c < 60; ++c) Szak30B_WaveTimer(0);  // ships 0 and 1 are out
    Szak30BSlots[0].scriptTime = 15.0f;
    Szak30BSlots[0].x = 200.0f;
    Szak30BSlots[0].y = 150.0f;
    FrameTime = 0.0f;
    Szak30B_Update(0);
    for (i32 k = 0; k < 5; ++k) EXPECT_EQ(Szak30BShot1Slots[k].active, 1) << "record " << k;
    EXPECT_EQ(Szak30BShot1Slots[0].x, 242.0f);
    EXPECT_EQ(Szak30BShot1Slots[0].y, 200.0f);
    EXPECT_EQ(Szak30BShot1Slots[0].dx, 22.0f - 242.0f) << "aimed at the ship + (22, 22)";
    EXPECT_GE(Szak30BShot1Slots[0].speed, 210.0f);
    EXPECT_LE(Szak30BShot1Slots[0].speed, 309.0f);
    Szak30BShot1_Update(0);
    EXPECT_EQ(Szak30BShot1Slots[0].active, 1);
    EXPECT_EQ(Szak30BShot1Slots[4].active, 0) << "the free ship's shot vanishes at once";

    // The upward families fire only under a play mode the game never sets.
    for (i32 c = 0; c < 30; ++c) Szak32B_WaveTimer(0);
    Szak32BSlots[0].scriptTime = 15.0f;
    Szak32B_Update(0);
    EXPECT_EQ(Szak32BShot1Slots[0].active, 0);
    PlayMode = 2;
    Szak32B_Update(0);
    EXPECT_EQ(Szak32BShot1Slots[0].active, 1);
}

TEST_F(FormationTest, AnExplodingShipStopsInAdditiveModeAndFliesOnInPlainMode) {
    for (i32 c = 0; c < 60; ++c) Szak30B_WaveTimer(0);
    FrameTime = 1.0f / 60;
    for (WaveEnemySlot* e : {&Szak30BSlots[0], &Szak30BSlots[1]}) {
        e->scriptTime = 50.0f;
        e->x = 300.0f;
        e->y = 100.0f;
        e->vx = 0.0f;
        e->vy = 410.0f;
    }
    Szak30BSlots[0].hit = 1;
    Szak30BSlots[1].y = 200.0f;
    FxAdditive = 1;
    Szak30B_Draw(0);  // slot 0 stops
    FxAdditive = 0;
    Szak30BSlots[1].hit = 1;
    Szak30B_Update(0);
    EXPECT_EQ(Szak30BSlots[0].y, 100.0f);
    EXPECT_GT(Szak30BSlots[1].y, 200.0f);
    for (i32 f = 0; f < 15; ++f) {
        Szak30B_Draw(0);
        Szak30B_Update(0);
    }
    EXPECT_EQ(Szak30BSlots[0].active, 0) << "freed after sixteen draws";
    EXPECT_EQ(Szak30BSlots[0].blastLoop, 0);
    EXPECT_EQ(Szak30BSlots[1].active, 1);
    EXPECT_GT(Szak30BSlots[1].y, 250.0f) << "kept flying its script";
}

}  // namespace
