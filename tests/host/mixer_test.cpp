// The mixer measured on its own output: gains, pan, resampling, cursors, locks, saturation, the device.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "host/backend.h"
#include "host/headless/headless.h"
#include "host/mixer.h"
#include "support/headless_machine.h"

namespace hl = host::headless;
namespace mx = host::mixer;

namespace {

// A buffer filled with `frames` frames of the mono 16-bit samples given by f(i).
template <class F>
mx::Buffer* Mono16(u32 rate, u32 frames, F f) {
    mx::Buffer* b = mx::Create({1, rate, 16}, frames * 2);
    void *p1, *p2;
    u32 n1, n2;
    EXPECT_TRUE(mx::Lock(b, 0, frames * 2, &p1, &n1, &p2, &n2));
    for (u32 i = 0; i < frames; ++i) static_cast<i16*>(p1)[i] = static_cast<i16>(f(i));
    mx::Unlock(b);
    return b;
}

std::vector<i16> Mix(i32 frames) {
    std::vector<i16> out(static_cast<size_t>(frames) * 2);
    mx::MixInto(out.data(), frames);
    return out;
}

// Sign changes from negative to non-negative on one channel.
int UpCrossings(const std::vector<i16>& s, int channel) {
    int n = 0;
    for (size_t i = 2 + channel; i < s.size(); i += 2) n += (s[i - 2] < 0 && s[i] >= 0) ? 1 : 0;
    return n;
}

class MixerTest : public kt::Headless {
protected:
    void TearDown() override {
        for (mx::Buffer* b : made) mx::Release(b);
    }
    mx::Buffer* Keep(mx::Buffer* b) {
        made.push_back(b);
        return b;
    }
    std::vector<mx::Buffer*> made;
};

}  // namespace

TEST_F(MixerTest, RefusesUnusableFormatsAndStartsSilentStoppedAndCentred) {
    EXPECT_EQ(mx::Create({3, 22050, 16}, 600), nullptr);
    EXPECT_EQ(mx::Create({1, 22050, 12}, 600), nullptr);
    EXPECT_EQ(mx::Create({2, 22050, 16}, 6), nullptr) << "not a whole number of frames";
    EXPECT_EQ(mx::Create({1, 0, 16}, 600), nullptr);
    mx::Buffer* b = Keep(mx::Create({2, 22050, 16}, 800));
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(mx::IsPlaying(b));
    EXPECT_EQ(mx::GetPosition(b), 0u);
    EXPECT_EQ(mx::GetFrequency(b), 22050u);
    EXPECT_EQ(mx::GetVolume(b), 0);
    EXPECT_EQ(mx::GetPan(b), 0);
    void *p1, *p2;
    u32 n1, n2;
    ASSERT_TRUE(mx::Lock(b, 0, 800, &p1, &n1, &p2, &n2));
    EXPECT_EQ(n1, 800u);
    EXPECT_EQ(p2, nullptr);
    for (u32 i = 0; i < n1; ++i) ASSERT_EQ(static_cast<u8*>(p1)[i], 0);
    mx::Unlock(b);
}

TEST_F(MixerTest, LockWrapsIntoASecondRegionAndRefusesOutOfRange) {
    mx::Buffer* b = Keep(mx::Create({1, 8000, 8}, 100));
    void *p1, *p2;
    u32 n1, n2;
    ASSERT_TRUE(mx::Lock(b, 90, 30, &p1, &n1, &p2, &n2));
    EXPECT_EQ(n1, 10u);
    EXPECT_EQ(n2, 20u);
    std::memset(p1, 1, n1);
    std::memset(p2, 2, n2);
    mx::Unlock(b);
    ASSERT_TRUE(mx::Lock(b, 0, 100, &p1, &n1, &p2, &n2));
    EXPECT_EQ(static_cast<u8*>(p1)[19], 2);
    EXPECT_EQ(static_cast<u8*>(p1)[20], 0);
    EXPECT_EQ(static_cast<u8*>(p1)[90], 1);
    mx::Unlock(b);
    EXPECT_FALSE(mx::Lock(b, 100, 1, &p1, &n1, &p2, &n2));
    EXPECT_FALSE(mx::Lock(b, 0, 101, &p1, &n1, &p2, &n2));
}

TEST_F(MixerTest, VolumeAndPanGainsOnTheOutput) {
    mx::Buffer* b = Keep(Mono16(mx::kOutputRate, 1000, [](u32) { return 10000; }));
    mx::Play(b, true);
    auto level = [&](int channel) { return Mix(256)[2 * 100 + channel]; };
    EXPECT_EQ(level(0), 10000);
    EXPECT_EQ(level(1), 10000);
    mx::SetVolume(b, -600);  // -6 dB
    EXPECT_NEAR(level(0), 10000 * std::pow(10.0, -0.3), 1.0);
    mx::SetVolume(b, 0);
    mx::SetPan(b, 1000);  // right: the left side is 10 dB down
    EXPECT_NEAR(level(0), 10000 * std::pow(10.0, -0.5), 1.0);
    EXPECT_EQ(level(1), 10000);
    mx::SetPan(b, -2000);
    EXPECT_EQ(level(0), 10000);
    EXPECT_NEAR(level(1), 1000, 1.0);
    mx::SetPan(b, -10000);
    EXPECT_EQ(level(1), 0);
    mx::SetVolume(b, -20000);
    EXPECT_EQ(mx::GetVolume(b), -10000);
    EXPECT_EQ(level(0), 0) << "-10000 is silence";
    mx::SetPan(b, 99999);
    EXPECT_EQ(mx::GetPan(b), 10000);
}

TEST_F(MixerTest, FrequencyResamplesAndIsClamped) {
    // One second of 1 kHz at 22050 Hz, looping.
    mx::Buffer* b = Keep(Mono16(22050, 22050, [](u32 i) { return std::lrint(12000 * std::sin(2 * M_PI * 1000.0 * i / 22050)); }));
    mx::Play(b, true);
    EXPECT_NEAR(UpCrossings(Mix(mx::kOutputRate), 0), 1000, 2);
    mx::SetFrequency(b, 44100);
    EXPECT_NEAR(UpCrossings(Mix(mx::kOutputRate), 0), 2000, 2);
    mx::SetFrequency(b, 11025);
    EXPECT_NEAR(UpCrossings(Mix(mx::kOutputRate), 1), 500, 2);
    mx::SetFrequency(b, 5);
    EXPECT_EQ(mx::GetFrequency(b), 100u);
    mx::SetFrequency(b, 1'000'000);
    EXPECT_EQ(mx::GetFrequency(b), 100000u);
    // Interpolated, not stepped: at half speed a rising ramp gives the midpoints.
    mx::Buffer* r = Keep(Mono16(mx::kOutputRate, 64, [](u32 i) { return static_cast<i32>(i) * 100; }));
    mx::Stop(b);
    mx::SetFrequency(r, mx::kOutputRate / 2);
    mx::Play(r, false);
    const auto s = Mix(8);
    EXPECT_EQ(s[2], 50);
    EXPECT_EQ(s[6], 150);
}

TEST_F(MixerTest, CursorStopKeepsPositionOneShotRewindsAtItsEnd) {
    mx::Buffer* b = Keep(Mono16(mx::kOutputRate, 1000, [](u32) { return 100; }));
    mx::SetPosition(b, 301);
    EXPECT_EQ(mx::GetPosition(b), 300u) << "rounded down to a frame";
    mx::SetPosition(b, 0);
    mx::Play(b, false);
    Mix(300);
    EXPECT_EQ(mx::GetPosition(b), 600u);
    mx::Stop(b);
    Mix(100);
    EXPECT_EQ(mx::GetPosition(b), 600u);
    mx::Play(b, false);
    const auto s = Mix(800);
    EXPECT_EQ(s[2 * 699], 100);
    EXPECT_EQ(s[2 * 700], 0) << "the sound ends after its last frame";
    EXPECT_FALSE(mx::IsPlaying(b));
    EXPECT_EQ(mx::GetPosition(b), 0u);
    // Looping carries on across the end.
    mx::SetPosition(b, 1900);
    mx::Play(b, true);
    Mix(100);
    EXPECT_TRUE(mx::IsPlaying(b));
    EXPECT_EQ(mx::GetPosition(b), 100u);
    mx::SetPosition(b, 5000);
    EXPECT_EQ(mx::GetPosition(b), 0u);
}

TEST_F(MixerTest, ACursorNeverReadsPastTheEndBetweenBlocks) {
    // A block that ends exactly on the buffer's end: a one-shot buffer is over at once, a looping one
    // stands at its start, and a looping one that stepped past its end reads where it wrapped to.
    mx::Buffer* once = Keep(Mono16(mx::kOutputRate, 1000, [](u32) { return 100; }));
    mx::Buffer* loop = Keep(Mono16(mx::kOutputRate, 1000, [](u32) { return 100; }));
    mx::Buffer* fast = Keep(Mono16(mx::kOutputRate, 3, [](u32) { return 100; }));
    mx::SetFrequency(fast, 2 * mx::kOutputRate);  // two frames per output frame
    mx::Play(once, false);
    mx::Play(loop, true);
    mx::Play(fast, true);
    Mix(1000);
    EXPECT_FALSE(mx::IsPlaying(once));
    EXPECT_EQ(mx::GetPosition(once), 0u);
    EXPECT_EQ(mx::GetPosition(loop), 0u);
    EXPECT_EQ(mx::GetPosition(fast), 4u) << "frame 2000 of a 3-frame loop is frame 2";
    Mix(1);
    EXPECT_EQ(mx::GetPosition(fast), 2u) << "frame 2002 is frame 1, not frame 4";
}

TEST_F(MixerTest, EightBitUnsignedStereoAndSaturation) {
    mx::Buffer* s8 = Keep(mx::Create({2, mx::kOutputRate, 8}, 200));
    void *p1, *p2;
    u32 n1, n2;
    ASSERT_TRUE(mx::Lock(s8, 0, 200, &p1, &n1, &p2, &n2));
    for (u32 i = 0; i < 100; ++i) {
        static_cast<u8*>(p1)[2 * i] = 0x80;      // silence
        static_cast<u8*>(p1)[2 * i + 1] = 0xC0;  // +64 of 128
    }
    mx::Unlock(s8);
    mx::Play(s8, true);
    auto s = Mix(16);
    EXPECT_EQ(s[8], 0);
    EXPECT_EQ(s[9], 64 * 256);
    mx::Stop(s8);
    // Hundreds of loud buffers at once: the sum saturates instead of wrapping.
    for (int i = 0; i < 300; ++i) {
        mx::Buffer* b = Keep(Mono16(mx::kOutputRate, 64, [i](u32) { return i % 2 ? 30000 : 20000; }));
        mx::Play(b, true);
        if (i == 0) mx::SetPan(b, -10000);
    }
    EXPECT_EQ(mx::PlayingCount(), 300);
    s = Mix(32);
    EXPECT_EQ(s[10], 32767);
    EXPECT_EQ(s[11], 32767);
    for (mx::Buffer* b : made) mx::Stop(b);
    mx::Buffer* neg = Keep(Mono16(mx::kOutputRate, 64, [](u32) { return -30000; }));
    mx::Buffer* neg2 = Keep(Mono16(mx::kOutputRate, 64, [](u32) { return -30000; }));
    mx::Play(neg, true);
    mx::Play(neg2, true);
    EXPECT_EQ(Mix(8)[4], -32768);
}

TEST_F(MixerTest, DeviceIsSharedAndMayBeMissing) {
    EXPECT_FALSE(mx::DeviceOpen());
    ASSERT_TRUE(mx::AcquireDevice());
    ASSERT_TRUE(mx::AcquireDevice());
    EXPECT_TRUE(hl::AudioIsOpen());
    EXPECT_EQ(hl::AudioRate(), mx::kOutputRate);
    mx::ReleaseDevice();
    EXPECT_TRUE(hl::AudioIsOpen()) << "a second holder keeps it open";
    mx::ReleaseDevice();
    EXPECT_FALSE(hl::AudioIsOpen());
    hl::SetAudioPresent(false);
    EXPECT_FALSE(mx::AcquireDevice());
    mx::ReleaseDevice();  // harmless without a hold
    // Without a device buffers still take every call, and nothing advances.
    mx::Buffer* b = Keep(Mono16(22050, 100, [](u32) { return 1; }));
    mx::Play(b, false);
    hl::AdvanceMs(100);
    EXPECT_EQ(mx::GetPosition(b), 0u);
}

TEST_F(MixerTest, PlayReachesTheOutputWithinOneBlock) {
    ASSERT_TRUE(mx::AcquireDevice());
    mx::Buffer* b = Keep(Mono16(mx::kOutputRate, 4410, [](u32) { return 8000; }));
    hl::AdvanceMs(50);
    hl::ClearCapturedAudio();
    const u64 start = hl::ClockMicros();
    // The block boundary the next callback will run at: the sound must be in that very block.
    mx::Play(b, false);
    while (hl::CapturedAudio().empty()) hl::AdvanceMicros(100);
    const u64 heard = hl::ClockMicros() - start;
    EXPECT_LE(heard, 1'000'000ull * mx::kBlockFrames / mx::kOutputRate + 100);
    EXPECT_EQ(hl::CapturedAudio()[0], 8000);
    hl::AdvanceMs(200);
    EXPECT_FALSE(mx::IsPlaying(b));
    const auto& cap = hl::CapturedAudio();
    size_t loud = 0;
    for (size_t i = 0; i < cap.size(); i += 2) loud += cap[i] == 8000;
    EXPECT_EQ(loud, 4410u) << "every frame played once, nothing dropped or doubled";
    mx::ReleaseDevice();
}
