// The engine of the aimed group (the RotFan and AimFan kinds): a family's clock fires its groups, each
// group a fan centred on the aim line or a full ring with one bullet on it; the bullets fly straight at
// one speed, retire (parked) beyond the family's bounds, and strike the ship inside the family's box.
// One descriptor row per family carries every constant in which families differ; the named entry points
// of rotfan.h and aimfan.h are one-line wrappers over the four routines below.
#pragma once
#include "el/draw/rotate.h"
#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/bossfire/aim_rule.h"
#include "game/common/boss_state.h"
#include "game/common/contact.h"
#include "game/common/player_state.h"
#include "game/common/state.h"

enum class AimedForm : u8 {
    Fan,   // spread 12 degrees between neighbours, centred on the aim line
    Ring,  // spread a full turn over the group, slot offsets counted over the whole pool
};
enum class AimedLook : u8 {
    Rotated,   // PutRotate of the cell x cell picture, turned along the heading
    Plain,     // PutAdd of one 20x20 picture
    Animated,  // PutAdd of cell animFrame of a strip of 24 20x20 cells
};

inline constexpr i32 kAimedMaxGroups = 10;

template <class R>
struct AimedFamily {
    R* slots;
    i32 count;
    BossState* boss;              // the muzzle's boss
    i32 groupSize;                // S: group g is slots g*S .. g*S + S - 1
    i32 groups;                   // count / S
    i32 wrap;                     // the clock runs 0 .. wrap - 1
    i32 fireAt[kAimedMaxGroups];  // clock value at which each group fires (a value >= wrap never fires)
    f32 muzzleX, muzzleY;         // muzzle offset from the boss's position
    f32 aim;                      // aim point: ship position + (aim, aim)
    f32 speed;                    // px/s
    AimedForm form;
    AimedLook look;
    const i32* sheet;             // image handle
    i32 cell;                     // picture size (box and source), 39 or 20
    f32 low;                      // lower bound of x and y; the upper bounds are 800 and 600
    f32 boxLeft, boxTop;          // contact: boxLeft <= x - ship x <= 30, boxTop <= y - ship y <= 30
};

inline constexpr double kFanStep = 2.0 * kBulletPi / 30.0;  // 12 degrees

template <class R>
void Aimed_Park(R& r) {
    r.active = 0;
    r.x = ParkPosition.x;
    r.y = ParkPosition.y;
}

// Arms `slot` if it is free; `first` is the first slot of its group (fan form only).
template <class R>
void Aimed_Spawn(const AimedFamily<R>& f, i32 slot, i32 first) {
    if (slot < 0 || slot >= f.count) return;
    R& r = f.slots[slot];
    if (r.active != 0) return;  // that bullet of the group is skipped
    r.active = 1;
    r.x = f.boss->x + f.muzzleX;
    r.y = f.boss->y + f.muzzleY;
    r.x0 = r.x;
    r.y0 = r.y;
    r.speed = f.speed;
    r.dx = static_cast<f32>(static_cast<double>(PlayerState.x) + f.aim - r.x);
    r.dy = static_cast<f32>(static_cast<double>(PlayerState.y) + f.aim - r.y);
    if (f.form == AimedForm::Fan) {
        const i32 centre = (f.groupSize - 1) / 2;
        r.heading = Aim_Heading(r.dx, r.dy, kFanStep * (slot - first), kFanStep * centre);
    } else {
        const double step = 2.0 * kBulletPi / f.groupSize;
        r.heading = Aim_Heading(r.dx, r.dy, step * slot, 0.0);
    }
}

// Advances every slot's clock (they move together), then fires each group whose value has come.
template <class R>
void Aimed_Emit(const AimedFamily<R>& f) {
    for (i32 s = 0; s < f.count; ++s) {
        R& r = f.slots[s];
        if (++r.emitClock >= f.wrap) r.emitClock = 0;
    }
    for (i32 g = 0; g < f.groups; ++g) {
        const i32 first = g * f.groupSize;
        for (i32 s = first; s < first + f.groupSize; ++s)
            if (f.slots[s].emitClock == f.fireAt[g]) Aimed_Spawn(f, s, first);
    }
}

// Moves every live bullet, retires (parks) one beyond the bounds or while the clear flag is 1, and lets a
// bullet still live strike the ship. Free slots are not touched.
template <class R>
void Aimed_Update(const AimedFamily<R>& f) {
    const f32 frameTime = FrameTime;
    for (i32 s = 0; s < f.count; ++s) {
        R& r = f.slots[s];
        if (r.active == 0) continue;
        Bullet_Step(r.x, r.y, r.heading, r.speed, frameTime);
        if (r.x > 800.0f || r.x < f.low || r.y > 600.0f || r.y < f.low || PlayerState.bombActive == 1) {
            Aimed_Park(r);
            continue;
        }
        Shot_StrikePlayer(r.x, r.y, f.boxLeft, f.boxTop);
    }
}

// Draws every slot. A free slot stands at the park position, wholly outside the clip rectangle, so its
// blit would leave nothing and is not made; its degrees word and animation cell move on all the same.
template <class R>
void Aimed_Draw(const AimedFamily<R>& f) {
    const i32 sheet = *f.sheet;
    for (i32 s = 0; s < f.count; ++s) {
        R& r = f.slots[s];
        const bool shows = r.active != 0;
        const i32 ix = static_cast<i32>(r.x), iy = static_cast<i32>(r.y);
        switch (f.look) {
        case AimedLook::Rotated:
            if constexpr (requires { r.headingDeg; }) {
                r.headingDeg = Heading_Degrees(r.heading);
                if (shows)
                    elDraw::PutRotate(ix, iy, ix + f.cell, iy + f.cell, Rotate_Angle(270 - r.headingDeg), sheet, 0, 0,
                                      f.cell, f.cell);
            }
            break;
        case AimedLook::Plain:
            if (shows) elDraw::PutAdd(ix, iy, sheet, 0, 0, 20, 20);
            break;
        case AimedLook::Animated:
            if constexpr (requires { r.animFrame; }) {
                if (shows) elDraw::PutAdd(ix, iy, sheet, 20 * r.animFrame, 0, 20 * r.animFrame + 20, 20);
                if (++r.animFrame >= 24) r.animFrame = 0;
            }
            break;
        }
    }
}

// The descriptor rows of the two kinds of the group, in the order of their entry points.
#include "game/bossfire/aimfan_data.h"
#include "game/bossfire/rotfan_data.h"
extern const AimedFamily<RotFanBullet> RotFanFamilies[];
extern const i32 RotFanFamilyCount;
extern const AimedFamily<AimFanBullet> AimFanFamilies[];
extern const i32 AimFanFamilyCount;
