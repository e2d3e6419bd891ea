// The environment every test program starts from (environment.cpp): none of the user's settings, and a
// home, a temporary folder, a runtime folder and a sound world of its own.
#pragma once
#include <string>

namespace kt {

// The variable naming a folder whose path is short enough for a runtime folder below it (TempRuntimeFolder):
// the root of the program's own, or a second root in /tmp where that one's path is too long.
inline constexpr const char* kShortFolder = "KESTRALIS_TESTS_SHORT_FOLDER";

// An ALSA configuration in `folder` (the whole of it, for ALSA_CONFIG_PATH) whose only device takes every
// sample and plays none, which SDL's own choice then opens, where the tests' environment has no device at
// all; its path.
std::string NullSoundDeviceConfig(const std::string& folder);

}  // namespace kt
