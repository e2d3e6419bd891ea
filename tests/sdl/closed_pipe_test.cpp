// The real program with its error stream into a pipe whose reader has gone (a pager that was quit before
// the game said anything): the lines it says before its window is up are lost, and it ends as it ends with
// the stream open: it plays on where it would, and a start that cannot go on still ends with 1.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "program_copy.h"
#include "support/process.h"

namespace {

using kt::ProgramCopy;

struct EarlyLine {
    const char* what;
    const char* videoDriver;
    ProgramCopy::Env env;
    std::string said;  // the start of the line it says
    bool playsOn;      // it goes on to play (else it ends by itself)
};

// How the run `pid` ends (128 + the signal for one ended by a signal): one that plays on is sent a polite
// kill once it catches one (its window is up, which comes after every line of the start); -1 when it did not
// end within the hang guard.
int Ending(pid_t pid, bool playsOn) {
    for (int waited = 0; playsOn && waited < 20'000; waited += 20) {
        siginfo_t ended{};
        // One that ended by itself is left for the wait below, which gives its status.
        if (waitid(P_PID, static_cast<id_t>(pid), &ended, WEXITED | WNOHANG | WNOWAIT) == 0 && ended.si_pid == pid) break;
        if (kt::Catches(pid, SIGTERM)) {
            kill(pid, SIGTERM);
            break;
        }
        usleep(20'000);
    }
    return ProgramCopy::Wait(pid);
}

TEST(AClosedErrorStream, EndsTheProgramNeitherAtAnEarlyLineNorLater) {
    const ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    const std::string gone = run.runtime + "/gone";
    const EarlyLine lines[] = {
        {"a setting not understood", "dummy", {{"KESTRALIS_WINDOWED", "maybe"}}, "KESTRALIS_WINDOWED=\"maybe\" is not understood", true},
        {"a runtime folder that is not there", "dummy", {{"XDG_RUNTIME_DIR", gone.c_str()}}, "XDG_RUNTIME_DIR=\"" + gone + "\" is not understood", true},
        {"no display", nullptr, {{"DISPLAY", nullptr}, {"WAYLAND_DISPLAY", nullptr}}, "no display: ", false},
    };
    for (const EarlyLine& line : lines) {
        SCOPED_TRACE(line.what);
        const int open = Ending(run.Start(line.videoDriver, "err", line.env), line.playsOn);
        EXPECT_EQ(run.Said("err").rfind(line.said, 0), 0u) << run.Said("err");
        EXPECT_EQ(open, line.playsOn ? 0 : 1) << run.Said("err");

        int pipe[2];
        ASSERT_EQ(pipe2(pipe, O_CLOEXEC), 0);
        close(pipe[0]);  // nobody reads
        const pid_t pid = run.StartWithErrorStream(line.videoDriver, pipe[1], line.env);
        close(pipe[1]);
        EXPECT_EQ(Ending(pid, line.playsOn), open) << "with the error stream into a pipe nobody reads (141: SIGPIPE)";
    }
}

}  // namespace
