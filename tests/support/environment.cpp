// Every test program starts from the same environment, whatever the user who runs it keeps in theirs, and
// keeps out of the user's own folders and sound: linked into each test program, this runs before its main.
// Gone are the game's settings, SDL's, the display's, the locale, the settings of the libraries the game
// draws and sounds with (OpenGL, fontconfig, FreeType, the sound servers and ALSA), and the user's own
// folders. In their place: SDL's dummy drivers, OpenGL without its shader cache, and a home, a runtime
// folder and a sound world of the program's own, in new folders removed when it exits. What the test
// command gives stays: the sanitizers' options, the time-out, the X tests' servers. A test about a setting
// sets it itself. A test program that a test starts again (or a runner its tests) comes with the
// environment its parent set, and the variables that parent added for it: it keeps them.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/environment.h"
#include "support/temp_folder.h"

extern char** environ;

namespace kt {

std::string NullSoundDeviceConfig(const std::string& folder) {
    const std::string path = folder + "/alsa-null.conf";
    std::ofstream(path) << "pcm.!default {\n    type null\n}\n";
    return path;
}

namespace {

// Set once the environment is the tests' own, for the test programs started from it.
constexpr const char* kSetMark = "KESTRALIS_TESTS_OWN_ENVIRONMENT";

// Whether the variable `name` is one of the user's that the tests go without: one that changes what the
// game, SDL or the libraries they use do, or that names the user's own folders, display or sound.
bool TakenFromTheUser(const std::string& name) {
    static const char* const kGiven[] = {"KESTRALIS_TEST_TIMEOUT", "KESTRALIS_XSERVER_DIR", kSetMark};
    static const char* const kPrefixes[] = {
        "KESTRALIS_", "SDL_",                               // the game's settings and SDL's
        "LIBGL_", "MESA_", "GALLIUM_", "__GLX_", "__GL_",   // OpenGL's
        "FONTCONFIG_", "FC_", "FREETYPE_",                  // the fonts'
        "PULSE_", "PIPEWIRE_", "ALSA_", "JACK_",            // the sound servers' and ALSA's
        "XDG_", "LC_"};                                     // the user's folders, and the locale
    static const char* const kNames[] = {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "XAUTHORITY", "AUDIODEV",
                                         "AUDIODEVICE", "HOME", "LANG", "LANGUAGE"};
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

void SetTestEnvironment() {
    if (std::getenv(kSetMark)) return;
    std::vector<std::string> names;
    for (char** e = environ; *e; ++e) {
        const char* eq = std::strchr(*e, '=');
        const std::string name = eq ? std::string(*e, static_cast<size_t>(eq - *e)) : std::string(*e);
        if (TakenFromTheUser(name)) names.push_back(name);
    }
    for (const std::string& name : names) unsetenv(name.c_str());

    const std::string own = TempFolder(), runtime = TempRuntimeFolder();
    const std::string home = own + "/home";
    if (mkdir(home.c_str(), 0700) != 0) throw std::runtime_error("no home for the tests in " + own);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // A test that lets SDL choose or names a real driver finds no sound server, and no device: neither a
    // sound server's nor ALSA's nor OSS's (SDL opens AUDIODEV by that name on ALSA too: a test that gives
    // ALSA a device of its own clears it).
    setenv("PULSE_SERVER", ("unix:" + runtime + "/no-sound-server").c_str(), 1);
    setenv("ALSA_CONFIG_PATH", NoSoundDeviceConfig(own).c_str(), 1);
    setenv("AUDIODEV", (own + "/no-sound-device").c_str(), 1);
    // OpenGL on the processor keeps the shaders it compiles in a cache below the home, which is new and
    // empty for every test program: each would write its shaders there from a thread of the cache's own,
    // still winding down as the program ends, where the leak check's stop of every thread (2 of 15 runs of
    // the OpenGL tests on a loaded machine) crashed on it.
    setenv("MESA_SHADER_CACHE_DISABLE", "true", 1);
    setenv(kSetMark, "1", 1);
}

const bool g_set = [] {
    try {
        SetTestEnvironment();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "the tests' own environment cannot be set up: %s\n", e.what());
        std::_Exit(1);
    }
    return true;
}();

}  // namespace
}  // namespace kt
