// The escort rows of the stages: how many steps the formation timers and the bombers take in one frame at
// the edges and overlaps of their windows, and the escort rows behind play-mode gates.
#include <cmath>

#include "game/enemy/szak10.h"
#include "game/enemy/szak12_data.h"
#include "game/enemy/szak30b_data.h"
#include "game/enemy/szak6_data.h"
#include "game/stage/stage_frame.h"
#include "game/stage_fixture.h"

namespace {

class ScheduleEscortTest : public kt::StageTest {
protected:
    // The escort rows of `s` alone, once, at distance `d`, in a game just entered at `level`.
    static void EscortsAt(const StageScript& s, f32 d, i32 level = 1) {
        EnterStage(s.mode, level);
        StageState.distance = d;
        s.familiesBeforeItems(s);
    }
};

// One frame's steps of the four formation timers (the launch counter of each formation's first ship):
// windows open at both ends, and a timer listed in two windows that hold together steps twice.
TEST_F(ScheduleEscortTest, FormationTimersStepOncePerOpenWindow) {
    struct Case {
        const StageScript* s;
        f32 d;
        i32 s30, s31, s32, s33;
    };
    const Case cases[] = {
        {&Stage1Script, 160, 0, 0, 0, 0},   {&Stage1Script, 199, 1, 0, 0, 0},  {&Stage1Script, 200, 0, 0, 0, 0},
        {&Stage1Script, 955, 1, 1, 1, 1},   {&Stage1Script, 1175, 0, 0, 1, 1}, {&Stage1Script, 1200, 0, 0, 0, 0},
        {&Stage2Script, 575, 1, 1, 0, 0},   {&Stage2Script, 625, 0, 0, 1, 1},  {&Stage2Script, 800, 0, 0, 0, 0},
        {&Stage2Script, 830, 1, 1, 0, 0},   {&Stage2Script, 1050, 1, 1, 0, 0}, {&Stage2BScript, 775, 0, 0, 1, 1},
        {&Stage5Script, 75, 1, 1, 0, 0},    {&Stage5Script, 420, 0, 1, 0, 0},  {&Stage5Script, 840, 1, 0, 0, 0},
        {&Stage5Script, 900, 0, 0, 0, 0},   {&Stage5Script, 950, 1, 1, 0, 0},  {&Stage4BScript, 180, 1, 0, 0, 0},
        {&Stage4BScript, 200, 0, 0, 0, 0},  {&Stage4BScript, 225, 1, 2, 0, 0}, {&Stage4BScript, 900, 1, 1, 0, 0},
    };
    for (const Case& c : cases) {
        EscortsAt(*c.s, c.d);
        EXPECT_EQ(Szak30BSlots[0].waveClock, c.s30) << "mode " << c.s->mode << ", d = " << c.d;
        EXPECT_EQ(Szak31BSlots[0].waveClock, c.s31) << "mode " << c.s->mode << ", d = " << c.d;
        EXPECT_EQ(Szak32BSlots[0].waveClock, c.s32) << "mode " << c.s->mode << ", d = " << c.d;
        EXPECT_EQ(Szak33BSlots[0].waveClock, c.s33) << "mode " << c.s->mode << ", d = " << c.d;
    }
}

// The bombers of Szak10 take as many update steps per frame as their stage runs: two in stages 1 and 4B,
// one in stage 4, three in stages 2B and 5, whatever the frame time. Stage 5 also arms its bombs on every
// frame, with or without a bomber in flight.
TEST_F(ScheduleEscortTest, BombersTakeTheirStagesStepsPerFrame) {
    struct Case {
        const StageScript* s;
        int steps;
    };
    for (const Case& c : {Case{&Stage1Script, 2}, Case{&Stage4Script, 1}, Case{&Stage4BScript, 2},
                          Case{&Stage2BScript, 3}, Case{&Stage5Script, 3}}) {
        EnterStage(c.s->mode, 1);
        Szak10_Spawn(0);
        ASSERT_EQ(Szak10Slots[0].active, 1);
        const f32 y0 = Szak10Slots[0].y, vy = Szak10Slots[0].vy;
        FrameTime = 0.01f;
        StageState.distance = 5000;  // past every escort window
        c.s->familiesBeforeItems(*c.s);
        EXPECT_NEAR(Szak10Slots[0].y, y0 + static_cast<f32>(c.steps) * vy * 0.01f, 1e-3f) << c.s->mode;
    }
}

// Escort rows behind play-mode gates stand in the schedules and run once the gate is forced: the stage-2
// saucers' clocked fans in 360 < d < 400 of their window with play mode 2, and stage 4's first Szak12 shot
// set with play mode 2.
TEST_F(ScheduleEscortTest, GatedEscortRowsRunWhenTheGateIsForced) {
    for (i32 mode : {1, 2}) {
        EnterStage(Stage2Script.mode, 1);
        PlayMode = mode;
        StageState.distance = 380;
        Stage2Script.familiesBeforeItems(Stage2Script);
        EXPECT_EQ(Szak6AShot7Slots[0].emitClock, mode == 2 ? 1 : 0) << mode;
        EXPECT_EQ(Szak6BShot7Slots[0].emitClock, mode == 2 ? 1 : 0) << mode;
        EnterStage(Stage2Script.mode, 1);
        PlayMode = mode;
        StageState.distance = 300;  // inside the saucers' window, outside 360 < d < 400
        Stage2Script.familiesBeforeItems(Stage2Script);
        EXPECT_EQ(Szak6AShot7Slots[0].emitClock, 0) << mode;
    }
    for (i32 mode : {1, 2}) {
        EnterStage(Stage4Script.mode, 1);
        PlayMode = mode;
        StageState.distance = 550;
        FrameTime = 1.0f / 60;
        for (int frame = 0; frame < 120; ++frame) Stage4Script.familiesBeforeItems(Stage4Script);
        int live = 0;
        for (const BulletSlot& b : Szak12Shot1Slots) live += b.active;
        if (mode == 1) {
            EXPECT_EQ(live, 0);
        } else {
            EXPECT_GT(live, 0);
        }
    }
}

}  // namespace
