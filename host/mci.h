// Music by command strings: a small media-control interpreter over the MIDI sequencer.
#pragma once
#include <string>
#include <vector>

#include "host/types.h"
#include "host/window.h"

namespace host {

enum : u32 { kMciNotifySuccessful = 1, kMciNotifySuperseded = 2, kMciNotifyAborted = 4, kMciNotifyFailure = 8 };

// Runs one command ("open \"file\" type sequencer alias midi", "play midi notify", "status midi mode", ...).
// The answer, when asked for, is always terminated within answerSize bytes. Returns 0 on success, else an
// error number. A "notify" play posts kMsgMciNotify to `notify` when it ends.
u32 MciSendString(const char* command, char* answer, u32 answerSize, Window notify);

// Every command received, oldest first (the most recent 1024), for tests.
const std::vector<std::string>& MciCommandLog();
void MciClearLog();
// Closes every device at once, without notifications, keeping the log (shutdown).
void MciCloseAll();
// Closes every device at once, without notifications, and forgets the log (the backend was reset).
void MciReset();

}  // namespace host
