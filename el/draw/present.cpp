#include "el/draw/present.h"

WipeRecord WipeState{};
i32 WipeTileObject = 0;
u32 VSync = 0;
LibraryPauseRecord LibraryPause{};
ClipWipeRecord ClipWipe{};
IntRect SavedClipRect{};
IntRect ClipRect{};

namespace elDraw {

void Flip() {}

void SetVSync(u32 on) { VSync = on; }

void CaptureToObject(i32, i32, i32, i32, i32) {}

void StartWipe() {
    WipeState.wipeStep = 1;
    WipeState.wipeDir = 1;
}

}  // namespace elDraw
