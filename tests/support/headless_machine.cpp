#include "support/headless_machine.h"

#include <cstdlib>

#include "el/draw/present.h"
#include "el/elSystem.h"
#include "game/shell/shell.h"
#include "host/instance.h"
#include "host/time.h"
#include "host/window.h"

namespace kt {
namespace {
// The window and the lock outlive a reset of the backend: close and give them back through the layer.
void CloseLeftovers() {
    if (const host::Window w = host::MainWindowHandle()) host::DestroyWindow(w);
    if (MutexHandle) host::ReleaseInstanceLock(MutexHandle);
    MutexHandle = 0;
}
}  // namespace

void FreshMachine() {
    CloseLeftovers();
    host::headless::Reset();
    host::ClearQueue();
    // The frame gate and the rate meter keep readings of the clock just reset: set them up again from it,
    // as the program's static set-up does when a process starts, so that no period of an earlier test is
    // still running on the new clock.
    FrameTimer = {};
    FrameTimer.sleepEnabled = 1;
    elSystem::SetFrameRate(60);
    elSystem::SetWaitEnable(1);
    StartTime = host::ClockMs();
    // A windowed program takes the desktop's depth for its screen; the next program starts from the depth
    // a process starts with.
    ScreenBits = 16;
    static const std::string runtime = TempRuntimeFolder();
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
}

void EndProgram() {
    if (!LibraryDone) elSystem::End();
    LibraryDone = 0;
    WipeState = {};  // a wipe the test started ends with the program
    CloseLeftovers();
    MainWindow = 0;
    host::ClearQueue();
}

void HeadlessWindow::Drain() {
    host::Message m;
    while (host::PeekMessage(&m)) host::DispatchMessage(m);
}

void HeadlessWindow::Hold(i32 vk) {
    host::headless::KeyDown(vk);
    Drain();
}

void HeadlessWindow::Release(i32 vk) {
    host::headless::KeyUp(vk);
    Drain();
}

bool PumpOnce(int* exitCode) {
    int code = 0;
    const bool more = WinMain_PumpOnce(&code);
    if (exitCode) *exitCode = code;
    return more;
}

}  // namespace kt
