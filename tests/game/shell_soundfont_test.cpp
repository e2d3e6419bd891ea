// The program and a soundfont load held inside the synthesiser: the stage's music starts silent without
// waiting for the load, and Esc or the window's close ends the game without waiting for it either (the
// process's exit then cuts the load short).
#include "game/stage_fixture.h"
#include "host/midisynth.h"
#include "support/held_loader.h"

namespace hl = host::headless;

namespace {

using kt::HeldLoader;

class SoundfontHangTest : public kt::StageTest {
protected:
    void SetUp() override {
        // The load starts with the program: held at its first read of the soundfont from then on.
        host::midisynth::Stop();
        HeldLoader::Hold();
        kt::StageTest::SetUp();
    }
    void TearDown() override {
        kt::StageTest::TearDown();
        EXPECT_TRUE(HeldLoader::Clear()) << "a loader still at work";
    }
    // Stage 1 starts its music, and then `end` is delivered and the program runs until it quits; the
    // loader is still held inside its load after each.
    template <class End>
    void StartTheStageAndEnd(End end) {
        ASSERT_TRUE(host::midisynth::Preloading()) << kt::kNoSoundfont;
        ASSERT_TRUE(HeldLoader::WaitInside());
        EnterStage(ModeStage1);
        Pass(17);
        EXPECT_EQ(MusicOpens("KTVB1.MID"), 1);
        EXPECT_FALSE(host::midisynth::Running());
        EXPECT_TRUE(HeldLoader::Inside()) << "the frame that starts the music waited for the load";
        end();
        int code = -1;
        int steps = 0;
        while (kt::PumpOnce(&code) && steps < 1000) ++steps;
        EXPECT_LT(steps, 1000);
        EXPECT_EQ(LibraryDone, 1u);
        EXPECT_TRUE(HeldLoader::Inside()) << "the end waited for the load";
        EXPECT_FALSE(HeldLoader::Overran());
    }
};

TEST_F(SoundfontHangTest, EscEndsTheProgramWithoutWaitingForTheLoad) {
    StartTheStageAndEnd([] { hl::Key(27); });
}

TEST_F(SoundfontHangTest, TheWindowsCloseEndsTheProgramWithoutWaitingForTheLoad) {
    StartTheStageAndEnd([] { hl::RequestClose(); });
}

}  // namespace
