// Settings the program reads from its environment on the real backend: a value it does not understand is
// said once, in one line naming the values it takes, and the program goes on as if the variable were unset.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "host/backend.h"
#include "host/report.h"
#include "program_copy.h"

namespace {

using kt::ProgramCopy;

// The names of the drivers SDL was built with, as the line that refuses a driver lists them.
std::string VideoDrivers() {
    std::string names;
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) names += (i ? ", " : "") + std::string(SDL_GetVideoDriver(i));
    return names;
}

size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(Settings, APresentWayNotUnderstoodIsSaidAndTheWayIsChosen) {
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    ASSERT_TRUE(driver && std::string(driver) == "dummy") << "runs on SDL's dummy display (ctest names it)";
    const struct {
        const char* value;
        std::vector<std::string> said;
    } cases[] = {
        {"bogus",
         {"KESTRALIS_PRESENT=\"bogus\" is not understood: it takes opengl or surface; choosing the way to show the "
          "picture by itself"}},
        {"Surface", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        setenv("KESTRALIS_PRESENT", c.value, 1);
        host::ClearFileReports();
        ASSERT_TRUE(host::backend::OpenWindow("settings", 800, 600, false));
        EXPECT_EQ(host::FileReports(), c.said);
        host::backend::CloseWindow();
    }
    unsetenv("KESTRALIS_PRESENT");
}

// The real program: each setting it does not understand is said once where it is read, and the start goes
// on as without it (here to the end a start without a display or without its pictures comes to); values it
// understands, in any case, are said nothing of.
TEST(Settings, TheProgramSaysEachSettingItDoesNotUnderstandOnceAndGoesOnWithout) {
    const ProgramCopy run({"SOUND", "MIDI"});
    const ProgramCopy::Env unclear{{"DISPLAY", nullptr},
                                   {"WAYLAND_DISPLAY", nullptr},
                                   {"XDG_RUNTIME_DIR", "relative"},
                                   {"KESTRALIS_WINDOWED", "maybe"}};
    EXPECT_EQ(ProgramCopy::Wait(run.Start("nonexistent", "unclear", unclear), 10'000), 1);
    EXPECT_EQ(run.Said("unclear"),
              "XDG_RUNTIME_DIR=\"relative\" is not understood: it takes the whole path of a folder that only this user "
              "can enter, 75 characters at most; keeping the one-copy lock outside it\n"
              "KESTRALIS_WINDOWED=\"maybe\" is not understood: it takes a whole number of digits alone (0 for the "
              "full screen, any other for a window), yes/no, true/false or on/off; playing full screen\n"
              "SDL_VIDEODRIVER=\"nonexistent\" is not understood: it takes one of " +
                  VideoDrivers() +
                  "; choosing the display by itself\n"
                  "no display: DISPLAY and WAYLAND_DISPLAY are not set; start the game from a desktop session, or set "
                  "DISPLAY to a running X server\n");

    EXPECT_EQ(ProgramCopy::Wait(run.Start("dummy", "present", {{"KESTRALIS_PRESENT", "bogus"}})), 1);
    const std::string present = run.Said("present");
    EXPECT_EQ(Count(present, "is not understood"), 1u) << present;
    EXPECT_EQ(Count(present, "KESTRALIS_PRESENT=\"bogus\" is not understood"), 1u) << present;
    EXPECT_EQ(Count(present, "data folder IMAGE/: not found"), 1u) << present;

    const ProgramCopy::Env clear{{"KESTRALIS_WINDOWED", "Yes"}, {"KESTRALIS_PRESENT", "SURFACE"}};
    EXPECT_EQ(ProgramCopy::Wait(run.Start("dummy", "clear", clear)), 1);
    const std::string understood = run.Said("clear");
    EXPECT_EQ(Count(understood, "is not understood"), 0u) << understood;
    EXPECT_EQ(Count(understood, "data folder IMAGE/: not found"), 1u) << understood;

    // A list with one driver SDL has is SDL's to try: what it says of the one it tried is the reason.
    const ProgramCopy::Env noDisplay{{"DISPLAY", nullptr}, {"WAYLAND_DISPLAY", nullptr}};
    EXPECT_EQ(ProgramCopy::Wait(run.Start("nonexistent,X11", "list", noDisplay), 10'000), 1);
    const std::string list = run.Said("list");
    EXPECT_EQ(Count(list, "is not understood"), 0u) << list;
    EXPECT_EQ(list.rfind("no display: ", 0), 0u) << list;
}

}  // namespace
