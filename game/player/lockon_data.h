// The lock-on machinery: the bosses' lock points, the lock-on lasers, the lock pass's own marks, the
// boss parade and the ship overlay.
#pragma once
#include "game/enemy/enemy_records.h"  // LockMark
#include "host/types.h"

// A lock-on target point on a boss.
struct LockPoint {
    i32 x, y;
    i32 locked;
};
// Two tables per boss, A and B, of 3, 5 or 9 points.
extern LockPoint Boss11LockPointsA[3], Boss11LockPointsB[3], Boss2BLockPointsA[3], Boss2BLockPointsB[3],
    Boss41LockPointsA[3], Boss41LockPointsB[3], Boss31LockPointsA[5], Boss31LockPointsB[5], Boss51LockPointsA[5],
    Boss51LockPointsB[5], Boss71LockPointsA[5], Boss71LockPointsB[5], Boss5BLockPointsA[5], Boss5BLockPointsB[5],
    Boss4BLockPointsA[9], Boss4BLockPointsB[9];

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
extern LockLaser LockLaserSzak21[3], LockLaserSzak22[3];
extern LockLaser LockLaserBoss11A[3], LockLaserBoss11B[3], LockLaserBoss2BA[3], LockLaserBoss2BB[3],
    LockLaserBoss41A[3], LockLaserBoss41B[3], LockLaserBoss31A[5], LockLaserBoss31B[5], LockLaserBoss51A[5],
    LockLaserBoss51B[5], LockLaserBoss71A[5], LockLaserBoss71B[5], LockLaserBoss5BA[5], LockLaserBoss5BB[5],
    LockLaserBoss4BA[9], LockLaserBoss4BB[9];

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
