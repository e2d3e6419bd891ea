// The real program started while another process holds its lock: a holder that answers is brought to the
// front and the start ends well; a holder that never answers (its socket gone, or the copy stopped) is no
// reason to say that it was, and the start ends with an error that says so.
#include <errno.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "host/instance.h"
#include "program_copy.h"
#include "support/process.h"

namespace {

using kt::ProgramCopy;

// Runs `fn` with XDG_RUNTIME_DIR pointing at `folder`, and puts the variable back after.
template <class Fn>
auto InRuntimeFolder(const std::string& folder, Fn fn) {
    const char* was = std::getenv("XDG_RUNTIME_DIR");
    const std::string before = was ? was : "";
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    auto result = fn();
    if (was) setenv("XDG_RUNTIME_DIR", before.c_str(), 1);
    else unsetenv("XDG_RUNTIME_DIR");
    return result;
}

TEST(SecondCopy, AHolderOfTheLockThatNeverAnswersEndsTheStartWithAnError) {
    const ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    const std::string runtime = run.runtime;
    ASSERT_EQ(chmod(runtime.c_str(), 0700), 0) << "the lock lives in a runtime folder only its user enters";
    // This process takes the game's lock in the copy's runtime folder, and its socket goes: the lock is
    // held, and nobody takes the call to come forward.
    const host::InstanceLock lock = InRuntimeFolder(runtime, [] {
        bool held = true;
        const host::InstanceLock l = host::CreateInstanceLock("KESTRALIS:ElMutex", &held);
        const std::string socket = host::InstanceLockAddress("KESTRALIS:ElMutex");
        EXPECT_EQ(socket.rfind("/", 0), 0u) << "the lock is not a file in the runtime folder";
        EXPECT_EQ(unlink(socket.c_str()), 0);
        EXPECT_FALSE(held);
        return l;
    });
    ASSERT_NE(lock, 0);

    EXPECT_EQ(ProgramCopy::Wait(run.Start("dummy", "err")), 1);
    const std::string said = run.Said("err");
    EXPECT_EQ(said, "kestralis: another copy of the game holds its lock but did not answer\n");
    host::ReleaseInstanceLock(lock);
}

// Waits until the copy started in `run` is up and answers another copy's request to come forward, as it
// does from its message pump and between the files of its load. A copy stopped before it gets there (still
// starting its display and sound) would answer late after it goes on, whatever the machine's load.
bool FirstCopyAnswers(const ProgramCopy& run) {
    for (int i = 0; i < 100; ++i) {
        if (InRuntimeFolder(run.runtime, [] { return host::RequestRaise("KESTRALIS:ElMutex"); })) return true;
        usleep(50'000);
    }
    return false;
}

// The kernel takes a call into a listener's queue whether or not anybody will ever take it: a first copy that
// is stopped (or hung) holds the lock and its socket, but only a copy that runs answers. The copy stopped is
// in a process group of its own, which nothing but this test's end orphans.
TEST(SecondCopy, AFirstCopyThatIsStoppedIsNotSaidToBeBroughtForward) {
    const ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    const pid_t first = run.StartInGroupOfItsOwn("dummy", "first");
    ASSERT_TRUE(FirstCopyAnswers(run)) << run.Said("first");

    ASSERT_EQ(kill(first, SIGSTOP), 0);
    const auto start = std::chrono::steady_clock::now();
    const int stopped = ProgramCopy::Wait(run.Start("dummy", "stopped"));
    const double waited = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    kill(first, SIGCONT);
    EXPECT_EQ(stopped, 1) << run.Said("stopped");
    EXPECT_EQ(run.Said("stopped"), "kestralis: another copy of the game holds its lock but did not answer\n");
    EXPECT_LT(waited, 10.0) << "the second copy waited on and on for the answer";

    // Running again, it answers.
    EXPECT_EQ(ProgramCopy::Wait(run.Start("dummy", "running")), 0) << run.Said("running");
    EXPECT_EQ(run.Said("running"), "kestralis: the game is already running; brought it to the front\n");
    kill(first, SIGTERM);
    EXPECT_EQ(ProgramCopy::Wait(first), 0) << run.Said("first");
}

// Whether process `pid` is seen stopped within `ms`.
bool StopsWithin(pid_t pid, int ms) {
    for (int waited = 0; waited <= ms; waited += 10) {
        if (kt::StateOf(pid) == 'T') return true;
        usleep(10'000);
    }
    return false;
}

// Runs `scenario` (a function of two descriptors, returning a text) in a process whose process group is
// orphaned while it runs, as the group a test run was started in is when the shell that started the run in
// the background ends: the kernel then sends SIGHUP and SIGCONT to every stopped process of that group. The
// group's leader stands in for that shell. It is a child of a session of its own, so that no process outside
// becomes the group's tie to the session once the leader is gone, whatever the tests run under. The scenario
// writes a byte on its first descriptor when it is ready for the leader to end; a byte (or the end) on its
// second comes once the leader has ended and been waited for, the kernel's signals sent. The scenario's text;
// a text saying so when it gives none within `ms`.
template <class Scenario>
std::string InAGroupOrphanedMidway(Scenario scenario, int ms) {
    int result[2], ready[2], gone[2];
    if (pipe2(result, O_CLOEXEC) != 0 || pipe2(ready, O_CLOEXEC) != 0 || pipe2(gone, O_CLOEXEC) != 0)
        return "no pipes";
    const pid_t session = fork();
    if (session == 0) {
        if (setsid() < 0) _exit(1);  // nothing said: the test fails below
        close(result[0]);
        const pid_t leader = fork();
        if (leader == 0) {
            if (setpgid(0, 0) != 0) _exit(1);
            const pid_t member = fork();
            if (member == 0) {
                close(ready[0]);
                close(gone[1]);
                const std::string head = std::to_string(getpgrp()) + "\n";  // for the hang guard below
                const std::string said = head + scenario(ready[1], gone[0]);
                _exit(write(result[1], said.data(), said.size()) == static_cast<ssize_t>(said.size()) ? 0 : 1);
            }
            close(result[1]);
            close(ready[1]);
            close(gone[0]);
            close(gone[1]);
            char c;
            _exit(read(ready[0], &c, 1) == 1 ? 0 : 1);
        }
        close(result[1]);
        close(ready[0]);
        close(ready[1]);
        close(gone[0]);
        int status = 0;
        waitpid(leader, &status, 0);
        _exit(write(gone[1], "g", 1) == 1 ? 0 : 1);
    }
    close(result[1]);
    close(ready[0]);
    close(ready[1]);
    close(gone[0]);
    close(gone[1]);
    std::string said;
    bool ended = false;
    for (int waited = 0; waited <= ms && !ended;) {
        pollfd p{result[0], POLLIN, 0};
        if (poll(&p, 1, 100) <= 0) {
            waited += 100;
            continue;
        }
        char buf[512];
        const ssize_t n = read(result[0], buf, sizeof buf);
        if (n > 0) said.append(buf, static_cast<size_t>(n));
        else ended = n == 0 || errno != EINTR;
    }
    close(result[0]);
    const size_t line = said.find('\n');
    const pid_t group = line == std::string::npos ? 0 : std::atoi(said.c_str());
    if (!ended && group > 1) kill(-group, SIGKILL);  // the leader's group, the scenario's process in it
    if (session > 0) kt::EndedChild(session, ended ? 10'000 : 0);
    if (!ended) return "no text from the scenario within " + std::to_string(ms) + " ms: " + said;
    if (line == std::string::npos) return "no text from the scenario: its processes could not be set up";
    return said.substr(line + 1);
}

// The group a test run was started in is orphaned as the shell that started it in the background ends, while
// the first copy is stopped: the copy is not continued by that, and the second copy is told it did not answer.
TEST(SecondCopy, AStoppedFirstCopyStaysStoppedWhenTheGroupTheTestRunsInIsOrphaned) {
    const ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    const std::string said = InAGroupOrphanedMidway(
        [&run](int ready, int gone) -> std::string {
            const pid_t first = run.StartInGroupOfItsOwn("dummy", "first");
            std::string what;
            char c = 0;
            if (!FirstCopyAnswers(run)) {
                what = "the first copy never answered: " + run.Said("first");
            } else if (kill(first, SIGSTOP) != 0 || !StopsWithin(first, 5'000)) {
                what = "the first copy did not stop";
            } else if (write(ready, "s", 1) != 1 || read(gone, &c, 1) < 0) {
                what = "no word of the group's leader";
            } else {
                const char state = kt::StateOf(first);
                const int stopped = ProgramCopy::Wait(run.Start("dummy", "stopped"));
                what = std::string("first copy ") + (state == 'T' ? "stopped" : "not stopped") +
                       ", second ended with " + std::to_string(stopped) + ": " + run.Said("stopped");
            }
            kill(first, SIGKILL);
            waitpid(first, nullptr, 0);
            return what;
        },
        30'000);
    EXPECT_EQ(said, "first copy stopped, second ended with 1: "
                    "kestralis: another copy of the game holds its lock but did not answer\n");
}

}  // namespace
