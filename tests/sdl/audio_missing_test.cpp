// No sound device through the real backend: whatever the audio libraries have to say about it, the user
// reads one line, and every later ask for the device stays quiet.
#include <SDL.h>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "host/beep.h"
#include "host/mixer.h"
#include "support/environment.h"
#include "support/temp_folder.h"

namespace {

struct ChildRun {
    int status = 0;
    std::string errors;  // what the child wrote to its error stream
    std::string driver;  // the audio driver SDL took, empty when it took none
};

// A child with `driver` as its audio driver (null: none named) asks for the device three ways and ends. It
// says 2 when a device opened after all. ALSA's devices are those `alsaConfig` names, where given; else, as
// the sound servers and OSS, the test environment's: none.
ChildRun AskForTheDevice(const char* driver, const std::string& alsaConfig = "") {
    const std::string path = kt::TempFolder() + "/errors";
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
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
        if (!alsaConfig.empty()) {
            setenv("ALSA_CONFIG_PATH", alsaConfig.c_str(), 1);
            unsetenv("AUDIODEV");  // which SDL would open instead of ALSA's default device
        }
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
    return r;
}

TEST(AudioMissing, OneEnglishLineInsteadOfTheAudioLibrariesOwn) {
    // OSS, whose device Linux no longer has, and ALSA, which without a device writes lines of its own on
    // every try.
    for (const char* driver : {"dsp", "alsa"}) {
        SCOPED_TRACE(driver);
        const ChildRun r = AskForTheDevice(driver);
        ASSERT_TRUE(WIFEXITED(r.status));
        EXPECT_EQ(WEXITSTATUS(r.status), 0) << "a device opened";
        EXPECT_EQ(r.errors, "no sound device: playing without sound\n");
    }
}

// SDL_AUDIODRIVER naming no driver SDL has is said once, with the names it has, and the device is chosen as
// if none were named: SDL takes the driver it takes without the variable, and opens the device that finds
// (ALSA's, here one that plays nothing, as no sound server answers: a value that was kept, and that SDL
// then looks for, would find none). A list naming one, in any case, is taken.
TEST(AudioMissing, ADriverSdlDoesNotHaveIsSaidOnceAndTheDeviceIsChosenWithoutIt) {
    std::string names;
    for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i) names += (i ? ", " : "") + std::string(SDL_GetAudioDriver(i));
    const std::string line =
        "SDL_AUDIODRIVER=\"nonexistent\" is not understood: it takes one of " + names + "; choosing the sound device by itself\n";
    const std::string null = kt::NullSoundDeviceConfig(kt::TempFolder());
    const ChildRun unset = AskForTheDevice(nullptr, null);
    ASSERT_TRUE(WIFEXITED(unset.status));
    ASSERT_EQ(unset.driver, "alsa") << unset.errors;
    ASSERT_EQ(WEXITSTATUS(unset.status), 2) << "the device that plays nothing did not open: " << unset.errors;
    const ChildRun unknown = AskForTheDevice("nonexistent", null);
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
