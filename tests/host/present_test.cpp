// The picture into a window's own 32-bit memory: where it lands, which picture pixel each window pixel
// shows (the pixel under its centre), black bars, and an unscaled picture that is the back buffer itself.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "host/present.h"
#include "host/surface.h"

namespace {

constexpr u32 kUntouched = 0xA5A5A5A5;

struct Picture {
    i32 w, h;
    std::vector<u16> px;
    Picture(i32 width, i32 height, u32 seed) : w(width), h(height), px(static_cast<size_t>(width * height)) {
        std::mt19937 rng(seed);
        for (u16& p : px) p = static_cast<u16>(rng());
    }
    u16 At(i32 x, i32 y) const { return px[static_cast<size_t>(y * w + x)]; }
};

// A window's memory with a pitch wider than its rows, the slack marked so a write past a row shows.
struct WindowMemory {
    i32 w, h, pitchPixels;
    std::vector<u32> px;
    WindowMemory(i32 width, i32 height) : w(width), h(height), pitchPixels(width + 3), px(static_cast<size_t>((width + 3) * height), kUntouched) {}
    u32 At(i32 x, i32 y) const { return px[static_cast<size_t>(y * pitchPixels + x)]; }
};

// Draws the picture into a fresh window the way the backend does: bars cleared once, then the picture.
WindowMemory Show(const Picture& pic, i32 windowW, i32 windowH, bool rgb565, host::WindowScale* ws) {
    WindowMemory win(windowW, windowH);
    EXPECT_TRUE(host::WindowScale_Fit(ws, pic.w, pic.h, windowW, windowH));
    host::WindowScale_Clear(*ws, win.px.data(), win.pitchPixels * 4);
    host::WindowScale_Draw(ws, pic.px.data(), pic.w * 2, rgb565, win.px.data(), win.pitchPixels * 4);
    return win;
}

u32 Widened565(u16 p) {
    const u32 bgr = host::PixelToRgb(host::LayoutOf(host::PixelFormatKind::Rgb565), p);
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | (bgr >> 16);
}

TEST(WindowPicture, LetterboxKeepsTheShapeAndCentresTheBars) {
    struct Case { i32 ww, wh; host::PictureRect want; };
    const Case cases[] = {
        {800, 600, {0, 0, 800, 600}},      // unscaled
        {1280, 1024, {0, 32, 1280, 960}},  // a 5:4 desktop: bars above and below
        {1600, 1200, {0, 0, 1600, 1200}},  // the same shape, filled exactly
        {1199, 600, {199, 0, 800, 600}},   // bars at the sides, the odd pixel to the right
        {997, 613, {90, 0, 817, 613}},     // rounded down: 800 * 613 / 600 = 817.3
        {801, 1000, {0, 200, 801, 600}},   // 600 * 801 / 800 = 600.75
    };
    for (const Case& c : cases) {
        const host::PictureRect r = host::Letterbox(800, 600, c.ww, c.wh);
        EXPECT_EQ(r.left, c.want.left) << c.ww << "x" << c.wh;
        EXPECT_EQ(r.top, c.want.top) << c.ww << "x" << c.wh;
        EXPECT_EQ(r.width, c.want.width) << c.ww << "x" << c.wh;
        EXPECT_EQ(r.height, c.want.height) << c.ww << "x" << c.wh;
    }
    const host::PictureRect none = host::Letterbox(800, 600, 0, 0);
    EXPECT_EQ(none.width * none.height, 0) << "a window with no room shows nothing";
}

// Every window pixel against the rule stated independently in floating point: inside the rectangle the
// picture pixel under the window pixel's centre, black outside, nothing written past a row's end.
TEST(WindowPicture, EachWindowPixelShowsThePicturePixelUnderItsCentre) {
    const Picture pic(800, 600, 11);
    struct Size { i32 w, h; };
    // The full-screen desktop, an odd scale each way, a scale of one and a half, bars at the sides, a shrink.
    for (const Size s : {Size{1280, 1024}, Size{997, 613}, Size{1200, 900}, Size{1199, 600}, Size{640, 500}}) {
        host::WindowScale ws;
        const WindowMemory win = Show(pic, s.w, s.h, true, &ws);
        const host::PictureRect r = ws.rect;
        i32 wrong = 0;
        for (i32 y = 0; y < s.h; ++y) {
            for (i32 x = 0; x < s.w; ++x) {
                u32 want = 0;
                if (x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height) {
                    const auto px = static_cast<i32>(std::floor((x - r.left + 0.5) * pic.w / r.width));
                    const auto py = static_cast<i32>(std::floor((y - r.top + 0.5) * pic.h / r.height));
                    want = Widened565(pic.At(px, py));
                }
                if (win.At(x, y) != want && ++wrong <= 3) ADD_FAILURE() << s.w << "x" << s.h << " at " << x << "," << y;
            }
            for (i32 x = s.w; x < win.pitchPixels; ++x) ASSERT_EQ(win.At(x, y), kUntouched) << "past the row end";
        }
        EXPECT_EQ(wrong, 0) << s.w << "x" << s.h;
    }
}

// Grown, no picture row or column is left out and none is shown by more than the scale allows.
TEST(WindowPicture, GrowingShowsEveryPicturePixel) {
    host::WindowScale ws;
    for (const i32 side : {960, 613, 900, 1024}) {
        ASSERT_TRUE(host::WindowScale_Fit(&ws, 800, 600, side * 4 / 3 + 1, side));
        std::vector<i32> seen(600, 0);
        for (const u16 row : ws.row) ++seen[row];
        const i32 most = (ws.rect.height + 599) / 600;
        for (i32 y = 0; y < 600; ++y) {
            ASSERT_GE(seen[static_cast<size_t>(y)], 1) << "row " << y << " at height " << ws.rect.height;
            ASSERT_LE(seen[static_cast<size_t>(y)], most) << "row " << y << " at height " << ws.rect.height;
        }
        EXPECT_EQ(ws.column.front(), 0);
        EXPECT_EQ(ws.column.back(), 799);
    }
    EXPECT_FALSE(host::WindowScale_Fit(&ws, 800, 600, 1024 * 4 / 3 + 1, 1024)) << "the same sizes keep the tables";
}

// Unscaled, each window pixel narrowed back to 16 bits is the back buffer's pixel, on both layouts.
TEST(WindowPicture, UnscaledIsTheBackBufferBitForBit) {
    const Picture pic(800, 600, 3);
    for (const bool rgb565 : {true, false}) {
        host::WindowScale ws;
        const WindowMemory win = Show(pic, 800, 600, rgb565, &ws);
        const host::PixelLayout layout = host::LayoutOf(rgb565 ? host::PixelFormatKind::Rgb565 : host::PixelFormatKind::Rgb555);
        for (i32 y = 0; y < 600; ++y)
            for (i32 x = 0; x < 800; ++x) {
                const u32 xrgb = win.At(x, y);
                const u32 rgb = ((xrgb >> 16) & 0xFF) | (xrgb & 0xFF00) | ((xrgb & 0xFF) << 16);
                const u16 back = static_cast<u16>(pic.At(x, y) & (layout.rMask | layout.gMask | layout.bMask));
                ASSERT_EQ(host::RgbToPixel(layout, rgb), back) << (rgb565 ? "565" : "555") << " at " << x << "," << y;
                ASSERT_EQ(xrgb >> 24, 0u);
            }
    }
}

// The mouse over the picture lands on the picture pixel it points at; over a bar, on the picture's edge.
TEST(WindowPicture, MouseOverBarsStaysOnThePicture) {
    const host::PictureRect r = host::Letterbox(800, 600, 1280, 1024);
    struct Case { i32 x, y, wantX, wantY; };
    for (const Case c : {Case{0, 0, 0, 0}, Case{1279, 1023, 799, 599}, Case{640, 10, 400, 0}, Case{640, 1000, 400, 599},
                         Case{0, 32, 0, 0}, Case{1279, 991, 799, 599}, Case{8, 40, 5, 5}}) {
        i32 x = c.x, y = c.y;
        host::WindowToPicture(r, 800, 600, &x, &y);
        EXPECT_EQ(x, c.wantX) << c.x << "," << c.y;
        EXPECT_EQ(y, c.wantY) << c.x << "," << c.y;
    }
    // A window's cursor is not kept: over the bars it maps off the picture, left and above rounding down.
    for (const Case c : {Case{640, 10, 400, -14}, Case{640, 1000, 400, 605}, Case{640, 31, 400, -1}, Case{640, 32, 400, 0},
                         Case{1279, 992, 799, 600}}) {
        i32 x = c.x, y = c.y;
        host::WindowToPicture(r, 800, 600, &x, &y, false);
        EXPECT_EQ(x, c.wantX) << c.x << "," << c.y;
        EXPECT_EQ(y, c.wantY) << c.x << "," << c.y;
    }
}

// On a scaled display the window's memory counts other pixels than the window's units, in which the mouse
// comes: a position maps to the picture pixel drawn under it in that memory, also at a fractional scale and
// when the memory was last drawn at another size than the window now reports.
TEST(WindowPicture, TheMouseLandsOnThePixelDrawnUnderItWhateverTheMemorysScale) {
    const Picture pic(800, 600, 23);
    struct Case { i32 unitsW, unitsH, memoryW, memoryH; };
    for (const Case c : {Case{1000, 600, 1500, 900}, Case{1000, 600, 2000, 1200}, Case{800, 600, 1280, 1024},
                         Case{1280, 1024, 1000, 600}}) {
        host::WindowScale ws;
        const WindowMemory win = Show(pic, c.memoryW, c.memoryH, true, &ws);
        for (i32 uy = 0; uy < c.unitsH; uy += 7)
            for (i32 ux = 0; ux < c.unitsW; ux += 5) {
                i32 x = ux, y = uy;
                host::WindowPointToPicture(ws, 800, 600, c.unitsW, c.unitsH, &x, &y, false);
                const i32 mx = static_cast<i32>(static_cast<i64>(ux) * c.memoryW / c.unitsW);
                const i32 my = static_cast<i32>(static_cast<i64>(uy) * c.memoryH / c.unitsH);
                const bool over = x >= 0 && x < 800 && y >= 0 && y < 600;
                const host::PictureRect& r = ws.rect;
                ASSERT_EQ(over, mx >= r.left && mx < r.left + r.width && my >= r.top && my < r.top + r.height)
                    << c.unitsW << "x" << c.unitsH << " at " << ux << "," << uy;
                if (over) {
                    ASSERT_EQ(win.At(mx, my), Widened565(pic.At(x, y))) << c.unitsW << "x" << c.unitsH << " at " << ux << "," << uy;
                }
            }
    }
    // Before anything is drawn: the letterbox of the window's units.
    i32 x = 640, y = 10;
    host::WindowPointToPicture(host::WindowScale{}, 800, 600, 1280, 1024, &x, &y, true);
    EXPECT_EQ(x, 400);
    EXPECT_EQ(y, 0);
}

}  // namespace
