// The Stream families: the emitter's beat and cycle, the path walk with its gaps and its open last leg,
// the floor at y 600, and which balls touch the ship.
#include <gtest/gtest.h>

#include "el/elSystem.h"
#include "game/bossfire/stream.h"
#include "game/bossfire/stream_data.h"
#include "game/common/boss_state.h"
#include "game/common/player_state.h"
#include "game/shell/shell.h"
#include "support/headless_machine.h"

namespace {

class BossStreamTest : public kt::Headless {
protected:
    void SetUp() override {
        kt::Headless::SetUp();
        Game_NewGame();
        Game_ResetState();
        Game_ResetPools();
        PlayerState = {};
        PlayerState.x = PlayerState.y = 300;
        PlayerState.alive = 1;
        Boss41State.x = 100.9f;
        Boss41State.y = -20.7f;  // truncated towards zero: -20
        Boss31State.x = Boss31State.y = 0;
    }
    static i32 Live(const StreamBall (&balls)[50]) {
        i32 n = 0;
        for (const StreamBall& b : balls) n += b.active != 0;
        return n;
    }
};

TEST_F(BossStreamTest, BallOneComesOnTheThirdCallOrTheSecondAndACycleArmsFortyNine) {
    Boss41Stream3_Emit();
    Boss41Stream3_Emit();
    Boss31Stream7_Emit(0);
    EXPECT_EQ(Live(Boss41Stream3), 0);
    Boss31Stream7_Emit(0);
    EXPECT_EQ(Boss31Stream7[1].active, 1) << "the step-2 families arm on the second call";
    EXPECT_EQ(Boss31Stream7[1].x, 220);
    EXPECT_EQ(Boss31State.emitterClock[16], 2);
    Boss41Stream3_Emit();
    EXPECT_EQ(Boss41Stream3[1].active, 1);
    EXPECT_EQ(Boss41Stream3[1].x, 100 + 130);
    EXPECT_EQ(Boss41Stream3[1].y, -20 + 130);

    for (i32 call = 4; call <= 149; ++call) Boss41Stream3_Emit();
    EXPECT_EQ(Boss41State.emitterClock[2], 149);
    EXPECT_EQ(Live(Boss41Stream3), 49);
    EXPECT_EQ(Boss41Stream3[0].active, 0) << "slot 0 is never armed";
    Boss41Stream3[48].active = 0;
    Boss41Stream3_Emit();  // call 150
    EXPECT_EQ(Boss41State.emitterClock[2], 0);
    EXPECT_EQ(Live(Boss41Stream3), 48);

    // The counter waits while the window is shut; the next cycle skips ball 1, still in flight.
    Boss41Stream3[1].x = 7;
    Boss41Stream3[2].active = 0;
    Boss41Stream3_Update(0);
    for (i32 call = 1; call <= 6; ++call) Boss41Stream3_Emit();
    EXPECT_NE(Boss41Stream3[1].x, 100 + 130);
    EXPECT_EQ(Boss41Stream3[2].active, 1);
    EXPECT_EQ(Boss41State.emitterClock[2], 6);
    EXPECT_EQ(Boss41State.emitterClock[3], 0) << "each family has its own word";
}

TEST_F(BossStreamTest, BallsStepWholePixelsStandStillBetweenWindowsAndFallPastSixHundred) {
    FrameTime = 0.0f;  // the clock stands, the step is still taken
    Boss41Stream1[5] = StreamBall{300, 100, 0.0f, 1};
    Boss41Stream2[5] = StreamBall{300, 100, 0.0f, 1};
    Boss41Stream1_Update(0);
    Boss41Stream2_Update(0);
    EXPECT_EQ(Boss41Stream1[5].x, 294);
    EXPECT_EQ(Boss41Stream2[5].x, 306) << "mirrored";

    FrameTime = 1.0f / 64.0f;  // 0.3125 units at rate 20
    StreamBall& b = Boss41Stream1[5] = StreamBall{300, 100, 3.0625f, 1};
    Boss41Stream1_Update(0);  // 3.375: between the first two windows
    EXPECT_EQ(b.x, 300);
    b.pathClock = 3.6875f;
    Boss41Stream1_Update(0);  // 4.0: the second window's edge
    EXPECT_EQ(b.x, 294);
    EXPECT_EQ(b.y, 103);

    b = StreamBall{-200, 594, 100.0f, 1};  // off the left side, in the last leg of the short path
    Boss41Stream1_Update(0);
    EXPECT_EQ(b.active, 1) << "y 600 is on the screen";
    EXPECT_EQ(b.y, 600);
    Boss41Stream1_Update(0);
    EXPECT_EQ(b.active, 0);
    EXPECT_EQ(b.pathClock, 0.0f);
    EXPECT_EQ(b.y, 606) << "a retired ball stays where it fell";
}

// Where 140 frames of 1/64 s take a ball from (400, -300): the sum of every window of its path, the
// right-hand twin with every dx negated.
TEST_F(BossStreamTest, EveryPathLandsWhereItsWindowsAddUp) {
    using Op = void (*)(i32);
    const struct {
        Op update;
        StreamBall* balls;
        i32 dx, dy;  // of the left-hand family
    } families[] = {
        {Boss41Stream1_Update, Boss41Stream1, 77, 639},   {Boss41Stream2_Update, Boss41Stream2, -77, 639},
        {Boss41Stream3_Update, Boss41Stream3, 168, 603},  {Boss41Stream4_Update, Boss41Stream4, -168, 603},
        {Boss41Stream5_Update, Boss41Stream5, 211, 531},  {Boss41Stream6_Update, Boss41Stream6, -211, 531},
        {Boss51Stream1_Update, Boss51Stream1, 77, 639},   {Boss51Stream2_Update, Boss51Stream2, -77, 639},
        {Boss51Stream3_Update, Boss51Stream3, 168, 603},  {Boss51Stream4_Update, Boss51Stream4, -168, 603},
        {Boss51Stream5_Update, Boss51Stream5, 211, 531},  {Boss51Stream6_Update, Boss51Stream6, -211, 531},
        {Boss31Stream1_Update, Boss31Stream1, 355, 642},  {Boss31Stream2_Update, Boss31Stream2, -355, 642},
        {Boss31Stream3_Update, Boss31Stream3, 13, 750},   {Boss31Stream4_Update, Boss31Stream4, -13, 750},
        {Boss31Stream5_Update, Boss31Stream5, -293, 804}, {Boss31Stream6_Update, Boss31Stream6, 293, 804},
        {Boss31Stream7_Update, Boss31Stream7, -430, 758}, {Boss31Stream8_Update, Boss31Stream8, 430, 758},
    };
    PlayerState.alive = 0;
    FrameTime = 1.0f / 64.0f;  // a clock step of 0.3125 units at rate 20, 0.78125 at rate 50
    for (const auto& f : families) {
        f.balls[1] = StreamBall{400, -300, 0.0f, 1};
        for (i32 frame = 0; frame < 140; ++frame) f.update(0);
        EXPECT_EQ(f.balls[1].x, 400 + f.dx) << (&f - families);
        EXPECT_EQ(f.balls[1].y, -300 + f.dy) << (&f - families);
    }
}

TEST_F(BossStreamTest, AfterOneLongFrameABallKeepsItsLastStepAndFallsOff) {
    for (i32 call = 0; call < 3; ++call) Boss41Stream5_Emit();
    StreamBall& b = Boss41Stream5[1];
    FrameTime = 20.0f;  // the clock runs to 400, past the end of the path
    Boss41Stream5_Update(0);
    EXPECT_EQ(b.x, 225 + 10);
    EXPECT_EQ(b.y, 85 + 6);
    FrameTime = 1.0f / 60.0f;
    for (i32 frame = 0; frame < 100 && b.active != 0; ++frame) Boss41Stream5_Update(0);
    EXPECT_EQ(b.active, 0);
}

TEST_F(BossStreamTest, OnlyStageFiveBallsInFlightTouchTheShip) {
    FrameTime = 0.0f;
    // Boss31Stream5's first step is (-4, +6).
    Boss31Stream5[4] = StreamBall{334, 324, 0.0f, 1};  // lands 30 right of and 30 below the ship's corner
    Boss31Stream5_Update(0);
    EXPECT_EQ(PlayerState.alive, 0);
    PlayerState.alive = 1;
    Boss31Stream5[4] = StreamBall{313, 324, 0.0f, 1};  // lands 9 right of it
    Boss31Stream5_Update(0);
    EXPECT_EQ(PlayerState.alive, 1);

    PlayerState.y = 580;  // a ball retired on the ship, in that frame and after, strikes nothing
    Boss31Stream5[4] = StreamBall{324, 596, 0.0f, 1};
    Boss31Stream5_Update(0);
    Boss31Stream5_Update(0);
    EXPECT_EQ(Boss31Stream5[4].active, 0);
    EXPECT_EQ(PlayerState.alive, 1);

    PlayerState.y = 300;
    Boss41Stream1[4] = StreamBall{326, 325, 0.0f, 1};  // lands at (20, 25): the stage-3 balls pass through
    Boss41Stream1_Update(0);
    EXPECT_EQ(PlayerState.alive, 1);
}

}  // namespace
