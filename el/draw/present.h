// The per-frame present, the screen transitions (wipes), the clip wipe and the library pause.
#pragma once
#include "el/draw/object.h"
#include "el/elSystem.h"
#include "host/types.h"

struct WipeRecord {
    u32 wipeKind;   // 0 tile wipe, 1..12 patterns drawn from object 1, anything else draws nothing
    i32 wipeStep;   // 0: no wipe running
    i32 wipeDir;    // -1 reveal, +1 cover, 0 idle
    i32 wipeStrip;  // strip height and number of steps
};
extern WipeRecord WipeState;
extern i32 WipeTileObject;
extern u32 VSync;

struct LibraryPauseRecord {
    u32 on;
    i32 pageHeight;
    f32 scroll;
    f32 tileX, tileY;
    i32 pageObject;
    i32 tileObject;
};
extern LibraryPauseRecord LibraryPause;

struct ClipWipeRecord {
    i32 state;   // 1 opening, 2 closing, 0 idle, -1 closed
    u32 opened;
    u32 closed;
    i32 closing;
    i32 kind;
    f32 speed;
    i32 spread;
};
extern ClipWipeRecord ClipWipe;
extern IntRect SavedClipRect;

namespace elDraw {
void Flip();
void SetVSync(u32 on);
void CaptureToObject(i32 objectNo, i32 left, i32 top, i32 right, i32 bottom);
void StartWipe();
void StartWipeReverse();
void LoadWipeTiles(const char* file);
void LoadPauseImages(const char* pageFile, const char* tileFile, i32 pageHeight);
i32 StartClipWipe(i32 closing, i32 kind, f32 speed, i32 spread);
i32 StepClipWipe();
void CloseClipWipe();

// One frame of the running wipe's pattern (the first step of Flip), without advancing it.
void DrawWipe();
}  // namespace elDraw

namespace elSystem {
void TogglePause();
}  // namespace elSystem
