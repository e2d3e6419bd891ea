// Every test program starts from the same environment, whatever the user who runs it keeps in theirs, and
// keeps out of the user's own folders, sound and desktop session: linked into each test program (and into
// the launcher that runs the test command's scripts), this runs before its main.
// Gone are the game's settings, SDL's, the display's, the locale, the settings of the libraries the game
// draws and sounds with (OpenGL and Mesa's drivers, fontconfig, FreeType, the sound servers and ALSA), the
// session and system bus, the input methods, the user's own folders and GoogleTest's settings that change
// which tests run (the program starts again without them, and says so in one line, naming for each the flag
// that does the same). In their place: SDL's dummy drivers, OpenGL without its shader cache, buses and an
// input method that are nowhere, and a home, a temporary folder, a runtime folder and a sound world of the
// program's own, in a new root that its guard removes however the program ends (run_folders.h); a root a dead
// run left is swept first. What the test command gives stays: the sanitizers' options, the time-out, the X
// tests' servers; a test program started by hand takes the test command's sanitizers' options and time-out
// where they are not set. A test about a setting sets it itself. A test program that a test starts again (or
// a runner its tests) comes with the environment its parent set, and the variables that parent added for it:
// it keeps them, and makes no folders of its own.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "host/instance.h"
#include "support/environment.h"
#include "support/run_folders.h"

extern char** environ;

namespace kt {

std::string NullSoundDeviceConfig(const std::string& folder) {
    const std::string path = folder + "/alsa-null.conf";
    std::ofstream(path) << "pcm.!default {\n    type null\n}\n";
    return path;
}

namespace {

// Set once the environment is the tests' own, for the test programs started from it: the pid and the start
// time of the process that set it, so that a value left exported elsewhere turns nothing off.
constexpr const char* kSetMark = "KESTRALIS_TESTS_OWN_ENVIRONMENT";

// Field `field` (counted from 1, as proc(5) does; 3 and on) of /proc/PID/stat; empty for a process gone.
std::string StatField(pid_t pid, int field) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const size_t close = line.rfind(')');
    if (close == std::string::npos) return {};
    std::istringstream rest(line.substr(close + 1));
    std::string value;
    for (int at = 3; at <= field && rest >> value; ++at)
        if (at == field) return value;
    return {};
}

// The mark naming this process: its pid and start time.
std::string MarkOf(pid_t pid) { return std::to_string(pid) + ":" + StatField(pid, 22); }

// Whether the mark names a process this one descends from (its parent, or further up): one that set the
// tests' environment and started this program from it, and still runs.
bool SetByAnAncestor() {
    const char* mark = std::getenv(kSetMark);
    if (!mark) return false;
    pid_t pid = getppid();
    for (int up = 0; up < 64 && pid > 1; ++up) {
        if (MarkOf(pid) == mark) return true;
        pid = static_cast<pid_t>(std::atol(StatField(pid, 4).c_str()));
    }
    return false;
}

// Whether `name` is one of GoogleTest's variables that the tests set aside: every GTEST_ one but where the
// report goes (GTEST_OUTPUT) and its colours (GTEST_COLOR), and Bazel's TESTBRIDGE_ ones. Those that change
// which tests run or how (a filter, sharding, repeats, the order, a stop at the first failure, disabled
// tests) go, and so do those that change only what is said of them (GTEST_PRINT_TIME, GTEST_BRIEF).
bool SetAside(const std::string& name) {
    if (name.rfind("TESTBRIDGE_", 0) == 0) return true;  // GoogleTest reads a filter and more from these too
    return name.rfind("GTEST_", 0) == 0 && name != "GTEST_OUTPUT" && name != "GTEST_COLOR";
}

// The command-line flag that does what GoogleTest's variable `name` set to `value` does; empty where none
// does (the shards' variables, and any GoogleTest does not read).
std::string FlagDoingTheSame(const std::string& name, const std::string& value) {
    // GoogleTest's flags that it also reads from a variable GTEST_<FLAG>: those that are on or off (a
    // variable turns one off only as "0"), then those that take a value.
    static const char* const kOnOrOff[] = {
        "also_run_disabled_tests", "brief", "break_on_failure", "catch_exceptions", "death_test_use_fork", "fail_fast",
        "install_failure_signal_handler", "print_time", "print_utf8", "recreate_environments_when_repeating",
        "shuffle", "throw_on_failure"};
    static const char* const kTakingAValue[] = {"death_test_style", "filter", "flagfile", "random_seed", "repeat",
                                                "stack_trace_depth", "stream_result_to"};
    const auto variableOf = [](std::string flag) {
        for (char& c : flag) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return "GTEST_" + flag;
    };
    // Bazel's test runner hands its filter and its stop at the first failure over in variables of its own.
    if (name == "TESTBRIDGE_TEST_ONLY") return "--gtest_filter=" + value;
    if (name == "TESTBRIDGE_TEST_RUNNER_FAIL_FAST") return value == "1" ? "--gtest_fail_fast" : "--gtest_fail_fast=0";
    for (const char* flag : kOnOrOff)
        if (name == variableOf(flag)) return "--gtest_" + std::string(flag) + (value == "0" ? "=0" : "");
    for (const char* flag : kTakingAValue)
        if (name == variableOf(flag)) return "--gtest_" + std::string(flag) + "=" + value;
    return {};
}

// `text` with its control characters written as escapes, so that it stays on its line.
std::string OnOneLine(const std::string& text) {
    std::string line;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) {
            line += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned>(static_cast<unsigned char>(c)));
            line += escape;
        }
    }
    return line;
}

// Says on the error stream, in one line, that GoogleTest's variables `setAside` (each NAME=VALUE) are set
// aside, each with the command-line flag that does the same.
void SaySetAside(const std::vector<std::string>& setAside) {
    std::error_code ec;
    const std::string program = std::filesystem::read_symlink("/proc/self/exe", ec).filename().string();
    std::string line = (program.empty() ? std::string("the test program") : program) +
                       ": set aside, as the tests take none of your settings:";
    const char* between = " ";
    for (const std::string& variable : setAside) {
        const size_t eq = variable.find('=');
        const std::string flag = FlagDoingTheSame(variable.substr(0, eq), variable.substr(eq + 1));
        line += between + OnOneLine(variable) + " (" + (flag.empty() ? "no flag" : OnOneLine(flag)) + " does the same)";
        between = ", ";
    }
    std::fprintf(stderr, "%s\n", line.c_str());
}

// The variables the test command gives each test of this program (NAME=VALUE, joined by '|': the
// sanitizers' options, with the leak check's list of third-party leaks, and the time-out), from the build;
// none for the launcher, which the test command starts without them.
#ifdef KESTRALIS_TEST_COMMAND_VARIABLES
constexpr const char* kTestCommandsVariables = KESTRALIS_TEST_COMMAND_VARIABLES;
#else
constexpr const char* kTestCommandsVariables = "";
#endif

// Sets those of the test command's variables that are not set (in a program started by hand); whether
// there were any.
bool GiveTheTestCommandsVariables() {
    bool given = false;
    const std::string all = kTestCommandsVariables;
    for (size_t at = 0; at < all.size();) {
        const size_t end = std::min(all.find('|', at), all.size());
        const std::string variable = all.substr(at, end - at);
        const size_t eq = variable.find('=');
        if (eq != std::string::npos && !std::getenv(variable.substr(0, eq).c_str())) {
            setenv(variable.substr(0, eq).c_str(), variable.substr(eq + 1).c_str(), 1);
            given = true;
        }
        at = end + 1;
    }
    return given;
}

// The program starts again, as it was started, in the environment the test command gives it: GoogleTest
// reads its variables before this runs (its own static set-up comes first), and the sanitizers theirs as
// the program starts. Where any that SetAside names is set (every GTEST_ one but GTEST_OUTPUT and
// GTEST_COLOR, and the TESTBRIDGE_ ones), it starts without them and says so; where one of the test
// command's variables is missing (a program started by hand), with it.
void StartAgainAsTheTestCommandStartsIt() {
    std::vector<std::string> setAside;
    for (char** e = environ; *e; ++e) {
        const char* eq = std::strchr(*e, '=');
        if (eq && SetAside(std::string(*e, static_cast<size_t>(eq - *e)))) setAside.emplace_back(*e);
    }
    const bool given = GiveTheTestCommandsVariables();
    if (setAside.empty() && !given) return;
    for (const std::string& variable : setAside) unsetenv(variable.substr(0, variable.find('=')).c_str());
    if (!setAside.empty()) SaySetAside(setAside);
    std::ifstream cmdline("/proc/self/cmdline", std::ios::binary);
    std::vector<std::string> args;
    for (std::string arg; std::getline(cmdline, arg, '\0');) args.push_back(arg);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::fflush(nullptr);
    execv("/proc/self/exe", argv.data());
    throw std::runtime_error(std::string("cannot start again in the test command's environment: ") + std::strerror(errno));
}

// Whether the variable `name` is one of the user's that the tests go without: one that changes what the
// game, SDL or the libraries they use do, or that names the user's own folders, display, sound, session
// bus or input method.
bool TakenFromTheUser(const std::string& name) {
    static const char* const kGiven[] = {"KESTRALIS_TEST_TIMEOUT", "KESTRALIS_XSERVER_DIR"};
    static const char* const kPrefixes[] = {
        "KESTRALIS_", "SDL_",                                         // the game's settings and SDL's
        "LIBGL_", "MESA_", "GALLIUM_", "__GLX_", "__GL_", "LP_",      // OpenGL's, Mesa's drivers' and
        "GALLIVM_", "NIR_", "EGL_", "__EGL_", "DRI_", "SOFTPIPE_",    // their compilers'
        "ZINK_", "VK_",                                               //
        "FONTCONFIG_", "FC_", "FREETYPE_",                            // the fonts'
        "PULSE_", "PIPEWIRE_", "ALSA_", "JACK_",                      // the sound servers' and ALSA's
        "DBUS_", "IBUS_", "XIM", "FCITX_",                            // the session bus, the input methods
        "XDG_", "LC_"};                                               // the user's folders, and the locale
    static const char* const kNames[] = {
        "DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "XAUTHORITY", "AUDIODEV", "AUDIODEVICE", "HOME", "LANG",
        "LANGUAGE", "TMPDIR", "vblank_mode", "mesa_glthread", "XMODIFIERS", "GTK_IM_MODULE", "QT_IM_MODULE",
        "QT4_IM_MODULE", "CLUTTER_IM_MODULE", "GLFW_IM_MODULE", "SESSION_MANAGER", "XCOMPOSEFILE"};
    for (const char* given : kGiven)
        if (name == given) return false;
    for (const char* prefix : kPrefixes)
        if (name.rfind(prefix, 0) == 0) return true;
    for (const char* n : kNames)
        if (name == n) return true;
    return false;
}

// An ALSA configuration in `folder` (the whole of it, for ALSA_CONFIG_PATH) with no device at all; its path.
std::string NoSoundDeviceConfig(const std::string& folder) {
    const std::string path = folder + "/alsa-none.conf";
    std::ofstream(path) << "# no device at all\n";
    return path;
}

// A new folder `path`; throws, saying why, where it cannot be made.
void NewFolderAt(const std::string& path) {
    if (mkdir(path.c_str(), 0700) != 0) throw std::runtime_error("cannot make " + path + ": " + std::strerror(errno));
}

// The roots made so far, removed by hand where the set-up fails before its guard runs.
std::vector<std::string> g_roots;

// The signals that end a program from a terminal or with its process group. They are held back from just
// before the roots are made until their guard runs: one that came in between would end the program with
// its roots made and nobody to remove them (a later start sweeps them only once they are a minute old).
// Let through once the guard runs, a signal held back meanwhile ends the program, and the guard removes
// the roots. A kill outright cannot be held back; that one is left to the sweep.
class EndingSignalsHeldBack {
  public:
    EndingSignalsHeldBack() {
        sigset_t ending;
        sigemptyset(&ending);
        for (const int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&ending, sig);
        sigprocmask(SIG_BLOCK, &ending, &before_);
    }
    void LetThrough() { sigprocmask(SIG_SETMASK, &before_, nullptr); }

  private:
    sigset_t before_;
};

// For the test of the above: a folder where the program, its roots made and its ending signals held back,
// writes its home to "held" and waits for "go" to be there (10 s at most) before it starts the guard.
constexpr const char* kHoldBeforeGuard = "KESTRALIS_TEST_HOLD_BEFORE_GUARD";

void HoldBeforeGuard(const std::string& folder, const std::string& home) {
    std::ofstream(folder + "/held.part") << home << "\n";
    std::rename((folder + "/held.part").c_str(), (folder + "/held").c_str());
    for (int waited = 0; waited < 1000 && access((folder + "/go").c_str(), F_OK) != 0; ++waited) usleep(10'000);
}

void SetTestEnvironment() {
    if (SetByAnAncestor()) return;
    StartAgainAsTheTestCommandStartsIt();
    const char* hold = std::getenv(kHoldBeforeGuard);
    const std::string holdFolder = hold ? hold : "";
    const char* given = std::getenv("TMPDIR");
    const std::string tmp = given && *given ? std::filesystem::absolute(given).lexically_normal().string() : "/tmp";
    std::vector<std::string> names;
    for (char** e = environ; *e; ++e) {
        const char* eq = std::strchr(*e, '=');
        const std::string name = eq ? std::string(*e, static_cast<size_t>(eq - *e)) : std::string(*e);
        if (TakenFromTheUser(name)) names.push_back(name);
    }
    for (const std::string& name : names) unsetenv(name.c_str());

    // What a dead run left, before anything of this one is made.
    run_folders::SweepDeadRuns(tmp);
    if (tmp != "/tmp") run_folders::SweepDeadRuns("/tmp");
    // The program's root, in the temporary folder. It is made now rather than at its first use: libraries
    // write into the home at moments of their own (fontconfig makes its cache folder, with all the
    // folders above it, whenever it writes a cache), and a home made later could be written before it.
    EndingSignalsHeldBack held;
    std::vector<int> locks(1);
    std::string root;
    try {
        root = run_folders::MakeRoot(tmp, &locks[0]);
    } catch (const std::exception& e) {
        throw std::runtime_error("no temporary folder for the tests (TMPDIR=" + std::string(given ? given : "") +
                                 "): " + e.what() + "; point TMPDIR at a folder where one can be made");
    }
    g_roots.push_back(root);
    // Runtime folders, this program's and those its tests make, need a path short enough for the lock's
    // socket: below the root where it leaves room for them, else below a second root in /tmp.
    std::string shortRoot = root;
    if (root.size() + sizeof "/kestralis-test-XXXXXX" - 1 > host::kLongestRuntimeFolder) {
        locks.push_back(-1);
        shortRoot = run_folders::MakeRoot("/tmp", &locks[1]);
        g_roots.push_back(shortRoot);
    }
    const std::string home = root + "/home", tmpdir = root + "/tmp", runtime = shortRoot + "/run";
    NewFolderAt(home);
    NewFolderAt(tmpdir);
    NewFolderAt(runtime);
    if (!holdFolder.empty()) HoldBeforeGuard(holdFolder, home);
    std::string why;
    if (!run_folders::StartGuard(g_roots, locks, &why)) throw std::runtime_error(why);
    held.LetThrough();

    setenv("HOME", home.c_str(), 1);
    setenv("TMPDIR", tmpdir.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv(kShortFolder, shortRoot.c_str(), 1);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // A test that lets SDL choose or names a real driver finds no sound server, and no device: neither a
    // sound server's nor ALSA's nor OSS's (SDL opens AUDIODEV by that name on ALSA too: a test that gives
    // ALSA a device of its own clears it).
    setenv("PULSE_SERVER", ("unix:" + runtime + "/no-sound-server").c_str(), 1);
    setenv("ALSA_CONFIG_PATH", NoSoundDeviceConfig(root).c_str(), 1);
    setenv("AUDIODEV", (root + "/no-sound-device").c_str(), 1);
    // No session or system bus, and no input method: SDL reaches the desktop's screen saver (to hold it
    // off), its input method (which may take the keys an X test presses) and the system's thread priorities
    // over these buses. Where no address is set, the bus library looks in the runtime folder and may start
    // a bus of its own on the X display: the addresses name sockets nobody listens on instead.
    setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + runtime + "/no-session-bus").c_str(), 1);
    setenv("DBUS_SYSTEM_BUS_ADDRESS", ("unix:path=" + runtime + "/no-system-bus").c_str(), 1);
    setenv("IBUS_ADDRESS", ("unix:path=" + runtime + "/no-input-method").c_str(), 1);
    // OpenGL on the processor keeps the shaders it compiles in a cache below the home, which is new and
    // empty for every test program: each would write its shaders there from a thread of the cache's own,
    // still winding down as the program ends, where the leak check's stop of every thread (2 of 15 runs of
    // the OpenGL tests on a loaded machine) crashed on it.
    setenv("MESA_SHADER_CACHE_DISABLE", "true", 1);
    setenv(kSetMark, MarkOf(getpid()).c_str(), 1);
}

const bool g_set = [] {
    try {
        SetTestEnvironment();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "the tests' own environment cannot be set up: %s\n", e.what());
        for (const std::string& root : g_roots) run_folders::RemoveTree(root);
        std::_Exit(1);
    }
    return true;
}();

}  // namespace
}  // namespace kt
