// The emulated display device. It owns no pixels itself: surfaces are plain host surfaces, and the
// present hands the primary surface's pixels to the backend.
#include "host/display.h"

#include <algorithm>

#include "host/backend.h"
#include "host/system.h"

namespace host {

class Display {
public:
    bool exclusive = false;
    bool modeSet = false;
    i32 modeWidth = 0, modeHeight = 0;
    i32 desktopBitsBefore = 0;
    bool vblankPending = false;
};

class Clipper {
public:
    Window window = 0;
};

namespace {

i32 g_liveDisplays = 0;
i32 g_flipToGdi = 0;
bool g_formatOverridden = false;
PixelLayout g_formatOverride;

// The one driver this platform offers, with what a 3D-capable card reported.
constexpr u32 kDriverCaps = kCaps3D | kCapsBlt | kCapsBltColorFill | kCapsBltStretch | kCapsColorKey;
constexpr u32 kDriverSurfaceCaps = kSurfaceCapsTexture | kSurfaceCapsOffscreen | kSurfaceCapsPrimary |
                                   kSurfaceCapsSystemMemory;

}  // namespace

i32 EnumerateDisplayDrivers(DriverEnumFn cb, void* context) {
    if (!cb || backend::Fault("EnumDisplayDrivers")) return kDisplayFailed;
    cb(nullptr, "Primary Display Driver", "display", context);
    return kDisplayOk;
}

Display* CreateDisplay(const DriverId*) {
    if (backend::Fault("CreateDisplay")) return nullptr;
    ++g_liveDisplays;
    return new Display();
}

void ReleaseDisplay(Display* d) {
    if (!d) return;
    if (d->modeSet) RestoreDisplayMode(d);
    --g_liveDisplays;
    delete d;
}

i32 LiveDisplayCount() { return g_liveDisplays; }

i32 GetDisplayCaps(Display* d, DisplayCaps* driver, DisplayCaps* emulation) {
    if (!d || backend::Fault("DisplayCaps")) return kDisplayFailed;
    if (driver) *driver = DisplayCaps{kDriverCaps, kDriverSurfaceCaps};
    if (emulation) *emulation = DisplayCaps{kDriverCaps & ~kCaps3D, kDriverSurfaceCaps & ~kSurfaceCapsTexture};
    return kDisplayOk;
}

i32 SetCooperativeLevel(Display* d, Window, u32 flags) {
    if (!d || backend::Fault("SetCooperativeLevel")) return kDisplayFailed;
    d->exclusive = (flags & kCoopExclusive) != 0;
    return kDisplayOk;
}

i32 SetDisplayMode(Display* d, i32 width, i32 height, i32 bits) {
    if (!d) return kDisplayFailed;
    if (!d->exclusive) return kDisplayNoExclusive;
    if (backend::Fault("SetDisplayMode")) return kDisplayFailed;
    // Every surface is 16-bit, so only that depth can be offered.
    if (bits != 16 || width <= 0 || height <= 0 || width > 8192 || height > 8192) return kDisplayUnsupportedMode;
    if (!d->modeSet) d->desktopBitsBefore = DesktopBits();
    d->modeSet = true;
    d->modeWidth = width;
    d->modeHeight = height;
    SetDesktopBits(16);
    return kDisplayOk;
}

i32 RestoreDisplayMode(Display* d) {
    if (!d) return kDisplayFailed;
    if (d->modeSet) {
        SetDesktopBits(d->desktopBitsBefore);
        d->modeSet = false;
    }
    return kDisplayOk;
}

bool DisplayModeSet(const Display* d) { return d && d->modeSet; }
i32 DisplayModeWidth(const Display* d) { return d ? d->modeWidth : 0; }
i32 DisplayModeHeight(const Display* d) { return d ? d->modeHeight : 0; }

Surface* CreateDisplaySurface(Display* d, u32 caps, i32 width, i32 height) {
    if (!d) return nullptr;
    const bool primary = (caps & kSurfaceCapsPrimary) != 0;
    if (backend::Fault(primary ? "CreatePrimarySurface" : "CreateOffscreenSurface")) return nullptr;
    if (primary && d->modeSet) {
        width = d->modeWidth;
        height = d->modeHeight;
    }
    return CreateSurface(width, height, primary);
}

i32 GetSurfacePixelFormat(Display* d, const Surface* s, PixelLayout* out) {
    if (!d || !s || !out || backend::Fault("GetPixelFormat")) return kDisplayFailed;
    *out = g_formatOverridden ? g_formatOverride : s->Layout();
    return kDisplayOk;
}

void SetPixelFormatReportOverride(const PixelLayout* layout) {
    g_formatOverridden = layout != nullptr;
    if (layout) g_formatOverride = *layout;
}

Clipper* CreateClipper(Display* d) {
    if (!d || backend::Fault("CreateClipper")) return nullptr;
    return new Clipper();
}

i32 ClipperSetWindow(Clipper* c, Window window) {
    if (!c || backend::Fault("ClipperSetWindow")) return kDisplayFailed;
    c->window = window;
    return kDisplayOk;
}

i32 SetSurfaceClipper(Surface* primary, Clipper* c) {
    if (!primary || !c || backend::Fault("SetClipper")) return kDisplayFailed;
    return kDisplayOk;
}

void ReleaseClipper(Clipper* c) { delete c; }

i32 WaitForVerticalBlank(Display* d) {
    if (!d) return kDisplayFailed;
    d->vblankPending = true;
    return kDisplayOk;
}

i32 PresentPrimary(Display* d, Surface* primary) {
    if (!d || !primary) return kDisplayFailed;
    if (primary->IsLost()) return kDisplayNotReady;
    const bool vsync = d->vblankPending;
    d->vblankPending = false;
    const bool rgb565 = primary->Layout().gMask == 0x07E0;
    backend::Present(reinterpret_cast<const u16*>(primary->Bits()), primary->Width(), primary->Height(),
                     primary->Pitch(), rgb565, vsync);
    return kDisplayOk;
}

i32 PresentPicture(Display* d, Surface* primary, Surface* picture, const Rect& sr) {
    if (!d || !primary || !picture) return kSurfaceFailed;
    if (sr.right - sr.left != primary->Width() || sr.bottom - sr.top != primary->Height()) return kSurfaceInvalidRect;
    if (const i32 rc = CheckCopy(primary, picture, sr); rc != kSurfaceOk) return rc;
    const bool vsync = d->vblankPending;
    d->vblankPending = false;
    const u8* first = picture->Bits() + static_cast<ptrdiff_t>(picture->Pitch()) * sr.top + static_cast<ptrdiff_t>(sr.left) * 2;
    backend::Present(reinterpret_cast<const u16*>(first), primary->Width(), primary->Height(), picture->Pitch(),
                     picture->Layout().gMask == 0x07E0, vsync);
    return kSurfaceOk;
}

i32 FlipToGDISurface(Display* d) {
    if (!d) return kDisplayFailed;
    ++g_flipToGdi;
    return kDisplayOk;
}

i32 FlipToGDICount() { return g_flipToGdi; }

}  // namespace host
