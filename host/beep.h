// The system's own sounds: the simple beep and a WAVE file played to its end.
#pragma once
#include "host/types.h"

namespace host {

// A short generated tone (about 0.12 s). Silent without an audio device.
void Beep();
// Frees the beep's buffer and gives back its hold on the audio device.
void ReleaseBeep();
// Plays a PCM WAVE file (8 or 16 bits, mono or stereo) through the mixer and returns when it has ended.
// False when the file cannot be read or played or there is no audio device.
bool PlayWaveFileSync(const char* path);

}  // namespace host
