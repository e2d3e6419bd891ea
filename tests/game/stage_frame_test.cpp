// The stage frame: its clocks, the boss section, the defeat and clear, pause and continue.
#include <string>
#include <vector>

#include "el/elDraw.h"
#include "game/player/lockon_data.h"
#include "game/player/player.h"
#include "game/stage/boss.h"
#include "game/stage/stage_frame.h"
#include "game/stage_fixture.h"

namespace hl = host::headless;

namespace {

std::vector<i32> g_clocks;
void RecordAttackClock(const StageScript& s) { g_clocks.push_back(s.boss->attackClock); }

class StageFrameTest : public kt::StageTest {
protected:
    void SetUp() override {
        kt::StageTest::SetUp();
        g_clocks.clear();
        EnterStage(ModeStage1);
        StageState.backdropMode = 2;  // no backdrop: these tests look at the clocks
    }
    // One frame of `s` with the given frame time, as the main loop would run it.
    static void Run(const StageScript& s, f32 ft) {
        FrameTime = ft;
        Stage_RunFrame(s);
        ModeChanged = 0;
    }
    // Stage 1 with its attack calls recorded.
    static StageScript Recording(const StageScript& s) {
        StageScript r = s;
        r.attacks = RecordAttackClock;
        return r;
    }
};

TEST_F(StageFrameTest, TheAttackClockRunsOneToTheLoopLengthAndWraps) {
    const StageScript s = Recording(Stage1Script);
    StageState.distance = 2000;
    Boss11State.hp = 1000;  // below the ceiling of 1010
    Run(s, 0);
    ASSERT_EQ(g_clocks, std::vector<i32>{1}) << "a window that begins at 0 opens at 1";
    Boss11State.attackClock = 4297;
    g_clocks.clear();
    for (int i = 0; i < 5; ++i) Run(s, 0);
    EXPECT_EQ(g_clocks, (std::vector<i32>{4298, 4299, 4300, 1, 2})) << "the loop's last value is seen once";
}

TEST_F(StageFrameTest, TheBossHoldsItsFireOutsideZeroToTheCeiling) {
    const StageScript s = Recording(Stage1Script);
    StageState.distance = 2000;
    for (f32 hp : {1020.0f, 1010.0f}) {
        Boss11State.hp = hp;
        Run(s, 0);
    }
    EXPECT_TRUE(g_clocks.empty()) << "no fire at the ceiling or above";
    EXPECT_EQ(Boss11State.attackClock, 0);
    Boss11State.hp = 1009.5f;
    Run(s, 0);
    EXPECT_EQ(g_clocks.size(), 1u);
    Boss11State.hp = 0;
    Run(s, 1.0f / 60);
    Boss11State.hp = -3;
    Run(s, 1.0f / 60);
    EXPECT_EQ(g_clocks.size(), 1u) << "a defeated boss never fires again";
}

TEST_F(StageFrameTest, TheLoopLengthFollowsTheLevelOfTheFrame) {
    struct Case {
        const StageScript* s;
        i32 level;
        i32 loop;
    };
    // Every level has a length, the never-stored 0, 2 and 4 included: the second stage's long loop belongs
    // to level 3 alone, the fifth stage's to every level from 2 on.
    for (const Case& c : {Case{&Stage2Script, 0, 2300}, Case{&Stage2Script, 1, 2300}, Case{&Stage2Script, 2, 2300},
                          Case{&Stage2Script, 3, 3710}, Case{&Stage2Script, 4, 2300}, Case{&Stage5Script, 0, 3000},
                          Case{&Stage5Script, 1, 3000}, Case{&Stage5Script, 2, 4390}, Case{&Stage5Script, 3, 4390},
                          Case{&Stage5Script, 4, 4390}}) {
        Level = c.level;
        EXPECT_EQ(Stage_LoopLength(*c.s), c.loop) << "mode " << c.s->mode << " level " << c.level;
    }
    // The wrap itself reads the level of the frame in which it happens.
    EnterStage(ModeStage2, 3);
    StageState.backdropMode = 2;
    const StageScript s = Recording(Stage2Script);
    StageState.distance = 2000;
    Boss71State.hp = 900;
    Boss71State.attackClock = 2299;
    Run(s, 0);
    Run(s, 0);
    Level = 1;
    Boss71State.attackClock = 2299;
    Run(s, 0);
    EXPECT_EQ(g_clocks, (std::vector<i32>{2300, 2301, 2300}));
    EXPECT_EQ(Boss71State.attackClock, 0);
}

TEST_F(StageFrameTest, TheBossSectionIsOpenOnlyStrictlyBetweenItsBounds) {
    for (f32 d : {1100.0f, 10100.0f}) {
        StageState.distance = d;
        Run(Stage1Script, 0);
        EXPECT_EQ(Boss11State.animFrame, 0) << "neither scripted nor drawn at " << d;
    }
    StageState.distance = 1100.01f;
    Run(Stage1Script, 0);
    EXPECT_EQ(Boss11State.animFrame, 1);
    EXPECT_EQ(Boss11Intro.y, 600.0f) << "the script ran its intro start";
}

TEST_F(StageFrameTest, ABossShotDownClears420CallsLaterWithTheMusicStoppedOnTheWay) {
    const f32 ft = 1.0f / 60;
    int stopCall = 0, clearCall = 0;
    f32 clock = 0;
    for (int call = 1; clearCall == 0; ++call) {
        clock += 10.0f * ft;
        if (stopCall == 0 && clock > 50.0f && clock < 60.0f) stopCall = call;
        if (clock > 70.0f) clearCall = call;
    }
    EXPECT_EQ(clearCall, 420) << "seventy tenths at 60 calls a second";
    EXPECT_NEAR(stopCall, 300, 2);

    Run(Stage1Script, ft);  // the music starts at the first frame
    ASSERT_EQ(MusicOpens("KTVB1.MID"), 1);
    StageState.distance = 3000;
    Boss11State.hp = 0;
    int call = 0;
    while (GameMode == ModeStage1 && call < 1000) {
        ++call;
        Run(Stage1Script, ft);
        if (call < stopCall) {
            ASSERT_EQ(MciCount("stop midi"), 0) << call;
        } else if (call == stopCall) {
            EXPECT_EQ(MciCount("stop midi"), 1) << "the music stops at call " << call;
        }
    }
    EXPECT_EQ(call, clearCall);
    EXPECT_EQ(GameMode, ModeStage2);
    EXPECT_EQ(PrevMode, 0u);
    EXPECT_EQ(WipeState.wipeKind, 3u);
    EXPECT_EQ(WipeState.wipeStrip, 30);
    EXPECT_EQ(WipeState.wipeStep, 29) << "the clear frame's own present drew the reveal's first step";
    EXPECT_EQ(WipeState.wipeDir, -1);
    EXPECT_EQ(Boss11State.hp, 1020.0f);
    EXPECT_EQ(Boss11State.defeatClock, 0.0f);
    EXPECT_EQ(Boss11State.x, -500.0f);
    EXPECT_EQ(StageState.distance, 0.0f);
    EXPECT_EQ(StageState.musicFrame, 0);
    for (const BossBlast& b : Boss11BigBlasts) EXPECT_EQ(b.y, 2550.0f) << "the blasts are parked again";
}

TEST_F(StageFrameTest, TheTimeOutDefeatsABossStillStandingAtDoublePace) {
    const f32 ft = 1.0f / 60;
    StageState.distance = 9999.9f;
    Boss11State.hp = 500;
    Run(Stage1Script, ft);
    ASSERT_GE(StageState.distance, 10000.0f);
    EXPECT_EQ(Boss11State.hp, 0.0f);
    f32 clock = 10.0f * ft;
    EXPECT_EQ(Boss11State.defeatClock, clock) << "one call: the draw ran while the boss still had hit points";
    Run(Stage1Script, ft);
    clock += 10.0f * ft;
    clock += 10.0f * ft;
    EXPECT_EQ(Boss11State.defeatClock, clock) << "from then on the draw and the time-out both run it";
    int expected = 2;
    for (bool cleared = false; !cleared;) {
        ++expected;
        for (int call = 0; call < 2 && !cleared; ++call) cleared = (clock += 10.0f * ft) > 70.0f;
    }
    int frames = 2;
    while (GameMode == ModeStage1 && frames < 1000) Run(Stage1Script, ft), ++frames;
    EXPECT_EQ(frames, expected) << "half the frames of a defeat at single pace";
    EXPECT_EQ(GameMode, ModeStage2);
    EXPECT_EQ(StageState.distance, 0.0f);
}

TEST_F(StageFrameTest, APausedStageDrawsNothingAndItsClocksStandStill) {
    const StageScript s = Recording(Stage1Script);
    Run(s, 0.02f);
    StageState.distance = 2000;
    Boss11State.hp = 1000;
    Run(s, 0.02f);
    const f32 d = StageState.distance;
    const i32 music = StageState.musicFrame;
    const f32 script = Boss11State.scriptClock;
    const i32 attack = Boss11State.attackClock;
    const u64 frames = hl::FrameCount();
    StageState.paused = 1;
    for (int i = 0; i < 10; ++i) Run(s, 0.02f);
    EXPECT_EQ(StageState.distance, d);
    EXPECT_EQ(StageState.musicFrame, music);
    EXPECT_EQ(Boss11State.scriptClock, script);
    EXPECT_EQ(Boss11State.attackClock, attack);
    EXPECT_EQ(hl::FrameCount(), frames) << "nothing presented";
    StageState.paused = 0;
    Run(s, 0.02f);
    EXPECT_GT(StageState.distance, d);
    EXPECT_EQ(StageState.musicFrame, music + 1);
    EXPECT_EQ(hl::FrameCount(), frames + 1);
}

TEST_F(StageFrameTest, TheContinueAnswersYAloneAndRestoresItsValues) {
    for (const StageScript* s : {&Stage1Script, &Stage5Script}) {
        EnterStage(s->mode);
        Run(*s, 0.02f);
        StageState.distance = 700;
        Score = 4321;
        Lives = 0;
        Bombs = 9;
        PlayerState.alive = 0;
        PlayerState.respawning = 0;
        StageState.paused = 1;
        StageState.continuePrompt = 1;
        for (u32 key : {0u, 78u, 83u, 88u, 90u, 121u, 13u}) {
            LastKey = key;
            Run(*s, 0.02f);
            ASSERT_EQ(StageState.paused, 1) << "key " << key;
            ASSERT_EQ(Score, 4321);
        }
        LastKey = 89;
        Run(*s, 0.02f);
        EXPECT_EQ(StageState.paused, 0);
        EXPECT_EQ(StageState.continuePrompt, 0);
        EXPECT_EQ(Bombs, s == &Stage5Script ? 3 : 5);
        EXPECT_EQ(Lives, 111);
        EXPECT_EQ(Score, 0);
        EXPECT_EQ(PlayerState.respawning, 1);
        EXPECT_EQ(PlayerState.alive, 1);
        EXPECT_EQ(StageState.distance, 700.0f) << "the stage goes on where it stood";
    }
    // A pause from the S key has no prompt: Y does not end it.
    StageState.paused = 1;
    StageState.continuePrompt = 0;
    LastKey = 89;
    Run(Stage1Script, 0.02f);
    EXPECT_EQ(StageState.paused, 1);
}

TEST_F(StageFrameTest, TheFirstStageClearsThePauseWordsOnEntryAndStartsItsMusicOnce) {
    StageState.paused = 1;
    StageState.continuePrompt = 1;
    ModeChanged = 1;
    hl::ClearMciLog();
    Run(Stage1Script, 0.02f);
    EXPECT_EQ(StageState.paused, 0);
    EXPECT_EQ(StageState.musicFrame, 1);
    for (int i = 0; i < 20; ++i) Run(Stage1Script, 0.02f);
    EXPECT_EQ(MusicOpens("KTVB1.MID"), 1);
    // After the count wraps to 0 the next frame starts the music again.
    StageState.musicFrame = 100'999'998;
    Run(Stage1Script, 0.02f);
    EXPECT_EQ(StageState.musicFrame, 0);
    Run(Stage1Script, 0.02f);
    EXPECT_EQ(MusicOpens("KTVB1.MID"), 2);

    // The other stages leave the pause words alone on entry.
    EnterStage(ModeStage3);
    StageState.paused = 1;
    StageState.continuePrompt = 1;
    Run(Stage3Script, 0.02f);
    EXPECT_EQ(StageState.paused, 1);
}

TEST_F(StageFrameTest, TheTailRunsTheBombAndTheAutomaticFireWhereTheScriptHasThem) {
    PlayerState.bombActive = 1;
    PlayerState.mainShotEnabled = 1;
    Run(Stage1Script, 0.02f);
    EXPECT_EQ(PlayerState.bombClock, 0) << "the first stage's bomb waits for the main shot to stop";
    PlayerState.mainShotEnabled = 0;
    Run(Stage1Script, 0.02f);
    EXPECT_EQ(PlayerState.bombClock, 1);
    EnterStage(ModeStage3);
    StageState.backdropMode = 2;
    PlayerState.bombActive = 1;
    Run(Stage3Script, 0.02f);
    EXPECT_EQ(PlayerState.bombClock, 1);

    // With automatic fire on, the lock-on scan marks the boss under the sight's centre.
    for (const StageScript* s : {&Stage2Script, &Stage3Script}) {
        EnterStage(s->mode);
        StageState.backdropMode = 2;
        PlayerState.autoFire = 1;
        Boss41State.x = 180;
        Boss41State.y = 0;
        PlayerState.lockSightX = 300 - 150;
        PlayerState.lockSightY = 200 - 120;
        Run(*s, 0.02f);
        EXPECT_EQ(Boss41LockPointsA[0].locked, s == &Stage3Script ? 1 : 0) << "mode " << s->mode;
    }
}

}  // namespace
