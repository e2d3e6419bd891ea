// The real program asked to end (a polite kill, Ctrl+C or Ctrl+\ in its terminal, the terminal's hang-up,
// a user signal) while the load's box for a missing picture is up: nobody may be there to answer the box, so
// it closes with its safe answer and the program ends as at a window's close, with status 0 and nothing more
// said, leaving no process, window or lock behind. So for the program's own box and for the system's box,
// which SDL shows from a process of its own where no font can draw the program's; that process ends with the
// program however the program ends, and holds neither the lock nor the program's window.
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
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

// Whether the process `pid` has ended (a process whose parent went is reaped by another: until then it
// stays as a zombie, dead all the same).
bool Gone(pid_t pid) {
    std::stringstream stat;
    stat << std::ifstream("/proc/" + std::to_string(pid) + "/stat").rdbuf();
    const std::string line = stat.str();
    const size_t name = line.rfind(')');
    return name == std::string::npos || line.compare(name, 3, ") Z") == 0 || line.compare(name, 3, ") X") == 0;
}

// The files in the folder `folder` whose names end in `ending`.
std::vector<std::string> FilesEndingIn(const std::string& folder, const std::string& ending) {
    std::vector<std::string> found;
    if (DIR* d = opendir(folder.c_str())) {
        while (const dirent* e = readdir(d)) {
            const std::string name = e->d_name;
            if (name.size() > ending.size() && name.compare(name.size() - ending.size(), ending.size(), ending) == 0)
                found.push_back(folder + "/" + name);
        }
        closedir(d);
    }
    return found;
}

// The inode of the socket bound to the path `path`, as /proc/net/unix lists it; 0 when none is.
unsigned long SocketBoundTo(const std::string& path) {
    std::ifstream list("/proc/net/unix");
    std::string line;
    std::getline(list, line);  // the heading
    while (std::getline(list, line)) {
        std::istringstream fields(line);
        std::string num, refs, protocol, flags, type, st, bound;
        unsigned long inode = 0;
        if (fields >> num >> refs >> protocol >> flags >> type >> st >> inode >> bound && bound == path) return inode;
    }
    return 0;
}

// Whether the process `pid` holds a descriptor of the file on the device `device` whose inode is `inode`,
// or with `device` 0 of the socket whose inode that is.
bool Holds(pid_t pid, unsigned long device, unsigned long inode) {
    const std::string fds = "/proc/" + std::to_string(pid) + "/fd";
    bool held = false;
    if (DIR* d = opendir(fds.c_str())) {
        while (const dirent* e = readdir(d)) {
            struct stat st{};
            if (e->d_name[0] != '.' && stat((fds + "/" + e->d_name).c_str(), &st) == 0 && st.st_ino == inode &&
                (device == 0 ? S_ISSOCK(st.st_mode) : !S_ISSOCK(st.st_mode) && st.st_dev == device))
                held = true;
        }
        closedir(d);
    }
    return held;
}

class BoxUp : public ::testing::Test {
protected:
    void SetUp() override { kx::ImageFolderWithout(run_, "MYMY.BMP"); }
    void TearDown() override {
        // Whatever the program left running, so that nothing the test started outlives it.
        for (pid_t child : ChildrenOf(program_.pid)) kill(child, SIGKILL);
        for (pid_t box : boxProcesses_)
            if (!Gone(box)) kill(box, SIGKILL);
    }

    // Starts the program in a window, with MYMY.BMP left out and the variables `env`, until the load's box
    // for the picture is shown over the window (by the program's own process where `ownBox`, else by
    // another, whose processes then are in boxProcesses_). `started` is called once the program runs.
    void StartWithTheBoxUp(const ProgramCopy::Env& env, bool ownBox, const char* err = "err",
                           const std::function<void()>& started = [] {}) {
        const pid_t pid = program_.pid = run_.Start("x11", err, env);
        ASSERT_NO_FATAL_FAILURE(started());
        ASSERT_TRUE(Within(kx::kStartMs, [&] {
            return (window_ = kx::ClientWindowOf(pid, "KESTRALIS")) != 0 && (box_ = kx::ClientWindowFor(window_, kBoxTitle)) != 0;
        })) << run_.Said("err");
        ASSERT_TRUE(Within(5'000, [&] { return kx::ShownWithAPicture(box_); })) << "the box was never shown";
        ASSERT_EQ(kx::ClientWindowOf(pid, kBoxTitle) == box_, ownBox) << "not the box meant";
        boxProcesses_ = ChildrenOf(pid);
        ASSERT_EQ(boxProcesses_.empty(), ownBox) << "the system's box is shown by a process of the program's own";
    }

    // A font configuration that names no font: the program's own box cannot draw its words, and SDL shows
    // the system's box from a copy of the program's process that it forks. The program plays without a
    // sound device here: the copy is of the forking thread alone, and under the sanitizers a lock of their
    // allocator that the sound's thread holds at that moment stays held in the copy for good, so the box
    // would never come.
    void StartWithTheSystemsBoxUp() {
        conf_ = run_.dir + "fonts.conf";
        std::ofstream(conf_) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
        StartWithTheBoxUp({{"KESTRALIS_WINDOWED", "1"}, {"FONTCONFIG_FILE", conf_.c_str()}, {"SDL_AUDIODRIVER", "dsp"}},
                          false);
    }

    // Checks that the program, once ended, left nothing behind: the processes that showed its box are gone,
    // and so is its window, and its one-copy lock is free for the next copy to take at once.
    void NothingLeftBehind() {
        for (pid_t box : boxProcesses_)
            EXPECT_TRUE(Within(5'000, [&] { return Gone(box); })) << "the box's process " << box << " lives on";
        EXPECT_TRUE(Within(5'000, [&] { return kx::WindowState(window_) == 0; }))
            << "the program's window stayed on the screen";
        const std::vector<std::string> locks = FilesEndingIn(run_.runtime, ".lock");
        ASSERT_EQ(locks.size(), 1u) << "the program's lock file is not in its runtime folder";
        const int fd = open(locks[0].c_str(), O_RDWR | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        EXPECT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0) << "the lock is still held";
        close(fd);
        for (const std::string& socket : FilesEndingIn(run_.runtime, ".sock"))
            EXPECT_FALSE(kt::SomebodyListens(socket)) << "somebody still takes the calls of the next copy";
    }

    const ProgramCopy run_{{"SOUND", "MIDI"}};
    kx::Running program_{0};
    std::string conf_;
    unsigned long window_ = 0, box_ = 0;
    std::vector<pid_t> boxProcesses_;
};

class EndRequestWhileABoxIsUp : public BoxUp, public ::testing::WithParamInterface<int> {
protected:
    // Asks the program to end with the signal and checks that the box goes and the program ends as at a
    // close, having said `said` and nothing more, and leaving nothing behind.
    void EndWithTheBoxUp(const std::string& said) {
        ASSERT_EQ(kill(program_.pid, GetParam()), 0);
        EXPECT_TRUE(Within(5'000, [&] { return kx::WindowState(box_) == 0; })) << "the box stayed up";
        EXPECT_EQ(program_.Wait(), 0) << run_.Said("err");
        EXPECT_EQ(run_.Said("err"), said);
        NothingLeftBehind();
    }
};

TEST_P(EndRequestWhileABoxIsUp, TheProgramsOwnBoxClosesAndTheProgramEnds) {
    ASSERT_NO_FATAL_FAILURE(StartWithTheBoxUp({{"KESTRALIS_WINDOWED", "1"}}, true));
    EndWithTheBoxUp("IMAGE/MYMY.BMP: not found\n");
}

TEST_P(EndRequestWhileABoxIsUp, TheSystemsBoxWithoutFontsClosesAndTheProgramEnds) {
    ASSERT_NO_FATAL_FAILURE(StartWithTheSystemsBoxUp());
    EndWithTheBoxUp("no sound device: playing without sound\nIMAGE/MYMY.BMP: not found\n");
}

constexpr std::pair<int, const char*> kEndSignals[] = {{SIGTERM, "Sigterm"}, {SIGINT, "Sigint"},   {SIGHUP, "Sighup"},
                                                       {SIGQUIT, "Sigquit"}, {SIGUSR1, "Sigusr1"}, {SIGUSR2, "Sigusr2"}};
INSTANTIATE_TEST_SUITE_P(Signals, EndRequestWhileABoxIsUp,
                         ::testing::Values(SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2),
                         [](const ::testing::TestParamInfo<int>& info) {
                             for (const auto& [signal, name] : kEndSignals)
                                 if (signal == info.param) return std::string(name);
                             return std::to_string(info.param);
                         });

using TheSystemsBoxProcess = BoxUp;

// The process that shows the box holds neither the lock nor its socket, and ends with the program when
// nothing can be done as that ends: the window goes with them and the next copy can start.
TEST_F(TheSystemsBoxProcess, HoldsNoLockAndEndsWithTheProgramKilled) {
    ASSERT_NO_FATAL_FAILURE(StartWithTheSystemsBoxUp());
    const std::vector<std::string> locks = FilesEndingIn(run_.runtime, ".lock");
    const std::vector<std::string> sockets = FilesEndingIn(run_.runtime, ".sock");
    ASSERT_EQ(locks.size(), 1u);
    ASSERT_EQ(sockets.size(), 1u);
    struct stat lock{};
    ASSERT_EQ(stat(locks[0].c_str(), &lock), 0);
    const unsigned long listener = SocketBoundTo(sockets[0]);
    ASSERT_NE(listener, 0u) << "nobody listens on " << sockets[0];
    ASSERT_TRUE(Holds(program_.pid, lock.st_dev, lock.st_ino)) << "the program does not hold its lock file";
    for (pid_t box : boxProcesses_) {
        EXPECT_FALSE(Holds(box, lock.st_dev, lock.st_ino)) << "the box's process holds the lock";
        EXPECT_FALSE(Holds(box, 0, listener)) << "the box's process takes the next copy's calls";
    }

    ASSERT_EQ(kill(program_.pid, SIGKILL), 0);
    EXPECT_EQ(program_.Wait(), 128 + SIGKILL);
    NothingLeftBehind();
}

// A polite kill of the box's own process ends it, as of any process: the box goes with its safe answer, and
// the program, which did not ask to end, goes on and ends at its own request.
TEST_F(TheSystemsBoxProcess, EndsAtAPoliteKillOfItsOwn) {
    ASSERT_NO_FATAL_FAILURE(StartWithTheSystemsBoxUp());
    for (pid_t box : boxProcesses_) ASSERT_EQ(kill(box, SIGTERM), 0);
    for (pid_t box : boxProcesses_)
        EXPECT_TRUE(Within(5'000, [&] { return Gone(box); })) << "the box's process lives on";
    EXPECT_TRUE(Within(5'000, [&] { return kx::WindowState(box_) == 0; })) << "the box stayed up";
    EXPECT_EQ(kx::WindowState(window_), 1) << "the program's window went with the box";

    ASSERT_EQ(kill(program_.pid, SIGTERM), 0);
    EXPECT_EQ(program_.Wait(), 0) << run_.Said("err");
    NothingLeftBehind();
}

// The error stream into a pipe whose reader went (a pager that was quit): what the program says there is
// lost, and the program plays on until it is asked to end.
using AWriteToAPipeNobodyReads = BoxUp;

TEST_F(AWriteToAPipeNobodyReads, DoesNotEndTheProgram) {
    const std::string pipe = run_.dir + "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    // The reader goes once the program has the pipe for its error stream (which it has before it runs) and
    // before it says anything: the missing picture is said after its window is up.
    const auto readerGoes = [&] {
        const std::string program = run_.dir + "kestralis";
        ASSERT_TRUE(Within(5'000, [&] {
            std::error_code ec;
            return std::filesystem::read_symlink("/proc/" + std::to_string(program_.pid) + "/exe", ec) == program;
        }, 1)) << "the program did not start";
        char said[64];
        ASSERT_LE(read(reader, said, sizeof said), 0) << "the program said something before the reader went";
        close(reader);
        reader = -1;
    };
    StartWithTheBoxUp({{"KESTRALIS_WINDOWED", "1"}}, true, "pipe", readerGoes);
    if (reader >= 0) close(reader);
    if (HasFatalFailure()) return;

    ASSERT_EQ(kill(program_.pid, SIGTERM), 0);
    EXPECT_EQ(program_.Wait(), 0);
    NothingLeftBehind();
}

}  // namespace
