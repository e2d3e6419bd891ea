// The synthesiser loaded ahead on its own thread: the open that takes it plays exactly what an open that
// loads it itself would, a stop or the end of the program during the load waits for the loader, and a
// soundfont that cannot be loaded leaves the music silent but on time.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "el/sound_files.h"
#include "host/audio.h"
#include "host/headless/headless.h"
#include "host/mci.h"
#include "host/midisynth.h"
#include "host/mixer.h"
#include "host/window.h"
#include "support/headless_machine.h"

namespace hl = host::headless;
namespace synth = host::midisynth;

namespace {

constexpr host::Window kWin = 1;

u32 Send(const std::string& c) { return host::MciSendString(c.c_str(), nullptr, 0, kWin); }

std::vector<u32> Notifications() {
    std::vector<u32> codes;
    host::Message m;
    while (host::PeekMessage(&m))
        if (m.message == host::kMsgMciNotify) codes.push_back(static_cast<u32>(m.wParam));
    return codes;
}

bool HaveSoundfont() {
    const bool have = synth::Start();
    synth::Stop();
    return have;
}

class PreloadTest : public kt::Headless {
protected:
    void SetUp() override {
        kt::Headless::SetUp();
        synth::Stop();
        kt::WriteFile(dir.Abs("one.mid"), kt::ChordSmf(1.0));
        open = "open \"" + dir.Abs("one.mid") + "\" type sequencer alias midi";
    }
    void TearDown() override {
        Send("close midi");
        synth::Stop();
    }
    // One play of the file to its end from a fresh machine: what the mix made and the notices posted.
    struct Heard {
        std::vector<i16> samples;
        std::vector<u32> notices;
        bool sounding;
    };
    Heard PlayOnce(bool preload) {
        kt::FreshMachine();
        synth::Stop();
        if (preload) synth::Preload();
        Heard h{};
        EXPECT_EQ(Send(open), 0u);
        h.sounding = synth::Running();
        EXPECT_FALSE(synth::Preloading()) << "the open has taken the load";
        hl::ClearCapturedAudio();
        Send("play midi notify");
        hl::AdvanceMs(990);
        EXPECT_TRUE(Notifications().empty()) << preload;
        hl::AdvanceMs(60);
        h.notices = Notifications();
        h.samples = hl::CapturedAudio();
        Send("close midi");
        return h;
    }
    kt::ProgramSubfolder dir;
    std::string open;
};

TEST_F(PreloadTest, ThePreloadedSynthesiserPlaysTheSameSamplesAndEndsOnTheSameFrame) {
    if (!HaveSoundfont()) GTEST_SKIP() << "no General MIDI soundfont installed";
    const Heard loadedByOpen = PlayOnce(false);
    const Heard preloaded = PlayOnce(true);
    ASSERT_TRUE(loadedByOpen.sounding);
    ASSERT_TRUE(preloaded.sounding);
    EXPECT_EQ(preloaded.notices, std::vector<u32>{host::kMciNotifySuccessful});
    EXPECT_EQ(preloaded.notices, loadedByOpen.notices);
    const size_t rate = host::mixer::kOutputRate;
    EXPECT_GT(kt::Rms(preloaded.samples, rate / 5, rate), 300.0) << "the chord sounds";
    EXPECT_TRUE(preloaded.samples == loadedByOpen.samples) << "the music differs with the way it was loaded";
}

TEST_F(PreloadTest, AStopDuringTheLoadWaitsForItAndALaterStartLoadsAgain) {
    if (!HaveSoundfont()) GTEST_SKIP() << "no General MIDI soundfont installed";
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        synth::Preload();
        synth::Preload();  // a load under way is not started twice
        synth::Stop();
        EXPECT_FALSE(synth::Preloading());
        EXPECT_FALSE(synth::Running());
    }
    EXPECT_TRUE(synth::Start()) << "a stop forgets the load it waited for";
    synth::Preload();
    EXPECT_FALSE(synth::Preloading()) << "nothing is loaded while a synthesiser runs";
    EXPECT_TRUE(synth::Running());
}

TEST_F(PreloadTest, ASoundfontThatCannotBeLoadedLeavesTheMusicSilentButOnTime) {
    const std::string bad = dir.Abs("broken.sf2");
    kt::WriteFile(bad, std::vector<u8>{'R', 'I', 'F', 'F', 4, 0, 0, 0, 's', 'f', 'b', 'k'});
    setenv("KESTRALIS_SOUNDFONT", bad.c_str(), 1);
    const Heard h = PlayOnce(true);
    unsetenv("KESTRALIS_SOUNDFONT");
    EXPECT_FALSE(h.sounding);
    EXPECT_EQ(h.notices, std::vector<u32>{host::kMciNotifySuccessful});
    EXPECT_EQ(kt::Rms(h.samples, 0, h.samples.size()), 0.0);
}

// The end of the program while the loader still works: a child process preloads and ends at once, by
// exit() as the program does (its statics torn down behind the loader) or after the library's audio
// shutdown. Under the sanitizers a use of anything freed or a leaked synthesiser ends the child badly; a
// child that cannot end is a failure too. The child says 0 when the loader was still at work at its end.
int RunChild(bool shutdownFirst) {
    const pid_t pid = fork();
    if (pid == 0) {
        synth::Preload();
        const bool busy = synth::Preloading();
        if (shutdownFirst) {
            host::ShutdownAudio();
            if (synth::Running() || synth::Preloading()) _exit(6);
        }
        std::exit(busy ? 0 : 20);
    }
    int status = 0;
    pid_t done = 0;
    for (int i = 0; i < 600 && done == 0; ++i) {
        done = waitpid(pid, &status, WNOHANG);
        if (done == 0) usleep(20'000);
    }
    if (done == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    return status;
}

TEST_F(PreloadTest, EndingTheProgramWhileTheSoundfontLoadsIsClean) {
    // Nothing is loaded here before the children are made: a fork copies no thread, neither a loader nor
    // the workers the synthesiser's library keeps after a load.
    int endedDuringTheLoad = 0;
    for (int run = 0; run < 8; ++run) {
        const int status = RunChild(run % 2 == 1);
        ASSERT_TRUE(WIFEXITED(status)) << "run " << run << " ended by signal " << WTERMSIG(status);
        const int code = WEXITSTATUS(status);
        ASSERT_TRUE(code == 0 || code == 20) << "run " << run << " exit code " << code;
        endedDuringTheLoad += code == 0;
    }
    if (!HaveSoundfont()) GTEST_SKIP() << "no General MIDI soundfont installed";
    EXPECT_GT(endedDuringTheLoad, 0);
}

}  // namespace
