// The environment every test program starts from (environment.cpp): none of the user's settings, and a
// home, a runtime folder and a sound world of its own.
#pragma once
#include <string>

namespace kt {

// An ALSA configuration in `folder` (the whole of it, for ALSA_CONFIG_PATH) whose only device takes every
// sample and plays none, which SDL's own choice then opens, where the tests' environment has no device at
// all; its path.
std::string NullSoundDeviceConfig(const std::string& folder);

}  // namespace kt
