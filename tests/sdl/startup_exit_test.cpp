// The real program started as a user starts it: a start that fails ends with a non-zero status and says
// why in English; a second copy that brought the first to the front ends with 0. Each run has a folder of
// its own holding the program, links to the data folders it is given, and its own runtime folder.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/files.h"
#include "host/instance.h"

namespace {

namespace fs = std::filesystem;

class ProgramCopy {
public:
    explicit ProgramCopy(const std::vector<const char*>& data) {
        static int counter = 0;
        char here[4096];
        host::ModuleFolder(here, sizeof here);
        dir = std::string(here) + "run" + std::to_string(getpid()) + "_" + std::to_string(counter++) + "/";
        fs::remove_all(dir);
        fs::create_directories(dir + "runtime");
        std::error_code ec;
        fs::create_hard_link(std::string(KESTRALIS_BIN_DIR) + "kestralis", dir + "kestralis", ec);
        if (ec) fs::copy_file(std::string(KESTRALIS_BIN_DIR) + "kestralis", dir + "kestralis");
        for (const char* name : data) fs::create_directory_symlink(std::string(KESTRALIS_BIN_DIR) + name, dir + name);
    }
    ~ProgramCopy() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    // Starts the program with the video driver given; its error stream goes to the file `err`.
    pid_t Start(const char* videoDriver, const std::string& err) const {
        const pid_t pid = fork();
        if (pid == 0) {
            setenv("SDL_VIDEODRIVER", videoDriver, 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            setenv("XDG_RUNTIME_DIR", (dir + "runtime").c_str(), 1);
            if (!freopen((dir + err).c_str(), "w", stderr)) _exit(126);
            execl((dir + "kestralis").c_str(), "kestralis", static_cast<char*>(nullptr));
            _exit(127);
        }
        return pid;
    }
    // The status of a run that ends by itself within 20 s; -1 when it had to be stopped.
    static int Wait(pid_t pid) {
        int status = 0;
        for (int i = 0; i < 400; ++i) {
            if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            usleep(50'000);
        }
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return -1;
    }
    std::string Said(const std::string& err) const {
        std::stringstream ss;
        ss << std::ifstream(dir + err).rdbuf();
        return ss.str();
    }

    std::string dir;
};

TEST(StartUpExit, NoDisplayEndsWithAnErrorAndSaysSo) {
    const ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    EXPECT_EQ(ProgramCopy::Wait(run.Start("nonexistent", "err")), 1);
    EXPECT_NE(run.Said("err").find("no display: "), std::string::npos) << run.Said("err");
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

TEST(StartUpExit, ASecondCopyBringsTheFirstForwardAndEndsWell) {
    const ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    const pid_t first = run.Start("dummy", "first");
    const char* was = std::getenv("XDG_RUNTIME_DIR");
    const std::string before = was ? was : "";
    setenv("XDG_RUNTIME_DIR", (run.dir + "runtime").c_str(), 1);
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
