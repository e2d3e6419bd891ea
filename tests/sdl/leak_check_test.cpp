// The leak check the tests run under passes over the third-party leaks named in tests/lsan.supp and
// nothing else: memory of ours lost in a child still ends the child with the leak check's status.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#if defined(__SANITIZE_ADDRESS__)

namespace {

void* volatile g_sink;

TEST(LeakCheck, MemoryOfOursLostInAChildIsStillReported) {
    const char* options = std::getenv("LSAN_OPTIONS");
    ASSERT_NE(options, nullptr) << "the tests run with the suppressions in LSAN_OPTIONS";
    EXPECT_NE(std::strstr(options, "lsan.supp"), nullptr) << options;
    const pid_t pid = fork();
    if (pid == 0) {
        // Silence the report itself; its status is what counts.
        if (!std::freopen("/dev/null", "w", stderr)) _exit(126);
        g_sink = std::malloc(4096);
        g_sink = nullptr;
        std::exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 0) << "a leak of ours passed the leak check";
}

}  // namespace

#endif
