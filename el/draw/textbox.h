// Laid-out text: Shift-JIS text in a box with automatic line breaks (double-byte characters kept whole,
// hanging punctuation), shadow and overdraw emphasis, a record of every character's rectangle, and the
// typewriter reveal; a smoothed variant drawn at twice the size and shrunk through a 3x3 filter; and
// two thin wrappers of the device context's laid-out text.
//
// Text is laid out in the Font object (object 2, black is transparent) at its screen position and
// copied from there to the back buffer. Calling order: SetFont, SetTextColors, DrawTextBox (or its
// Default form), ReleaseFont; then TypeText once a frame for a prepared box.
#pragma once
#include <vector>

#include "el/elSystem.h"
#include "host/types.h"

// Entry 0: the bounding box of all drawn text; 1 and up: the drawn characters in order.
extern std::vector<IntRect> CharRects;
extern i32 CharCount;     // one more than the number of character rectangles recorded
extern i32 RevealCount;   // how many characters TypeText has reached
extern f32 RevealClock;   // seconds since the last character was revealed
extern IntRect MeasureRect;  // what MeasureText found

// Style word bits.
enum : u16 {
    kTextSpacingMask = 0x00FF,  // extra line spacing in pixels
    kTextShadow = 0x0100,
    kTextBold = 0x0200,
    kTextTall = 0x0400,
};

namespace elDraw {

void DrawTextBox(i32 left, i32 top, i32 right, i32 bottom, const char* text, u16 style);
void DrawTextBoxDefault(i32 left, i32 top, i32 right, i32 bottom, const char* text, u16 style);
// Copies the revealed characters to the back buffer and advances the reveal; 1 when all are shown.
i32 TypeText(f32 secondsPerChar);

void SetFontOnDC(i32 face, i32 size);
void SetFontOnDCEx(const char* faceName, i32 size);
void ReleaseFontOnDC();
void DrawTextStyled(i32 left, i32 top, i32 right, i32 bottom, const char* text, u16 style);
// Shrinks one line (w2 x h2 doubled units from (sx, sy) of the Font buffer) into the Font object at
// (dx, dy), blended against the back buffer. 0 when a lock failed.
i32 DrawTextStyledBody(i32 dx, i32 dy, i32 sx, i32 sy, i32 w2, i32 h2);
void DrawTextStyledDefault(i32 left, i32 top, i32 right, i32 bottom, const char* text, u16 style);

// Laid-out text on the device context in use: alignment 0 left, 1 centre, 2 right (any other draws
// nothing); returns the height drawn.
i32 DrawTextRect(i32 left, i32 top, i32 right, i32 bottom, const char* text, i32 alignment);
// Measures the rectangle the text needs into MeasureRect; draws nothing. Returns its height.
i32 MeasureText(i32 left, i32 top, i32 right, i32 bottom, const char* text);

}  // namespace elDraw
