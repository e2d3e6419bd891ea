// The real program started as a user starts it: a start that fails ends with a non-zero status and says
// why in English; a second copy that brought the first to the front ends with 0.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "host/instance.h"
#include "program_copy.h"

namespace {

using kt::ProgramCopy;

// A display with no X server behind it: nothing listens on its socket, neither the abstract one nor the
// file, and no server holds its lock file. The search starts at a number of this process's own, far above
// where servers that pick the first free display (xvfb-run's :99 on) take theirs. -1 when none is found.
int DisplayWithoutServer() {
    for (int i = 0; i < 1000; ++i) {
        const int number = 1000 + (getpid() + i) % 50000;
        const std::string n = std::to_string(number);
        const std::string file = "/tmp/.X11-unix/X" + n;
        if (access(file.c_str(), F_OK) == 0 || access(("/tmp/.X" + n + "-lock").c_str(), F_OK) == 0) continue;
        if (!kt::SomebodyListens(std::string(1, '\0') + file)) return number;  // its abstract socket
    }
    return -1;
}

TEST(StartUpExit, NoDisplayEndsWithAnErrorAndSaysSo) {
    const ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    EXPECT_EQ(ProgramCopy::Wait(run.Start("nonexistent", "err")), 1);
    EXPECT_NE(run.Said("err").find("no display: "), std::string::npos) << run.Said("err");
}

// Where no driver is named, SDL would fall back on its off-screen driver and play the title into nothing
// until killed. Without a display the program ends at once with one English line saying what to set, and
// no line of a library's probe (Wayland's complains of XDG_RUNTIME_DIR where no session is named).
TEST(StartUpExit, WithoutADisplayNamedTheProgramEndsAtOnceAndSaysWhatToSet) {
    const ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    const ProgramCopy::Env none{{"DISPLAY", nullptr}, {"WAYLAND_DISPLAY", nullptr}, {"XDG_RUNTIME_DIR", nullptr}};
    // Without XDG_RUNTIME_DIR the one-copy lock is a name that every such start of this user shares (one of
    // another run of these tests, say): while another copy holds it, this one is only its second copy. The
    // start is made again then, until it is a first copy (20 s at most).
    int status = -1;
    for (int tries = 0; tries < 40; ++tries) {
        status = ProgramCopy::Wait(run.Start(nullptr, "err", none), 10'000);
        const std::string said = run.Said("err");
        if (said.find("already running") == std::string::npos && said.find("did not answer") == std::string::npos) break;
        usleep(500'000);
    }
    EXPECT_EQ(status, 1) << run.Said("err");
    EXPECT_EQ(run.Said("err"),
              "no display: DISPLAY and WAYLAND_DISPLAY are not set; start the game from a desktop session, or set "
              "DISPLAY to a running X server\n");

    const int free = DisplayWithoutServer();
    ASSERT_GE(free, 0) << "every display searched has a server";
    const std::string display = ":" + std::to_string(free);
    const ProgramCopy::Env noServer{{"DISPLAY", display.c_str()}, {"WAYLAND_DISPLAY", nullptr}};
    EXPECT_EQ(ProgramCopy::Wait(run.Start(nullptr, "errX", noServer), 10'000), 1) << run.Said("errX");
    EXPECT_EQ(run.Said("errX"), "no display: the X display " + display +
                                    " cannot be opened; set DISPLAY to a running X server (or WAYLAND_DISPLAY to a "
                                    "Wayland one)\n");
}

// With a whole data folder gone it is said once, with where the program looked, in one box, and the
// program ends at once: no box for each picture that would have followed.
TEST(StartUpExit, AMissingDataFolderIsSaidOnceAndEndsWithAnError) {
    const ProgramCopy run({"SOUND", "MIDI"});
    EXPECT_EQ(ProgramCopy::Wait(run.Start("dummy", "err")), 1);
    const std::string said = run.Said("err");
    const std::string line = "data folder IMAGE/: not found (looked in " + run.dir + ")";
    const size_t at = said.find(line);
    ASSERT_NE(at, std::string::npos) << said;
    EXPECT_EQ(said.find(line, at + 1), std::string::npos) << said;
    EXPECT_EQ(said.find("IMAGE/ZAKU"), std::string::npos) << "a folder inside the missing one is not said again";
    EXPECT_EQ(said.find(".BMP"), std::string::npos) << "no picture was tried";
    EXPECT_EQ(said.find("SOUND/"), std::string::npos) << said;
    // The one box (on the error stream, as the dummy display shows nobody a box).
    const size_t box = said.find("The game's data is missing");
    ASSERT_NE(box, std::string::npos) << said;
    EXPECT_EQ(said.find("The game's data is missing", box + 1), std::string::npos) << said;

    const ProgramCopy noMusic({"IMAGE", "SOUND"});
    EXPECT_EQ(ProgramCopy::Wait(noMusic.Start("dummy", "err")), 1);
    EXPECT_NE(noMusic.Said("err").find("data folder MIDI/: not found"), std::string::npos) << noMusic.Said("err");
}

// A folder inside `run`'s whose whole name, with its trailing '/', is `size` bytes, holding a link to the
// program; empty, and the test fails, where none can be made.
std::string ProgramFolderOfSize(const ProgramCopy& run, size_t size) {
    namespace fs = std::filesystem;
    const std::string folder = kt::PathOfSize(run.dir.substr(0, run.dir.size() - 1), "deep" + std::to_string(size), size);
    std::error_code ec;
    if (!folder.empty() && fs::create_directories(folder, ec)) fs::create_hard_link(run.dir + "kestralis", folder + "kestralis", ec);
    if (folder.empty() || ec) {
        ADD_FAILURE() << "no program folder of " << size << " bytes in " << run.dir << ": " << ec.message();
        return {};
    }
    return folder;
}

// The program in `folder` started with the current folder `here`, its error stream going to `err` in `run`'s
// folder; its exit status.
int RunIn(const ProgramCopy& run, const std::string& folder, const std::string& here, const std::string& err) {
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("XDG_RUNTIME_DIR", run.runtime.c_str(), 1);
        if (chdir(here.c_str()) != 0 || !std::freopen((run.dir + err).c_str(), "w", stderr)) _exit(126);
        execl((folder + "kestralis").c_str(), "kestralis", static_cast<char*>(nullptr));
        _exit(127);
    }
    return ProgramCopy::Wait(pid);
}

// A program folder whose name is too long for the game (255 bytes at most with its trailing '/', 254 as the
// shell prints it) is said with its name and why, counted as the shell counts,
// and the data is looked for in the current folder, which the lines about it name.
TEST(StartUpExit, AProgramFolderWithTooLongANameIsSaidAndTheCurrentFolderIsNamed) {
    const ProgramCopy run({});
    const std::string here = run.dir + "here/";
    ASSERT_TRUE(std::filesystem::create_directory(here));

    const std::string tooLong = ProgramFolderOfSize(run, 256);
    ASSERT_FALSE(tooLong.empty());
    EXPECT_EQ(RunIn(run, tooLong, here, "long"), 1);
    const std::string said = run.Said("long");
    EXPECT_NE(said.find("program folder " + tooLong +
                        ": a name of 255 bytes, more than the 254 the game can take; looking for the data in the "
                        "current folder, " + here + "\n"),
              std::string::npos)
        << said;
    EXPECT_NE(said.find("data folder IMAGE/: not found (looked in " + here + ")\n"), std::string::npos) << said;
    EXPECT_EQ(said.find("(looked in )"), std::string::npos) << said;

    // 255 bytes are the program folder itself.
    const std::string fits = ProgramFolderOfSize(run, 255);
    ASSERT_FALSE(fits.empty());
    EXPECT_EQ(RunIn(run, fits, here, "fits"), 1);
    EXPECT_EQ(run.Said("fits").find("program folder"), std::string::npos) << run.Said("fits");
    EXPECT_NE(run.Said("fits").find("data folder IMAGE/: not found (looked in " + fits + ")\n"), std::string::npos)
        << run.Said("fits");
}

TEST(StartUpExit, ASecondCopyBringsTheFirstForwardAndEndsWell) {
    const ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    const pid_t first = run.Start("dummy", "first");
    const char* was = std::getenv("XDG_RUNTIME_DIR");
    const std::string before = was ? was : "";
    setenv("XDG_RUNTIME_DIR", run.runtime.c_str(), 1);
    bool held = false;
    for (int i = 0; i < 400 && !held; ++i) {
        held = host::RequestRaise("KESTRALIS:ElMutex");
        if (!held) usleep(50'000);
    }
    if (was) setenv("XDG_RUNTIME_DIR", before.c_str(), 1);
    else unsetenv("XDG_RUNTIME_DIR");
    EXPECT_TRUE(held) << "the first copy never took the lock";
    if (held) {
        EXPECT_EQ(ProgramCopy::Wait(run.Start("dummy", "second")), 0) << run.Said("second");
    }
    kill(first, SIGTERM);
    EXPECT_EQ(ProgramCopy::Wait(first), 0) << run.Said("first");
}

}  // namespace
