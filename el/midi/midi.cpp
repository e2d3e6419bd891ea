// Music: one MIDI file at a time under the alias "midi", looped when its end is reported.
#include <cstdio>

#include "el/elMidi.h"
#include "el/elSystem.h"
#include "host/mci.h"
#include "host/midisynth.h"
#include "host/mixer.h"
#include "host/report.h"

i32 midiOpen = 0;
i32 midiLoop = 1;

namespace {
u32 Send(const char* command) { return host::MciSendString(command, nullptr, 0, MainWindow); }

// The sequencer's answer to an open that failed, said plainly; the game goes on without music.
void ReportOpenFailure(const char* fileName, u32 code) {
    if (code == 275) {  // the file is missing or is not a MIDI file
        char path[256];
        std::snprintf(path, sizeof path, "%s%s", elSystem::GetModuleDir(0), fileName ? fileName : "");
        host::ReportFileProblem(fileName, host::LoadProblem(path, "not a MIDI file this program can play").c_str());
    } else if (code != 291) {  // 291, no audio device: the mixer has said so once already
        host::ReportFileProblem(fileName, "a name the sequencer cannot take");
    }
}
}  // namespace

namespace elMidi {

u32 Init() {
    midiOpen = 0;
    midiLoop = 1;
    // The synthesiser and its soundfont load behind the start-up, so the first file played finds them
    // ready. Without an audio device no file opens, and nothing is loaded.
    if (host::mixer::DeviceOpen()) host::midisynth::Preload();
    return 1;
}

void Play(const char* fileName, i32 loop) {
    char command[256];
    const int n = std::snprintf(command, sizeof command, "open \"%s%s\" type sequencer alias midi",
                                elSystem::GetModuleDir(0), fileName ? fileName : "");
    if (midiOpen) Stop();
    // A command that does not fit is not sent: nothing plays, as when the file is missing.
    if (n > 0 && static_cast<size_t>(n) < sizeof command) {
        if (const u32 rc = Send(command)) ReportOpenFailure(fileName, rc);
        Send("seek midi to start");
        Send("play midi notify");
    } else {
        host::ReportFileProblem(fileName, "its path is too long for the sequencer");
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
