// The synthesiser loaded ahead on its own thread: the open that takes it plays exactly what an open that
// loads it itself would; a start waits a moment at most for a load held inside the synthesiser, a stop not at
// all, and the mix takes the load when it does end; the end of the program stops a load at its next read or
// as it comes out of the load, waits for no read, and waits for a loader that was already winding down; a
// soundfont that cannot be had is said once, with its file and the reason, and leaves the music silent but
// on time.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <filesystem>
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
#include "support/held_loader.h"
#include "support/process.h"

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

using kt::HeldLoader;

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
        unsetenv("KESTRALIS_SOUNDFONT");
        EXPECT_TRUE(HeldLoader::Clear()) << "a loader still at work";  // the children below are forked
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
            EXPECT_TRUE(HeldLoader::WaitForLoaders());  // as in the game, where the title leaves it the time it needs
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
    ASSERT_TRUE(HeldLoader::WaitForLoaders());
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

using kt::SomebodyReads;

// A hang guard for a FIFO: five seconds on, and from then on until told to stop, it looks for readers; each
// that a regression left waiting on it is let go, and the test fails on what the guard found instead of
// hanging.
class FifoWatchdog {
public:
    explicit FifoWatchdog(std::string path)
        : path_(std::move(path)), thread_([this] {
              for (int i = 0; i < 5000 && !stop_.load(); ++i) usleep(1000);
              for (; !stop_.load(); usleep(1000))
                  if (SomebodyReads(path_)) found_ = true;
          }) {}
    ~FifoWatchdog() { Stop(); }
    // Ends the watch; true when the guard found somebody waiting on the FIFO.
    bool Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        return found_.load();
    }

private:
    std::string path_;
    std::atomic<bool> stop_{false}, found_{false};
    std::thread thread_;
};

TEST_F(PreloadTest, ASoundfontThatCannotBeHadIsSaidOnceWithItsReasonAndNothingWaitsOnIt) {
    const std::string pipe = dir.Abs("pipe.sf2"), folder = dir.Abs("folder.sf2");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    FifoWatchdog watchdog(pipe);
    const struct {
        std::string path, reason;
    } cases[] = {{dir.Abs("none.sf2"), "not found"}, {folder, "is a directory"}, {pipe, "not a regular file"}};
    for (const auto& c : cases) {
        for (bool preload : {false, true}) {
            SCOPED_TRACE(c.path + (preload ? " preloaded" : ""));
            setenv("KESTRALIS_SOUNDFONT", c.path.c_str(), 1);
            host::ClearFileReports();
            if (preload) {
                synth::Preload();
                EXPECT_EQ(host::FileReports().size(), 1u) << "said at once, not when the music starts";
                EXPECT_FALSE(synth::Preloading()) << "no loader for a soundfont that cannot be had";
            }
            EXPECT_FALSE(synth::Start());
            EXPECT_FALSE(synth::Start()) << "a failed start is not tried again";
            EXPECT_FALSE(SomebodyReads(pipe)) << "the FIFO is left alone";
            EXPECT_EQ(host::FileReports(), std::vector<std::string>{c.path + ": " + c.reason + "; playing without music"});
            synth::Stop();
        }
    }
    EXPECT_FALSE(watchdog.Stop()) << "something waited on the FIFO until the guard let it go";
}

TEST_F(PreloadTest, AStartWaitsAMomentAtMostForALoadHeldInsideTheSynthesiserAndTheMixTakesItWhenItEnds) {
    ASSERT_TRUE(HaveSoundfont()) << kt::kNoSoundfont;
    HeldLoader::Hold();
    synth::Preload();
    ASSERT_TRUE(HeldLoader::WaitInside());
    ASSERT_EQ(Send(open), 0u);
    EXPECT_TRUE(HeldLoader::Inside()) << "the open of the music waited for the load";
    EXPECT_FALSE(synth::Running());
    Send("play midi");
    hl::ClearCapturedAudio();
    hl::AdvanceMs(200);
    EXPECT_EQ(kt::Rms(hl::CapturedAudio(), 0, hl::CapturedAudio().size()), 0.0) << "silent, on time";

    HeldLoader::LetGo();
    ASSERT_TRUE(HeldLoader::WaitForLoaders());
    Send("seek midi to start");
    Send("play midi");
    hl::ClearCapturedAudio();
    hl::AdvanceMs(500);
    EXPECT_TRUE(synth::Running()) << "the mix took the load when it ended";
    EXPECT_GT(kt::Rms(hl::CapturedAudio(), 0, hl::CapturedAudio().size()), 300.0);

    // A stop during a held load leaves it behind without waiting for it.
    synth::Stop();
    HeldLoader::Hold();
    synth::Preload();
    ASSERT_TRUE(HeldLoader::WaitInside());
    synth::Stop();
    EXPECT_TRUE(HeldLoader::Inside()) << "the stop waited for the load";
    EXPECT_FALSE(synth::Running());
    EXPECT_TRUE(synth::Preloading()) << "the load left behind goes on alone";
    EXPECT_FALSE(HeldLoader::Overran());
}

// The end of the program while a loader still works: a child process preloads and ends by exit(), as the
// program does, or after the library's audio shutdown. Under the sanitizers a use of anything freed or a leak
// of ours ends the child badly; a child that cannot end is a failure too. What else the child says is in its
// exit code.
enum ChildCode {
    kEndedDuringTheLoad = 0,
    kLoadOverBeforeTheEnd = 40,  // the load ended before the child did: nothing was tested
    kNeverHeld = 41,             // no loader came to the hold
    kEndWaitedForTheRead = 42,   // the end waited for a read of the soundfont to come back
    kLoadNotStopped = 43,        // the loader read on after the end had begun
    kStillRunning = 44,
    kLoaderNotAtRest = 45,       // the loader let go after the end's wait did not come to rest where it stood
    kWindDownLeft = 46,          // the end left a loader winding down before its longer wait was over
};

// How a child's loader goes: at its own pace; held inside the load (a read that takes its time) until the
// end has had its wait, then let go; held for good (a read that never comes back); held as it comes out of
// the load (the library's work after its last read, taking its time) until the end has had its wait; or
// out of its load before the end began, held as it winds down until kPastTheShortWait into the end.
enum class Hold { kNone, kLetGoAfterTheEndsWait, kForGood, kComingOutLetGoAfterTheEndsWait, kWindingDown };
bool LetGoAfterTheEndsWait(Hold hold) {
    return hold == Hold::kLetGoAfterTheEndsWait || hold == Hold::kComingOutLetGoAfterTheEndsWait;
}
// A loader winding down is let go past the end's wait for one inside its load, and well inside its wait for
// one winding down.
constexpr std::chrono::milliseconds kPastTheShortWait = 3 * synth::kEndWait;
static_assert(kPastTheShortWait < synth::kWindDownWait);

// The number of threads of this process.
int Threads() {
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator("/proc/self/task")) n += e.is_directory();
    return n;
}

// Whether a thread of this process other than the program's own sleeps deaf to the requests to end, as a
// loader at rest does.
bool LoaderAtRest() {
    for (const auto& e : std::filesystem::directory_iterator("/proc/self/task")) {
        const pid_t tid = static_cast<pid_t>(std::stol(e.path().filename().string()));
        if (tid == getpid()) continue;
        bool deaf = true;
        for (const int sig : {SIGINT, SIGTERM, SIGHUP, SIGUSR1}) deaf = deaf && kt::Blocks(tid, sig);
        if (kt::StateOf(tid) == 'S' && deaf) return true;
    }
    return false;
}

// The child's own part of its end, run as the last thing before the process goes (made before main, so its
// destructor comes after the program's own end). A read held for good is still held: the end did not wait
// for it. A loader let go after the end's wait reads nothing more (it stopped at once) and then sleeps where
// it stood rather than winding down while the process ends. A loader winding down has wound down, and the
// end has joined its thread, unless the end waited all its while for it: at the lowest priority on a busy
// machine the loader may get no time for it.
struct AfterTheEnd {
    Hold hold = Hold::kNone;
    std::chrono::steady_clock::time_point endBegan;  // just before the program's own end
    ~AfterTheEnd() {
        if (hold == Hold::kForGood && (!HeldLoader::Inside() || HeldLoader::Overran())) _exit(kEndWaitedForTheRead);
        if (hold == Hold::kWindingDown && std::chrono::steady_clock::now() - endBegan < synth::kWindDownWait) {
            if (HeldLoader::Inside() || synth::Preloading()) _exit(kWindDownLeft);
            // A joined thread can stay listed a moment after the join (the kernel wakes the joiner before it
            // takes the thread away), longer at the lowest priority on a busy machine.
            if (!HeldLoader::WaitFor([] { return Threads() == 1; }, HeldLoader::kGuard)) _exit(kWindDownLeft);
        }
        if (!LetGoAfterTheEndsWait(hold)) return;
        // Until the loader has come to rest or has wound down (its thread gone).
        const auto atRest = [] { return !synth::Preloading() && LoaderAtRest(); };
        HeldLoader::WaitFor([&] { return atRest() || Threads() <= 1; }, HeldLoader::kGuard);
        if (HeldLoader::Reads() != 0) _exit(kLoadNotStopped);
        if (!atRest() || Threads() != 2) _exit(kLoaderNotAtRest);
    }
} g_afterTheEnd;

pid_t ForkChild(bool shutdownFirst, Hold hold) {
    const pid_t pid = fork();
    if (pid == 0) {
        const synth::LoaderPoint at = hold == Hold::kComingOutLetGoAfterTheEndsWait ? synth::LoaderPoint::kLoaded
                                      : hold == Hold::kWindingDown                  ? synth::LoaderPoint::kWindingDown
                                                                                    : synth::LoaderPoint::kRead;
        if (hold != Hold::kNone) {
            HeldLoader::Hold(at);
            g_afterTheEnd.hold = hold;
        }
        // Registered before the preload, so it runs after the program's own end has had its wait.
        if (LetGoAfterTheEndsWait(hold)) std::atexit(HeldLoader::LetGo);
        synth::Preload();
        // Held past its reads, the loader has the whole load to make first.
        if (hold != Hold::kNone && !HeldLoader::WaitInside(at == synth::LoaderPoint::kRead ? HeldLoader::kGuard
                                                                                            : HeldLoader::kLoadGuard))
            _exit(kNeverHeld);
        // Registered after the preload, so it runs just before the program's own end begins its wait.
        if (hold == Hold::kWindingDown)
            std::atexit([] {
                g_afterTheEnd.endBegan = std::chrono::steady_clock::now();
                HeldLoader::LetGoAfter(kPastTheShortWait);
            });
        const bool busy = synth::Preloading();
        if (shutdownFirst) {
            host::ShutdownAudio();
            if (synth::Running()) _exit(kStillRunning);
        }
        std::exit(busy ? kEndedDuringTheLoad : kLoadOverBeforeTheEnd);
    }
    return pid;
}

// The child's raw status. The hang guard: well beyond the hold's own guard and the wait for the loader
// after it.
int WaitChild(pid_t pid) { return kt::EndedChild(pid, 60'000); }

TEST_F(PreloadTest, EndingTheProgramWhileTheSoundfontLoadsIsClean) {
    // Nothing is loaded here before the children are made: a fork copies no thread, neither a loader nor
    // the workers the synthesiser's library keeps after a load.
    int endedDuringTheLoad = 0;
    for (int run = 0; run < 8; ++run) {
        const int status = WaitChild(ForkChild(run % 2 == 1, Hold::kNone));
        ASSERT_TRUE(WIFEXITED(status)) << "run " << run << " ended by signal " << WTERMSIG(status);
        const int code = WEXITSTATUS(status);
        ASSERT_TRUE(code == kEndedDuringTheLoad || code == kLoadOverBeforeTheEnd) << "run " << run << " exit code " << code;
        endedDuringTheLoad += code == kEndedDuringTheLoad;
    }
    ASSERT_TRUE(HaveSoundfont()) << kt::kNoSoundfont;
    EXPECT_GT(endedDuringTheLoad, 0);
}

struct EndRun {
    bool shutdownFirst;
    Hold hold;
    const char* name;
};

// Children that each end in the run's way, all at once; each must end on its own, having seen nothing wrong.
template <size_t N>
void EndEach(const EndRun (&runs)[N]) {
    pid_t child[std::size(runs)];
    for (size_t i = 0; i < std::size(runs); ++i) child[i] = ForkChild(runs[i].shutdownFirst, runs[i].hold);
    int status[std::size(runs)];
    for (size_t i = 0; i < std::size(runs); ++i) status[i] = WaitChild(child[i]);
    ASSERT_TRUE(HaveSoundfont()) << kt::kNoSoundfont;  // loaded here only once the children are made
    for (size_t i = 0; i < std::size(runs); ++i) {
        SCOPED_TRACE(runs[i].name);
        ASSERT_TRUE(WIFEXITED(status[i])) << "ended by signal " << WTERMSIG(status[i]);
        const int code = WEXITSTATUS(status[i]);
        EXPECT_EQ(code, kEndedDuringTheLoad) << (code == kEndWaitedForTheRead ? "the end waited for the read"
                                                 : code == kLoadNotStopped    ? "the loader read on after the end"
                                                 : code == kLoaderNotAtRest   ? "the loader did not come to rest"
                                                 : code == kWindDownLeft      ? "the end left a loader winding down"
                                                                              : "");
    }
}

TEST_F(PreloadTest, TheEndWaitsForNoReadAndTheLoaderReadsNoMoreOnceItHasBegun) {
    const EndRun runs[] = {
        {false, Hold::kForGood, "by exit(), a read that never comes back"},
        {true, Hold::kForGood, "after the audio shutdown, a read that never comes back"},
        {false, Hold::kLetGoAfterTheEndsWait, "by exit(), the read coming back after the end's wait"},
        {true, Hold::kLetGoAfterTheEndsWait, "after the audio shutdown, the read coming back after the end's wait"}};
    EndEach(runs);
}

// A loader whose last read is behind it but that is still inside the library (preparing the samples) when
// the end's wait is over comes out of the load later: it then rests there too, rather than handing over or
// freeing what it made and ending its thread while the process ends.
TEST_F(PreloadTest, ALoaderThatComesOutOfItsLoadOnceTheEndHasBegunRestsThere) {
    const EndRun runs[] = {{false, Hold::kComingOutLetGoAfterTheEndsWait, "by exit()"},
                           {true, Hold::kComingOutLetGoAfterTheEndsWait, "after the audio shutdown"}};
    EndEach(runs);
}

// A loader that came out of its load before the end began winds down while the end waits for it, longer
// than the end waits for one still inside its load: it hands over (the program never took the load) or
// frees (the audio shutdown let go of it) what it made, and its thread ends before the process does, unless
// the machine gives it no time for that before the longer wait is over.
TEST_F(PreloadTest, TheEndWaitsLongerForALoaderWindingDown) {
    const EndRun runs[] = {{false, Hold::kWindingDown, "by exit(), handing over"},
                           {true, Hold::kWindingDown, "after the audio shutdown, freeing"}};
    EndEach(runs);
}

}  // namespace
