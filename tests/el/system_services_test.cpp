// Boxes, the program folder and its redirect, integer files, version codes and the colour-depth check.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "draw_screen_fixture.h"
#include "el/elSystem.h"
#include "host/files.h"
#include "host/report.h"
#include "host/system.h"
#include "support/headless_machine.h"
#include "support/limited_child.h"
#include "support/temp_folder.h"

namespace hl = host::headless;

class ServicesTest : public kt::Headless {
protected:
    void SetUp() override {
        kt::Headless::SetUp();
        elSystem::ResetGlobals();
        LibraryDone = 0;  // a library not yet ended, whatever an earlier test of this process did
        DataFolder[0] = 0;
    }
};

TEST_F(ServicesTest, MessageBoxTextIsBoundedAndEndsInCrLf) {
    elSystem::MessageBox("%d apples", 3);
    ASSERT_EQ(hl::Boxes().size(), 1u);
    EXPECT_EQ(hl::Boxes()[0].text, "3 apples\r\n");
    EXPECT_EQ(hl::Boxes()[0].caption, "メッセージ");
    EXPECT_EQ(BoxShowing, 0u);

    const std::string longText(400, 'x');
    elSystem::MessageBox("%s", longText.c_str());
    const std::string& t = hl::Boxes()[1].text;
    EXPECT_EQ(t.size(), 255u);
    EXPECT_EQ(t.substr(t.size() - 2), "\r\n");

    // A cut never leaves half a double-byte character behind.
    std::string kana;
    for (int i = 0; i < 200; ++i) kana += "\x83\x41";  // ア
    elSystem::MessageBox("x%s", kana.c_str());
    EXPECT_EQ(hl::Boxes()[2].text.find("\xEF\xBF\xBD"), std::string::npos);

    hl::SetYesNoAnswer(host::backend::kAnswerNo);
    EXPECT_EQ(elSystem::YesNoBox("?"), 0u);
    hl::SetYesNoAnswer(host::backend::kAnswerYes);
    EXPECT_EQ(elSystem::YesNoBox("?"), 1u);
}

// Over a full-screen display the boxes first hand the screen back to the desktop, as the error box does.
class BoxOverScreenTest : public kt::ScreenTest {};

TEST_F(BoxOverScreenTest, BoxesFlipToTheDesktopWhileTheDisplayExists) {
    Up();
    const i32 before = host::FlipToGDICount();
    elSystem::MessageBox("%s", "x");
    EXPECT_EQ(host::FlipToGDICount(), before + 1);
    elSystem::YesNoBox("?");
    EXPECT_EQ(host::FlipToGDICount(), before + 2);
    elSystem::End();
    elSystem::MessageBox("after the end");
    EXPECT_EQ(host::FlipToGDICount(), before + 2) << "no display, nothing to flip";
}

TEST_F(ServicesTest, ModuleDirAndItsRedirect) {
    const std::string dir = elSystem::GetModuleDir(0);
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_EQ(std::string(elSystem::GetModuleDir(1)), dir) << "no redirect without a data folder";

    const std::string data = kt::TempFolder();
    std::snprintf(DataFolder, sizeof DataFolder, "%s", data.c_str());
    const std::string own = std::filesystem::path(dir.substr(0, dir.size() - 1)).filename().string();
    EXPECT_EQ(std::string(elSystem::GetModuleDir(1)), data + "/" + own + "/");
    EXPECT_EQ(std::string(elSystem::GetModuleDir(0)), dir) << "data always comes from the program folder";
}

TEST_F(ServicesTest, ReadDataFolderDropsLineEndAndTrailingSeparator) {
    const std::string cfg = kt::TempFolder();
    setenv("XDG_CONFIG_HOME", cfg.c_str(), 1);
    std::ofstream(cfg + "/redirect.txt") << "/srv/games\\\r\nignored\n";
    elSystem::ReadDataFolder("redirect.txt");
    EXPECT_STREQ(DataFolder, "/srv/games");
    elSystem::ReadDataFolder("missing.txt");
    EXPECT_STREQ(DataFolder, "");
}

TEST_F(ServicesTest, IntegerFilesRoundTripAndReportFailure) {
    const std::string data = kt::TempFolder();
    std::snprintf(DataFolder, sizeof DataFolder, "%s", data.c_str());
    const std::string dir = elSystem::GetModuleDir(0);
    const std::string own = std::filesystem::path(dir.substr(0, dir.size() - 1)).filename().string();
    std::filesystem::create_directories(data + "/" + own);

    EXPECT_EQ(elSystem::WriteIntFile("SCORE.TXT", -1234), 1);
    EXPECT_EQ(elSystem::ReadIntFile("score.txt"), -1234) << "names match whatever their case";
    EXPECT_EQ(elSystem::WriteIntFile2("TWO.TXT", 7), 1);
    EXPECT_EQ(elSystem::ReadIntFile2("TWO.TXT"), 7);
    EXPECT_EQ(elSystem::ReadIntFile("NOPE.TXT"), 0);
    std::ofstream(data + "/" + own + "/TEXT.TXT") << "abc";
    EXPECT_EQ(elSystem::ReadIntFile("TEXT.TXT"), 0);
    EXPECT_EQ(elSystem::WriteIntFile("NO/SUCH/FOLDER.TXT", 1), 0);

    // A name too long for the path buffer is refused whole, never written under a shortened name: with
    // "./" steps the shortened name would be the real file CUTXXX... beside the others.
    const size_t dirLen = std::string(elSystem::GetModuleDir(1)).size();
    const size_t steps = (511 - dirLen - 3 - 40) / 2;  // leaves 40 to 41 X's in a 511-byte cut
    const std::string longName = [&] {
        std::string n;
        for (size_t i = 0; i < steps; ++i) n += "./";
        return n + "CUT" + std::string(100, 'X');
    }();
    const std::string cutFile = data + "/" + own + "/CUT" + std::string(511 - dirLen - 2 * steps - 3, 'X');
    EXPECT_EQ(elSystem::WriteIntFile(longName.c_str(), 5), 0);
    EXPECT_FALSE(std::filesystem::exists(cutFile));
    std::ofstream(cutFile) << "9";
    EXPECT_EQ(elSystem::ReadIntFile(longName.c_str()), 0);
}

// An integer file or the debug log that cannot be written, or is cut short, is said in one line with the
// system's reason; the results stay as they are (0 for an integer file not written, the count of the
// formatted text for the log once it opened).
TEST_F(ServicesTest, FilesThatCannotBeWrittenAreSaidWithTheSystemsReason) {
    const std::string data = kt::TempFolder();
    std::snprintf(DataFolder, sizeof DataFolder, "%s", data.c_str());
    const std::string dir = elSystem::GetModuleDir(0);
    const std::string own = data + "/" + std::filesystem::path(dir.substr(0, dir.size() - 1)).filename().string();
    std::filesystem::create_directories(own + "/FOLDER.TXT");

    EXPECT_EQ(elSystem::WriteIntFile("SCORE.TXT", 100), 1);
    EXPECT_EQ(elSystem::WriteIntFile("SCORE.TXT", 5), 1);
    EXPECT_EQ(elSystem::ReadIntFile("SCORE.TXT"), 5) << "written over, not over its start";
    host::ClearFileReports();
    EXPECT_EQ(elSystem::WriteIntFile("FOLDER.TXT", 1), 0);
    EXPECT_EQ(host::FileReports(), std::vector<std::string>{own + "/FOLDER.TXT: cannot be written: is a directory"});

    // "-1234" does not fit in 3 bytes: the close, which puts it out, fails.
    kt::ChildRun run = kt::RunInChild(3, "", [] { return static_cast<long>(elSystem::WriteIntFile2("SCORE.TXT", -1234)); });
    EXPECT_EQ(run.ending, "");
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.lines, std::vector<std::string>{own + "/SCORE.TXT: cannot be written: file too large"});
    DataFolder[0] = 0;

    // The debug log goes to the working folder, which only a child of the test may change.
    const std::string work = kt::TempFolder();
    run = kt::RunInChild(8, work, [] { return static_cast<long>(elSystem::DebugPrint("score %d", 123456789)); });
    EXPECT_EQ(run.ending, "");
    EXPECT_EQ(run.result, 15);
    EXPECT_EQ(run.lines, std::vector<std::string>{"DEBUG.TXT: cannot be written: file too large"});
    EXPECT_EQ(std::filesystem::file_size(work + "/DEBUG.TXT"), 8u);
    std::filesystem::remove(work + "/DEBUG.TXT");
    std::filesystem::create_directory(work + "/DEBUG.TXT");
    run = kt::RunInChild(RLIM_INFINITY, work, [] { return static_cast<long>(elSystem::DebugPrint("x")); });
    EXPECT_EQ(run.ending, "");
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.lines, std::vector<std::string>{"DEBUG.TXT: cannot be written: is a directory"});
}

TEST_F(ServicesTest, WindowsVersionTable) {
    struct Row {
        host::VersionInfo v;
        u32 code;
    } rows[] = {{{0, 3, 10}, 310},  {{1, 4, 0}, 950},   {{1, 4, 10}, 980},  {{1, 3, 51}, 351},
                {{2, 5, 0}, 2000},  {{2, 5, 2}, 2000},  {{2, 6, 1}, 6010},  {{2, 10, 0}, 10000},
                {{7, 1, 0}, 0xFFFFFFFFu}};
    for (const Row& r : rows) {
        host::SetVersionOverride(&r.v);
        EXPECT_EQ(elSystem::GetWindowsVersion(), r.code) << r.v.platform << " " << r.v.major << "." << r.v.minor;
    }
    host::SetVersionOverride(nullptr);
    EXPECT_EQ(elSystem::GetWindowsVersion(), 0xFFFFFFFFu) << "this platform is none of them";
}

TEST_F(ServicesTest, QueriesSaturateAndDatesHaveAWeekday) {
    EXPECT_GT(elSystem::GetFreeMemory(), 0u);
    EXPECT_GT(elSystem::GetDiskFree('C'), 0u);
    u32 y = 0, m = 0, d = 0;
    char wd[4] = {};
    elSystem::GetDate(&y, &m, &d, wd);
    EXPECT_GE(y, 2024u);
    EXPECT_TRUE(m >= 1 && m <= 12);
    const std::string days = "\x93\xFA\x8C\x8E\x89\xCE\x90\x85\x96\xD8\x8B\xE0\x93y";
    EXPECT_NE(days.find(wd), std::string::npos);
}

TEST_F(ServicesTest, ColourDepthCheckInAWindowOnA256ColourDesktop) {
    FullScreen = 0;
    ScreenBits = 16;
    host::SetDesktopBits(8);
    hl::SetYesNoAnswer(host::backend::kAnswerYes);
    EXPECT_EQ(elSystem::CheckColorDepth("*"), 1u);
    ASSERT_EQ(hl::Boxes().size(), 2u);
    EXPECT_NE(hl::Boxes()[0].text.find("画面が256色以下に設定されています。"), std::string::npos);
    EXPECT_NE(hl::Boxes()[0].text.find("65536色以上に設定するか"), std::string::npos);
    EXPECT_EQ(hl::Boxes()[1].text, "フルスクリーンに切り換えますか？\r\n");
    EXPECT_EQ(FullScreen, 1u);

    FullScreen = 0;
    hl::SetYesNoAnswer(host::backend::kAnswerNo);
    EXPECT_EQ(elSystem::CheckColorDepth("*"), 0u);
    EXPECT_EQ(LibraryEndState, 2) << "a No ends the program";

    host::SetDesktopBits(32);
    EXPECT_EQ(elSystem::CheckColorDepth(""), 1u);
}
