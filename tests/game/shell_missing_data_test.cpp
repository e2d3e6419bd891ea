// A start with its data folders missing: the box that says so stands over a black window, not over
// whatever the screen showed before the window opened, and names where the program looked.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "game/shell/shell.h"
#include "host/files.h"
#include "host/headless/headless.h"
#include "host/text.h"
#include "support/headless_machine.h"
#include "support/rerun.h"
#include "support/temp_folder.h"

namespace hl = host::headless;

namespace {

constexpr const char* kChildRole = "KESTRALIS_TEST_MISSING_DATA";
// The folder without data begins so, and shows so in the box: "no data été " ("été" has no code page 932 form).
constexpr std::string_view kFolder = "no data \xC3\xA9t\xC3\xA9 ", kFolderShown = "no data ?t? ";

// The start itself, in a copy of this test program in a folder without the game's data.
void StartWithoutData() {
    kt::FreshMachine();
    i32 code = -1;
    EXPECT_FALSE(WinMain_StartUp(nullptr, "", 1, &code));
    EXPECT_EQ(code, 1);
    ASSERT_EQ(hl::Boxes().size(), 1u);
    // The program's folder in the box: a character code page 932 has no form for shows as '?', the folder's
    // own "été" as "?t?", and whatever the checkout's path holds above it as the box's conversion has it.
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const std::string own = self.filename().string();
    ASSERT_EQ(own.rfind(kFolder, 0), 0u) << own;
    const std::string above = self.parent_path().string() + "/";
    const std::string folder = host::Cp932ToUtf8(host::Utf8ToCp932Lossy(above).c_str()) + std::string(kFolderShown) +
                               own.substr(kFolder.size()) + "/";
    EXPECT_NE(hl::Boxes()[0].text.find("data folder IMAGE/: not found (looked in " + folder + ")"), std::string::npos)
        << hl::Boxes()[0].text;
    EXPECT_EQ(hl::Boxes()[0].framesBefore, 1u) << "the window showed no picture of its own before the box";
    EXPECT_EQ(hl::FrameCount(), 1u);
    const hl::Frame& f = hl::LastFrame();
    EXPECT_EQ(f.width, 800);
    EXPECT_EQ(f.height, 600);
    EXPECT_TRUE(std::all_of(f.pixels.begin(), f.pixels.end(), [](u16 p) { return p == 0; })) << "not black";
    kt::EndProgram();
}

TEST(MissingDataFolder, TheBoxStandsOverABlackWindow) {
    if (std::getenv(kChildRole)) {
        StartWithoutData();
        return;
    }
    namespace fs = std::filesystem;
    const std::string dir = kt::FolderBesideProgram(std::string(kFolder));
    const std::string program = kt::ThisProgramIn(dir);
    ASSERT_FALSE(program.empty());
    const kt::ChildRun run = kt::RerunInChild(program, kChildRole, dir + "out.txt");
    EXPECT_TRUE(run.Passed()) << run.said;
    std::error_code ec;
    fs::remove_all(dir, ec);
}

}  // namespace
