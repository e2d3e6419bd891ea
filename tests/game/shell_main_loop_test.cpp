// The entry point and its pump, driven pass by pass over the headless backend.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/shell/shell.h"
#include "host/headless/headless.h"
#include "host/instance.h"
#include "support/answering_copy.h"
#include "support/headless_machine.h"

extern char** environ;
namespace hl = host::headless;

namespace {

std::vector<u32> g_seen;  // ModeChanged as each recorded scene frame saw it
void RecordScene() { g_seen.push_back(ModeChanged); }

class MainLoopTest : public kt::Headless {
protected:
    void SetUp() override {
        kt::Headless::SetUp();
        std::copy(std::begin(SceneTable), std::end(SceneTable), std::begin(scenes_));
        g_seen.clear();
        ASSERT_TRUE(WinMain_StartUp(nullptr, "-x", 1));
        FrameTimer.sleepEnabled = 0;
        for (auto& s : SceneTable) s = nullptr;
        SceneTable[ModeTitle] = RecordScene;
        SceneTable[ModeLevelSelect] = RecordScene;
    }
    // A test that ends without End leaves the window and the instance lock behind: close and give them
    // back so the next test in this process starts as the only copy with no window.
    void TearDown() override {
        kt::EndProgram();
        std::copy(std::begin(scenes_), std::end(scenes_), std::begin(SceneTable));  // the real scenes again
    }
    // Lets the gate open on the next pass.
    void FrameDue() {
        elSystem::SetFrameRate(60);
        hl::AdvanceMs(17);
    }
    void DrainMessages() {
        while (hl::PendingEvents() > 0 || AppActive == 0) ASSERT_TRUE(kt::PumpOnce());
    }

private:
    SceneFn scenes_[13] = {};
};

}  // namespace

TEST_F(MainLoopTest, StartUpOpensTheWindowAndEntersTheTitle) {
    EXPECT_TRUE(hl::WindowIsOpen());
    EXPECT_EQ(hl::WindowTitle(), "KESTRALIS");
    EXPECT_TRUE(hl::WindowFullScreen());
    EXPECT_EQ(GameMode, 1u);
    EXPECT_EQ(PrevMode, 0u);
    EXPECT_EQ(HiScore, 500);
    EXPECT_STREQ(elSystem::GetCommandLine(), "-x");
    DrainMessages();  // the activation
    EXPECT_EQ(AppActive, 1u);
    FrameDue();
    WinMain_Pass();
    ASSERT_EQ(g_seen.size(), 1u);
    EXPECT_EQ(g_seen[0], 1u) << "the first frame runs the title's entry code";
    EXPECT_EQ(ModeChanged, 0u);
    EXPECT_EQ(PrevMode, 1u);
}

TEST_F(MainLoopTest, APassWithoutAFrameStillKeepsTheBooks) {
    DrainMessages();
    elSystem::SetFrameRate(60);
    MouseButtons.leftPressed = MouseButtons.rightPressed = MouseButtons.leftDouble = MouseButtons.rightDouble = 1;
    WinMain_Pass();  // the gate says no
    EXPECT_TRUE(g_seen.empty());
    EXPECT_EQ(ModeChanged, 0u) << "the entry pass went by without a frame";
    EXPECT_EQ(MouseButtons.leftPressed + MouseButtons.rightPressed + MouseButtons.leftDouble + MouseButtons.rightDouble, 4u)
        << "the clicks wait for a frame to see them";
    hl::AdvanceMs(17);
    WinMain_Pass();
    ASSERT_EQ(g_seen.size(), 1u);
    EXPECT_EQ(g_seen[0], 0u) << "so the first frame skips the entry code";
    EXPECT_EQ(MouseButtons.leftPressed + MouseButtons.rightPressed + MouseButtons.leftDouble + MouseButtons.rightDouble, 0u)
        << "and the clicks end with the frame that saw them";
}

TEST_F(MainLoopTest, AChangeBetweenPassesIsSeenBeforeTheDispatch) {
    DrainMessages();
    FrameDue();
    WinMain_Pass();
    GameMode = 5;  // a stage, as the T key would find it
    PrevMode = 5;
    WinMain_Pass();
    GameMode = 1;  // what the T key does
    PrevMode = 0;
    FrameDue();
    WinMain_Pass();
    ASSERT_EQ(g_seen.size(), 2u);
    EXPECT_EQ(g_seen[1], 1u);
}

TEST_F(MainLoopTest, WipeToChangesTheSceneWithAReveal) {
    DrainMessages();
    SceneTable[ModeTitle] = [] { Scene_WipeTo(3, 26, 11); };
    FrameDue();
    WinMain_Pass();
    EXPECT_EQ(GameMode, 11u);
    EXPECT_EQ(PrevMode, 11u);
    EXPECT_EQ(ModeChanged, 1u);
    EXPECT_EQ(WipeState.wipeKind, 3u);
    EXPECT_EQ(WipeState.wipeStep, 26);
    EXPECT_EQ(WipeState.wipeDir, -1);
    hl::AdvanceMs(17);
    WinMain_Pass();
    ASSERT_EQ(g_seen.size(), 1u);
    EXPECT_EQ(g_seen[0], 1u) << "the level select sees its entry";

    Scene_WipeTo(0, 26, 2);  // the covering form keeps the mode until the wipe ends
    EXPECT_EQ(NextMode, 2u);
    EXPECT_EQ(WipeState.wipeDir, 1);
    EXPECT_EQ(GameMode, 11u);
}

TEST_F(MainLoopTest, BlinkIsOnForASecondAndOffForAFifth) {
    DrainMessages();
    EXPECT_EQ(BlinkOn, 1u);
    hl::AdvanceMs(1000);
    WinMain_Pass();
    EXPECT_EQ(BlinkOn, 0u);
    hl::AdvanceMs(150);
    WinMain_Pass();
    EXPECT_EQ(BlinkOn, 0u);
    hl::AdvanceMs(60);
    WinMain_Pass();
    EXPECT_EQ(BlinkOn, 1u);
}

TEST_F(MainLoopTest, AnInactiveWindowRunsNoPasses) {
    DrainMessages();
    hl::Focus(false);
    ASSERT_TRUE(kt::PumpOnce());
    EXPECT_EQ(AppActive, 0u);
    // The pump blocks until the next message: here the activation two seconds later.
    const u64 back = hl::ClockMicros() + 2'000'000;
    hl::Schedule(back, host::backend::Event{host::backend::EventKind::FocusGained});
    ASSERT_TRUE(kt::PumpOnce());
    EXPECT_GE(hl::ClockMicros(), back);
    EXPECT_TRUE(g_seen.empty());
    ASSERT_TRUE(kt::PumpOnce());
    EXPECT_EQ(AppActive, 1u);
}

TEST_F(MainLoopTest, EscapeClosesTheProgramOnce) {
    DrainMessages();
    hl::Key(27);
    int code = -1;
    int steps = 0;
    while (kt::PumpOnce(&code) && steps < 1000) ++steps;
    ASSERT_LT(steps, 1000);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(LibraryDone, 1u);
    EXPECT_EQ(LibraryEndState, 2);
    EXPECT_EQ(MutexHandle, 0);
    EXPECT_FALSE(hl::WindowIsOpen());
    EXPECT_NE(WaitTimers[1], WaitNever) << "ESC arms wait 1";
    EXPECT_EQ(elSystem::End(), 1u) << "a second End does nothing";
}

TEST_F(MainLoopTest, TheWindowManagersCloseRunsEndAndQuits) {
    DrainMessages();
    hl::RequestClose();
    int code = -1;
    int steps = 0;
    while (kt::PumpOnce(&code) && steps < 1000) ++steps;
    EXPECT_EQ(code, 0);
    EXPECT_EQ(LibraryDone, 1u);
    EXPECT_EQ(LibraryEndState, 2);
    EXPECT_FALSE(hl::WindowIsOpen());
}

TEST_F(MainLoopTest, ASecondInstanceRaisesTheFirst) {
    const i32 first = MutexHandle;
    EXPECT_EQ(elSystem::CheckSingleInstance("KESTRALIS"), 0u);
    EXPECT_EQ(hl::RaiseCount(), 1);
    MutexHandle = first;  // the start-up's lock, for the tear-down to give back
}

TEST(SingleInstance, ASecondProcessExitsAtOnceAndRaisesTheFirst) {
    kt::FreshMachine();
    ASSERT_EQ(elSystem::CheckSingleInstance("KESTRALIS"), 1u);
    const std::string exe = std::string(KESTRALIS_BIN_DIR) + "kestralis";
    char* argv[] = {const_cast<char*>(exe.c_str()), nullptr};
    const std::string said = kt::TempFolder() + "/stderr.txt";
    posix_spawn_file_actions_t streams;
    posix_spawn_file_actions_init(&streams);
    posix_spawn_file_actions_addopen(&streams, 2, said.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, exe.c_str(), &streams, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&streams);
    // This process answers as the first copy's message pump would, while the second waits for the answer.
    int status = 0;
    bool raised = false;
    if (!kt::EndedWhileAnswering(pid, 10'000, &status, &raised)) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        FAIL() << "the second copy kept running";
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::stringstream text;
    text << std::ifstream(said).rdbuf();
    const std::string line = text.str();
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1) << line;
    EXPECT_NE(line.find("already running"), std::string::npos) << "the second copy says why it ends";
    EXPECT_TRUE(raised);
    host::ReleaseInstanceLock(MutexHandle);
    MutexHandle = 0;
}
