// A start whose sound folder holds a WAVE file in a format the program cannot play: the library's box
// stays, and the file and what is wrong with it are said in one line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "game/shell/shell.h"
#include "host/headless/headless.h"
#include "host/report.h"
#include "support/headless_machine.h"
#include "support/rerun.h"
#include "support/temp_folder.h"
#include "el/sound_files.h"

namespace hl = host::headless;

namespace {

constexpr const char* kChildRole = "KESTRALIS_TEST_REFUSED_SOUND";

// The start itself, in a copy of this test program beside the game's data with SOUND/SHOT.WAV replaced.
void StartWithAnEightChannelShot() {
    kt::FreshMachine();
    host::ClearFileReports();
    WinMain_StartUp(nullptr, "", 1);
    std::vector<std::string> shot;
    for (const std::string& r : host::FileReports())
        if (r.find("SHOT.WAV") != std::string::npos) shot.push_back(r);
    EXPECT_EQ(shot, std::vector<std::string>{"SOUND/SHOT.WAV: 8 channels; this program plays 1 or 2"});
    bool boxed = false;
    for (const auto& b : hl::Boxes()) boxed = boxed || b.text.find("サウンドバッファが生成できません") != std::string::npos;
    EXPECT_TRUE(boxed) << "the library's box stays";
    kt::EndProgram();
}

TEST(RefusedSound, AnUnplayableFormatIsOneLineNamingTheFile) {
    if (std::getenv(kChildRole)) {
        StartWithAnEightChannelShot();
        return;
    }
    namespace fs = std::filesystem;
    const std::string dir = kt::FolderBesideProgram("badsound");
    const fs::path data(KESTRALIS_BIN_DIR);
    const std::string program = kt::ThisProgramIn(dir);
    ASSERT_FALSE(program.empty());
    std::error_code ec;
    for (const char* name : {"IMAGE", "MIDI", "MYME1.BMP", "MYME2.BMP"}) {
        fs::create_symlink(data / name, dir + name, ec);
        ASSERT_FALSE(ec) << name << ": " << ec.message();
    }
    fs::create_directory(dir + "SOUND", ec);
    ASSERT_FALSE(ec) << ec.message();
    for (const fs::directory_entry& e : fs::directory_iterator(data / "SOUND")) {
        if (e.path().filename() == "SHOT.WAV") continue;
        fs::create_symlink(e.path(), dir + "SOUND/" + e.path().filename().string(), ec);
        ASSERT_FALSE(ec) << e.path() << ": " << ec.message();
    }
    kt::WriteFile(dir + "SOUND/SHOT.WAV", kt::WaveImage(8, 22050, 16, std::vector<u8>(1600, 0)));
    ASSERT_TRUE(fs::is_regular_file(dir + "SOUND/SHOT.WAV"));
    const kt::ChildRun run = kt::RerunInChild(program, kChildRole, dir + "out.txt");
    EXPECT_TRUE(run.Passed()) << run.said;
    EXPECT_NE(run.said.find("SOUND/SHOT.WAV: 8 channels; this program plays 1 or 2\n"), std::string::npos) << run.said;
    fs::remove_all(dir, ec);
}

}  // namespace
