// Sound objects end to end through the headless audio device: loading, buffer turns, echoes, pause,
// the setters' clamps, restore, and the library running silent without a device.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "el/sound/sound_internal.h"
#include "el/sound_fixture.h"
#include "host/headless/headless.h"
#include "host/mixer.h"

namespace hl = host::headless;
namespace mx = host::mixer;
using elSound::Objects;

namespace {

// Mean of the left channel over [fromMs, toMs) of what the device played since the capture was cleared.
double LeftMean(double fromMs, double toMs) {
    const auto& cap = hl::CapturedAudio();
    const size_t a = static_cast<size_t>(fromMs * mx::kOutputRate / 1000), b = static_cast<size_t>(toMs * mx::kOutputRate / 1000);
    double sum = 0;
    size_t n = 0;
    for (size_t i = a; i < b && 2 * i < cap.size(); ++i, ++n) sum += cap[2 * i];
    return n ? sum / static_cast<double>(n) : 0.0;
}

}  // namespace

class SoundTest : public kt::SoundFixture {
protected:
    void SetUp() override {
        kt::SoundFixture::SetUp();
        FrameTime = 0.016f;
        // A one-second mono 16-bit sound at the output rate holding a constant level.
        kt::WriteFile(dir.Abs("dc.wav"), kt::WaveImage(1, mx::kOutputRate, 16, kt::Constant16(10000, mx::kOutputRate)));
    }
    void TearDown() override {
        kt::SoundFixture::TearDown();
        elSound::detail::Resources = nullptr;
        elSound::detail::ResourceCount = 0;
    }
    i32 Load(const char* name, i32 mix) { return elSound::LoadObject(dir.Rel(name).c_str(), mix); }
};

TEST_F(SoundTest, LoadsAFileIntoTheFirstFreeObject) {
    const i32 a = Load("dc.wav", 1);
    const i32 b = Load("dc.wav", 2);
    ASSERT_EQ(a, 0);
    ASSERT_EQ(b, 1);
    EXPECT_EQ(Objects[a].used, 1u);
    EXPECT_EQ(Objects[a].variation, -1);
    EXPECT_EQ(Objects[b].variation, 0);
    EXPECT_EQ(Objects[b].mixCount, 2u);
    EXPECT_EQ(Objects[a].baseFrequency, static_cast<u32>(mx::kOutputRate));
    EXPECT_STREQ(Objects[a].name, dir.Rel("dc.wav").c_str());
    EXPECT_EQ(mx::Size(Objects[b].buffer[1]), static_cast<u32>(mx::kOutputRate) * 2);
    EXPECT_TRUE(hl::Boxes().empty());
    elSound::ReleaseObject(a);
    EXPECT_EQ(Objects[a].used, 0u);
    EXPECT_EQ(Objects[a].buffer[0], nullptr);
    EXPECT_EQ(Load("dc.wav", 1), 0) << "a freed object is taken again";
}

TEST_F(SoundTest, RefusedLoadsLeaveEveryObjectFree) {
    EXPECT_EQ(Load("dc.wav", 11), -1);
    EXPECT_EQ(Load("dc.wav", -11), -1);
    EXPECT_TRUE(BoxSays("ミックス数が多過ぎます"));
    EXPECT_EQ(ErrorFlag, 1u);
    hl::ClearBoxes();
    const std::string longName(31, 'A');
    EXPECT_EQ(elSound::LoadObject(longName.c_str(), 1), -1);
    EXPECT_TRUE(BoxSays("ファイル名またはリソース名が長すぎます"));
    EXPECT_EQ(Load("missing.wav", 1), -1);
    EXPECT_TRUE(BoxSays("WAVEリソースが見つかりません"));
    // A readable file the mixer cannot play: the buffers cannot be made.
    auto img = kt::WaveImage(1, 8000, 16, kt::Constant16(1, 100));
    img[34] = 24;  // 24-bit samples
    img[32] = 3;
    kt::WriteFile(dir.Abs("float.wav"), img);
    hl::ClearBoxes();
    EXPECT_EQ(Load("float.wav", 3), -1);
    EXPECT_TRUE(BoxSays("サウンドバッファが生成できません"));
    for (const auto& o : Objects) {
        EXPECT_EQ(o.used, 0u);
        for (auto* b : o.buffer) EXPECT_EQ(b, nullptr);
    }
    EXPECT_EQ(Load("dc.wav", 1), 0);
}

TEST_F(SoundTest, TheSeventyFirstLoadIsRefused) {
    kt::WriteFile(dir.Abs("s.wav"), kt::WaveImage(1, 8000, 8, std::vector<u8>(16, 0x80)));
    for (int i = 0; i < 70; ++i) ASSERT_EQ(Load("s.wav", 1), i);
    EXPECT_EQ(Load("s.wav", 1), -1);
    EXPECT_TRUE(BoxSays("オブジェクト数が多過ぎます"));
}

TEST_F(SoundTest, PlayTakesTheBuffersInTurnAndCutsTheOldest) {
    const i32 n = Load("dc.wav", 3);
    auto pos = [&](int i) { return mx::GetPosition(Objects[n].buffer[i]); };
    for (int i = 0; i < 3; ++i) {
        elSound::Play(n, -1);
        hl::AdvanceMs(100);
    }
    EXPECT_EQ(Objects[n].nextBuffer, 0u);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(mx::IsPlaying(Objects[n].buffer[i]));
    EXPECT_GT(pos(0), pos(1));
    EXPECT_GT(pos(1), pos(2));
    elSound::Play(n, -1);  // the fourth restarts buffer 0
    EXPECT_EQ(pos(0), 0u);
    EXPECT_GT(pos(2), 0u);
    EXPECT_EQ(Objects[n].nextBuffer, 1u);
    EXPECT_EQ(Objects[n].looping, 0);
    // A buffer named directly leaves the turn alone.
    elSound::PlayLoop(n, 2);
    EXPECT_EQ(pos(2), 0u);
    EXPECT_TRUE(mx::IsLooping(Objects[n].buffer[2]));
    EXPECT_EQ(Objects[n].nextBuffer, 1u);
    EXPECT_EQ(Objects[n].looping, 1);
    elSound::Stop(n, -1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(mx::IsPlaying(Objects[n].buffer[i]));
        EXPECT_EQ(pos(i), 0u);
    }
}

TEST_F(SoundTest, NegativeMixTurnsWithoutEcho) {
    const i32 n = Load("dc.wav", -3);
    EXPECT_EQ(Objects[n].mixCount, 3u);
    EXPECT_EQ(Objects[n].variation, -1);
    elSound::SetVolume(n, -10, -1);
    for (u32 expect : {1u, 2u, 0u, 1u}) {
        elSound::Play(n, -2);
        EXPECT_EQ(Objects[n].nextBuffer, expect);
    }
    EXPECT_EQ(Objects[n].variation, -1);
    EXPECT_EQ(Objects[n].volume[0], -1000) << "no echo start resets the values";
    elSound::FadeStep(n, 0, 3, 6);
    EXPECT_EQ(Objects[n].nextBuffer, 1u) << "no echo runs";
}

TEST_F(SoundTest, EchoPlaysFourCopiesAtFallingLevels) {
    const i32 n = Load("dc.wav", 3);
    elSound::SetVolume(n, -30, -1);  // undone by the echo's start
    FrameTime = 0.01f;
    hl::ClearCapturedAudio();
    elSound::Play(n, -2);
    EXPECT_EQ(Objects[n].variation, 1);
    EXPECT_EQ(Objects[n].volume[0], 0);
    for (int i = 0; i < 45; ++i) {
        elSound::FadeStep(n, 100, 3, 6);
        hl::AdvanceMs(10);
    }
    EXPECT_EQ(Objects[n].variation, 0);
    EXPECT_EQ(Objects[n].volume[1], -600);
    EXPECT_EQ(Objects[n].volume[2], -1200);
    EXPECT_EQ(Objects[n].volume[0], -1800);
    const double db6 = std::pow(10.0, -0.3), db12 = std::pow(10.0, -0.6), db18 = std::pow(10.0, -0.9);
    // The copies start 90, 190 and 290 ms in (the tenth call of each interval), within one block.
    EXPECT_NEAR(LeftMean(20, 70), 10000, 2);
    EXPECT_NEAR(LeftMean(120, 170), 10000 * (1 + db6), 2);
    EXPECT_NEAR(LeftMean(220, 270), 10000 * (1 + db6 + db12), 2);
    EXPECT_NEAR(LeftMean(320, 370), 10000 * (db18 + db6 + db12), 2) << "the fourth copy cut the first";
    // A stop with a negative buffer ends a running echo.
    elSound::Play(n, -2);
    elSound::Stop(n, -2);
    EXPECT_EQ(Objects[n].variation, 0);
}

TEST_F(SoundTest, PanSweepWandersAndStaysInItsBounds) {
    const i32 n = Load("dc.wav", 4);
    elSound::PlayLoop(n, -2);
    EXPECT_EQ(Objects[n].echoLoops, 1);
    FrameTime = 0.1f;
    for (int i = 0; i < 3; ++i) elSound::PanSweep(n, 0, 3, 2, 50);
    EXPECT_EQ(Objects[n].variation, 0);
    EXPECT_FLOAT_EQ(std::fabs(Objects[n].panPosition), 30.0f);
    for (int i = 0; i < 4; ++i) {
        EXPECT_GE(Objects[n].pan[i], -3000);
        EXPECT_LE(Objects[n].pan[i], 3000);
    }
    EXPECT_TRUE(mx::IsLooping(Objects[n].buffer[3]));
}

TEST_F(SoundTest, TogglePauseResumesAtTheSavedCursor) {
    const i32 n = Load("dc.wav", 1);
    elSound::PlayLoop(n, -1);
    hl::AdvanceMs(200);
    elSound::TogglePause(n, -1);
    const u32 saved = Objects[n].pausePosition[0];
    EXPECT_GT(saved, 0u);
    EXPECT_FALSE(mx::IsPlaying(Objects[n].buffer[0]));
    hl::AdvanceMs(300);
    EXPECT_EQ(elSound::GetPosition(n), saved);
    elSound::TogglePause(n, 0);
    EXPECT_TRUE(mx::IsPlaying(Objects[n].buffer[0]));
    EXPECT_TRUE(mx::IsLooping(Objects[n].buffer[0]));
    EXPECT_EQ(elSound::GetPosition(n), saved);
    hl::AdvanceMs(100);
    EXPECT_GT(elSound::GetPosition(n), saved);
}

TEST_F(SoundTest, SettersClampAndReachThePlayingBuffer) {
    const i32 n = Load("dc.wav", 2);
    elSound::SetVolume(n, 5, -1);
    EXPECT_EQ(Objects[n].volume[0], 0);
    elSound::SetVolume(n, -200, -1);
    EXPECT_EQ(Objects[n].volume[1], -10000);
    EXPECT_EQ(mx::GetVolume(Objects[n].buffer[1]), -10000);
    elSound::AddVolume(n, 30, 0);
    EXPECT_EQ(Objects[n].volume[0], -7000);
    elSound::ResetVolume(n, -1);
    EXPECT_EQ(Objects[n].volume[1], 0);
    elSound::AddFrequency(n, -1000, 0);
    EXPECT_EQ(Objects[n].frequency[0], 100u) << "below zero is 100, not a wrapped unsigned value";
    elSound::SetFrequency(n, 20, 1);
    EXPECT_EQ(Objects[n].frequency[1], 44100u + 2000u);
    EXPECT_EQ(mx::GetFrequency(Objects[n].buffer[1]), 46100u);
    elSound::AddFrequency(n, 100000, 1);
    EXPECT_EQ(Objects[n].frequency[1], 100000u);
    elSound::ResetFrequency(n, -1);
    EXPECT_EQ(Objects[n].frequency[0], 44100u);
    elSound::PanLeft(n, 0);
    elSound::PanRight(n, 1);
    EXPECT_EQ(Objects[n].pan[0], -10000);
    EXPECT_EQ(Objects[n].pan[1], 10000);
    elSound::AddPan(n, -300, 1);
    EXPECT_EQ(Objects[n].pan[1], -10000);
    elSound::SetPan(n, 12, -2);  // the next buffer in turn: 0
    EXPECT_EQ(Objects[n].pan[0], 1200);
    elSound::ResetPan(n, -1);
    EXPECT_EQ(Objects[n].pan[0], 0);
    // The change is heard at once on a playing buffer.
    elSound::PlayLoop(n, 0);
    hl::AdvanceMs(30);
    hl::ClearCapturedAudio();
    elSound::SetVolume(n, -6, 0);
    hl::AdvanceMs(30);
    EXPECT_NEAR(LeftMean(0, 20), 10000 * std::pow(10.0, -0.3), 2);
}

TEST_F(SoundTest, OutOfRangeNumbersAreIgnored) {
    const i32 n = Load("dc.wav", 1);
    for (i32 bad : {-1, 70, 1000, 5}) {
        elSound::Play(bad, -1);
        elSound::PlayLoop(bad, 0);
        elSound::Stop(bad, -1);
        elSound::TogglePause(bad, -1);
        elSound::SetVolume(bad, -5, -1);
        elSound::FadeStep(bad, 1, 1, 1);
        elSound::ReleaseObject(bad);
        EXPECT_EQ(elSound::GetPosition(bad), 0u);
    }
    elSound::Play(n, 1);  // buffer index past the mix count
    elSound::SetVolume(n, -5, 3);
    elSound::TogglePause(n, 9);
    EXPECT_FALSE(mx::IsPlaying(Objects[n].buffer[0]));
    EXPECT_EQ(Objects[n].volume[0], 0);
    EXPECT_EQ(Objects[n].volume[3], 0);
    // An object of mix 0 holds no buffers and does nothing.
    const i32 z = Load("dc.wav", 0);
    ASSERT_GE(z, 0);
    EXPECT_EQ(Objects[z].mixCount, 0u);
    elSound::Play(z, -1);
    elSound::Play(z, -2);
    elSound::SetPan(z, 3, -1);
    EXPECT_EQ(elSound::GetPosition(z), 0u);
    EXPECT_EQ(mx::PlayingCount(), 0);
    EXPECT_TRUE(hl::Boxes().empty());
}

TEST_F(SoundTest, RestoreRebuildsEveryObjectWithItsValues) {
    const i32 n = Load("dc.wav", 3);
    elSound::SetVolume(n, -7, 1);
    elSound::SetFrequency(n, -10, 2);
    elSound::SetPan(n, 4, 0);
    elSound::Play(n, -1);
    mx::Buffer* before = Objects[n].buffer[0];
    elSound::RestoreAll();
    EXPECT_EQ(elSound::present, 1);
    EXPECT_EQ(Objects[n].used, 1u);
    EXPECT_EQ(Objects[n].nextBuffer, 1u);
    ASSERT_NE(Objects[n].buffer[2], nullptr);
    EXPECT_EQ(mx::GetVolume(Objects[n].buffer[1]), -700);
    EXPECT_EQ(mx::GetFrequency(Objects[n].buffer[2]), 43100u);
    EXPECT_EQ(mx::GetPan(Objects[n].buffer[0]), 400);
    EXPECT_STREQ(Objects[n].name, dir.Rel("dc.wav").c_str());
    (void)before;
    // After a release the objects keep their records, and a restore brings the buffers back.
    elSound::ReleaseAll();
    EXPECT_EQ(Objects[n].buffer[0], nullptr);
    EXPECT_EQ(Objects[n].used, 1u);
    EXPECT_FALSE(hl::AudioIsOpen());
    elSound::Play(n, -1);  // harmless on a released object
    elSound::RestoreAll();
    EXPECT_TRUE(hl::AudioIsOpen());
    EXPECT_NE(Objects[n].buffer[0], nullptr);
    EXPECT_EQ(elSound::SelectFormat(2, 22, 16), 1u);
    EXPECT_NE(Objects[n].buffer[2], nullptr);
    EXPECT_EQ(elSound::SelectFormat(3, 22, 16), 0u);
    EXPECT_TRUE(BoxSays("再生フォーマットを変更できません"));
}

TEST_F(SoundTest, WithoutADeviceEverythingIsQuietAndHarmless) {
    elSound::ReleaseAll();
    hl::SetAudioPresent(false);
    EXPECT_EQ(elSound::Init(), 0u);
    elSound::InitObjects();
    EXPECT_EQ(Load("dc.wav", 1), -1);
    EXPECT_EQ(Load("dc.wav", 11), -1);
    EXPECT_EQ(elSound::LoadPack("X.WAV", 1), -1);
    EXPECT_EQ(elSound::LoadStream("X.WAV", 0), -1);
    EXPECT_TRUE(hl::Boxes().empty());
    EXPECT_EQ(ErrorFlag, 0u);
    elSound::Play(0, -1);
    elSound::Stop(0, -1);
    elSound::SetVolume(0, -3, -1);
    elSound::FadeStep(0, 1, 1, 1);
    EXPECT_EQ(elSound::GetPosition(0), 0u);
    EXPECT_EQ(elSound::SelectFormat(2, 44, 16), 1u);
    EXPECT_EQ(elSound::Streaming(), 0u);
    elSound::Beep();
    elSound::RestoreAll();
    EXPECT_EQ(elSound::present, 0);
    elSound::ReleaseAll();
    EXPECT_TRUE(hl::Boxes().empty());
}

TEST_F(SoundTest, ResourceImagesAreCheckedBeforeUse) {
    auto good = kt::WaveImage(1, 8000, 16, kt::Constant16(321, 40));
    auto badTag = good;
    std::memcpy(badTag.data() + 36, "date", 4);
    auto badSize = good;
    badSize[40] = 81;  // one byte more than the image holds
    const elSound::detail::Resource table[] = {
        {"RES.WAV", "RCDATA", good.data(), static_cast<u32>(good.size())},
        {"TAG.WAV", "WAVE", badTag.data(), static_cast<u32>(badTag.size())},
        {"BIG.WAV", "WAVE", badSize.data(), static_cast<u32>(badSize.size())},
        {"CUT.WAV", "WAVE", good.data(), 43},
    };
    elSound::detail::Resources = table;
    elSound::detail::ResourceCount = 4;
    const i32 n = elSound::LoadObject("RES.WAV", 1);
    ASSERT_EQ(n, 0);
    void *p1, *p2;
    u32 n1, n2;
    ASSERT_TRUE(mx::Lock(Objects[n].buffer[0], 0, 80, &p1, &n1, &p2, &n2));
    EXPECT_EQ(static_cast<i16*>(p1)[39], 321);
    mx::Unlock(Objects[n].buffer[0]);
    for (const char* name : {"TAG.WAV", "BIG.WAV", "CUT.WAV"}) {
        hl::ClearBoxes();
        EXPECT_EQ(elSound::LoadObject(name, 1), -1) << name;
        EXPECT_TRUE(BoxSays("WAVEリソースが見つかりません")) << name;
    }
}

TEST_F(SoundTest, ReadWaveFileTrustsNoSize) {
    auto img = kt::WaveImage(2, 22050, 16, kt::Constant16(3, 64));
    img[40] += 1;  // data runs one byte past the end
    kt::WriteFile(dir.Abs("bad.wav"), img);
    host::WaveFormat* f = reinterpret_cast<host::WaveFormat*>(1);
    u8* d = reinterpret_cast<u8*>(1);
    u32 fs = 9, ds = 9;
    std::string path = std::string(elSystem::GetModuleDir(0)) + dir.Rel("bad.wav");
    EXPECT_EQ(elSound::ReadWaveFile(path.c_str(), &f, &fs, &d, &ds), 1u);
    EXPECT_EQ(f, nullptr);
    EXPECT_EQ(d, nullptr);
    EXPECT_EQ(fs + ds, 0u);
    path = std::string(elSystem::GetModuleDir(0)) + dir.Rel("dc.wav");
    ASSERT_EQ(elSound::ReadWaveFile(path.c_str(), &f, &fs, &d, &ds), 0u);
    EXPECT_EQ(fs, 18u);
    EXPECT_EQ(ds, static_cast<u32>(mx::kOutputRate) * 2);
    std::free(f);
    std::free(d);
}

TEST_F(SoundTest, SystemWavePlaysToItsEndAndTheObjectsComeBack) {
    const i32 n = Load("dc.wav", 1);
    kt::WriteFile(dir.Abs("sys.wav"), kt::WaveImage(1, 22050, 16, kt::Constant16(2000, 22050 / 2)));
    const u64 t0 = hl::ClockMicros();
    hl::ClearCapturedAudio();
    elSound::PlaySystemWav((std::string(elSystem::GetModuleDir(0)) + dir.Rel("SYS.WAV")).c_str());
    EXPECT_GE(hl::ClockMicros() - t0, 500'000u) << "returns when the sound has ended";
    EXPECT_LT(hl::ClockMicros() - t0, 700'000u);
    EXPECT_NEAR(LeftMean(100, 400), 2000, 2);
    EXPECT_NE(Objects[n].buffer[0], nullptr);
    EXPECT_EQ(elSound::present, 1);
}

TEST_F(SoundTest, TheErrorBoxBeeps) {
    hl::ClearCapturedAudio();
    elSystem::Error("elSound::Test", "x", 0);
    hl::AdvanceMs(60);
    EXPECT_GT(kt::Rms(hl::CapturedAudio(), 0, hl::CapturedAudio().size()), 1000.0);
    hl::AdvanceMs(300);
    hl::ClearCapturedAudio();
    hl::AdvanceMs(50);
    EXPECT_EQ(kt::Rms(hl::CapturedAudio(), 0, hl::CapturedAudio().size()), 0.0) << "a short tone";
}
