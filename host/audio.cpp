#include "host/audio.h"

#include "host/beep.h"
#include "host/mci.h"
#include "host/midisynth.h"
#include "host/mixer.h"

namespace host {

void ShutdownAudio() {
    mixer::CloseDevice();  // first: nothing below may be read by a mix that is still running
    MciCloseAll();
    midisynth::Stop();
    ReleaseBeep();
}

}  // namespace host
