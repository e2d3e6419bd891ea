// No sound device through the real backend: whatever the audio libraries have to say about it, the user
// reads one line, and every later ask for the device stays quiet.
#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "host/beep.h"
#include "host/mixer.h"

namespace {

struct ChildRun {
    int status = 0;
    std::string errors;  // what the child wrote to its error stream
    std::string driver;  // the audio driver SDL took, empty when it took none
};

// A child with `driver` as its audio driver (null: none named) asks for the device three ways and ends. It
// says 2 when a device opened after all.
ChildRun AskForTheDevice(const char* driver) {
    char path[] = "/tmp/kestralis-audio-missing-XXXXXX";
    const int fd = mkstemp(path);
    ChildRun r;
    int took[2];
    if (fd < 0 || pipe(took) != 0) {
        ADD_FAILURE() << "no file or pipe for the child";
        return r;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fd, STDERR_FILENO);
        if (driver) setenv("SDL_AUDIODRIVER", driver, 1);
        else unsetenv("SDL_AUDIODRIVER");
        const bool first = host::mixer::AcquireDevice();
        const bool second = host::mixer::AcquireDevice();
        host::Beep();
        std::fflush(stderr);
        const char* current = SDL_GetCurrentAudioDriver();
        const std::string name = current ? current : "";
        if (write(took[1], name.data(), name.size()) != static_cast<ssize_t>(name.size())) _exit(3);
        _exit(first || second ? 2 : 0);
    }
    close(took[1]);
    char buf[64];
    for (ssize_t n; (n = read(took[0], buf, sizeof buf)) > 0;) r.driver.append(buf, static_cast<size_t>(n));
    close(took[0]);
    waitpid(pid, &r.status, 0);
    close(fd);
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    r.errors = text.str();
    unlink(path);
    return r;
}

TEST(AudioMissing, OneEnglishLineInsteadOfTheAudioLibrariesOwn) {
    // OSS, whose device Linux no longer has, and ALSA, which on a machine without a sound card writes lines
    // of its own on every try.
    int tried = 0;
    for (const char* driver : {"dsp", "alsa"}) {
        SCOPED_TRACE(driver);
        const ChildRun r = AskForTheDevice(driver);
        ASSERT_TRUE(WIFEXITED(r.status));
        if (WEXITSTATUS(r.status) == 2) continue;  // this machine has a device there
        ASSERT_EQ(WEXITSTATUS(r.status), 0);
        EXPECT_EQ(r.errors, "no sound device: playing without sound\n");
        ++tried;
    }
    EXPECT_GT(tried, 0);
}

// SDL_AUDIODRIVER naming no driver SDL has is said once, with the names it has, and the device is chosen as
// if none were named: SDL takes the driver it takes without the variable, and opens whatever device that
// finds, or none (with or without a sound device, SDL starts a driver of its own here, so a value that was
// kept, and that SDL then looks for, shows). A list naming one, in any case, is taken.
TEST(AudioMissing, ADriverSdlDoesNotHaveIsSaidOnceAndTheDeviceIsChosenWithoutIt) {
    std::string names;
    for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i) names += (i ? ", " : "") + std::string(SDL_GetAudioDriver(i));
    const std::string line =
        "SDL_AUDIODRIVER=\"nonexistent\" is not understood: it takes one of " + names + "; choosing the sound device by itself\n";
    const ChildRun unset = AskForTheDevice(nullptr);
    ASSERT_TRUE(WIFEXITED(unset.status));
    ASSERT_FALSE(unset.driver.empty()) << "SDL starts no driver by itself here: " << unset.errors;
    const ChildRun unknown = AskForTheDevice("nonexistent");
    ASSERT_TRUE(WIFEXITED(unknown.status));
    EXPECT_EQ(unknown.driver, unset.driver) << "SDL did not choose as without the variable";
    EXPECT_EQ(WEXITSTATUS(unknown.status), WEXITSTATUS(unset.status));
    EXPECT_EQ(unknown.errors, line + unset.errors);

    const ChildRun listed = AskForTheDevice("nonexistent,DUMMY");
    ASSERT_TRUE(WIFEXITED(listed.status));
    EXPECT_EQ(WEXITSTATUS(listed.status), 2) << "SDL's dummy device did not open";
    EXPECT_EQ(listed.errors, "");
}

}  // namespace
