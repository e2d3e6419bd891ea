// The RIFF chunk reader and the WAVE reading built on it: what is accepted, and damaged files refused
// without reading outside the file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>

#include "el/sound_files.h"
#include "host/riff.h"

namespace {

struct Wave {
    bool ok = false;
    host::WaveFormat format{};
    u32 formatSize = 0;
    std::vector<u8> data;
};

Wave Read(const std::vector<u8>& image) {
    host::RiffReader r;
    r.OpenMemory(image.data(), image.size());
    host::WaveFormat* f = nullptr;
    u8* d = nullptr;
    u32 fs = 7, ds = 7;
    Wave w;
    w.ok = host::ReadWave(r, &f, &fs, &d, &ds);
    if (w.ok) {
        std::memcpy(&w.format, f, sizeof w.format);
        w.formatSize = fs;
        w.data.assign(d, d + ds);
    } else {
        EXPECT_EQ(f, nullptr);
        EXPECT_EQ(d, nullptr);
        EXPECT_EQ(fs, 0u);
        EXPECT_EQ(ds, 0u);
    }
    std::free(f);
    std::free(d);
    return w;
}

void SetU32(std::vector<u8>& v, size_t at, u32 x) { std::memcpy(v.data() + at, &x, 4); }

}  // namespace

TEST(RiffTest, ReadsPcmWaveAndSkipsOtherChunks) {
    const auto samples = kt::Samples16({1, -2, 3, -4});
    Wave w = Read(kt::WaveImage(2, 22050, 16, samples));
    ASSERT_TRUE(w.ok);
    EXPECT_EQ(+w.format.formatTag, 1);
    EXPECT_EQ(+w.format.channels, 2);
    EXPECT_EQ(+w.format.samplesPerSec, 22050u);
    EXPECT_EQ(+w.format.blockAlign, 4);
    EXPECT_EQ(+w.format.cbSize, 0);
    EXPECT_EQ(w.formatSize, 18u);
    EXPECT_EQ(w.data, samples);

    // A LIST chunk of odd size (padded) before "fmt ", and a "fact" chunk before "data".
    std::vector<u8> v;
    kt::PutTag(v, "RIFF");
    kt::Put32(v, 0);
    kt::PutTag(v, "WAVE");
    kt::PutTag(v, "LIST");
    kt::Put32(v, 5);
    kt::PutTag(v, "INFO");
    v.push_back('x');
    v.push_back(0);  // pad
    const auto plain = kt::WaveImage(1, 8000, 8, {0x80, 0x90, 0x70});
    v.insert(v.end(), plain.begin() + 12, plain.begin() + 36);  // the fmt chunk
    kt::PutTag(v, "fact");
    kt::Put32(v, 4);
    kt::Put32(v, 3);
    v.insert(v.end(), plain.begin() + 36, plain.end());
    SetU32(v, 4, static_cast<u32>(v.size() - 8));
    w = Read(v);
    ASSERT_TRUE(w.ok);
    EXPECT_EQ(+w.format.bitsPerSample, 8);
    EXPECT_EQ(w.data, (std::vector<u8>{0x80, 0x90, 0x70}));
}

TEST(RiffTest, NonPcmFormatKeepsItsExtraBytes) {
    std::vector<u8> v;
    kt::PutTag(v, "RIFF");
    kt::Put32(v, 0);
    kt::PutTag(v, "WAVE");
    kt::PutTag(v, "fmt ");
    kt::Put32(v, 20);
    kt::Put16(v, 2);  // not PCM
    kt::Put16(v, 1);
    kt::Put32(v, 8000);
    kt::Put32(v, 4000);
    kt::Put16(v, 256);
    kt::Put16(v, 4);
    kt::Put16(v, 2);  // extra size
    v.push_back(0xAB);
    v.push_back(0xCD);
    kt::PutTag(v, "data");
    kt::Put32(v, 0);
    SetU32(v, 4, static_cast<u32>(v.size() - 8));
    Wave w = Read(v);
    ASSERT_TRUE(w.ok);
    EXPECT_EQ(w.formatSize, 20u);
    EXPECT_EQ(+w.format.cbSize, 2);
    EXPECT_TRUE(w.data.empty());
    // The extra size claims more than the chunk holds.
    v[36] = 9;
    EXPECT_FALSE(Read(v).ok);
}

TEST(RiffTest, DamagedFilesAreRefused) {
    const auto good = kt::WaveImage(1, 11025, 16, kt::Constant16(5, 50));
    auto bad = good;
    std::memcpy(bad.data() + 8, "AVI ", 4);
    EXPECT_FALSE(Read(bad).ok) << "not a WAVE form";
    bad = good;
    SetU32(bad, 16, 14);
    EXPECT_FALSE(Read(bad).ok) << "format chunk shorter than 16 bytes";
    bad = good;
    SetU32(bad, 40, 101);
    EXPECT_FALSE(Read(bad).ok) << "data chunk running past the end";
    bad = good;
    SetU32(bad, 40, 0xFFFFFFF0u);
    EXPECT_FALSE(Read(bad).ok);
    bad = good;
    SetU32(bad, 4, 3);
    EXPECT_FALSE(Read(bad).ok) << "RIFF chunk too small for its form type";
    bad = good;
    SetU32(bad, 4, 28);
    EXPECT_FALSE(Read(bad).ok) << "data chunk outside the RIFF chunk";
    bad.assign(good.begin(), good.begin() + 30);
    EXPECT_FALSE(Read(bad).ok) << "cut inside the format chunk";
    bad.assign(good.begin(), good.begin() + 36);
    SetU32(bad, 4, 28);
    EXPECT_FALSE(Read(bad).ok) << "no data chunk";
    EXPECT_FALSE(Read({}).ok);
}

TEST(RiffTest, AnOverstatedRiffSizeEndsWithTheFile) {
    // Only the tag and the form type of the outer chunk decide; the chunks inside must still fit.
    const auto samples = kt::Samples16({7, -7, 9});
    auto v = kt::WaveImage(1, 11025, 16, samples);
    SetU32(v, 4, 0x7FFFFFFFu);
    Wave w = Read(v);
    ASSERT_TRUE(w.ok);
    EXPECT_EQ(w.data, samples);
    SetU32(v, 40, 7);
    EXPECT_FALSE(Read(v).ok) << "the data chunk still may not run past the end";
}

TEST(RiffTest, RandomDamageNeverReadsOutside) {
    const auto good = kt::WaveImage(2, 44100, 16, kt::Constant16(1234, 64));
    std::mt19937 rng(5);
    for (int round = 0; round < 3000; ++round) {
        auto v = good;
        const int edits = 1 + static_cast<int>(rng() % 4);
        for (int e = 0; e < edits; ++e) v[rng() % v.size()] = static_cast<u8>(rng());
        if (rng() % 4 == 0) v.resize(rng() % v.size());
        // Copy into an exactly sized heap block so that the sanitizer sees any read past its end.
        std::unique_ptr<u8[]> exact(new u8[v.size() + 1]);
        if (!v.empty()) std::memcpy(exact.get(), v.data(), v.size());
        host::RiffReader r;
        r.OpenMemory(exact.get(), v.size());
        host::WaveFormat* f = nullptr;
        u8* d = nullptr;
        u32 fs = 0, ds = 0;
        if (host::ReadWave(r, &f, &fs, &d, &ds)) {
            EXPECT_GE(fs, 18u);
            EXPECT_LE(ds, v.size());
        }
        std::free(f);
        std::free(d);
    }
}
