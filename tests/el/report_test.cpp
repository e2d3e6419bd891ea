// What the user is told when data is missing or damaged: each failure is also said in English on the
// error stream with the file's name and the reason, and a damaged WAVE file is a bad file, not a missing
// resource. A missing or damaged MIDI file is said too, and the music stays silent.
#include <filesystem>
#include <string>

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
    EXPECT_TRUE(Reported(damaged + ": not a PCM WAVE file"));
    EXPECT_TRUE(BoxSays("WAVEファイルを読み込めません"));
    EXPECT_FALSE(BoxSays("WAVEリソースが見つかりません"));

    // A whole file in a format the mixer does not take (24 bits) is said to be no PCM WAVE file either.
    const std::string wide = dir.Rel("WIDE.WAV");
    kt::WriteFile(dir.Abs("WIDE.WAV"), kt::WaveImage(1, 22050, 24, std::vector<u8>(300, 1)));
    EXPECT_EQ(elSound::LoadObject(wide.c_str(), 1), -1);
    EXPECT_TRUE(Reported(wide + ": not a PCM WAVE file"));
    EXPECT_EQ(host::FileReports().size(), 3u);
}

TEST_F(SoundReportTest, MissingOrDamagedMusicIsToldAndStaysSilent) {
    const std::string missing = dir.Rel("KTVB1.MID");
    elMidi::Play(missing.c_str(), 1);
    EXPECT_TRUE(Reported(missing + ": not found"));
    kt::WriteFile(dir.Abs("BAD.MID"), {'M', 'T', 'h', 'd', 0, 0});
    const std::string damaged = dir.Rel("BAD.MID");
    elMidi::Play(damaged.c_str(), 1);
    EXPECT_TRUE(Reported(damaged + ": not a MIDI file this program can play"));
    EXPECT_TRUE(host::headless::Boxes().empty()) << "music that cannot play is no error box";
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
