// The real program with a soundfont that would block whoever opens it (a FIFO nobody writes to): it starts,
// says what is wrong with the soundfont, and SIGTERM ends it within a second.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// Waits up to `ms` for the child to end; true when it did.
bool Ended(pid_t pid, int ms, int* status) {
    for (int i = 0; i < ms; ++i) {
        if (waitpid(pid, status, WNOHANG) == pid) return true;
        usleep(1000);
    }
    return false;
}

TEST(ProgramSoundfont, AFifoForASoundfontIsRefusedAndSigtermEndsTheProgramWithinASecond) {
    const std::string program = std::string(KESTRALIS_BIN_DIR) + "kestralis";
    if (access(program.c_str(), X_OK) != 0) GTEST_SKIP() << "no program at " << program;
    char folder[] = "/tmp/kestralis-soundfont-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string fifo = std::string(folder) + "/font.sf2", errors = std::string(folder) + "/errors.txt";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

    const pid_t pid = fork();
    if (pid == 0) {
        std::FILE* err = std::freopen(errors.c_str(), "w", stderr);
        (void)err;
        setenv("KESTRALIS_SOUNDFONT", fifo.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", folder, 1);  // a lock of its own, whatever else runs
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    // The program loads its data and shows the title; the soundfont load has been tried meanwhile.
    int status = 0;
    const bool endedAlone = Ended(pid, 4000, &status);
    if (!endedAlone) {
        const auto t0 = std::chrono::steady_clock::now();
        kill(pid, SIGTERM);
        const bool ended = Ended(pid, 5000, &status);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        if (!ended) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
        }
        EXPECT_TRUE(ended);
        EXPECT_LT(ms, 1000.0);
    }
    std::ifstream in(errors);
    std::stringstream text;
    text << in.rdbuf();
    std::error_code ec;
    fs::remove_all(folder, ec);
    if (endedAlone) GTEST_SKIP() << "the program did not start here: " << text.str();
    EXPECT_NE(text.str().find(fifo + ": not a regular file; playing without music"), std::string::npos) << text.str();
}

}  // namespace
