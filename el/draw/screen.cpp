// The screen's start-up and shutdown: the display device, the primary surface, the back buffer, the
// library's four internal objects, the pixel format and the lookup tables of the software blitters.
#include "el/draw/screen.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <string>

#include "el/draw/present.h"
#include "el/draw/soft.h"
#include "el/draw/text.h"
#include "el/elInput.h"
#include "el/elMidi.h"
#include "el/elSound.h"
#include "host/crt.h"
#include "host/report.h"
#include "host/system.h"
#include "host/window.h"

PixelFormatRecord PixelFormat = {};
host::Display* DirectDrawObject = nullptr;
host::Surface* PrimarySurface = nullptr;
host::Surface* BackBuffer = nullptr;
host::Clipper* WindowClipper = nullptr;
u32 ScreenBitsAlt1 = 0, ScreenBitsAlt2 = 0;
IntRect ScreenRect = {};
u32 HardwareDriverFound = 0;
u32 CanStretch = 0;

i32 SinTable[kSinTableSize] = {};
u8 PixelDecodeTable[65536][3] = {};
u16 AlphaTable[3 * 32 * 32 * 32] = {};
u16 AddTable[3 * 32 * 32 * 32] = {};
u16 SubTable[3 * 32 * 32] = {};
u16 GreyTable[94] = {};
u8 NoiseTable[10000] = {};
u32 TablesBuilt = 0;
u32 ScreenSetupFailed = 0;

namespace elDraw {
namespace {

constexpr f64 kTwoPi = 6.283185307179586476925286766559;

// The library's own objects 0 to 3: role name, record name and the message when one cannot be made.
struct InternalObject {
    const char* recordName;
    const char* message;
    bool alwaysSystemMemory;
};
const InternalObject kInternal[4] = {
    {"\x93\xE0\x95\x94\x97p\x82P", msg::kNoBufferSprite, false},      // 内部用１
    {"\x93\xE0\x95\x94\x97p\x82Q", msg::kNoScreenSprite, false},      // 内部用２
    {"\x93\xE0\x95\x94\x97p\x82R", msg::kNoFontSprite, true},         // 内部用３
    {"\x93\xE0\x95\x94\x97p\x82S", msg::kNoFontBufferSprite, true},   // 内部用４
};

bool Windowed() { return FullScreen == 0; }

// What each failed step means, said in English on the error stream beside the box.
struct StepWords {
    const char* message;
    const char* english;
};
const StepWords kStepWords[] = {
    {msg::kNoDirectDraw, "no display device"},
    {msg::kNoFullScreen, "the display cannot be taken for the game"},
    {msg::kNoMode, "the display cannot be set to the game's size and depth"},
    {msg::kNoPrimary, "the visible screen cannot be made"},
    {msg::kNoBackBuffer, "the back buffer cannot be made"},
    {msg::kNoClipper, "the window's clipper cannot be made"},
    {msg::kNoClipperWindow, "the clipper cannot be tied to the window"},
    {msg::kNoPrimaryClip, "the visible screen cannot be clipped to the window"},
    {msg::kNoPixelFormat, "the screen's pixel format cannot be read"},
};

// A failed step: the error box and its English line, then the library shuts down and the program ends
// (with a non-zero status) at its next message instead of running on without a screen.
i32 Fail(const char* message, u32 code) {
    const char* english = "a step of the set-up failed";
    for (const StepWords& w : kStepWords)
        if (w.message == message) english = w.english;
    for (const InternalObject& o : kInternal)
        if (o.message == message) english = "the library's own pictures cannot be made";
    host::ReportLine(std::string("cannot set up the screen: ") + english);
    elSystem::Error("elDraw::Screen", message, code);
    ScreenSetupFailed = 1;
    elSystem::End();
    return 0;
}

// Releases whatever an earlier set-up left, so that a second call starts clean.
void ReleaseEverything() {
    for (i32 i = 0; i < kObjectCount; ++i) {
        if (ObjectTable[i].surface) host::ReleaseSurface(ObjectTable[i].surface);
        EmptyObject(i);
    }
    host::ReleaseClipper(WindowClipper);
    host::ReleaseSurface(PrimarySurface);
    host::ReleaseSurface(BackBuffer);
    host::ReleaseDisplay(DirectDrawObject);
    WindowClipper = nullptr;
    PrimarySurface = nullptr;
    BackBuffer = nullptr;
    DirectDrawObject = nullptr;
}

i16 ZeroBitsBelow(u32 mask) { return static_cast<i16>(std::countr_zero(mask)); }

}  // namespace

i32 ReadPixelFormat(const host::PixelLayout& layout) {
    // A layout without channel masks (a palette display) has no shifts to count.
    if (layout.rMask == 0 || layout.gMask == 0 || layout.bMask == 0) return 0;
    PixelFormatRecord& f = PixelFormat;
    f.rMask = layout.rMask;
    f.gMask = layout.gMask;
    f.bMask = layout.bMask;
    f.rShift = ZeroBitsBelow(f.rMask);
    f.gShift = ZeroBitsBelow(f.gMask);
    f.bShift = ZeroBitsBelow(f.bMask);
    f.rMax = f.rMask >> f.rShift;
    f.gMax = f.gMask >> f.gShift;
    f.bMax = f.bMask >> f.bShift;
    f.rTableShift = static_cast<i16>(f.rShift + (f.rMax == 63 ? 1 : 0));
    f.gTableShift = static_cast<i16>(f.gShift + (f.gMax == 63 ? 1 : 0));
    f.bTableShift = static_cast<i16>(f.bShift + (f.bMax == 63 ? 1 : 0));
    f.halfMask = ((f.rMax >> 1) << f.rShift) | ((f.gMax >> 1) << f.gShift) | ((f.bMax >> 1) << f.bShift);
    f.halfMask2 = f.halfMask | (f.halfMask << 16);
    f.rgbMask = (f.rMax << f.rShift) | (f.gMax << f.gShift) | (f.bMax << f.bShift);
    return 1;
}

void BuildSinTable() {
    // Multiply before dividing, in double precision, then truncate toward zero (entry 30 is 179).
    for (i32 i = 0; i < kSinTableSize; ++i)
        SinTable[i] = static_cast<i32>(std::sin(static_cast<f64>(i) * kTwoPi / 360.0) * 360.0);
}

void BuildBlendTables() {
    const PixelFormatRecord& f = PixelFormat;
    for (auto& e : PixelDecodeTable) e[0] = e[1] = e[2] = 0;
    const u32 rHalve = f.rMax == 63 ? 1 : 0, gHalve = f.gMax == 63 ? 1 : 0, bHalve = f.bMax == 63 ? 1 : 0;
    for (u32 r = 0; r <= f.rMax; ++r)
        for (u32 g = 0; g <= f.gMax; ++g)
            for (u32 b = 0; b <= f.bMax; ++b) {
                const u32 p = ((g << f.gShift) + (r << f.rShift) + (b << f.bShift)) & 0xFFFF;
                PixelDecodeTable[p][0] = static_cast<u8>(r >> rHalve);
                PixelDecodeTable[p][1] = static_cast<u8>(g >> gHalve);
                PixelDecodeTable[p][2] = static_cast<u8>(b >> bHalve);
            }
    const i16 shift[3] = {f.rTableShift, f.gTableShift, f.bTableShift};
    for (i32 c = 0; c < 3; ++c)
        for (i32 a = 0; a < 32; ++a)
            for (i32 s = 0; s < 32; ++s)
                for (i32 d = 0; d < 32; ++d) {
                    const i32 at = c * 32768 + a * 1024 + s * 32 + d;
                    const i32 weak = std::max(0, s - a);
                    AlphaTable[at] = static_cast<u16>((weak + std::max(0, d - (31 - a))) << shift[c]);
                    AddTable[at] = static_cast<u16>(std::min(31, weak + d) << shift[c]);
                }
    for (i32 c = 0; c < 3; ++c)
        for (i32 s = 0; s < 32; ++s)
            for (i32 d = 0; d < 32; ++d) SubTable[c * 1024 + s * 32 + d] = static_cast<u16>(std::max(0, s - d) << shift[c]);
    for (i32 n = 0; n < 94; ++n) GreyTable[n] = static_cast<u16>(n / 3);
    for (auto& n : NoiseTable) n = static_cast<u8>(host::Rand() % 3);
    TablesBuilt = 1;
    soft::ChooseBlendPath();
}

i32 EnumDeviceCallback(const host::DriverId* guid, const char*, const char*, void* context) {
    HardwareDriverFound = 0;
    auto** store = static_cast<host::Display**>(context);
    host::Display* dd = host::CreateDisplay(guid);
    if (!dd) return 1;
    host::DisplayCaps driver, emulation;
    if (host::GetDisplayCaps(dd, &driver, &emulation) == host::kDisplayOk && (driver.caps & host::kCaps3D) &&
        (driver.surfaceCaps & host::kSurfaceCapsTexture)) {
        *store = dd;
        HardwareDriverFound = 1;
        return 0;
    }
    host::ReleaseDisplay(dd);
    *store = nullptr;
    return 1;
}

void SetScreenBits(i32 bits, i32 alt1, i32 alt2) {
    ScreenBits = static_cast<u32>(bits);
    ScreenBitsAlt1 = static_cast<u32>(alt1);
    ScreenBitsAlt2 = static_cast<u32>(alt2);
}

i32 Screen(i32 width, i32 height, i32 memoryMode) {
    ReleaseEverything();
    ErrorFlag = 0;
    ScreenSetupFailed = 0;
    ScreenWidth = width;
    ScreenHeight = height;
    SetClip(0, 0, width, height);

    HardwareDriverFound = 0;
    host::EnumerateDisplayDrivers(EnumDeviceCallback, &DirectDrawObject);
    if (!DirectDrawObject) {
        DirectDrawObject = host::CreateDisplay(nullptr);
        if (!DirectDrawObject) return Fail(msg::kNoDirectDraw, host::kDisplayFailed);
    }

    u32 memFlag = (memoryMode == 1 || memoryMode == 3) ? 0u : static_cast<u32>(host::kSurfaceCapsSystemMemory);

    const u32 coop = Windowed() ? host::kCoopNormal
                                : host::kCoopExclusive | host::kCoopFullScreen | host::kCoopAllowReboot;
    if (i32 rc = host::SetCooperativeLevel(DirectDrawObject, MainWindow, coop); rc != host::kDisplayOk)
        return Fail(msg::kNoFullScreen, static_cast<u32>(rc));

    if (Windowed()) {
        ScreenBits = static_cast<u32>(elSystem::GetDesktopBits());
    } else {
        i32 rc = host::SetDisplayMode(DirectDrawObject, width, height, static_cast<i32>(ScreenBits));
        if (rc != host::kDisplayOk && ScreenBitsAlt1 != 0) {
            ScreenBits = ScreenBitsAlt1;
            rc = host::SetDisplayMode(DirectDrawObject, width, height, static_cast<i32>(ScreenBits));
            if (rc != host::kDisplayOk && ScreenBitsAlt2 != 0) {
                ScreenBits = ScreenBitsAlt2;
                rc = host::SetDisplayMode(DirectDrawObject, width, height, static_cast<i32>(ScreenBits));
            }
        }
        if (rc != host::kDisplayOk) return Fail(msg::kNoMode, static_cast<u32>(rc));
    }

    PrimarySurface = host::CreateDisplaySurface(DirectDrawObject, host::kSurfaceCapsPrimary | memFlag, width, height);
    if (!PrimarySurface) return Fail(msg::kNoPrimary, host::kSurfaceFailed);
    BackBuffer = host::CreateDisplaySurface(DirectDrawObject, host::kSurfaceCapsOffscreen | memFlag, width, height);
    if (!BackBuffer) return Fail(msg::kNoBackBuffer, host::kSurfaceFailed);

    if (Windowed()) {
        WindowClipper = host::CreateClipper(DirectDrawObject);
        if (!WindowClipper) return Fail(msg::kNoClipper, host::kDisplayFailed);
        if (i32 rc = host::ClipperSetWindow(WindowClipper, MainWindow); rc != host::kDisplayOk)
            return Fail(msg::kNoClipperWindow, static_cast<u32>(rc));
        if (i32 rc = host::SetSurfaceClipper(PrimarySurface, WindowClipper); rc != host::kDisplayOk)
            return Fail(msg::kNoPrimaryClip, static_cast<u32>(rc));
    }

    if (memoryMode == 3) memFlag = host::kSurfaceCapsSystemMemory;

    for (i32 i = 0; i < 4; ++i) {
        const u32 mem = kInternal[i].alwaysSystemMemory ? static_cast<u32>(host::kSurfaceCapsSystemMemory) : memFlag;
        host::Surface* s = host::CreateDisplaySurface(DirectDrawObject, host::kSurfaceCapsOffscreen | mem, width, height);
        if (!s) return Fail(kInternal[i].message, host::kSurfaceFailed);
        SetColorKey(s, 0);
        Object& o = ObjectTable[i];
        o.surface = s;
        std::snprintf(o.name, sizeof o.name, "%s", kInternal[i].recordName);
        o.fromPack = 0;
        o.reloadMem = 2;
        o.colorKey = 0;
        o.width = static_cast<u16>(width);
        o.height = static_cast<u16>(height);
    }

    host::DisplayCaps driver, emulation;
    if (host::GetDisplayCaps(DirectDrawObject, &driver, &emulation) == host::kDisplayOk)
        CanStretch = ((HardwareDriverFound ? driver.caps : emulation.caps) & host::kCapsBltStretch) ? 1 : 0;
    else
        CanStretch = 0;

    host::PixelLayout layout;
    if (i32 rc = host::GetSurfacePixelFormat(DirectDrawObject, BackBuffer, &layout); rc != host::kDisplayOk)
        return Fail(msg::kNoPixelFormat, static_cast<u32>(rc));
    if (!ReadPixelFormat(layout)) return Fail(msg::kNoPixelFormat, host::kDisplayFailed);

    BuildSinTable();
    // The blend tables serve 16-bit pixels, and they are built for the back buffer's own depth. Our
    // surfaces are 16-bit in a window as well as full screen, whatever the desktop's depth (the picture is
    // widened as it is shown), so a window on a 24- or 32-bit desktop blends as the full screen does;
    // `ScreenBits` still says the desktop's depth there, for the depth check and the screenshot.
    if (layout.bitCount == 16) BuildBlendTables();

    for (i32 i = kFirstLoadSlot; i < kObjectCount; ++i) EmptyObject(i);

    LibraryPause.pageObject = 0;
    LibraryPause.tileObject = 0;
    ScreenRect = IntRect{0, 0, width, height};
    ClientRect = IntRect{ClientOrigin.x, ClientOrigin.y, ClientOrigin.x + width, ClientOrigin.y + height};

    elSound::Init();
    elSound::InitObjects();
    elMidi::Init();
    elSystem::Init();
    EnumFonts();
    elInput::InitJoystick();
    if (CursorClipMode) elSystem::ClipCursorToScreen();
    return 1;
}

void End() {
    if (DirectDrawObject) {
        for (i32 i = 0; i < kObjectCount; ++i) {
            if (!ObjectTable[i].surface) continue;
            host::ReleaseSurface(ObjectTable[i].surface);
            EmptyObject(i);
        }
        if (Windowed()) {
            host::ReleaseClipper(WindowClipper);
            WindowClipper = nullptr;
        }
        host::ReleaseSurface(PrimarySurface);
        host::ReleaseSurface(BackBuffer);
        PrimarySurface = nullptr;
        BackBuffer = nullptr;
        if (!Windowed()) {
            host::RestoreDisplayMode(DirectDrawObject);
            host::SetCooperativeLevel(DirectDrawObject, MainWindow, host::kCoopNormal);
        }
        host::ReleaseDisplay(DirectDrawObject);
        DirectDrawObject = nullptr;
    }
    if (!Windowed()) host::MinimizeWindow(MainWindow);
}

}  // namespace elDraw
