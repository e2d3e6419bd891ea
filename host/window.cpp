#include "host/window.h"

#include <strings.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "host/backend.h"
#include "host/instance.h"
#include "host/report.h"
#include "host/text.h"
#include "host/time.h"

namespace host {
namespace {

constexpr Window kMain = 1;

struct State {
    WindowClass cls{};
    std::string className;
    std::string title;
    bool registered = false;
    bool open = false;
    std::deque<Message> queue;
    std::mutex queueLock;  // other threads may post (the music's end-of-play notice)
    bool quitPending = false;
    i32 quitCode = 0;
    bool down[256] = {};
    bool sideDown[3][2] = {};  // shift, control, alt: left, right
    // double clicks
    i32 lastButton = 0;
    u32 lastPressMs = 0;
    i32 lastPressX = 0, lastPressY = 0;
    bool lastPressValid = false;
    // cursor
    i32 cursorCount = 0;
    bool cursorArrow = true;
    bool cursorShown = true;
    i32 cursorX = 0, cursorY = 0;
    bool grabbed = false;
    i32 clientW = 0, clientH = 0;  // the picture, which is the window's client area
};

State& S() {
    static State s;
    return s;
}

void UpdateCursor() {
    State& s = S();
    const bool visible = s.cursorCount >= 0 && s.cursorArrow;
    if (visible != s.cursorShown) {
        s.cursorShown = visible;
        backend::SetCursorVisible(visible);
    }
}

void Push(const Message& m) {
    std::lock_guard<std::mutex> g(S().queueLock);
    S().queue.push_back(m);
}

int SideIndex(i32 vk) { return vk == kVkShift ? 0 : vk == kVkControl ? 1 : vk == kVkMenu ? 2 : -1; }

bool AltHeld() { return S().down[kVkMenu]; }

bool OverClient(i32 x, i32 y) {
    const State& s = S();
    return x >= 0 && y >= 0 && x < s.clientW && y < s.clientH;
}

// Turns whatever the backend has waiting into messages.
void PumpBackend() {
    State& s = S();
    AnswerRaiseRequests();
    backend::Event e;
    while (backend::PollEvent(&e)) {
        Message m;
        m.window = s.open ? kMain : 0;
        switch (e.kind) {
            case backend::EventKind::KeyDown:
            case backend::EventKind::KeyUp: {
                const bool isDown = e.kind == backend::EventKind::KeyDown;
                const bool sys = e.key == kVkMenu || e.key == kVkF10 || AltHeld();
                m.message = isDown ? (sys ? kMsgSysKeyDown : kMsgKeyDown) : (sys ? kMsgSysKeyUp : kMsgKeyUp);
                m.wParam = static_cast<std::uintptr_t>(e.key & 0xFF);
                m.lParam = (e.repeat ? (1 << 30) : 0) | (isDown ? 0 : (1u << 31)) | 1;
                m.side = e.side;
                Push(m);
                break;
            }
            case backend::EventKind::MouseMove:
                s.cursorX = e.x;
                s.cursorY = e.y;
                if (!OverClient(e.x, e.y)) break;  // the window procedure hears of the client area alone
                m.message = kMsgSetCursor;
                Push(m);
                m.message = kMsgMouseMove;
                m.lParam = MakeLParam(e.x, e.y);
                Push(m);
                break;
            case backend::EventKind::ButtonDown: {
                if (!OverClient(e.x, e.y)) break;
                const u32 now = ClockMs();
                const bool dbl = s.cls.doubleClicks && s.lastPressValid && s.lastButton == e.button &&
                                 now - s.lastPressMs <= 500 && std::abs(e.x - s.lastPressX) <= 4 &&
                                 std::abs(e.y - s.lastPressY) <= 4;
                if (dbl) {
                    s.lastPressValid = false;  // a third press starts a new pair
                } else {
                    s.lastPressValid = true;
                    s.lastButton = e.button;
                    s.lastPressMs = now;
                    s.lastPressX = e.x;
                    s.lastPressY = e.y;
                }
                if (e.button == 1) m.message = dbl ? kMsgLButtonDblClk : kMsgLButtonDown;
                else m.message = dbl ? kMsgRButtonDblClk : kMsgRButtonDown;
                m.lParam = MakeLParam(e.x, e.y);
                Push(m);
                break;
            }
            case backend::EventKind::ButtonUp:
                // A press that began over the client area ends wherever the button is let go.
                m.message = e.button == 1 ? kMsgLButtonUp : kMsgRButtonUp;
                m.lParam = MakeLParam(std::clamp(e.x, 0, std::max(s.clientW - 1, 0)),
                                      std::clamp(e.y, 0, std::max(s.clientH - 1, 0)));
                Push(m);
                break;
            case backend::EventKind::FocusGained:
            case backend::EventKind::FocusLost:
                m.message = kMsgActivateApp;
                m.wParam = e.kind == backend::EventKind::FocusGained ? 1 : 0;
                Push(m);
                break;
            case backend::EventKind::Close:
                m.message = kMsgClose;
                Push(m);
                break;
            case backend::EventKind::Raise:
                if (s.open) backend::RaiseWindow();
                break;
        }
    }
}

// Keeps the key-state table in step with the key messages as they leave the queue.
void Track(const Message& m) {
    State& s = S();
    const bool isDown = m.message == kMsgKeyDown || m.message == kMsgSysKeyDown;
    const bool isUp = m.message == kMsgKeyUp || m.message == kMsgSysKeyUp;
    if (!isDown && !isUp) return;
    const i32 vk = static_cast<i32>(m.wParam & 0xFF);
    const int idx = SideIndex(vk);
    if (idx >= 0) {
        const int side = m.side == 2 ? 1 : 0;
        s.sideDown[idx][side] = isDown;
        s.down[vk] = s.sideDown[idx][0] || s.sideDown[idx][1];
        s.down[160 + idx * 2 + side] = isDown;
    } else {
        s.down[vk] = isDown;
    }
}

}  // namespace

bool RegisterWindowClass(const WindowClass& wc) {
    State& s = S();
    s.cls = wc;
    s.className = wc.className ? wc.className : "";
    s.cls.className = s.className.c_str();
    s.registered = true;
    return true;
}

bool WindowedRequested() {
    const char* windowed = std::getenv("KESTRALIS_WINDOWED");
    if (!windowed || !*windowed) return false;
    // A number: any but 0 asks for a window.
    const size_t digits = std::strspn(windowed, "0123456789");
    if (windowed[digits] == 0) return std::strspn(windowed, "0") != digits;
    for (const char* yes : {"yes", "true", "on"})
        if (strcasecmp(windowed, yes) == 0) return true;
    for (const char* no : {"no", "false", "off"})
        if (strcasecmp(windowed, no) == 0) return false;
    ReportSettingNotUnderstood("KESTRALIS_WINDOWED", windowed,
                               "a whole number of digits alone (0 for the full screen, any other for a window), "
                               "yes/no, true/false or on/off",
                               "playing full screen");
    return false;
}

Window CreateMainWindow(const char* className, const char* title, bool fullScreen, i32 width, i32 height) {
    State& s = S();
    if (!s.registered || !className || s.className != className || s.open) return 0;
    if (backend::Fault("CreateWindow")) return 0;
    s.title = title ? title : "";
    if (!backend::OpenWindow(Cp932ToUtf8(s.title.c_str()).c_str(), width, height, fullScreen)) return 0;
    s.open = true;
    s.cursorShown = true;
    s.clientW = width;
    s.clientH = height;
    Push({kMain, kMsgMove, 0, MakeLParam(0, 0), 0});
    return kMain;
}

bool DestroyWindow(Window w) {
    State& s = S();
    if (w != kMain || !s.open) return false;
    if (s.cls.proc) s.cls.proc(kMain, kMsgDestroy, 0, 0);
    s.open = false;
    if (s.grabbed) backend::SetMouseGrab(false);
    s.grabbed = false;
    backend::CloseWindow();
    return true;
}

void ShowBlackPicture(Window w) {
    const State& s = S();
    if (w != kMain || !s.open || s.clientW <= 0 || s.clientH <= 0) return;
    const std::vector<u16> black(static_cast<size_t>(s.clientW) * static_cast<size_t>(s.clientH), 0);
    backend::Present(black.data(), s.clientW, s.clientH, s.clientW * 2, true, false);
}

Window FindWindow(const char* className, const char* title) {
    State& s = S();
    if (!s.open) return 0;
    if (className && s.className != className) return 0;
    if (title && s.title != title) return 0;
    return kMain;
}

void SetForegroundWindow(Window w) {
    if (w == kMain && S().open) backend::RaiseWindow();
}

void MinimizeWindow(Window) {}

Window MainWindowHandle() { return S().open ? kMain : 0; }

bool PeekMessage(Message* out) {
    State& s = S();
    PumpBackend();
    {
        std::lock_guard<std::mutex> g(s.queueLock);
        if (!s.queue.empty()) {
            *out = s.queue.front();
            s.queue.pop_front();
        } else if (s.quitPending) {
            s.quitPending = false;
            *out = Message{0, kMsgQuit, static_cast<std::uintptr_t>(s.quitCode), 0, 0};
            return true;
        } else {
            return false;
        }
    }
    Track(*out);
    return true;
}

void AnswerRaiseRequests() {
    // A program that is to end comes forward for nobody: a copy started now would be told that the game is
    // there just as it goes. Its requests wait unanswered, as for a copy that does not answer.
    State& s = S();
    if (backend::EndAsked()) return;
    {
        std::lock_guard<std::mutex> g(s.queueLock);
        if (s.quitPending) return;
        for (const Message& m : s.queue)
            if (m.message == kMsgClose || m.message == kMsgQuit) return;
    }
    if (TakeRaiseRequest() && s.open) backend::RaiseWindow();
}

void WaitMessage() {
    State& s = S();
    for (;;) {
        PumpBackend();
        {
            std::lock_guard<std::mutex> g(s.queueLock);
            if (!s.queue.empty() || s.quitPending) return;
        }
        backend::WaitEvent(10);
    }
}

std::intptr_t DispatchMessage(const Message& m) {
    State& s = S();
    if (m.window != kMain || !s.open || !s.cls.proc) return 0;
    return s.cls.proc(m.window, m.message, m.wParam, m.lParam);
}

std::intptr_t SendMessage(Window w, u32 message, std::uintptr_t wParam, std::intptr_t lParam) {
    return DispatchMessage(Message{w, message, wParam, lParam, 0});
}

bool PostMessage(Window w, u32 message, std::uintptr_t wParam, std::intptr_t lParam) {
    if (w != kMain) return false;
    Push(Message{w, message, wParam, lParam, 0});
    return true;
}

void PostQuitMessage(i32 code) {
    std::lock_guard<std::mutex> g(S().queueLock);
    S().quitPending = true;
    S().quitCode = code;
}

std::intptr_t DefWindowProc(Window w, u32 message, std::uintptr_t wParam, std::intptr_t) {
    switch (message) {
        case kMsgClose:
            DestroyWindow(w);
            return 0;
        case kMsgSetCursor:
            SetCursorShape(true);
            return 1;
        case kMsgSysCommand:
            if ((wParam & 0xFFF0) == 0xF060) DestroyWindow(w);  // close from the system menu
            return 0;
        default:
            return 0;
    }
}

void ClearQueue() {
    State& s = S();
    std::lock_guard<std::mutex> g(s.queueLock);
    s.queue.clear();
    s.quitPending = false;
    std::memset(s.down, 0, sizeof s.down);
    std::memset(s.sideDown, 0, sizeof s.sideDown);
    s.lastPressValid = false;
}

i16 GetKeyState(i32 vk) {
    if (vk < 0 || vk > 255) return 0;
    return S().down[vk] ? static_cast<i16>(0x8000) : 0;
}

i32 ShowCursor(bool show) {
    State& s = S();
    s.cursorCount += show ? 1 : -1;
    UpdateCursor();
    return s.cursorCount;
}

void SetCursorShape(bool arrow) {
    S().cursorArrow = arrow;
    UpdateCursor();
}

bool SetCursorPos(i32 x, i32 y) {
    S().cursorX = x;
    S().cursorY = y;
    backend::WarpMouse(x, y);
    return true;
}

bool ClipCursor(const i32* rect) {
    State& s = S();
    s.grabbed = rect != nullptr;
    backend::SetMouseGrab(s.grabbed);
    return true;
}

bool CursorPos(i32* x, i32* y) {
    if (x) *x = S().cursorX;
    if (y) *y = S().cursorY;
    return true;
}

i32 MessageBox(Window, const char* textCp932, const char* captionCp932, u32 flags) {
    const u32 buttons = (flags & 0xF) == kBoxYesNo ? backend::kBoxYesNo : backend::kBoxOk;
    const std::string text = Cp932ToUtf8(textCp932);
    const std::string caption = Cp932ToUtf8(captionCp932);
    return backend::ShowMessageBox(caption.c_str(), text.c_str(), buttons);
}

}  // namespace host
