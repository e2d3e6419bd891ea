// The power-up item: one at a time.
#pragma once
#include "host/types.h"

struct PowerItemRecord {
    f32 x, y;   // top-left of the 60x60 picture
    f32 speed;  // fall speed, px/s
    i32 falling;
    i32 taken;  // 1 from the pick-up until the next draw applies it
};
extern PowerItemRecord PowerItem;

// Back to rest: parked, still, neither falling nor taken.
void Item_Park();
void Item_Spawn();
void Item_Move();
void Item_Draw();
void Item_Take();
