// The display device: driver enumeration, capabilities, the cooperative level, the display mode, the
// surfaces it hands out, the clipper of windowed mode and the present to the backend.
//
// The mode change is emulated. Surfaces are always 16-bit (see host/surface.h); a mode of 16 bits per
// pixel is accepted at any size, any other depth is refused, and once a mode is set the desktop reports
// 16 bits. Every step asks the backend's fault points, so each failure path can be driven in tests:
//   "EnumDisplayDrivers"   the enumeration finds no driver
//   "CreateDisplay"        opening a driver fails
//   "DisplayCaps"          reading the capabilities fails
//   "SetCooperativeLevel"  the display cannot be taken
//   "SetDisplayMode"       the mode cannot be set (at every depth while armed)
//   "CreatePrimarySurface", "CreateOffscreenSurface"   a surface cannot be made
//   "CreateClipper", "ClipperSetWindow", "SetClipper"   the windowed clipper steps
//   "GetPixelFormat"       the surface's pixel layout cannot be read
#pragma once
#include "host/surface.h"
#include "host/types.h"
#include "host/window.h"

namespace host {

enum DisplayResult : i32 {
    kDisplayOk = 0,
    kDisplayFailed = 1,
    kDisplayUnsupportedMode = 2,
    kDisplayNoExclusive = 3,
    kDisplayNotReady = 4,
};

// Capability bits.
enum : u32 {
    kCaps3D = 0x00000001,
    kCapsBlt = 0x00000040,
    kCapsBltColorFill = 0x04000000,
    kCapsBltStretch = 0x00000200,
    kCapsColorKey = 0x00400000,
};
enum : u32 {
    kSurfaceCapsTexture = 0x00001000,
    kSurfaceCapsOffscreen = 0x00000040,
    kSurfaceCapsPrimary = 0x00000200,
    kSurfaceCapsSystemMemory = 0x00000800,
};
struct DisplayCaps {
    u32 caps = 0;
    u32 surfaceCaps = 0;
};

// Cooperative levels.
enum : u32 {
    kCoopNormal = 0x00000008,
    kCoopExclusive = 0x00000010,
    kCoopFullScreen = 0x00000001,
    kCoopAllowReboot = 0x00000002,
};

// A driver's identity; the primary display driver has no id (nullptr in the callbacks).
struct DriverId {
    u32 value = 0;
};

class Display;
class Clipper;

// Calls `cb` for each driver: the primary display driver first (id nullptr). The callback returns 0 to
// stop, 1 to go on. Returns kDisplayOk, or kDisplayFailed when the enumeration could not run.
using DriverEnumFn = i32 (*)(const DriverId* id, const char* description, const char* name, void* context);
i32 EnumerateDisplayDrivers(DriverEnumFn cb, void* context);

// Opens a driver (nullptr: the primary display driver). nullptr on failure.
Display* CreateDisplay(const DriverId* id);
void ReleaseDisplay(Display* d);  // nullptr is ignored; releasing restores the desktop mode
i32 LiveDisplayCount();

i32 GetDisplayCaps(Display* d, DisplayCaps* driver, DisplayCaps* emulation);
i32 SetCooperativeLevel(Display* d, Window window, u32 flags);
i32 SetDisplayMode(Display* d, i32 width, i32 height, i32 bits);
i32 RestoreDisplayMode(Display* d);
bool DisplayModeSet(const Display* d);
i32 DisplayModeWidth(const Display* d);
i32 DisplayModeHeight(const Display* d);

// Surfaces. caps: kSurfaceCapsPrimary (the visible picture, of the mode's size, or of the window's
// size when no mode was set) or kSurfaceCapsOffscreen, each optionally with kSurfaceCapsSystemMemory.
// The surfaces are ordinary host surfaces; release them with ReleaseSurface.
Surface* CreateDisplaySurface(Display* d, u32 caps, i32 width, i32 height);

// The channel layout of a surface; kDisplayFailed when it cannot be read.
i32 GetSurfacePixelFormat(Display* d, const Surface* s, PixelLayout* out);
// Tests: report this layout instead of the surface's own (nullptr: the real one).
void SetPixelFormatReportOverride(const PixelLayout* layout);

// The clipper of windowed mode.
Clipper* CreateClipper(Display* d);
i32 ClipperSetWindow(Clipper* c, Window window);
i32 SetSurfaceClipper(Surface* primary, Clipper* c);
void ReleaseClipper(Clipper* c);

// The next present waits for the vertical blank.
i32 WaitForVerticalBlank(Display* d);
// Shows the primary surface: the backend gets its pixels (with the pending vertical-blank wait).
i32 PresentPrimary(Display* d, Surface* primary);
// Shows the picture's rectangle (of the primary surface's size) as the primary surface's picture, handing
// its pixels to the backend as they stand instead of copying them into the primary surface first. Answers
// what a copy onto the primary surface would (kSurfaceLost and the rest), having shown nothing then.
i32 PresentPicture(Display* d, Surface* primary, Surface* picture, const Rect& srcRect);
// Makes the desktop visible for a system box (counted for tests).
i32 FlipToGDISurface(Display* d);
i32 FlipToGDICount();

}  // namespace host
