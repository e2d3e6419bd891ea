// The whole played route, title to title, with every stage ending at its time-out mark.
#include <string>
#include <vector>

#include "el/elDraw.h"
#include "game/player/player.h"
#include "game/stage/boss.h"
#include "game/stage_fixture.h"
#include "game/stage/stage_frame.h"

namespace hl = host::headless;

namespace {

constexpr u32 kFrameMs = 250;
const f32 kFt = static_cast<f32>(kFrameMs / 1000.0);

// When things happen in a stage that nobody shoots at, counted in stage frames from 1, worked out with
// the frame's own single-precision steps.
struct StageTimes {
    int bossOpens;  // first frame with the boss section open
    int timeOut;    // first frame at the time-out mark
    int clear;      // the frame in which the stage clears
};

StageTimes Expect(const StageScript& s) {
    StageTimes t{};
    f32 d = 0;
    f32 defeat = 0;
    for (int frame = 1; frame < 1'000'000; ++frame) {
        d = kFt * s.speed + d;
        if (t.bossOpens == 0 && s.bossFrom < d && d < s.bossTo) t.bossOpens = frame;
        if (t.timeOut == 0 && s.timeoutFrom <= d && d <= s.timeoutTo) t.timeOut = frame;
        if (t.timeOut != 0) {
            // From the mark on the defeat runs twice a frame: from the boss's draw (not on the first
            // frame, whose hit points were still whole when the draw ran) and from the time-out.
            for (int call = frame == t.timeOut ? 1 : 0; call < 2; ++call) {
                defeat += 10.0f * kFt;
                if (defeat > 70.0f) {
                    t.clear = frame;
                    return t;
                }
            }
        }
    }
    return t;
}

class StageRouteTest : public kt::StageTest {
protected:
    // Runs the stage of `s` from its first frame to its clear, checking the times on the way.
    void PlayStage(const StageScript& s, BossState& boss, u32 nextMode, i32 strip) {
        ASSERT_EQ(GameMode, s.mode);
        const StageTimes t = Expect(s);
        ASSERT_GT(t.bossOpens, 0);
        ASSERT_GT(t.clear, t.timeOut);
        int frame = 0;
        while (frame < t.bossOpens - 1) Pass(kFrameMs), ++frame;
        EXPECT_EQ(boss.scriptClock, 0.0f) << "the boss waits until its section opens";
        Pass(kFrameMs), ++frame;
        EXPECT_GT(boss.scriptClock, 0.0f) << "stage " << s.mode << " frame " << frame;
        while (frame < t.timeOut - 1) Pass(kFrameMs), ++frame;
        EXPECT_GT(boss.hp, 0.0f);
        EXPECT_EQ(boss.defeatClock, 0.0f);
        Pass(kFrameMs), ++frame;
        EXPECT_EQ(boss.hp, 0.0f) << "the time-out takes the boss's hit points";
        while (frame < t.clear - 1) Pass(kFrameMs), ++frame;
        ASSERT_EQ(GameMode, s.mode) << "not cleared before frame " << t.clear;
        Pass(kFrameMs), ++frame;
        EXPECT_EQ(GameMode, nextMode);
        EXPECT_EQ(PrevMode, nextMode) << "the pass after the clear took the new mode in";
        EXPECT_EQ(ModeChanged, 1u);
        EXPECT_EQ(WipeState.wipeKind, 3u);
        EXPECT_EQ(WipeState.wipeStrip, strip);
        EXPECT_EQ(WipeState.wipeDir, -1);
        EXPECT_EQ(StageState.distance, 0.0f) << "the clear frame ends over the reset state";
        EXPECT_GT(boss.hp, 0.0f) << "the boss is whole again";
        EXPECT_EQ(boss.defeatClock, 0.0f);
    }
};

// The played route, a test per stage so that they run side by side: stage 1 from the title, each later
// stage from a game started in it, as the clear of the one before leaves it, the fifth on through the
// ending back to the title. Together they run the whole game, title to title.
struct RouteStage {
    const StageScript* script;
    BossState* boss;
    u32 next;
    i32 strip;  // the wipe's strip at the clear
};
const RouteStage kRouteStages[] = {
    {&Stage1Script, &Boss11State, ModeStage2, 30}, {&Stage2Script, &Boss71State, ModeStage3, 60},
    {&Stage3Script, &Boss41State, ModeStage4, 30}, {&Stage4Script, &Boss51State, ModeStage5, 30},
    {&Stage5Script, &Boss31State, ModeEnding, 30},
};

class StageRouteStage : public StageRouteTest, public ::testing::WithParamInterface<int> {};

TEST_P(StageRouteStage, TheStageRunsByItsTimeOutToTheNextMode) {
    const RouteStage& r = kRouteStages[GetParam()];
    hl::ClearMciLog();
    Pass(kFrameMs);  // the title
    if (r.script->mode == ModeStage1) {
        Hold(host::kVkReturn);
        Pass(kFrameMs);
        Release(host::kVkReturn);
        ASSERT_EQ(GameMode, ModeLevelSelect);
        Pass(kFrameMs);
        Hold(host::kVkF1);
        Pass(kFrameMs);
        Release(host::kVkF1);
        ASSERT_EQ(GameMode, ModeStage1);
        ASSERT_EQ(Level, 1);
    } else {
        EnterStage(r.script->mode);
    }

    PlayStage(*r.script, *r.boss, r.next, r.strip);
    const std::string music = r.script->music;
    EXPECT_EQ(MusicOpens(music.substr(music.rfind('/') + 1)), 1) << music;
    EXPECT_EQ(MusicOpens("GTCB3.MID") + MusicOpens("QZ5.MID"), 0);
    if (r.next != ModeEnding) return;

    // The ending runs its 1300 units at 18 a second, then resets the game and goes back to the title.
    int endingFrames = 0;
    for (f32 d = 0; !(d > 1300.0f);) d += kFt * 18.0f, ++endingFrames;
    for (int i = 0; i < endingFrames - 1; ++i) Pass(kFrameMs);
    ASSERT_EQ(GameMode, ModeEnding);
    const i32 hiScore = HiScore;
    Pass(kFrameMs);
    EXPECT_EQ(GameMode, ModeTitle);
    EXPECT_EQ(WipeState.wipeStrip, 60);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(Lives, 999);
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(HiScore, hiScore);
    EXPECT_EQ(MusicOpens("KTVB6.MID"), 1);
}

INSTANTIATE_TEST_SUITE_P(Route, StageRouteStage, ::testing::Range(0, 5),
                         [](const auto& info) { return "Stage" + std::to_string(info.param + 1); });

// Nothing in the game stores modes 4, 7 or 9; forced there, the alternate stages end as their bosses say.
TEST_F(StageRouteTest, TheAlternateStagesClearToTheirNextModes) {
    struct Case {
        u32 mode;
        BossState* boss;
        u32 next;
        i32 strip;
        const char* music;
    };
    for (const Case& c : {Case{ModeStage2B, &Boss2BState, ModeStage3, 30, "GTCB3.MID"},
                          Case{ModeStage4B, &Boss4BState, ModeStage5, 30, "QZ5.MID"},
                          Case{ModeStage5B, &Boss5BState, ModeEnding, 60, nullptr}}) {
        EnterStage(c.mode);
        hl::ClearMciLog();
        StageState.distance = 10990;  // a little before the time-out mark
        int frames = 0;
        while (GameMode == c.mode && frames < 1000) Pass(kFrameMs), ++frames;
        EXPECT_EQ(GameMode, c.next) << c.mode;
        EXPECT_EQ(WipeState.wipeStrip, c.strip) << c.mode;
        EXPECT_GT(c.boss->hp, 0.0f);
        if (c.music) {
            EXPECT_EQ(MusicOpens(c.music), 1) << "started once, on the scene's first frame";
        } else {
            EXPECT_EQ(MusicOpens(".MID"), 0) << "the alternate fifth stage has no music";
        }
    }
}

}  // namespace
