// Software table blends: a region of a sprite sheet combined with the back buffer pixel by pixel,
// through the colour tables built by the screen's start-up.
//
// Every member: destination top-left x, y, the sheet's object number and its source rectangle (right
// and bottom exclusive), clipped to the ClipRect (cut to the screen). A source pixel of value 0 is
// transparent. The result is 1 when drawn or clipped away, 0 when a surface could not be locked (a
// slot without a picture counts as such).
#pragma once
#include "el/draw/object.h"
#include "host/surface.h"
#include "host/types.h"

namespace elDraw {

i32 PutAdd(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
i32 PutAddLevel(i32 x, i32 y, f32 level, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
i32 PutAlpha(i32 x, i32 y, i32 level, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
i32 PutAlphaRGB(i32 x, i32 y, i32 levelR, i32 levelG, i32 levelB, i32 objectNo, i32 srcLeft, i32 srcTop,
                i32 srcRight, i32 srcBottom);
i32 PutAlphaGradient(i32 x, i32 y, i32 levelR, i32 levelG, i32 levelB, i32 vertical, u16 start, i32 period,
                     i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
i32 PutFadeGradient(i32 x, i32 y, f32 alphaR, f32 alphaG, f32 alphaB, i32 vertical, u16 start, i32 period,
                    i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
i32 PutShadow(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
i32 PutDarken(i32 x, i32 y, i32 level, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
i32 PutDarkenRGB(i32 x, i32 y, i32 levelR, i32 levelG, i32 levelB, i32 objectNo, i32 srcLeft, i32 srcTop,
                 i32 srcRight, i32 srcBottom);
i32 PutBright(i32 x, i32 y, f32 factor, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
i32 PutBrightRGB(i32 x, i32 y, f32 factorR, f32 factorG, f32 factorB, i32 objectNo, i32 srcLeft, i32 srcTop,
                 i32 srcRight, i32 srcBottom);
i32 PutMask(i32 x, i32 y, i32 keepR, i32 keepG, i32 keepB, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight,
            i32 srcBottom);
i32 PutGray(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
i32 PutSmooth(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
i32 PutBoxBlur(i32 x, i32 y, i32 n, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
i32 PutGlow(i32 x, i32 y, u16 shiftR, u16 shiftG, u16 shiftB, u16 rays, i32 copy, i32 objectNo, i32 srcLeft,
            i32 srcTop, i32 srcRight, i32 srcBottom);

}  // namespace elDraw

// The glow rays' read position in the noise table (kept across calls).
extern i32 GlowNoiseIndex;

// ---- shared by the software blitters and effects ---------------------------------------------------
namespace elDraw::soft {

// One locked surface, with its pitch in pixels.
struct Locked {
    host::Surface* surface = nullptr;
    u16* bits = nullptr;
    i32 pitch = 0;  // pixels
    i32 width = 0, height = 0;
    bool Lock(host::Surface* s);
    bool LockToRead(host::Surface* s);  // for a surface only read from: its version stays
    void Unlock();
    u16* Row(i32 y) const { return bits + static_cast<std::ptrdiff_t>(y) * pitch; }

private:
    bool Take(host::Surface* s, bool writing);
};

// The clipped walk of one blend call: where to read and write, and how much.
struct Walk {
    i32 x = 0, y = 0;          // destination top-left, after clipping
    i32 srcLeft = 0, srcTop = 0;
    i32 w = 0, h = 0;          // after clipping (0 is possible: the surfaces are still locked)
    IntRect clip{};            // the ClipRect cut to the back buffer
    Locked sheet, back;
    u16* Src(i32 row) const { return sheet.Row(srcTop + row) + srcLeft; }
    u16* Dst(i32 row) const { return back.Row(y + row) + x; }
};

enum class Begin { Draw, Nothing, Failed };
// What a drawing call returns when it stops at Nothing (1) or Failed (0).
inline i32 Skipped(Begin b) { return b == Begin::Nothing ? 1 : 0; }
// Cuts the source rectangle to the sheet (unless cutToSheet is false: then the caller must check every
// source read itself), clips to the ClipRect and locks both surfaces.
// Draw: the caller walks and then calls Finish; Nothing: return 1; Failed: return 0.
Begin Start(Walk& walk, i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom,
            bool cutToSheet = true);
void Finish(Walk& walk);

// The ClipRect cut to a surface (left >= right when nothing of it lies on the surface).
IntRect ClipOn(const host::Surface* s);

// The add and alpha members draw eight pixels at a time where the pixel layout allows, else through the
// tables. ChooseBlendPath decides once, when the tables are built; SetVectorBlends(false) keeps them on the
// tables (tests compare the two).
void ChooseBlendPath();
void SetVectorBlends(bool allowed);
bool VectorBlends();

inline i32 ClampLevel(i32 v) { return v < 0 ? 0 : v > 31 ? 31 : v; }
// A float made into an int by truncation, kept inside the int range (not-a-number gives 0).
i32 TruncToInt(double v);

}  // namespace elDraw::soft
