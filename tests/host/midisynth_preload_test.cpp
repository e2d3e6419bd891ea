// The synthesiser loaded ahead on its own thread: the open that takes it plays exactly what an open that
// loads it itself would; a start, a stop or the end of the program during a load that does not end waits
// for it a moment at most, and the mix takes it when it does end; a soundfont that cannot be had is said
// once, with its file and the reason, and leaves the music silent but on time.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "el/sound_files.h"
#include "host/audio.h"
#include "host/headless/headless.h"
#include "host/mci.h"
#include "host/midisynth.h"
#include "host/mixer.h"
#include "host/report.h"
#include "host/window.h"
#include "support/headless_machine.h"
#include "support/soundfont.h"

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

// Waits (a while at most) for every loader thread to end.
void WaitForLoaders() {
    for (int i = 0; i < 30'000 && synth::Preloading(); ++i) usleep(1000);
}

// The loader gate of these tests: a load stays before its open while `g_hold` is set.
std::atomic<bool> g_hold{false};
void HoldWhileAsked() {
    while (g_hold.load()) usleep(1000);
}

double MillisSince(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
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
        g_hold = false;
        synth::SetLoaderGate(nullptr);
        unsetenv("KESTRALIS_SOUNDFONT");
        WaitForLoaders();  // no test leaves a thread at work behind it (the children below are forked)
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
        if (preload) {
            synth::Preload();
            WaitForLoaders();  // as in the game, where the title leaves the load the time it needs
        }
        Heard h{};
        EXPECT_EQ(Send(open), 0u);
        h.sounding = synth::Running();
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
    ASSERT_TRUE(HaveSoundfont()) << kt::kNoSoundfont;
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

TEST_F(PreloadTest, AStopDuringTheLoadLeavesItToEndAloneAndALaterStartLoadsAgain) {
    ASSERT_TRUE(HaveSoundfont()) << kt::kNoSoundfont;
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        synth::Preload();
        synth::Preload();  // a load under way is not started twice
        synth::Stop();
        EXPECT_FALSE(synth::Running());
    }
    WaitForLoaders();
    EXPECT_FALSE(synth::Running()) << "an abandoned load is not taken";
    EXPECT_TRUE(synth::Start()) << "a stop forgets the load it left";
    synth::Preload();
    EXPECT_FALSE(synth::Preloading()) << "nothing is loaded while a synthesiser runs";
    EXPECT_TRUE(synth::Running());
}

TEST_F(PreloadTest, ASoundfontThatCannotBeLoadedLeavesTheMusicSilentButOnTime) {
    const std::string bad = dir.Abs("broken.sf2");
    kt::WriteFile(bad, std::vector<u8>{'R', 'I', 'F', 'F', 4, 0, 0, 0, 's', 'f', 'b', 'k'});
    setenv("KESTRALIS_SOUNDFONT", bad.c_str(), 1);
    host::ClearFileReports();
    const Heard h = PlayOnce(true);
    unsetenv("KESTRALIS_SOUNDFONT");
    EXPECT_EQ(host::FileReports(), std::vector<std::string>{
                                       bad + ": not a soundfont this program can load (damaged or of another kind); "
                                             "playing without music"});
    EXPECT_FALSE(h.sounding);
    EXPECT_EQ(h.notices, std::vector<u32>{host::kMciNotifySuccessful});
    EXPECT_EQ(kt::Rms(h.samples, 0, h.samples.size()), 0.0);
}

// Opens a FIFO's writing end a few seconds on, unless told not to: a reader that a regression left waiting
// on it then reads its end, and the test fails on time instead of hanging.
class FifoWatchdog {
public:
    explicit FifoWatchdog(std::string path)
        : path_(std::move(path)), thread_([this] {
              for (int i = 0; i < 5000 && !stop_.load(); ++i) usleep(1000);
              if (const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK); fd >= 0) ::close(fd);
          }) {}
    ~FifoWatchdog() {
        stop_ = true;
        thread_.join();
    }

private:
    std::string path_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

TEST_F(PreloadTest, ASoundfontThatCannotBeHadIsSaidOnceWithItsReasonAndNothingWaitsOnIt) {
    const std::string pipe = dir.Abs("pipe.sf2"), folder = dir.Abs("folder.sf2");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    FifoWatchdog watchdog(pipe);
    const struct {
        std::string path, reason;
    } cases[] = {{dir.Abs("none.sf2"), "not found"},
                 {folder, "is a directory"},
                 {pipe, "not a regular file"}};
    for (const auto& c : cases) {
        for (bool preload : {false, true}) {
            SCOPED_TRACE(c.path + (preload ? " preloaded" : ""));
            setenv("KESTRALIS_SOUNDFONT", c.path.c_str(), 1);
            host::ClearFileReports();
            const auto t0 = std::chrono::steady_clock::now();
            if (preload) {
                synth::Preload();
                EXPECT_EQ(host::FileReports().size(), 1u) << "said at once, not when the music starts";
            }
            EXPECT_FALSE(synth::Start());
            EXPECT_FALSE(synth::Start()) << "a failed start is not tried again";
            EXPECT_LT(MillisSince(t0), 1000.0);
            EXPECT_EQ(host::FileReports(), std::vector<std::string>{c.path + ": " + c.reason + "; playing without music"});
            synth::Stop();
        }
    }
}

TEST_F(PreloadTest, AStartWaitsAMomentAtMostForALoadThatHangsAndTheMixTakesItWhenItEnds) {
    ASSERT_TRUE(HaveSoundfont()) << kt::kNoSoundfont;
    g_hold = true;
    synth::SetLoaderGate(HoldWhileAsked);
    synth::Preload();
    auto t0 = std::chrono::steady_clock::now();
    ASSERT_EQ(Send(open), 0u);
    EXPECT_LT(MillisSince(t0), 1000.0) << "the open of the music";
    EXPECT_FALSE(synth::Running());
    Send("play midi");
    hl::ClearCapturedAudio();
    hl::AdvanceMs(200);
    EXPECT_EQ(kt::Rms(hl::CapturedAudio(), 0, hl::CapturedAudio().size()), 0.0) << "silent, on time";

    g_hold = false;
    WaitForLoaders();
    Send("seek midi to start");
    Send("play midi");
    hl::ClearCapturedAudio();
    hl::AdvanceMs(500);
    EXPECT_TRUE(synth::Running()) << "the mix took the load when it ended";
    EXPECT_GT(kt::Rms(hl::CapturedAudio(), 0, hl::CapturedAudio().size()), 300.0);

    // A stop during a load that hangs leaves it behind at once.
    synth::Stop();
    g_hold = true;
    synth::Preload();
    t0 = std::chrono::steady_clock::now();
    synth::Stop();
    EXPECT_LT(MillisSince(t0), 100.0);
    EXPECT_FALSE(synth::Running());
}

// The end of the program while the loader still works: a child process preloads and ends at once, by
// exit() as the program does (its statics torn down behind the loader) or after the library's audio
// shutdown. Under the sanitizers a use of anything freed or a leaked synthesiser ends the child badly; a
// child that cannot end is a failure too. The child says 0 when the loader was still at work at its end.
// With `endMs`, a loader that hangs: the child's own end (from its shutdown to the last of its statics,
// before the sanitizers' checks at exit) is timed through a pipe.
std::chrono::steady_clock::time_point g_endFrom;
int g_endPipe = -1;
void SayEndTime() {
    const double ms = MillisSince(g_endFrom);
    if (write(g_endPipe, &ms, sizeof ms) != sizeof ms) _exit(7);
}

int RunChild(bool shutdownFirst, double* endMs = nullptr) {
    int fds[2] = {-1, -1};
    if (endMs && pipe(fds) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        if (endMs) {
            g_endPipe = fds[1];
            std::atexit(SayEndTime);  // before the synthesiser's statics, so it runs after them
        }
        g_hold = endMs != nullptr;
        synth::SetLoaderGate(HoldWhileAsked);
        synth::Preload();
        const bool busy = synth::Preloading();
        g_endFrom = std::chrono::steady_clock::now();
        if (shutdownFirst) {
            host::ShutdownAudio();
            if (synth::Running()) _exit(6);
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
    if (endMs) {
        close(fds[1]);
        if (read(fds[0], endMs, sizeof *endMs) != sizeof *endMs) *endMs = -1;
        close(fds[0]);
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
    ASSERT_TRUE(HaveSoundfont()) << kt::kNoSoundfont;
    EXPECT_GT(endedDuringTheLoad, 0);
}

}  // namespace

namespace {

TEST_F(PreloadTest, TheProgramEndsAtOnceWhileALoadHangs) {
    ASSERT_TRUE(HaveSoundfont()) << kt::kNoSoundfont;
    for (bool shutdownFirst : {false, true}) {
        SCOPED_TRACE(shutdownFirst);
        double endMs = -1;
        const int status = RunChild(shutdownFirst, &endMs);
        ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 0);
        EXPECT_GE(endMs, 0.0);
        EXPECT_LT(endMs, 1000.0);
    }
}

}  // namespace
