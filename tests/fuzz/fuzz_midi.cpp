// Standard MIDI Files at the mixer's rate.
#include <cstddef>
#include <cstdint>

#include "host/midisynth.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    host::midi::Song song;
    if (host::midi::ParseSmf(data, size, 44100, &song)) {
        // Events come in time order and none lies past the song's end.
        u64 last = 0;
        for (const host::midi::Event& e : song.events) {
            if (e.frame < last || e.frame > song.lengthFrames) __builtin_trap();
            last = e.frame;
        }
    }
    return 0;
}
