// The RotChain families: the drift that starts a frame late, the per-frame turn and its end, the
// retirement of the whole chain with its slowest link, mirror twins, and contact.
#include <gtest/gtest.h>

#include "el/elSystem.h"
#include "game/bossfire/rotchain.h"
#include "game/bossfire/rotchain_data.h"
#include "game/common/boss_state.h"
#include "game/common/player_state.h"
#include "game/shell/shell.h"
#include "support/headless_machine.h"

namespace {

constexpr f32 kPi = 3.14159265358979323846f;

class BossRotChainTest : public kt::Headless {
protected:
    void SetUp() override {
        kt::Headless::SetUp();
        Game_NewGame();
        Game_ResetState();
        Game_ResetPools();
        PlayerState = {};
        PlayerState.x = PlayerState.y = 300;
        PlayerState.alive = 1;
        Boss41State.x = Boss51State.x = 100;
        Boss41State.y = Boss51State.y = 40;
    }
    // A chain thrown and held still: no speed and, until its first update, no drift.
    static RotChainLink* Held(void (*spawn)(i32), RotChainLink (&chain)[7]) {
        spawn(0);
        for (RotChainLink& l : chain) l.speed = 0.0f;
        return chain;
    }
    static i32 Live(const RotChainLink (&chain)[7]) {
        i32 n = 0;
        for (const RotChainLink& l : chain) n += l.active != 0;
        return n;
    }
};

TEST_F(BossRotChainTest, TheDriftIsZeroInTheFirstFrameAndSixteenLessSevenPerPieceAfter) {
    RotChainLink* odd = Held(Boss51RotChain1_Spawn, Boss51RotChain1);
    RotChainLink* even = Held(Boss51RotChain2_Spawn, Boss51RotChain2);
    FrameTime = 0.5f;
    for (i32 frame = 1; frame <= 2; ++frame) {
        Boss51RotChain1_Update(0);
        Boss51RotChain2_Update(0);
        for (i32 k = 0; k < 7; ++k) {
            const f32 moved = frame == 1 ? 0.0f : static_cast<f32>(16 - 7 * k) / 2.0f;
            EXPECT_EQ(odd[k].x, 275.0f - moved) << "frame " << frame << " piece " << k;
            EXPECT_EQ(even[k].x, 275.0f + moved);
            EXPECT_EQ(odd[k].y, 70.0f - moved);
            EXPECT_EQ(even[k].y, 70.0f - moved);
        }
    }
}

TEST_F(BossRotChainTest, TheHeadingTurnsOncePerFrameUntilTheLinkClockHasReachedSeventeen) {
    const f32 turn = 2.0f * kPi / 320.0f;
    RotChainLink* l = Held(Boss41RotChain3_Spawn, Boss41RotChain3);
    FrameTime = 0.0f;  // the turn does not scale with the frame time
    Boss41RotChain3_Update(0);
    Boss41RotChain3_Update(0);
    EXPECT_FLOAT_EQ(l[0].heading, -2.0f * kPi / 10.0f - 2.0f * turn);

    FrameTime = 0.05f;  // one clock unit
    l[0].linkClock = 16.0f;
    const f32 h0 = l[0].heading;
    Boss41RotChain3_Update(0);
    EXPECT_FLOAT_EQ(l[0].heading, h0 - turn) << "a clock of exactly 17 turns once more";
    EXPECT_EQ(l[0].linkClock, 18.0f);
    Boss41RotChain3_Update(0);
    EXPECT_FLOAT_EQ(l[0].heading, h0 - turn);
    EXPECT_EQ(l[0].linkClock, 18.0f);

    FrameTime = 0.015f;
    l[1].linkClock = 16.9f;
    const f32 h1 = l[1].heading;
    Boss41RotChain3_Update(0);  // 16.9 to 17.2
    EXPECT_EQ(l[1].heading, h1);
    EXPECT_EQ(l[1].linkClock, 18.0f);
}

TEST_F(BossRotChainTest, AllSevenRetireInTheFrameLinkZeroLeavesTheScreen) {
    RotChainLink* c = Held(Boss51RotChain1_Spawn, Boss51RotChain1);
    FrameTime = 0.0f;
    c[0].x = 800.0f;
    c[0].y = 600.0f;
    Boss51RotChain1_Update(0);
    EXPECT_EQ(Live(Boss51RotChain1), 7) << "link 0 at x 800, y 600 is on the screen";

    for (i32 k = 0; k < 7; ++k) c[k] = RotChainLink{400.0f, 300.0f, 0, 0, -kPi, 150.0f, 5.0f, 1};
    c[0].x = 799.0f;  // flies 1.5 pixels right in this frame (odd chains fly against the heading)
    FrameTime = 0.01f;
    Boss51RotChain1_Update(0);
    EXPECT_EQ(Live(Boss51RotChain1), 0);
    EXPECT_FLOAT_EQ(c[0].x, 800.5f);
    EXPECT_FLOAT_EQ(c[6].x, 401.5f) << "each piece moves, then retires where it stands";
    EXPECT_EQ(c[6].heading, -2.0f * kPi / 10.0f);
    EXPECT_EQ(c[6].linkClock, 0.0f);
}

TEST_F(BossRotChainTest, MirrorTwinsFlyMirroredUntilTheyFallOutTogether) {
    FrameTime = 1.0f / 60.0f;
    Boss41RotChain1_Spawn(0);
    Boss41RotChain2_Spawn(0);
    const f32 x0 = 305.0f;
    i32 frames = 0;
    for (; Boss41RotChain1[0].active != 0 && frames < 1000; ++frames) {
        Boss41RotChain1_Update(0);
        Boss41RotChain2_Update(0);
        for (i32 k = 0; k < 7; ++k) {
            ASSERT_NEAR(Boss41RotChain1[k].x - x0, x0 - Boss41RotChain2[k].x, 0.01f) << frames << " " << k;
            ASSERT_EQ(Boss41RotChain1[k].y, Boss41RotChain2[k].y);
        }
    }
    EXPECT_EQ(Live(Boss41RotChain2), 0);
    EXPECT_GT(Boss41RotChain1[0].y, 600.0f) << "out of the bottom";
}

TEST_F(BossRotChainTest, OnlyPiecesInFlightStrikeTheShip) {
    RotChainLink* c = Held(Boss51RotChain2_Spawn, Boss51RotChain2);
    FrameTime = 0.0f;
    c[3].x = 300;
    c[3].y = 309;
    Boss51RotChain2_Update(0);
    EXPECT_EQ(PlayerState.alive, 1) << "9 below the ship's corner";
    c[3].x = 330;
    c[3].y = 330;
    Boss51RotChain2_Update(0);
    EXPECT_EQ(PlayerState.alive, 0) << "the box is closed";

    PlayerState.alive = 1;
    c[0].x = 900;  // link 0 leaves: piece 3 stays on the ship, retired
    Boss51RotChain2_Update(0);
    Boss51RotChain2_Update(0);
    EXPECT_EQ(c[3].x, 330.0f);
    EXPECT_EQ(PlayerState.alive, 1);
}

}  // namespace
