// Fonts and text on the back buffer: the current font, colours, the installed-font list, the line
// printer and the frame-rate meter; and the laid-out text boxes built on them (el/draw/textbox.h).
#pragma once
#include <cstdint>

#include "host/font.h"
#include "host/gdi.h"
#include "host/types.h"

// One entry of the installed-font list.
struct FontListEntry {
    char faceName[32];  // code page 932
    i32 fontClass;      // 1 Shift-JIS font, 3 symbol font, 2 any other; -1 in an empty entry
    u8 charSet;
};
constexpr i32 kFontListSize = 200;
extern FontListEntry FontList[kFontListSize];
extern i32 FontListCount;

// The descriptor every font call fills in part; it lives for the whole run.
extern host::FontDesc* FontDescBlock;
extern i32 fontSize;             // the height last given to a font call (doubled for the smoothed text)
extern host::Font* CurrentFont;  // the font made by the last font call, until it is released
extern host::Font* ReplacedFont; // the font it replaced in the device context
extern host::Dc* TextDC;         // the device context in use (the back buffer's, or an internal object's)
extern host::Surface* TextDCSurface;  // the surface whose context TextDC is
extern u32 textColor, shadowColor;    // RGB 0x00BBGGRR
extern u32 DrawAtOnce;           // 1: a finished text box goes to the back buffer at once

// The frame-rate meter.
struct FpsMeterState {
    f32 fps, maximum, minimum;
    i32 frames;  // frames counted in the running two-second window
};
extern FpsMeterState FpsMeter;

namespace elDraw {

// Face names built in: 0 the Mincho face, 1 the Gothic face.
extern const char* const kFaceNames[2];

void EnumFonts();
// Adds one face to the list; 0 to stop (the list is full), else 1.
i32 EnumFontsCallback(const host::FontDesc* desc, const host::FontMetrics* metrics, u32 fontType, std::intptr_t user);
void FreeFontList();

void SetFont(i32 face, i32 size, i32 angle, i32 weightKind, u8 italic, u8 underline);
void SetFontEx(const char* faceName, i32 size, i32 angle, i32 weightKind, u8 italic, u8 underline);
void ReleaseFont();
void SetTextColors(u32 text, u32 background, i32 transparent);
void TextOut(i32 x, i32 y, const char* text);
void PrintText(i32 x, i32 y, const char* text);
void PrintTextF(i32 x, i32 y, const char* format, ...) __attribute__((format(printf, 3, 4)));
void ShowFps();

// Shared with the text boxes: makes a font from the descriptor block and selects it into the context
// of `surface` (TextDC); ReleaseFont undoes it. Copies a face name of at most 31 bytes without cutting
// a double-byte character.
void OpenFontOn(host::Surface* surface);
void CopyFaceName(char* dst, const char* src);

}  // namespace elDraw
