// The lock-on sight and the bosses' lock points: the scan that marks every point of a boss under the
// sight's centre, and the sixteen point setters (two tables per boss). The LockPoint tables themselves
// are declared in lockon_data.h; the boss draws read them.
#pragma once
#include "game/player/lockon_data.h"
#include "host/types.h"

// The sight is 300 x 240 pixels for both ship types; the scan point is its centre.
constexpr i32 kLockSightWidth = 300, kLockSightHeight = 240;

// Marks the points of every boss whose box holds the sight's centre. Runs in the automatic-fire block.
void LockOn_Scan();
// The point setters, one per boss table: lock point i (and, for every boss but Boss11, place the whole
// table at the boss's current position). A point that is already locked is left alone.
void LockOn_MarkBoss11A(i32 i);
void LockOn_MarkBoss11B(i32 i);
void LockOn_MarkBoss2BA(i32 i);
void LockOn_MarkBoss2BB(i32 i);
void LockOn_MarkBoss31A(i32 i);
void LockOn_MarkBoss31B(i32 i);
void LockOn_MarkBoss41A(i32 i);
void LockOn_MarkBoss41B(i32 i);
void LockOn_MarkBoss51A(i32 i);
void LockOn_MarkBoss51B(i32 i);
void LockOn_MarkBoss4BA(i32 i);
void LockOn_MarkBoss4BB(i32 i);
void LockOn_MarkBoss71A(i32 i);
void LockOn_MarkBoss71B(i32 i);
void LockOn_MarkBoss5BA(i32 i);
void LockOn_MarkBoss5BB(i32 i);
// Places the sight ahead of the ship while the ship is alive. Nothing in the game calls it.
void Player_LockSightFollow();
