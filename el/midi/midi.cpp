// Music: one MIDI file at a time under the alias "midi", looped when its end is reported.
#include <cstdio>

#include "el/elMidi.h"
#include "el/elSystem.h"
#include "host/mci.h"

i32 midiOpen = 0;
i32 midiLoop = 1;

namespace {
void Send(const char* command) { host::MciSendString(command, nullptr, 0, MainWindow); }
}  // namespace

namespace elMidi {

u32 Init() {
    midiOpen = 0;
    midiLoop = 1;
    return 1;
}

void Play(const char* fileName, i32 loop) {
    char command[256];
    const int n = std::snprintf(command, sizeof command, "open \"%s%s\" type sequencer alias midi",
                                elSystem::GetModuleDir(0), fileName ? fileName : "");
    if (midiOpen) Stop();
    // A command that does not fit is not sent: nothing plays, as when the file is missing.
    if (n > 0 && static_cast<size_t>(n) < sizeof command) {
        Send(command);
        Send("seek midi to start");
        Send("play midi notify");
    }
    midiOpen = 1;
    midiLoop = loop;
}

void Stop() {
    if (!midiOpen) return;
    Send("stop midi");
    Send("close midi");
    midiOpen = 0;
}

void OnNotify() {
    if (midiLoop == 1) {
        Send("seek midi to start");
        Send("play midi notify");
    } else {
        Stop();
    }
}

void Close() {
    Send("stop midi");
    Send("close midi");
}

void ClearLoop() { midiLoop = 0; }

}  // namespace elMidi
