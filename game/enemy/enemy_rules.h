// The rules that every small-enemy family shares: arming free slots, the hit contract, the explosion
// sequence with its pieces as data, aimed arming and motion, retiring shots, the ship-contact rule, and
// one routine for each shape of shot set (straight sets, aimed sets, groups of five from one enemy), each
// driven by a row of constants. A family file holds its constants, its tables and what is truly its own.
#pragma once
#include <cmath>
#include <span>

#include "el/elSystem.h"  // FrameTime
#include "game/common/contact.h"
#include "game/common/geometry.h"
#include "game/common/images.h"
#include "game/common/player_state.h"
#include "game/common/state.h"
#include "game/enemy/enemy_records.h"
#include "host/types.h"

// ---------------------------------------------------------------------------------------------------
// Enemy slots

// A record taken out of play: free, standing at `at` (as a rule the ParkPosition).
template <class Rec>
inline void Enemy_Park(Rec& r, FloatPoint at = ParkPosition) {
    r.active = 0;
    r.x = at.x;
    r.y = at.y;
}

// A lock mark back at rest: unlocked, standing at `at`. The lockable families rest a mark at
// kMarkAfterBlast once its ship's explosion ends, and at kMarkAfterExit when its ship leaves the field.
inline constexpr IntPark kMarkAfterBlast{290, 0}, kMarkAfterExit{370, 0};
inline void RestMark(LockMark& m, IntPark at) {
    m.locked = 0;
    m.x = at.x;
    m.y = at.y;
}

// Arms one slot: `place` writes the family's start position and velocity (drawing its random numbers in
// the family's order); then the slot is live and unhit, its explosion starts from its first cell of its
// first loop, and its animation counter (where the record has one) restarts. `hitGuard` is left alone.
template <class Slot, class Place>
inline void Enemy_Arm(Slot& e, Place&& place) {
    place(e);
    e.active = 1;
    e.hit = 0;
    e.blastFrame = 0;
    e.blastLoop = 0;  // a slot freed in the middle of an explosion must not carry its loop count over
    if constexpr (requires { e.animFrame; }) e.animFrame = 0;
}

// Arms every free slot of the array, in index order; a live slot is left alone (and draws no random
// number), so a call on a full array does nothing.
template <class Pool, class Place>
inline void Enemy_ArmEveryFree(Pool&& pool, Place&& place) {
    for (auto& e : pool)
        if (e.active == 0) Enemy_Arm(e, place);
}

// The hit contract: a weapon that struck slot k marks it, and the family reacts in its next draw. Only a
// live slot can be struck: a probe on a free slot (or an index outside the array) changes nothing, and
// the result tells the weapon whether anything was struck, so that it awards nothing for a free slot.
template <class Slot, size_t N>
inline bool Enemy_IsLive(const Slot (&pool)[N], i32 k) {
    return k >= 0 && static_cast<size_t>(k) < N && pool[k].active != 0;
}
template <class Slot, size_t N>
inline bool Enemy_Strike(Slot (&pool)[N], i32 k) {
    if (!Enemy_IsLive(pool, k)) return false;
    pool[k].hit = 1;
    return true;
}

// A wave's launch timer: each call moves every ship's launch counter on (back to 0 once it reaches
// `wrap`), then hands `launch` each ship k whose counter stands at spacing (k + 1). A ship whose value lies
// at or past the wrap never launches.
template <class Launch>
inline void Wave_Launch(std::span<WaveEnemySlot> ships, i32 wrap, i32 spacing, Launch&& launch) {
    for (WaveEnemySlot& e : ships)
        if (++e.waveClock >= wrap) e.waveClock = 0;
    for (i32 k = 0; k < static_cast<i32>(ships.size()); ++k)
        if (ships[k].waveClock == spacing * (k + 1)) launch(k);
}

// ---------------------------------------------------------------------------------------------------
// The explosion

enum class Blit : u8 { Sprite, Add, Half };

// One piece of an explosion: cell f of a sheet of size x size cells, drawn at
// (X + x0 + dx f, Y + y0 + dy f), X and Y being the slot's position truncated towards zero.
struct BlastPiece {
    const i32* sheet;  // the sheet's handle (imgZBAK2B, imgZBAK3B, imgZBAK6B)
    i16 size;          // 80 (ZBAK2B, ZBAK3B) or 40 (ZBAK6B)
    Blit blit;
    i16 x0;
    i8 dx;
    i16 y0;
    i8 dy;
};
// The pieces an explosion draws while FxAdditive is 1, and while it is 0.
struct BlastLook {
    std::span<const BlastPiece> additive;
    std::span<const BlastPiece> plain;
};
// Whether an exploding ship stops where it was struck.
enum class BlastStop : u8 { Always, Never, WhenAdditive };
struct BlastRule {
    i32 cells;        // cells per loop: 8, or 10
    BlastStop stop;
};

// The five-piece spread of the ten-cell sheet ZBAK3B (Szak10, SzakMix): drawn additively, and plainly.
inline constexpr BlastPiece kSpread3BAdd[] = {
    {&imgZBAK3B, 80, Blit::Add, 0, 0, 0, 0},    {&imgZBAK3B, 80, Blit::Half, 20, -6, 20, -6},
    {&imgZBAK3B, 80, Blit::Add, 20, 6, 20, 2},  {&imgZBAK3B, 80, Blit::Add, 20, -6, 20, 6},
    {&imgZBAK3B, 80, Blit::Add, 20, 1, 20, -6},
};
inline constexpr BlastPiece kSpread3BPlain[] = {
    {&imgZBAK3B, 80, Blit::Sprite, 0, 0, 0, 0},   {&imgZBAK3B, 80, Blit::Sprite, 20, -6, 20, -6},
    {&imgZBAK3B, 80, Blit::Sprite, 20, 6, 20, 2}, {&imgZBAK3B, 80, Blit::Sprite, 20, -6, 20, 6},
    {&imgZBAK3B, 80, Blit::Sprite, 20, 1, 20, -6},
};

// Draws the pieces of cell f at (X, Y).
void Blast_DrawPieces(std::span<const BlastPiece> pieces, i32 X, i32 Y, i32 f);

// The explosion sound, on the sound's next buffer.
void Blast_Sound();

// One frame of the explosion of a hit slot: its pieces for the current cell, the stop, the explosion sound
// at the first cell of each loop, the next cell; after the second loop the slot is freed (active, hit,
// hitGuard and the explosion counters 0, at the ParkPosition). True when this step freed the slot.
template <class Slot>
bool Blast_Step(Slot& e, const BlastLook& look, const BlastRule& rule) {
    const bool additive = FxAdditive == 1;
    Blast_DrawPieces(additive ? look.additive : look.plain, TruncPos(e.x), TruncPos(e.y), e.blastFrame);
    if (rule.stop == BlastStop::Always || (rule.stop == BlastStop::WhenAdditive && additive)) {
        e.vx = 0.0f;
        e.vy = 0.0f;
    }
    if (e.blastFrame == 0) Blast_Sound();
    if (++e.blastFrame >= rule.cells) {
        e.blastFrame = 0;
        ++e.blastLoop;
    }
    if (e.blastLoop <= 1) return false;
    e.hit = 0;
    e.hitGuard = 0;
    e.blastFrame = 0;
    e.blastLoop = 0;
    Enemy_Park(e);
    return true;
}

// ---------------------------------------------------------------------------------------------------
// Shots

// When a shot is retired: x + size < 0 or x > right (sets that have side bounds), y + size < 0 or
// y > 600, or, in the sets that test it, while the bomb clears the enemy shots.
struct RetireBounds {
    f32 size;
    f32 right;
    bool sides;
    bool bomb;
};
inline bool Shot_Outside(const RetireBounds& b, f32 x, f32 y) {
    if (b.sides && (x + b.size < 0.0f || x > b.right)) return true;
    if (y + b.size < 0.0f || y > 600.0f) return true;
    return b.bomb && PlayerState.bombActive == 1;
}

// The ship-contact box of a set: left <= shot x - ship x <= 30 and top <= shot y - ship y <= 30.
struct ContactBox {
    f32 left, top;
};
// Only a live shot strikes the ship: a shot freed in place keeps its last position but is gone.
template <class Shot>
inline void Shot_Contact(const Shot& s, const ContactBox& box) {
    if (s.active != 0) Shot_StrikePlayer(s.x, s.y, box.left, box.top);
}

// Aimed arming: live at (x, y), which is also the start point; aimed at the ship's position plus `aim`
// in both axes. The caller sets the speed.
template <class Shot>
inline void Aimed_Arm(Shot& s, f32 x, f32 y, f32 aim) {
    s.active = 1;
    s.x = x;
    s.y = y;
    s.x0 = x;
    s.y0 = y;
    s.dx = PlayerState.x + aim - x;
    s.dy = PlayerState.y + aim - y;
    s.heading = Weapon_HeadingTo(s.dx, s.dy);
}
// Aimed motion: along the heading at the shot's speed.
template <class Shot>
inline void Aimed_Move(Shot& s) {
    s.y += std::sin(s.heading) * s.speed * FrameTime;
    s.x += std::cos(s.heading) * s.speed * FrameTime;
}

// How a set's shots look. Every kind draws at (X + atX, Y + atY), X and Y truncated towards zero.
enum class ShotDraw : u8 {
    Add,      // cell animFrame of `cells` cells of the source's width, added; the cell then advances
    Rotated,  // the source rotated into the box (X + atX, Y + atY, X + boxRight, Y + boxBottom) at
              // 270 - d degrees, d being the heading in degrees truncated towards zero
};
struct ShotLook {
    const i32* sheet;
    i16 left, top, right, bottom;  // source rectangle of cell 0
    ShotDraw draw;
    i16 cells;                     // Add: 1 for a still picture
    i16 atX, atY;
    i16 boxRight, boxBottom;       // Rotated
};
void Shot_DrawAt(f32 x, f32 y, f32 heading, i32 cell, const ShotLook& look);
// Draws one shot; an animated look then steps the shot's cell.
template <class Shot>
inline void Shot_Draw(Shot& s, const ShotLook& look) {
    f32 heading = 0.0f;
    if constexpr (requires { s.heading; }) heading = s.heading;
    Shot_DrawAt(s.x, s.y, heading, s.animFrame, look);
    if (look.cells > 1 && ++s.animFrame >= look.cells) s.animFrame = 0;
}

// Where enemy k of a family stands.
using EnemyOrigin = FloatPoint (*)(i32 k);
template <auto& Pool>
FloatPoint OriginOf(i32 k) {
    return {Pool[k].x, Pool[k].y};
}

// A straight set of BulletSlot records: `group` records per enemy (record j of group k is pool[k group + j]
// and belongs to enemy k). Record j starts at the enemy's position plus the offset, falls at vy[j] (or at
// vy[0] + rand() % vyRand) and moves sideways by xDir vx[j]. The enemy's `active` is not tested, so a
// free enemy fires from its park and its shots are freed by their first update.
struct StraightSet {
    BulletSlot* pool;
    i32 groups, group;
    EnemyOrigin origin;
    f32 offX, offY;
    f32 vy[5];
    i32 vyRand;
    f32 vx[5];
    f32 xDir;
    RetireBounds retire;
    ContactBox box;
    ShotLook look;
};
void Straight_Spawn(const StraightSet& set);
void Straight_Update(const StraightSet& set);
void Straight_Draw(const StraightSet& set);

// An aimed set of AimedShotSlot records: `group` records per enemy slot (record r of group k is
// pool[k group + r]); group k fires from enemy k, or every group from enemy `fromSlot` when it is not -1.
// Record r flies at speed[r], or at speed[0] + rand() % speedRand. With `groupRetire` the bounds are
// tested on record 0 of the group and a record is freed where it stands, so a group leaves together.
struct AimedSet {
    AimedShotSlot* pool;
    i32 groups, group;
    EnemyOrigin origin;
    i32 fromSlot;
    f32 offX, offY, aim;
    f32 speed[5];
    i32 speedRand;
    RetireBounds retire;
    bool groupRetire;
    ContactBox box;
    ShotLook look;
};
// Groups [first, last) of the set; the SzakMix sets work one group at a time.
void Aimed_Spawn(const AimedSet& set, i32 first, i32 last);
void Aimed_Update(const AimedSet& set, i32 first, i32 last);
void Aimed_Draw(const AimedSet& set, i32 first, i32 last, const ShotLook& look);
inline void Aimed_Spawn(const AimedSet& set) { Aimed_Spawn(set, 0, set.groups); }
inline void Aimed_Update(const AimedSet& set) { Aimed_Update(set, 0, set.groups); }
inline void Aimed_Draw(const AimedSet& set) { Aimed_Draw(set, 0, set.groups, set.look); }

// ---------------------------------------------------------------------------------------------------
// Sets that draw every record

// Draws every record of the set, live or free, each stepping its own cell: a free record stands off
// screen, where the clip discards it, but its animation runs on all the same.
void Aimed_DrawEvery(const AimedSet& set);
