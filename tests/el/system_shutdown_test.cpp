// Shutdown after an error box: the box's beep holds the audio device, music is playing, and still the
// library's end closes the device, stops the synthesiser and leaves nothing for an audio thread to read.
#include "draw_screen_fixture.h"
#include "el/elMidi.h"
#include "el/elSound.h"
#include "host/midisynth.h"
#include "host/mixer.h"

namespace {

class ShutdownTest : public kt::ScreenTest {};

TEST_F(ShutdownTest, EndClosesTheAudioDeviceAfterABoxAndMusicManyTimes) {
    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE(round);
        LibraryDone = 0;
        Up();
        EXPECT_EQ(elDraw::LoadObject("H13_NO_SUCH.BMP", 1), 0);  // a box, and with it the beep
        ASSERT_FALSE(host::headless::Boxes().empty());
        elMidi::Play("MIDI/KTVB1.MID", 1);
        host::headless::AdvanceMs(50);  // the mix runs: beep and music
        ASSERT_TRUE(host::headless::AudioIsOpen());
        elMidi::Stop();  // what the game's Esc does before the end
        elSystem::End();
        EXPECT_FALSE(host::headless::AudioIsOpen());
        EXPECT_FALSE(host::mixer::DeviceOpen());
        EXPECT_FALSE(host::midisynth::Running());
        EXPECT_EQ(host::mixer::PlayingCount(), 0);
    }
    // Sound comes back with the next set-up.
    LibraryDone = 0;
    Up();
    elSound::Beep();
    EXPECT_TRUE(host::headless::AudioIsOpen());
}

}  // namespace
