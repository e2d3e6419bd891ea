// The environment every test program starts from (environment.cpp): none of the user's settings, and a
// home, a runtime folder and a sound world of its own.
#pragma once
#include <string>

namespace kt {

// Whether the variable `name` is one of the user's that the tests go without: one that changes what the
// game, SDL or the libraries they use do, or that names the user's own folders, display or sound.
bool TakenFromTheUser(const std::string& name);

// An ALSA configuration in `folder` (the whole of it, for ALSA_CONFIG_PATH) with no device at all, as the
// tests' environment gives; its path.
std::string NoSoundDeviceConfig(const std::string& folder);
// One whose only device takes every sample and plays none, which SDL's own choice then opens; its path.
std::string NullSoundDeviceConfig(const std::string& folder);

}  // namespace kt
