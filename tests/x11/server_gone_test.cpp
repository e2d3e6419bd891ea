// The X server the game shows on goes away: the X library says so in its one line and ends the program with
// status 1, on either present. The game's end asks the gone server nothing more, where each request would
// break again and be said again.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <string>

#include "desktop_program.h"
#include "step_budget.h"
#include "support/process.h"
#include "x_display.h"

namespace {

// A bare X server of the test's own, which the test ends under the game; ended with the test at the latest.
// It is ended politely, so that it removes its socket in /tmp as it goes.
struct OwnServer {
    pid_t pid = -1;
    std::string display;
    OwnServer() {
        int number[2];
        if (pipe(number) != 0) return;
        pid = fork();
        if (pid == 0) {
            close(number[0]);
            if (dup2(number[1], 3) < 0) _exit(126);
            execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(number[1]);
        pollfd p{number[0], POLLIN, 0};
        char buf[16] = {};
        if (pid > 0 && poll(&p, 1, kx::Step(10'000).Ms()) == 1 && read(number[0], buf, sizeof buf - 1) > 0)
            display = ":" + std::string(buf, strcspn(buf, "\n"));
        close(number[0]);
    }
    void End() {
        if (pid <= 0) return;
        kill(pid, SIGTERM);
        kt::EndedChild(pid, kx::Step(10'000).Ms());
        pid = -1;
    }
    ~OwnServer() { End(); }
};

size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

class XServerGone : public testing::TestWithParam<const char*> {};

TEST_P(XServerGone, TheXLibrarysLineIsSaidOnceAndTheGameEndsWithStatusOne) {
    OwnServer server;
    ASSERT_FALSE(server.display.empty()) << "no X server of the test's own";
    const kt::ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    kx::Running game{run.Start("x11", "err", {{"DISPLAY", server.display.c_str()}, {"KESTRALIS_WINDOWED", "1"},
                                             {"KESTRALIS_PRESENT", GetParam()}})};
    bool shown = false;
    for (const kx::Step step(20'000); !shown && !step.Over(); usleep(50'000)) shown = kx::ShowsAWindow(server.display.c_str());
    ASSERT_TRUE(shown) << run.Said("err");
    server.End();
    EXPECT_EQ(game.Wait(), 1) << run.Said("err");
    const std::string said = run.Said("err");
    // The library's one line: "X connection to :N broken", or "XIO: fatal IO error ..." as the error it met
    // on the way has it.
    EXPECT_EQ(Count(said, "X connection to " + server.display + " broken") + Count(said, "XIO:"), 1u) << said;
}

INSTANTIATE_TEST_SUITE_P(BothPresents, XServerGone, testing::Values("opengl", "surface"),
                         [](const testing::TestParamInfo<const char*>& i) {
                             return std::string(*i.param == 'o' ? "OpenGl" : "Surface");
                         });

}  // namespace
