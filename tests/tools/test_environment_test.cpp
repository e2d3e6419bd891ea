// The environment a test program starts from: none of the user's settings reach a test, nor their home or
// runtime folder, and the folders the program makes for itself in their place are gone once it ends.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "support/process.h"
#include "support/temp_folder.h"

namespace {

// Where the child, a test program started afresh, writes the home and runtime folder it was given. Not a
// name the tests' environment takes away.
constexpr const char* kChildSays = "TEST_ENVIRONMENT_CHILD_SAYS";

// Settings a user may keep, each set to another value than the default.
const std::vector<std::pair<const char*, const char*>> kUsersSettings = {
    {"KESTRALIS_WINDOWED", "1"},        {"KESTRALIS_PRESENT", "opengl"},   {"KESTRALIS_SOUNDFONT", "/dev/null"},
    {"SDL_VIDEODRIVER", "x11"},         {"SDL_AUDIODRIVER", "alsa"},       {"SDL_RENDER_DRIVER", "software"},
    {"LIBGL_ALWAYS_SOFTWARE", "1"},     {"FONTCONFIG_FILE", "/dev/null"},  {"FREETYPE_PROPERTIES", "truetype:interpreter-version=35"},
    {"PULSE_SERVER", "unix:/nowhere"},  {"ALSA_CONFIG_PATH", "/dev/null"}, {"LANG", "ja_JP.UTF-8"},
    {"LC_ALL", "ja_JP.UTF-8"},          {"DISPLAY", ":0"},                 {"WAYLAND_DISPLAY", "wayland-0"},
    {"XAUTHORITY", "/nowhere"},         {"XDG_CONFIG_HOME", "/nowhere"},   {"XDG_CACHE_HOME", "/nowhere"}};

bool EmptyFolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec) && std::filesystem::is_empty(path, ec);
}

TEST(TestEnvironment, NoneOfTheUsersSettingsOrFoldersReachATestAndItsOwnFoldersGoWithIt) {
    if (const char* says = std::getenv(kChildSays)) {
        for (const auto& [name, value] : kUsersSettings) {
            const std::string n = name;
            if (n == "SDL_VIDEODRIVER" || n == "SDL_AUDIODRIVER") EXPECT_STREQ(std::getenv(name), "dummy") << name;
            else EXPECT_TRUE(!std::getenv(name) || std::getenv(name) != std::string(value)) << name << " reached the test";
        }
        EXPECT_NE(std::getenv("KESTRALIS_TEST_TIMEOUT"), nullptr) << "the test command's own setting was taken away";
        const char* home = std::getenv("HOME");
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        ASSERT_NE(home, nullptr);
        ASSERT_NE(runtime, nullptr);
        EXPECT_TRUE(EmptyFolder(home)) << home;
        struct stat st{};
        ASSERT_EQ(stat(runtime, &st), 0) << runtime;
        EXPECT_EQ(st.st_mode & 0777, 0700u) << runtime;
        EXPECT_EQ(st.st_uid, getuid()) << runtime;
        std::ofstream(says) << home << "\n" << runtime << "\n";
        return;
    }
    const std::string own = kt::TempFolder();
    const std::string home = own + "/users-home", runtime = own + "/users-runtime", says = own + "/says";
    ASSERT_EQ(mkdir(home.c_str(), 0700), 0);
    ASSERT_EQ(mkdir(runtime.c_str(), 0700), 0);
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter = "--gtest_filter=" + std::string(test->test_suite_name()) + "." + test->name();
    const pid_t pid = fork();
    if (pid == 0) {
        // A test program started as ctest starts it, from the user's own environment.
        unsetenv("KESTRALIS_TESTS_OWN_ENVIRONMENT");
        for (const auto& [name, value] : kUsersSettings) setenv(name, value, 1);
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        setenv(kChildSays, says.c_str(), 1);
        const std::string out = own + "/out.txt";
        if (!std::freopen(out.c_str(), "w", stdout) || dup2(fileno(stdout), 2) < 0) _exit(126);
        execl("/proc/self/exe", "/proc/self/exe", filter.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    ASSERT_GT(pid, 0);
    const int status = kt::EndedChild(pid, 60'000);
    std::ifstream said(own + "/out.txt");
    const std::string out{std::istreambuf_iterator<char>(said), std::istreambuf_iterator<char>()};
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << out;

    std::ifstream given(says);
    std::string itsHome, itsRuntime;
    ASSERT_TRUE(std::getline(given, itsHome) && std::getline(given, itsRuntime)) << out;
    EXPECT_NE(itsHome, home);
    EXPECT_NE(itsRuntime, runtime);
    EXPECT_FALSE(std::filesystem::exists(itsHome)) << "the test program's home outlived it";
    EXPECT_FALSE(std::filesystem::exists(itsRuntime)) << "the test program's runtime folder outlived it";
    EXPECT_TRUE(EmptyFolder(home)) << "the user's home was written in";
    EXPECT_TRUE(EmptyFolder(runtime)) << "the user's runtime folder was written in";
}

}  // namespace
