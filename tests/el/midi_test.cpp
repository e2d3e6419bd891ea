// Music through the command strings: the exact strings sent, replays, stops, and looping through the
// window procedure's notify path as the virtual clock passes the end of the file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "el/elMidi.h"
#include "el/elSystem.h"
#include "el/sound_files.h"
#include "host/headless/headless.h"
#include "host/mci.h"
#include "host/midisynth.h"
#include "host/mixer.h"
#include "host/window.h"
#include "support/headless_machine.h"
#include "support/soundfont.h"

namespace hl = host::headless;
using Log = std::vector<std::string>;

namespace {

// Hands every waiting message to the window procedure, as the pump does.
void Drain() {
    host::Message m;
    while (host::PeekMessage(&m)) {
        if (m.message == host::kMsgQuit) break;
        elSystem::WindowProc(m.window, m.message, m.wParam, m.lParam);
    }
}

std::string Mode() {
    char a[32];
    host::MciSendString("status midi mode", a, sizeof a, MainWindow);
    return a;
}

}  // namespace

class MidiTest : public kt::Headless {
protected:
    void SetUp() override {
        kt::Headless::SetUp();
        elSystem::ResetGlobals();
        MainWindow = 1;
        elMidi::Init();
        kt::WriteFile(dir.Abs("one.mid"), kt::ChordSmf(1.0));
        kt::WriteFile(dir.Abs("two.mid"), kt::ChordSmf(2.0));
        hl::ClearMciLog();
    }
    void TearDown() override { elMidi::Stop(); }
    std::string OpenOf(const char* name) {
        return "open \"" + std::string(elSystem::GetModuleDir(0)) + dir.Rel(name) + "\" type sequencer alias midi";
    }
    kt::ProgramSubfolder dir;
};

TEST_F(MidiTest, PlaySendsTheExactStrings) {
    elMidi::Play(dir.Rel("one.mid").c_str(), 1);
    EXPECT_EQ(hl::MciLog(), (Log{OpenOf("one.mid"), "seek midi to start", "play midi notify"}));
    EXPECT_EQ(midiOpen, 1);
    EXPECT_EQ(midiLoop, 1);
    EXPECT_EQ(Mode(), "playing");
    hl::ClearMciLog();
    elMidi::Play(dir.Rel("two.mid").c_str(), 0);
    EXPECT_EQ(hl::MciLog(), (Log{"stop midi", "close midi", OpenOf("two.mid"), "seek midi to start", "play midi notify"}));
    EXPECT_EQ(midiLoop, 0);
    hl::ClearMciLog();
    elMidi::Stop();
    elMidi::Stop();
    EXPECT_EQ(hl::MciLog(), (Log{"stop midi", "close midi"})) << "the second stop sends nothing";
    EXPECT_EQ(midiOpen, 0);
    Drain();  // the aborted notifications of the stops are ignored
    EXPECT_EQ(hl::MciLog().size(), 2u);
}

TEST_F(MidiTest, TheEndWithLoopOnPlaysAgain) {
    elMidi::Play(dir.Rel("one.mid").c_str(), 1);
    for (int pass = 0; pass < 3; ++pass) {
        hl::ClearMciLog();
        hl::AdvanceMs(1050);
        EXPECT_EQ(Mode(), "stopped");
        hl::ClearMciLog();
        Drain();
        EXPECT_EQ(hl::MciLog(), (Log{"status midi mode", "seek midi to start", "play midi notify"})) << pass;
        EXPECT_EQ(Mode(), "playing");
    }
    EXPECT_EQ(midiOpen, 1);
}

TEST_F(MidiTest, TheEndWithLoopOffCloses) {
    elMidi::Play(dir.Rel("one.mid").c_str(), 0);
    hl::AdvanceMs(1050);
    hl::ClearMciLog();
    Drain();
    EXPECT_EQ(hl::MciLog(), (Log{"status midi mode", "stop midi", "close midi"}));
    EXPECT_EQ(midiOpen, 0);
    // A looping file after ClearLoop ends after its current pass.
    elMidi::Play(dir.Rel("one.mid").c_str(), 1);
    hl::AdvanceMs(500);
    elMidi::ClearLoop();
    hl::AdvanceMs(600);
    Drain();
    EXPECT_EQ(midiOpen, 0);
    EXPECT_EQ(hl::MciLog().back(), "close midi");
}

TEST_F(MidiTest, OnlyASuccessfulNotifyOfAnOpenFileIsAnswered) {
    elMidi::Play(dir.Rel("one.mid").c_str(), 1);
    hl::ClearMciLog();
    for (u32 code : {host::kMciNotifyAborted, host::kMciNotifySuperseded, host::kMciNotifyFailure}) {
        host::PostMessage(MainWindow, host::kMsgMciNotify, code, 1);
        Drain();
    }
    EXPECT_TRUE(hl::MciLog().empty());
    // A successful notify while the file still plays is asked about and left alone.
    host::PostMessage(MainWindow, host::kMsgMciNotify, host::kMciNotifySuccessful, 1);
    Drain();
    EXPECT_EQ(hl::MciLog(), Log{"status midi mode"});
    elMidi::Stop();
    hl::ClearMciLog();
    host::PostMessage(MainWindow, host::kMsgMciNotify, host::kMciNotifySuccessful, 1);
    Drain();
    EXPECT_TRUE(hl::MciLog().empty()) << "nothing open";
}

TEST_F(MidiTest, AMissingFileIsSilentAndNeverLoops) {
    elMidi::Play(dir.Rel("none.mid").c_str(), 1);
    EXPECT_EQ(midiOpen, 1) << "still marked open";
    EXPECT_EQ(Mode(), "");
    host::PostMessage(MainWindow, host::kMsgMciNotify, host::kMciNotifySuccessful, 1);
    hl::ClearMciLog();
    Drain();
    EXPECT_EQ(hl::MciLog(), Log{"status midi mode"});
    // A name that would not fit the command buffer is not sent at all.
    hl::ClearMciLog();
    const std::string longName(300, 'm');
    elMidi::Play(longName.c_str(), 1);
    EXPECT_EQ(hl::MciLog(), (Log{"stop midi", "close midi"}));
    EXPECT_EQ(midiOpen, 1);
}

TEST_F(MidiTest, AGeneratedFilePlaysThroughTheSynthesiser) {
    ASSERT_TRUE(host::midisynth::Start()) << kt::kNoSoundfont;
    hl::ClearCapturedAudio();
    elMidi::Play(dir.Rel("one.mid").c_str(), 1);
    hl::AdvanceMs(900);
    const size_t rate = host::mixer::kOutputRate;
    EXPECT_GT(kt::Rms(hl::CapturedAudio(), rate / 5, rate * 8 / 10), 300.0);
    elMidi::Stop();
}
