// Showing the 16-bit picture in a window whose memory the program writes itself: where the picture lands
// (scaled to the window, bars above and below or at the sides), which picture pixel each window pixel
// shows, and the conversion to the window's 32-bit pixels. Plain code: the SDL backend hands it the
// window's surface, the tests hand it a buffer.
#pragma once
#include <vector>

#include "host/types.h"

namespace host {

// How the finished picture reaches the screen.
enum class PresentPath : u8 {
    Choose,   // decided at start: OpenGL where it is drawn by a graphics processor, else the window surface
    OpenGl,   // a streaming texture drawn by SDL's renderer
    Surface,  // our own conversion and scaling into the window's own memory
};

// The path KESTRALIS_PRESENT asks for: "opengl" or "surface" (any case). Unset or empty leaves the choice;
// so does any other value, which is said in one line.
PresentPath PresentPathFromSetting(const char* value);

// Where the picture lands in the window, in window pixels.
struct PictureRect {
    i32 left = 0, top = 0, width = 0, height = 0;
};

// The picture as large as the window allows at its own shape: the side that limits it is filled, the
// other is (other side × limiting window side / limiting picture side) rounded down and centred, the odd
// pixel of the bars below or to the right. A window of the picture's own shape is filled exactly.
PictureRect Letterbox(i32 pictureW, i32 pictureH, i32 windowW, i32 windowH);

// The picture pixel under a window position (the mouse). `keepInside`: a position over a bar is kept on
// the picture's nearest edge (a full-screen cursor); otherwise it maps to a position outside the picture.
void WindowToPicture(const PictureRect& r, i32 pictureW, i32 pictureH, i32* x, i32* y, bool keepInside = true);

// Which picture pixel each window pixel shows, worked out once per pair of sizes. Window pixel (X, Y)
// inside the picture's rectangle shows the picture pixel under its centre:
//     column (2·(X − left) + 1) · pictureW / (2 · width), row (2·(Y − top) + 1) · pictureH / (2 · height),
// both rounded down (the nearest-texel rule of a scaled texture). The bars are black.
struct WindowScale {
    i32 pictureW = 0, pictureH = 0, windowW = 0, windowH = 0;
    PictureRect rect;
    std::vector<u16> column;  // picture column of each window column of the rectangle
    std::vector<u16> row;     // picture row of each window row of the rectangle
    std::vector<u32> line;    // one picture row in 32-bit pixels, before it is spread across
};

// The picture pixel drawn under a window position given in the window's own units (the mouse), where the
// window's memory, last drawn by `ws`, may count more or fewer pixels than the window has units (a scaled
// display, or memory not yet made again after a resize): the position goes through the rectangle the picture
// was drawn in. Before anything is drawn, through the letterbox of the units. `keepInside` as above.
void WindowPointToPicture(const WindowScale& ws, i32 pictureW, i32 pictureH, i32 unitsW, i32 unitsH, i32* x, i32* y,
                          bool keepInside);

// Fits the tables to the sizes; true when they changed (the window's memory needs its bars drawn again).
bool WindowScale_Fit(WindowScale* ws, i32 pictureW, i32 pictureH, i32 windowW, i32 windowH);

// Fills the whole window with black (the bars, and the picture's place until it is drawn).
void WindowScale_Clear(const WindowScale& ws, u32* window, i32 windowPitch);

// Draws a 16-bit picture (rgb565 false: 5-5-5) into the window's 32-bit 0x00RRGGBB pixels by the rule
// above. Unscaled, each window pixel is its picture pixel widened; rows that repeat a picture row are
// copied from the row above. Only the picture's rectangle is written.
void WindowScale_Draw(WindowScale* ws, const u16* picture, i32 picturePitch, bool rgb565, u32* window,
                      i32 windowPitch);

}  // namespace host
