// The engine of the aimed group (the RotFan and AimFan kinds): a family's clock fires its groups, each
// group a fan centred on the aim line or a full ring with one bullet on it; the bullets fly straight at
// one speed, retire (parked) beyond the family's bounds, and strike the ship inside the family's box.
// One descriptor row per family carries every constant in which families differ; the named entry points
// of rotfan.h and aimfan.h are one-line wrappers over the four routines below (aimed.cpp).
#pragma once
#include "game/bossfire/aimed_bullet.h"
#include "game/common/boss_state.h"
#include "host/types.h"

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

struct AimedFamily {
    AimedBullet* slots;
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

// Arms `slot` if it is free; `first` is the first slot of its group (fan form only).
void Aimed_Spawn(const AimedFamily& f, i32 slot, i32 first);
// Advances every slot's clock (they move together), then fires each group whose value has come.
void Aimed_Emit(const AimedFamily& f);
// Moves every live bullet, retires (parks) one beyond the bounds or while the clear flag is 1, and lets
// a bullet still live strike the ship. Free slots are not touched.
void Aimed_Update(const AimedFamily& f);
// Draws every slot, stepping the animation of free ones too.
void Aimed_Draw(const AimedFamily& f);

// The descriptor rows of the two kinds, in the order of their entry points.
extern const AimedFamily RotFanFamilies[];
extern const i32 RotFanFamilyCount;
extern const AimedFamily AimFanFamilies[];
extern const i32 AimFanFamilyCount;
