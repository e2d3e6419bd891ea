// The real program asked to end (a polite kill, or Ctrl+C in its terminal) while the load's box for a
// missing picture is up: nobody may be there to answer the box, so it closes with its safe answer and the
// program ends as at a window's close, with status 0 and nothing more said. So for the program's own box
// and for the system's box, which SDL shows where no font can draw the program's.
#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "desktop_program.h"
#include "x_display.h"

namespace {

using kt::ProgramCopy;
using kx::Within;

constexpr const char* kBoxTitle = "エラー発生";

// The processes whose parent is `parent`.
std::vector<pid_t> ChildrenOf(pid_t parent) {
    std::vector<pid_t> children;
    DIR* proc = opendir("/proc");
    if (!proc) return children;
    while (const dirent* e = readdir(proc)) {
        char* end = nullptr;
        const long pid = std::strtol(e->d_name, &end, 10);
        if (pid <= 0 || *end) continue;
        std::stringstream stat;
        stat << std::ifstream("/proc/" + std::string(e->d_name) + "/stat").rdbuf();
        const std::string line = stat.str();
        const size_t name = line.rfind(')');  // the command's name, in brackets, may hold anything
        char state = 0;
        long ppid = 0;
        if (name != std::string::npos && std::sscanf(line.c_str() + name + 1, " %c %ld", &state, &ppid) == 2 && ppid == parent)
            children.push_back(static_cast<pid_t>(pid));
    }
    closedir(proc);
    return children;
}

// Ends the processes the program started (SDL shows its box from one) while the program still holds them,
// so that nothing the test started outlives it.
void EndChildrenOf(pid_t program) {
    for (pid_t child : ChildrenOf(program)) kill(child, SIGKILL);
}
struct ChildrenEnded {
    const kx::Running& program;
    ~ChildrenEnded() {
        if (program.pid > 0) EndChildrenOf(program.pid);
    }
};

class EndRequestWhileABoxIsUp : public ::testing::TestWithParam<int> {
protected:
    // Starts the program in a window, with MYMY.BMP left out and the variables `env`, asks it to end with
    // the signal once the load's box for the picture is shown over the window (by the program's own process
    // where `ownBox`, else by another), and checks that the box goes and the program ends as at a close,
    // having said `said` and nothing more.
    void EndWithTheBoxUp(const ProgramCopy::Env& env, bool ownBox, const std::string& said) {
        const pid_t pid = program_.pid = run_.Start("x11", "err", env);
        unsigned long window = 0, box = 0;
        ASSERT_TRUE(Within(15'000, [&] {
            return (window = kx::ClientWindowOf(pid, "KESTRALIS")) != 0 && (box = kx::ClientWindowFor(window, kBoxTitle)) != 0;
        })) << run_.Said("err");
        ASSERT_TRUE(Within(5'000, [&] { return kx::ShownWithAPicture(box); }))
            << "the box was never shown";
        ASSERT_EQ(kx::ClientWindowOf(pid, kBoxTitle) == box, ownBox) << "not the box meant";
        ASSERT_EQ(kill(pid, GetParam()), 0);

        const bool boxGone = Within(5'000, [&] { return kx::WindowState(box) == 0; });
        EXPECT_TRUE(boxGone) << "the box stayed up";
        if (!boxGone) EndChildrenOf(pid);
        EXPECT_EQ(program_.Wait(), 0) << run_.Said("err");
        EXPECT_EQ(run_.Said("err"), said);
    }

    const ProgramCopy run_{{"SOUND", "MIDI"}};
    kx::Running program_{0};
    const ChildrenEnded children_{program_};

    void SetUp() override { kx::ImageFolderWithout(run_, "MYMY.BMP"); }
};

TEST_P(EndRequestWhileABoxIsUp, TheProgramsOwnBoxClosesAndTheProgramEnds) {
    EndWithTheBoxUp({{"KESTRALIS_WINDOWED", "1"}}, true, "IMAGE/MYMY.BMP: not found\n");
}

// A font configuration that names no font: the program's own box cannot draw its words, and SDL shows the
// system's box from a copy of the program's process that it forks. The program plays without a sound
// device here: the copy is of the forking thread alone, and under the sanitizers a lock of their allocator
// that the sound's thread holds at that moment stays held in the copy for good, so the box would never come.
TEST_P(EndRequestWhileABoxIsUp, TheSystemsBoxWithoutFontsClosesAndTheProgramEnds) {
    const std::string conf = run_.dir + "fonts.conf";
    std::ofstream(conf) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    EndWithTheBoxUp({{"KESTRALIS_WINDOWED", "1"}, {"FONTCONFIG_FILE", conf.c_str()}, {"SDL_AUDIODRIVER", "dsp"}}, false,
                    "no sound device: playing without sound\nIMAGE/MYMY.BMP: not found\n");
}

INSTANTIATE_TEST_SUITE_P(Signals, EndRequestWhileABoxIsUp, ::testing::Values(SIGTERM, SIGINT),
                         [](const ::testing::TestParamInfo<int>& info) { return std::string(info.param == SIGTERM ? "Sigterm" : "Sigint"); });

}  // namespace
