// Pixel effects that rework a rectangle of the finished frame in the back buffer: rising and in-place
// blurs (optionally fading), 2x and 4x enlargements, a circular mosaic and sparkle noise. Each returns
// 1 after its work, 0 when a lock failed. They ignore the ClipRect; every rectangle is cut to the back
// buffer.
#pragma once
#include "host/types.h"

// The effects' own state: read positions in the noise table and the rising blurs' run counters.
struct PixelEffectState {
    i32 noise1, noise2, noise8, noise9;
    i32 run1, run2;
};
extern PixelEffectState PixelEffects;

namespace elDraw {

i32 PixelEffect1(i32 x, i32 y, i32 w, i32 h);
i32 PixelEffect2(i32 fadeR, i32 fadeG, i32 fadeB, i32 x, i32 y, i32 w, i32 h);
i32 PixelEffect3(i32 x, i32 y, i32 w, i32 h);
i32 PixelEffect4(i32 fadeR, i32 fadeG, i32 fadeB, i32 x, i32 y, i32 w, i32 h);
i32 PixelEffect5(i32 x, i32 y, i32 w, i32 h, i32 scanlines);
i32 PixelEffect6(i32 x, i32 y, i32 w, i32 h, i32 dots);
i32 PixelEffect7(i32 x, i32 y, i32 radius, i32 block);
i32 PixelEffect8(i32 shift, i32 x, i32 y, i32 w, i32 h);
i32 PixelEffect9(i32 onR, i32 onG, i32 onB, i32 shift, i32 x, i32 y, i32 w, i32 h);

}  // namespace elDraw
