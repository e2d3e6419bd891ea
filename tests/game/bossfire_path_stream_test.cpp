// The Stream families: the emitter's beat and cycle, the path walk with its gaps and its open last leg,
// the floor at y 600, and which balls touch the ship.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/bossfire/stream.h"
#include "game/bossfire/stream_data.h"
#include "game/common/boss_state.h"
#include "game/common/player_state.h"
#include "game/shell/shell.h"
#include "support/headless_machine.h"

namespace {

class StreamTest : public kt::Headless {
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
    }
    static i32 LiveBalls(const StreamBall (&balls)[50]) {
        i32 n = 0;
        for (const StreamBall& b : balls) n += b.active != 0;
        return n;
    }
    // A live ball standing at (x, y) with its path clock at `clock`.
    static StreamBall& Place(StreamBall& b, i32 x, i32 y, f32 clock) {
        b = StreamBall{x, y, clock, 1};
        return b;
    }
};

TEST_F(StreamTest, TheFirstBallComesOnTheThirdCallIntoSlotOneOrTheSecondForTheFastFamilies) {
    Boss41State.x = 100.9f;
    Boss41State.y = -20.7f;  // truncated towards zero: -20
    Boss41Stream3_Emit();
    Boss41Stream3_Emit();
    EXPECT_EQ(Boss41State.emitterClock[2], 2);
    EXPECT_EQ(LiveBalls(Boss41Stream3), 0);
    Boss41Stream3_Emit();
    EXPECT_EQ(LiveBalls(Boss41Stream3), 1);
    EXPECT_EQ(Boss41Stream3[1].active, 1);
    EXPECT_EQ(Boss41Stream3[1].x, 100 + 130);
    EXPECT_EQ(Boss41Stream3[1].y, -20 + 130);
    EXPECT_EQ(Boss41State.emitterClock[3], 0) << "each family keeps its own counter word";

    Boss31State.x = 10;
    Boss31State.y = 20;
    Boss31Stream7_Emit(0);
    EXPECT_EQ(LiveBalls(Boss31Stream7), 0);
    Boss31Stream7_Emit(0);
    EXPECT_EQ(Boss31Stream7[1].active, 1);
    EXPECT_EQ(Boss31Stream7[1].x, 230);
    EXPECT_EQ(Boss31Stream7[1].y, 80);
    EXPECT_EQ(Boss31State.emitterClock[16], 2);
    EXPECT_EQ(Boss31State.emitterClock[0], 0) << "the ring counters are not touched";

    Boss51State.x = 0;
    Boss51Stream6_Emit();
    Boss51Stream6_Emit();
    Boss51Stream6_Emit();
    EXPECT_EQ(Boss51Stream6[1].x, 250);
    EXPECT_EQ(Boss51State.emitterClock[5], 3);
}

TEST_F(StreamTest, ACycleArmsFortyNineBallsAndItsLastCallZeroesTheCounter) {
    for (i32 call = 1; call <= 149; ++call) Boss41Stream1_Emit();
    EXPECT_EQ(Boss41State.emitterClock[0], 149);
    EXPECT_EQ(LiveBalls(Boss41Stream1), 49);
    EXPECT_EQ(Boss41Stream1[0].active, 0) << "slot 0 is never armed";
    Boss41Stream1[0] = StreamBall{-500, 500, 0.0f, 0};
    Boss41Stream1_Emit();  // call 150
    EXPECT_EQ(Boss41State.emitterClock[0], 0);
    EXPECT_EQ(LiveBalls(Boss41Stream1), 49);

    // The next cycle finds ball 1 still in flight: its turn passes and it is not armed late.
    Boss41Stream1[2].active = 0;
    Place(Boss41Stream1[1], 7, 8, 5.0f);
    for (i32 call = 1; call <= 6; ++call) Boss41Stream1_Emit();
    EXPECT_EQ(Boss41Stream1[1].x, 7);
    EXPECT_EQ(Boss41Stream1[1].pathClock, 5.0f);
    EXPECT_EQ(Boss41Stream1[2].active, 1);
    Boss41Stream1[1].active = 0;
    Boss41Stream1_Emit();
    EXPECT_EQ(Boss41Stream1[1].active, 0);
}

TEST_F(StreamTest, TheCounterCarriesOverFromOneWindowToTheNext) {
    Boss31Stream2_Emit(0);
    Boss31Stream2_Emit(0);
    for (i32 frame = 0; frame < 30; ++frame) {  // the window is shut: only updates and draws run
        Boss31Stream2_Update(0);
        Boss31Stream2_Draw(0);
    }
    EXPECT_EQ(Boss31State.emitterClock[11], 2);
    EXPECT_EQ(LiveBalls(Boss31Stream2), 0);
    Boss31Stream2_Emit(0);
    EXPECT_EQ(Boss31Stream2[1].active, 1) << "the third call of the cycle, whenever it comes";
    Game_ResetPools();
    EXPECT_EQ(Boss31State.emitterClock[11], 0);
    EXPECT_EQ(Boss31Stream2[1].active, 0);
}

TEST_F(StreamTest, BallsStepWholePixelsAndStandStillBetweenWindows) {
    FrameTime = 0.0f;  // the clock stands, the step is still taken
    StreamBall& left = Place(Boss41Stream1[5], 300, 100, 0.0f);
    StreamBall& right = Place(Boss41Stream2[5], 300, 100, 0.0f);
    Boss41Stream1_Update(0);
    Boss41Stream2_Update(0);
    EXPECT_EQ(left.x, 294);
    EXPECT_EQ(right.x, 306);
    EXPECT_EQ(left.y, 100);

    FrameTime = 0.015f;  // 0.3 units at rate 20
    Place(left, 300, 100, 3.1f);  // to 3.4: between the first two windows
    Boss41Stream1_Update(0);
    EXPECT_EQ(left.x, 300);
    EXPECT_EQ(left.y, 100);
    EXPECT_FLOAT_EQ(left.pathClock, 3.4f);
    Place(left, 300, 100, 3.7f);  // to 4.0: the second window's edge
    Boss41Stream1_Update(0);
    EXPECT_EQ(left.x, 294);
    EXPECT_EQ(left.y, 103);

    // Rate 50 for the fast families: 0.75 units in this frame, into the second window.
    StreamBall& fast = Place(Boss31Stream8[3], 300, 100, 10.5f);
    Boss31Stream8_Update(0);
    EXPECT_FLOAT_EQ(fast.pathClock, 11.25f);
    EXPECT_EQ(fast.x, 304);
    EXPECT_EQ(fast.y, 104);
}

TEST_F(StreamTest, ABallRetiresOnlyBelowSixHundredAndMayLeaveTheSides) {
    FrameTime = 1.0f / 60.0f;
    StreamBall& b = Place(Boss51Stream5[9], -200, 594, 100.0f);  // far off the left side, in the last leg
    Boss51Stream5_Update(0);
    EXPECT_EQ(b.active, 1) << "y 600 is still on the screen";
    EXPECT_EQ(b.x, -190);
    EXPECT_EQ(b.y, 600);
    Boss51Stream5_Update(0);
    EXPECT_EQ(b.active, 0);
    EXPECT_EQ(b.pathClock, 0.0f);
    EXPECT_EQ(b.x, -180) << "a retired ball stays where it fell";
    EXPECT_EQ(b.y, 606);
    Boss51Stream5_Update(0);
    EXPECT_EQ(b.y, 606);
}

TEST_F(StreamTest, AfterOneLongFrameABallKeepsItsLastStepAndFallsOffTheScreen) {
    Boss41State.x = 100;
    Boss41State.y = 50;
    for (i32 call = 0; call < 3; ++call) Boss41Stream5_Emit();
    Boss31State.x = 100;
    Boss31State.y = 50;
    Boss31Stream1_Emit(0);
    Boss31Stream1_Emit(0);
    Boss31Stream1_Emit(0);
    StreamBall& curl = Boss41Stream5[1];
    StreamBall& wide = Boss31Stream1[1];
    FrameTime = 20.0f;  // the clocks run to 400, past the end of every path
    Boss41Stream5_Update(0);
    Boss31Stream1_Update(0);
    EXPECT_EQ(curl.x, 225 + 10);
    EXPECT_EQ(curl.y, 155 + 6);
    EXPECT_EQ(wide.x, 320 + 9);
    FrameTime = 1.0f / 60.0f;
    i32 frames = 0;
    while ((curl.active != 0 || wide.active != 0) && frames < 200) {
        Boss41Stream5_Update(0);
        Boss31Stream1_Update(0);
        ++frames;
    }
    EXPECT_EQ(curl.active, 0);
    EXPECT_EQ(wide.active, 0);
    EXPECT_GT(curl.y, 600);
}

TEST_F(StreamTest, AWholeWindowOfBallsFallsAwayAtTheFrameRate) {
    FrameTime = 1.0f / 60.0f;
    Boss51State.x = 100;
    Boss51State.y = 20;
    i32 most = 0;
    for (i32 frame = 0; frame < 900; ++frame) {
        if (frame < 246) {  // one window of the attack clock
            Boss51Stream3_Emit();
            Boss51Stream4_Emit();
        }
        Boss51Stream3_Update(0);
        Boss51Stream4_Update(0);
        most = std::max(most, LiveBalls(Boss51Stream3));
    }
    EXPECT_GE(most, 30);
    EXPECT_EQ(LiveBalls(Boss51Stream3), 0) << "every ball of the chain has passed the bottom";
    EXPECT_EQ(LiveBalls(Boss51Stream4), 0);
    EXPECT_EQ(Boss51State.emitterClock[2], 246 - 150);
}

TEST_F(StreamTest, OnlyTheStageFiveBallsInFlightTouchTheShip) {
    FrameTime = 0.0f;
    // Boss31Stream5's first step is (-4, +6): a ball lands 30 right of and 30 below the ship's corner.
    Place(Boss31Stream5[4], 334, 324, 0.0f);
    Boss31Stream5_Update(0);
    EXPECT_EQ(PlayerState.alive, 0) << "the box is closed";

    PlayerState.alive = 1;
    Place(Boss31Stream5[4], 334 - 24, 324 - 10, 0.0f);  // lands at dx 6: outside
    Boss31Stream5_Update(0);
    EXPECT_EQ(PlayerState.alive, 1);

    // A ball that fell below the floor in this frame, or lies there, strikes nothing, even on the ship.
    PlayerState.y = 580;
    Place(Boss31Stream5[4], 324, 596, 0.0f);
    Boss31Stream5_Update(0);
    EXPECT_EQ(Boss31Stream5[4].active, 0);
    Boss31Stream5[4].x = 320;
    Boss31Stream5[4].y = 605;
    Boss31Stream5_Update(0);
    EXPECT_EQ(PlayerState.alive, 1);

    // The stage-3 and stage-4 streams pass through the ship.
    PlayerState.y = 300;
    Place(Boss41Stream1[4], 326, 325, 0.0f);
    Boss41Stream1_Update(0);
    EXPECT_EQ(PlayerState.alive, 1);
}

}  // namespace
