// The environment a test program starts from: none of the user's settings reach a test, nor their home,
// runtime or temporary folder, session bus or input method, and the folders the program makes for itself
// in their place are gone once it ends. GoogleTest's settings that would leave its test out, and a mark of
// the tests' environment left exported, change nothing: the test runs, and the program says once what it set
// aside, with the flags that do the same. A filter that selects nothing fails.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "support/fresh_program.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace {

// Where the child, a test program started afresh, writes the home and runtime folder it was given. Not a
// name the tests' environment takes away.
constexpr const char* kChildSays = "TEST_ENVIRONMENT_CHILD_SAYS";

// The time-out the test command gives, as the test gives it to the child: another value than the build's.
constexpr const char* kGivenTimeOut = "97";

// Settings a user may keep, each set to another value than the default.
const std::vector<std::pair<const char*, const char*>> kUsersSettings = {
    {"KESTRALIS_WINDOWED", "1"},        {"KESTRALIS_PRESENT", "opengl"},   {"KESTRALIS_SOUNDFONT", "/dev/null"},
    {"SDL_VIDEODRIVER", "x11"},         {"SDL_AUDIODRIVER", "alsa"},       {"SDL_RENDER_DRIVER", "software"},
    {"LIBGL_ALWAYS_SOFTWARE", "1"},     {"FONTCONFIG_FILE", "/dev/null"},  {"FREETYPE_PROPERTIES", "truetype:interpreter-version=35"},
    {"PULSE_SERVER", "unix:/nowhere"},  {"ALSA_CONFIG_PATH", "/dev/null"}, {"LANG", "ja_JP.UTF-8"},
    {"LC_ALL", "ja_JP.UTF-8"},          {"DISPLAY", ":0"},                 {"WAYLAND_DISPLAY", "wayland-0"},
    {"XAUTHORITY", "/nowhere"},         {"XDG_CONFIG_HOME", "/nowhere"},   {"XDG_CACHE_HOME", "/nowhere"},
    {"LP_NUM_THREADS", "1"},            {"GALLIVM_PERF", "nopt"},          {"vblank_mode", "0"},
    {"mesa_glthread", "true"},          {"__EGL_VENDOR_LIBRARY_DIRS", "/nowhere"}, {"DRI_PRIME", "1"},
    {"XMODIFIERS", "@im=ibus"},         {"GTK_IM_MODULE", "ibus"},         {"QT_IM_MODULE", "ibus"},
    {"DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nowhere"}};

// The settings that would leave the child's test out, or turn the tests' environment off: a shard that
// holds no test of the one the filter selects, and the tests' mark, left exported (once as a bare value, once
// naming this process with another start time).
std::vector<std::pair<std::string, std::string>> LeavingTheTestOut() {
    return {{"GTEST_TOTAL_SHARDS", "2"}, {"GTEST_SHARD_INDEX", "1"}, {"GTEST_ALSO_RUN_DISABLED_TESTS", "1"}};
}

std::string ThisTest() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string(test->test_suite_name()) + "." + test->name();
}

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

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
        for (const auto& [name, value] : LeavingTheTestOut()) EXPECT_EQ(std::getenv(name.c_str()), nullptr) << name;
        EXPECT_STREQ(std::getenv("KESTRALIS_TEST_TIMEOUT"), kGivenTimeOut) << "the test command's own setting was taken away";
        const char* home = std::getenv("HOME");
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        ASSERT_NE(home, nullptr);
        ASSERT_NE(runtime, nullptr);
        EXPECT_TRUE(EmptyFolder(home)) << home;
        struct stat st{};
        ASSERT_EQ(stat(runtime, &st), 0) << runtime;
        EXPECT_EQ(st.st_mode & 0777, 0700u) << runtime;
        EXPECT_EQ(st.st_uid, getuid()) << runtime;
        // The buses and the input method are sockets nobody listens on, in the program's own runtime folder.
        for (const char* bus : {"DBUS_SESSION_BUS_ADDRESS", "DBUS_SYSTEM_BUS_ADDRESS", "IBUS_ADDRESS"}) {
            const char* address = std::getenv(bus);
            ASSERT_NE(address, nullptr) << bus;
            const std::string path = std::string(address).substr(sizeof "unix:path=" - 1);
            EXPECT_EQ(path.rfind(std::string(runtime) + "/", 0), 0u) << bus << "=" << address;
            EXPECT_FALSE(kt::SomebodyListens(path)) << bus << "=" << address;
        }
        const char* tmp = std::getenv("TMPDIR");
        ASSERT_NE(tmp, nullptr);
        std::ofstream(says) << home << "\n" << runtime << "\n" << tmp << "\n";
        return;
    }
    const std::string own = kt::TempFolder();
    // The user's runtime folder is short enough for a socket's address, whatever TMPDIR is.
    const std::string home = own + "/users-home", runtime = kt::TempRuntimeFolder(), tmp = own + "/users-tmp",
                      says = own + "/says";
    ASSERT_EQ(mkdir(home.c_str(), 0700), 0);
    ASSERT_EQ(mkdir(tmp.c_str(), 0700), 0);
    // The user's session bus and input method, listening in the user's runtime folder.
    const std::string bus = runtime + "/bus", inputMethod = runtime + "/ibus";
    const int listeners[] = {kt::ListenAt(bus), kt::ListenAt(inputMethod)};
    ASSERT_GE(listeners[0], 0) << bus;
    ASSERT_GE(listeners[1], 0) << inputMethod;
    for (const std::string& mark : {std::string("1"), std::to_string(getpid()) + ":1"}) {
        SCOPED_TRACE("the mark left exported: " + mark);
        std::remove(says.c_str());
        // A test program started as ctest starts it, from the user's own environment.
        std::vector<std::pair<std::string, std::string>> env = LeavingTheTestOut();
        for (const auto& [name, value] : kUsersSettings) env.emplace_back(name, value);
        env.insert(env.end(), {{"HOME", home}, {"XDG_RUNTIME_DIR", runtime}, {"TMPDIR", tmp}, {kChildSays, says},
                               {"KESTRALIS_TEST_TIMEOUT", kGivenTimeOut},
                               {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + bus},
                               {"IBUS_ADDRESS", "unix:path=" + inputMethod},
                               {"KESTRALIS_TESTS_OWN_ENVIRONMENT", mark}});
        int out = -1;
        const pid_t pid = kt::StartAfresh(ThisTest(), env, &out);
        ASSERT_GT(pid, 0);
        std::string said;
        EXPECT_TRUE(kt::ReadToEnd(out, 60'000, &said)) << said;
        const int status = kt::EndedChild(pid, 10'000);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << said;

        std::ifstream given(says);
        std::string itsHome, itsRuntime, itsTmp;
        ASSERT_TRUE(std::getline(given, itsHome) && std::getline(given, itsRuntime) && std::getline(given, itsTmp))
            << "the test did not run:\n" << said;
        EXPECT_NE(itsHome, home);
        EXPECT_NE(itsRuntime, runtime);
        EXPECT_EQ(itsTmp.rfind(tmp + "/", 0), 0u) << "the program's temporary folder is not its own below TMPDIR";
        EXPECT_FALSE(std::filesystem::exists(itsHome)) << "the test program's home outlived it";
        EXPECT_FALSE(std::filesystem::exists(itsRuntime)) << "the test program's runtime folder outlived it";
        EXPECT_TRUE(EmptyFolder(home)) << "the user's home was written in";
        EXPECT_TRUE(EmptyFolder(tmp)) << "the user's temporary folder was left with something";
        EXPECT_EQ(Entries(runtime), (std::vector<std::string>{"bus", "ibus"})) << "the user's runtime folder was written in";
    }
    for (const int fd : listeners) {
        EXPECT_EQ(kt::HangUpCalls(fd), 0) << "the user's session bus or input method was called";
        close(fd);
    }
}

// Where the child, started afresh with GoogleTest's settings that change what runs, counts its runs of the test.
constexpr const char* kChildRan = "TEST_ENVIRONMENT_CHILD_RAN";

// GoogleTest's settings set aside are said once, in one line on the error stream, each with its value and the
// flag that does the same (the shards' have none), and the tests the command line selects all run, once.
TEST(TestEnvironment, GoogleTestsSettingsSetAsideAreSaidOnceWithTheFlagsThatDoTheSame) {
    if (const char* ran = std::getenv(kChildRan)) {
        std::ofstream(ran, std::ios::app) << "ran\n";
        return;
    }
    const std::string ran = kt::TempFolder() + "/ran";
    // A repeat and a shard that holds no test would each show in the runs, were they taken.
    const std::vector<std::pair<std::string, std::string>> env = {
        {"GTEST_FILTER", "NoSuchSuite.*"}, {"GTEST_REPEAT", "3"},       {"GTEST_SHUFFLE", "1"},
        {"GTEST_PRINT_TIME", "0"},         {"GTEST_TOTAL_SHARDS", "2"}, {"GTEST_SHARD_INDEX", "1"},
        {kChildRan, ran}};
    int out = -1, err = -1;
    const pid_t pid = kt::StartAfresh(ThisTest(), env, &out, false, &err);
    ASSERT_GT(pid, 0);
    std::string said, errors;
    EXPECT_TRUE(kt::ReadToEnd(out, 60'000, &said)) << said;
    EXPECT_TRUE(kt::ReadToEnd(err, 10'000, &errors)) << errors;
    const int status = kt::EndedChild(pid, 10'000);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << said << errors;

    std::ifstream runs(ran);
    std::vector<std::string> lines;
    for (std::string line; std::getline(runs, line);) lines.push_back(line);
    EXPECT_EQ(lines, std::vector<std::string>{"ran"}) << "the test did not run once:\n" << said << errors;

    const std::string program = std::filesystem::read_symlink("/proc/self/exe").filename().string();
    const std::string line =
        program + ": set aside, as the tests take none of your settings: "
                  "GTEST_FILTER=NoSuchSuite.* (--gtest_filter=NoSuchSuite.* does the same), "
                  "GTEST_REPEAT=3 (--gtest_repeat=3 does the same), GTEST_SHUFFLE=1 (--gtest_shuffle does the same), "
                  "GTEST_PRINT_TIME=0 (--gtest_print_time=0 does the same), "
                  "GTEST_TOTAL_SHARDS=2 (no flag does the same), GTEST_SHARD_INDEX=1 (no flag does the same)\n";
    EXPECT_NE(errors.find(line), std::string::npos) << errors;
    size_t times = 0;
    for (size_t at = errors.find("set aside"); at != std::string::npos; at = errors.find("set aside", at + 1)) ++times;
    EXPECT_EQ(times, 1u) << errors;
    EXPECT_EQ(said.find("set aside"), std::string::npos) << "said on the output, not the error stream:\n" << said;
}

TEST(TestEnvironment, AFilterThatSelectsNoTestFailsTheProgram) {
    int out = -1;
    const pid_t pid = kt::StartAfresh("NoSuchSuite.NoSuchTest", {}, &out);
    ASSERT_GT(pid, 0);
    std::string said;
    EXPECT_TRUE(kt::ReadToEnd(out, 60'000, &said)) << said;
    const int status = kt::EndedChild(pid, 10'000);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status << said;
    EXPECT_NE(said.find("no test ran: the filter 'NoSuchSuite.NoSuchTest' selects none"), std::string::npos) << said;
}

}  // namespace
