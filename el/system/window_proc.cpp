// The window procedure, the per-frame key states, the single-instance check and the library's reset.
#include <cstdio>
#include <cstring>

#include "el/elDraw.h"
#include "el/elMidi.h"
#include "el/elSystem.h"
#include "host/instance.h"
#include "host/mci.h"
#include "host/time.h"

u32 LastKey = 0, StickyKey = 0, PauseKey = 0, TextKey = 0, TextInputMode = 0, ShiftToggle = 0;
u32 WatchKey = 0, WatchKeyCount = 0, SysKeyMode = 0;
i32 MouseX = 0, MouseY = 0;
MouseButtonState MouseButtons = {};
IntPoint ClientOrigin = {};
IntRect ClientRect = {};
u32 AppActive = 0, CursorShown = 1, BoxShowing = 0, CursorClipMode = 0, FullScreen = 1;
i32 LibraryEndState = 0;
host::Window MainWindow = 0;
host::Window DialogWindow = 0;
i32 MutexHandle = 0;
u32 BlinkOn = 1, BlinkNext = 0;
u32 DialogMode = 0, PopupWindowMode = 0, WindowStyleFlags = 0, DispatchSuspended = 0;

namespace {

GameHooks g_hooks = {};

void GameKey(u32 key) {
    if (g_hooks.onKeyDown) g_hooks.onKeyDown(key);
}

// WaitAnyInput's phase (0 idle, 1 armed, 2 matched) and its matched code persist between calls.
u32 g_waitPhase = 0;
u32 g_waitMatched = 0;

i32 SignedWord(u32 w) { return w > 32768 ? static_cast<i32>(w) - 65536 : static_cast<i32>(w); }

void KeyPressed(u32 key) {
    if (TextInputMode) TextKey = key;
    else GameKey(key);
}

}  // namespace

namespace elSystem {

void SetGameHooks(const GameHooks& hooks) { g_hooks = hooks; }

std::intptr_t WindowProc(host::Window window, u32 message, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (message) {
        case host::kMsgMouseMove:
            MouseX = static_cast<i32>(host::LoWord(lParam));
            MouseY = static_cast<i32>(host::HiWord(lParam));
            break;
        case host::kMsgLButtonDown:
            if (!TextInputMode) {
                MouseButtons.leftDown = 1;
                MouseButtons.leftPressed = 1;
                MouseButtons.buttonHeld = 1;
                MouseButtons.lastButton = 1;
            } else {
                TextClick() = 1;
            }
            break;
        case host::kMsgLButtonUp:
            MouseButtons.leftDown = 0;
            if (MouseButtons.buttonHeld == 1) MouseButtons.buttonHeld = 0;
            TextClick() = 0;
            break;
        case host::kMsgLButtonDblClk:
            if (!TextInputMode) MouseButtons.leftDouble = 1;
            return 0;
        case host::kMsgRButtonDown:
            if (!TextInputMode) {
                MouseButtons.rightDown = 1;
                MouseButtons.rightPressed = 1;
                MouseButtons.buttonHeld = 2;
                MouseButtons.lastButton = 2;
            }
            break;
        case host::kMsgRButtonUp:
            MouseButtons.rightDown = 0;
            if (MouseButtons.buttonHeld == 2) MouseButtons.buttonHeld = 0;
            break;
        case host::kMsgRButtonDblClk:
            if (!TextInputMode) {
                MouseButtons.rightDouble = 1;
                if (CursorClipMode) {
                    if (CursorClipped) UnclipCursor();
                    else ClipCursorToScreen();
                }
            }
            return 0;
        case host::kMsgKeyDown:
            KeyPressed(static_cast<u32>(wParam));
            break;
        case host::kMsgKeyUp: {
            const u32 key = static_cast<u32>(wParam);
            if (LastKey == key) LastKey = 0;
            if (PauseKey == key) PauseKey = 0;
            if (TextKey == key) TextKey = 0;
            if (key == host::kVkShift) ShiftToggle ^= 1;
            if (key == WatchKey) ++WatchKeyCount;
            break;
        }
        case host::kMsgSysKeyDown:
            if (SysKeyMode == 0 || (SysKeyMode == 2 && wParam == host::kVkMenu)) return 0;
            KeyPressed(static_cast<u32>(wParam));
            break;
        case host::kMsgSysCommand:
            if ((wParam & 0xFFF0) == host::kSysCommandScreenSave) return 0;
            break;
        case host::kMsgHotKey:
            if (!TextInputMode) {
                if (wParam == 0xBF01) GameKey(44);
                else if (wParam == 0xBF02) GameKey(257);
            }
            return 0;
        case host::kMsgMove:
            ClientOrigin.x = SignedWord(host::LoWord(lParam));
            ClientOrigin.y = SignedWord(host::HiWord(lParam));
            ClientRect = {ClientOrigin.x, ClientOrigin.y, ClientOrigin.x + ScreenWidth, ClientOrigin.y + ScreenHeight};
            if (CursorClipMode) ClipCursorToScreen();
            break;
        case host::kMsgActivateApp:
            if (wParam == 0) {
                SetActive(0);
                if (CursorShown == 0) host::ShowCursor(true);
                CursorShown = 1;
                if (CursorClipMode) UnclipCursor();
            } else {
                SetActive(1);
                ResetFrameClock();
                if (CursorClipMode) ClipCursorToScreen();
                OnActivateHook(1);
            }
            return 0;
        case host::kMsgSetCursor:
            if (FullScreen && !BoxShowing) {
                host::SetCursorShape(false);
                return 1;
            }
            break;
        case host::kMsgMciNotify:
            if (wParam == host::kMciNotifySuccessful && midiOpen == 1) {
                char mode[32] = {};
                host::MciSendString("status midi mode", mode, sizeof mode, MainWindow);
                if (mode[0] == 's' && mode[1] == 't') elMidi::OnNotify();
            }
            break;
        case host::kMsgClose:
            if (LibraryEndState == 0) LibraryEndState = 1;
            if (LibraryEndState < 2) End();
            host::DestroyWindow(window);
            return 0;
        case host::kMsgDestroy:
            host::PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return host::DefWindowProc(window, message, wParam, lParam);
}

void SetActive(u32 on) { AppActive = on; }

void OnActivateHook(u32) {}

void UpdateKeyState(i32 virtualKey, u32* state) {
    const bool down = (host::GetKeyState(virtualKey) & 0x8000) != 0;
    if (down) *state = *state == 0 ? 1 : 3;
    else *state = (*state == 1 || *state == 3) ? 2 : 0;
    if (WipeState.wipeStep != 0 || LibraryPause.on || TextInputMode) *state = 0;
}

u32 WaitAnyInput(const u32* codes, size_t count) {
    if (g_waitPhase == 0 && LastKey == 0 && MouseButtons.buttonHeld == 0) g_waitPhase = 1;
    if (g_waitPhase == 1) {
        for (size_t i = 0; i < count; ++i) {
            const u32 c = codes[i];
            const bool isButton = c == 1 || c == 2;
            if ((!isButton && c == StickyKey) || (isButton && c == MouseButtons.lastButton)) {
                g_waitMatched = c;
                g_waitPhase = 2;
                break;
            }
        }
    }
    if (g_waitPhase == 2) {
        const bool isButton = g_waitMatched == 1 || g_waitMatched == 2;
        if ((!isButton && StickyKey != g_waitMatched) || (isButton && MouseButtons.lastButton != g_waitMatched)) {
            g_waitPhase = 0;
            return 0;
        }
        if ((!isButton && LastKey == 0) || (isButton && MouseButtons.buttonHeld == 0)) {
            g_waitPhase = 0;
            StickyKey = 0;
            MouseButtons.lastButton = 0;
            return g_waitMatched;
        }
    }
    return 0;
}

u32 CheckSingleInstance(const char* title) {
    char name[300];
    std::snprintf(name, sizeof name, "%s:ElMutex", title ? title : "");
    bool held = false;
    MutexHandle = host::CreateInstanceLock(name, &held);
    if (held) {
        // Another copy runs: bring its window to the front.
        host::Window other = host::FindWindow("DEFAULT", title);
        if (other) host::SetForegroundWindow(other);
        else if (!host::RequestRaise(name)) return kOtherCopySilent;
        return kOtherCopyRaised;
    }
    return kFirstCopy;
}

void ResetGlobals() {
    MainWindow = 0;
    DialogWindow = 0;
    MouseX = MouseY = 0;
    MouseButtons = {};
    TextClick() = 0;
    LastKey = StickyKey = PauseKey = TextKey = ShiftToggle = 0;
    FrameTime = 0;
    MutexHandle = 0;
    AppActive = 0;
    DialogMode = PopupWindowMode = WindowStyleFlags = DispatchSuspended = 0;
    for (u32* word : g_hooks.sceneWords)
        if (word) *word = 0;
    WatchKey = WatchKeyCount = 0;
    LibraryEndState = 0;
    CursorClipMode = 0;
    BoxShowing = 0;
    BlinkOn = 1;
    FullScreen = 1;
    CursorShown = 1;
    LastPassTime = host::ClockMs();
    BlinkNext = host::ClockMs() + 1000;
    g_waitPhase = 0;
    g_waitMatched = 0;
}

}  // namespace elSystem
