#include "bench_program.h"

#include <stdlib.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "el/elSystem.h"
#include "game/common/player_state.h"
#include "game/shell/shell.h"
#include "host/files.h"
#include "host/headless/headless.h"
#include "host/instance.h"
#include "host/surface.h"
#include "host/window.h"
#include "support/new_game.h"

namespace kb {
namespace {

bool g_running = false;

// The program reads its data beside itself: link the build's data folders next to the benchmark.
void LinkData() {
    namespace fs = std::filesystem;
    char folder[4096];
    if (!host::ModuleFolder(folder, sizeof folder)) return;
    const fs::path here(folder);
    const fs::path data = here / ".." / "bin";
    for (const char* name : {"IMAGE", "SOUND", "MIDI"}) {
        std::error_code ec;
        if (fs::exists(fs::symlink_status(here / name, ec))) continue;
        fs::create_directory_symlink(fs::canonical(data / name, ec), here / name, ec);
    }
}

// One runtime folder for the whole run, so that the lock's name stays the same from start to start; it
// goes when the run ends. A run that cannot make it ends at once rather than share another folder.
void PrivateRuntimeFolder() {
    static std::string made;
    if (!made.empty()) return;
    char runtime[] = "/tmp/kestralis-bench-XXXXXX";
    if (!mkdtemp(runtime)) {
        std::fprintf(stderr, "cannot make the benchmark's runtime folder %s: %s\n", runtime, std::strerror(errno));
        std::exit(1);
    }
    made = runtime;
    setenv("XDG_RUNTIME_DIR", runtime, 1);
    std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(made, ec);
    });
}

}  // namespace

bool StartProgram() {
    if (g_running) return true;
    PrivateRuntimeFolder();
    // Whatever a bare-machine benchmark left (its window, its lock) goes before the backend is reset.
    if (const host::Window w = host::MainWindowHandle()) host::DestroyWindow(w);
    if (MutexHandle) host::ReleaseInstanceLock(MutexHandle);
    MutexHandle = 0;
    host::headless::Reset();
    host::ClearQueue();
    host::headless::SetIdleCostMicros(0);
    LinkData();
    LibraryDone = 0;
    if (!WinMain_StartUp(nullptr, "", 1)) {
        EndProgram();
        return false;
    }
    g_running = true;
    FrameTimer.sleepEnabled = 0;
    i32 code = 0;
    while (host::headless::PendingEvents() > 0 || AppActive == 0) WinMain_PumpOnce(&code);
    return true;
}

void NewGameInStage(u32 mode, i32 level) {
    kt::NewGameIn(mode, level);
    PlayerState.shipType = 1;
    PlayerState.controlKeys = 1;
}

void EndProgram() {
    if (!g_running && !host::MainWindowHandle() && !MutexHandle) return;
    g_running = false;
    if (!LibraryDone) elSystem::End();
    LibraryDone = 0;
    LibraryEndState = 0;
    if (const host::Window w = host::MainWindowHandle()) host::DestroyWindow(w);
    if (MutexHandle) host::ReleaseInstanceLock(MutexHandle);
    MutexHandle = 0;
    MainWindow = 0;
    host::ClearQueue();
}

void BareMachine() {
    EndProgram();
    host::headless::Reset();
    host::ClearQueue();
    host::SetSurfaceFaultChecks(false);
    elSystem::ResetGlobals();
    LibraryDone = 0;
    LibraryEndState = 0;
}

void EndBareMachine() {
    elSystem::End();
    LibraryDone = 0;
    LibraryEndState = 0;
    host::ClearQueue();
}

}  // namespace kb
