// Fonts and text for the 16-bit surfaces: FreeType outlines found through fontconfig.
//
// A font is made from a descriptor in the shape the library keeps (height, width, escapement, weight,
// italic, underline, character set, face name). Making a font never fails: a face name that names no
// installed face falls back to the best face for the character set. Text is code page 932 (Shift-JIS)
// and is drawn without anti-aliasing: a glyph pixel is either set or not.
//
// Sizes: a positive height is the cell height (ascent + descent) in pixels, a negative one the character
// height (the em), 0 a default of 16. Width 0 keeps the natural proportions, otherwise it is the average
// character width. Escapement is in tenths of a degree, counter-clockwise on the screen; the whole line
// turns about its reference point, which is the top-left corner of the text cell.
#pragma once
#include <string>
#include <vector>

#include "host/types.h"

namespace host {

// The font descriptor: 60 bytes, the layout the library keeps in its own block.
struct FontDesc {
    i32 height = 0;
    i32 width = 0;
    i32 escapement = 0;   // tenths of a degree
    i32 orientation = 0;  // kept for the layout; glyphs always follow the escapement
    i32 weight = 0;       // 0 any, 400 normal, 700 bold
    u8 italic = 0;
    u8 underline = 0;
    u8 strikeOut = 0;
    u8 charSet = 0;       // 128 Japanese (Shift-JIS)
    u8 outPrecision = 0;
    u8 clipPrecision = 0;
    u8 quality = 0;
    u8 pitchAndFamily = 0;
    char faceName[32] = {};  // code page 932, zero-terminated
};
static_assert(sizeof(FontDesc) == 60, "the font descriptor is a 60-byte block");

enum : u8 { kCharSetAnsi = 0, kCharSetDefault = 1, kCharSetSymbol = 2, kCharSetShiftJis = 128 };

class Font;

// Makes a font from the descriptor. Never fails.
Font* CreateFont(const FontDesc& desc);
void DeleteFont(Font* font);  // nullptr is ignored
i32 LiveFontCount();          // fonts made and not yet deleted (tests check for leaks)
// The font a device context draws with when none is selected: the Gothic face, a 16-pixel cell.
// It lives for the whole run and is not counted above; never delete it.
Font* StockFont();

// The family name (UTF-8) of the face a font was given, e.g. "IPAGothic".
std::string FontFamily(const Font* font);
const FontDesc& FontDescOf(const Font* font);

struct FontMetrics {
    i32 height = 0;        // cell height: ascent + descent
    i32 ascent = 0;
    i32 descent = 0;
    i32 avgCharWidth = 0;
    i32 maxCharWidth = 0;
};
FontMetrics GetFontMetrics(const Font* font);

// True when the font has a face with a glyph for every character of `len` bytes of code page 932 text
// (blanks aside): the text would read as drawn, not as missing-glyph boxes or nothing at all.
bool FontDrawsText(const Font* font, const char* text, i32 len);

// Advance of one character given as its code page 932 bytes (1 or 2). Characters the face lacks
// advance by the width of its missing-glyph box.
i32 CharAdvance(const Font* font, const char* bytes, i32 len);

// Size of `len` bytes of code page 932 text laid on one line, unturned: cx the sum of the advances,
// cy the cell height. A lead byte at the very end counts as a one-byte character.
void TextExtent(const Font* font, const char* text, i32 len, i32* cx, i32* cy);

// A clip box in target pixels; right and bottom exclusive.
struct ClipBox {
    i32 left, top, right, bottom;
};

// Receives horizontal runs of set glyph pixels: `count` pixels from (x, y) rightwards, already clipped.
using SpanFn = void (*)(void* user, i32 x, i32 y, i32 count);

// Rasterises `len` bytes of text with the cell's top-left corner at (x, y) into spans. Only the glyph
// pixels (and the underline) are reported; filling the cell box is the caller's business (see CellCorners).
void TextSpans(const Font* font, i32 x, i32 y, const char* text, i32 len, const ClipBox& clip, SpanFn fn,
               void* user);

// Fills the even-odd interior of a polygon whose vertices are in pixel-corner coordinates: pixel (x, y)
// is inside when its centre (x + 0.5, y + 0.5) is. Shared by the text cell box and the device context.
void FillPolygonSpans(const double* xs, const double* ys, i32 n, const ClipBox& clip, SpanFn fn, void* user);

// The four corners of the text cell box of `cx` pixels drawn at (x, y), turned by the font's escapement:
// top-left, top-right, bottom-right, bottom-left (pixel corners, rounded to whole pixels).
void CellCorners(const Font* font, i32 x, i32 y, i32 cx, i32 outX[4], i32 outY[4]);

// The Unicode character a code page 932 character (1 or 2 bytes) is drawn as; 0 when it has none.
u32 Cp932CharToUnicode(const char* bytes, i32 len);

// One installed face as the font list shows it.
struct FaceInfo {
    std::string nameCp932;  // the family name in code page 932
    u8 charSet = 0;         // 128 Japanese, 2 symbol, 0 other
    bool fixedPitch = false;
};
// Every installed family name that converts to code page 932, each once, in a stable order
// (the Japanese faces first, then by name). Names that don't convert are left out.
std::vector<FaceInfo> EnumFaces();

}  // namespace host
