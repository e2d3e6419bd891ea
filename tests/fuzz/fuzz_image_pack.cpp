// The image pack: finding an entry and bringing its pixels into a new object or into a given slot.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "el/draw/object.h"
#include "el/draw/pack.h"
#include "el/elDraw.h"
#include "el/elSystem.h"
#include "fuzz_support.h"
#include "host/display.h"
#include "host/headless/headless.h"
#include "host/system.h"
#include "host/window.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Quiet();
    host::headless::Reset();
    elSystem::ResetGlobals();
    FullScreen = 1;
    host::SetDesktopBits(32);
    elDraw::SetScreenBits(16, 0, 0);
    host::WindowClass wc;
    wc.className = "DEFAULT";
    wc.proc = elSystem::WindowProc;
    host::RegisterWindowClass(wc);
    MainWindow = host::CreateMainWindow("DEFAULT", "KESTRALIS", true, 800, 600);
    if (!MainWindow || elDraw::Screen(800, 600, 2) != 1) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteInput("P.PAK", data, size);
    std::snprintf(PackFilePath, sizeof PackFilePath, "%s", path.c_str());
    std::string name = "A.BMP";
    if (size > 4) {
        const char* p = reinterpret_cast<const char*>(data) + 4;
        const size_t n = strnlen(p, size - 4);
        if (n < size - 4) name.assign(p, n);
    }
    const i32 live = host::LiveSurfaceCount();
    const i32 no = elDraw::LoadPack(name.c_str(), 1);
    if (no > 0) {
        if (elDraw::SwapPack(name.c_str(), no, 2) != no) __builtin_trap();
        elDraw::ReleaseObject(no);
    }
    // Whatever happened, nothing stays behind.
    if (host::LiveSurfaceCount() != live) __builtin_trap();
    host::headless::ClearBoxes();
    ErrorFlag = 0;
    return 0;
}
