// The per-frame present, the wipes laid over it, the clip wipe and the library pause.
#include "el/draw/present.h"

#include <algorithm>
#include <cmath>

#include "el/draw/blit.h"
#include "el/draw/screen.h"
#include "host/crt.h"
#include "host/window.h"

WipeRecord WipeState{};
i32 WipeTileObject = 0;
u32 VSync = 0;
LibraryPauseRecord LibraryPause{};
ClipWipeRecord ClipWipe{};
IntRect SavedClipRect{};

namespace elDraw {
namespace {

// Rows a..b of the captured screen (object 1), full width, at (x, y).
void Rows(i32 x, i32 y, i32 a, i32 b) { PutSpriteNoKey(x, y, 1, 0, a, ScreenWidth, b); }
// Columns a..b of the captured screen, all rows, at (x, y).
void Columns(i32 x, i32 y, i32 a, i32 b) { PutSpriteNoKey(x, y, 1, a, 0, b, ScreenHeight); }

// The sideways tear of kinds 3 and 4: rand() % (2(S - s) + 2) - (S - s + 1); 0 when that range is empty.
i32 TearOffset(i32 s, i32 S) {
    const i64 range = 2 * (static_cast<i64>(S) - s) + 2;
    if (range <= 0) return 0;
    return static_cast<i32>(host::Rand() % range - (static_cast<i64>(S) - s + 1));
}

void DrawPattern(u32 kind, i32 s, i32 S) {
    const i32 W = ScreenWidth, H = ScreenHeight;
    const i32 k = S - s + 1;
    switch (kind) {
        case 1:
            for (i32 r = 0; r < H; ++r)
                if (r % s != 0) Rows(0, r, r, r + 1);
            break;
        case 2:
            for (i32 r = 0; r < H; r += S) Rows(0, r, r, r + s + 1);
            break;
        case 3:
            for (i32 r = 0; r < H; ++r)
                if (r % s != 0) Rows(TearOffset(s, S), r, r, r + 1);
            break;
        case 4:
            for (i32 r = 0; r < H; r += S) Rows(TearOffset(s, S), r, r, r + s + 1);
            break;
        case 5: Rows(0, (-H / S) * k, 0, H); break;
        case 6: Rows(0, (H / S) * k, 0, H); break;
        case 7: Rows((-W / S) * k, 0, 0, H); break;
        case 8: Rows((W / S) * k, 0, 0, H); break;
        case 9:
            Rows(0, ((-H) / 2 / S) * k, 0, H / 2);
            Rows(0, H / 2 + (H / 2 / S) * k, H / 2, H);
            break;
        case 10:
            Columns(((-W) / 2 / S) * k, 0, 0, W / 2);
            Columns(W / 2 + (W / 2 / S) * k, 0, W / 2, W);
            break;
        case 11: Columns(0, 0, 0, (W / S) * s); break;
        case 12: Columns((W / S) * k, 0, (W / S) * k, W); break;
        default: break;
    }
}

void DrawPause() {
    LibraryPauseRecord& p = LibraryPause;
    for (i32 i = 0; i <= 10; ++i)
        for (i32 j = 0; j <= 10; ++j)
            PutSprite(64 * i + static_cast<i32>(p.tileX), 48 * j + static_cast<i32>(p.tileY), p.tileObject, 0, 0, 64, 48);
    p.tileX -= FrameTime * 10.0f;
    p.tileY -= FrameTime * 10.0f;
    if (!std::isfinite(p.tileX)) p.tileX = 0.0f;
    if (!std::isfinite(p.tileY)) p.tileY = 0.0f;
    if (p.tileX <= -64.0f) p.tileX = std::fmod(p.tileX, 64.0f);
    if (p.tileY <= -48.0f) p.tileY = std::fmod(p.tileY, 48.0f);

    const i32 clipW = ClipRect.right - ClipRect.left, clipH = ClipRect.bottom - ClipRect.top;
    const i32 row = static_cast<i32>(p.scroll);
    PutSprite(ClipRect.left, ClipRect.top, p.pageObject, 0, row, clipW, row + clipH);

    switch (PauseKey) {
        case host::kVkUp: p.scroll -= FrameTime * 100.0f; break;
        case host::kVkLeft: p.scroll -= FrameTime * 300.0f; break;
        case host::kVkDown: p.scroll += FrameTime * 100.0f; break;
        case host::kVkRight: p.scroll += FrameTime * 300.0f; break;
        default: break;
    }
    // The lower bound last, so a page shorter than the clip area stays at its top.
    const f32 maxScroll = static_cast<f32>(p.pageHeight - clipH);
    if (p.scroll > maxScroll) p.scroll = maxScroll;
    if (!(p.scroll >= 0.0f)) p.scroll = 0.0f;
}

// The four edges of the ClipRect and of the saved one, in one place for the clip wipe's steps.
bool PairDone(i32 a, i32 b, i32 sa, i32 sb) { return a == sa && b == sb; }

}  // namespace

void DrawWipe() {
    if (WipeState.wipeStep == 0) return;
    if (WipeState.wipeKind == 0) {
        const i32 sx = 64 * (WipeState.wipeStep - 1);
        for (i32 i = 0; i <= 9; ++i)
            for (i32 j = 0; j <= 9; ++j) PutSprite(64 * i, 48 * j, WipeTileObject, sx, 0, sx + 64, 48);
    } else if (WipeState.wipeKind <= 12 && WipeState.wipeStrip > 0) {
        DrawPattern(WipeState.wipeKind, WipeState.wipeStep, WipeState.wipeStrip);
    }
}

void Flip() {
    if (WipeState.wipeStep != 0) {
        DrawWipe();
        WipeState.wipeStep += WipeState.wipeDir;
        if ((WipeState.wipeDir == -1 && WipeState.wipeStep < 1) || (WipeState.wipeDir == 1 && WipeState.wipeStep > 10)) {
            WipeState.wipeStep = 0;
            WipeState.wipeDir = 0;
        }
    }
    if (LibraryPause.on) DrawPause();
    if (!DirectDrawObject || !PrimarySurface || !BackBuffer) return;
    if (VSync) host::WaitForVerticalBlank(DirectDrawObject);
    // The primary surface is the window's picture; the ClientRect is where it sits on the desktop.
    const host::Rect dst{ClientRect.left - ClientOrigin.x, ClientRect.top - ClientOrigin.y,
                         ClientRect.right - ClientOrigin.x, ClientRect.bottom - ClientOrigin.y};
    const host::Rect src{ScreenRect.left, ScreenRect.top, ScreenRect.right, ScreenRect.bottom};
    // Unscaled, the back buffer goes to the display as it stands; only a scaled present draws the primary.
    const bool unscaled = dst.left == 0 && dst.top == 0 && dst.right - dst.left == src.right - src.left &&
                          dst.bottom - dst.top == src.bottom - src.top && dst.right == PrimarySurface->Width() &&
                          dst.bottom == PrimarySurface->Height();
    if (unscaled) {
        if (host::PresentPicture(DirectDrawObject, PrimarySurface, BackBuffer, src) == host::kSurfaceLost) RestoreAll();
        return;
    }
    const i32 rc = host::StretchRect(PrimarySurface, dst, BackBuffer, src, false);
    if (rc == host::kSurfaceLost) {
        RestoreAll();
        return;
    }
    if (rc == host::kSurfaceOk) host::PresentPrimary(DirectDrawObject, PrimarySurface);
}

void SetVSync(u32 on) { VSync = on; }

void CaptureToObject(i32 objectNo, i32 left, i32 top, i32 right, i32 bottom) {
    host::Surface* dst = ObjectSurface(objectNo);
    if (!dst || !BackBuffer) return;
    if (host::CopyRect(dst, 0, 0, BackBuffer, host::Rect{left, top, right, bottom}, false) == host::kSurfaceLost)
        RestoreAll();
}

void StartWipe() {
    WipeState.wipeStep = 1;
    WipeState.wipeDir = 1;
}

void StartWipeReverse() {
    WipeState.wipeStep = 10;
    WipeState.wipeDir = -1;
}

void LoadWipeTiles(const char* file) {
    SetLoadColorKey(0);
    WipeTileObject = LoadObject(file, 2);
}

void LoadPauseImages(const char* pageFile, const char* tileFile, i32 pageHeight) {
    SetLoadColorKey(0);
    if (LibraryPause.pageObject != 0) {
        SwapObject(pageFile, LibraryPause.pageObject, 2);
        SwapObject(tileFile, LibraryPause.tileObject, 2);
    } else {
        LibraryPause.pageObject = LoadObject(pageFile, 2);
        LibraryPause.tileObject = LoadObject(tileFile, 2);
    }
    LibraryPause.scroll = 0.0f;
    LibraryPause.pageHeight = pageHeight;
}

i32 StartClipWipe(i32 closing, i32 kind, f32 speed, i32 spread) {
    if (kind < 0 || kind > 9) return 0;
    if (ClipWipe.state > 0) return 0;
    if (ClipWipe.state == -1) ClipRect = SavedClipRect;
    SavedClipRect = ClipRect;
    if (kind == 0) kind = host::Rand() % 9 + 1;
    ClipWipe.opened = 0;
    ClipWipe.closed = 0;
    ClipWipe.closing = closing;
    ClipWipe.kind = kind;
    ClipWipe.speed = speed;
    ClipWipe.spread = spread;
    if (closing != 0) {
        ClipWipe.state = 2;
        return 1;
    }
    ClipWipe.state = 1;
    const IntRect& s = SavedClipRect;
    const i32 cx = (s.right - s.left) / 2 + s.left, cy = (s.bottom - s.top) / 2 + s.top, half = spread / 2;
    IntRect& c = ClipRect;
    switch (kind) {
        case 1: c.top = c.bottom; break;
        case 2: c.bottom = c.top; break;
        case 3: c.left = c.right; break;
        case 4: c.right = c.left; break;
        case 5: c.top = c.bottom = cy; break;
        case 6: c.left = c.right = cx; break;
        case 7:
            c.left = c.right = cx;
            c.top = c.bottom = cy;
            break;
        case 8:
            c.top = c.bottom = cy;
            c.left = cx - half;
            c.right = cx + half;
            break;
        case 9:
            c.left = c.right = cx;
            c.top = cy - half;
            c.bottom = cy + half;
            break;
        default: break;
    }
    return 1;
}

namespace {

// One step of an opening wipe: the clip rectangle `c` grows by `d` pixels toward the saved one `s` in the
// wipe's pattern. True once it has reached it.
bool OpenStep(IntRect& c, const IntRect& s, i32 d) {
    bool done = false;
    auto openV = [&] {
        c.top -= d;
        c.bottom += d;
        if (c.top <= s.top || c.bottom >= s.bottom) {
            c.top = s.top;
            c.bottom = s.bottom;
        }
    };
    auto openH = [&] {
        c.left -= d;
        c.right += d;
        if (c.left <= s.left || c.right >= s.right) {
            c.left = s.left;
            c.right = s.right;
        }
    };
    switch (ClipWipe.kind) {
        case 1:
            c.top -= d;
            if (c.top <= s.top) c.top = s.top, done = true;
            break;
        case 2:
            c.bottom += d;
            if (c.bottom >= s.bottom) c.bottom = s.bottom, done = true;
            break;
        case 3:
            c.left -= d;
            if (c.left <= s.left) c.left = s.left, done = true;
            break;
        case 4:
            c.right += d;
            if (c.right >= s.right) c.right = s.right, done = true;
            break;
        case 5:
            openV();
            done = PairDone(c.top, c.bottom, s.top, s.bottom);
            break;
        case 6:
            openH();
            done = PairDone(c.left, c.right, s.left, s.right);
            break;
        case 7:
            if (!PairDone(c.top, c.bottom, s.top, s.bottom)) openV();
            if (!PairDone(c.left, c.right, s.left, s.right)) openH();
            break;
        case 8:
            if (!PairDone(c.top, c.bottom, s.top, s.bottom))
                openV();
            else
                openH();
            break;
        case 9:
            if (!PairDone(c.left, c.right, s.left, s.right))
                openH();
            else
                openV();
            break;
        default: done = true; break;
    }
    if (ClipWipe.kind >= 7 && ClipWipe.kind <= 9)
        done = PairDone(c.top, c.bottom, s.top, s.bottom) && PairDone(c.left, c.right, s.left, s.right);
    return done;
}

// One step of a closing wipe: the clip rectangle `c` shrinks by `d` pixels inside the saved one `s` in the
// wipe's pattern. True once it has closed.
bool CloseStep(IntRect& c, const IntRect& s, i32 d) {
    bool done = false;
    const i32 cx = (s.right - s.left) / 2 + s.left, cy = (s.bottom - s.top) / 2 + s.top, half = ClipWipe.spread / 2;
    switch (ClipWipe.kind) {
        case 1:
            c.top += d;
            done = c.top >= s.bottom;
            break;
        case 2:
            c.bottom -= d;
            done = c.bottom <= s.top;
            break;
        case 3:
            c.left += d;
            done = c.left >= s.right;
            break;
        case 4:
            c.right -= d;
            done = c.right <= s.left;
            break;
        case 5:
            c.top += d;
            c.bottom -= d;
            done = c.bottom <= c.top;
            break;
        case 6:
            c.left += d;
            c.right -= d;
            done = c.right <= c.left;
            break;
        case 7:
            c.left += d;
            c.right -= d;
            c.top += d;
            c.bottom -= d;
            if (c.right <= c.left) c.left = c.right = cx;
            if (c.bottom <= c.top) c.top = c.bottom = cy;
            done = c.left == c.right && c.top == c.bottom;
            break;
        case 8:
            if (c.left != cx - half && c.right != cx + half) {
                c.left += d;
                c.right -= d;
                if (c.left >= cx - half || c.right <= cx + half) {
                    c.left = cx - half;
                    c.right = cx + half;
                }
            } else {
                c.top += d;
                c.bottom -= d;
                done = c.bottom <= c.top;
            }
            break;
        case 9:
            if (c.top != cy - half && c.bottom != cy + half) {
                c.top += d;
                c.bottom -= d;
                if (c.top >= cy - half || c.bottom <= cy + half) {
                    c.top = cy - half;
                    c.bottom = cy + half;
                }
            } else {
                c.left += d;
                c.right -= d;
                done = c.right <= c.left;
            }
            break;
        default: done = true; break;
    }
    return done;
}

}  // namespace

i32 StepClipWipe() {
    if (ClipWipe.state <= 0) return 0;
    // The step is the single-precision product, truncated (0.7 s at 10 px/s is 7.0f: 8 pixels).
    const f32 move = FrameTime * ClipWipe.speed;
    const i32 d = std::isfinite(move) && move > 0.0f ? static_cast<i32>(std::min(move, 1e6f)) + 1 : 1;
    if (ClipWipe.state == 1) {
        if (OpenStep(ClipRect, SavedClipRect, d)) {
            ClipWipe.state = 0;
            ClipWipe.opened = 1;
        }
        return 1;
    }
    if (CloseStep(ClipRect, SavedClipRect, d)) {
        ClipWipe.state = -1;
        ClipWipe.closed = 1;
    }
    return 1;
}

void CloseClipWipe() {
    // Closing twice keeps the real rectangle saved instead of the collapsed one.
    if (ClipWipe.state != -1) SavedClipRect = ClipRect;
    ClipRect.right = ClipRect.left;
    ClipRect.bottom = ClipRect.top;
    ClipWipe.state = -1;
}

}  // namespace elDraw

namespace elSystem {

void TogglePause() {
    if (LibraryPause.on)
        LibraryPause.on = 0;
    else if (LibraryPause.pageHeight != 0)
        LibraryPause.on = 1;
}

}  // namespace elSystem
