// The engine of the falling boss bullets (Volley, Arm, Drops and Arc kinds): one description per family,
// driven by four shared routines: the group-clock emitter, the spawn, the update (sideways drift, fall,
// retirement and the strike on the ship) and the draw.
//
// A family's slots form groups of `groupSize` consecutive slots; member m of a group is slot first + m.
// The group clock counts emitter calls in every slot's emitClock: each call adds 1 and sets the word to
// `wrapTo` once it reaches `wrap`; then every slot whose clock equals its group's firing value is spawned.
// A spawn arms a free slot alone, at the boss's position plus its member's offset. The update drifts every
// slot (live or parked) sideways by its member's step, `steps` times per frame, lets every live slot fall,
// parks it below y 600 (or on the clear flag, in the families that look at it) and strikes the ship inside
// the family's box. The draw blits every slot, live or parked: a parked slot lies outside the clip
// rectangle.
#pragma once
#include <span>

#include "game/common/boss_state.h"
#include "game/common/bullet_slot.h"
#include "host/types.h"

constexpr i32 kFallGroupMax = 7;
constexpr i32 kFallGroupsMax = 20;

// An emitter's table: the firing value of each group, the wrap point and the value the clock wraps to.
struct FallClock {
    i32 wrap;
    i32 wrapTo;
    i32 values[kFallGroupsMax];
};

enum class FallDrift : u8 {
    BeforeFall,  // all the drift steps of the frame, over every slot, before the falling pass
    PerPass,     // one drift step of every slot before each slot's turn in the falling pass
};
enum class FallBlit : u8 { Sprite, Add };
enum class FallDraw : u8 {
    Plain,     // one fixed source rectangle
    Animated,  // cell animFrame of a row of cells, advanced after each blit
    Members,   // each member its own cell, members of a group in a fixed order, the pass repeated
};

// Contact: left <= bullet x - ship x <= right and top <= bullet y - ship y <= bottom, bounds included.
struct FallBox {
    f32 left, right, top, bottom;
};

// How a family draws its slots, every one of them, live or parked.
struct FallLook {
    FallDraw draw;
    FallBlit blit;
    const i32* sheet;
    i32 cellW, cellH;               // size of the rectangle or cell
    i32 plainLeft;                  // Plain: the rectangle (plainLeft, 0, plainLeft + cellW, cellH)
    i32 cells;                      // Animated: cells in the row, from left 0
    i32 memberLeft[kFallGroupMax];  // Members: left edge of each member's cell
    bool reversed;                  // Members: the last member of a group drawn first
    i32 passes;                     // Members: how often the whole pass is made
};

struct FallFamily {
    BulletSlot* pool;
    i32 count;
    i32 groupSize;
    BossState* boss;
    const FallClock* clock;  // none: the family is armed by its cluster spawn (Fall_SpawnAll)

    // The start of member m: x = ((boss x + x1) + x2) + dx[m], y = ((boss y + y1) + y2) + dy[m], each
    // addition made in single precision in this order.
    f32 x1, x2, y1, y2;
    f32 dx[kFallGroupMax], dy[kFallGroupMax];

    // Sideways drift: member m's x moves by drift[m] × FrameTime, `driftSteps` times per frame.
    f32 drift[kFallGroupMax];
    i32 driftSteps;
    FallDrift driftForm;

    f32 fall;    // px/s stored into vy each frame
    f32 slide;   // px/s stored into vx of live slots and applied after the fall (when `slides`)
    bool slides;
    bool clears;  // a clear flag of exactly 1 retires every live slot
    FallBox box;
    FallLook look;
};

// One emitter call.
void Fall_Emit(const FallFamily& f);
// Arms slot `slot` if it is free. Only the emitter calls it; a slot outside the pool is ignored.
void Fall_Spawn(const FallFamily& f, i32 slot);
// Arms every free slot (the clusters, which have no emitter).
void Fall_SpawnAll(const FallFamily& f);
void Fall_Update(const FallFamily& f);
void Fall_Draw(const FallFamily& f);
// The reset of the falling families' pools: every slot, pool by pool in order, takes a random start cell
// (0 to 9) and a clock of 0 and is parked.
void Fall_ResetPools(std::span<const BulletPool> pools);

// The fields every falling family sets: `count` slots of `pool` in groups of `size`, the boss they start
// from, the emitter's clock (none for a cluster), the fall speed, whether the clear flag retires them, the
// contact box and the look. Offsets, drift and slide start at zero.
constexpr FallFamily FallGroup(BulletSlot* pool, i32 count, i32 size, BossState& boss, const FallClock* clock,
                               f32 fall, bool clears, FallBox box, const FallLook& look) {
    FallFamily f{};
    f.pool = pool;
    f.count = count;
    f.groupSize = size;
    f.boss = &boss;
    f.clock = clock;
    f.fall = fall;
    f.clears = clears;
    f.box = box;
    f.look = look;
    return f;
}

// Descriptions of the draws.
constexpr FallLook FallPlain(const i32* sheet, FallBlit blit, i32 left, i32 w, i32 h) {
    FallLook l{};
    l.draw = FallDraw::Plain;
    l.blit = blit;
    l.sheet = sheet;
    l.plainLeft = left;
    l.cellW = w;
    l.cellH = h;
    return l;
}
constexpr FallLook FallAnimated(const i32* sheet, FallBlit blit, i32 w, i32 h, i32 cells) {
    FallLook l = FallPlain(sheet, blit, 0, w, h);
    l.draw = FallDraw::Animated;
    l.cells = cells;
    return l;
}
// Member m of every group shows the 40 × 40 cell at left[m]; `passes` times over the whole pool.
template <i32 N>
constexpr FallLook FallMemberCells(const i32* sheet, FallBlit blit, const i32 (&left)[N], bool reversed,
                                   i32 passes) {
    FallLook l = FallPlain(sheet, blit, 0, 40, 40);
    l.draw = FallDraw::Members;
    for (i32 m = 0; m < N; ++m) l.memberLeft[m] = left[m];
    l.reversed = reversed;
    l.passes = passes;
    return l;
}
// Member m of every group shows frame m of a row of 40 × 40 frames, once.
constexpr FallLook FallMemberFrames(const i32* sheet, FallBlit blit) {
    FallLook l = FallPlain(sheet, blit, 0, 40, 40);
    l.draw = FallDraw::Members;
    for (i32 m = 0; m < kFallGroupMax; ++m) l.memberLeft[m] = 40 * m;
    l.passes = 1;
    return l;
}
