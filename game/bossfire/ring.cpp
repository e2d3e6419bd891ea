// The Ring families: one engine over one descriptor row per family. A spiral turns 10 degrees per
// bullet from its origin below the boss, the two senses mirrored about the vertical through the origin.
#include "game/bossfire/ring.h"

#include "el/draw/rotate.h"
#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/bossfire/aim_rule.h"
#include "game/bossfire/ring_engine.h"
#include "game/common/contact.h"
#include "game/common/images.h"
#include "game/common/player_state.h"
#include "game/common/state.h"

namespace {

constexpr i32 kMinus = -1, kPlus = 1;
constexpr double kRingStep = 2.0 * kBulletPi / 36.0;  // 10 degrees

// The stage-1 boss's spirals: animated, from angle index 0, inside [-20, 800] x [-20, 600], box (10, 20).
// The 108-way ones fire three rings at 110, 120 and 130 px/s.
template <i32 N>
constexpr RingFamily Stage1(RingBullet (&pool)[N], i32 clockWord, f32 originX, i32 sense) {
    const bool triple = N == 108;
    return {pool, N, &Boss11State, clockWord, originX, sense,
            triple ? RingEmitter::Triple108 : RingEmitter::Spiral36, 0,
            {110.0f, triple ? 120.0f : 110.0f, triple ? 130.0f : 110.0f},
            RingLook::Animated, &imgVAL20241, 20, -20.0f, 10.0f, 20.0f};
}

// The stage-5 boss's spirals: rotated, from angle index 1; the small pictures live inside [-20, 800] x
// [-20, 600] with the box (10, 20), the large ones inside [-30, 800] x [-30, 600] with the box (0, 10).
template <i32 N>
constexpr RingFamily Stage5(RingBullet (&pool)[N], i32 clockWord, f32 originX, i32 sense, const i32& sheet,
                            i32 size) {
    const bool large = size == 30;
    return {pool, N, &Boss31State, clockWord, originX, sense,
            N == 108 ? RingEmitter::Single108 : RingEmitter::Spiral36, 1, {110.0f, 110.0f, 110.0f},
            RingLook::Rotated, &sheet, size, large ? -30.0f : -20.0f, large ? 0.0f : 10.0f, large ? 10.0f : 20.0f};
}

}  // namespace

// family, row: clock word, origin x offset, sense (and the stage-5 sheet and picture size)
#define RING_FAMILIES(X)                                                         \
    X(Boss11Ring1, Stage1(Boss11Ring1, 0, 210.0f, kMinus))                      \
    X(Boss11Ring2, Stage1(Boss11Ring2, 1, 210.0f, kPlus))                       \
    X(Boss11Ring3, Stage1(Boss11Ring3, 2, 120.0f, kMinus))                      \
    X(Boss11Ring4, Stage1(Boss11Ring4, 4, 120.0f, kPlus))                       \
    X(Boss11Ring5, Stage1(Boss11Ring5, 3, 300.0f, kPlus))                       \
    X(Boss11Ring6, Stage1(Boss11Ring6, 5, 300.0f, kMinus))                      \
    X(Boss11Ring7, Stage1(Boss11Ring7, 6, 210.0f, kMinus))                      \
    X(Boss11Ring8, Stage1(Boss11Ring8, 7, 210.0f, kPlus))                       \
    X(Boss11Ring9, Stage1(Boss11Ring9, 8, 120.0f, kMinus))                      \
    X(Boss11Ring10, Stage1(Boss11Ring10, 9, 120.0f, kPlus))                     \
    X(Boss11Ring11, Stage1(Boss11Ring11, 10, 300.0f, kMinus))                   \
    X(Boss11Ring12, Stage1(Boss11Ring12, 11, 300.0f, kPlus))                    \
    X(Boss31Ring1, Stage5(Boss31Ring1, 0, 220.0f, kMinus, imgVAL20w, 19))       \
    X(Boss31Ring2, Stage5(Boss31Ring2, 1, 220.0f, kPlus, imgVAL21w, 19))        \
    X(Boss31Ring3, Stage5(Boss31Ring3, 2, 120.0f, kMinus, imgVAL20w, 19))       \
    X(Boss31Ring4, Stage5(Boss31Ring4, 3, 320.0f, kPlus, imgVAL21w, 19))        \
    X(Boss31Ring5, Stage5(Boss31Ring5, 4, 215.0f, kMinus, imgVALL3013, 30))     \
    X(Boss31Ring6, Stage5(Boss31Ring6, 5, 215.0f, kPlus, imgVALL3014, 30))      \
    X(Boss31Ring7, Stage5(Boss31Ring7, 6, 115.0f, kMinus, imgVALL3013, 30))     \
    X(Boss31Ring8, Stage5(Boss31Ring8, 7, 315.0f, kPlus, imgVALL3014, 30))      \
    X(Boss31Ring9, Stage5(Boss31Ring9, 8, 135.0f, kMinus, imgVALL3013, 30))     \
    X(Boss31Ring10, Stage5(Boss31Ring10, 9, 295.0f, kPlus, imgVALL3014, 30))

#define RING_ROW(name, row) row,
const RingFamily RingFamilies[] = {RING_FAMILIES(RING_ROW)};
#undef RING_ROW
const i32 RingFamilyCount = static_cast<i32>(sizeof RingFamilies / sizeof RingFamilies[0]);

namespace {
enum : i32 {
#define RING_ID(name, row) k##name,
    RING_FAMILIES(RING_ID)
#undef RING_ID
};
}  // namespace

void Ring_Emit(const RingFamily& f) {
    i32& clock = f.boss->emitterClock[f.clockWord];
    ++clock;
    if (f.emitter == RingEmitter::Single108) {
        if (clock >= 108) clock = 0;
        // clock k + 1 arms slot k on angle index k mod 36; slots 0, 36 and 72 are left out
        const i32 k = clock - 1;
        if (k >= 1 && k <= 107 && k != 36 && k != 72) Ring_Spawn(f, k, k % 36);
        return;
    }
    if (clock >= 360) clock = 10;
    // clock 10 (k + 1) arms slot k (and k + 36, k + 72 in the triple form)
    if (clock % 10 != 0) return;
    const i32 k = clock / 10 - 1;
    if (k < f.first || k > 35) return;
    Ring_Spawn(f, k, k);
    if (f.emitter == RingEmitter::Triple108) {
        Ring_Spawn(f, k + 36, k + 36);
        Ring_Spawn(f, k + 72, k + 72);
    }
}

void Ring_Spawn(const RingFamily& f, i32 slot, i32 k) {
    if (slot < 0 || slot >= f.count || k < 0 || k >= 108) return;
    RingBullet& b = f.slots[slot];
    if (b.active != 0) return;  // this bullet of the spiral is skipped
    b.active = 1;
    b.x = f.boss->x + f.originX;
    b.y = f.boss->y + 130.0f;
    b.speed = f.speed[slot / 36];
    b.heading = static_cast<f32>(f.sense * (kRingStep * k));
}

void Ring_Update(const RingFamily& f) {
    const f32 frameTime = FrameTime;
    const bool backwards = f.sense < 0;
    for (i32 i = 0; i < f.count; ++i) {
        RingBullet& b = f.slots[i];
        if (b.active == 0) continue;
        Bullet_Step(b.x, b.y, b.heading, b.speed, frameTime, backwards);
        if (b.x > 800.0f || b.x < f.low || b.y > 600.0f || b.y < f.low || PlayerState.bombActive == 1) {
            Bullet_Retire(b);
            continue;
        }
        Shot_StrikePlayer(b.x, b.y, f.boxLeft, f.boxTop);
    }
}

i32 Ring_DrawAngle(const RingFamily& f, const RingBullet& b) {
    return Rotate_Angle(f.sense < 0 ? -b.headingDeg : 360 - b.headingDeg);
}

// Draws every slot. A free slot stands at the park position, wholly outside the clip rectangle, so its
// blit would leave nothing and is not made; its degrees word and animation cell move on all the same.
void Ring_Draw(const RingFamily& f) {
    const i32 sheet = *f.sheet;
    for (i32 i = 0; i < f.count; ++i) {
        RingBullet& b = f.slots[i];
        const bool shows = b.active != 0;
        const i32 ix = static_cast<i32>(b.x), iy = static_cast<i32>(b.y);
        if (f.look == RingLook::Animated) {
            if (shows) elDraw::PutAdd(ix, iy, sheet, 20 * b.animFrame, 0, 20 * b.animFrame + 20, 20);
            if (++b.animFrame >= 24) b.animFrame = 0;
        } else {
            b.headingDeg = Heading_Degrees(b.heading);
            if (shows)
                elDraw::PutRotate(ix, iy, ix + f.size, iy + f.size, Ring_DrawAngle(f, b), sheet, 0, 0, f.size, f.size);
        }
    }
}

#define RING_ENTRIES(name, row)                                                        \
    void name##_Emit(i32) { Ring_Emit(RingFamilies[k##name]); }                         \
    void name##_Spawn(i32 slot, i32 k) { Ring_Spawn(RingFamilies[k##name], slot, k); } \
    void name##_Update(i32) { Ring_Update(RingFamilies[k##name]); }                     \
    void name##_Draw(i32) { Ring_Draw(RingFamilies[k##name]); }
RING_FAMILIES(RING_ENTRIES)
#undef RING_ENTRIES
