// The timed aimed fans: sets whose records each keep an emission clock, counted in emitter calls. Every
// call advances all clocks of the set together and wraps them; a record whose clock shows its group's
// value is launched from the set's ship when it is free, on the line to the player turned by its place in
// the group, 12 degrees a place. Szak6AShot7/Szak6BShot7 (ClockedAimShotSlot) and sets 1 to 3 of
// Szak52A/Szak52B (TimedShotSlot) are rows of this one emitter.
#pragma once
#include "game/enemy/enemy_records.h"
#include "game/enemy/enemy_rules.h"
#include "host/types.h"

enum class FanLook : u8 {
    Cells,    // every record, live or free, as the next cell of a strip, additively
    Rotated,  // each live record turned to its heading
};

template <class Shot>
struct TimedFan {
    Shot* shots;
    i32 count;
    i32 groupSize;
    i32 groups;   // groups whose clock value the wrap lets the clocks show
    i32 spacing;  // group g fires at clock spacing * (g + 1)
    i32 wrap;     // a clock that reaches it becomes 0
    const f32* fromX;  // the firing ship's position
    const f32* fromY;
    f32 offX, offY;
    f32 speed, aim;
    f32 left, top;  // freed beyond x < left, y < top, x > 800 or y > 600, or while the bomb clears shots
    ContactBox box;
    FanLook look;
    const i32* sheet;
    i32 size;   // the picture's edge
    i32 cells;  // Cells: strip length
    // Whether a shot's place in its group turns the arc tangent before the half turn towards a ship on
    // the left is added (rather than after it): the two sums round differently in single precision.
    bool turnBeforeHalf = false;
};

template <class Shot>
void TimedFan_Emit(const TimedFan<Shot>& f);
template <class Shot>
void TimedFan_Launch(const TimedFan<Shot>& f, i32 b, i32 first);
template <class Shot>
void TimedFan_Update(const TimedFan<Shot>& f);
template <class Shot>
void TimedFan_Draw(const TimedFan<Shot>& f);

// The whole degrees at which a rotated fan shot flying on `heading` (radians) is drawn: 360 minus the
// heading in degrees minus 90, truncated, then brought into 0..359.
i32 TimedFan_DrawAngle(f32 heading);

extern template void TimedFan_Emit(const TimedFan<ClockedAimShotSlot>&);
extern template void TimedFan_Emit(const TimedFan<TimedShotSlot>&);
extern template void TimedFan_Launch(const TimedFan<ClockedAimShotSlot>&, i32, i32);
extern template void TimedFan_Launch(const TimedFan<TimedShotSlot>&, i32, i32);
extern template void TimedFan_Update(const TimedFan<ClockedAimShotSlot>&);
extern template void TimedFan_Update(const TimedFan<TimedShotSlot>&);
extern template void TimedFan_Draw(const TimedFan<ClockedAimShotSlot>&);
extern template void TimedFan_Draw(const TimedFan<TimedShotSlot>&);
