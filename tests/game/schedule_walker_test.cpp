// The schedule walker: how a row's windows, further windows and gates decide how often its calls run, and
// what the calls are given.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/stage/schedule.h"
#include "game/stage/stage_frame.h"

namespace {

using namespace sched;

std::vector<std::string> Log;
void A(i32 w) { Log.push_back("A" + std::to_string(w)); }
void B(i32 w) { Log.push_back("B" + std::to_string(w)); }
void Two(i32 w, i32 x) { Log.push_back("T" + std::to_string(w) + "," + std::to_string(x)); }
void None() { Log.push_back("N"); }

ScheduleView At(f32 d, i32 clock = 0, i32 level = 1, i32 playMode = 1, i32 subMode = 0) {
    return {d, clock, 500.0f, level, playMode, subMode};
}

std::vector<std::string> Walk(Schedule rows, const ScheduleView& v, i32 familyArg = 0) {
    StageScript s{};
    s.familyArg = familyArg;
    Log.clear();
    Schedule_RunIn(rows, s, v);
    return Log;
}

using L = std::vector<std::string>;

TEST(ScheduleWalker, DistanceWindowsHoldOnlyInsideTheirEnds) {
    constexpr ScheduleStep open[] = {Open(120, 500), Call(A, "A")};
    constexpr ScheduleStep closed[] = {Closed(100, 150), Call(A, "A")};
    EXPECT_EQ(Walk(open, At(120.0f)), L{});
    EXPECT_EQ(Walk(open, At(120.01f)), L{"A0"});
    EXPECT_EQ(Walk(open, At(499.99f)), L{"A0"});
    EXPECT_EQ(Walk(open, At(500.0f)), L{});
    EXPECT_EQ(Walk(closed, At(100.0f)), L{"A0"});
    EXPECT_EQ(Walk(closed, At(150.0f)), L{"A0"});
    EXPECT_EQ(Walk(closed, At(150.01f)), L{});
}

TEST(ScheduleWalker, RowsRunInOrderAndTwiceWhereTwoOfTheirWindowsMeet) {
    // Two windows of one row sharing the clock value 250: the whole call list runs twice in that frame,
    // window after window; the next row follows.
    constexpr ScheduleStep rows[] = {
        Clock(200, 250), Clock(250, 400), Call(A, "A"), Call(B, "B"),
        Clock(0, 1000),                   Call(None, "N"),
    };
    EXPECT_EQ(Walk(rows, At(0, 249)), (L{"A0", "B0", "N"}));
    EXPECT_EQ(Walk(rows, At(0, 250)), (L{"A0", "B0", "A0", "B0", "N"}));
    EXPECT_EQ(Walk(rows, At(0, 251)), (L{"A0", "B0", "N"}));
    EXPECT_EQ(Walk(rows, At(0, 199)), (L{"N"}));
    EXPECT_EQ(Walk(rows, At(0, 401)), (L{"N"}));
}

TEST(ScheduleWalker, GatesAndFurtherWindowsMustAllHold) {
    constexpr ScheduleStep rows[] = {
        Every(), Call(A, "A"),
        Clock(20, 280), Only(Gate::Level2Or3), Call(B, "B"),
        Open(280, 420), Within(360, 400), Only(Gate::PlayMode2), Call(None, "N"),
        Only(Gate::SubMode1), Call(Two, "T"),
    };
    EXPECT_EQ(Walk(rows, At(380, 100, 1)), (L{"A0"}));
    EXPECT_EQ(Walk(rows, At(380, 100, 3)), (L{"A0", "B0"}));
    EXPECT_EQ(Walk(rows, At(380, 100, 2)), (L{"A0", "B0"}));
    EXPECT_EQ(Walk(rows, At(380, 0, 3, 2)), (L{"A0", "N"}));
    EXPECT_EQ(Walk(rows, At(300, 0, 3, 2)), (L{"A0"})) << "inside the outer window only";
    EXPECT_EQ(Walk(rows, At(300, 0, 1, 1, 1)), (L{"A0", "T0,0"}));
}

TEST(ScheduleWalker, CallsGetTheFamilyWordOrTheirLiterals) {
    constexpr ScheduleStep rows[] = {
        Every(), Call(A, "A"), Call(Two, "T"), SlotCall(B, 7, "B"), SlotCall(Two, 3, 4, "T"), Call(None, "N"),
    };
    EXPECT_EQ(Walk(rows, At(0), 5), (L{"A5", "T5,0", "B7", "T3,4", "N"}));
}

}  // namespace
