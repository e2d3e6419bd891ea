// What the lockable side-crossing families Szak6A/6B and Szak13A/13B share: three ships each, a move that
// frees a ship past its column bounds or below the field, parking it at x 360, and the lock marks, which
// follow a live, locked ship and go back to rest when their ship leaves or has exploded.
#pragma once
#include "el/elDraw.h"
#include "el/elSystem.h"  // FrameTime
#include "game/common/images.h"
#include "game/common/state.h"
#include "game/enemy/enemy_records.h"
#include "game/enemy/enemy_rules.h"
#include "host/types.h"

namespace crossing {

inline constexpr i32 kShips = 3;
inline constexpr f32 kLeft = 90.0f, kRight = 620.0f;           // a ship outside [90, 620] has left
inline constexpr FloatPoint kPark{360.0f, 2550.0f};            // where a ship that left waits
inline constexpr i32 kMarkLeft = 110, kMarkRight = 620;        // a mark outside [110, 620] rests as its ship leaves

// Moves every live ship by xDir vx (and by vy when `movesY`), then frees the ships that have left: below
// the field, or outside the columns, when the ship's mark, if it stands outside [110, 620], rests too.
template <class Ship>
void Move(Ship* ships, LockMark* marks, f32 xDir, bool movesY) {
    for (i32 k = 0; k < kShips; ++k) {
        Ship& e = ships[k];
        if (e.active != 0) {
            e.x += xDir * e.vx * FrameTime;
            if (movesY) e.y += e.vy * FrameTime;
        }
        if (e.y > 600.0f) Enemy_Park(e, kPark);
        if (e.x < kLeft || e.x > kRight) {
            Enemy_Park(e, kPark);
            if (marks[k].x < kMarkLeft || marks[k].x > kMarkRight) RestMark(marks[k], kMarkAfterExit);
        }
    }
}

// A live ship at (x, y) carries its mark when the mark is locked: the marker is drawn at (x + 10, y + 10).
inline void FollowMark(LockMark& m, i32 x, i32 y) {
    if (m.locked == 0) return;
    m.x = x + 10;
    m.y = y + 10;
    elDraw::PutSprite(m.x, m.y, imgROCK1, 0, 0, 60, 60);
}

inline void MarkAfterBlast(LockMark& m) { RestMark(m, kMarkAfterBlast); }

}  // namespace crossing
