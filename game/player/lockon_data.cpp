#include "game/player/lockon_data.h"

LockPoint Boss11LockPointsA[3], Boss11LockPointsB[3], Boss2BLockPointsA[3], Boss2BLockPointsB[3],
    Boss41LockPointsA[3], Boss41LockPointsB[3], Boss31LockPointsA[5], Boss31LockPointsB[5], Boss51LockPointsA[5],
    Boss51LockPointsB[5], Boss71LockPointsA[5], Boss71LockPointsB[5], Boss5BLockPointsA[5], Boss5BLockPointsB[5],
    Boss4BLockPointsA[9], Boss4BLockPointsB[9];

LockLaser LockLaserSzak21[3], LockLaserSzak22[3];
LockLaser LockLaserBoss11A[3], LockLaserBoss11B[3], LockLaserBoss2BA[3], LockLaserBoss2BB[3], LockLaserBoss41A[3],
    LockLaserBoss41B[3], LockLaserBoss31A[5], LockLaserBoss31B[5], LockLaserBoss51A[5], LockLaserBoss51B[5],
    LockLaserBoss71A[5], LockLaserBoss71B[5], LockLaserBoss5BA[5], LockLaserBoss5BB[5], LockLaserBoss4BA[9],
    LockLaserBoss4BB[9];

LockMark LockScanMarksA[3], LockScanMarksB[3], LockScanMarksC[3], LockScanMarksD[3];

ParadeSlot ParadeSlots[8];
ShipOverlayRecord ShipOverlay[2];
f32 BannerHeight = 0;
