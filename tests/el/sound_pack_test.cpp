// The sound pack: writing, finding entries, refusing damaged packs, and streams that refill across the
// circular buffer's wrap, loop at their offset, or end in silence.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "el/sound_fixture.h"
#include "host/headless/headless.h"
#include "host/mixer.h"
#include "host/report.h"
#include "host/text.h"
#include "support/limited_child.h"

namespace hl = host::headless;
namespace mx = host::mixer;
using elSound::Objects;

namespace {

int BoxCount() { return static_cast<int>(hl::Boxes().size()); }

// One hand-made pack entry.
void AddEntry(std::vector<u8>& pack, const std::string& name, const std::vector<u8>& format, const std::vector<u8>& data,
              u32 dataSizeField = 0xFFFFFFFF, u32 formatSizeField = 0xFFFFFFFF) {
    kt::Put32(pack, dataSizeField == 0xFFFFFFFF ? static_cast<u32>(data.size()) : dataSizeField);
    pack.insert(pack.end(), name.begin(), name.end());
    pack.push_back(0);
    kt::Put32(pack, formatSizeField == 0xFFFFFFFF ? static_cast<u32>(format.size()) : formatSizeField);
    pack.insert(pack.end(), format.begin(), format.end());
    pack.insert(pack.end(), data.begin(), data.end());
}

std::vector<u8> PcmFormat(u16 channels, u32 rate, u16 bits, u16 extra = 0) {
    std::vector<u8> f;
    kt::Put16(f, 1);
    kt::Put16(f, channels);
    kt::Put32(f, rate);
    kt::Put32(f, rate * channels * bits / 8);
    kt::Put16(f, static_cast<u16>(channels * bits / 8));
    kt::Put16(f, bits);
    kt::Put16(f, extra);
    f.resize(f.size() + extra, 0xEE);
    return f;
}

// Samples 0, 1, 2, ... wrapping at 25000: each played sample tells where in the data it came from.
constexpr int kWrap = 25000;
std::vector<u8> Counting(u32 frames) {
    std::vector<i16> s(frames);
    for (u32 i = 0; i < frames; ++i) s[i] = static_cast<i16>(i % kWrap);
    return kt::Samples16(s);
}

std::vector<u8> BufferBytes(mx::Buffer* b) {
    const u32 n = mx::Size(b);
    void *p1, *p2;
    u32 n1, n2;
    std::vector<u8> v;
    if (!mx::Lock(b, 0, n, &p1, &n1, &p2, &n2)) return v;
    v.assign(static_cast<u8*>(p1), static_cast<u8*>(p1) + n1);
    mx::Unlock(b);
    return v;
}

}  // namespace

class SoundPackTest : public kt::SoundFixture {
protected:
    void UsePack(const std::vector<u8>& bytes) {
        kt::WriteFile(dir.Abs("t.pak"), bytes);
        elSound::MakePath(dir.Rel("t.pak").c_str());
    }
    // Runs the program's side of a stream: a refill check every frame while the clock moves.
    void RunFrames(int frames) {
        for (int i = 0; i < frames; ++i) {
            elSound::Streaming();
            hl::AdvanceMicros(16'667);
        }
    }
};

TEST_F(SoundPackTest, APackWrittenFromWaveFilesLoadsBack) {
    const auto a = std::vector<u8>{0x10, 0x20, 0x30, 0x40, 0x50, 0x60};
    const auto b = kt::Samples16({100, -100, 200, -200});
    kt::WriteFile(dir.Abs("w/one.wav"), kt::WaveImage(2, 11025, 8, a));
    kt::WriteFile(dir.Abs("w/Two.Wav"), kt::WaveImage(1, 22050, 16, b));
    kt::WriteFile(dir.Abs("w/broken.wav"), {'R', 'I', 'F', 'F', 1, 2});
    kt::WriteFile(dir.Abs("w/notes.txt"), {'x'});
    ASSERT_EQ(elSound::PackAllWav(dir.Rel("t.pak").c_str(), dir.Rel("w").c_str(), 1), 1u);
    const auto packed = kt::ReadFile(dir.Abs("t.pak"));
    // Two entries of 4 + 8 (name) + 4 + 18 + data bytes; the unreadable file left no entry.
    EXPECT_EQ(packed.size(), (4u + 8 + 4 + 18 + 6) + (4u + 8 + 4 + 18 + 8));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(packed.data()) + 4), "ONE.WAV");

    elSound::MakePath(dir.Rel("t.pak").c_str());
    const i32 n = elSound::LoadPack("two.wav", 2);  // looked up in upper case
    ASSERT_GE(n, 0);
    EXPECT_EQ(Objects[n].kind, 1u);
    EXPECT_EQ(Objects[n].stream.streaming, 0u);
    EXPECT_EQ(Objects[n].baseFrequency, 22050u);
    EXPECT_EQ(BufferBytes(Objects[n].buffer[1]), b);
    const i32 m = elSound::LoadPack("ONE.WAV", 1);
    ASSERT_GE(m, 0);
    EXPECT_EQ(BufferBytes(Objects[m].buffer[0]), a);
    EXPECT_EQ(mx::GetFormat(Objects[m].buffer[0]).channels, 2);
    EXPECT_TRUE(hl::Boxes().empty());

    // Without the clear flag the entries are appended; the first of two equal names is found.
    kt::WriteFile(dir.Abs("w/two.wav"), kt::WaveImage(1, 22050, 16, kt::Samples16({7, 7})));
    std::filesystem::remove(dir.Abs("w/Two.Wav"));
    elSound::PackAllWav(dir.Rel("t.pak").c_str(), dir.Rel("w").c_str(), 0);
    EXPECT_GT(kt::ReadFile(dir.Abs("t.pak")).size(), packed.size());
    const i32 k = elSound::LoadPack("TWO.WAV", 1);
    EXPECT_EQ(BufferBytes(Objects[k].buffer[0]), b);
    // A restore reloads pack objects from the pack.
    elSound::RestoreAll();
    EXPECT_EQ(BufferBytes(Objects[m].buffer[0]), a);
    EXPECT_EQ(Objects[m].kind, 1u);
}

TEST_F(SoundPackTest, EntriesAreSkippedByTheirOwnSizes) {
    std::vector<u8> pack;
    AddEntry(pack, "LONGFMT.WAV", PcmFormat(1, 8000, 16, 6), kt::Samples16({1, 2, 3}));
    AddEntry(pack, "B.WAV", PcmFormat(1, 8000, 16), kt::Samples16({9, 8}));
    UsePack(pack);
    const i32 n = elSound::LoadPack("b.wav", 1);
    ASSERT_GE(n, 0);
    EXPECT_EQ(BufferBytes(Objects[n].buffer[0]), kt::Samples16({9, 8}));
    hl::ClearBoxes();
    EXPECT_EQ(elSound::LoadPack("C.WAV", 1), -1);
    EXPECT_TRUE(BoxSays("WAVEファイルを読み込めません"));
    elSound::MakePath(dir.Rel("none.pak").c_str());
    EXPECT_EQ(elSound::LoadPack("B.WAV", 1), -1);
    EXPECT_TRUE(BoxSays("パックファイル名が指定されていません"));
    EXPECT_EQ(elSound::LoadPack(std::string(31, 'N').c_str(), 1), -1);
    EXPECT_TRUE(BoxSays("ファイル名が長すぎます"));
    EXPECT_EQ(elSound::LoadPack("B.WAV", 12), -1);
    EXPECT_TRUE(BoxSays("ミックス数が多過ぎます"));
}

TEST_F(SoundPackTest, DamagedPacksAreRefusedBeforeAnythingIsMade) {
    const auto fmt = PcmFormat(1, 8000, 16);
    const auto data = kt::Samples16({5, 6, 7, 8});
    // Each refusal is also said in one line naming the pack: `said` follows "<pack>: ".
    struct Case {
        const char* what;
        std::vector<u8> pack;
        std::string said;
    };
    std::vector<Case> cases;
    {
        std::vector<u8> p;
        AddEntry(p, std::string(130, 'L'), fmt, data);
        AddEntry(p, "X.WAV", fmt, data);
        cases.push_back({"an entry name of 128 bytes or more ends the search", p, "an entry name of 128 bytes or more"});
    }
    {
        std::vector<u8> p;
        AddEntry(p, "X.WAV", fmt, data, 0xFFFFFFFF, 17);
        cases.push_back({"format size below 18", p, "the entry X.WAV: a format block of 17 bytes; one holds 18 to 65553"});
    }
    {
        std::vector<u8> p;
        AddEntry(p, "X.WAV", fmt, data, 0xFFFFFFFF, 18 + 65536);
        cases.push_back(
            {"format size above 18 + 65535", p, "the entry X.WAV: a format block of 65554 bytes; one holds 18 to 65553"});
    }
    {
        std::vector<u8> p;
        AddEntry(p, "X.WAV", fmt, data, 9);
        cases.push_back({"data past the end of the file", p, "the entry X.WAV runs past the end of the file"});
    }
    {
        std::vector<u8> p;
        AddEntry(p, "X.WAV", fmt, data, 0x7FFFFFF0);
        cases.push_back({"a huge data size", p, "the entry X.WAV runs past the end of the file"});
    }
    {
        auto f = fmt;
        f[0] = 3;
        std::vector<u8> p;
        AddEntry(p, "X.WAV", f, data);
        cases.push_back({"not PCM", p, "the entry X.WAV: not a PCM WAVE file (format 3)"});
    }
    {
        auto f = fmt;
        f[2] = 8;
        std::vector<u8> p;
        AddEntry(p, "X.WAV", f, data);
        cases.push_back({"eight channels", p, "the entry X.WAV: 8 channels; this program plays 1 or 2"});
    }
    {
        auto f = fmt;
        std::memset(f.data() + 4, 0, 4);
        std::vector<u8> p;
        AddEntry(p, "X.WAV", f, data);
        cases.push_back({"a sample rate of 0", p, "the entry X.WAV: a sample rate of 0 Hz; this program plays 1 to 200000 Hz"});
    }
    {
        auto f = fmt;
        std::memset(f.data() + 8, 0, 4);
        std::vector<u8> p;
        AddEntry(p, "X.WAV", f, data);
        cases.push_back({"bytes per second of 0", p, "the entry X.WAV: 0 bytes a second where its frames take 16000"});
    }
    {
        auto f = fmt;
        f[12] = 3;
        std::vector<u8> p;
        AddEntry(p, "X.WAV", f, data);
        cases.push_back({"block alignment that does not fit the channels and bits", p,
                         "the entry X.WAV: a block alignment of 3 bytes; its frames take 2"});
    }
    {
        auto f = PcmFormat(1, 8000, 16, 4);
        f[16] = 9;  // the extra size disagrees with the format size
        std::vector<u8> p;
        AddEntry(p, "X.WAV", f, data);
        cases.push_back(
            {"inconsistent extra size", p, "the entry X.WAV: a format block of 22 bytes that says it holds 27"});
    }
    {
        std::vector<u8> p;
        AddEntry(p, "X.WAV", fmt, data);
        p.resize(10);
        cases.push_back({"cut inside the name", p, "cut short inside an entry"});
    }
    {
        std::vector<u8> p;
        AddEntry(p, "Y.WAV", fmt, data);
        cases.push_back({"no such entry", p, "no entry X.WAV"});
    }
    const std::string line = dir.Rel("t.pak") + ": ";
    for (const Case& c : cases) {
        UsePack(c.pack);
        hl::ClearBoxes();
        host::ClearFileReports();
        EXPECT_EQ(elSound::LoadPack("X.WAV", 1), -1) << c.what;
        EXPECT_EQ(elSound::LoadStream("x.wav", 0), -1) << c.what;
        EXPECT_TRUE(BoxSays("WAVEファイルを読み込めません")) << c.what;
        EXPECT_EQ(host::FileReports(), std::vector<std::string>(2, line + c.said)) << c.what;
        EXPECT_EQ(Objects[0].used, 0u) << c.what;
    }
}

// What is refused before or after the entry's format: each refusal is one line naming the file.
TEST_F(SoundPackTest, EveryOtherRefusalIsOneLineNamingTheFile) {
    std::vector<u8> pack;
    AddEntry(pack, "EMPTY.WAV", PcmFormat(2, 8000, 16), {1, 2});
    UsePack(pack);
    host::ClearFileReports();
    EXPECT_EQ(elSound::LoadPack("EMPTY.WAV", 1), -1);
    EXPECT_TRUE(BoxSays("サウンドバッファが生成できません"));
    elSound::MakePath(dir.Rel("none.pak").c_str());
    EXPECT_EQ(elSound::LoadStream("B.WAV", 0), -1);
    elSound::MakePath(std::string(300, 'p').c_str());  // too long a path: no pack is named
    EXPECT_EQ(elSound::LoadPack("B.WAV", 1), -1);
    const std::string longName(31, 'N');
    EXPECT_EQ(elSound::LoadPack(longName.c_str(), 1), -1);
    EXPECT_EQ(host::FileReports(), (std::vector<std::string>{
                                       dir.Rel("t.pak") + ": the entry EMPTY.WAV: its data holds no whole sample",
                                       dir.Rel("none.pak") + ": not found",
                                       "B.WAV: no sound pack is named",
                                       longName + ": a name of more than 30 bytes",
                                   }));

    // Writing a pack: a wave file that cannot be read is left out, and said so.
    host::ClearFileReports();
    kt::WriteFile(dir.Abs("w/broken.wav"), {'R', 'I', 'F', 'F', 1, 2});
    kt::WriteFile(dir.Abs("w/good.wav"), kt::WaveImage(1, 8000, 8, {1, 2, 3}));
    ASSERT_EQ(elSound::PackAllWav(dir.Rel("t.pak").c_str(), dir.Rel("w").c_str(), 1), 1u);
    const std::string folder = host::UpperCaseCp932(dir.Rel("w").c_str());  // named as the packer names it
    EXPECT_EQ(host::FileReports(),
              std::vector<std::string>{folder + "\\BROKEN.WAV: cut short: 6 bytes, fewer than the 12 of a WAVE file's header"});
    // A folder that cannot be listed, a pack that cannot be written.
    host::ClearFileReports();
    elSound::PackAllWav(dir.Rel("t.pak").c_str(), dir.Rel("none").c_str(), 0);
    elSound::PackAppendWav(dir.Rel("no/t.pak").c_str(), dir.Rel("w/good.wav").c_str());
    EXPECT_EQ(host::FileReports(), (std::vector<std::string>{dir.Rel("none") + ": not found",
                                                             dir.Rel("no/t.pak") + ": cannot be written: not found"}));
}

// A pack that cannot be written, or is cut short, is said once with the system's reason, and the packing
// stops there; the packer still returns 1. Whatever stands where the pack goes is left there, even with the
// clear flag.
TEST_F(SoundPackTest, APackThatCannotBeWrittenIsSaidOnceWithTheSystemsReason) {
    for (const char* name : {"a.wav", "b.wav", "c.wav"})
        kt::WriteFile(dir.Abs(std::string("w/") + name), kt::WaveImage(1, 8000, 8, std::vector<u8>(20, 0x90)));
    const std::string pack = dir.Rel("t.pak");
    const auto refused = [&](const std::string& reason, bool (*stands)(const std::filesystem::path&)) {
        for (i32 clear : {1, 0}) {
            host::ClearFileReports();
            EXPECT_EQ(elSound::PackAllWav(pack.c_str(), dir.Rel("w").c_str(), clear), 1u);
            EXPECT_EQ(host::FileReports(), std::vector<std::string>{pack + ": cannot be written: " + reason}) << clear;
            EXPECT_TRUE(stands(dir.Abs("t.pak"))) << clear;
        }
        std::filesystem::remove(dir.Abs("t.pak"));
    };
    std::filesystem::create_directory(dir.Abs("t.pak"));
    refused("is a directory", [](const std::filesystem::path& p) { return std::filesystem::is_directory(p); });
    ASSERT_EQ(mkfifo(dir.Abs("t.pak").c_str(), 0600), 0);
    refused("not a regular file", [](const std::filesystem::path& p) { return std::filesystem::is_fifo(p); });

    // Each entry takes 4 + 6 + 4 + 18 + 20 = 52 bytes: the second one is cut short at the limit, and the
    // program goes on.
    const kt::ChildRun run = kt::RunInChild(70, "", [&] { return static_cast<long>(elSound::PackAllWav(pack.c_str(), dir.Rel("w").c_str(), 1)); });
    EXPECT_EQ(run.ending, "");
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(run.lines, std::vector<std::string>{pack + ": cannot be written: file too large"});
    EXPECT_EQ(std::filesystem::file_size(dir.Abs("t.pak")), 70u);
}

TEST_F(SoundPackTest, ShortEntriesBecomeOrdinaryObjects) {
    std::vector<u8> pack;
    AddEntry(pack, "FOUR.WAV", PcmFormat(1, 8000, 8), std::vector<u8>(8000 * 4 + 7999, 0x90));
    UsePack(pack);
    const i32 n = elSound::LoadStream("four.wav", 0);
    ASSERT_GE(n, 0);
    EXPECT_EQ(Objects[n].stream.streaming, 0u);
    EXPECT_EQ(Objects[n].kind, 1u);
    EXPECT_EQ(Objects[n].mixCount, 1u);
}

TEST_F(SoundPackTest, ALoopingStreamRefillsAcrossItsWrapAndLoopsAtItsOffset) {
    const u32 frames = mx::kOutputRate * 10;  // ten seconds, played at the output rate sample for sample
    const u32 loopFrame = 110000;              // sample value 10000
    std::vector<u8> pack;
    AddEntry(pack, "A.WAV", PcmFormat(1, 8000, 8), std::vector<u8>(100, 0x80));
    AddEntry(pack, "MUSIC.WAV", PcmFormat(1, mx::kOutputRate, 16), Counting(frames));
    UsePack(pack);
    const i32 n = elSound::LoadStream("MUSIC.WAV", loopFrame * 2 + 1);  // rounded down to a frame
    ASSERT_GE(n, 0);
    const auto& s = Objects[n].stream;
    EXPECT_EQ(s.streaming, frames * 2);
    EXPECT_EQ(s.bufferSize, static_cast<u32>(mx::kOutputRate) * 2 * 4);
    EXPECT_EQ(s.loopPos - s.dataStart, loopFrame * 2);
    hl::ClearCapturedAudio();
    elSound::PlayLoop(n, 0);
    RunFrames(60 * 26);
    EXPECT_TRUE(mx::IsPlaying(Objects[n].buffer[0]));
    const auto& cap = hl::CapturedAudio();
    // Every played sample follows its predecessor in the data, except at the end of the data, where the
    // stream goes on from the loop point.
    size_t loops = 0, breaks = 0, checked = 0;
    for (size_t i = 2; i < cap.size(); i += 2) {
        const int prev = cap[i - 2], cur = cap[i];
        if (cur == (prev + 1) % kWrap) {
            ++checked;
            continue;
        }
        if (prev == static_cast<int>((frames - 1) % kWrap) && cur == static_cast<int>(loopFrame % kWrap)) ++loops;
        else ++breaks;
    }
    EXPECT_EQ(breaks, 0u);
    EXPECT_EQ(loops, 3u) << "at 10 s, 17.5 s and 25 s";
    EXPECT_GT(checked, static_cast<size_t>(mx::kOutputRate) * 25);
    EXPECT_TRUE(hl::Boxes().empty());
}

TEST_F(SoundPackTest, AOneShotStreamPlaysItsDataOnceThenStops) {
    const u32 frames = mx::kOutputRate * 6 + 12345;
    std::vector<u8> pack;
    AddEntry(pack, "ONCE.WAV", PcmFormat(1, mx::kOutputRate, 16), Counting(frames));
    UsePack(pack);
    const i32 n = elSound::LoadStream("ONCE.WAV", 0);
    ASSERT_GE(n, 0);
    hl::ClearCapturedAudio();
    elSound::Play(n, -1);
    RunFrames(60 * 12);
    EXPECT_FALSE(mx::IsPlaying(Objects[n].buffer[0]));
    const auto& cap = hl::CapturedAudio();
    size_t i = 2;
    while (i < cap.size() && !(cap[i - 2] == 0 && cap[i] == 1)) i += 2;
    u32 played = 1;  // sample 0
    for (; i < cap.size() && cap[i] == (cap[i - 2] + 1) % kWrap; i += 2) ++played;
    EXPECT_EQ(played, frames) << "every sample once, in order";
    EXPECT_EQ(cap[i - 2], static_cast<i16>((frames - 1) % kWrap));
    for (; i < cap.size(); i += 2) ASSERT_EQ(cap[i], 0) << "only silence after the data";
    // Played again, it starts from the beginning.
    elSound::Play(n, -1);
    EXPECT_EQ(Objects[n].stream.readCount, Objects[n].stream.halfSize);
    EXPECT_TRUE(mx::IsPlaying(Objects[n].buffer[0]));
}

TEST_F(SoundPackTest, APackThatDisappearsStopsItsStreamWithOneReport) {
    std::vector<u8> pack;
    AddEntry(pack, "GONE.WAV", PcmFormat(1, 8000, 8), std::vector<u8>(8000 * 8, 0xA0));
    UsePack(pack);
    const i32 n = elSound::LoadStream("GONE.WAV", 0);
    ASSERT_GE(n, 0);
    EXPECT_EQ(BufferBytes(Objects[n].buffer[0])[8000 * 3], 0x80) << "8-bit silence fills what is not yet read";
    elSound::PlayLoop(n, -1);
    RunFrames(30);
    std::filesystem::remove(dir.Abs("t.pak"));
    host::ClearFileReports();
    RunFrames(60 * 5);
    EXPECT_EQ(host::FileReports(), std::vector<std::string>{dir.Rel("t.pak") + ": not found"});
    EXPECT_EQ(BoxCount(), 1);
    EXPECT_TRUE(BoxSays("パックファイル名が指定されていません"));
    EXPECT_FALSE(mx::IsPlaying(Objects[n].buffer[0]));
}

TEST_F(SoundPackTest, AShortReadIsFilledWithSilence) {
    std::vector<u8> pack;
    AddEntry(pack, "CUT.WAV", PcmFormat(1, 8000, 8), std::vector<u8>(8000 * 6, 0xC0));
    UsePack(pack);
    const i32 n = elSound::LoadStream("CUT.WAV", 0);
    ASSERT_GE(n, 0);
    // The pack is cut short under the stream: what is missing plays as silence, nothing is read past it.
    auto cut = pack;
    cut.resize(cut.size() - 8000 * 3);
    kt::WriteFile(dir.Abs("t.pak"), cut);
    elSound::PlayLoop(n, -1);
    RunFrames(60 * 3);
    const auto bytes = BufferBytes(Objects[n].buffer[0]);
    EXPECT_EQ(bytes[8000 * 2 + 100], 0xC0);
    EXPECT_EQ(bytes[8000 * 3 + 100], 0x80);
}
