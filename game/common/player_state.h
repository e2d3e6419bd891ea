// The player's ship as everything else sees it: its state record, the keys it reads, its speeds and field.
#pragma once
#include "host/types.h"

struct PlayerStateRecord {
    f32 x, y;          // top-left of the ship's 60x70 cell
    f32 vx, vy;        // this frame's velocity, px/s
    i32 tilt;          // sprite column 0..6; 3 is level flight
    i32 tiltDir;       // +1, -1 or 0, added to the tilt once per frame
    i32 controlKeys;   // 1: keyboard control
    i32 controlMouse;  // 1: the ship follows the mouse
    i32 alive;         // 1: the ship can be hit
    i32 respawning;    // 1 while the returned ship is invulnerable
    i32 respawnTimer;  // frames of invulnerability so far
    i32 noDeath;       // 1: a hit leaves the ship down without explosion or loss
    i32 shipType;      // 1 or 2
    i32 powerFlag;     // 1: both main shots fire three abreast
    i32 itemCount;     // power items launched since the last destruction
    i32 burstActive, mainShotEnabled, mainShot2Enabled;
    i32 fireClock, fire2Clock, burstClock;  // frame counts of the fire timelines
    i32 muzzleFlash, muzzleFlash2;          // one-frame flags of the muzzle flashes
    i32 bombActive, bombClock;
    i32 autoFire;
    i32 lockSightX, lockSightY;
};
extern PlayerStateRecord PlayerState;

// The key states of the nine keys the player reads, in polling order.
struct InputKeysRecord {
    u32 left, right, up, down, c, v, b, shift, ctrl;
};
extern InputKeysRecord InputKeys;

// The ship's speed by ship type, and the field it is held in.
constexpr f32 kShipSpeed1 = 160.0f, kShipSpeed2 = 200.0f;
constexpr f32 kShipMinX = 220.0f, kShipMaxX = 520.0f, kShipMinY = 220.0f, kShipMaxY = 540.0f;
constexpr i32 kRespawnFrames = 249;
