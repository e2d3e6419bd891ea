// The real program started while another process holds its lock: a holder that answers is brought to the
// front and the start ends well; a holder that never answers (its socket gone, or the copy stopped) is no
// reason to say that it was, and the start ends with an error that says so.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "host/instance.h"
#include "program_copy.h"

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
    const std::string runtime = run.dir + "runtime";
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
        if (InRuntimeFolder(run.dir + "runtime", [] { return host::RequestRaise("KESTRALIS:ElMutex"); })) return true;
        usleep(50'000);
    }
    return false;
}

// The kernel takes a call into a listener's queue whether or not anybody will ever take it: a first copy that
// is stopped (or hung) holds the lock and its socket, but only a copy that runs answers.
TEST(SecondCopy, AFirstCopyThatIsStoppedIsNotSaidToBeBroughtForward) {
    const ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    const pid_t first = run.Start("dummy", "first");
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

}  // namespace
