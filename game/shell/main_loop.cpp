// The entry point: one copy only, the window, start-up loading, then the message pump and its passes.
#include <cstdio>
#include <cstring>
#include <ctime>

#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/shell/shell.h"
#include "host/crt.h"
#include "host/report.h"
#include "host/time.h"
#include "host/window.h"

void* AppInstance = nullptr;

SceneFn SceneTable[13] = {nullptr,    Title_Run,  Stage1_Run,  Stage2_Run, Stage2B_Run,     Stage3_Run,    Stage4_Run,
                          Stage4B_Run, Stage5_Run, Stage5B_Run, Ending_Run, LevelSelect_Run, ShipSelect_Run};

bool WinMain_StartUp(void* instance, const char* commandLine, i32, i32* exitCode) {
    // A second copy has done its work once the first is in front; any other early end is a failed start,
    // whose reason has been said on the error stream (a copy that holds the lock without answering too).
    if (exitCode) *exitCode = 1;
    Game_RegisterHooks();
    elSystem::ResetGlobals();
    switch (elSystem::CheckSingleInstance("KESTRALIS")) {
        case elSystem::kFirstCopy:
            break;
        case elSystem::kOtherCopyRaised:
            host::ReportLine("kestralis: the game is already running; brought it to the front");
            if (exitCode) *exitCode = 0;
            return false;
        default:
            host::ReportLine("kestralis: another copy of the game holds its lock but did not answer");
            return false;
    }
    // The library's windowed rules (no clip, the cursor shown off the picture) follow the window asked for.
    FullScreen = host::WindowedRequested() ? 0 : 1;
    // The saved command line is bounded; a longer one is cut at a character boundary of the buffer.
    std::snprintf(CommandLine, sizeof CommandLine, "%s", commandLine ? commandLine : "");

    host::WindowClass wc;
    wc.className = "DEFAULT";
    wc.proc = elSystem::WindowProc;
    wc.doubleClicks = true;
    host::RegisterWindowClass(wc);

    // Full screen unless a window was asked for: the picture is scaled into the desktop. The windowed form
    // keeps the picture's size.
    MainWindow = host::CreateMainWindow("DEFAULT", "KESTRALIS", FullScreen != 0, 800, 600);
    if (!MainWindow) return false;
    if (!Game_FindDataFolders()) {
        elSystem::End();
        return false;
    }

    AppInstance = instance;
    host::SRand(static_cast<u32>(host::WallSeconds()));
    elSystem::EnableIME(0);
    Game_LoadResources();
    elSystem::ResetFrameClock();
    elSystem::OnActivateHook(0);
    return true;
}

void WinMain_Pass() {
    elSystem::UpdateFrameClock();

    if (PrevMode == 0 && GameMode != 0) {
        ModeChanged = 1;
        PrevMode = GameMode;
    }

    bool framed = false;  // a scene or a wipe step ran in this pass
    if (WipeState.wipeDir == 1) {
        elDraw::Flip();
        framed = true;
        if (WipeState.wipeDir == 0) GameMode = NextMode;
    } else if (GameMode >= 1 && GameMode <= 12) {
        if (elSystem::WaitFrame() && SceneTable[GameMode]) {
            SceneTable[GameMode]();
            framed = true;
        }
    }

    if (GameMode != PrevMode) {
        ModeChanged = 1;
        if (ClipWipe.state > 0) {
            ClipRect = SavedClipRect;
            ClipWipe.state = 0;
        }
    } else {
        ModeChanged = 0;
    }
    PrevMode = GameMode;

    if (static_cast<i32>(host::ClockMs() - BlinkNext) >= 0) {
        BlinkOn ^= 1;
        BlinkNext = host::ClockMs() + (BlinkOn ? 1000 : 200);
    }

    // A click lives until a frame has seen it: most passes only wait for the frame gate, and clearing the
    // edges there would drop a click before any scene could read it.
    if (framed) {
        MouseButtons.leftPressed = 0;
        MouseButtons.rightPressed = 0;
        MouseButtons.leftDouble = 0;
        MouseButtons.rightDouble = 0;
    }

    if (!FullScreen && !BoxShowing) {
        i32 x = 0, y = 0;
        host::CursorPos(&x, &y);
        const bool inside = x >= ClientOrigin.x && x < ClientOrigin.x + ScreenWidth && y >= ClientOrigin.y &&
                            y < ClientOrigin.y + ScreenHeight;
        if (inside && CursorShown == 1) {
            host::ShowCursor(false);
            CursorShown = 0;
        } else if (!inside && CursorShown == 0) {
            host::ShowCursor(true);
            CursorShown = 1;
        }
    }
}

bool WinMain_PumpOnce(i32* exitCode) {
    host::Message m;
    if (host::PeekMessage(&m)) {
        if (m.message == host::kMsgQuit) {
            if (exitCode) *exitCode = 0;
            return false;
        }
        host::DispatchMessage(m);
        return true;
    }
    if (!AppActive) {
        host::WaitMessage();
        return true;
    }
    WinMain_Pass();
    return true;
}

i32 WinMain(void* instance, void*, const char* commandLine, i32 showCommand) {
    i32 code = 0;
    if (!WinMain_StartUp(instance, commandLine, showCommand, &code)) return code;
    while (WinMain_PumpOnce(&code)) {
    }
    // A screen that could not be set up has shown its box and shut the library down: fail the run.
    return ScreenSetupFailed ? 1 : 0;
}

void Scene_WipeTo(i32 kind, i32 strip, i32 mode) {
    WipeState.wipeKind = static_cast<u32>(kind);
    WipeState.wipeStrip = strip;
    if (kind == 0) {
        NextMode = static_cast<u32>(mode);
        elDraw::StartWipe();
        return;
    }
    if (kind != 13) elDraw::CaptureToObject(1, 0, 0, ScreenWidth, ScreenHeight);
    GameMode = static_cast<u32>(mode);
    PrevMode = 0;
    WipeState.wipeStep = strip;
    WipeState.wipeDir = -1;
}
