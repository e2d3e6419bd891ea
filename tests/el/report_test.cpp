// What the user is told when data is missing or damaged: each failure is also said in English on the
// error stream with the file's name and the reason, and a damaged WAVE file is a bad file, not a missing
// resource. A missing or damaged MIDI file is said too, and the music stays silent.
#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "draw_screen_fixture.h"
#include "el/elMidi.h"
#include "el/elSound.h"
#include "el/sound_files.h"
#include "host/report.h"
#include "sound_fixture.h"

namespace {

bool Reported(const std::string& line) {
    for (const std::string& r : host::FileReports())
        if (r == line) return true;
    return false;
}

class SoundReportTest : public kt::SoundFixture {
protected:
    void SetUp() override {
        kt::SoundFixture::SetUp();
        host::ClearFileReports();
    }
};

TEST_F(SoundReportTest, MissingAndDamagedWaveFilesAreToldApart) {
    const std::string missing = dir.Rel("SHOT.WAV");
    EXPECT_EQ(elSound::LoadObject(missing.c_str(), 1), -1);
    EXPECT_TRUE(Reported(missing + ": not found"));
    EXPECT_TRUE(BoxSays("WAVEリソースが見つかりません"));
    host::headless::ClearBoxes();

    const std::string damaged = dir.Rel("BOM.WAV");
    std::vector<u8> bad = kt::WaveImage(1, 22050, 16, kt::Constant16(5, 100));
    bad.resize(30);  // cut inside the format block
    kt::WriteFile(dir.Abs("BOM.WAV"), bad);
    EXPECT_EQ(elSound::LoadObject(damaged.c_str(), 1), -1);
    EXPECT_TRUE(Reported(damaged + ": cut short: its \"fmt \" chunk names 16 bytes and only 10 follow"));
    EXPECT_TRUE(BoxSays("WAVEファイルを読み込めません"));
    EXPECT_FALSE(BoxSays("WAVEリソースが見つかりません"));
    EXPECT_EQ(host::FileReports().size(), 2u);
}

// A whole WAVE file whose format block holds what the mixer cannot play keeps the library's box and is
// said in one line with what is wrong, by the object load and by the system's wave player alike.
struct UnplayableWave {
    const char* what;
    u16 channels;
    u32 rate;
    u16 bits;
    std::string said;
    u32 frames = 100;
    int blockAlignBy = 0;  // added to the block alignment the format needs
};
void PrintTo(const UnplayableWave& w, std::ostream* os) { *os << w.what; }

class UnplayableWaveTest : public SoundReportTest, public ::testing::WithParamInterface<UnplayableWave> {};

TEST_P(UnplayableWaveTest, IsOneLineNamingTheFileAndTheBoxStays) {
    const UnplayableWave& w = GetParam();
    std::vector<u8> image = kt::WaveImage(w.channels, w.rate, w.bits, std::vector<u8>(w.frames * 4, 0x11));
    image[32] = static_cast<u8>(image[32] + w.blockAlignBy);
    kt::WriteFile(dir.Abs("SHOT.WAV"), image);
    const std::string name = dir.Rel("SHOT.WAV");
    EXPECT_EQ(elSound::LoadObject(name.c_str(), 1), -1);
    EXPECT_EQ(host::FileReports(), std::vector<std::string>{name + ": " + w.said});
    EXPECT_TRUE(BoxSays("サウンドバッファが生成できません"));
    EXPECT_EQ(elSound::Objects[0].used, 0u);

    host::ClearFileReports();
    elSound::PlaySystemWav(dir.Abs("SHOT.WAV").c_str());
    EXPECT_EQ(host::FileReports(), std::vector<std::string>{dir.Abs("SHOT.WAV") + ": " + w.said});
}

INSTANTIATE_TEST_SUITE_P(
    FormatValues, UnplayableWaveTest,
    ::testing::Values(UnplayableWave{"NoChannels", 0, 22050, 16, "0 channels; this program plays 1 or 2"},
                      UnplayableWave{"EightChannels", 8, 22050, 16, "8 channels; this program plays 1 or 2"},
                      UnplayableWave{"RateZero", 1, 0, 16, "a sample rate of 0 Hz; this program plays 1 to 200000 Hz"},
                      UnplayableWave{"RateAllOnes", 2, 4294967295u, 8,
                                     "a sample rate of 4294967295 Hz; this program plays 1 to 200000 Hz"},
                      UnplayableWave{"TwentyFourBits", 1, 22050, 24, "24 bits a sample; this program plays 8 or 16"},
                      UnplayableWave{"BlockAlignment", 2, 22050, 16,
                                     "a block alignment of 5 bytes; its frames take 4", 100, 1},
                      UnplayableWave{"NoWholeSample", 2, 22050, 16, "its data holds no whole sample", 0}),
    [](const ::testing::TestParamInfo<UnplayableWave>& info) { return std::string(info.param.what); });

// A WAVE file that does not read is said in one line with what is wrong with it, by the object load (whose
// box says the file cannot be read) and by the system's wave player alike.
struct DamagedWave {
    const char* what;
    std::vector<u8> image;
    std::string said;
};
void PrintTo(const DamagedWave& w, std::ostream* os) { *os << w.what; }

class DamagedWaveTest : public SoundReportTest, public ::testing::WithParamInterface<DamagedWave> {};

TEST_P(DamagedWaveTest, IsOneLineSayingWhatIsWrong) {
    const DamagedWave& w = GetParam();
    kt::WriteFile(dir.Abs("SHOT.WAV"), w.image);
    const std::string name = dir.Rel("SHOT.WAV");
    EXPECT_EQ(elSound::LoadObject(name.c_str(), 1), -1);
    EXPECT_EQ(host::FileReports(), std::vector<std::string>{name + ": " + w.said});
    EXPECT_TRUE(BoxSays("WAVEファイルを読み込めません"));

    host::ClearFileReports();
    elSound::PlaySystemWav(dir.Abs("SHOT.WAV").c_str());
    EXPECT_EQ(host::FileReports(), std::vector<std::string>{dir.Abs("SHOT.WAV") + ": " + w.said});
}

std::vector<u8> Cut(std::vector<u8> v, size_t size) {
    v.resize(size);
    return v;
}
// A whole file of 100 frames of 16-bit mono (44 bytes of header, then 200 of data), with its data chunk's
// size made `dataSize`.
std::vector<u8> WaveClaiming(u32 dataSize) {
    std::vector<u8> v = kt::WaveImage(1, 22050, 16, kt::Constant16(5, 100));
    std::memcpy(v.data() + 40, &dataSize, 4);
    return v;
}
std::vector<u8> WithoutFormat() {
    std::vector<u8> v;
    kt::PutTag(v, "RIFF");
    kt::Put32(v, 4 + 8 + 2);
    kt::PutTag(v, "WAVE");
    kt::PutTag(v, "data");
    kt::Put32(v, 2);
    kt::Put16(v, 0);
    return v;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedWaveTest,
    ::testing::Values(
        DamagedWave{"Empty", {}, "an empty file"},
        DamagedWave{"NoDataChunk", Cut(WaveClaiming(200), 36), "a WAVE file without a data chunk"},
        DamagedWave{"NoFormatChunk", WithoutFormat(), "a WAVE file without a format chunk"},
        DamagedWave{"DataSizePastTheEnd", WaveClaiming(4000), "cut short: its \"data\" chunk names 4000 bytes and only 200 follow"},
        DamagedWave{"CutInTheData", Cut(WaveClaiming(200), 144), "cut short: its \"data\" chunk names 200 bytes and only 100 follow"},
        DamagedWave{"CutInTheHeader", {'R', 'I', 'F', 'F', 1, 2}, "cut short: 6 bytes, fewer than the 12 of a WAVE file's header"},
        DamagedWave{"CutInAChunksHeader", Cut(WaveClaiming(200), 40), "cut short: 4 bytes at the end where a chunk's header takes 8"},
        DamagedWave{"NotAWaveFile", {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96}, "not a PCM WAVE file"}),
    [](const ::testing::TestParamInfo<DamagedWave>& info) { return std::string(info.param.what); });

TEST_F(SoundReportTest, MissingOrDamagedMusicIsToldAndStaysSilent) {
    const std::string missing = dir.Rel("KTVB1.MID");
    elMidi::Play(missing.c_str(), 1);
    EXPECT_TRUE(Reported(missing + ": not found"));
    kt::WriteFile(dir.Abs("BAD.MID"), {'M', 'T', 'h', 'd', 0, 0});
    const std::string damaged = dir.Rel("BAD.MID");
    elMidi::Play(damaged.c_str(), 1);
    EXPECT_TRUE(Reported(damaged + ": not a MIDI file this program can play"));
    EXPECT_TRUE(host::headless::Boxes().empty()) << "music that cannot play is no error box";
    // A name too long for the sequencer's command is not sent, and said so.
    host::ClearFileReports();
    const std::string longName = dir.Rel(std::string(300, 'M') + ".MID");
    elMidi::Play(longName.c_str(), 1);
    EXPECT_EQ(host::FileReports(), std::vector<std::string>{longName + ": its path is too long for the sequencer"});
    // A name with a quote in it would end the sequencer's quoted name early.
    host::ClearFileReports();
    const std::string quoted = dir.Rel("A\"B.MID");
    elMidi::Play(quoted.c_str(), 1);
    EXPECT_EQ(host::FileReports(), std::vector<std::string>{quoted + ": a name the sequencer cannot take"});
    elMidi::Stop();
}

// Without a sound device every part of the sound that asks for it is refused; the user hears of it once.
TEST(NoSoundDeviceReport, OneLineSaysSoAndPlayGoesOnSilent) {
    kt::FreshMachine();
    host::headless::SetAudioPresent(false);
    host::ClearFileReports();
    kt::ProgramSubfolder dir;
    kt::WriteFile(dir.Abs("TUNE.MID"), kt::ChordSmf(1.0));
    EXPECT_EQ(elSound::Init(), 0u);
    elSound::InitObjects();
    elMidi::Init();
    for (int round = 0; round < 2; ++round) {
        elSound::Beep();
        elMidi::Play(dir.Rel("TUNE.MID").c_str(), 1);
        host::headless::AdvanceMs(100);
        elMidi::Stop();
    }
    EXPECT_EQ(host::FileReports(), std::vector<std::string>{"no sound device: playing without sound"});
    EXPECT_TRUE(host::headless::Boxes().empty());
    elSound::ReleaseAll();

    // A later machine that has no device either is told again.
    kt::FreshMachine();
    host::headless::SetAudioPresent(false);
    elSound::Init();
    EXPECT_EQ(host::FileReports().size(), 2u);
    elSound::ReleaseAll();
}

class PictureReportTest : public kt::ScreenTest {};

TEST_F(PictureReportTest, MissingAndDamagedPicturesNameTheFileAndTheReason) {
    Up();
    host::ClearFileReports();
    EXPECT_EQ(elDraw::LoadObject("H13R_NONE.BMP", 1), 0);
    EXPECT_TRUE(Reported("H13R_NONE.BMP: not found"));
    WriteFile("H13R_BAD.BMP", {'B', 'M', 9, 9, 9});
    EXPECT_EQ(elDraw::LoadObject("H13R_BAD.BMP", 1), 0);
    RemoveFile("H13R_BAD.BMP");
    EXPECT_TRUE(Reported("H13R_BAD.BMP: not a BMP file this program can read"));
    EXPECT_EQ(host::FileReports().size(), 2u);
}

// A file that is there but cannot be read is not "not found": the system's reason is said, whichever
// loader met it.
TEST_F(PictureReportTest, UnreadableFilesSayTheSystemsReason) {
    Up();
    elSound::Init();
    elSound::InitObjects();
    kt::ProgramSubfolder dir;
    std::filesystem::create_symlink(dir.Abs("B.BMP"), dir.Abs("A.BMP"));
    std::filesystem::create_symlink(dir.Abs("A.BMP"), dir.Abs("B.BMP"));
    std::filesystem::create_directory(dir.Abs("SHOT.WAV"));
    std::filesystem::create_symlink(dir.Abs("KTVB1.MID"), dir.Abs("KTVB1.MID"));
    host::ClearFileReports();
    EXPECT_EQ(elDraw::LoadObject(dir.Rel("A.BMP").c_str(), 1), 0);
    EXPECT_TRUE(Reported(dir.Rel("A.BMP") + ": too many levels of symbolic links"));
    EXPECT_EQ(elSound::LoadObject(dir.Rel("SHOT.WAV").c_str(), 1), -1);
    EXPECT_TRUE(Reported(dir.Rel("SHOT.WAV") + ": is a directory"));
    elMidi::Play(dir.Rel("KTVB1.MID").c_str(), 1);
    elMidi::Stop();
    EXPECT_TRUE(Reported(dir.Rel("KTVB1.MID") + ": too many levels of symbolic links"));
    EXPECT_EQ(host::FileReports().size(), 3u);
    for (i32 i = 0; i < elSound::kObjectCount; ++i) elSound::ReleaseObject(i);
}

}  // namespace
