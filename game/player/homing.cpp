// The homing rays. One algorithm serves the four copies; a descriptor names each copy's pool, target
// family, lock marks, path direction and hit probe. A ray leaves the ship's nose, flies a fixed curve of
// whole-pixel steps while its path clock runs to 45, then homes on its target's lock mark while the mark
// is locked or flies straight on. The last ray of a chain that reaches the mark strikes the target.
#include "game/player/homing.h"

#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/common/geometry.h"
#include "game/common/images.h"
#include "game/common/player_state.h"
#include "game/common/score.h"
#include "game/common/state.h"
#include "game/enemy/szak13_data.h"
#include "game/enemy/szak6_data.h"

namespace {

constexpr f32 kPi = 3.14159265358979323846f;
constexpr i32 kChainEvery = 140;   // frames between two chains at one target
constexpr f32 kStepPerSecond = 30.0f;
constexpr f32 kPathEnd = 45.0f;    // from here on the ray homes or flies straight
constexpr i32 kStrikePoints = 300;
constexpr i32 kRaySize = 20;

struct RayCopy {
    HomingRay (*rays)[kRaysPerTarget];  // [target][ray]
    i32* cycle;                         // the launcher's count per target
    i32 (*targetActive)(i32 t);
    LockMark* marks;
    f32 dirX;           // -1: the curve bends leftwards, +1 rightwards
    bool turnOnSpawn;   // the spawn turns the heading by a half circle
    void (*probe)(i32 t);
};

template <auto& Pool>
i32 ActiveOf(i32 t) {
    return Pool[t].active;
}

const RayCopy kCopies[4] = {
    {HomingRay1, RayCycle[0], ActiveOf<Szak6ASlots>, Szak6AMarks, -1.0f, true, Szak6A_HitProbe},
    {HomingRay2, RayCycle[1], ActiveOf<Szak6BSlots>, Szak6BMarks, +1.0f, false, Szak6B_HitProbe},
    {HomingRay3, RayCycle[2], ActiveOf<Szak13ASlots>, Szak13AMarks, -1.0f, false, Szak13A_HitProbe},
    {HomingRay4, RayCycle[3], ActiveOf<Szak13BSlots>, Szak13BMarks, +1.0f, false, Szak13B_HitProbe},
};

// The curve: closed windows of the path clock, each with its step per frame (x towards the copy's side).
// Between windows the ray stands still.
struct PathLeg {
    f32 from, to;
    f32 dx, dy;
};
constexpr PathLeg kPath[] = {
    {0, 5, 6, 3},     {6, 10, 6, 1},    {11, 15, 7, 0},   {16, 20, 7, -2},
    {21, 25, 7, -7},  {26, 30, 3, -7},  {31, 40, 1, -7},  {41, 45, 0, -7},
};

void ParkRay(HomingRay& r) {
    r.alive = 0;
    r.x = ParkPosition.x;
    r.y = ParkPosition.y;
    r.step = 0;
}

void Spawn(const RayCopy& c, i32 t, i32 i) {
    if (t < 0 || t >= kRayTargets || i < 0 || i >= kRaysPerTarget) return;
    HomingRay& r = c.rays[t][i];
    if (r.alive != 0) return;
    r.alive = 1;
    r.x = PlayerState.x + 20.0f;
    r.y = PlayerState.y + 20.0f - 10.0f;
    r.step = 0;
    if (c.turnOnSpawn) r.angle += kPi;
}

void Fire(const RayCopy& c) {
    for (i32 t = 0; t < kRayTargets; ++t) {
        if (c.targetActive(t) == 0) continue;
        if (c.cycle[t] >= 0 && c.cycle[t] < kRaysPerTarget) Spawn(c, t, c.cycle[t]);
        if (++c.cycle[t] >= kChainEvery) c.cycle[t] = 0;
    }
}

void Fly(const RayCopy& c, HomingRay& r, const LockMark& m) {
    r.step += kStepPerSecond * FrameTime;
    for (const PathLeg& leg : kPath) {
        if (leg.from <= r.step && r.step <= leg.to) {
            r.x += c.dirX * leg.dx;
            r.y += leg.dy;
        }
    }
    if (!(r.step >= kPathEnd)) return;
    if (m.locked != 0) {
        r.y += std::sin(r.angle) * 10.0f;
        r.x += std::cos(r.angle) * 10.0f;
        r.aimDx = static_cast<f32>(m.x + 20) - r.x;
        r.aimDy = static_cast<f32>(m.y + 20) - r.y;
        r.angle = Weapon_HeadingTo(r.aimDx, r.aimDy);
    } else {
        r.y += std::sin(r.angle) * 16.0f;
        r.x += std::cos(r.angle) * 10.0f;
    }
}

void Update(const RayCopy& c) {
    for (i32 t = 0; t < kRayTargets; ++t) {
        const LockMark& m = c.marks[t];
        for (i32 i = 0; i < kRaysPerTarget; ++i) {
            HomingRay& r = c.rays[t][i];
            if (r.alive != 0) Fly(c, r, m);
            if (r.x + 20.0f < 180.0f || r.x > 620.0f || r.y + 20.0f < 0.0f || r.y > 600.0f ||
                PlayerState.bombActive == 1)
                ParkRay(r);
            // Every record is tested, live or not; a parked ray lies far from any mark.
            const f32 dx = r.x - static_cast<f32>(m.x), dy = r.y - static_cast<f32>(m.y);
            if (0.0f <= dx && dx <= 40.0f && 0.0f <= dy && dy <= 40.0f) {
                r.alive = 0;
                r.x = ParkPosition.x;
                r.y = ParkPosition.y;
                // Only the last ray of a chain strikes, and only a live target: a freed slot's mark
                // still rests in the field, but there is nothing there to strike or score.
                if (i == kRaysPerTarget - 1 && c.targetActive(t) != 0) {
                    c.probe(t);
                    Score_Add(kStrikePoints);
                }
            }
        }
    }
}

void Draw(const RayCopy& c) {
    for (i32 t = 0; t < kRayTargets; ++t)
        for (i32 i = 0; i < kRaysPerTarget; ++i) {
            const HomingRay& r = c.rays[t][i];
            if (r.alive != 0 && PlayerState.shipType == 1)
                elDraw::PutAdd(TruncPos(r.x), TruncPos(r.y), imgRAY10, 0, 0, kRaySize, kRaySize);
        }
}

}  // namespace

void HomingRay1_Spawn(i32 t, i32 i) { Spawn(kCopies[0], t, i); }
void HomingRay2_Spawn(i32 t, i32 i) { Spawn(kCopies[1], t, i); }
void HomingRay3_Spawn(i32 t, i32 i) { Spawn(kCopies[2], t, i); }
void HomingRay4_Spawn(i32 t, i32 i) { Spawn(kCopies[3], t, i); }
void HomingRay1_Fire() { Fire(kCopies[0]); }
void HomingRay2_Fire() { Fire(kCopies[1]); }
void HomingRay3_Fire() { Fire(kCopies[2]); }
void HomingRay4_Fire() { Fire(kCopies[3]); }
void HomingRay1_Update(i32) { Update(kCopies[0]); }
void HomingRay2_Update(i32) { Update(kCopies[1]); }
void HomingRay3_Update(i32) { Update(kCopies[2]); }
void HomingRay4_Update(i32) { Update(kCopies[3]); }
void HomingRay1_Draw() { Draw(kCopies[0]); }
void HomingRay2_Draw() { Draw(kCopies[1]); }
void HomingRay3_Draw() { Draw(kCopies[2]); }
void HomingRay4_Draw() { Draw(kCopies[3]); }
