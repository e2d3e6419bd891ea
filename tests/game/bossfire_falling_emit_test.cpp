// The group clocks of the falling boss bullets: which calls of an emitter arm which slots.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "bossfire_falling_fixture.h"
#include "game/bossfire/arc.h"
#include "game/bossfire/arc_data.h"
#include "game/bossfire/arm.h"
#include "game/bossfire/arm_data.h"
#include "game/bossfire/volley.h"
#include "game/bossfire/volley_data.h"

namespace {

using kt::FallingTest;
using Firings = std::map<i32, std::vector<i32>>;  // emitter call (from 1) -> slots armed on it

// Calls `emit` `calls` times from the pool's present state, freeing what each call armed.
template <size_t N>
Firings EmitCalls(void (*emit)(i32), BulletSlot (&pool)[N], i32 calls, i32 from = 1) {
    Firings f;
    for (i32 c = from; c < from + calls; ++c) {
        emit(0);
        std::vector<i32> armed = kt::TakeArmed(pool);
        if (!armed.empty()) f[c] = armed;
    }
    return f;
}

TEST_F(FallingTest, ArmsFireEveryTenthCallAndWrapToTen) {
    kt::ParkAll(Boss11Arm1);
    const Firings f = EmitCalls(Boss11Arm1_Emit, Boss11Arm1, 600);
    Firings expected;
    for (i32 i = 0; i < 19; ++i) expected[10 * (i + 1)] = {i};  // 10 .. 190: slots 0 .. 18
    for (i32 c = 200, i = 0; c <= 600; c += 10, i = (i + 1) % 19) expected[c] = {i};  // 200: slot 0 again
    EXPECT_EQ(f, expected);
    EXPECT_EQ(Boss11Arm1[19].active, 0);
    EXPECT_EQ(Boss11Arm1[19].y, 2550.0f);
}

TEST_F(FallingTest, AnArmStillFallingLosesItsTurn) {
    kt::ParkAll(Boss71Arm1);
    for (i32 c = 1; c <= 10; ++c) Boss71Arm1_Emit(0);
    ASSERT_EQ(Boss71Arm1[0].active, 1);
    const f32 x = Boss71Arm1[0].x, y = Boss71Arm1[0].y;
    Boss71State.x += 50.0f;
    for (i32 c = 11; c <= 200; ++c) Boss71Arm1_Emit(0);  // the 200th call is slot 0's turn again
    EXPECT_EQ(Boss71Arm1[0].x, x);
    EXPECT_EQ(Boss71Arm1[0].y, y);
}

TEST_F(FallingTest, ThreeTripletsNeverArmTheLastTwoPairs) {
    kt::ParkAll(Boss11Volley1);
    const Firings f = EmitCalls(Boss11Volley1_Emit, Boss11Volley1, 450);
    Firings expected;
    const i32 at[8] = {10, 20, 30, 70, 80, 90, 130, 140};
    for (i32 period = 0; period < 3; ++period)
        for (i32 k = 0; k < 8; ++k) expected[150 * period + at[k]] = {2 * k, 2 * k + 1};
    EXPECT_EQ(f, expected);
    for (i32 s = 16; s < 20; ++s) EXPECT_EQ(Boss11Volley1[s].y, 2550.0f) << s;
}

TEST_F(FallingTest, BurstOfTenPausesThirtyCallsAfterEachFive) {
    kt::ParkAll(Boss41Volley1);
    const Firings f = EmitCalls(Boss41Volley1_Emit, Boss41Volley1, 300);
    Firings expected;
    const i32 at[10] = {10, 20, 30, 40, 50, 80, 90, 100, 110, 120};
    for (i32 period = 0; period < 3; ++period)
        for (i32 k = 0; k < 10; ++k)
            if (140 * period + at[k] <= 300) expected[140 * period + at[k]] = {2 * k, 2 * k + 1};
    EXPECT_EQ(f, expected);
}

TEST_F(FallingTest, TheClockStandsStillBetweenWindows) {
    kt::ParkAll(Boss11Volley5);
    Firings first = EmitCalls(Boss11Volley5_Emit, Boss11Volley5, 25);  // a window that ends between pairs 1 and 2
    EXPECT_EQ(first, (Firings{{10, {0, 1}}, {20, {2, 3}}}));
    Firings second = EmitCalls(Boss11Volley5_Emit, Boss11Volley5, 10, 26);  // the next window goes on from 26
    EXPECT_EQ(second, (Firings{{30, {4, 5}}}));
}

TEST_F(FallingTest, ColumnsFireAllThreeMembersTogether) {
    kt::ParkAll(Boss71Volley1);
    const Firings f = EmitCalls(Boss71Volley1_Emit, Boss71Volley1, 230);
    const i32 at[10] = {20, 40, 60, 80, 100, 140, 160, 180, 200, 220};
    Firings expected;
    for (i32 k = 0; k < 10; ++k) expected[at[k]] = {3 * k, 3 * k + 1, 3 * k + 2};
    EXPECT_EQ(f, expected);
    EXPECT_EQ(Boss71Volley1[0].emitClock, 0);  // the 230th call wrapped
}

TEST_F(FallingTest, Boss41Arc1OverItsWindowOf151Calls) {
    kt::ParkAll(Boss41Arc1);
    const Firings f = EmitCalls(Boss41Arc1_Emit, Boss41Arc1, 151);
    const i32 at[10] = {10, 20, 30, 40, 50, 80, 90, 100, 120, 130};
    Firings expected;
    for (i32 g = 0; g < 10; ++g) expected[at[g]] = {5 * g, 5 * g + 1, 5 * g + 2, 5 * g + 3, 5 * g + 4};
    EXPECT_EQ(f, expected);
    for (const BulletSlot& b : Boss41Arc1) EXPECT_EQ(b.emitClock, 1);
}

TEST_F(FallingTest, TheGroupOfSevenFiresFiveGroups) {
    kt::ParkAll(Boss11Arc1);
    const Firings f = EmitCalls(Boss11Arc1_Emit, Boss11Arc1, 140);
    ASSERT_EQ(f.size(), 5u);
    i32 g = 0;
    for (const auto& [call, slots] : f) {
        EXPECT_EQ(call, 25 * (g + 1));
        EXPECT_EQ(slots, (std::vector<i32>{7 * g, 7 * g + 1, 7 * g + 2, 7 * g + 3, 7 * g + 4, 7 * g + 5, 7 * g + 6}));
        ++g;
    }
}

TEST_F(FallingTest, TheArcsThatArmInTheirEmitterFireEveryThirtyCalls) {
    kt::ParkAll(Boss11Arc2);
    const Firings f = EmitCalls(Boss11Arc2_Emit, Boss11Arc2, 340);
    ASSERT_EQ(f.size(), 10u);
    for (i32 g = 0; g < 10; ++g) EXPECT_EQ(f.at(30 * (g + 1)).front(), 5 * g);
}

// A frame whose attack clock lies on the shared bound of two windows calls the emitter twice.
TEST_F(FallingTest, ADoubleCallAdvancesTheClockByTwoAndArmsWhatTheSecondReaches) {
    kt::ParkAll(Boss31Arc2);
    for (i32 c = 1; c <= 29; ++c) Boss31Arc2_Emit(0);
    Boss31Arc2_Emit(0);  // clock 30: group 0
    Boss31Arc2_Emit(0);
    EXPECT_EQ(Boss31Arc2[0].emitClock, 31);
    EXPECT_EQ(kt::TakeArmed(Boss31Arc2), (std::vector<i32>{0, 1, 2, 3, 4}));

    kt::ParkAll(Boss71Arc4);
    for (i32 c = 1; c <= 9; ++c) Boss71Arc4_Emit(0);
    Boss71Arc4_Emit(0);  // two calls on one frame: clock 10 arms group 0, then 11 arms nothing
    Boss71Arc4_Emit(0);
    EXPECT_EQ(Boss71Arc4[0].emitClock, 11);
    EXPECT_EQ(kt::TakeArmed(Boss71Arc4).size(), 5u);
}

// Boss71Arc1 gets 51 calls per attack cycle against a wrap point of 230.
TEST_F(FallingTest, Boss71Arc1OverFiveAttackCycles) {
    kt::ParkAll(Boss71Arc1);
    std::vector<std::vector<i32>> groupsPerCycle;
    for (i32 cycle = 0; cycle < 5; ++cycle) {
        std::vector<i32> groups;
        for (i32 c = 0; c < 51; ++c) {
            Boss71Arc1_Emit(0);
            std::vector<i32> armed = kt::TakeArmed(Boss71Arc1);
            if (!armed.empty()) groups.push_back(armed.front() / 5);
        }
        groupsPerCycle.push_back(groups);
    }
    EXPECT_EQ(groupsPerCycle, (std::vector<std::vector<i32>>{{0, 1}, {2, 3, 4}, {5, 6}, {7, 8, 9}, {0}}));
    EXPECT_EQ(Boss71Arc1[0].emitClock, 25);
}

}  // namespace
