#include "game/bossfire/falling_engine.h"

#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/common/contact.h"
#include "game/common/geometry.h"
#include "game/common/park.h"
#include "game/common/player_state.h"
#include "game/common/state.h"
#include "host/crt.h"

namespace {

constexpr f32 kBottom = 600.0f;

void Park(BulletSlot& b) {
    b.active = 0;
    b.x = ParkPosition.x;
    b.y = ParkPosition.y;
}

// The drift of every slot, live or parked: `times` steps of its member's speed.
void DriftAll(const FallFamily& f, f32 ft, i32 times) {
    for (i32 m = 0; m < f.groupSize; ++m) {
        if (f.drift[m] == 0.0f) continue;  // the centre member stands still
        const f32 step = f.drift[m] * ft;
        for (i32 s = m; s < f.count; s += f.groupSize) {
            f32 x = f.pool[s].x;
            for (i32 k = 0; k < times; ++k) x += step;
            f.pool[s].x = x;
        }
    }
}

// One live slot's frame: fall (and slide), retire below the field or on the clear flag, strike the ship.
void Fall(const FallFamily& f, BulletSlot& b, f32 ft, bool cleared) {
    b.vy = f.fall;
    b.y += ft * b.vy;
    if (f.slides) {
        b.vx = f.slide;
        b.x += ft * b.vx;
    }
    if (b.y > kBottom || cleared) {
        Park(b);
        return;  // a retired bullet cannot strike
    }
    Shot_StrikePlayer(b.x, b.y, f.box.left, f.box.top, f.box.right, f.box.bottom);
}

// A picture wholly outside the clip rectangle (every parked slot) would draw nothing: the blit is left out.
void Blit(const FallFamily& f, const BulletSlot& b, i32 left, i32 top, i32 right, i32 bottom) {
    const i32 x = TruncPos(b.x), y = TruncPos(b.y);
    if (x >= ClipRect.right || y >= ClipRect.bottom || i64{x} + (right - left) <= ClipRect.left ||
        i64{y} + (bottom - top) <= ClipRect.top)
        return;
    if (f.look.blit == FallBlit::Add)
        elDraw::PutAdd(x, y, *f.look.sheet, left, top, right, bottom);
    else
        elDraw::PutSprite(x, y, *f.look.sheet, left, top, right, bottom);
}

}  // namespace

void Fall_Emit(const FallFamily& f) {
    for (i32 s = 0; s < f.count; ++s) {
        BulletSlot& b = f.pool[s];
        b.emitClock += 1;
        if (b.emitClock >= f.clock->wrap) b.emitClock = f.clock->wrapTo;
    }
    for (i32 first = 0, g = 0; first < f.count; first += f.groupSize, ++g) {
        const i32 value = f.clock->values[g];
        for (i32 s = first; s < first + f.groupSize; ++s)
            if (f.pool[s].emitClock == value) Fall_Spawn(f, s);
    }
}

void Fall_Spawn(const FallFamily& f, i32 slot) {
    if (slot < 0 || slot >= f.count) return;
    BulletSlot& b = f.pool[slot];
    if (b.active != 0) return;
    const i32 m = slot % f.groupSize;
    b.active = 1;
    b.x = f.boss->x + f.x1 + f.x2 + f.dx[m];
    b.y = f.boss->y + f.y1 + f.y2 + f.dy[m];
}

void Fall_SpawnAll(const FallFamily& f) {
    for (i32 s = 0; s < f.count; ++s) Fall_Spawn(f, s);
}

void Fall_Update(const FallFamily& f) {
    const f32 ft = FrameTime;
    const bool cleared = f.clears && PlayerState.bombActive == 1;
    if (f.driftForm == FallDrift::PerPass) {
        for (i32 s = 0; s < f.count; ++s) {
            DriftAll(f, ft, f.driftSteps);
            if (f.pool[s].active != 0) Fall(f, f.pool[s], ft, cleared);
        }
        return;
    }
    if (f.driftSteps > 0) DriftAll(f, ft, f.driftSteps);
    for (i32 s = 0; s < f.count; ++s)
        if (f.pool[s].active != 0) Fall(f, f.pool[s], ft, cleared);
}

void Fall_Draw(const FallFamily& f) {
    const FallLook& l = f.look;
    switch (l.draw) {
    case FallDraw::Plain:
        for (i32 s = 0; s < f.count; ++s) Blit(f, f.pool[s], l.plainLeft, 0, l.plainLeft + l.cellW, l.cellH);
        break;
    case FallDraw::Animated:
        for (i32 s = 0; s < f.count; ++s) {
            BulletSlot& b = f.pool[s];
            const i32 left = b.animFrame * l.cellW;
            Blit(f, b, left, 0, left + l.cellW, l.cellH);
            b.animFrame += 1;
            if (b.animFrame >= l.cells) b.animFrame = 0;
        }
        break;
    case FallDraw::Members:
        for (i32 pass = 0; pass < l.passes; ++pass)
            for (i32 first = 0; first < f.count; first += f.groupSize)
                for (i32 k = 0; k < f.groupSize; ++k) {
                    const i32 m = l.reversed ? f.groupSize - 1 - k : k;
                    Blit(f, f.pool[first + m], l.memberLeft[m], 0, l.memberLeft[m] + l.cellW, l.cellH);
                }
        break;
    }
}

void Fall_ResetPools(std::span<const BulletPool> pools) {
    for (const BulletPool& p : pools)
        for (i32 k = 0; k < p.count; ++k) {
            p.slots[k].animFrame = host::Rand() % 10;
            p.slots[k].emitClock = 0;
            BulletSlot_Park(p.slots[k]);
        }
}
