// The end of all sound at shutdown.
#pragma once

namespace host {

// Closes the audio device whoever still holds it (the error box's beep keeps its hold for the whole run),
// so that the audio thread has stopped before the sequencer, the synthesiser and the beep are freed; then
// frees those. Sound may start again afterwards: the next hold reopens the device.
void ShutdownAudio();

}  // namespace host
