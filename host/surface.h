// 16-bit drawing surfaces: the picture memory every blit, fill, lock and device context works on.
//
// A surface is a block of 16-bit pixels in the layer's current pixel layout (5-6-5 unless a test
// switches to 5-5-5), zero-filled when made. Each row starts `pitch` bytes after the previous one;
// the pitch may be wider than 2 * width (the headless backend pads it on purpose), so code that walks
// the memory must step rows by the pitch it was given.
//
// The copies follow the old display-driver rules: a copy or fill whose rectangles do not lie wholly
// inside both surfaces is refused and touches nothing; a surface that is locked refuses blits; a lost
// surface refuses everything until it is restored (loss only ever happens by fault injection).
#pragma once
#include "host/types.h"

namespace host {

// Left, top, right, bottom; right and bottom exclusive.
struct Rect {
    i32 left = 0, top = 0, right = 0, bottom = 0;
};

// Results of surface calls, modelled on what the display driver used to report.
enum SurfaceResult : i32 {
    kSurfaceOk = 0,
    kSurfaceFailed = 1,        // generic failure (bad arguments, injected fault, no surface)
    kSurfaceLost = 2,          // the memory behind the surface went away; Restore() brings it back
    kSurfaceBusy = 3,          // the surface is locked (or its device context is out)
    kSurfaceInvalidRect = 4,   // a rectangle is empty, inverted or not wholly inside its surface
    kSurfaceNoColorKey = 5,    // a keyed copy from a surface that has no colour key
    kSurfaceNotLocked = 6,     // Unlock without Lock
    kSurfaceOutOfMemory = 7,
};

// The channel layout of a 16-bit pixel.
struct PixelLayout {
    u32 bitCount = 16;
    u32 rMask = 0, gMask = 0, bMask = 0;
};

enum class PixelFormatKind : u8 { Rgb565, Rgb555 };

// The layout new surfaces get. 5-6-5 by default; tests select 5-5-5 to catch hard-coded shifts.
void SetPixelFormatKind(PixelFormatKind kind);
PixelFormatKind CurrentPixelFormatKind();
PixelLayout LayoutOf(PixelFormatKind kind);

// Extra bytes added to every row's pitch beyond 2 * width rounded up to 4 (the padding is rounded up
// to a multiple of 4 too, so rows stay 4-byte aligned).
// The headless backend turns it on so that code assuming pitch == 2 * width is caught.
void SetSurfacePitchPadding(i32 bytes);
i32 SurfacePitchPadding();

// An RGB colour is 0x00BBGGRR. To a pixel: each channel truncated to its width (r >> 3, g >> 2 for a
// 6-bit green, b >> 3). To RGB: each channel expanded by repeating its top bits, so pixel -> RGB -> pixel
// gives the same pixel back.
u16 RgbToPixel(const PixelLayout& layout, u32 rgb);
u32 PixelToRgb(const PixelLayout& layout, u16 pixel);
inline constexpr u32 kInvalidRgb = 0xFFFFFFFFu;  // what GetPixel answers outside the surface

struct LockInfo {
    u8* bits = nullptr;  // first byte of the top row
    i32 pitch = 0;       // bytes from one row to the next
    i32 width = 0, height = 0;
    PixelLayout layout;
};

class Surface {
public:
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    i32 Width() const { return width_; }
    i32 Height() const { return height_; }
    i32 Pitch() const { return pitch_; }
    const PixelLayout& Layout() const { return layout_; }
    bool IsPrimary() const { return primary_; }

    // Locks the whole surface for direct access. Several surfaces may be locked at once; locking a
    // surface that is already locked nests (each Lock needs its Unlock). A lost surface cannot be locked.
    i32 Lock(LockInfo* out);
    // The same lock for a caller that only reads the pixels: it leaves the version alone.
    i32 LockToRead(LockInfo* out);
    i32 Unlock();
    bool IsLocked() const { return lockCount_ > 0; }

    // Source colour key: pixels equal to it are skipped by keyed copies.
    i32 SetColorKey(u16 key);
    i32 ClearColorKey();
    bool HasColorKey() const { return hasKey_; }
    i32 GetColorKey(u16* out) const;  // kSurfaceNoColorKey when none is set

    bool IsLost() const { return lost_; }
    i32 Restore();   // brings lost memory back (zero-filled, the old picture is gone)
    void MarkLost(); // what the environment does when it takes the display away (fault injection)

    // Direct pixel access without a lock, for the device-context emulation and tests. Out of range
    // reads give 0 and writes do nothing.
    u16 PixelAt(i32 x, i32 y) const;
    void PutPixelAt(i32 x, i32 y, u16 value);
    const u8* Bits() const { return bits_; }
    u8* Bits() {
        Changed();
        return bits_;
    }

    // A number given to no other state of this or any other surface: it is new for every surface made and
    // whenever the pixels may have changed (a lock to write, a copy, fill or pixel written into it, a loss
    // or a restore, a writable pointer handed out). Whatever is worked out from a surface's pixels can be
    // kept under it. Changed() gives the surface a new one.
    u64 Version() const { return version_; }
    void Changed();

private:
    friend Surface* CreateSurface(i32, i32, bool);
    friend void ReleaseSurface(Surface*);
    Surface() = default;
    ~Surface();

    i32 width_ = 0, height_ = 0, pitch_ = 0;
    PixelLayout layout_;
    bool primary_ = false;
    u8* bits_ = nullptr;   // pitch_ * height_ bytes and the tail slack, or nullptr while lost
    i32 lockCount_ = 0;
    bool hasKey_ = false;
    u16 key_ = 0;
    bool lost_ = false;
    u64 version_ = 0;
    i32 LockFor(LockInfo* out, bool writing);
};

// Bytes of zeroed memory after every surface's last row, so that a vector read of a few bytes starting at
// the last pixel (a gather of 4-byte words at 2-byte pixels) stays inside the surface's own memory.
inline constexpr size_t kSurfaceTailSlack = 16;

// Makes a zero-filled surface of the current layout. Fails (nullptr) for a size <= 0, a size over
// 8192 in either direction, or when the fault point "CreateSurface" is armed.
Surface* CreateSurface(i32 width, i32 height, bool primary = false);
void ReleaseSurface(Surface* s);   // nullptr is ignored
i32 LiveSurfaceCount();            // surfaces made and not yet released (tests check for leaks)

// The environment took the display away: every live surface is lost until restored.
void LoseAllSurfaces();

// Fault points consulted: "CreateSurface" (creation fails), "LockSurface" (Lock fails),
// "Blit" (a copy or stretch fails), "FillSurface" (a fill fails), "SurfaceLost" (at a copy, stretch or
// lock: every surface is lost and the call reports kSurfaceLost). Blits ask only while these checks
// are on (the default); the benchmarks turn them off, since the real backend never fails a point.
void SetSurfaceFaultChecks(bool on);

// Copies src's rectangle to dst at (x, y), without stretching. keyed: skip source pixels equal to
// src's colour key. Refused (kSurfaceInvalidRect, nothing drawn) unless both rectangles lie wholly
// inside their surfaces. dst and src may be the same surface (overlapping copies work).
i32 CopyRect(Surface* dst, i32 x, i32 y, Surface* src, const Rect& srcRect, bool keyed);

// The checks CopyRect makes before it copies (the same results, the same fault points), without copying.
i32 CheckCopy(const Surface* dst, const Surface* src, const Rect& srcRect);

// The rows of a keyed copy between two different pictures: w pixels of each of h rows, source pixels
// equal to key skipped; pitches in bytes.
void CopyKeyedRows(u8* dst, i32 dstPitch, const u8* src, i32 srcPitch, i32 w, i32 h, u16 key);

// Stretched copy, nearest pixel. Both rectangles must lie wholly inside their surfaces.
i32 StretchRect(Surface* dst, const Rect& dstRect, Surface* src, const Rect& srcRect, bool keyed);

// Fills a rectangle with a pixel value; the rectangle must lie wholly inside the surface.
i32 FillRect(Surface* dst, const Rect& r, u16 pixel);

// The device-context view of a surface: RGB colours in and out. GetPixel answers kInvalidRgb outside
// the surface; SetPixel answers the colour actually set (kInvalidRgb outside).
u32 GetPixelRgb(const Surface* s, i32 x, i32 y);
u32 SetPixelRgb(Surface* s, i32 x, i32 y, u32 rgb);

// Converts a 16-bit picture (rgb565 false: 5-5-5) into 32-bit pixels 0x00RRGGBB, each channel widened
// as PixelToRgb does. Rows of `width` pixels, `height` of them; pitches in bytes.
void ConvertToXrgb8888(const u16* src, i32 srcPitch, i32 width, i32 height, bool rgb565, u32* dst, i32 dstPitch);

// A decoded picture: 8-bit channels per pixel, rows packed, top row first.
struct Bitmap {
    i32 width = 0, height = 0;
    // 0x00BBGGRR per pixel, width * height entries.
    const u32* rgb = nullptr;
};

// Copies (with nearest stretching) the bitmap's rectangle (sx, sy, sw, sh) onto the whole surface,
// the way a device-context stretch copy did. Each colour goes through RgbToPixel.
i32 CopyBitmapToSurface(Surface* dst, const Bitmap& bmp, i32 sx, i32 sy, i32 sw, i32 sh);

}  // namespace host
