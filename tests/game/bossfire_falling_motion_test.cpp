// How the falling boss bullets move, leave the field and strike the ship.
#include <gtest/gtest.h>

#include "bossfire_falling_fixture.h"
#include "game/bossfire/arc.h"
#include "game/bossfire/arc_data.h"
#include "game/bossfire/arm.h"
#include "game/bossfire/arm_data.h"
#include "game/bossfire/drops.h"
#include "game/bossfire/drops_data.h"
#include "game/bossfire/volley.h"
#include "game/bossfire/volley_data.h"

namespace {

using kt::FallingTest;

void Live(BulletSlot& b, f32 x, f32 y) {
    b.active = 1;
    b.x = x;
    b.y = y;
}

TEST_F(FallingTest, ABulletLeavesTheFieldOnlyBelowY600) {
    FrameTime = 0.5f;  // 200 px/s: 100 px this frame
    kt::ParkAll(Boss41Volley1);
    Live(Boss41Volley1[0], 300.0f, 500.0f);
    Live(Boss41Volley1[1], 300.0f, 500.01f);
    Boss41Volley1_Update(0);
    EXPECT_EQ(Boss41Volley1[0].active, 1);
    EXPECT_EQ(Boss41Volley1[0].y, 600.0f);
    EXPECT_EQ(Boss41Volley1[0].vy, 200.0f);
    EXPECT_EQ(Boss41Volley1[1].active, 0);
    EXPECT_EQ(Boss41Volley1[1].x, -500.0f);
    EXPECT_EQ(Boss41Volley1[1].y, 2550.0f);
}

TEST_F(FallingTest, TheClearFlagRetiresOnlyAtExactlyOneAndNeverAColumn) {
    for (i32 flag : {2, 1}) {
        kt::ParkAll(Boss11Volley1);
        kt::ParkAll(Boss11Volley3);
        kt::ParkAll(Boss71Drops4);
        kt::ParkAll(Boss41Arc1);
        kt::ParkAll(Boss11Arm1);
        Live(Boss11Volley1[3], 300.0f, 100.0f);
        Live(Boss11Volley3[4], 300.0f, 100.0f);
        Live(Boss71Drops4[1], 300.0f, 100.0f);
        Live(Boss41Arc1[7], 300.0f, 100.0f);
        Live(Boss11Arm1[2], 300.0f, 100.0f);
        PlayerState.bombActive = flag;
        Boss11Volley1_Update(0);
        Boss11Volley3_Update(0);
        Boss71Drops4_Update(0);
        Boss41Arc1_Update(0);
        Boss11Arm1_Update(0);
        const i32 cleared = flag == 1 ? 0 : 1;
        EXPECT_EQ(Boss11Volley1[3].active, cleared) << flag;
        EXPECT_EQ(Boss71Drops4[1].active, cleared) << flag;
        EXPECT_EQ(Boss41Arc1[7].active, cleared) << flag;
        EXPECT_EQ(Boss11Arm1[2].active, cleared) << flag;
        EXPECT_EQ(Boss11Volley3[4].active, 1) << flag;
    }
}

TEST_F(FallingTest, Boss11Arm1StrikesInsideItsBoxBoundsIncluded) {
    FrameTime = 0.0f;
    PlayerState.x = 300.0f;
    PlayerState.y = 300.0f;
    struct Case {
        f32 dx, dy;
        bool hits;
    };
    const Case cases[] = {
        {-120.0f, 0.0f, true}, {30.0f, 0.0f, true},  {0.0f, -140.0f, true}, {0.0f, 30.0f, true},
        {-120.5f, 0.0f, false}, {30.01f, 0.0f, false}, {0.0f, -140.5f, false}, {0.0f, 30.01f, false},
    };
    for (const Case& c : cases) {
        kt::ParkAll(Boss11Arm1);
        Live(Boss11Arm1[5], 300.0f + c.dx, 300.0f + c.dy);
        PlayerState.alive = 1;
        Boss11Arm1_Update(0);
        EXPECT_EQ(PlayerState.alive, c.hits ? 0 : 1) << c.dx << ", " << c.dy;
        EXPECT_EQ(Boss11Arm1[5].active, 1);  // a hit does not end the arm
    }
}

TEST_F(FallingTest, ContactBoxesOfTheDropsAndTheMemberFrames) {
    FrameTime = 0.0f;
    PlayerState.x = 300.0f;
    PlayerState.y = 300.0f;
    const auto hits = [](void (*update)(i32), BulletSlot& b, f32 dx, f32 dy) {
        PlayerState.alive = 1;
        Live(b, 300.0f + dx, 300.0f + dy);
        update(0);
        b.active = 0;
        return PlayerState.alive == 0;
    };
    kt::ParkAll(Boss71Drops4);
    EXPECT_TRUE(hits(Boss71Drops4_Update, Boss71Drops4[1], 14.0f, 24.0f));
    EXPECT_TRUE(hits(Boss71Drops4_Update, Boss71Drops4[1], 30.0f, 30.0f));
    EXPECT_FALSE(hits(Boss71Drops4_Update, Boss71Drops4[1], 13.9f, 24.0f));
    EXPECT_FALSE(hits(Boss71Drops4_Update, Boss71Drops4[1], 30.0f, 30.1f));
    kt::ParkAll(Boss51Arc1);
    EXPECT_TRUE(hits(Boss51Arc1_Update, Boss51Arc1[2], 0.0f, 0.0f));
    EXPECT_TRUE(hits(Boss51Arc1_Update, Boss51Arc1[2], 20.0f, 20.0f));
    EXPECT_FALSE(hits(Boss51Arc1_Update, Boss51Arc1[2], 20.5f, 0.0f));
    EXPECT_FALSE(hits(Boss51Arc1_Update, Boss51Arc1[2], -0.5f, 0.0f));
    kt::ParkAll(Boss11Arc1);
    EXPECT_TRUE(hits(Boss11Arc1_Update, Boss11Arc1[3], -10.0f, 0.0f));

    PlayerState.alive = 0;  // a ship that cannot be hit stays so
    Live(Boss51Arc1[2], 300.0f, 300.0f);
    Boss51Arc1_Update(0);
    EXPECT_EQ(PlayerState.alive, 0);
}

// A bullet retired in a frame stands at the park position: it strikes nothing there, not even a ship
// that stood at the park position itself.
TEST_F(FallingTest, ARetiredBulletCannotStrike) {
    PlayerState.x = -500.0f - 10.0f;
    PlayerState.y = 2550.0f - 10.0f;
    kt::ParkAll(Boss41Volley1);
    Live(Boss41Volley1[0], 300.0f, 599.0f);  // leaves the field this frame
    Boss41Volley1_Update(0);
    ASSERT_EQ(Boss41Volley1[0].active, 0);
    EXPECT_EQ(PlayerState.alive, 1);
    PlayerState.bombActive = 1;
    Live(Boss41Volley1[2], 300.0f, 100.0f);
    Boss41Volley1_Update(0);
    EXPECT_EQ(PlayerState.alive, 1);
}

TEST_F(FallingTest, TheSplitMovesFreeSlotsAndASpawnPutsThemBack) {
    FrameTime = 0.25f;
    kt::ParkAll(Boss11Volley2);
    Boss11Volley2_Update(0);
    EXPECT_EQ(Boss11Volley2[4].x, -530.0f);
    EXPECT_EQ(Boss11Volley2[5].x, -470.0f);
    EXPECT_EQ(Boss11Volley2[5].y, 2550.0f);
    for (i32 c = 0; c < 10; ++c) Boss11Volley2_Emit(0);  // pair 0 fires
    EXPECT_EQ(Boss11Volley2[0].x, 200.0f + 200.0f - 80.0f);
    EXPECT_EQ(Boss11Volley2[1].x, 200.0f + 200.0f + 80.0f);
    EXPECT_EQ(Boss11Volley2[1].y, 40.0f + 130.0f);
    Boss11Volley2_Update(0);  // 120 px/s apart each side, falling 250
    EXPECT_EQ(Boss11Volley2[0].x, 320.0f - 30.0f);
    EXPECT_EQ(Boss11Volley2[1].x, 480.0f + 30.0f);
    EXPECT_EQ(Boss11Volley2[1].y, 170.0f + 62.5f);
}

TEST_F(FallingTest, TheSwayMovesEachMemberTwiceTenPerSecond) {
    FrameTime = 0.5f;
    kt::ParkAll(Boss41Volley3);
    for (i32 c = 0; c < 10; ++c) Boss41Volley3_Emit(0);
    EXPECT_EQ(Boss41Volley3[0].x, 200.0f + 200.0f - 120.0f);
    Boss41Volley3_Update(0);
    EXPECT_EQ(Boss41Volley3[0].x, 280.0f - 10.0f);
    EXPECT_EQ(Boss41Volley3[1].x, 520.0f + 10.0f);
}

TEST_F(FallingTest, TheHeightOfTheSecondBurstPairsIsAddedInTwoSteps) {
    kt::ParkAll(Boss11Volley5);
    Boss11State.y = 0.1f;
    Boss11Volley5_Spawn(0, 0);
    EXPECT_EQ(Boss11Volley5[0].y, (0.1f + 200.0f) - 30.0f);
    EXPECT_EQ(Boss11Volley5[0].x, 200.0f + 210.0f - 100.0f);
}

TEST_F(FallingTest, AColumnAfterOneSecondHasSpreadAndFallen) {
    kt::ParkAll(Boss11Volley3);
    for (i32 c = 0; c < 60; ++c) Boss11Volley3_Emit(0);  // column 0
    const f32 x0 = 200.0f + 90.0f;
    EXPECT_EQ(Boss11Volley3[0].x, x0);
    EXPECT_EQ(Boss11Volley3[0].y, 40.0f + 90.0f);
    EXPECT_EQ(Boss11Volley3[1].y, 40.0f + 113.0f);
    EXPECT_EQ(Boss11Volley3[2].y, 40.0f + 120.0f);
    for (i32 frame = 0; frame < 60; ++frame) Boss11Volley3_Update(0);
    const f32 spread[3] = {30.0f, 60.0f, 90.0f}, start[3] = {90.0f, 113.0f, 120.0f};
    for (i32 m = 0; m < 3; ++m) {
        EXPECT_NEAR(Boss11Volley3[m].x - x0, spread[m], 0.01f) << m;
        EXPECT_NEAR(Boss11Volley3[m].y - (40.0f + start[m]), 120.0f, 0.01f) << m;
    }
    EXPECT_EQ(Boss11Volley3[3].y, 2550.0f);  // free columns drift but stay parked below
    EXPECT_NE(Boss11Volley3[3].x, -500.0f);
}

TEST_F(FallingTest, ASlantingArmKeepsGoingPastTheSideUntilItPassesTheBottom) {
    FrameTime = 0.1f;
    kt::ParkAll(Boss31Arm3);
    Live(Boss31Arm3[0], 560.0f, 100.0f);
    for (i32 frame = 0; frame < 33; ++frame) Boss31Arm3_Update(0);  // 150 px/s right and down
    EXPECT_EQ(Boss31Arm3[0].active, 1);
    EXPECT_GT(Boss31Arm3[0].x, 580.0f + 400.0f);
    EXPECT_EQ(Boss31Arm3[0].vx, 150.0f);
    for (i32 frame = 0; frame < 2; ++frame) Boss31Arm3_Update(0);
    EXPECT_EQ(Boss31Arm3[0].active, 0);
}

TEST_F(FallingTest, DropClustersSeparateAtNTimesTheirStep) {
    kt::ParkAll(Boss71Drops1);
    kt::ParkAll(Boss71Drops4);
    kt::ParkAll(Boss71Drops9);
    Boss71Drops1_Spawn(0);
    Boss71Drops4_Spawn(0);
    Boss71Drops9_Spawn(0);
    for (i32 frame = 0; frame < 60; ++frame) {
        Boss71Drops1_Update(0);
        Boss71Drops4_Update(0);
        Boss71Drops9_Update(0);
    }
    EXPECT_NEAR(Boss71Drops1[1].x - Boss71Drops1[0].x, 60.0f, 0.01f);  // 2 x 15 each side
    EXPECT_NEAR(Boss71Drops1[0].y, 40.0f + 200.0f + 140.0f, 0.01f);
    EXPECT_EQ(Boss71Drops4[1].x, 200.0f + 242.0f);  // the middle one keeps the spawn x exactly
    EXPECT_NEAR(Boss71Drops4[2].x - Boss71Drops4[1].x, 39.0f, 0.01f);
    EXPECT_NEAR(Boss71Drops9[1].x - 442.0f, 28.0f, 0.01f);  // 4 x 7 and 4 x 20
    EXPECT_NEAR(Boss71Drops9[3].x - 442.0f, 80.0f, 0.01f);
    EXPECT_NEAR(442.0f - Boss71Drops9[2].x, 80.0f, 0.01f);
}

TEST_F(FallingTest, ADropSpawnArmsOnlyFreeSlotsWhereTheBossIsNow) {
    kt::ParkAll(Boss51Drops4);
    Boss51Drops4_Spawn(0);
    Boss51Drops4_Update(0);
    const BulletSlot kept = Boss51Drops4[0];
    Boss51Drops4[1] = BulletSlot{Boss51Drops4[1].animFrame, 0, 0.0f, 2550.0f, 0, 0, 0};
    Boss51State.x = 300.0f;
    Boss51Drops4_Spawn(0);
    EXPECT_EQ(Boss51Drops4[0].x, kept.x);
    EXPECT_EQ(Boss51Drops4[0].y, kept.y);
    EXPECT_EQ(Boss51Drops4[1].x, 300.0f + 182.0f);
    EXPECT_EQ(Boss51Drops4[1].y, 40.0f + 200.0f);
}

// The contact test of pass k sees the drifting slots after k + 1 sideways steps: slot 0 is tested after
// one step of the frame, not after both.
TEST_F(FallingTest, ADropPassSeesTheSlotsDriftedSoFar) {
    FrameTime = 1.0f;
    kt::ParkAll(Boss71Drops1);
    Live(Boss71Drops1[0], 300.0f, 100.0f);
    Live(Boss71Drops1[1], 300.0f, 100.0f);
    PlayerState.x = 285.0f - 14.0f;  // slot 0 after one step (15 left): dx 14; after two: dx -1
    PlayerState.y = 240.0f - 24.0f;
    Boss71Drops1_Update(0);
    EXPECT_EQ(PlayerState.alive, 0);
    EXPECT_EQ(Boss71Drops1[0].x, 270.0f);
    EXPECT_EQ(Boss71Drops1[1].x, 330.0f);
}

TEST_F(FallingTest, ArcMembersAfterOneSecond) {
    kt::ParkAll(Boss41Arc1);
    for (i32 c = 0; c < 10; ++c) Boss41Arc1_Emit(0);
    const f32 x0 = 200.0f + 210.0f;
    for (i32 m = 0; m < 5; ++m) EXPECT_EQ(Boss41Arc1[m].x, x0) << m;
    EXPECT_EQ(Boss41Arc1[0].y, Boss41Arc1[4].y);
    EXPECT_EQ(Boss41Arc1[2].y, 40.0f + 90.0f);
    for (i32 frame = 0; frame < 60; ++frame) Boss41Arc1_Update(0);
    const f32 offsets[5] = {-100.0f, -50.0f, 0.0f, 50.0f, 100.0f};
    for (i32 m = 0; m < 5; ++m) EXPECT_NEAR(Boss41Arc1[m].x - x0, offsets[m], 0.01f) << m;
    EXPECT_EQ(Boss41Arc1[2].x, x0);
    EXPECT_NEAR(Boss41Arc1[2].y, 40.0f + 90.0f + 210.0f, 0.01f);

    kt::ParkAll(Boss11Arc1);
    for (i32 c = 0; c < 25; ++c) Boss11Arc1_Emit(0);
    for (i32 frame = 0; frame < 60; ++frame) Boss11Arc1_Update(0);
    EXPECT_NEAR(Boss11Arc1[0].x - 400.0f, -210.0f, 0.01f);
    EXPECT_NEAR(Boss11Arc1[5].x - 400.0f, 140.0f, 0.01f);
}

TEST_F(FallingTest, SlidingArcsCrossWhileTheirMembersSpread) {
    kt::ParkAll(Boss51Arc4);
    kt::ParkAll(Boss51Arc5);
    for (i32 c = 0; c < 10; ++c) {
        Boss51Arc4_Emit(0);
        Boss51Arc5_Emit(0);
    }
    for (i32 frame = 0; frame < 60; ++frame) {
        Boss51Arc4_Update(0);
        Boss51Arc5_Update(0);
    }
    EXPECT_NEAR(Boss51Arc4[2].x, 200.0f + 160.0f + 100.0f, 0.01f);
    EXPECT_NEAR(Boss51Arc5[2].x, 200.0f + 200.0f - 100.0f, 0.01f);
    EXPECT_NEAR(Boss51Arc4[4].x, 200.0f + 160.0f + 200.0f, 0.01f);
    EXPECT_EQ(Boss51Arc4[4].vx, 100.0f);
}

TEST_F(FallingTest, WideGroupsDriftOnlyTheirEnds) {
    kt::ParkAll(Boss4BArc6);
    kt::ParkAll(Boss71Arc6);
    for (i32 c = 0; c < 10; ++c) {
        Boss4BArc6_Emit(0);
        Boss71Arc6_Emit(0);
    }
    const f32 across[5] = {-44, -22, 0, 22, 44}, heights[5] = {50, 73, 80, 73, 50};
    for (i32 m = 0; m < 5; ++m) {
        EXPECT_EQ(Boss4BArc6[m].x, 200.0f + 120.0f + across[m]) << m;
        EXPECT_EQ(Boss71Arc6[m].x, 200.0f + 240.0f - 120.0f + across[m]) << m;
        EXPECT_EQ(Boss71Arc6[m].y, 40.0f + heights[m]) << m;
    }
    for (i32 frame = 0; frame < 60; ++frame) {
        Boss4BArc6_Update(0);
        Boss71Arc6_Update(0);
    }
    const f32 wide4B[5] = {-200, 0, 0, 0, 200}, wide71[5] = {-100, 0, 0, 0, 100};
    for (i32 m = 0; m < 5; ++m) {
        EXPECT_NEAR(Boss4BArc6[m].x - (320.0f + across[m]), wide4B[m], 0.01f) << m;
        EXPECT_NEAR(Boss71Arc6[m].x - (320.0f + across[m]), wide71[m], 0.01f) << m;
        EXPECT_NEAR(Boss4BArc6[m].y - (40.0f + heights[m]), 180.0f, 0.01f) << m;
    }
}

// Each drift step is added on its own, as many times as the form makes it, never multiplied up: after one
// frame a drifting slot stands at exactly x + s + s + ... (the same sum as one step times the count would
// differ in its last bits, which the guards check).
TEST_F(FallingTest, DriftStepsAreAddedOneByOne) {
    const f32 ft = FrameTime;
    const auto stepped = [ft](f32 x, f32 speed, i32 times) {
        const f32 step = speed * ft;
        for (i32 k = 0; k < times; ++k) x += step;
        return x;
    };
    struct Case {
        const char* name;
        BulletSlot* slot;
        void (*update)(i32);
        f32 speed;
        i32 times;
    };
    const Case cases[] = {
        {"column member 1", &Boss71Volley1[1], Boss71Volley1_Update, 35.0f, 3},
        {"column member 2", &Boss71Volley1[5], Boss71Volley1_Update, 55.0f, 3},
        {"arc end", &Boss41Arc1[4], Boss41Arc1_Update, 20.0f, 5},
        {"arc of seven", &Boss11Arc1[1], Boss11Arc1_Update, -20.0f, 7},
        {"wide end", &Boss71Arc6[0], Boss71Arc6_Update, -20.0f, 5},
        {"cluster of four, outer", &Boss71Drops9[3], Boss71Drops9_Update, 20.0f, 4},
        {"cluster of three", &Boss51Drops4[0], Boss51Drops4_Update, -13.0f, 3},
        {"sway", &Boss41Volley3[1], Boss41Volley3_Update, 10.0f, 2},
    };
    kt::ParkAll(Boss71Volley1);
    kt::ParkAll(Boss41Arc1);
    kt::ParkAll(Boss11Arc1);
    kt::ParkAll(Boss71Arc6);
    kt::ParkAll(Boss71Drops9);
    kt::ParkAll(Boss51Drops4);
    kt::ParkAll(Boss41Volley3);
    for (const Case& c : cases) {
        const f32 x0 = 300.0f;
        ASSERT_NE(stepped(x0, c.speed, c.times), x0 + c.speed * static_cast<f32>(c.times) * ft) << c.name;
        Live(*c.slot, x0, 100.0f);
        c.update(0);
        EXPECT_EQ(c.slot->x, stepped(x0, c.speed, c.times)) << c.name;
        c.slot->active = 0;
    }
}

// Offsets that the families give as a base and a shift are added to the boss's position one after the
// other, in single precision; boss positions are chosen where one combined offset would round otherwise.
TEST_F(FallingTest, BaseAndShiftOffsetsAreAddedInTwoSteps) {
    const auto twoSteps = [](f32 b, f32 base, f32 shift) {
        const f32 first = b + base;
        return first + shift;
    };
    kt::ParkAll(Boss11Volley3);
    Boss11State.x = 0.1f;
    ASSERT_NE(twoSteps(0.1f, 210.0f, -120.0f), 0.1f + 90.0f);
    Boss11Volley3_Spawn(0, 0);
    EXPECT_EQ(Boss11Volley3[0].x, twoSteps(0.1f, 210.0f, -120.0f));

    kt::ParkAll(Boss71Arc2);
    Boss71State.x = 33.3f;
    ASSERT_NE(twoSteps(33.3f, 230.0f, -30.0f), 33.3f + 200.0f);
    Boss71Arc2_Spawn(3, 0);
    EXPECT_EQ(Boss71Arc2[3].x, twoSteps(33.3f, 230.0f, -30.0f));
    EXPECT_EQ(Boss71Arc2[3].y, 40.0f + 83.0f);  // member 3: the top height and 23 below it
}

}  // namespace
