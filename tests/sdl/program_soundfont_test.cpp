// The real program with a soundfont that would block whoever opens it (a FIFO nobody writes to): it starts,
// says what is wrong with the soundfont, goes on without it, leaves the FIFO alone, and SIGTERM ends it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "program_copy.h"
#include "support/process.h"

namespace {

using kt::ProgramCopy;

using kt::SomebodyReads;

TEST(ProgramSoundfont, AFifoForASoundfontIsRefusedAndTheProgramRunsOnUntilSigterm) {
    const ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    const std::string fifo = run.dir + "font.sf2";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string line = fifo + ": not a regular file; playing without music";
    const pid_t pid = run.Start("dummy", "err", {{"KESTRALIS_SOUNDFONT", fifo.c_str()}});
    ASSERT_GT(pid, 0);

    // The line is said as the sound starts, after the window (and the program's SIGTERM handling) is up,
    // beside the loading of the data. The program must not end by itself, then or later: the wait is a
    // hang guard (a start under the sanitizers on a busy machine) and nothing more.
    int status = 0;
    bool said = false, ended = false;
    for (int waited = 0; waited < 20'000 && !said && !ended; waited += 10) {
        ended = ProgramCopy::Ended(pid, 0, &status);
        said = run.Said("err").find(line) != std::string::npos;
        if (!said && !ended) usleep(10'000);
    }
    EXPECT_TRUE(said) << run.Said("err");
    EXPECT_FALSE(SomebodyReads(fifo)) << "the program waits on the FIFO";
    if (!ended) ended = ProgramCopy::Ended(pid, 0, &status);
    ASSERT_FALSE(ended) << "the program ended by itself (raw status " << status << "):\n" << run.Said("err");

    kill(pid, SIGTERM);
    EXPECT_EQ(ProgramCopy::Wait(pid, 10'000), 0) << "SIGTERM did not end the program well (-1: it had to be killed):\n"
                                                 << run.Said("err");
}

}  // namespace
