// The General MIDI soundfont the music tests play through: the project's set-up installs it, so a test
// that finds none fails, saying so.
#pragma once

namespace kt {

inline constexpr const char* kNoSoundfont =
    "no General MIDI soundfont: the set-up installs one (Debian's timgm6mb-soundfont, see build.sh)";

}  // namespace kt
