// The boss bodies and their movement scripts.
#include <vector>

#include "el/elDraw.h"
#include "game/player/lockon_data.h"
#include "game/stage/boss.h"
#include "game/stage_fixture.h"

namespace hl = host::headless;

namespace {

class StageBossTest : public kt::StageTest {
protected:
    void SetUp() override {
        kt::StageTest::SetUp();
        EnterStage(ModeStage1);
    }
    static void Step(void (*script)(), f32 ft) {
        FrameTime = ft;
        script();
    }
};

TEST_F(StageBossTest, TheFirstBossComesDownToItsRestAndNeverMovesAgain) {
    const f32 ft = 1.0f / 60;
    while (Boss11State.scriptClock + 10.0f * ft <= 60.0f) {
        Step(Boss11_Script, ft);
        ASSERT_EQ(Boss11State.x, -500.0f) << "parked during the fly-by, clock " << Boss11State.scriptClock;
        ASSERT_EQ(Boss11State.y, 2550.0f);
    }
    Step(Boss11_Script, ft);
    EXPECT_EQ(Boss11State.x, 180.0f);
    EXPECT_EQ(Boss11State.y, -360.0f) << "placed above the screen";
    while (Boss11State.scriptClock < 135.0f) Step(Boss11_Script, ft);
    for (int i = 0; i < 60 * 120; ++i) {
        Step(Boss11_Script, ft);
        ASSERT_EQ(Boss11State.x, 180.0f) << "frame " << i;
        ASSERT_EQ(Boss11State.y, 0.0f) << "frame " << i;
        ASSERT_GE(Boss11State.scriptClock, 135.0f);
        ASSERT_LT(Boss11State.scriptClock, 160.0f) << "the loop holds the clock inside the place window";
    }
}

TEST_F(StageBossTest, TheIntroPictureRisesAndIsParkedOnceAboveTheScreen) {
    struct Case {
        void (*script)();
        BossIntro* intro;
        f32 speed;
    };
    for (const Case& c : {Case{Boss11_Script, &Boss11Intro, 400}, Case{Boss51_Script, &Boss51Intro, 400},
                          Case{Boss71_Script, &Boss71Intro, 500}}) {
        void (*script)() = c.script;
        BossIntro* intro = c.intro;
        const f32 speed = c.speed;
        const f32 ft = 1.0f / 60;
        int parkings = 0;
        bool rising = false;
        f32 lastY = intro->y;
        for (int i = 0; i < 60 * 10; ++i) {
            Step(script, ft);
            if (intro->y == 600.0f) rising = true;
            if (intro->y == 2550.0f && lastY != 2550.0f) ++parkings;
            if (rising && intro->y != 2550.0f) {
                ASSERT_GE(intro->y, -480.0f) << "parked in the call that takes it past -480";
                ASSERT_LE(intro->y, lastY);
                ASSERT_EQ(intro->speed, speed);
            }
            lastY = intro->y;
        }
        EXPECT_TRUE(rising);
        EXPECT_EQ(parkings, 1);
        EXPECT_EQ(intro->speed, 0.0f);
    }
}

TEST_F(StageBossTest, WindowsThatShareAnEndBothActTheLaterLast) {
    // At clock 250 the third boss is placed at (180, 0) and then moved by its next window.
    const f32 ft = 0.5f;  // five clock units a call: the clock lands on 250 exactly
    while (Boss41State.scriptClock < 245.0f) Step(Boss41_Script, ft);
    Step(Boss41_Script, ft);
    ASSERT_EQ(Boss41State.scriptClock, 250.0f);
    EXPECT_EQ(Boss41State.x, 180.0f + 150.0f * ft);
    EXPECT_EQ(Boss41State.y, 0.0f);
}

TEST_F(StageBossTest, AClockInTheGapBetweenTwoWindowsMovesNothing) {
    Boss41State.scriptClock = 170.5f;
    Boss41State.x = 200;
    Boss41State.y = 10;
    Step(Boss41_Script, 0.05f);  // 171: the last step of the move to the right
    EXPECT_EQ(Boss41State.x, 200.0f + 80.0f * 0.05f);
    const f32 x = Boss41State.x;
    Step(Boss41_Script, 0.05f);  // 171.5: between the windows
    EXPECT_EQ(Boss41State.x, x);
    EXPECT_EQ(Boss41State.y, 10.0f);
    Step(Boss41_Script, 0.05f);  // 172: the move to the left
    EXPECT_EQ(Boss41State.x, x - 80.0f * 0.05f);
}

TEST_F(StageBossTest, TheDrawClearsTheHitFlagAndCyclesTheFire) {
    Boss11State.x = 180;
    Boss11State.y = 0;
    Boss11State.hp = 80;
    Boss11State.hitFlag = 1;
    for (int i = 1; i <= 12; ++i) {
        Boss11_Draw();
        EXPECT_EQ(Boss11State.hitFlag, 0);
        EXPECT_EQ(Boss11State.animFrame, i % 10);
    }
    EXPECT_EQ(Boss11State.defeatClock, 0.0f) << "no defeat while hit points are left";
}

TEST_F(StageBossTest, TheLockMarkersOfEachTableAreDrawnAndNoMore) {
    struct Case {
        void (*draw)();
        BossState* boss;
        LockPoint* a;
        LockPoint* b;
        int n;
        bool drawsB;
    };
    for (const Case& c : {Case{Boss11_Draw, &Boss11State, Boss11LockPointsA, Boss11LockPointsB, 3, true},
                          Case{Boss71_Draw, &Boss71State, Boss71LockPointsA, Boss71LockPointsB, 5, false},
                          Case{Boss51_Draw, &Boss51State, Boss51LockPointsA, Boss51LockPointsB, 5, true},
                          Case{Boss4B_Draw, &Boss4BState, Boss4BLockPointsA, Boss4BLockPointsB, 9, false},
                          Case{Boss5B_Draw, &Boss5BState, Boss5BLockPointsA, Boss5BLockPointsB, 5, false}}) {
        for (int i = 0; i < c.n; ++i) c.a[i] = c.b[i] = LockPoint{-500, 500, 0};
        c.a[c.n - 1] = LockPoint{240, 300, 1};  // the last entry of each table
        c.b[c.n - 1] = LockPoint{400, 300, 1};
        elDraw::ClearScreen();
        c.draw();  // the body stands parked, off screen
        elDraw::Flip();
        EXPECT_GT(Lit(240, 300, 300, 360), 0) << "table A, entry " << c.n - 1;
        EXPECT_EQ(Lit(400, 300, 460, 360) > 0, c.drawsB) << "table B, entry " << c.n - 1;
        c.a[c.n - 1].locked = c.b[c.n - 1].locked = 0;
    }
}

}  // namespace
