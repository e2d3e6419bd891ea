// The RotChain families: the throw, the per-frame turn and its end, the drift that starts a frame late,
// the retirement of the whole chain with its slowest link, mirror twins, and contact.
#include <gtest/gtest.h>

#include <cmath>

#include "game/bossfire/rotchain.h"
#include "game/bossfire/rotchain_data.h"
#include "game/common/boss_state.h"
#include "game/common/player_state.h"
#include "game/shell/shell.h"
#include "support/headless_machine.h"

namespace {

constexpr f32 kPi = 3.14159265358979323846f;
constexpr f32 kThrow = 2.0f * kPi / 10.0f;

class ChainTest : public kt::Headless {
protected:
    void SetUp() override {
        kt::Headless::SetUp();
        Game_NewGame();
        Game_ResetState();
        Game_ResetPools();
        FrameTime = 0.016f;
        PlayerState.x = 300;
        PlayerState.y = 300;
        PlayerState.alive = 1;
        Boss41State.x = 100;
        Boss41State.y = 40;
        Boss51State.x = 100;
        Boss51State.y = 40;
    }
    // Every piece of a thrown chain held still: no speed and, until the first update, no drift.
    static void Hold(RotChainLink (&chain)[7]) {
        for (RotChainLink& l : chain) l.speed = 0.0f;
    }
    static i32 Live(const RotChainLink (&chain)[7]) {
        i32 n = 0;
        for (const RotChainLink& l : chain) n += l.active != 0;
        return n;
    }
};

TEST_F(ChainTest, AThrowArmsTheSevenPiecesAtTheBossAndNothingMoreWhileInFlight) {
    Boss41State.x = 100.5f;
    Boss41RotChain3_Spawn(0);
    Boss41RotChain4_Spawn(0);
    const f32 speeds[7] = {163, 171, 178, 184, 188, 191, 193};
    for (i32 k = 0; k < 7; ++k) {
        const RotChainLink& odd = Boss41RotChain3[k];
        EXPECT_EQ(odd.active, 1);
        EXPECT_EQ(odd.x, 265.5f);
        EXPECT_EQ(odd.y, 60.0f);
        EXPECT_EQ(odd.speed, speeds[k]);
        EXPECT_EQ(odd.heading, -kThrow);
        EXPECT_EQ(odd.driftX, 0.0f);
        EXPECT_EQ(odd.linkClock, 0.0f);
        EXPECT_EQ(Boss41RotChain4[k].x, 345.5f);
        EXPECT_EQ(Boss41RotChain4[k].heading, kThrow);
    }
    Boss41RotChain3[2].x = 7;
    Boss41State.x = 0;
    Boss41RotChain3_Spawn(0);
    EXPECT_EQ(Boss41RotChain3[0].x, 265.5f);
    EXPECT_EQ(Boss41RotChain3[2].x, 7.0f);
}

TEST_F(ChainTest, TheDriftIsZeroInTheFirstFrameAndSixteenLessSevenPerPieceAfter) {
    Boss51RotChain1_Spawn(0);
    Boss51RotChain2_Spawn(0);
    Hold(Boss51RotChain1);
    Hold(Boss51RotChain2);
    FrameTime = 0.5f;
    Boss51RotChain1_Update(0);
    Boss51RotChain2_Update(0);
    for (i32 k = 0; k < 7; ++k) {
        EXPECT_EQ(Boss51RotChain1[k].x, 275.0f) << k;
        EXPECT_EQ(Boss51RotChain1[k].y, 70.0f) << k;
        EXPECT_EQ(Boss51RotChain1[k].driftX, static_cast<f32>(16 - 7 * k));
    }
    Boss51RotChain1_Update(0);
    Boss51RotChain2_Update(0);
    for (i32 k = 0; k < 7; ++k) {
        const f32 half = static_cast<f32>(16 - 7 * k) / 2.0f;
        EXPECT_EQ(Boss51RotChain1[k].x, 275.0f - half) << "odd chains drift left, piece " << k;
        EXPECT_EQ(Boss51RotChain1[k].y, 70.0f - half);
        EXPECT_EQ(Boss51RotChain2[k].x, 275.0f + half) << "even chains right, piece " << k;
        EXPECT_EQ(Boss51RotChain2[k].y, 70.0f - half) << "and both the same way on y";
    }
}

TEST_F(ChainTest, TheHeadingTurnsOncePerFrameUntilTheLinkClockHasReachedSeventeen) {
    const f32 turn = 2.0f * kPi / 320.0f;
    Boss41RotChain3_Spawn(0);
    Hold(Boss41RotChain3);
    RotChainLink& l = Boss41RotChain3[0];
    FrameTime = 0.0f;  // the turn does not scale with the frame time
    Boss41RotChain3_Update(0);
    Boss41RotChain3_Update(0);
    EXPECT_FLOAT_EQ(l.heading, -kThrow - 2.0f * turn);

    FrameTime = 0.05f;  // one clock unit
    l.linkClock = 16.0f;
    f32 before = l.heading;
    Boss41RotChain3_Update(0);
    EXPECT_FLOAT_EQ(l.heading, before - turn) << "a clock of exactly 17 turns once more";
    EXPECT_EQ(l.linkClock, 18.0f);
    before = l.heading;
    Boss41RotChain3_Update(0);
    EXPECT_EQ(l.heading, before);
    EXPECT_EQ(l.linkClock, 18.0f);

    FrameTime = 0.015f;  // 0.3 units: from 16.9 over 17 in one jump
    RotChainLink& m = Boss41RotChain3[1];
    m.linkClock = 16.9f;
    before = m.heading;
    Boss41RotChain3_Update(0);
    EXPECT_EQ(m.heading, before);
    EXPECT_EQ(m.linkClock, 18.0f);
}

TEST_F(ChainTest, TheWholeChainRetiresInTheFrameItsSlowestLinkLeavesTheScreen) {
    Boss51RotChain1_Spawn(0);
    Hold(Boss51RotChain1);
    FrameTime = 0.0f;
    Boss51RotChain1[0].x = 800.0f;
    Boss51RotChain1[0].y = 600.0f;
    Boss51RotChain1_Update(0);
    EXPECT_EQ(Live(Boss51RotChain1), 7) << "link 0 at x 800, y 600 is still on the screen";
    Boss51RotChain1[0].x = -30.0f;
    Boss51RotChain1[0].y = -30.0f;
    Boss51RotChain1_Update(0);
    EXPECT_EQ(Live(Boss51RotChain1), 7);

    // Moving out: every piece makes its move of that frame, then all seven retire where they stand.
    for (RotChainLink& l : Boss51RotChain1) l.driftX = l.driftY = 0.0f;
    Boss51RotChain1[0].x = 799.0f;
    Boss51RotChain1[0].y = 300.0f;
    Boss51RotChain1[0].speed = 163.0f;
    Boss51RotChain1[0].heading = -kPi;  // the odd chain flies against it: to the right
    Boss51RotChain1[6].speed = 193.0f;
    Boss51RotChain1[6].x = 400.0f;
    Boss51RotChain1[6].heading = -kPi;
    Boss51RotChain1[6].linkClock = 5.0f;
    FrameTime = 0.01f;
    Boss51RotChain1_Update(0);
    EXPECT_EQ(Live(Boss51RotChain1), 0);
    EXPECT_FLOAT_EQ(Boss51RotChain1[0].x, 800.63f);
    EXPECT_GT(Boss51RotChain1[6].x, 401.0f) << "the head moved before it was retired";
    for (const RotChainLink& l : Boss51RotChain1) {
        EXPECT_EQ(l.heading, -kThrow);
        EXPECT_EQ(l.linkClock, 0.0f);
        EXPECT_EQ(l.driftX, 0.0f);
        EXPECT_EQ(l.driftY, 0.0f);
    }
    // The next call of an open window throws anew from the boss.
    Boss51RotChain1_Spawn(0);
    EXPECT_EQ(Live(Boss51RotChain1), 7);
    EXPECT_EQ(Boss51RotChain1[6].x, 275.0f);
}

TEST_F(ChainTest, AChainThrownOffTheScreenIsGoneInTheSameFrame) {
    Boss41State.x = -500;  // parked
    Boss41State.y = 2550;
    FrameTime = 1.0f / 60.0f;
    for (i32 frame = 0; frame < 3; ++frame) {
        Boss41RotChain1_Spawn(0);
        EXPECT_EQ(Live(Boss41RotChain1), 7);
        Boss41RotChain1_Update(0);
        EXPECT_EQ(Live(Boss41RotChain1), 0);
    }
}

TEST_F(ChainTest, MirrorTwinsFlyMirroredTurnAndFallOut) {
    FrameTime = 1.0f / 60.0f;
    Boss41State.x = 200;
    Boss41State.y = 40;
    Boss41RotChain1_Spawn(0);
    Boss41RotChain2_Spawn(0);
    const f32 x0 = 405.0f;
    i32 frames = 0;
    f32 lastX = 0, lastY = 0;
    while (Boss41RotChain1[0].active != 0 && frames < 1000) {
        lastX = Boss41RotChain1[0].x;
        lastY = Boss41RotChain1[0].y;
        Boss41RotChain1_Update(0);
        Boss41RotChain2_Update(0);
        ++frames;
        for (i32 k = 0; k < 7; ++k) {
            ASSERT_NEAR(Boss41RotChain1[k].x - x0, x0 - Boss41RotChain2[k].x, 1e-3f) << frames << " " << k;
            ASSERT_NEAR(Boss41RotChain1[k].y, Boss41RotChain2[k].y, 1e-3f);
        }
        if (frames == 60) {
            const f32 turned = (-kThrow - Boss41RotChain1[0].heading) * 180.0f / kPi;
            EXPECT_GT(turned, 64.0f) << "about 66 degrees in all";
            EXPECT_LT(turned, 68.0f);
        }
        if (frames == 30) {
            EXPECT_GT(Boss41RotChain1[6].y, Boss41RotChain1[0].y) << "the head leads";
        }
    }
    EXPECT_EQ(Boss41RotChain2[0].active, 0) << "the twins retire together";
    EXPECT_GT(Boss41RotChain1[0].y, 600.0f) << "the chain ends falling out of the bottom";
    // At the end it falls almost straight down and a little to the right.
    const f32 dx = Boss41RotChain1[0].x - lastX, dy = Boss41RotChain1[0].y - lastY;
    EXPECT_GT(dy, 2.0f);
    EXPECT_GT(dx, 0.0f);
    EXPECT_LT(dx, dy / 2.0f);
}

TEST_F(ChainTest, OnlyPiecesInFlightStrikeTheShip) {
    Boss51RotChain2_Spawn(0);
    Hold(Boss51RotChain2);
    FrameTime = 0.0f;
    for (RotChainLink& l : Boss51RotChain2) l.x = 100;  // out of reach
    Boss51RotChain2[3].x = 300;
    Boss51RotChain2[3].y = 309;
    Boss51RotChain2_Update(0);
    EXPECT_EQ(PlayerState.alive, 1) << "9 below the ship's corner";
    Boss51RotChain2[3].y = 310;
    Boss51RotChain2_Update(0);
    EXPECT_EQ(PlayerState.alive, 0);
    PlayerState.alive = 1;
    Boss51RotChain2[3].x = 330;
    Boss51RotChain2[3].y = 330;
    Boss51RotChain2_Update(0);
    EXPECT_EQ(PlayerState.alive, 0) << "the box is closed";

    // Link 0 leaves: the retired pieces keep their places, one of them on the ship, and strike nothing.
    PlayerState.alive = 1;
    Boss51RotChain2[0].x = 900;
    Boss51RotChain2_Update(0);
    EXPECT_EQ(Live(Boss51RotChain2), 0);
    EXPECT_EQ(Boss51RotChain2[3].x, 330.0f);
    EXPECT_EQ(PlayerState.alive, 1);
    Boss51RotChain2_Update(0);
    EXPECT_EQ(PlayerState.alive, 1);
}

}  // namespace
