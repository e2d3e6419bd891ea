// The image pack: Convert writes entries that LoadPack and SwapPack read back; malformed packs are
// refused without touching memory they do not own.
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "draw_screen_fixture.h"
#include "host/report.h"
#include "support/limited_child.h"
#include "support/temp_folder.h"

namespace {

using kt::Rgb;

class PackTest : public kt::ScreenTest {
protected:
    std::string folder;
    void SetUp() override {
        windowed = true;  // the converter wants a true-colour desktop
        kt::ScreenTest::SetUp();
        Up();
        elDraw::SetLoadColorKey(0);
        folder = std::filesystem::path(kt::FolderBesideProgram("H3PACK_")).parent_path().filename().string();
    }
    void TearDown() override {
        if (!folder.empty()) std::filesystem::remove_all(std::string(elSystem::GetModuleDir(0)) + folder);
        kt::ScreenTest::TearDown();
    }
    // Little-endian entry bytes.
    static void Entry(std::vector<u8>& v, u32 w, u32 h, const std::string& name, const std::vector<u16>& px) {
        v.push_back(static_cast<u8>(w));
        v.push_back(static_cast<u8>(w >> 8));
        v.push_back(static_cast<u8>(h));
        v.push_back(static_cast<u8>(h >> 8));
        v.insert(v.end(), name.begin(), name.end());
        v.push_back(0);
        for (u16 p : px) {
            v.push_back(static_cast<u8>(p));
            v.push_back(static_cast<u8>(p >> 8));
        }
    }
    std::string PackName() const { return folder + "/P.PAK"; }
};

TEST_F(PackTest, ConvertThenLoadGivesTheSamePixels) {
    const std::vector<u32> rgb = {Rgb(255, 255, 255), Rgb(1, 1, 1), Rgb(4, 4, 4), 0, Rgb(255, 0, 0), Rgb(8, 16, 24)};
    WriteBmp(folder + "/ONE.BMP", 3, 2, rgb);
    WriteBmp(folder + "/two.bmp", 1, 1, {Rgb(0, 255, 0)});
    ASSERT_EQ(elDraw::Convert(PackName().c_str(), folder.c_str(), 1), 1) << LastBox();
    elDraw::SetPackFile(PackName().c_str());
    const i32 no = elDraw::LoadPack("one.bmp", 1);  // lower case finds the upper-case entry
    ASSERT_GT(no, 0) << LastBox();
    EXPECT_STREQ(ObjectTable[no].name, "ONE.BMP");
    EXPECT_EQ(ObjectTable[no].fromPack, 1u);
    EXPECT_EQ(ObjectTable[no].width, 3);
    EXPECT_EQ(Pix(no, 0, 0), 0xFFDF);  // 0x7FFF on 5-6-5: green's lowest bit 0
    EXPECT_EQ(Pix(no, 1, 0), 1);       // dark but not black: stored as 1
    EXPECT_EQ(Pix(no, 2, 0), 1);
    EXPECT_EQ(Pix(no, 0, 1), 0);
    EXPECT_EQ(Pix(no, 1, 1), 0xF800);
    EXPECT_EQ(Pix(no, 2, 1), static_cast<u16>((1 << 11) | (2 << 6) | 3));
    EXPECT_GT(elDraw::LoadPack("TWO.BMP", 1), 0);
    // A name with a folder part never matches: entries hold bare names.
    EXPECT_EQ(elDraw::LoadPack((folder + "\\ONE.BMP").c_str(), 1), 0);
    EXPECT_EQ(LastBox(), BoxText("elDraw::LoadPack", elDraw::msg::kCannotReadBmp));
    // Black is transparent under the default key.
    elDraw::PutSprite(0, 0, no, 0, 0, 3, 2);
    EXPECT_EQ(Back(0, 1), 0);
    EXPECT_EQ(Back(0, 0), 0xFFDF);
}

TEST_F(PackTest, ConvertNeedsATrueColourDesktop) {
    host::SetDesktopBits(16);
    EXPECT_EQ(elDraw::Convert(PackName().c_str(), folder.c_str(), 1), 0);
    EXPECT_EQ(LastBox(), BoxText("elDraw::Convert", elDraw::msg::kNeedFullColour));
    host::SetDesktopBits(32);
}

TEST_F(PackTest, FirstOfTwoEqualNamesWinsAndEmptyEntriesAreSkipped) {
    std::vector<u8> v;
    Entry(v, 0, 0, "EMPTY.BMP", {});
    Entry(v, 1, 1, "A.BMP", {0x001F});
    Entry(v, 1, 1, "A.BMP", {0x7C00});
    WriteFile(PackName(), v);
    elDraw::SetPackFile(PackName().c_str());
    const i32 no = elDraw::LoadPack("A.BMP", 1);
    ASSERT_GT(no, 0);
    EXPECT_EQ(Pix(no, 0, 0), 0x001F);
}

// Each refusal is also said in one line that names the pack and what is wrong with it.
TEST_F(PackTest, MissingFileCutEntriesAndLongNamesAreNotFound) {
    host::ClearFileReports();
    elDraw::SetPackFile((folder + "/NONE.PAK").c_str());
    EXPECT_EQ(elDraw::LoadPack("A.BMP", 1), 0);
    EXPECT_EQ(LastBox(), BoxText("elDraw::LoadPack", elDraw::msg::kNoPackFile));
    EXPECT_EQ(host::FileReports(), std::vector<std::string>{folder + "/NONE.PAK: not found"});

    const i32 surfaces = host::LiveSurfaceCount();
    std::vector<u8> cut;
    Entry(cut, 100, 100, "BIG.BMP", {1, 2, 3});  // promises 10000 words, holds 3
    WriteFile(PackName(), cut);
    elDraw::SetPackFile(PackName().c_str());
    EXPECT_EQ(elDraw::LoadPack("BIG.BMP", 1), 0);
    EXPECT_EQ(LastBox(), BoxText("elDraw::LoadPack", elDraw::msg::kCannotReadBmp));
    EXPECT_EQ(host::LiveSurfaceCount(), surfaces);  // nothing was made
    const std::string pack = PackName() + ": ";
    host::ClearFileReports();
    EXPECT_EQ(elDraw::LoadPack("OTHER.BMP", 1), 0);
    EXPECT_EQ(host::FileReports(), std::vector<std::string>{pack + "the entry BIG.BMP runs past the end of the file"});

    std::vector<u8> longName;
    Entry(longName, 1, 1, std::string(200, 'Q'), {5});
    Entry(longName, 1, 1, "AFTER.BMP", {5});
    WriteFile(PackName(), longName);
    host::ClearFileReports();
    EXPECT_EQ(elDraw::LoadPack("AFTER.BMP", 1), 0);
    EXPECT_EQ(elDraw::LoadPack(std::string(200, 'Q').c_str(), 1), 0);
    EXPECT_EQ(host::FileReports(), std::vector<std::string>(2, pack + "an entry name of 128 bytes or more"));

    // Every truncation of a good pack is refused or found whole.
    std::vector<u8> good;
    Entry(good, 3, 2, "G.BMP", {1, 2, 3, 4, 5, 6});
    for (size_t n = 0; n < good.size(); ++n) {
        WriteFile(PackName(), std::vector<u8>(good.begin(), good.begin() + static_cast<long>(n)));
        host::ClearFileReports();
        EXPECT_EQ(elDraw::LoadPack("G.BMP", 1), 0) << n;
        const std::string said = n == 0 ? "no entry G.BMP" : n < 10 ? "cut short inside an entry"
                                                                    : "the entry G.BMP runs past the end of the file";
        EXPECT_EQ(host::FileReports(), std::vector<std::string>{pack + said}) << n;
    }
    WriteFile(PackName(), good);
    host::ClearFileReports();
    EXPECT_EQ(elDraw::LoadPack("H.BMP", 1), 0);
    EXPECT_EQ(host::FileReports(), std::vector<std::string>{pack + "no entry H.BMP"});
    EXPECT_EQ(host::LiveSurfaceCount(), surfaces);
}

TEST_F(PackTest, SwapPackKeepsTheTargetSlotWhileStaging) {
    std::vector<u8> v;
    Entry(v, 2, 1, "S.BMP", {0x0011, 0x0022});
    WriteFile(PackName(), v);
    elDraw::SetPackFile(PackName().c_str());
    const i32 target = elDraw::CreateObject(5, 5, 1);
    ASSERT_EQ(target, 4);  // the lowest free slot: a staging object would land here without care
    EXPECT_EQ(elDraw::SwapPack("s.bmp", target, 2), target);
    EXPECT_STREQ(ObjectTable[target].name, "S.BMP");
    EXPECT_EQ(ObjectTable[target].width, 2);
    EXPECT_EQ(Pix(target, 1, 0), (1 << 6) | 2);  // pack word 0x0022: green 1, blue 2
    EXPECT_EQ(ObjectTable[5].name[0], 0);  // the staging object is gone again
    EXPECT_EQ(ObjectTable[5].surface, nullptr);

    // After a loss the pack picture comes back from the pack.
    host::LoseAllSurfaces();
    elDraw::RestoreAll();
    EXPECT_EQ(Pix(target, 1, 0), (1 << 6) | 2);  // pack word 0x0022: green 1, blue 2
    EXPECT_EQ(ObjectTable[target].fromPack, 1u);
}

TEST_F(PackTest, FailedCopiesAndLocksReleaseWhatWasMade) {
    std::vector<u8> v;
    Entry(v, 2, 2, "F.BMP", {1, 2, 3, 4});
    WriteFile(PackName(), v);
    elDraw::SetPackFile(PackName().c_str());
    const i32 surfaces = host::LiveSurfaceCount();

    host::ClearFileReports();
    host::headless::FailAlways("Blit");
    EXPECT_EQ(elDraw::LoadPack("F.BMP", 1), 0);
    host::headless::ClearFaults();
    EXPECT_EQ(LastBox(), BoxText("elDraw::LoadPack", elDraw::msg::kCannotExpand));
    EXPECT_EQ(host::FileReports(),
              std::vector<std::string>{PackName() + ": the entry F.BMP: the picture cannot be copied into its object"});
    EXPECT_EQ(host::LiveSurfaceCount(), surfaces);
    EXPECT_EQ(host::headless::FaultCount("Blit"), 10);

    // The staging lock is the third lock (after the two colour keys of the new objects).
    host::headless::FailAfter("LockSurface", 2);
    const size_t boxes = host::headless::Boxes().size();
    EXPECT_EQ(elDraw::LoadPack("F.BMP", 1), 0);
    EXPECT_EQ(host::headless::Boxes().size(), boxes);  // no box for a failed lock, but a line
    EXPECT_EQ(host::FileReports().back(), PackName() + ": the entry F.BMP: the picture's memory cannot be written");
    EXPECT_EQ(host::FileReports().size(), 2u);
    EXPECT_EQ(host::LiveSurfaceCount(), surfaces);

    // The pack can be read again afterwards: the file was closed.
    EXPECT_GT(elDraw::LoadPack("F.BMP", 1), 0);
    std::filesystem::remove(std::string(elSystem::GetModuleDir(0)) + PackName());
    EXPECT_FALSE(std::filesystem::exists(std::string(elSystem::GetModuleDir(0)) + PackName()));
}

TEST_F(PackTest, ConvertTwiceWithoutFreshKeepsBothCopies) {
    WriteBmp(folder + "/X.BMP", 1, 1, {Rgb(255, 0, 0)});
    ASSERT_EQ(elDraw::Convert(PackName().c_str(), folder.c_str(), 1), 1);
    const auto size1 = std::filesystem::file_size(std::string(elSystem::GetModuleDir(0)) + PackName());
    ASSERT_EQ(elDraw::Convert(PackName().c_str(), folder.c_str(), 0), 1);
    EXPECT_EQ(std::filesystem::file_size(std::string(elSystem::GetModuleDir(0)) + PackName()), size1 * 2);
    ASSERT_EQ(elDraw::Convert(PackName().c_str(), folder.c_str(), 1), 1);
    EXPECT_EQ(std::filesystem::file_size(std::string(elSystem::GetModuleDir(0)) + PackName()), size1);

    // A folder that cannot be listed, a pack that cannot be written: each is said in one line.
    host::ClearFileReports();
    elDraw::Convert(PackName().c_str(), (folder + "/NONE").c_str(), 0);
    elDraw::Convert((folder + "/NO/P.PAK").c_str(), folder.c_str(), 0);
    EXPECT_EQ(host::FileReports(), (std::vector<std::string>{folder + "/NONE: not found",
                                                             folder + "/NO/P.PAK: cannot be written: not found"}));
}

// A pack that cannot be written, or is cut short, is said once with the system's reason, and the converting
// stops there; Convert still returns 1. Whatever stands where the pack goes is left there, even when a
// fresh pack is asked for.
TEST_F(PackTest, APackThatCannotBeWrittenIsSaidOnceWithTheSystemsReason) {
    const std::string bmps = folder + "/BMP";
    std::filesystem::create_directory(std::string(elSystem::GetModuleDir(0)) + bmps);
    for (const char* name : {"/A.BMP", "/B.BMP", "/C.BMP"}) WriteBmp(bmps + name, 16, 16, std::vector<u32>(256, Rgb(9, 99, 199)));
    const std::string where = std::string(elSystem::GetModuleDir(0)) + PackName();
    std::filesystem::create_directories(where + "/X");  // a folder that is not empty
    for (i32 fresh : {1, 0}) {
        host::ClearFileReports();
        EXPECT_EQ(elDraw::Convert(PackName().c_str(), bmps.c_str(), fresh), 1);
        EXPECT_EQ(host::FileReports(), std::vector<std::string>{PackName() + ": cannot be written: is a directory"}) << fresh;
        EXPECT_TRUE(std::filesystem::is_directory(where + "/X")) << fresh;
    }
    std::filesystem::remove_all(where);
    ASSERT_EQ(mkfifo(where.c_str(), 0600), 0);
    for (i32 fresh : {1, 0}) {
        host::ClearFileReports();
        EXPECT_EQ(elDraw::Convert(PackName().c_str(), bmps.c_str(), fresh), 1);
        EXPECT_EQ(host::FileReports(), std::vector<std::string>{PackName() + ": cannot be written: not a regular file"}) << fresh;
        EXPECT_TRUE(std::filesystem::is_fifo(where)) << fresh;
    }
    std::filesystem::remove(where);

    // Each entry takes 4 + 6 + 16 * 16 * 2 = 522 bytes: the second one is cut short at the limit, and the
    // program goes on.
    const kt::ChildRun run = kt::RunInChild(600, "", [&] { return static_cast<long>(elDraw::Convert(PackName().c_str(), bmps.c_str(), 1)); });
    EXPECT_EQ(run.ending, "");
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(run.lines, std::vector<std::string>{PackName() + ": cannot be written: file too large"});
    EXPECT_EQ(std::filesystem::file_size(where), 600u);
}

}  // namespace
