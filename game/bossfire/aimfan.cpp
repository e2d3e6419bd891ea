// The AimFan families: the aimed group's engine over one descriptor row per family, and the stage-1
// boss's four-muzzle family, which aims every bullet from its own muzzle.
#include "game/bossfire/aimfan.h"

#include "el/draw/blit.h"
#include "el/elSystem.h"
#include "game/bossfire/aim_rule.h"
#include "game/bossfire/aimed_engine.h"
#include "game/bossfire/aimfan_data.h"
#include "game/common/contact.h"
#include "game/common/images.h"
#include "game/common/player_state.h"
#include "game/common/state.h"
#include "host/crt.h"

namespace {

using Row = AimedFamily;

// Every AimFan family aims at the ship + (20, 20), lives inside [-20, 800] x [-20, 600], strikes in the
// box (10, 20) .. (30, 30) and draws the animated strip of 24 cells.
template <i32 N, size_t G>
constexpr Row Family(AimFanBullet (&pool)[N], BossState& boss, AimedForm form, i32 wrap, const i32 (&fireAt)[G],
                     f32 muzzleX, f32 muzzleY, f32 speed) {
    Row row{pool, N, &boss, N / static_cast<i32>(G), static_cast<i32>(G), wrap, {}, muzzleX, muzzleY, 20.0f, speed,
            form, AimedLook::Animated, &imgVAL20241, 20, -20.0f, 10.0f, 20.0f};
    for (size_t g = 0; g < G; ++g) row.fireAt[g] = fireAt[g];
    return row;
}

// Fans: five groups of N/5, centred on the aim line. Rings: one group per firing value, each a full turn.
template <i32 N>
constexpr Row Fan(AimFanBullet (&pool)[N], BossState& boss, i32 wrap, const i32 (&fireAt)[5], f32 muzzleX,
                  f32 muzzleY, f32 speed) {
    return Family(pool, boss, AimedForm::Fan, wrap, fireAt, muzzleX, muzzleY, speed);
}
template <i32 N, size_t G>
constexpr Row Ring(AimFanBullet (&pool)[N], BossState& boss, i32 wrap, const i32 (&fireAt)[G], f32 muzzleX,
                   f32 muzzleY, f32 speed) {
    return Family(pool, boss, AimedForm::Ring, wrap, fireAt, muzzleX, muzzleY, speed);
}

constexpr i32 kEvery20To120[] = {20, 40, 60, 80, 100, 120};
constexpr i32 kEvery30To180[] = {30, 60, 90, 120, 150, 180};
constexpr i32 kEvery30To300[] = {30, 60, 90, 120, 150, 180, 210, 240, 270, 300};
constexpr i32 kEvery10To100[] = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
constexpr i32 kBoss71Rings[] = {30, 50, 90, 110, 130, 150};
constexpr i32 kBoss4BRings[] = {30, 60, 120, 150, 180, 210, 240, 300, 330, 360};

}  // namespace

// family, row: boss, clock wrap, firing value of each group, muzzle offset, speed
#define AIMFAN_FAN_FAMILIES(X)                                                                   \
    X(Boss11AimFan2, Fan(Boss11AimFan2, Boss11State, 260, {40, 80, 120, 160, 200}, 210.0f, 130.0f, 220.0f)) \
    X(Boss11AimFan3, Fan(Boss11AimFan3, Boss11State, 130, {20, 40, 60, 80, 100}, 210.0f, 130.0f, 200.0f))   \
    X(Boss41AimFan3, Fan(Boss41AimFan3, Boss41State, 200, {20, 40, 90, 110, 160}, 60.0f, 100.0f, 150.0f))   \
    X(Boss41AimFan4, Fan(Boss41AimFan4, Boss41State, 200, {20, 40, 90, 110, 160}, 360.0f, 100.0f, 150.0f))  \
    X(Boss51AimFan1, Fan(Boss51AimFan1, Boss51State, 150, {30, 60, 90, 120, 150}, 50.0f, 80.0f, 200.0f))    \
    X(Boss51AimFan2, Fan(Boss51AimFan2, Boss51State, 150, {30, 60, 90, 120, 150}, 210.0f, 80.0f, 200.0f))   \
    X(Boss51AimFan3, Fan(Boss51AimFan3, Boss51State, 200, {20, 40, 90, 110, 160}, 30.0f, 130.0f, 150.0f))   \
    X(Boss51AimFan4, Fan(Boss51AimFan4, Boss51State, 200, {20, 40, 90, 110, 160}, 330.0f, 130.0f, 150.0f))

#define AIMFAN_RING_FAMILIES(X)                                                                      \
    X(Boss2BAimFan1, Ring(Boss2BAimFan1, Boss2BState, 140, kEvery20To120, 110.0f, 130.0f, 140.0f))   \
    X(Boss2BAimFan2, Ring(Boss2BAimFan2, Boss2BState, 140, kEvery20To120, 310.0f, 130.0f, 140.0f))   \
    X(Boss31AimFan1, Ring(Boss31AimFan1, Boss31State, 340, kEvery30To300, 220.0f, 220.0f, 140.0f))   \
    X(Boss31AimFan2, Ring(Boss31AimFan2, Boss31State, 340, kEvery30To300, 220.0f, 220.0f, 120.0f))   \
    X(Boss31AimFan3, Ring(Boss31AimFan3, Boss31State, 1000, kEvery10To100, 220.0f, 220.0f, 140.0f))  \
    X(Boss31AimFan4, Ring(Boss31AimFan4, Boss31State, 100, kEvery10To100, 220.0f, 220.0f, 120.0f))   \
    X(Boss31AimFan5, Ring(Boss31AimFan5, Boss31State, 340, kEvery30To300, 220.0f, 180.0f, 100.0f))   \
    X(Boss41AimFan1, Ring(Boss41AimFan1, Boss41State, 250, kEvery30To180, 110.0f, 130.0f, 140.0f))   \
    X(Boss41AimFan2, Ring(Boss41AimFan2, Boss41State, 250, kEvery30To180, 310.0f, 130.0f, 140.0f))   \
    X(Boss71AimFan1, Ring(Boss71AimFan1, Boss71State, 200, kBoss71Rings, 140.0f, 130.0f, 140.0f))    \
    X(Boss71AimFan2, Ring(Boss71AimFan2, Boss71State, 200, kBoss71Rings, 340.0f, 130.0f, 140.0f))    \
    X(Boss4BAimFan1, Ring(Boss4BAimFan1, Boss4BState, 390, kBoss4BRings, 220.0f, 190.0f, 100.0f))

#define AIMFAN_ROW(name, row) row,
const AimedFamily AimFanFamilies[] = {AIMFAN_FAN_FAMILIES(AIMFAN_ROW) AIMFAN_RING_FAMILIES(AIMFAN_ROW)};
#undef AIMFAN_ROW
const i32 AimFanFamilyCount = static_cast<i32>(sizeof AimFanFamilies / sizeof AimFanFamilies[0]);

namespace {
enum : i32 {
#define AIMFAN_ID(name, row) k##name,
    AIMFAN_FAN_FAMILIES(AIMFAN_ID) AIMFAN_RING_FAMILIES(AIMFAN_ID)
#undef AIMFAN_ID
};
}  // namespace

#define AIMFAN_FAN_ENTRIES(name, row)                                                                \
    void name##_Emit(i32) { Aimed_Emit(AimFanFamilies[k##name]); }                                   \
    void name##_Spawn(i32 slot, i32 first) { Aimed_Spawn(AimFanFamilies[k##name], slot, first); } \
    void name##_Update(i32) { Aimed_Update(AimFanFamilies[k##name]); }                               \
    void name##_Draw(i32) { Aimed_Draw(AimFanFamilies[k##name]); }
#define AIMFAN_RING_ENTRIES(name, row)                                                \
    void name##_Emit(i32) { Aimed_Emit(AimFanFamilies[k##name]); }                    \
    void name##_Spawn(i32 slot) { Aimed_Spawn(AimFanFamilies[k##name], slot, 0); }   \
    void name##_Update(i32) { Aimed_Update(AimFanFamilies[k##name]); }                \
    void name##_Draw(i32) { Aimed_Draw(AimFanFamilies[k##name]); }
AIMFAN_FAN_FAMILIES(AIMFAN_FAN_ENTRIES)
AIMFAN_RING_FAMILIES(AIMFAN_RING_ENTRIES)
#undef AIMFAN_FAN_ENTRIES
#undef AIMFAN_RING_ENTRIES

// ---- Boss11AimFan1: five groups of four, one bullet from each of four muzzles -----------------------

namespace {

constexpr i32 kMuzzleWrap = 630;
constexpr i32 kMuzzleFireAt[5] = {100, 200, 300, 440, 500};
constexpr FloatPoint kMuzzles[4] = {{150.0f, 100.0f}, {270.0f, 100.0f}, {90.0f, 150.0f}, {330.0f, 150.0f}};

}  // namespace

void Boss11AimFan1_Emit(i32) {
    for (MuzzleAimBullet& b : Boss11AimFan1)
        if (++b.emitClock >= kMuzzleWrap) b.emitClock = 0;
    for (i32 i = 0; i < 20; ++i) {
        MuzzleAimBullet& b = Boss11AimFan1[i];
        if (b.emitClock != kMuzzleFireAt[i / 4] || b.active != 0) continue;
        b.active = 1;
        b.x = Boss11State.x + kMuzzles[i % 4].x;
        b.y = Boss11State.y + kMuzzles[i % 4].y;
        b.x0 = b.x;
        b.y0 = b.y;
        b.speed = static_cast<f32>(host::Rand() % 30 + 180);
        b.dx = static_cast<f32>(static_cast<double>(PlayerState.x) + 20.0 - b.x);
        b.dy = static_cast<f32>(static_cast<double>(PlayerState.y) + 20.0 - b.y);
        b.heading = Aim_Heading(b.dx, b.dy, 0.0, 0.0);
    }
}

// A bullet that strikes the ship vanishes with the strike.
void Boss11AimFan1_Update(i32) {
    const f32 frameTime = FrameTime;
    for (MuzzleAimBullet& b : Boss11AimFan1) {
        if (b.active == 0) continue;
        Bullet_Step(b.x, b.y, b.heading, b.speed, frameTime);
        if (b.x > 800.0f || b.x < -20.0f || b.y + 20.0f < 0.0f || b.y > 600.0f || PlayerState.bombActive == 1) {
            Bullet_Retire(b);
            continue;
        }
        if (Shot_TouchesPlayer(b.x, b.y, 10.0f, 20.0f)) {
            Bullet_Retire(b);
            PlayerState.alive = 0;
        }
    }
}

void Boss11AimFan1_Draw(i32) {
    for (const MuzzleAimBullet& b : Boss11AimFan1)
        if (b.active != 0)
            elDraw::PutSprite(static_cast<i32>(b.x), static_cast<i32>(b.y), imgVALL20, 0, 0, 20, 20);
}
