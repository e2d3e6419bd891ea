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
};

// A child with `driver` as its audio driver asks for the device three ways and ends. It says 2 when a
// device opened after all.
ChildRun AskForTheDevice(const char* driver) {
    char path[] = "/tmp/kestralis-audio-missing-XXXXXX";
    const int fd = mkstemp(path);
    ChildRun r;
    if (fd < 0) return r;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fd, STDERR_FILENO);
        setenv("SDL_AUDIODRIVER", driver, 1);
        const bool first = host::mixer::AcquireDevice();
        const bool second = host::mixer::AcquireDevice();
        host::Beep();
        std::fflush(stderr);
        _exit(first || second ? 2 : 0);
    }
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
// if none were named: whatever the machine has, or none. A list naming one, in any case, is taken.
TEST(AudioMissing, ADriverSdlDoesNotHaveIsSaidOnceAndTheDeviceIsChosenWithoutIt) {
    std::string names;
    for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i) names += (i ? ", " : "") + std::string(SDL_GetAudioDriver(i));
    const std::string line =
        "SDL_AUDIODRIVER=\"nonexistent\" is not understood: it takes one of " + names + "; choosing the sound device by itself\n";
    const ChildRun unknown = AskForTheDevice("nonexistent");
    ASSERT_TRUE(WIFEXITED(unknown.status));
    if (WEXITSTATUS(unknown.status) == 2) EXPECT_EQ(unknown.errors, line);
    else EXPECT_EQ(unknown.errors, line + "no sound device: playing without sound\n");

    const ChildRun listed = AskForTheDevice("nonexistent,DUMMY");
    ASSERT_TRUE(WIFEXITED(listed.status));
    EXPECT_EQ(WEXITSTATUS(listed.status), 2) << "SDL's dummy device did not open";
    EXPECT_EQ(listed.errors, "");
}

}  // namespace
