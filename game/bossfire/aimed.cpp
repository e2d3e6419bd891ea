// The engine of the aimed group (the RotFan and AimFan kinds).
#include "game/bossfire/aimed_engine.h"

#include "el/draw/rotate.h"
#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/bossfire/aim_rule.h"
#include "game/common/contact.h"
#include "game/common/player_state.h"
#include "game/common/state.h"

namespace {

constexpr double kFanStep = 2.0 * kBulletPi / 30.0;  // 12 degrees

}  // namespace

// Arms `slot` if it is free; `first` is the first slot of its group (fan form only).
void Aimed_Spawn(const AimedFamily& f, i32 slot, i32 first) {
    if (slot < 0 || slot >= f.count) return;
    AimedBullet& r = f.slots[slot];
    if (r.active != 0) return;  // that bullet of the group is skipped
    r.active = 1;
    r.x = f.boss->x + f.muzzleX;
    r.y = f.boss->y + f.muzzleY;
    r.x0 = r.x;
    r.y0 = r.y;
    r.speed = f.speed;
    r.dx = static_cast<f32>(static_cast<double>(PlayerState.x) + f.aim - r.x);
    r.dy = static_cast<f32>(static_cast<double>(PlayerState.y) + f.aim - r.y);
    if (f.form == AimedForm::Fan) {
        const i32 centre = (f.groupSize - 1) / 2;
        r.heading = Aim_Heading(r.dx, r.dy, kFanStep * (slot - first), kFanStep * centre);
    } else {
        const double step = 2.0 * kBulletPi / f.groupSize;
        r.heading = Aim_Heading(r.dx, r.dy, step * slot, 0.0);
    }
}

// Advances every slot's clock (they move together), then fires each group whose value has come.
void Aimed_Emit(const AimedFamily& f) {
    for (i32 s = 0; s < f.count; ++s) {
        AimedBullet& r = f.slots[s];
        if (++r.emitClock >= f.wrap) r.emitClock = 0;
    }
    for (i32 g = 0; g < f.groups; ++g) {
        const i32 first = g * f.groupSize;
        for (i32 s = first; s < first + f.groupSize; ++s)
            if (f.slots[s].emitClock == f.fireAt[g]) Aimed_Spawn(f, s, first);
    }
}

// Moves every live bullet, retires (parks) one beyond the bounds or while the clear flag is 1, and lets a
// bullet still live strike the ship. Free slots are not touched.
void Aimed_Update(const AimedFamily& f) {
    const f32 frameTime = FrameTime;
    for (i32 s = 0; s < f.count; ++s) {
        AimedBullet& r = f.slots[s];
        if (r.active == 0) continue;
        Bullet_Step(r.x, r.y, r.heading, r.speed, frameTime);
        if (r.x > 800.0f || r.x < f.low || r.y > 600.0f || r.y < f.low || PlayerState.bombActive == 1) {
            Bullet_Retire(r);
            continue;
        }
        Shot_StrikePlayer(r.x, r.y, f.boxLeft, f.boxTop);
    }
}

// Draws every slot. A free slot stands at the park position, wholly outside the clip rectangle, so its
// blit would leave nothing and is not made; its degrees word and animation cell move on all the same.
void Aimed_Draw(const AimedFamily& f) {
    const i32 sheet = *f.sheet;
    for (i32 s = 0; s < f.count; ++s) {
        AimedBullet& r = f.slots[s];
        const bool shows = r.active != 0;
        const i32 ix = static_cast<i32>(r.x), iy = static_cast<i32>(r.y);
        switch (f.look) {
        case AimedLook::Rotated:
            r.headingDeg = Heading_Degrees(r.heading);
            if (shows)
                elDraw::PutRotate(ix, iy, ix + f.cell, iy + f.cell, Rotate_Angle(270 - r.headingDeg), sheet, 0, 0,
                                  f.cell, f.cell);
            break;
        case AimedLook::Plain:
            if (shows) elDraw::PutAdd(ix, iy, sheet, 0, 0, 20, 20);
            break;
        case AimedLook::Animated:
            if (shows) elDraw::PutAdd(ix, iy, sheet, 20 * r.animFrame, 0, 20 * r.animFrame + 20, 20);
            if (++r.animFrame >= 24) r.animFrame = 0;
            break;
        }
    }
}

