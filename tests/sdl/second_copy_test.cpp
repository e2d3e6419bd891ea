// The real program started while another process holds its lock: a holder that answers is brought to the
// front and the start ends well; a holder that never answers (its socket gone) is no reason to say that it
// was, and the start ends with an error that says so.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

}  // namespace
