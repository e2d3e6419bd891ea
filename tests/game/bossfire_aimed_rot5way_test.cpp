// Rot5Way lines: the line lives and dies with its slot 0, the drift of the lines of eight, the aim
// rule with turns, contact and drawing.
#include <gtest/gtest.h>

#include "bossfire_aimed_fixture.h"
#include "game/bossfire/aim_rule.h"
#include "game/bossfire/rot5way.h"
#include "game/bossfire/rot5way_data.h"

namespace {

using Lines = kt::AimedBullets;

// A live line of `count` records at (x, y), standing still.
void Place(Rot5WayBullet* line, i32 count, f32 x, f32 y) {
    for (i32 i = 0; i < count; ++i) {
        line[i].active = 1;
        line[i].x = x;
        line[i].y = y;
        line[i].speed = 0;
        line[i].heading = 0;
    }
}

bool OutsideField(const Rot5WayBullet& b, f32 margin) {
    return b.x + margin < 0 || b.x > 800 || b.y + margin < 0 || b.y > 600;
}

TEST_F(Lines, ANewLineLeavesOnlyAfterSlotZeroHasLeft) {
    // A window of 251 frames (spawn, then update and draw, every frame), the ship sitting still.
    i32 lines = 0;
    bool slot0Out = true;  // after the reset the line is idle
    for (i32 frame = 1; frame <= 251; ++frame) {
        const bool idle = Boss41Rot5Way25[0].active == 0;
        Boss41Rot5Way25_Spawn(0);
        if (idle) {
            ASSERT_TRUE(slot0Out) << frame;
            ++lines;
            for (const Rot5WayBullet& b : Boss41Rot5Way25) EXPECT_EQ(b.active, 1);
        } else {
            EXPECT_EQ(Boss41Rot5Way25[4].speed, 340.0f);
        }
        Boss41Rot5Way25_Update(0);
        Boss41Rot5Way25_Draw(0);
        slot0Out = OutsideField(Boss41Rot5Way25[0], 30.0f);
        for (const Rot5WayBullet& b : Boss41Rot5Way25) EXPECT_EQ(b.active, slot0Out ? 0 : 1) << frame;
        // the fastest bullet is out well before the line is freed
        if (!slot0Out && Boss41Rot5Way25[4].y > 600) {
            EXPECT_EQ(Boss41Rot5Way25[4].active, 1);
        }
    }
    EXPECT_EQ(lines, 3);
}

TEST_F(Lines, LinesOfEightDriftUntilTheClockReaches300) {
    FrameTime = 0.25f;  // 65 clock units a pass
    Boss41Rot5Way29_Spawn(0);
    Boss41Rot5Way30_Spawn(0);
    for (i32 i = 0; i < 8; ++i) {
        EXPECT_EQ(Boss41Rot5Way29[i].clock, 0.0f);
        Boss41Rot5Way29[i].clock = 235.0f;
        Boss41Rot5Way30[i].clock = 235.0f;
    }
    auto pass = [](Rot5WayBullet* line, void (*update)(i32), f32 sideways) {
        const Rot5WayBullet before = line[3];
        update(0);
        const double d = before.speed * 0.25;
        EXPECT_NEAR(line[3].x, before.x + sideways * d / 2 + std::cos(before.heading) * d, 1e-3);
        EXPECT_NEAR(line[3].y, before.y + (sideways != 0 ? d / 10 : 0) + std::sin(before.heading) * d, 1e-3);
        EXPECT_EQ(line[3].clock, 300.0f);
    };
    pass(Boss41Rot5Way29, Boss41Rot5Way29_Update, -1);  // clock 300: still drifts
    pass(Boss41Rot5Way29, Boss41Rot5Way29_Update, 0);   // 365, held at 300: flies straight
    pass(Boss41Rot5Way30, Boss41Rot5Way30_Update, +1);
    pass(Boss41Rot5Way30, Boss41Rot5Way30_Update, 0);
    EXPECT_EQ(Boss41Rot5Way29[7].speed, 400.0f);
}

TEST_F(Lines, TurnsAreAddedBeforeTheHalfTurn) {
    // The ship straight below the muzzle (boss + (85, 100), aim point ship + (15, 15)).
    PlayerState.x = Boss41State.x + 70.0f;
    Boss41Rot5Way3_Spawn(0);   // +90 degrees
    Boss41Rot5Way12_Spawn(0);  // -180
    EXPECT_NEAR(Lines::Deg(Boss41Rot5Way3[0].heading), 180.0, 1e-4);
    EXPECT_NEAR(Lines::Deg(Boss41Rot5Way12[4].heading), -90.0, 1e-4);
    // Straight above it, or level with it: 270 degrees plus the turn.
    PlayerState.y = Boss41State.y + 85.0f;
    Boss41Rot5Way7_Spawn(0);  // -30
    EXPECT_NEAR(Lines::Deg(Boss41Rot5Way7[2].heading), 240.0, 1e-4);
    // To the left: the arc tangent plus pi, the turn of 18 degrees (stage-2 boss) kept.
    PlayerState.x = Boss71State.x;
    PlayerState.y = Boss71State.y + 300.0f;
    Boss71Rot5Way3_Spawn(0);
    Boss71Rot5Way4_Spawn(0);
    EXPECT_NEAR(Lines::Deg(Boss71Rot5Way3[0].heading) - Lines::Deg(Boss71Rot5Way4[0].heading), 18.0, 1e-4);
    EXPECT_GT(Lines::Deg(Boss71Rot5Way4[0].heading), 90.0);
    EXPECT_LT(Lines::Deg(Boss71Rot5Way4[0].heading), 180.0);
    // The stage-1 boss aims at the ship + (9, 9) in families 4 and 5, + (15, 15) in the others.
    Fresh();
    PlayerState.x = Boss11State.x + 76.0f;
    Boss11Rot5Way4_Spawn(0);
    Boss11Rot5Way3_Spawn(0);
    EXPECT_NEAR(Lines::Deg(Boss11Rot5Way4[0].heading), 90.0, 1e-4);
    EXPECT_LT(Lines::Deg(Boss11Rot5Way3[0].heading), 108.0);
    EXPECT_EQ(Boss11Rot5Way3[1].speed, 280.0f);
}

TEST_F(Lines, ContactOnlyWhileLiveAndInsideTheBox) {
    PlayerState.x = 300.0f;
    PlayerState.y = 400.0f;
    auto hits = [](Rot5WayBullet* line, void (*update)(i32), f32 x, f32 y) {
        PlayerState.alive = 1;
        Place(line, 5, 400.0f, 300.0f);
        line[2].x = PlayerState.x + x;
        line[2].y = PlayerState.y + y;
        update(0);
        return PlayerState.alive == 0;
    };
    // Stage 2 and 3: (0, 10)..(30, 30); stage 1: (10, 20)..(30, 30).
    EXPECT_TRUE(hits(Boss71Rot5Way1, Boss71Rot5Way1_Update, 30, 30));
    EXPECT_TRUE(hits(Boss71Rot5Way1, Boss71Rot5Way1_Update, 0, 10));
    EXPECT_FALSE(hits(Boss71Rot5Way1, Boss71Rot5Way1_Update, 0, 9.9f));
    EXPECT_TRUE(hits(Boss11Rot5Way9, Boss11Rot5Way9_Update, 10, 20));
    EXPECT_FALSE(hits(Boss11Rot5Way9, Boss11Rot5Way9_Update, 9.9f, 25));
    EXPECT_EQ(Boss11Rot5Way9[2].active, 1);

    // A line freed in place (slot 0 gone) never strikes, even with a freed record on the ship.
    PlayerState.alive = 1;
    for (i32 i = 0; i < 5; ++i) Boss11Rot5Way9[i].active = 1;
    Boss11Rot5Way9[0].x = 800.5f;
    Boss11Rot5Way9[2].x = PlayerState.x + 20;
    Boss11Rot5Way9[2].y = PlayerState.y + 25;
    Boss11Rot5Way9_Update(0);
    EXPECT_EQ(Boss11Rot5Way9[2].active, 0);
    EXPECT_EQ(Boss11Rot5Way9[2].x, PlayerState.x + 20);  // freed where it stood
    EXPECT_EQ(PlayerState.alive, 1);
    Boss11Rot5Way9_Update(0);
    EXPECT_EQ(PlayerState.alive, 1);

    // Edges of the field: x 800 and -20 (stage 1) or -30 (stages 2 and 3) still inside.
    struct Edge {
        Rot5WayBullet* line;
        void (*update)(i32);
        f32 x;
        i32 live;
    };
    for (auto [line, update, x, live] : {Edge{Boss11Rot5Way9, Boss11Rot5Way9_Update, -20.0f, 1},
                                         Edge{Boss11Rot5Way9, Boss11Rot5Way9_Update, -20.5f, 0},
                                         Edge{Boss71Rot5Way1, Boss71Rot5Way1_Update, -30.0f, 1},
                                         Edge{Boss71Rot5Way1, Boss71Rot5Way1_Update, 800.0f, 1},
                                         Edge{Boss71Rot5Way1, Boss71Rot5Way1_Update, 800.01f, 0}}) {
        Place(line, 5, x, 300.0f);
        update(0);
        EXPECT_EQ(line[4].active, live) << x;
    }
}

TEST_F(Lines, DrawsStepTheAnimationAndKeepAnglesInTheTable) {
    Boss11Rot5Way1[0].animFrame = 6;
    Boss11Rot5Way1[1].animFrame = 9;  // a start cell of the reset beyond the strip
    Boss11Rot5Way1_Draw(0);
    EXPECT_EQ(Boss11Rot5Way1[0].animFrame, 0);
    EXPECT_EQ(Boss11Rot5Way1[1].animFrame, 0);

    // The ship above the muzzle, a line turned past straight up on either side: 270 - degrees leaves
    // 0..359, the angle handed to the blit does not and keeps the orientation.
    PlayerState.y = Boss11State.y + 10.0f;
    PlayerState.x = Boss11State.x + 315.0f;
    Boss11Rot5Way8_Spawn(0);  // about -104 degrees
    PlayerState.x = Boss11State.x + 305.0f;
    Boss11Rot5Way6_Spawn(0);  // about 284 degrees
    for (const Rot5WayBullet* line : {Boss11Rot5Way8, Boss11Rot5Way6}) {
        const i32 raw = 270 - Heading_Degrees(line[0].heading), angle = Heading_DrawAngle(line[0].heading);
        EXPECT_TRUE(raw < 0 || raw > 359) << raw;
        EXPECT_GE(angle, 0);
        EXPECT_LT(angle, 360);
        EXPECT_EQ(((raw - angle) % 360 + 360) % 360, 0);
    }
    Boss11Rot5Way8_Draw(0);
    Boss11Rot5Way6_Draw(0);
}

}  // namespace
