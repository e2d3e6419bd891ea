// The Ring engine and its descriptor rows, one per family (the entry points are in ring.h). The emitter
// clock of a family is one of its boss's emitterClock words.
#pragma once
#include "game/bossfire/ring_data.h"
#include "game/common/boss_state.h"
#include "host/types.h"

enum class RingEmitter : u8 {
    Spiral36,   // one slot every ten calls; the clock runs 10..359 after its first cycle
    Triple108,  // as Spiral36, three slots (one per ring) on each firing value
    Single108,  // one slot per call over a clock of 108 calls
};
enum class RingLook : u8 {
    Animated,  // PutAdd of cell animFrame of a strip of 24 20x20 cells, stepped by every draw
    Rotated,   // PutRotate of a size x size picture
};

struct RingFamily {
    RingBullet* slots;
    i32 count;            // 36 or 108
    BossState* boss;
    i32 clockWord;        // index into the boss's emitterClock
    f32 originX;          // origin: boss + (originX, 130)
    i32 sense;            // -1 minus (counter-clockwise from the left), +1 plus (clockwise from the right)
    RingEmitter emitter;
    i32 first;            // first angle index of Spiral36 (0 or 1)
    f32 speed[3];         // speed of the first, second and third 36 slots, px/s
    RingLook look;
    const i32* sheet;     // image handle
    i32 size;             // rotated picture size: 19 or 30
    f32 low;              // lower bound of x and y; the upper bounds are 800 and 600
    f32 boxLeft, boxTop;  // contact: boxLeft <= x - ship x <= 30, boxTop <= y - ship y <= 30
};

extern const RingFamily RingFamilies[];
extern const i32 RingFamilyCount;

void Ring_Emit(const RingFamily& f);
void Ring_Spawn(const RingFamily& f, i32 slot, i32 k);
void Ring_Update(const RingFamily& f);
void Ring_Draw(const RingFamily& f);
// The angle the rotated draw hands the blit for a record whose degrees word the draw has just written.
i32 Ring_DrawAngle(const RingFamily& f, const RingBullet& b);
