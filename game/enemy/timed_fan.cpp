#include "game/enemy/timed_fan.h"

#include <cmath>

#include "el/draw/rotate.h"
#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "game/common/geometry.h"

namespace {
constexpr f32 kPi = 3.14159265358979323846f;
constexpr f32 kFanStep = 2.0f * kPi / 30.0f;  // 12 degrees between neighbours of a group
}  // namespace

template <class Shot>
void TimedFan_Emit(const TimedFan<Shot>& f) {
    for (i32 i = 0; i < f.count; ++i)
        if (++f.shots[i].emitClock >= f.wrap) f.shots[i].emitClock = 0;
    for (i32 g = 0; g < f.groups; ++g) {
        const i32 first = g * f.groupSize;
        for (i32 b = first; b < first + f.groupSize; ++b)
            if (f.shots[b].emitClock == f.spacing * (g + 1)) TimedFan_Launch(f, b, first);
    }
}

// The ship's `active` is not tested: a free ship's fan starts at its park and dies at its first update.
template <class Shot>
void TimedFan_Launch(const TimedFan<Shot>& f, i32 b, i32 first) {
    if (b < 0 || b >= f.count) return;
    Shot& s = f.shots[b];
    if (s.active != 0) return;
    s.speed = f.speed;
    Aimed_Arm(s, *f.fromX + f.offX, *f.fromY + f.offY, f.aim);
    const f32 turn = static_cast<f32>(b - first - 2) * kFanStep;
    if (!f.turnBeforeHalf) {
        s.heading += turn;
        return;
    }
    f32 a = s.dx == 0.0f ? kPi / 2.0f : std::atan(s.dy / s.dx);
    a += turn;
    if (s.dx < 0.0f || (s.dx == 0.0f && s.dy <= 0.0f)) a += kPi;
    s.heading = a;
}

// Only live records move, retire and touch the ship.
template <class Shot>
void TimedFan_Update(const TimedFan<Shot>& f) {
    for (i32 i = 0; i < f.count; ++i) {
        Shot& s = f.shots[i];
        if (s.active == 0) continue;
        Aimed_Move(s);
        if (s.x > 800.0f || s.x < f.left || s.y > 600.0f || s.y < f.top || PlayerState.bombActive == 1) {
            Enemy_Park(s);
            continue;
        }
        Shot_Contact(s, f.box);
    }
}

i32 TimedFan_DrawAngle(f32 heading) {
    const i32 a = TruncPos(360.0f - heading * 180.0f / kPi - 90.0f) % 360;
    return a < 0 ? a + 360 : a;
}

template <class Shot>
void TimedFan_Draw(const TimedFan<Shot>& f) {
    for (i32 i = 0; i < f.count; ++i) {
        Shot& s = f.shots[i];
        const i32 x = TruncPos(s.x), y = TruncPos(s.y);
        if (f.look == FanLook::Rotated) {
            if (s.active != 0)
                elDraw::PutRotate(x, y, x + f.size, y + f.size, TimedFan_DrawAngle(s.heading), *f.sheet, 0, 0,
                                  f.size, f.size);
        } else if constexpr (requires { s.animFrame; }) {
            const i32 c = s.animFrame;
            elDraw::PutAdd(x, y, *f.sheet, f.size * c, 0, f.size * c + f.size, f.size);
            if (++s.animFrame >= f.cells) s.animFrame = 0;
        }
    }
}

template void TimedFan_Emit(const TimedFan<ClockedAimShotSlot>&);
template void TimedFan_Emit(const TimedFan<TimedShotSlot>&);
template void TimedFan_Launch(const TimedFan<ClockedAimShotSlot>&, i32, i32);
template void TimedFan_Launch(const TimedFan<TimedShotSlot>&, i32, i32);
template void TimedFan_Update(const TimedFan<ClockedAimShotSlot>&);
template void TimedFan_Update(const TimedFan<TimedShotSlot>&);
template void TimedFan_Draw(const TimedFan<ClockedAimShotSlot>&);
template void TimedFan_Draw(const TimedFan<TimedShotSlot>&);
