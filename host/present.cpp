// The picture into a window's own 32-bit memory: letterbox, nearest-pixel tables, conversion.
#include "host/present.h"

#include <strings.h>

#include <algorithm>
#include <cstring>

#include "host/report.h"
#include "host/surface.h"

namespace host {
namespace {

u32* WindowRow(u32* window, i32 pitch, i32 y) {
    return reinterpret_cast<u32*>(reinterpret_cast<u8*>(window) + static_cast<ptrdiff_t>(pitch) * y);
}

// The picture index under the centre of each of `out` window pixels spread over `in` picture pixels.
void CentreTable(std::vector<u16>* table, i32 in, i32 out) {
    table->resize(static_cast<size_t>(out));
    for (i32 i = 0; i < out; ++i)
        (*table)[static_cast<size_t>(i)] = static_cast<u16>((2 * static_cast<i64>(i) + 1) * in / (2 * static_cast<i64>(out)));
}

i64 FloorDiv(i64 n, i64 d) { return n >= 0 ? n / d : -((-n + d - 1) / d); }

__attribute__((target_clones("avx2", "default")))
void SpreadRow(const u32* __restrict line, const u16* __restrict column, u32* __restrict d, i32 n) {
    for (i32 x = 0; x < n; ++x) d[x] = line[column[x]];
}

}  // namespace

PresentPath PresentPathFromSetting(const char* value) {
    if (!value || !*value) return PresentPath::Choose;
    if (strcasecmp(value, "opengl") == 0) return PresentPath::OpenGl;
    if (strcasecmp(value, "surface") == 0) return PresentPath::Surface;
    ReportSettingNotUnderstood("KESTRALIS_PRESENT", value, "opengl or surface",
                               "choosing the way to show the picture by itself");
    return PresentPath::Choose;
}

PictureRect Letterbox(i32 pictureW, i32 pictureH, i32 windowW, i32 windowH) {
    if (pictureW <= 0 || pictureH <= 0 || windowW <= 0 || windowH <= 0) return {};
    PictureRect r;
    if (static_cast<i64>(windowW) * pictureH <= static_cast<i64>(windowH) * pictureW) {
        // The window is narrower than the picture's shape (or the same): full width, bars above and below.
        r.width = windowW;
        r.height = static_cast<i32>(static_cast<i64>(pictureH) * windowW / pictureW);
        r.top = (windowH - r.height) / 2;
    } else {
        r.height = windowH;
        r.width = static_cast<i32>(static_cast<i64>(pictureW) * windowH / pictureH);
        r.left = (windowW - r.width) / 2;
    }
    return r;
}

void WindowToPicture(const PictureRect& r, i32 pictureW, i32 pictureH, i32* x, i32* y, bool keepInside) {
    if (r.width <= 0 || r.height <= 0) return;
    // Rounded down, also left of and above the picture, so that a bar maps outside it; kept inside it on ask.
    auto map = [keepInside](i32 v, i32 from, i32 span, i32 size) {
        const i64 q = FloorDiv(static_cast<i64>(v - from) * size, span);
        return static_cast<i32>(keepInside ? std::clamp<i64>(q, 0, size - 1) : q);
    };
    *x = map(*x, r.left, r.width, pictureW);
    *y = map(*y, r.top, r.height, pictureH);
}

void WindowPointToPicture(const WindowScale& ws, i32 pictureW, i32 pictureH, i32 unitsW, i32 unitsH, i32* x, i32* y,
                          bool keepInside) {
    if (unitsW <= 0 || unitsH <= 0) return;
    if (ws.windowW <= 0 || ws.windowH <= 0 || ws.pictureW != pictureW || ws.pictureH != pictureH)
        return WindowToPicture(Letterbox(pictureW, pictureH, unitsW, unitsH), pictureW, pictureH, x, y, keepInside);
    const PictureRect& r = ws.rect;
    if (r.width <= 0 || r.height <= 0) return;
    // The memory pixel under the position, then the picture pixel under that pixel's centre, as drawn.
    auto map = [keepInside](i32 v, i32 units, i32 memory, i32 from, i32 span, i32 size) {
        const i64 m = FloorDiv(static_cast<i64>(v) * memory, units);
        const i64 q = FloorDiv((2 * (m - from) + 1) * size, 2 * static_cast<i64>(span));
        return static_cast<i32>(keepInside ? std::clamp<i64>(q, 0, size - 1) : q);
    };
    *x = map(*x, unitsW, ws.windowW, r.left, r.width, pictureW);
    *y = map(*y, unitsH, ws.windowH, r.top, r.height, pictureH);
}

bool WindowScale_Fit(WindowScale* ws, i32 pictureW, i32 pictureH, i32 windowW, i32 windowH) {
    if (ws->pictureW == pictureW && ws->pictureH == pictureH && ws->windowW == windowW && ws->windowH == windowH)
        return false;
    ws->pictureW = pictureW;
    ws->pictureH = pictureH;
    ws->windowW = windowW;
    ws->windowH = windowH;
    ws->rect = Letterbox(pictureW, pictureH, windowW, windowH);
    CentreTable(&ws->column, pictureW, ws->rect.width);
    CentreTable(&ws->row, pictureH, ws->rect.height);
    ws->line.resize(static_cast<size_t>(std::max(pictureW, 0)));
    return true;
}

void WindowScale_Clear(const WindowScale& ws, u32* window, i32 windowPitch) {
    for (i32 y = 0; y < ws.windowH; ++y) std::memset(WindowRow(window, windowPitch, y), 0, static_cast<size_t>(ws.windowW) * 4);
}

void WindowScale_Draw(WindowScale* ws, const u16* picture, i32 picturePitch, bool rgb565, u32* window,
                      i32 windowPitch) {
    const PictureRect& r = ws->rect;
    if (r.width <= 0 || r.height <= 0) return;
    if (r.width == ws->pictureW && r.height == ws->pictureH) {
        ConvertToXrgb8888(picture, picturePitch, r.width, r.height, rgb565, WindowRow(window, windowPitch, r.top) + r.left,
                          windowPitch);
        return;
    }
    const size_t rowBytes = static_cast<size_t>(r.width) * 4;
    i32 last = -1;
    for (i32 j = 0; j < r.height; ++j) {
        u32* d = WindowRow(window, windowPitch, r.top + j) + r.left;
        const i32 sy = ws->row[static_cast<size_t>(j)];
        if (sy == last) {
            std::memcpy(d, WindowRow(window, windowPitch, r.top + j - 1) + r.left, rowBytes);
            continue;
        }
        last = sy;
        const u16* s = reinterpret_cast<const u16*>(reinterpret_cast<const u8*>(picture) + static_cast<ptrdiff_t>(picturePitch) * sy);
        ConvertToXrgb8888(s, picturePitch, ws->pictureW, 1, rgb565, ws->line.data(), ws->pictureW * 4);
        SpreadRow(ws->line.data(), ws->column.data(), d, r.width);
    }
}

}  // namespace host
