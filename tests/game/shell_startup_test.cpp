// Start-up loading and the front end, driven through the headless backend with the real data files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "el/elDraw.h"
#include "el/elSound.h"
#include "el/elSystem.h"
#include "game/common/images.h"
#include "game/common/stage_state.h"
#include "game/enemy/szakmix_data.h"
#include "game/player/player.h"
#include "game/shell/shell.h"
#include "game/stage/boss_data.h"
#include "host/headless/headless.h"
#include "host/instance.h"
#include "host/report.h"
#include "host/window.h"
#include "support/answering_copy.h"
#include "support/game_data.h"
#include "support/headless_machine.h"
#include "support/held_loader.h"

namespace hl = host::headless;

namespace {

class StartUpTest : public kt::HeadlessWindow {
protected:
    void SetUp() override {
        kt::HeadlessWindow::SetUp();
        WipeState = {};  // as at the start of a program (an earlier test of this process may have left one)
        kt::LinkGameData();
    }
    // Ends the program a test started, giving its window and its single-instance lock back.
    void TearDown() override { kt::EndProgram(); }
    void Start() {
        ASSERT_TRUE(WinMain_StartUp(nullptr, "", 1));
        FrameTimer.sleepEnabled = 0;
        while (hl::PendingEvents() > 0 || AppActive == 0) ASSERT_TRUE(kt::PumpOnce());
    }
    // One pass in which the frame gate lets the current scene run.
    void Frame() {
        hl::AdvanceMs(17);
        WinMain_Pass();
    }
    // A key pressed and released at once: only the key handler's own actions remain.
    static void Tap(i32 vk) {
        hl::Key(vk);
        Drain();
    }
};

TEST_F(StartUpTest, EveryPictureAndSoundLoadsInListOrder) {
    Start();
    EXPECT_TRUE(hl::Boxes().empty()) << hl::Boxes()[0].text;
    EXPECT_EQ(imgZBAK1B, 4);
    EXPECT_EQ(imgSUJI09, 4 + 14);
    EXPECT_EQ(imgVAL402, 98);
    EXPECT_EQ(imgVAL402_2, 99) << "the second load of VAL402 takes a slot of its own";
    EXPECT_EQ(imgZFIRE2, 144);
    EXPECT_EQ(imgBBACK1S, 145);
    EXPECT_EQ(imgCONTINU1, 155);
    EXPECT_EQ(sndSHOT, 0);
    EXPECT_EQ(sndBOM, 1);
    EXPECT_EQ(ClipRect.left, 220);
    EXPECT_EQ(ClipRect.top, 0);
    EXPECT_EQ(ClipRect.right, 580);
    EXPECT_EQ(ClipRect.bottom, 600);
    EXPECT_EQ(HiScore, 500);
    EXPECT_EQ(GameMode, 1u);
    EXPECT_EQ(PrevMode, 0u);
}

TEST_F(StartUpTest, AMissingPictureLeavesItsHandleZeroAndTheRestLoad) {
    hl::FailAfter("LoadBitmapFile", 10);  // the eleventh picture cannot be read
    Start();
    EXPECT_EQ(imgMYMY, 0);
    EXPECT_EQ(hl::Boxes().size(), 1u);
    EXPECT_EQ(imgZBAK1B, 4);
    EXPECT_EQ(imgMYEND, 15) << "the failed load keeps its slot claimed";
    EXPECT_EQ(imgCONTINU1, 155);
    EXPECT_EQ(sndBOM, 1);
}

// A copy started while the first is still loading waits for an answer, and the load gives it between two
// files: here a child of this first copy loads again and again and never reads a message. A copy asked to
// end while it loads (Ctrl+C, a hang-up) comes forward for nobody: a copy started then is not told that the
// game is there just as it goes.
TEST_F(StartUpTest, AFirstCopyAnswersAnotherCopyFromInsideItsLoadUnlessItIsToEnd) {
    Start();
    // The soundfont's loader thread may hold a lock of the allocator's at any moment, and a child forked then
    // would wait on it for good: the child is made once that thread is done.
    ASSERT_TRUE(kt::HeldLoader::WaitForLoaders()) << "the soundfont's load did not end";
    const auto answeredWhileLoading = [] {
        const pid_t loader = fork();
        if (loader == 0) {
            for (;;) Game_LoadResources();
        }
        EXPECT_GT(loader, 0);
        const bool raised = host::RequestRaise("KESTRALIS:ElMutex");
        kt::EndedChild(loader, 0);
        return raised;
    };
    EXPECT_TRUE(answeredWhileLoading()) << "the loading copy did not answer";
    hl::RequestClose();
    EXPECT_FALSE(answeredWhileLoading()) << "a copy that is to end said it came forward";
}

// How a start that ends early tells its caller: a copy that found another running has done its work (0);
// one that could not open its window has failed, and has said why.
TEST_F(StartUpTest, AnEarlyEndIsAFailureUnlessAnotherCopyRuns) {
    host::ClearFileReports();
    hl::FailNext("OpenWindow");
    EXPECT_EQ(WinMain(nullptr, nullptr, "", 1), 1);
    ASSERT_EQ(host::FileReports().size(), 1u);
    EXPECT_EQ(host::FileReports()[0].rfind("no display: ", 0), 0u) << host::FileReports()[0];
    EXPECT_TRUE(hl::Boxes().empty());
    kt::EndProgram();

    kt::AnsweringHolder other("KESTRALIS:ElMutex");
    ASSERT_TRUE(other.Held());
    i32 code = -1;
    EXPECT_FALSE(WinMain_StartUp(nullptr, "", 1, &code));
    EXPECT_EQ(code, 0);
    EXPECT_EQ(other.Raised(), 1) << "the copy that holds the lock was not asked forward";
    EXPECT_FALSE(hl::WindowIsOpen());
}

// The lock is held but its socket is gone, so nobody takes the call to come forward: the start fails and
// says so, instead of claiming it brought the other copy forward.
TEST_F(StartUpTest, AHolderOfTheLockThatDoesNotAnswerIsAFailedStart) {
    bool held = false;
    const host::InstanceLock other = host::CreateInstanceLock("KESTRALIS:ElMutex", &held);
    ASSERT_NE(other, 0);
    const std::string socket = host::InstanceLockAddress("KESTRALIS:ElMutex");
    ASSERT_EQ(socket.rfind("/", 0), 0u) << "the test machine's runtime folder holds the lock";
    ASSERT_EQ(unlink(socket.c_str()), 0);
    host::ClearFileReports();
    i32 code = -1;
    EXPECT_FALSE(WinMain_StartUp(nullptr, "", 1, &code));
    EXPECT_EQ(code, 1);
    ASSERT_EQ(host::FileReports().size(), 1u);
    EXPECT_EQ(host::FileReports()[0], "kestralis: another copy of the game holds its lock but did not answer");
    EXPECT_FALSE(hl::WindowIsOpen());
    EXPECT_EQ(hl::RaiseCount(), 0);
    host::ReleaseInstanceLock(other);
}

// KESTRALIS_WINDOWED: a number other than 0, or yes, true or on, asks for a window; 0, no, false, off or
// nothing for the full screen; anything else is said once and plays full screen.
TEST_F(StartUpTest, KestralisWindowedTakesANumberOrYesOrNoAndSaysAnythingElse) {
    struct Case {
        const char* value;
        bool windowed;
    } const understood[] = {{"1", true},     {"2", true},     {"10", true},   {"yes", true},  {"TRUE", true},
                            {"On", true},    {"0", false},    {"00", false},  {"", false},    {"no", false},
                            {"False", false}, {"OFF", false}};
    for (const Case& c : understood) {
        SCOPED_TRACE(c.value);
        setenv("KESTRALIS_WINDOWED", c.value, 1);
        host::ClearFileReports();
        EXPECT_EQ(host::WindowedRequested(), c.windowed);
        EXPECT_TRUE(host::FileReports().empty()) << host::FileReports()[0];
    }

    // A sign, a space or a fraction is not a whole number of digits: said with every value taken.
    for (const char* odd : {"-1", "+1", " 1", "1.5"}) {
        SCOPED_TRACE(odd);
        setenv("KESTRALIS_WINDOWED", odd, 1);
        host::ClearFileReports();
        EXPECT_FALSE(host::WindowedRequested());
        EXPECT_EQ(host::FileReports(),
                  std::vector<std::string>{std::string("KESTRALIS_WINDOWED=\"") + odd +
                                           "\" is not understood: it takes a whole number of digits alone (0 for the "
                                           "full screen, any other for a window), yes/no, true/false or on/off; "
                                           "playing full screen"});
    }

    setenv("KESTRALIS_WINDOWED", "maybe", 1);
    host::ClearFileReports();
    Start();
    unsetenv("KESTRALIS_WINDOWED");
    EXPECT_EQ(FullScreen, 1u);
    EXPECT_TRUE(hl::WindowFullScreen());
    ASSERT_EQ(host::FileReports().size(), 1u);
    EXPECT_EQ(host::FileReports()[0].rfind("KESTRALIS_WINDOWED=\"maybe\" is not understood: it takes", 0), 0u);
}

TEST_F(StartUpTest, EnterOnTheTitleStartsAGameAndWipesToTheLevelSelect) {
    Start();
    Frame();  // the title's first frame runs its entry code
    EXPECT_EQ(PlayerState.controlKeys, 1);
    EXPECT_EQ(FxAdditive, 1);
    Score = 1234;
    Boss11State.hp = 3;
    SzakMixSlots[0].x = 300;
    Hold(13);
    Frame();
    Release(13);
    EXPECT_EQ(GameMode, 11u);
    EXPECT_EQ(WipeState.wipeKind, 3u);
    EXPECT_EQ(WipeState.wipeStep, 26);
    EXPECT_EQ(WipeState.wipeDir, -1);
    EXPECT_EQ(LastKey, 0u);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(Lives, 999);
    EXPECT_EQ(Bombs, 5);
    EXPECT_EQ(PlayMode, 1);
    EXPECT_EQ(PlaySubMode, 0);
    EXPECT_EQ(Boss11State.hp, 1020.0f);
    EXPECT_EQ(SzakMixSlots[0].x, -500.0f);

    Frame();  // the level select's entry: the ship picture and ship type 1
    EXPECT_EQ(PlayerState.shipType, 1);
    EXPECT_GT(imgMYME, 155);
    Hold('O');
    Hold(' ');
    Frame();
    EXPECT_EQ(PlayerState.noDeath, 0) << "the scene sees the last key only";
    EXPECT_EQ(StageState.backdropMode, 1);
    Release(' ');
    Release('O');
    Hold('O');
    Frame();
    Release('O');
    EXPECT_EQ(PlayerState.noDeath, 1);
    Hold(0x70);  // F1
    Frame();
    EXPECT_EQ(Level, 1) << "stored after Game_NewGame's 0";
    EXPECT_EQ(GameMode, 2u);
    EXPECT_EQ(WipeState.wipeStep, 26);
    EXPECT_EQ(StageState.backdropMode, 1) << "the options stay in force for the game";
    EXPECT_EQ(PlayerState.noDeath, 1);
}

TEST_F(StartUpTest, F2ChoosesLevelThree) {
    Start();
    GameMode = ModeLevelSelect;
    PrevMode = 0;
    Frame();
    Hold(0x71);
    Frame();
    EXPECT_EQ(Level, 3);
    EXPECT_EQ(GameMode, 2u);
}

TEST_F(StartUpTest, TheShipSelectLoadsItsPictureAndReturnsToTheLevelSelect) {
    Start();
    GameMode = ModeShipSelect;
    PrevMode = ModeShipSelect;
    Hold(0x75);  // F6
    Frame();
    EXPECT_EQ(PlayerState.shipType, 2);
    EXPECT_GT(imgMYME, 155);
    EXPECT_EQ(GameMode, 11u);
    EXPECT_EQ(WipeState.wipeKind, 1u);
    EXPECT_TRUE(hl::Boxes().empty());
    Release(0x75);
    Frame();  // the level select's entry sets ship type 1 and its own picture
    EXPECT_EQ(PlayerState.shipType, 1);
}

TEST_F(StartUpTest, ManyEntriesToTheLevelSelectReuseOneSlot) {
    Start();
    i32 first = 0;
    for (i32 i = 0; i < 400; ++i) {
        ModeChanged = 1;
        imgMYME = 0;
        LevelSelect_Run();
        if (i == 0) first = imgMYME;
        ASSERT_EQ(imgMYME, first) << "entry " << i;
    }
    EXPECT_GT(first, 0);
    EXPECT_TRUE(hl::Boxes().empty());
}

TEST_F(StartUpTest, STogglesThePauseUnlessTheContinuePromptWaits) {
    Start();
    Tap('S');
    EXPECT_EQ(StageState.paused, 1);
    Tap('S');
    EXPECT_EQ(StageState.paused, 0);
    StageState.continuePrompt = 1;
    StageState.paused = 1;
    Tap('S');
    EXPECT_EQ(StageState.paused, 1);
}

TEST_F(StartUpTest, TReturnsToTheTitleKeepingTheScoreAndRestoringTheOptions) {
    Start();
    GameMode = ModeStage3;
    PrevMode = ModeStage3;
    Score = 777;
    Lives = 42;
    StageState.backdropMode = 1;
    PlayerState.controlMouse = 1;
    PlayerState.controlKeys = 0;
    PlayerState.noDeath = 1;
    PlayerState.shipType = 1;
    FxAdditive = 0;
    Tap('T');
    EXPECT_EQ(GameMode, 1u);
    EXPECT_EQ(PrevMode, 0u);
    EXPECT_EQ(Score, 777);
    EXPECT_EQ(Lives, 42);
    EXPECT_EQ(StageState.backdropMode, 0);
    EXPECT_EQ(PlayerState.controlMouse, 0);
    EXPECT_EQ(PlayerState.controlKeys, 1);
    EXPECT_EQ(PlayerState.noDeath, 0);
    EXPECT_EQ(PlayerState.shipType, 0);
    EXPECT_EQ(FxAdditive, 1);
    EXPECT_EQ(WipeState.wipeDir, 0) << "no wipe";
}

TEST_F(StartUpTest, TheTitleShowsItsPictureInThePlayField) {
    Start();
    Frame();
    const hl::Frame& f = hl::LastFrame();
    ASSERT_EQ(f.width, 800);
    u32 outside = 0, inside = 0;
    for (i32 y = 0; y < 600; ++y) {
        for (i32 x = 0; x < 800; ++x) {
            const u16 p = f.pixels[static_cast<size_t>(y) * 800 + x];
            ((x >= 220 && x < 580) ? inside : outside) += p != 0;
        }
    }
    EXPECT_EQ(outside, 0u) << "the picture is clipped to the play field";
    EXPECT_GT(inside, 1000u);
}

}  // namespace
