// The real audio path: SDL's audio thread mixes the beep and the music while the program ends. Each run
// is a child process that ends by exit(), so the program's statics are torn down behind the audio thread
// exactly as at the end of the game; under the sanitizers a read of anything freed ends the child badly.
#include <SDL.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "host/audio.h"
#include "host/backend.h"
#include "host/beep.h"
#include "host/mci.h"
#include "host/mixer.h"

namespace {

// Beep (a hold never given back), music from the data set, a little time for the audio thread to mix it,
// the music closed as the game's Esc does; then `end`, then exit.
template <class End>
int RunChild(End end) {
    const pid_t pid = fork();
    if (pid == 0) {
        host::Beep();
        if (!host::mixer::DeviceOpen()) _exit(3);
        const std::string open = std::string("open \"") + KESTRALIS_BIN_DIR + "MIDI/KTVB1.MID\" type sequencer alias midi";
        if (host::MciSendString(open.c_str(), nullptr, 0, 0) != 0) _exit(4);
        host::MciSendString("play midi", nullptr, 0, 0);
        host::backend::SleepMicros(150'000);
        host::MciSendString("close midi", nullptr, 0, 0);
        host::Beep();
        end();
        std::exit(0);
    }
    // A child that cannot end (an exit that deadlocks behind the audio thread) is a failure too.
    int status = 0;
    pid_t done = 0;
    for (int i = 0; i < 600 && done == 0; ++i) {
        done = waitpid(pid, &status, WNOHANG);
        if (done == 0) usleep(50'000);
    }
    if (done == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    return status;
}

TEST(AudioExit, ExitWhileTheBeepHoldsTheDeviceIsCleanEveryTime) {
    for (int run = 0; run < 12; ++run) {
        const int status = RunChild([] {});
        ASSERT_TRUE(WIFEXITED(status)) << "run " << run << " ended by signal " << WTERMSIG(status);
        ASSERT_EQ(WEXITSTATUS(status), 0) << "run " << run;
    }
}

TEST(AudioExit, ShutdownStopsTheAudioThreadBeforeFreeing) {
    for (int run = 0; run < 6; ++run) {
        const int status = RunChild([] {
            host::ShutdownAudio();
            if (host::mixer::DeviceOpen()) std::exit(5);
            host::ShutdownAudio();  // twice is harmless
        });
        ASSERT_TRUE(WIFEXITED(status)) << "run " << run;
        ASSERT_EQ(WEXITSTATUS(status), 0) << "run " << run;
    }
}

}  // namespace
