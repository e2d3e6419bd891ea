// The media-control interpreter: command parsing, the sequencer's modes, notifications by the virtual
// clock, and real General MIDI sound from the synthesiser.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "el/sound_files.h"
#include "host/headless/headless.h"
#include "host/mci.h"
#include "host/midisynth.h"
#include "host/mixer.h"
#include "host/window.h"
#include "support/headless_machine.h"
#include "support/soundfont.h"

namespace hl = host::headless;

namespace {

constexpr host::Window kWin = 1;  // the program's main window

u32 Send(const std::string& c, char* answer = nullptr, u32 size = 0) {
    return host::MciSendString(c.c_str(), answer, size, kWin);
}

std::string Mode() {
    char a[32];
    Send("status midi mode", a, sizeof a);
    return a;
}

// The notify codes waiting in the queue, in order.
std::vector<u32> Notifications() {
    std::vector<u32> codes;
    host::Message m;
    while (host::PeekMessage(&m))
        if (m.message == host::kMsgMciNotify) codes.push_back(static_cast<u32>(m.wParam));
    return codes;
}

class MciTest : public kt::Headless {
protected:
    void SetUp() override {
        kt::Headless::SetUp();
        kt::WriteFile(dir.Abs("one.mid"), kt::ChordSmf(1.0));
        open = "open \"" + dir.Abs("one.mid") + "\" type sequencer alias midi";
    }
    // The synthesiser the open started keeps sounding its last notes' tails after the close: stop it too,
    // so that the next test's mix starts silent.
    void TearDown() override {
        Send("close midi");
        host::midisynth::Stop();
    }
    kt::ProgramSubfolder dir;
    std::string open;
};

}  // namespace

TEST_F(MciTest, OpenPlayAndTheNaturalEndNotifies) {
    ASSERT_EQ(Send(open), 0u);
    EXPECT_EQ(Mode(), "stopped");
    char len[16];
    ASSERT_EQ(Send("status midi length", len, sizeof len), 0u);
    EXPECT_EQ(std::string(len), "1000");
    ASSERT_EQ(Send("seek midi to start"), 0u);
    ASSERT_EQ(Send("play midi notify"), 0u);
    EXPECT_EQ(Mode(), "playing");
    hl::AdvanceMs(950);
    EXPECT_EQ(Mode(), "playing");
    EXPECT_TRUE(Notifications().empty());
    hl::AdvanceMs(100);
    EXPECT_EQ(Mode(), "stopped");
    EXPECT_EQ(Notifications(), std::vector<u32>{host::kMciNotifySuccessful});
    // Played again from the start, without notify: it ends without a message.
    Send("seek midi to start");
    Send("play midi");
    hl::AdvanceMs(1100);
    EXPECT_EQ(Mode(), "stopped");
    EXPECT_TRUE(Notifications().empty());
}

TEST_F(MciTest, StopAndNewPlayEndTheOldNotification) {
    ASSERT_EQ(Send(open), 0u);
    Send("play midi notify");
    hl::AdvanceMs(100);
    Send("play midi notify");
    Send("stop midi");
    EXPECT_EQ(Notifications(), (std::vector<u32>{host::kMciNotifySuperseded, host::kMciNotifyAborted}));
    EXPECT_EQ(Mode(), "stopped");
    char pos[16];
    Send("status midi position", pos, sizeof pos);
    EXPECT_GE(std::atoi(pos), 90) << "stop keeps the position";
    Send("play midi notify");
    hl::AdvanceMs(1000);
    EXPECT_EQ(Notifications(), std::vector<u32>{host::kMciNotifySuccessful});
    Send("play midi notify");
    EXPECT_EQ(Send("close midi"), 0u);
    EXPECT_EQ(Notifications(), std::vector<u32>{host::kMciNotifyAborted});
    EXPECT_EQ(Send("status midi mode"), 263u) << "closed";
}

TEST_F(MciTest, TheAnswerIsBoundedAndAlwaysTerminated) {
    char a[8];
    std::memset(a, 'x', sizeof a);
    EXPECT_NE(Send("status midi mode", a, sizeof a), 0u);
    EXPECT_EQ(a[0], 0) << "no device: an empty answer";
    ASSERT_EQ(Send(open), 0u);
    std::memset(a, 'x', sizeof a);
    ASSERT_EQ(Send("status midi mode", a, 3), 0u);
    EXPECT_STREQ(a, "st");
    EXPECT_EQ(a[3], 'x') << "nothing written past the answer's size";
    EXPECT_EQ(Send("status midi mode", a, 0), 0u);
}

TEST_F(MciTest, CommandsAreParsedExactly) {
    EXPECT_NE(Send("open \"" + dir.Abs("missing.mid") + "\" type sequencer alias midi"), 0u);
    kt::WriteFile(dir.Abs("bad.mid"), {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 0, 9});
    EXPECT_NE(Send("open \"" + dir.Abs("bad.mid") + "\" type sequencer alias midi"), 0u);
    EXPECT_NE(Send("open \"" + dir.Abs("one.mid") + "\" type waveaudio alias midi"), 0u);
    EXPECT_NE(Send("open \"" + dir.Abs("one.mid") + " type sequencer alias midi"), 0u) << "unclosed quote";
    EXPECT_NE(Send("play midi notify"), 0u) << "nothing is open";
    ASSERT_EQ(Send(open), 0u);
    EXPECT_NE(Send(open), 0u) << "the alias is taken";
    EXPECT_NE(Send("fly midi"), 0u);
    EXPECT_NE(Send("play other"), 0u);
    EXPECT_NE(Send("play midi loudly"), 0u);
    EXPECT_NE(Send("seek midi to middle"), 0u);
    EXPECT_NE(Send("seek midi"), 0u);
    EXPECT_NE(Send(std::string(2000, 'a')), 0u);
    EXPECT_EQ(Mode(), "stopped") << "no refused command started anything";
    EXPECT_EQ(Send("  PLAY   Midi   NOTIFY "), 0u) << "words are matched without regard to case or spacing";
    EXPECT_EQ(Mode(), "playing");
    const auto& log = hl::MciLog();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log.back(), "status midi mode");
    EXPECT_EQ(log[log.size() - 2], "  PLAY   Midi   NOTIFY ");
}

TEST_F(MciTest, NoAudioDeviceFailsTheOpen) {
    hl::SetAudioPresent(false);
    EXPECT_NE(Send(open), 0u);
    EXPECT_NE(Send("play midi notify"), 0u);
}

TEST_F(MciTest, DamagedFilesAreRefusedWithoutReadingOutside) {
    const auto good = kt::ChordSmf(0.5);
    host::midi::Song song;
    ASSERT_TRUE(host::midi::ParseSmf(good.data(), good.size(), 44100, &song));
    EXPECT_EQ(song.events.size(), 7u);
    EXPECT_EQ(song.lengthFrames, 22050u);
    for (size_t cut = 0; cut < good.size(); ++cut) {
        std::vector<u8> v(good.begin(), good.begin() + static_cast<long>(cut));
        std::unique_ptr<u8[]> exact(new u8[cut + 1]);
        if (cut) std::memcpy(exact.get(), v.data(), cut);
        host::midi::Song s;
        host::midi::ParseSmf(exact.get(), cut, 44100, &s);  // must not read past the cut
    }
    auto bad = good;
    bad[21] = 0x70;  // the track length claims more than the file holds
    EXPECT_FALSE(host::midi::ParseSmf(bad.data(), bad.size(), 44100, &song));
    bad = good;
    bad[23] = 0x45;  // a data byte with no status before it
    EXPECT_FALSE(host::midi::ParseSmf(bad.data(), bad.size(), 44100, &song));
}

TEST_F(MciTest, TheSynthesiserMakesRealSound) {
    ASSERT_TRUE(host::midisynth::Start()) << kt::kNoSoundfont;
    ASSERT_EQ(Send(open), 0u);
    hl::ClearCapturedAudio();
    Send("play midi notify");
    hl::AdvanceMs(1050);
    const auto& cap = hl::CapturedAudio();
    const size_t rate = host::mixer::kOutputRate;
    EXPECT_GT(kt::Rms(cap, rate / 5, rate), 300.0) << "the chord sounds";
    EXPECT_EQ(Notifications(), std::vector<u32>{host::kMciNotifySuccessful});
    Send("stop midi");
    hl::ClearCapturedAudio();
    hl::AdvanceMs(3000);
    EXPECT_LT(kt::Rms(hl::CapturedAudio(), rate, 3 * rate), 1.0) << "silence after the stop";
}
