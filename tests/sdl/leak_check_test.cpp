// The leak check the tests run under passes over the third-party leaks named in tests/lsan.supp and
// nothing else: memory of ours lost in a child still ends the child with the leak check's status. It scans
// the thread-local blocks of a library opened while a program runs wherever they lie, without crashing on
// them, finding what they hold, and passing over no loss beside them.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "support/process.h"

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

// The leak check's test child (leak_check/child.cpp) of each sanitizer build with the library it opens:
// the main one's, and the clang build's where the fuzz harnesses are built.
struct LeakCheckChild {
    const char* build;
    const char* program;
    const char* library;
};
const LeakCheckChild kLeakCheckChildren[] = {
    {"main build", KESTRALIS_LEAK_CHECK_CHILD, KESTRALIS_THREAD_BLOCK},
#ifdef KESTRALIS_CLANG_LEAK_CHECK_CHILD
    {"clang build", KESTRALIS_CLANG_LEAK_CHECK_CHILD, KESTRALIS_CLANG_THREAD_BLOCK},
#endif
};

// Every thread-local block of the child's library lies 16 bytes past a page boundary, where the sanitizers'
// runtime, left to watch such blocks, took two words of the allocator's for the block's bounds and crashed
// the leak check as the program ended. The child ends with threads still at work, each block holding the
// only pointer to an allocation of 3001 bytes; one run loses 4099 bytes beside them.
TEST(LeakCheck, ThreadLocalBlocksOfALibraryOpenedLaterAreScannedWhereverTheyLie) {
    // The children's settings: the allocator hands a freed chunk out again at once, so that the child puts
    // its blocks where it means to.
    const char* given = std::getenv("ASAN_OPTIONS");
    const std::string own = given ? given : "";
    const std::string options = own + (own.empty() ? "" : ":") + "quarantine_size_mb=0:thread_local_quarantine_size_kb=0";
    for (const LeakCheckChild& child : kLeakCheckChildren) {
        for (const bool lose : {false, true}) {
            SCOPED_TRACE(std::string(child.build) + (lose ? ", losing memory" : ", losing nothing"));
            std::string said;
            const int status = kt::RunProgram({child.program, child.library, lose ? "leak" : "clean"}, &said,
                                              {{"ASAN_OPTIONS", options}});
            ASSERT_NE(status, 127) << "the child could not be started:\n" << said;
            ASSERT_NE(status, 4) << "the blocks could not be placed, so nothing was tested:\n" << said;
            ASSERT_NE(status, 3) << said;
            const bool crashed = said.find("Tracer caught signal") != std::string::npos ||
                                 said.find("LeakSanitizer has encountered a fatal error") != std::string::npos;
            EXPECT_FALSE(crashed) << "the leak check crashed:\n" << said;
            if (crashed) continue;
            EXPECT_EQ(said.find("leak of 3001 byte"), std::string::npos) << "what only a block holds was taken for lost:\n" << said;
            if (lose) {
                EXPECT_NE(status, 0) << "the loss passed the leak check:\n" << said;
                EXPECT_NE(said.find("Direct leak of 4099 byte(s) in 1 object(s)"), std::string::npos) << said;
            } else {
                EXPECT_EQ(status, 0) << said;
            }
        }
    }
}

}  // namespace

#endif
