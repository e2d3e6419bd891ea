// The ship's weapons: the two main shots and the side-shot burst, with their fire timelines and draws.
#pragma once
#include "host/types.h"

// A main shot. Each pool holds three groups of 26 sharing an index k: the straight shot (slot k), the
// left pellet (26 + k) and the right pellet (52 + k).
struct PlayerShot {
    i32 x, y;
    i32 dx;     // sideways step per frame of a pellet
    i32 dy;     // upward step per frame
    i32 alive;
};
constexpr i32 kMainShotGroup = 26, kMainShots = 3 * kMainShotGroup;
extern PlayerShot MainShots[kMainShots], MainShots2[kMainShots];

// A side shot. Four groups of 50 sharing an index k: large left (k), large right (50 + k), small left
// (100 + k), small right (150 + k).
struct SideShot {
    i32 x, y;
    f32 pathClock;  // advanced by 20 per second
    i32 alive;
};
constexpr i32 kSideShotGroup = 50, kSideShots = 4 * kSideShotGroup;
extern SideShot SideShots[kSideShots];

// Back to rest: every main and side shot at the integer park, dead; the side shots' path clocks at 0.
void PlayerShots_ResetPools();

void Player_FireMain(i32 a, i32 b, i32 c);
void Player_FireMain2(i32 a, i32 b, i32 c);
void Player_FireSide(i32 a, i32 b, i32 c, i32 d);
void Player_AutoFireMain();
void Player_AutoFireMain2();
void Player_SideBurst();
void Player_DrawShots();

// One frame's motion of a live shot (the collision pass moves each shot just before testing it).
void PlayerShot_Move(PlayerShot* shot, i32 slot);
void SideShot_Move(SideShot* shot, i32 slot);
