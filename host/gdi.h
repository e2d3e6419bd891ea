// A small device-context drawing layer over the 16-bit surfaces.
//
// A context is taken on a surface and given back; while it is out the surface counts as locked (blits
// and other locks are refused). Every call on a context that could not be had (nullptr) does nothing.
// Drawing clips to the surface only.
//
// The rules kept here, pixel for pixel:
// - colours are RGB values 0x00BBGGRR, turned into pixels by the surface's RgbToPixel;
// - a pen of width 0 or 1 draws one-pixel lines that leave out their end pixel; a wider pen draws the
//   stroke with round caps and round joins, centred on the path;
// - rectangles are exclusive at right and bottom: the outline runs along left..right-1, top..bottom-1;
// - polygons are filled by the alternate (even-odd) rule, sampling pixel centres, then outlined;
// - hatched brushes use an 8x8 pattern aligned to the context's origin (the surface's top-left); the
//   gaps take the background colour in opaque mode and are left alone in transparent mode;
// - a Bezier run needs 1 + 3n points; any other count draws nothing.
#pragma once
#include "host/font.h"
#include "host/surface.h"
#include "host/types.h"

namespace host {

class Dc;

struct Point {
    i32 x = 0, y = 0;
};

enum : i32 { kPenSolid = 0, kPenNull = 5 };
struct Pen {
    i32 style = kPenSolid;
    i32 width = 1;
    u32 color = 0;
};

enum : i32 { kBrushSolid = 0, kBrushHollow = 1, kBrushHatched = 2 };
enum : i32 { kHatchHorizontal = 0, kHatchVertical = 1, kHatchFDiagonal = 2, kHatchBDiagonal = 3, kHatchCross = 4,
             kHatchDiagCross = 5 };
struct Brush {
    i32 style = kBrushSolid;
    u32 color = 0xFFFFFF;
    i32 hatch = kHatchDiagCross;
};

enum : i32 { kBkTransparent = 1, kBkOpaque = 2 };

// Takes the surface's context: nullptr when the surface is missing, lost, locked, already has a context
// out, or the fault point "GetDC" is armed.
Dc* GetDc(Surface* surface);
// Gives the context back (unlocks the surface). The context's selected font is not deleted.
void ReleaseDc(Dc* dc);
Surface* DcSurface(const Dc* dc);
i32 LiveDcCount();

// Selection: each returns what was selected before (the stock values for a fresh context: a black
// one-pixel solid pen, a white solid brush, the stock font as nullptr).
Pen SelectPen(Dc* dc, const Pen& pen);
Brush SelectBrush(Dc* dc, const Brush& brush);
Font* SelectFont(Dc* dc, Font* font);
Font* CurrentFont(const Dc* dc);  // the selected font, or the stock font when none is

u32 SetTextColor(Dc* dc, u32 rgb);  // return the previous value (0 for no context)
u32 SetBkColor(Dc* dc, u32 rgb);
i32 SetBkMode(Dc* dc, i32 mode);
u32 GetTextColor(const Dc* dc);
u32 GetBkColor(const Dc* dc);
i32 GetBkMode(const Dc* dc);

// Lines and shapes.
void MoveTo(Dc* dc, i32 x, i32 y, Point* old = nullptr);
void LineTo(Dc* dc, i32 x, i32 y);
void Rectangle(Dc* dc, i32 left, i32 top, i32 right, i32 bottom);
void Polygon(Dc* dc, const Point* points, i32 count);
void PolyBezier(Dc* dc, const Point* points, i32 count);
void InvertRect(Dc* dc, i32 left, i32 top, i32 right, i32 bottom);
u32 SetPixel(Dc* dc, i32 x, i32 y, u32 rgb);  // the colour set, kInvalidRgb outside or without context
u32 GetPixel(const Dc* dc, i32 x, i32 y);     // kInvalidRgb outside or without context

// Text (code page 932 bytes). TextOut puts the top-left of the text cell at (x, y); in opaque mode the
// cell box is filled with the background colour first.
void TextOut(Dc* dc, i32 x, i32 y, const char* text, i32 len);
bool GetTextExtent(const Dc* dc, const char* text, i32 len, i32* cx, i32* cy);
bool GetTextMetrics(const Dc* dc, FontMetrics* out);

// Laid-out text in a rectangle (left, top, right, bottom).
enum : u32 {
    kDtLeft = 0x0, kDtCenter = 0x1, kDtRight = 0x2,
    kDtWordBreak = 0x10, kDtNoClip = 0x100, kDtCalcRect = 0x400, kDtNoPrefix = 0x800,
};
// Draws (or with kDtCalcRect measures into rect) the text; returns the height of the text drawn,
// 0 without a context.
i32 DrawText(Dc* dc, const char* text, i32 len, Rect* rect, u32 flags);

}  // namespace host
