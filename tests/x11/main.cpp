// The tests that need a real X display run on the private X servers the test command starts (xserver.sh):
// their folder comes in KESTRALIS_XSERVER_DIR. A test of the suite NoWindowManager runs on the bare server,
// every other on the one with a window manager (ctest runs each test in a process of its own, named by the
// filter). Run by hand, DISPLAY is used as it is.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    if (const char* dir = std::getenv("KESTRALIS_XSERVER_DIR")) {
        const bool bare = testing::GTEST_FLAG(filter).rfind("NoWindowManager.", 0) == 0;
        std::string display;
        std::ifstream(std::string(dir) + (bare ? "/bare" : "/display")) >> display;
        if (display.empty()) {
            std::fprintf(stderr, "no private X server in %s (its start failed)\n", dir);
            return 1;
        }
        setenv("DISPLAY", display.c_str(), 1);
    }
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "these tests need an X display: run them through ctest, or set DISPLAY\n");
        return 1;
    }
    setenv("SDL_VIDEODRIVER", "x11", 1);
    unsetenv("WAYLAND_DISPLAY");
    return RUN_ALL_TESTS();
}
