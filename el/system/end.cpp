// The library's shutdown and its one way of reporting a failure.
#include <cstdio>

#include "el/draw/screen.h"
#include "el/draw/text.h"
#include "el/elSound.h"
#include "el/elSystem.h"
#include "host/audio.h"
#include "host/instance.h"

u32 LibraryDone = 0;
u32 ErrorFlag = 0;
i32 ScreenWidth = 0, ScreenHeight = 0;

namespace elSystem {

u32 End() {
    if (LibraryDone) return 1;
    LibraryDone = 1;
    ReleaseCursor();
    // Fonts, sounds and the screen are released here by their modules.
    elDraw::FreeFontList();
    elSound::ReleaseAll();
    // The audio thread stops here, whatever still holds the device, before anything it reads goes.
    host::ShutdownAudio();
    elDraw::End();
    if (MutexHandle) {
        host::ReleaseInstanceLock(MutexHandle);
        MutexHandle = 0;
    }
    if (LibraryEndState == 0) host::PostMessage(MainWindow, host::kMsgClose, 0, 0);
    LibraryEndState = 2;
    return 1;
}

u32 Error(const char* function, const char* message, u32) {
    char text[256];
    std::snprintf(text, sizeof text, "%s : %s", function ? function : "", message ? message : "");
    // The screen makes the desktop visible and the sound module beeps here.
    if (DirectDrawObject) host::FlipToGDISurface(DirectDrawObject);
    elSound::Beep();
    host::MessageBox(MainWindow, text, "\x83G\x83\x89\x81[\x94\xAD\x90\xB6",  // エラー発生
                     host::kBoxSystemModal | host::kBoxIconExclamation | host::kBoxOk);
    ErrorFlag = 1;
    return 0;
}

u32 GetError() { return ErrorFlag; }

u32 CheckError() {
    if (ErrorFlag) End();
    return ErrorFlag;
}

}  // namespace elSystem
