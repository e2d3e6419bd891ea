// Rotated, scaled and tinted blitters: a region of a sprite sheet drawn turned by whole degrees about
// the centre of a destination box (left, top, right, bottom; right and bottom exclusive), with the
// source centred in the box. Positions step in fixed point through the sine table (one pixel = 360).
//
// A positive angle turns the picture counter-clockwise on the screen; any angle is taken modulo 360.
// Source pixel 0 is transparent. Results as the table blends: 1 drawn or nothing to draw, 0 when a
// surface could not be locked.
#pragma once
#include "host/types.h"

namespace elDraw {

// What the store of turned pictures behind PutRotate has done since the process started, for tests: boxes
// turned into a kept picture, draws copied from a kept picture (the turning draw included), and clear-outs.
struct RotateKeptTally {
    u64 turned = 0, copied = 0, clearOuts = 0;
};
RotateKeptTally RotateKeptTallyNow();

i32 PutRotate(i32 left, i32 top, i32 right, i32 bottom, i32 angle, i32 objectNo, i32 srcLeft, i32 srcTop,
              i32 srcRight, i32 srcBottom);
// The source tiles the whole box (mirrored about the centring origin).
i32 PutRotateTile(i32 left, i32 top, i32 right, i32 bottom, i32 angle, i32 objectNo, i32 srcLeft, i32 srcTop,
                  i32 srcRight, i32 srcBottom);
i32 PutRotateScale(i32 left, i32 top, i32 right, i32 bottom, i32 angle, f32 scale, i32 objectNo, i32 srcLeft,
                   i32 srcTop, i32 srcRight, i32 srcBottom);
i32 PutRotateScaleTile(i32 left, i32 top, i32 right, i32 bottom, i32 angle, f32 scale, i32 objectNo, i32 srcLeft,
                       i32 srcTop, i32 srcRight, i32 srcBottom);
// Tiled, with horizontal and vertical scales that grow by their steps after every box row, and each
// 5-bit channel multiplied by its tint (not clamped).
i32 PutRotateColor(i32 left, i32 top, i32 right, i32 bottom, i32 angle, f32 scaleX, f32 scaleXStep, f32 scaleY,
                   f32 scaleYStep, f32 tintR, f32 tintG, f32 tintB, i32 objectNo, i32 srcLeft, i32 srcTop,
                   i32 srcRight, i32 srcBottom);

}  // namespace elDraw
