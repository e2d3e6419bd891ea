// Drawing through the back buffer's device context: lines, rectangles, polygons, Bezier curves, pixels
// and inverted rectangles, plus the screenshot. None of it clips to the ClipRect, only to the surface.
// Colours are RGB values 0x00BBGGRR.
#pragma once
#include "el/elSystem.h"
#include "host/gdi.h"
#include "host/types.h"

extern host::Dc* BackDC;  // the back buffer's context between GetBackDC and ReleaseBackDC

namespace elDraw {

void GetBackDC();
void ReleaseBackDC();
void Line(i32 x1, i32 y1, i32 x2, i32 y2, u32 colour, i32 width);
void Rectangle(i32 left, i32 top, i32 right, i32 bottom, u32 fillColour, u32 penColour, i32 penWidth);
// fill: 0 outline only; otherwise diagonal cross-hatching in colour, the gaps in backColour (fill 2: the
// gaps keep what was underneath).
void Polygon(const IntPoint* points, i32 count, u32 colour, u32 backColour, i32 penWidth, i32 fill);
void PolyBezier(const IntPoint* points, i32 count, u32 colour, i32 width);
void SetPixel(i32 x, i32 y, u32 colour);
void GetPixel(i32 x, i32 y, i32* red, i32* green, i32* blue);
void InvertRect(i32 left, i32 top, i32 right, i32 bottom);
// Writes the top-left width x height pixels of the back buffer as a 24-bit BMP beside the program.
// 1 when the file was written; 0 for a size outside the back buffer, a failed lock or no file.
i32 SaveScreenBmp(const char* fileName, i32 width, i32 height);

}  // namespace elDraw
