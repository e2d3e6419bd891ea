// Hardware blits (sprite copies, stretches, fills), the colour-key setters, the row-built raster
// effects and the small software members (half blends, mirror, floating alpha).
#pragma once
#include "el/draw/object.h"
#include "host/types.h"

namespace elDraw {

// Colour keys.
void SetLoadColorKey(u32 colour);
void SetLoadCornerKey();
void CopyColorKey(i32 destObject, i32 srcObject);
void SetObjectColorKey(i32 objectNo, u32 colour);
void SetObjectCornerKey(i32 objectNo);

// Fills (no clipping to the ClipRect).
void ClearScreen();
void ClearObject(i32 objectNo);
void FillRectBlack(i32 left, i32 top, i32 right, i32 bottom);
void FrameRect(i32 left, i32 top, i32 right, i32 bottom);
void FillScreen();
void FillRect(i32 left, i32 top, i32 right, i32 bottom);
void FillRectColor(i32 left, i32 top, i32 right, i32 bottom, u16 colour);

// Sprite copies, clipped to the ClipRect.
void PutSprite(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
void PutSpriteNoKey(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
void PutSpriteToObject(i32 destObject, i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight,
                       i32 srcBottom);
void PutSpriteToObjectNoKey(i32 destObject, i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight,
                            i32 srcBottom);
void PutStretch(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom, i32 width,
                i32 height);
void PutStretchNoKey(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom, i32 width,
                     i32 height);

// Raster effects built from one sprite copy per row.
void PutWave(i32 x, i32 y, i32 amplitude, i32 divider, f32 rate, i32 objectNo, i32 srcLeft, i32 srcTop,
             i32 srcRight, i32 srcBottom, i32 alternate);
void PutWaveScroll(i32 x, i32 y, i32 amplitude, i32 divider, f32 rate, f32 scrollSpeed, i32 objectNo, i32 srcLeft,
                   i32 srcTop, i32 srcRight, i32 srcBottom);
void PutWaveScroll2(i32 top, i32 bottom, i32 amplitude, i32 divider, f32 rate, f32 scrollSpeed, i32 objectNo,
                    i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
void PutAccordion(i32 x, i32 y, i32 forward, f32 speed, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight,
                  i32 srcBottom);
void PutTile(f32 speedX, f32 speedY, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
void PutMosaicV(i32 x, i32 y, i32 n, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
void PutScanlines(i32 x, i32 y, i32 n, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
void PutJitter(i32 x, i32 y, i32 spread, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);

// Software members on locked surfaces: 1 drawn (or clipped away), 0 when a lock failed.
i32 HalfRect(i32 left, i32 top, i32 right, i32 bottom, u16 colour);
i32 PutHalf(i32 x, i32 y, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
i32 PutMirror(i32 x, i32 y, i32 mode, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
i32 PutAlphaF(i32 x, i32 y, f32 alpha, i32 objectNo, i32 srcLeft, i32 srcTop, i32 srcRight, i32 srcBottom);
i32 PutAlphaFRGB(i32 x, i32 y, f32 alphaR, f32 alphaG, f32 alphaB, i32 objectNo, i32 srcLeft, i32 srcTop,
                 i32 srcRight, i32 srcBottom);

}  // namespace elDraw

// State kept by the raster effects between calls (one copy per effect).
struct RasterEffectState {
    f32 wavePhase;            // elDraw::PutWave
    i32 waveSign;
    f32 waveScrollPhase;      // elDraw::PutWaveScroll
    f32 waveScroll;
    f32 waveScroll2Phase;     // elDraw::PutWaveScroll2
    f32 waveScroll2;
    f32 tileOffsetX, tileOffsetY;  // elDraw::PutTile
    f32 accordionPhase;       // elDraw::PutAccordion
};
extern RasterEffectState RasterEffects;
