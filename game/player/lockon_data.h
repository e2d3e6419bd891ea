// The lock-on machinery: the bosses' lock points, the lock-on lasers, the lock pass's own marks, the
// boss parade and the ship overlay.
#pragma once
#include "game/enemy/enemy_records.h"  // LockMark
#include "game/common/pool.h"
#include "host/types.h"

// A lock-on target point on a boss.
struct LockPoint {
    i32 x, y;
    i32 locked;
};
// Two tables per boss, A and B, of 3, 5 or 9 points; every table named once.
#define LOCK_POINTS(X)                 \
    X(LockPoint, Boss11LockPointsA, 3) \
    X(LockPoint, Boss11LockPointsB, 3) \
    X(LockPoint, Boss2BLockPointsA, 3) \
    X(LockPoint, Boss2BLockPointsB, 3) \
    X(LockPoint, Boss41LockPointsA, 3) \
    X(LockPoint, Boss41LockPointsB, 3) \
    X(LockPoint, Boss31LockPointsA, 5) \
    X(LockPoint, Boss31LockPointsB, 5) \
    X(LockPoint, Boss51LockPointsA, 5) \
    X(LockPoint, Boss51LockPointsB, 5) \
    X(LockPoint, Boss71LockPointsA, 5) \
    X(LockPoint, Boss71LockPointsB, 5) \
    X(LockPoint, Boss5BLockPointsA, 5) \
    X(LockPoint, Boss5BLockPointsB, 5) \
    X(LockPoint, Boss4BLockPointsA, 9) \
    X(LockPoint, Boss4BLockPointsB, 9)
LOCK_POINTS(POOL_EXTERN)

// A lock-on laser; one record per target point.
struct LockLaser {
    f32 x, y;                // top-left of the 20x60 laser
    i32 alive;
    f32 aimDx, aimDy;        // to the aim point, every frame
    f32 launchDx, launchDy;  // the same at launch
    f32 angle;               // radians
    f32 speed;               // px/s
    f32 step;                // curve clock
};
#define LOCK_LASERS(X)                \
    X(LockLaser, LockLaserSzak21, 3)  \
    X(LockLaser, LockLaserSzak22, 3)  \
    X(LockLaser, LockLaserBoss11A, 3) \
    X(LockLaser, LockLaserBoss11B, 3) \
    X(LockLaser, LockLaserBoss2BA, 3) \
    X(LockLaser, LockLaserBoss2BB, 3) \
    X(LockLaser, LockLaserBoss41A, 3) \
    X(LockLaser, LockLaserBoss41B, 3) \
    X(LockLaser, LockLaserBoss31A, 5) \
    X(LockLaser, LockLaserBoss31B, 5) \
    X(LockLaser, LockLaserBoss51A, 5) \
    X(LockLaser, LockLaserBoss51B, 5) \
    X(LockLaser, LockLaserBoss71A, 5) \
    X(LockLaser, LockLaserBoss71B, 5) \
    X(LockLaser, LockLaserBoss5BA, 5) \
    X(LockLaser, LockLaserBoss5BB, 5) \
    X(LockLaser, LockLaserBoss4BA, 9) \
    X(LockLaser, LockLaserBoss4BB, 9)
LOCK_LASERS(POOL_EXTERN)

// The lock pass's own mark tables: A and B are set for its two spare enemy tables, C and D by setters
// that nothing calls.
extern LockMark LockScanMarksA[3], LockScanMarksB[3], LockScanMarksC[3], LockScanMarksD[3];

// The boss parade: one record per boss image.
struct ParadeSlot {
    i32 clock;
    f32 x, y;
    f32 speed;
    i32 active;
};
extern ParadeSlot ParadeSlots[8];

// The ship overlay, one record per ship type (1 and 2).
struct ShipOverlayRecord {
    f32 x, y;
    i32 frame;
    i32 done;
};
extern ShipOverlayRecord ShipOverlay[2];
extern f32 BannerHeight;

// Back to rest: the lock pass's marks A and B, every lock point and every lock-on laser parked (C and D keep
// what they hold).
void LockOn_ResetPools();
// Back to rest: every parade record parked and still.
void Parade_ResetPools();
// Back to rest: both overlays parked, frame 0, not done.
void ShipOverlay_Reset();
