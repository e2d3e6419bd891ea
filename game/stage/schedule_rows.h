// Shorthands for writing the rows of a stage's schedule (included by the stage schedule files only).
#pragma once
#include "game/stage/schedule.h"

// A family operation, named as the families name it.
#define DO(fn) sched::Call(fn, #fn)
// A family's update, then its draw.
#define UD(family) DO(family##_Update), DO(family##_Draw)
// A SzakMix operation with its literal slot (and pattern, look or style).
#define MIX(fn, ...) sched::SlotCall(fn, __VA_ARGS__, #fn)
// A SzakMix slot moved by its flight pattern, then drawn with its look.
#define MIX_FLY(slot, pattern, look) MIX(SzakMix_Update, slot, pattern), MIX(SzakMix_Draw, slot, look)
// A SzakMix slot armed with its first shot set, or with both.
#define MIX_ARM1(slot) MIX(SzakMix_Spawn, slot), MIX(SzakMixShot1_Spawn, slot)
#define MIX_ARM2(slot) MIX_ARM1(slot), MIX(SzakMixShot2_Spawn, slot)
// A SzakMix slot's shot set moved, then drawn with its style.
#define MIX_SHOT1(slot, style) MIX(SzakMixShot1_Update, slot), MIX(SzakMixShot1_Draw, slot, style)
#define MIX_SHOT2(slot, style) MIX(SzakMixShot2_Update, slot), MIX(SzakMixShot2_Draw, slot, style)
