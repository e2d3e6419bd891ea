// The lock-on sight and the bosses' lock points. The scan takes the sight's centre and, for every boss
// whose box holds it, calls the boss's two point setters for every point index, so all points of a boss
// lock together at the boss's position of that frame.
#include "game/player/lockon.h"

#include "game/common/boss_state.h"
#include "game/common/geometry.h"
#include "game/common/player_state.h"

namespace {

struct Offset {
    i32 dx, dy;
};

// One boss table's setter: the table, the boss whose position it takes, and the points' offsets from it.
// A table that places all points at once rewrites every point when one of them locks; the Boss11 tables
// place only the point that locks.
struct PointTable {
    LockPoint* points;
    i32 count;
    const BossState* boss;
    const Offset* offsets;
    bool placeAll;
};

constexpr Offset kBoss11Offsets[3] = {{190, 150}, {190, 150}, {190, 150}};
constexpr Offset kBoss2BOffsets[3] = {{190, 160}, {120, 120}, {260, 120}};
constexpr Offset kBoss31Offsets[5] = {{200, 160}, {130, 90}, {270, 90}, {80, 110}, {320, 110}};
constexpr Offset kBoss41Offsets[3] = {{190, 180}, {20, 140}, {360, 140}};
constexpr Offset kBoss51Offsets[5] = {{160, 100}, {110, 40}, {210, 40}, {40, 110}, {280, 110}};
constexpr Offset kBoss4BOffsets[9] = {{200, 170}, {110, 170}, {290, 170}, {30, 110}, {370, 110},
                                      {120, 120}, {280, 120}, {80, 70},   {320, 70}};
constexpr Offset kBoss71Offsets[5] = {{220, 120}, {150, 230}, {290, 230}, {80, 90}, {360, 90}};
constexpr Offset kBoss5BOffsets[5] = {{220, 100}, {150, 150}, {290, 150}, {80, 70}, {360, 70}};

const PointTable kBoss11A{Boss11LockPointsA, 3, &Boss11State, kBoss11Offsets, false};
const PointTable kBoss11B{Boss11LockPointsB, 3, &Boss11State, kBoss11Offsets, false};
const PointTable kBoss2BA{Boss2BLockPointsA, 3, &Boss2BState, kBoss2BOffsets, true};
const PointTable kBoss2BB{Boss2BLockPointsB, 3, &Boss2BState, kBoss2BOffsets, true};
const PointTable kBoss31A{Boss31LockPointsA, 5, &Boss31State, kBoss31Offsets, true};
const PointTable kBoss31B{Boss31LockPointsB, 5, &Boss31State, kBoss31Offsets, true};
const PointTable kBoss41A{Boss41LockPointsA, 3, &Boss41State, kBoss41Offsets, true};
const PointTable kBoss41B{Boss41LockPointsB, 3, &Boss41State, kBoss41Offsets, true};
const PointTable kBoss51A{Boss51LockPointsA, 5, &Boss51State, kBoss51Offsets, true};
const PointTable kBoss51B{Boss51LockPointsB, 5, &Boss51State, kBoss51Offsets, true};
const PointTable kBoss4BA{Boss4BLockPointsA, 9, &Boss4BState, kBoss4BOffsets, true};
const PointTable kBoss4BB{Boss4BLockPointsB, 9, &Boss4BState, kBoss4BOffsets, true};
const PointTable kBoss71A{Boss71LockPointsA, 5, &Boss71State, kBoss71Offsets, true};
const PointTable kBoss71B{Boss71LockPointsB, 5, &Boss71State, kBoss71Offsets, true};
const PointTable kBoss5BA{Boss5BLockPointsA, 5, &Boss5BState, kBoss5BOffsets, true};
const PointTable kBoss5BB{Boss5BLockPointsB, 5, &Boss5BState, kBoss5BOffsets, true};

void Mark(const PointTable& t, i32 i) {
    if (i < 0 || i >= t.count) return;
    if (t.points[i].locked != 0) return;
    t.points[i].locked = 1;
    const i32 bx = TruncPos(t.boss->x), by = TruncPos(t.boss->y);
    for (i32 k = 0; k < t.count; ++k) {
        if (!t.placeAll && k != i) continue;
        t.points[k].x = bx + t.offsets[k].dx;
        t.points[k].y = by + t.offsets[k].dy;
    }
}

// One boss as the scan sees it: its point count, the least y at which it is scanned, the far corner of
// its box relative to its position (the near corner is +40, +40) and its two setters.
struct ScanTarget {
    const BossState* boss;
    i32 points;
    f32 minY;
    i32 width, height;
    void (*markA)(i32 i);
    void (*markB)(i32 i);
};
const ScanTarget kScan[] = {
    {&Boss11State, 3, -10.0f, 400, 320, LockOn_MarkBoss11A, LockOn_MarkBoss11B},
    {&Boss2BState, 3, -10.0f, 400, 340, LockOn_MarkBoss2BA, LockOn_MarkBoss2BB},
    {&Boss31State, 5, -10.0f, 420, 340, LockOn_MarkBoss31A, LockOn_MarkBoss31B},
    {&Boss41State, 3, -10.0f, 340, 340, LockOn_MarkBoss41A, LockOn_MarkBoss41B},
    {&Boss51State, 5, -10.0f, 340, 340, LockOn_MarkBoss51A, LockOn_MarkBoss51B},
    {&Boss4BState, 9, 0.0f, 400, 340, LockOn_MarkBoss4BA, LockOn_MarkBoss4BB},
    {&Boss71State, 5, 0.0f, 460, 340, LockOn_MarkBoss71A, LockOn_MarkBoss71B},
    {&Boss5BState, 5, 0.0f, 440, 340, LockOn_MarkBoss5BA, LockOn_MarkBoss5BB},
};

}  // namespace

void LockOn_Scan() {
    const i32 sx = PlayerState.lockSightX + kLockSightWidth / 2;
    const i32 sy = PlayerState.lockSightY + kLockSightHeight / 2;
    for (const ScanTarget& t : kScan) {
        for (i32 i = 0; i < t.points; ++i) {
            // The setters may not move the boss, but the test is made afresh for every index all the same.
            const BossState& b = *t.boss;
            if (b.guard != 0 || !(b.y >= t.minY)) continue;
            const i32 bx = TruncPos(b.x), by = TruncPos(b.y);
            if (bx + 40 <= sx && sx <= bx + t.width && by + 40 <= sy && sy <= by + t.height) {
                t.markA(i);
                t.markB(i);
            }
        }
    }
}

void LockOn_MarkBoss11A(i32 i) { Mark(kBoss11A, i); }
void LockOn_MarkBoss11B(i32 i) { Mark(kBoss11B, i); }
void LockOn_MarkBoss2BA(i32 i) { Mark(kBoss2BA, i); }
void LockOn_MarkBoss2BB(i32 i) { Mark(kBoss2BB, i); }
void LockOn_MarkBoss31A(i32 i) { Mark(kBoss31A, i); }
void LockOn_MarkBoss31B(i32 i) { Mark(kBoss31B, i); }
void LockOn_MarkBoss41A(i32 i) { Mark(kBoss41A, i); }
void LockOn_MarkBoss41B(i32 i) { Mark(kBoss41B, i); }
void LockOn_MarkBoss51A(i32 i) { Mark(kBoss51A, i); }
void LockOn_MarkBoss51B(i32 i) { Mark(kBoss51B, i); }
void LockOn_MarkBoss4BA(i32 i) { Mark(kBoss4BA, i); }
void LockOn_MarkBoss4BB(i32 i) { Mark(kBoss4BB, i); }
void LockOn_MarkBoss71A(i32 i) { Mark(kBoss71A, i); }
void LockOn_MarkBoss71B(i32 i) { Mark(kBoss71B, i); }
void LockOn_MarkBoss5BA(i32 i) { Mark(kBoss5BA, i); }
void LockOn_MarkBoss5BB(i32 i) { Mark(kBoss5BB, i); }

void Player_LockSightFollow() {
    if (PlayerState.alive == 0) return;
    const i32 px = TruncPos(PlayerState.x), py = TruncPos(PlayerState.y);
    if (PlayerState.shipType == 1) {
        PlayerState.lockSightX = px - 290;
        PlayerState.lockSightY = py - 500;
    } else if (PlayerState.shipType == 2) {
        PlayerState.lockSightX = px - 120;
        PlayerState.lockSightY = py - 270;
    }
}
