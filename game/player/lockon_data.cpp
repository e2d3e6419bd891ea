#include "game/player/lockon_data.h"

#include <initializer_list>

#include "game/common/state.h"

LOCK_POINTS(POOL_STORAGE)

LOCK_LASERS(POOL_STORAGE)

LockMark LockScanMarksA[3], LockScanMarksB[3], LockScanMarksC[3], LockScanMarksD[3];

ParadeSlot ParadeSlots[8];
ShipOverlayRecord ShipOverlay[2];
f32 BannerHeight = 0;

namespace {
const PoolRef<LockPoint> kLockPoints[] = {LOCK_POINTS(POOL_ROW)};
const PoolRef<LockLaser> kLockLasers[] = {LOCK_LASERS(POOL_ROW)};
}  // namespace

void LockOn_ResetPools() {
    for (LockMark* marks : {LockScanMarksA, LockScanMarksB})
        for (i32 k = 0; k < 3; ++k) marks[k] = LockMark{IntegerPark.x, IntegerPark.y, 0};
    for (const PoolRef<LockPoint>& p : kLockPoints)
        for (i32 k = 0; k < p.count; ++k) p.slots[k] = LockPoint{IntegerPark.x, IntegerPark.y, 0};
    for (const PoolRef<LockLaser>& p : kLockLasers) {
        for (i32 k = 0; k < p.count; ++k) {
            LockLaser& l = p.slots[k];
            l.x = ParkPosition.x;
            l.y = ParkPosition.y;
            l.angle = ResetHeading;
            l.alive = 0;
            l.aimDx = l.aimDy = l.launchDx = l.launchDy = 0;
            l.speed = 0;
        }
    }
}

void Parade_ResetPools() {
    for (ParadeSlot& p : ParadeSlots) {
        p.x = ParkPosition.x;
        p.y = ParkPosition.y;
        p.clock = 0;
        p.speed = 0;
        p.active = 0;
    }
}

void ShipOverlay_Reset() {
    for (ShipOverlayRecord& o : ShipOverlay) o = ShipOverlayRecord{ParkPosition.x, ParkPosition.y, 0, 0};
}
