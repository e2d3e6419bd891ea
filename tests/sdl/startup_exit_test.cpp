// The real program started as a user starts it: a start that fails ends with a non-zero status and says
// why in English; a second copy that brought the first to the front ends with 0. Each run has a folder of
// its own holding the program and the data folders the run is given.
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

// A folder beside the test program with the program in it and links to the chosen data folders.
class ProgramCopy {
public:
    explicit ProgramCopy(const std::vector<const char*>& data) {
        char here[4096];
        host::ModuleFolder(here, sizeof here);
        dir_ = std::string(here) + "run" + std::to_string(getpid()) + "_" + std::to_string(counter_++) + "/";
        fs::remove_all(dir_);
        fs::create_directories(dir_ + "runtime");
        std::error_code ec;
        fs::create_hard_link(std::string(KESTRALIS_BIN_DIR) + "kestralis", dir_ + "kestralis", ec);
        if (ec) fs::copy_file(std::string(KESTRALIS_BIN_DIR) + "kestralis", dir_ + "kestralis");
        for (const char* name : data) fs::create_directory_symlink(std::string(KESTRALIS_BIN_DIR) + name, dir_ + name);
    }
    ~ProgramCopy() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    const std::string& Dir() const { return dir_; }
    // Starts the program with the video driver given; its error stream goes to a file of the run.
    pid_t Start(const char* videoDriver) {
        const std::string err = dir_ + "stderr" + std::to_string(runs_++);
        errFiles_.push_back(err);
        const pid_t pid = fork();
        if (pid == 0) {
            setenv("SDL_VIDEODRIVER", videoDriver, 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            setenv("XDG_RUNTIME_DIR", (dir_ + "runtime").c_str(), 1);
            if (!freopen(err.c_str(), "w", stderr)) _exit(126);
            const std::string program = dir_ + "kestralis";
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        return pid;
    }
    // The status of a run that ends by itself within `seconds`; -1 when it had to be stopped.
    static int Wait(pid_t pid, int seconds = 20) {
        int status = 0;
        for (int i = 0; i < seconds * 20; ++i) {
            if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            usleep(50'000);
        }
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return -1;
    }
    int Run(const char* videoDriver) { return Wait(Start(videoDriver)); }
    // What the latest run wrote on its error stream.
    std::string Said() const {
        std::ifstream in(errFiles_.back());
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }

private:
    static inline int counter_ = 0;
    std::string dir_;
    int runs_ = 0;
    std::vector<std::string> errFiles_;
};

TEST(StartUpExit, NoDisplayEndsWithAnErrorAndSaysSo) {
    ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    EXPECT_EQ(run.Run("nonexistent"), 1);
    EXPECT_NE(run.Said().find("no display: "), std::string::npos) << run.Said();
}

// With a whole data folder gone it is said once, with where the program looked, and the program ends at
// once: no box for each picture that would have followed.
TEST(StartUpExit, AMissingDataFolderIsSaidOnceAndEndsWithAnError) {
    ProgramCopy run({"SOUND", "MIDI"});
    EXPECT_EQ(run.Run("dummy"), 1);
    const std::string said = run.Said();
    const std::string line = "data folder IMAGE/: not found (looked in " + run.Dir() + ")";
    const size_t at = said.find(line);
    ASSERT_NE(at, std::string::npos) << said;
    EXPECT_EQ(said.find("IMAGE/ZAKU"), std::string::npos) << "a folder inside the missing one is not said again";
    EXPECT_EQ(said.find(".BMP"), std::string::npos) << "no picture was tried";
    EXPECT_EQ(said.find("SOUND/"), std::string::npos) << said;
    // The one box (on the error stream, as the dummy display shows nobody a box), without the lines again.
    const size_t box = said.find("The game's data is missing");
    ASSERT_NE(box, std::string::npos) << said;
    EXPECT_EQ(said.find("The game's data is missing", box + 1), std::string::npos) << said;
    EXPECT_EQ(said.find(line, at + 1), std::string::npos) << said;

    ProgramCopy noMusic({"IMAGE", "SOUND"});
    EXPECT_EQ(noMusic.Run("dummy"), 1);
    EXPECT_NE(noMusic.Said().find("data folder MIDI/: not found"), std::string::npos) << noMusic.Said();
}

TEST(StartUpExit, ASecondCopyBringsTheFirstForwardAndEndsWell) {
    ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    const pid_t first = run.Start("dummy");
    const char* was = std::getenv("XDG_RUNTIME_DIR");
    const std::string before = was ? was : "";
    setenv("XDG_RUNTIME_DIR", (run.Dir() + "runtime").c_str(), 1);
    bool held = false;
    for (int i = 0; i < 400 && !held; ++i) {
        held = host::RequestRaise("KESTRALIS:ElMutex");
        if (!held) usleep(50'000);
    }
    if (was) setenv("XDG_RUNTIME_DIR", before.c_str(), 1);
    else unsetenv("XDG_RUNTIME_DIR");
    EXPECT_TRUE(held) << "the first copy never took the lock";
    if (held) {
        EXPECT_EQ(ProgramCopy::Wait(run.Start("dummy"), 20), 0) << run.Said();
    }
    kill(first, SIGTERM);
    EXPECT_EQ(ProgramCopy::Wait(first, 20), 0);
}

}  // namespace
