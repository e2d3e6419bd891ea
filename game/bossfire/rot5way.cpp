// The Rot5Way families: one engine over one descriptor row per family. A spawn sends every free slot
// from one muzzle on one heading (aimed at the ship, then turned by the family's angle), each slot at
// its rung of the family's speed ladder, so the bullets string out into a line; the line stays live as a
// whole until its slowest bullet (slot 0) has left the field, and is then freed where it stands.
#include "game/bossfire/rot5way.h"

#include "el/draw/rotate.h"
#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/bossfire/aim_rule.h"
#include "game/bossfire/rot5way_engine.h"
#include "game/common/contact.h"
#include "game/common/images.h"
#include "game/common/player_state.h"

namespace {

constexpr f32 kSlowLadder[8] = {170, 200, 230, 250, 270};
constexpr f32 kFastLadder[8] = {260, 280, 300, 320, 340};
constexpr f32 kLongLadder[8] = {260, 280, 300, 320, 340, 360, 380, 400};
constexpr f32 kDriftClockRate = 260.0f;  // per second
constexpr f32 kDriftClockEnd = 300.0f;

// The stage-1 boss's lines: the fast ladder, a muzzle 100 below the boss, aim offset a, turns of 18
// degrees; the field is [-20, 800] x [-20, 600], the contact box (10, 20); every slot is drawn.
constexpr Rot5WayFamily Stage1(Rot5WayBullet (&pool)[5], Rot5WayLook look, const i32& sheet, f32 muzzleX, f32 aim,
                               i32 turnSteps) {
    return {pool, 5, &Boss11State, muzzleX, 100.0f, aim, kFastLadder, turnSteps * (2.0 * kBulletPi / 20.0), true,
            20.0f, 10.0f, 20.0f, Rot5WayDrift::None, look, &sheet, true};
}

// The stage-2 and stage-3 bosses' lines: aim offset 15, the field [-30, 800] x [-30, 600], the contact box
// (0, 10); only live slots are drawn.
template <i32 N>
constexpr Rot5WayFamily Turned(Rot5WayBullet (&pool)[N], BossState& boss, const i32& sheet, const f32 (&ladder)[8],
                               f32 muzzleX, f32 muzzleY, i32 turnSteps, i32 stepsPerTurn,
                               Rot5WayDrift drift = Rot5WayDrift::None) {
    return {pool, N, &boss, muzzleX, muzzleY, 15.0f, ladder, turnSteps * (2.0 * kBulletPi / stepsPerTurn), false,
            30.0f, 0.0f, 10.0f, drift, Rot5WayLook::Rotated, &sheet, false};
}
template <i32 N>
constexpr Rot5WayFamily Boss41(Rot5WayBullet (&pool)[N], const f32 (&ladder)[8], f32 muzzleX, f32 muzzleY,
                               i32 turnSteps, Rot5WayDrift drift = Rot5WayDrift::None) {
    return Turned(pool, Boss41State, imgVALL3011, ladder, muzzleX, muzzleY, turnSteps, 12, drift);
}
constexpr Rot5WayFamily Boss71(Rot5WayBullet (&pool)[5], const i32& sheet, f32 muzzleX, i32 turnSteps) {
    return Turned(pool, Boss71State, sheet, kSlowLadder, muzzleX, 100.0f, turnSteps, 20);
}

constexpr Rot5WayLook kAnimated = Rot5WayLook::Animated, kRotated = Rot5WayLook::Rotated;

}  // namespace

// family, row
#define ROT5WAY_FAMILIES(X)                                                                          \
    X(Boss11Rot5Way1, Stage1(Boss11Rot5Way1, kAnimated, imgVAL201, 90.0f, 20.0f, 0))               \
    X(Boss11Rot5Way2, Stage1(Boss11Rot5Way2, kAnimated, imgVAL201, 330.0f, 20.0f, 0))              \
    X(Boss11Rot5Way3, Stage1(Boss11Rot5Way3, kRotated, imgVALL301, 85.0f, 15.0f, 1))               \
    X(Boss11Rot5Way4, Stage1(Boss11Rot5Way4, kRotated, imgVALL301, 85.0f, 9.0f, 0))                \
    X(Boss11Rot5Way5, Stage1(Boss11Rot5Way5, kRotated, imgVALL301, 85.0f, 9.0f, -1))               \
    X(Boss11Rot5Way6, Stage1(Boss11Rot5Way6, kRotated, imgVALL301, 325.0f, 15.0f, 1))              \
    X(Boss11Rot5Way7, Stage1(Boss11Rot5Way7, kRotated, imgVALL301, 325.0f, 15.0f, 0))              \
    X(Boss11Rot5Way8, Stage1(Boss11Rot5Way8, kRotated, imgVALL301, 325.0f, 15.0f, -1))             \
    X(Boss11Rot5Way9, Stage1(Boss11Rot5Way9, kRotated, imgVALL301, 105.0f, 15.0f, 0))              \
    X(Boss11Rot5Way10, Stage1(Boss11Rot5Way10, kRotated, imgVALL301, 305.0f, 15.0f, 0))            \
    X(Boss41Rot5Way1, Boss41(Boss41Rot5Way1, kSlowLadder, 85.0f, 100.0f, 5))                       \
    X(Boss41Rot5Way2, Boss41(Boss41Rot5Way2, kSlowLadder, 85.0f, 100.0f, 4))                       \
    X(Boss41Rot5Way3, Boss41(Boss41Rot5Way3, kSlowLadder, 85.0f, 100.0f, 3))                       \
    X(Boss41Rot5Way4, Boss41(Boss41Rot5Way4, kSlowLadder, 85.0f, 100.0f, 2))                       \
    X(Boss41Rot5Way5, Boss41(Boss41Rot5Way5, kSlowLadder, 85.0f, 100.0f, 1))                       \
    X(Boss41Rot5Way6, Boss41(Boss41Rot5Way6, kSlowLadder, 85.0f, 100.0f, 0))                       \
    X(Boss41Rot5Way7, Boss41(Boss41Rot5Way7, kSlowLadder, 85.0f, 100.0f, -1))                      \
    X(Boss41Rot5Way8, Boss41(Boss41Rot5Way8, kSlowLadder, 85.0f, 100.0f, -2))                      \
    X(Boss41Rot5Way9, Boss41(Boss41Rot5Way9, kSlowLadder, 85.0f, 100.0f, -3))                      \
    X(Boss41Rot5Way10, Boss41(Boss41Rot5Way10, kSlowLadder, 85.0f, 100.0f, -4))                    \
    X(Boss41Rot5Way11, Boss41(Boss41Rot5Way11, kSlowLadder, 85.0f, 100.0f, -5))                    \
    X(Boss41Rot5Way12, Boss41(Boss41Rot5Way12, kSlowLadder, 85.0f, 100.0f, -6))                    \
    X(Boss41Rot5Way13, Boss41(Boss41Rot5Way13, kSlowLadder, 325.0f, 100.0f, -5))                   \
    X(Boss41Rot5Way14, Boss41(Boss41Rot5Way14, kSlowLadder, 325.0f, 100.0f, -4))                   \
    X(Boss41Rot5Way15, Boss41(Boss41Rot5Way15, kSlowLadder, 325.0f, 100.0f, -3))                   \
    X(Boss41Rot5Way16, Boss41(Boss41Rot5Way16, kSlowLadder, 325.0f, 100.0f, -2))                   \
    X(Boss41Rot5Way17, Boss41(Boss41Rot5Way17, kSlowLadder, 325.0f, 100.0f, -1))                   \
    X(Boss41Rot5Way18, Boss41(Boss41Rot5Way18, kSlowLadder, 325.0f, 100.0f, 0))                    \
    X(Boss41Rot5Way19, Boss41(Boss41Rot5Way19, kSlowLadder, 325.0f, 100.0f, 1))                    \
    X(Boss41Rot5Way20, Boss41(Boss41Rot5Way20, kSlowLadder, 325.0f, 100.0f, 2))                    \
    X(Boss41Rot5Way21, Boss41(Boss41Rot5Way21, kSlowLadder, 325.0f, 100.0f, 3))                    \
    X(Boss41Rot5Way22, Boss41(Boss41Rot5Way22, kSlowLadder, 325.0f, 100.0f, 4))                    \
    X(Boss41Rot5Way23, Boss41(Boss41Rot5Way23, kSlowLadder, 325.0f, 100.0f, 5))                    \
    X(Boss41Rot5Way24, Boss41(Boss41Rot5Way24, kSlowLadder, 325.0f, 100.0f, 6))                    \
    X(Boss41Rot5Way25, Boss41(Boss41Rot5Way25, kFastLadder, 105.0f, 100.0f, 0))                    \
    X(Boss41Rot5Way26, Boss41(Boss41Rot5Way26, kFastLadder, 305.0f, 100.0f, 0))                    \
    X(Boss41Rot5Way27, Boss41(Boss41Rot5Way27, kFastLadder, 75.0f, 140.0f, 0))                     \
    X(Boss41Rot5Way28, Boss41(Boss41Rot5Way28, kFastLadder, 335.0f, 140.0f, 0))                    \
    X(Boss41Rot5Way29, Boss41(Boss41Rot5Way29, kLongLadder, 105.0f, 100.0f, 0, Rot5WayDrift::Left))  \
    X(Boss41Rot5Way30, Boss41(Boss41Rot5Way30, kLongLadder, 305.0f, 100.0f, 0, Rot5WayDrift::Right)) \
    X(Boss71Rot5Way1, Boss71(Boss71Rot5Way1, imgVALL301, 115.0f, 3))                               \
    X(Boss71Rot5Way2, Boss71(Boss71Rot5Way2, imgVALL301, 115.0f, 2))                               \
    X(Boss71Rot5Way3, Boss71(Boss71Rot5Way3, imgVALL301, 115.0f, 1))                               \
    X(Boss71Rot5Way4, Boss71(Boss71Rot5Way4, imgVALL302, 115.0f, 0))                               \
    X(Boss71Rot5Way5, Boss71(Boss71Rot5Way5, imgVALL301, 115.0f, -1))                              \
    X(Boss71Rot5Way6, Boss71(Boss71Rot5Way6, imgVALL301, 115.0f, -2))                              \
    X(Boss71Rot5Way7, Boss71(Boss71Rot5Way7, imgVALL301, 355.0f, -3))                              \
    X(Boss71Rot5Way8, Boss71(Boss71Rot5Way8, imgVALL301, 355.0f, -2))                              \
    X(Boss71Rot5Way9, Boss71(Boss71Rot5Way9, imgVALL301, 355.0f, -1))                              \
    X(Boss71Rot5Way10, Boss71(Boss71Rot5Way10, imgVALL302, 355.0f, 0))                             \
    X(Boss71Rot5Way11, Boss71(Boss71Rot5Way11, imgVALL301, 355.0f, 1))                             \
    X(Boss71Rot5Way12, Boss71(Boss71Rot5Way12, imgVALL301, 355.0f, 2))

#define ROT5WAY_ROW(name, row) row,
const Rot5WayFamily Rot5WayFamilies[] = {ROT5WAY_FAMILIES(ROT5WAY_ROW)};
#undef ROT5WAY_ROW
const i32 Rot5WayFamilyCount = static_cast<i32>(sizeof Rot5WayFamilies / sizeof Rot5WayFamilies[0]);

namespace {
enum : i32 {
#define ROT5WAY_ID(name, row) k##name,
    ROT5WAY_FAMILIES(ROT5WAY_ID)
#undef ROT5WAY_ID
};
}  // namespace

void Rot5Way_Spawn(const Rot5WayFamily& f) {
    for (i32 i = 0; i < f.count; ++i) {
        Rot5WayBullet& b = f.slots[i];
        if (b.active != 0) continue;
        b.active = 1;
        b.x = f.boss->x + f.muzzleX;
        b.y = f.boss->y + f.muzzleY;
        b.x0 = b.x;
        b.y0 = b.y;
        for (i32 k = 0; k < f.count; ++k) f.slots[k].speed = f.ladder[k];
        b.dx = static_cast<f32>(static_cast<double>(PlayerState.x) + f.aim - b.x);
        b.dy = static_cast<f32>(static_cast<double>(PlayerState.y) + f.aim - b.y);
        if (f.storesBase) {
            // the base is stored first, the turn added to the stored value, then the half-turn
            b.heading = static_cast<f32>(Aim_Base(b.dx, b.dy));
            b.heading = static_cast<f32>(static_cast<double>(b.heading) + f.turn);
            if (Aim_HalfTurn(b.dx, b.dy)) b.heading = static_cast<f32>(static_cast<double>(b.heading) + kBulletPi);
        } else {
            b.heading = Aim_Heading(b.dx, b.dy, f.turn, 0.0);
        }
        if (f.drift != Rot5WayDrift::None) b.clock = 0.0f;
    }
}

namespace {
// Slot 0 outside the field: x + margin < 0, x > 800, y + margin < 0 or y > 600 (every edge inside).
bool OutsideField(const Rot5WayFamily& f, const Rot5WayBullet& b) {
    return b.x + f.margin < 0.0f || b.x > 800.0f || b.y + f.margin < 0.0f || b.y > 600.0f;
}
}  // namespace

void Rot5Way_Update(const Rot5WayFamily& f) {
    const f32 frameTime = FrameTime;
    const double dt = frameTime;
    for (i32 i = 0; i < f.count; ++i) {
        Rot5WayBullet& b = f.slots[i];
        if (b.active != 0) {
            if (f.drift != Rot5WayDrift::None) {
                b.clock = static_cast<f32>(b.clock + kDriftClockRate * dt);
                if (b.clock <= kDriftClockEnd) {
                    const double side = b.speed * dt / 2.0;
                    b.x = static_cast<f32>(f.drift == Rot5WayDrift::Left ? b.x - side : b.x + side);
                    b.y = static_cast<f32>(b.y + b.speed * dt / 10.0);
                }
                if (b.clock > kDriftClockEnd) b.clock = kDriftClockEnd;
            }
            Bullet_Step(b.x, b.y, b.heading, b.speed, frameTime);
        }
        // slot 0 has moved first in this pass; its position decides for the whole line
        if (OutsideField(f, f.slots[0])) b.active = 0;
        // a freed record stays where it was freed and must not strike the ship
        if (b.active != 0) Shot_StrikePlayer(b.x, b.y, f.boxLeft, f.boxTop);
    }
}

void Rot5Way_Draw(const Rot5WayFamily& f) {
    const i32 sheet = *f.sheet;
    for (i32 i = 0; i < f.count; ++i) {
        Rot5WayBullet& b = f.slots[i];
        if (b.active == 0 && !f.drawsFree) continue;
        const i32 ix = static_cast<i32>(b.x), iy = static_cast<i32>(b.y);
        if (f.look == Rot5WayLook::Animated) {
            elDraw::PutAdd(ix, iy, sheet, 20 * b.animFrame, 0, 20 * b.animFrame + 20, 20);
            if (++b.animFrame >= 7) b.animFrame = 0;
        } else {
            elDraw::PutRotate(ix, iy, ix + 30, iy + 30, Heading_DrawAngle(b.heading), sheet, 0, 0, 30, 30);
        }
    }
}

#define ROT5WAY_ENTRIES(name, row)                                      \
    void name##_Spawn(i32) { Rot5Way_Spawn(Rot5WayFamilies[k##name]); }   \
    void name##_Update(i32) { Rot5Way_Update(Rot5WayFamilies[k##name]); } \
    void name##_Draw(i32) { Rot5Way_Draw(Rot5WayFamilies[k##name]); }
ROT5WAY_FAMILIES(ROT5WAY_ENTRIES)
#undef ROT5WAY_ENTRIES
