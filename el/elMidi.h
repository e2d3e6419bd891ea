// elMidi: one MIDI file at a time through the sequencer, looped on request.
#pragma once
#include "host/types.h"

extern i32 midiOpen;  // 1 while a file is open under the alias "midi"
extern i32 midiLoop;  // 1 when a finished file starts again

namespace elMidi {
u32 Init();
void Play(const char* fileName, i32 loop);
void Stop();
void OnNotify();
void Close();
void ClearLoop();
}  // namespace elMidi
