// The program and a soundfont load that does not end: the stage's music starts at once, silent, and Esc
// or the window's close ends the program within a second all the same.
#include <unistd.h>

#include <atomic>
#include <chrono>

#include "game/stage_fixture.h"
#include "host/midisynth.h"
#include "support/soundfont.h"

namespace hl = host::headless;

namespace {

std::atomic<bool> g_hold{false};
void HoldWhileAsked() {
    while (g_hold.load()) usleep(1000);
}

class SoundfontHangTest : public kt::StageTest {
protected:
    void SetUp() override {
        // The load starts with the program: held before it opens the soundfont from then on.
        host::midisynth::Stop();
        g_hold = true;
        host::midisynth::SetLoaderGate(HoldWhileAsked);
        kt::StageTest::SetUp();
    }
    void TearDown() override {
        kt::StageTest::TearDown();
        g_hold = false;
        host::midisynth::SetLoaderGate(nullptr);
        for (int i = 0; i < 30'000 && host::midisynth::Preloading(); ++i) usleep(1000);
    }
    // Stage 1 starts its music, and then `end` is delivered and the program runs until it quits. The
    // stage's first frame and the end each take less than a second of wall time.
    template <class End>
    void StartTheStageAndEnd(End end) {
        auto t0 = std::chrono::steady_clock::now();
        EnterStage(ModeStage1);
        Pass(17);
        EXPECT_LT(MillisSince(t0), 1000.0) << "the frame that starts the music";
        EXPECT_EQ(MusicOpens("KTVB1.MID"), 1);
        EXPECT_FALSE(host::midisynth::Running());
        t0 = std::chrono::steady_clock::now();
        end();
        int code = -1;
        int steps = 0;
        while (kt::PumpOnce(&code) && steps < 1000) ++steps;
        EXPECT_LT(MillisSince(t0), 1000.0) << "the end";
        EXPECT_LT(steps, 1000);
        EXPECT_EQ(LibraryDone, 1u);
    }
    static double MillisSince(std::chrono::steady_clock::time_point t0) {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    }
};

TEST_F(SoundfontHangTest, EscEndsTheProgramWithinASecond) {
    ASSERT_TRUE(host::midisynth::Preloading()) << kt::kNoSoundfont;
    StartTheStageAndEnd([] { hl::Key(27); });
}

TEST_F(SoundfontHangTest, TheWindowsCloseEndsTheProgramWithinASecond) {
    ASSERT_TRUE(host::midisynth::Preloading()) << kt::kNoSoundfont;
    StartTheStageAndEnd([] { hl::RequestClose(); });
}

}  // namespace
