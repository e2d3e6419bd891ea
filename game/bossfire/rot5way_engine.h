// The Rot5Way engine and its descriptor rows, one per family (the entry points are in rot5way.h).
#pragma once
#include "game/bossfire/rot5way_data.h"
#include "game/common/boss_state.h"
#include "host/types.h"

enum class Rot5WayLook : u8 {
    Animated,  // PutAdd of cell animFrame of a strip of 7 20x20 cells, stepped by every draw
    Rotated,   // PutRotate of a 30x30 picture turned along the heading
};
enum class Rot5WayDrift : u8 { None, Left, Right };  // the lines of eight slide sideways for a while

struct Rot5WayFamily {
    Rot5WayBullet* slots;
    i32 count;               // 5, or 8 in the drifting lines
    BossState* boss;
    f32 muzzleX, muzzleY;    // muzzle offset from the boss's position
    f32 aim;                 // aim point: ship position + (aim, aim)
    const f32* ladder;       // speed of each slot, px/s
    double turn;             // added to the aimed heading, radians
    bool storesBase;         // the aimed base is stored in single precision before the turn is added
    f32 margin;              // the field: x + margin >= 0, x <= 800, y + margin >= 0, y <= 600
    f32 boxLeft, boxTop;     // contact: boxLeft <= x - ship x <= 30, boxTop <= y - ship y <= 30
    Rot5WayDrift drift;
    Rot5WayLook look;
    const i32* sheet;        // image handle
    bool drawsFree;          // free slots are drawn too (where they were freed, outside the field)
};

extern const Rot5WayFamily Rot5WayFamilies[];
extern const i32 Rot5WayFamilyCount;

void Rot5Way_Spawn(const Rot5WayFamily& f);
void Rot5Way_Update(const Rot5WayFamily& f);
void Rot5Way_Draw(const Rot5WayFamily& f);
