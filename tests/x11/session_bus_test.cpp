// SDL's video on a real X server reaches no session bus and no input method of the user's: started afresh
// from an environment with a session bus, a system bus and an input method's bus listening (sockets of the
// test's own), the input method named in XMODIFIERS and GTK_IM_MODULE, GoogleTest's sharding set to leave the
// test out and the tests' mark left exported, the program runs its test and nobody calls the listeners. The
// control: handed the session bus on purpose, in the tests' environment, SDL does call it.
#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "step_budget.h"
#include "support/fresh_program.h"
#include "support/process.h"
#include "support/rerun.h"
#include "support/temp_folder.h"

namespace {

// The child's role: where it says it ran.
constexpr const char* kChildSays = "X11_SESSION_BUS_CHILD_SAYS";

// The listeners of one run: the session bus, the system bus and the input method's bus, in `folder`.
struct Listeners {
    explicit Listeners(const std::string& folder)
        : session(folder + "/session"), system(folder + "/system"), inputMethod(folder + "/ibus"),
          fds{kt::ListenAt(session), kt::ListenAt(system), kt::ListenAt(inputMethod)} {}
    ~Listeners() {
        for (const int fd : fds)
            if (fd >= 0) close(fd);
    }
    bool Ready() const { return fds[0] >= 0 && fds[1] >= 0 && fds[2] >= 0; }
    // Waits for the child `pid` to end, hanging up every call meanwhile; its raw status, or -1 at the step's
    // end (the child is then killed). The calls go to `calls`, one count a listener.
    int AwaitEnd(pid_t pid, int calls[3]) {
        const kx::Step step(60'000);
        int status = 0;
        while (waitpid(pid, &status, WNOHANG) != pid) {
            for (int i = 0; i < 3; ++i) calls[i] += kt::HangUpCalls(fds[i]);
            if (step.Over()) {
                kt::EndedChild(pid, 0);
                return -1;
            }
            usleep(2'000);
        }
        for (int i = 0; i < 3; ++i) calls[i] += kt::HangUpCalls(fds[i]);
        return status;
    }
    std::string session, system, inputMethod;
    int fds[3];
};

std::string ThisTest() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string(test->test_suite_name()) + "." + test->name();
}

// What the child does: SDL's video on the display, a window taking text as a game's name entry would, a few
// rounds of events; then it says so.
void ShowAWindowTakingText(const char* says) {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Window* w = SDL_CreateWindow("bus", 0, 0, 64, 48, SDL_WINDOW_SHOWN);
    ASSERT_NE(w, nullptr) << SDL_GetError();
    SDL_StartTextInput();
    for (int i = 0; i < 20; ++i) {
        SDL_PumpEvents();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        SDL_Delay(10);
    }
    SDL_StopTextInput();
    SDL_DestroyWindow(w);
    SDL_Quit();
    std::ofstream(says) << "ran\n";
}

TEST(SessionBus, SDLsVideoCallsNoBusNorInputMethodOfTheUsers) {
    if (const char* says = std::getenv(kChildSays)) return ShowAWindowTakingText(says);
    // The listeners lie in a folder short enough for a socket's address, whatever TMPDIR is.
    const std::string own = kt::TempRuntimeFolder();
    Listeners listeners(own);
    ASSERT_TRUE(listeners.Ready()) << own;

    // The control: the session bus handed to a child in the tests' environment, on purpose.
    const std::string controlSays = own + "/control-says", address = "unix:path=" + listeners.session;
    const pid_t control = fork();
    if (control == 0) {
        setenv(kChildSays, controlSays.c_str(), 1);
        setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
        const std::string out = own + "/control-out.txt", filter = "--gtest_filter=" + ThisTest();
        if (!std::freopen(out.c_str(), "w", stdout) || dup2(fileno(stdout), 2) < 0) _exit(126);
        execl("/proc/self/exe", "/proc/self/exe", filter.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    ASSERT_GT(control, 0);
    int controlCalls[3] = {};
    const int controlStatus = listeners.AwaitEnd(control, controlCalls);
    std::string controlSaid;
    kt::RunProgram({"cat", own + "/control-out.txt"}, &controlSaid);
    EXPECT_TRUE(WIFEXITED(controlStatus) && WEXITSTATUS(controlStatus) == 0) << controlSaid;
    EXPECT_TRUE(std::ifstream(controlSays).good()) << "the control's test did not run:\n" << controlSaid;
    EXPECT_GT(controlCalls[0], 0) << "SDL did not call the session bus handed to it: the check below proves nothing";

    // Started afresh, as the test command starts a test program, from a desktop's environment.
    const std::string says = own + "/says";
    int out = -1;
    const pid_t pid = kt::StartAfresh(
        ThisTest(),
        {{kChildSays, says},
         {"DBUS_SESSION_BUS_ADDRESS", address},
         {"DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + listeners.system},
         {"IBUS_ADDRESS", "unix:path=" + listeners.inputMethod},
         {"XMODIFIERS", "@im=ibus"},
         {"GTK_IM_MODULE", "ibus"},
         {"QT_IM_MODULE", "ibus"},
         {"SDL_IM_MODULE", "ibus"},
         {"GTEST_TOTAL_SHARDS", "2"},
         {"GTEST_SHARD_INDEX", "1"},
         {"KESTRALIS_TESTS_OWN_ENVIRONMENT", std::to_string(getpid()) + ":1"}},
        &out);
    ASSERT_GT(pid, 0);
    int calls[3] = {};
    const int status = listeners.AwaitEnd(pid, calls);
    std::string said;
    EXPECT_TRUE(kt::ReadToEnd(out, 10'000, &said)) << said;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << said;
    EXPECT_TRUE(std::ifstream(says).good()) << "the test did not run:\n" << said;
    EXPECT_EQ(calls[0], 0) << "the user's session bus was called";
    EXPECT_EQ(calls[1], 0) << "the system bus was called";
    EXPECT_EQ(calls[2], 0) << "the user's input method was called";
}

}  // namespace
