// The lock-on lasers. One algorithm serves the eighteen families; a descriptor table gives each family's
// pool and target points, launch offset and speeds, curve, strike and draw forms. A laser homes on its
// point while the point lies inside the field (curving off to one side while its curve clock runs) and
// keeps its heading once the point leaves the field.
#include "game/player/laser.h"

#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/common/boss_state.h"
#include "game/common/geometry.h"
#include "game/common/images.h"
#include "game/common/player_state.h"
#include "game/common/score.h"
#include "game/common/state.h"
#include "game/enemy/szak21_data.h"
#include "host/crt.h"

namespace {

constexpr i32 kStrikePoints = 300;
constexpr f32 kCurvePerSecond = 260.0f;
constexpr f32 kCurveDone = 300.0f;  // a curve clock past its threshold is set here, ending the curve for good

// The field in which target points are flown at: 0 < x < 540 and 0 < y < 480.
bool InField(i32 x, i32 y) { return 0 < x && x < 540 && 0 < y && y < 480; }

enum class Curve : u8 { None, BeforeAim, AfterAim };
// Which ship types see a draw form.
enum class Form : u8 { Never, Type1, Type2, Any };

struct LaserFamily {
    LockLaser* pool;
    i32 count;
    LockMark* marks;    // the small-enemy families' target points ...
    LockPoint* points;  // ... or a boss table
    f32 launchDx;       // launch offset from the ship's x
    bool storesLaunch;  // keeps the launch vector for the beam form
    // Speeds stored at launch for ship type 1, type 2 and any other (negative: leave the speed).
    f32 speedType1, speedType2, speedOther;
    Curve curve;
    f32 curveUntil;          // the curve clock's threshold
    f32 curveX, curveY;      // the push while curving, as fractions of the speed, per second
    void (*probe)(i32 i);    // a small-enemy family's hit probe ...
    i32 (*live)(i32 i);      // ... and whether its slot i is live ...
    void (*onHit)();         // ... or the boss's
    BossState* boss;
    f32 hpPerSecond;
    Form sprite, beam;
};

// A target point as the algorithm sees it, whichever table it lies in.
struct PointRef {
    i32& x;
    i32& y;
    i32& locked;
};
PointRef PointOf(const LaserFamily& f, i32 i) {
    if (f.marks != nullptr) return {f.marks[i].x, f.marks[i].y, f.marks[i].locked};
    return {f.points[i].x, f.points[i].y, f.points[i].locked};
}

constexpr f32 kKeep = -1.0f;

template <auto& Pool>
i32 ActiveOf(i32 i) {
    return Pool[i].active;
}

constexpr LaserFamily Szak(LockLaser* pool, LockMark* marks, f32 curveX, void (*probe)(i32), i32 (*live)(i32)) {
    return {pool, 3, marks, nullptr, 20.0f, true, 600.0f, 700.0f, kKeep, Curve::BeforeAim, 30.0f, curveX, 0.1f,
            probe, live, nullptr, nullptr, 0.0f, Form::Type1, Form::Type2};
}
constexpr LaserFamily Boss(LockLaser* pool, i32 count, LockPoint* points, f32 launchDx, bool storesLaunch,
                           Curve curve, f32 curveX, void (*onHit)(), BossState* boss, f32 hpPerSecond,
                           Form sprite, Form beam) {
    return {pool, count, nullptr, points, launchDx, storesLaunch, 600.0f, 600.0f, 600.0f, curve, 60.0f, curveX,
            0.8f, nullptr, nullptr, onHit, boss, hpPerSecond, sprite, beam};
}
constexpr Curve kAfter = Curve::AfterAim, kNone = Curve::None;
constexpr Form kNever = Form::Never, kType1 = Form::Type1, kType2 = Form::Type2, kAny = Form::Any;

enum Family {
    kSzak21, kSzak22, kBoss11A, kBoss11B, kBoss2BA, kBoss2BB, kBoss31A, kBoss31B, kBoss41A, kBoss41B,
    kBoss51A, kBoss51B, kBoss4BA, kBoss4BB, kBoss71A, kBoss71B, kBoss5BA, kBoss5BB,
};
const LaserFamily kFamilies[] = {
    Szak(LockLaserSzak21, Szak21Marks, -0.5f, Szak21A_HitProbe, ActiveOf<Szak21ASlots>),
    Szak(LockLaserSzak22, Szak22Marks, +0.5f, Szak22A_HitProbe, ActiveOf<Szak22ASlots>),
    Boss(LockLaserBoss11A, 3, Boss11LockPointsA, 15, true, kAfter, -1, Boss11_OnHit, &Boss11State, 100, kType1, kType1),
    Boss(LockLaserBoss11B, 3, Boss11LockPointsB, 25, false, kAfter, +1, Boss11_OnHit, &Boss11State, 100, kType1, kNever),
    Boss(LockLaserBoss2BA, 3, Boss2BLockPointsA, -20, true, kAfter, -1, Boss2B_OnHit, &Boss2BState, 150, kType1, kType1),
    Boss(LockLaserBoss2BB, 3, Boss2BLockPointsB, 60, false, kAfter, -1, Boss2B_OnHit, &Boss2BState, 150, kType1, kNever),
    Boss(LockLaserBoss31A, 5, Boss31LockPointsA, -20, false, kNone, 0, Boss31_OnHit, &Boss31State, 150, kType1, kType2),
    Boss(LockLaserBoss31B, 5, Boss31LockPointsB, 60, false, kNone, 0, Boss31_OnHit, &Boss31State, 150, kType1, kNever),
    Boss(LockLaserBoss41A, 3, Boss41LockPointsA, -20, true, kAfter, -1, Boss41_OnHit, &Boss41State, 150, kType2, kType1),
    Boss(LockLaserBoss41B, 3, Boss41LockPointsB, 60, false, kAfter, +1, Boss41_OnHit, &Boss41State, 150, kType1, kNever),
    Boss(LockLaserBoss51A, 5, Boss51LockPointsA, -20, false, kNone, 0, Boss51_OnHit, &Boss51State, 150, kType1, kType2),
    Boss(LockLaserBoss51B, 5, Boss51LockPointsB, 60, false, kNone, 0, Boss51_OnHit, &Boss51State, 150, kType1, kNever),
    Boss(LockLaserBoss4BA, 9, Boss4BLockPointsA, -20, false, kNone, 0, Boss4B_OnHit, &Boss4BState, 150, kType1, kType2),
    Boss(LockLaserBoss4BB, 9, Boss4BLockPointsB, 60, false, kNone, 0, Boss4B_OnHit, &Boss4BState, 150, kType1, kNever),
    Boss(LockLaserBoss71A, 5, Boss71LockPointsA, -20, true, kAfter, -1, Boss71_OnHit, &Boss71State, 150, kNever, kType1),
    Boss(LockLaserBoss71B, 5, Boss71LockPointsB, 60, false, kAfter, +1, Boss71_OnHit, &Boss71State, 150, kNever, kNever),
    Boss(LockLaserBoss5BA, 5, Boss5BLockPointsA, -20, false, kNone, 0, Boss5B_OnHit, &Boss5BState, 150, kNever, kAny),
    Boss(LockLaserBoss5BB, 5, Boss5BLockPointsB, 60, false, kNone, 0, Boss5B_OnHit, &Boss5BState, 150, kNever, kNever),
};

void ParkLaser(LockLaser& l) {
    l.alive = 0;
    l.x = ParkPosition.x;
    l.y = ParkPosition.y;
}

void Fire(const LaserFamily& f) {
    for (i32 i = 0; i < f.count; ++i) {
        const PointRef p = PointOf(f, i);
        LockLaser& l = f.pool[i];
        if (!InField(p.x, p.y) || l.alive != 0 || p.locked == 0) continue;
        l.alive = 1;
        l.x = PlayerState.x + f.launchDx;
        l.y = PlayerState.y + 10.0f;
        if (f.curve != Curve::None) l.step = 0;
        const f32 speed = PlayerState.shipType == 1   ? f.speedType1
                          : PlayerState.shipType == 2 ? f.speedType2
                                                      : f.speedOther;
        if (speed >= 0.0f) l.speed = speed;
        if (f.storesLaunch) {
            l.launchDx = static_cast<f32>(p.x + 20) - l.x;
            l.launchDy = static_cast<f32>(p.y + 20) - l.y;
        }
    }
}

void Bend(const LaserFamily& f, LockLaser& l) {
    l.step += kCurvePerSecond * FrameTime;
    if (l.step <= f.curveUntil) {
        l.x += f.curveX * l.speed * FrameTime;
        l.y += f.curveY * l.speed * FrameTime;
    } else {
        l.step = kCurveDone;
    }
}

void Fly(const LaserFamily& f, LockLaser& l, const PointRef& p) {
    if (!InField(p.x, p.y)) {
        l.y += std::sin(l.angle) * l.speed * FrameTime;
        l.x += std::cos(l.angle) * l.speed * FrameTime;
        return;
    }
    if (f.curve == Curve::BeforeAim) Bend(f, l);
    l.aimDx = static_cast<f32>(p.x + 20) - l.x;
    l.aimDy = static_cast<f32>(p.y + 20) - l.y;
    l.angle = Weapon_HeadingTo(l.aimDx, l.aimDy);
    if (f.curve == Curve::AfterAim) Bend(f, l);
    l.y += std::sin(l.angle) * l.speed * FrameTime;
    l.x += std::cos(l.angle) * l.speed * FrameTime;
}

void Update(const LaserFamily& f) {
    for (i32 i = 0; i < f.count; ++i) {
        LockLaser& l = f.pool[i];
        const PointRef p = PointOf(f, i);
        if (l.alive != 0) Fly(f, l, p);
        if (l.x + 20.0f < 100.0f || l.x > 540.0f || l.y + 20.0f < 0.0f || l.y > 480.0f ||
            PlayerState.bombActive == 1)
            ParkLaser(l);
        if (l.alive == 0) continue;
        const f32 dx = l.x - static_cast<f32>(p.x), dy = l.y - static_cast<f32>(p.y);
        if (10.0f <= dx && dx <= 30.0f && 20.0f <= dy && dy <= 30.0f) {
            ParkLaser(l);
            if (f.live != nullptr && f.live(i) == 0) continue;  // the ship is gone: nothing to strike or score
            p.locked = 0;
            p.x = IntegerPark.x;
            p.y = IntegerPark.y;
            if (f.probe != nullptr) f.probe(i);
            if (f.onHit != nullptr) f.onHit();
            Score_Add(kStrikePoints);
            if (f.boss != nullptr) f.boss->hp -= f.hpPerSecond * FrameTime;
        }
    }
}

bool Shows(Form form) {
    switch (form) {
        case Form::Never: return false;
        case Form::Type1: return PlayerState.shipType == 1;
        case Form::Type2: return PlayerState.shipType == 2;
        case Form::Any: return true;
    }
    return false;
}

// The beam form: seven connected lines from near the ship's nose through six ninths of the launch
// vector to the target point, thinning from 7 pixels to 2, in fresh blues every frame.
void DrawBeam(const LockLaser& l, const PointRef& p) {
    constexpr i32 kWidths[7] = {7, 6, 5, 4, 3, 2, 2};
    const i32 startX = TruncPos(PlayerState.x) + 27 + (host::Rand() % 9 - 4);
    const i32 startY = TruncPos(PlayerState.y) + 40;
    const u32 green = static_cast<u32>(56 + host::Rand() % 100);
    i32 x0 = startX, y0 = startY;
    for (i32 s = 0; s < 7; ++s) {
        i32 x1, y1;
        if (s < 6) {
            x1 = startX + TruncPos(l.launchDx * static_cast<f32>(s + 1) / 9.0f);
            y1 = startY + TruncPos(l.launchDy * static_cast<f32>(s + 1) / 9.0f);
        } else {
            x1 = p.x + 29;
            y1 = p.y + 29;
        }
        const u32 blue = s == 0 ? 255u : static_cast<u32>(156 + host::Rand() % 100);
        elDraw::Line(x0, y0, x1, y1, (blue << 16) | (green << 8), kWidths[s]);
        x0 = x1;
        y0 = y1;
    }
}

void Draw(const LaserFamily& f) {
    const bool sprite = Shows(f.sprite), beam = Shows(f.beam);
    if (!sprite && !beam) return;
    for (i32 i = 0; i < f.count; ++i) {
        const LockLaser& l = f.pool[i];
        if (l.alive == 0) continue;
        if (sprite) elDraw::PutSprite(TruncPos(l.x), TruncPos(l.y), imgFLZ01_l, 0, 0, 20, 60);
        if (beam) DrawBeam(l, PointOf(f, i));
    }
}

}  // namespace

void LockLaserSzak21_Fire(i32) { Fire(kFamilies[kSzak21]); }
void LockLaserSzak22_Fire(i32) { Fire(kFamilies[kSzak22]); }
void LockLaserBoss11A_Fire(i32) { Fire(kFamilies[kBoss11A]); }
void LockLaserBoss11B_Fire(i32) { Fire(kFamilies[kBoss11B]); }
void LockLaserBoss2BA_Fire(i32) { Fire(kFamilies[kBoss2BA]); }
void LockLaserBoss2BB_Fire(i32) { Fire(kFamilies[kBoss2BB]); }
void LockLaserBoss31A_Fire(i32) { Fire(kFamilies[kBoss31A]); }
void LockLaserBoss31B_Fire(i32) { Fire(kFamilies[kBoss31B]); }
void LockLaserBoss41A_Fire(i32) { Fire(kFamilies[kBoss41A]); }
void LockLaserBoss41B_Fire(i32) { Fire(kFamilies[kBoss41B]); }
void LockLaserBoss51A_Fire(i32) { Fire(kFamilies[kBoss51A]); }
void LockLaserBoss51B_Fire(i32) { Fire(kFamilies[kBoss51B]); }
void LockLaserBoss4BA_Fire(i32) { Fire(kFamilies[kBoss4BA]); }
void LockLaserBoss4BB_Fire(i32) { Fire(kFamilies[kBoss4BB]); }
void LockLaserBoss71A_Fire(i32) { Fire(kFamilies[kBoss71A]); }
void LockLaserBoss71B_Fire(i32) { Fire(kFamilies[kBoss71B]); }
void LockLaserBoss5BA_Fire(i32) { Fire(kFamilies[kBoss5BA]); }
void LockLaserBoss5BB_Fire(i32) { Fire(kFamilies[kBoss5BB]); }

void LockLaserSzak21_Update(i32) { Update(kFamilies[kSzak21]); }
void LockLaserSzak22_Update(i32) { Update(kFamilies[kSzak22]); }
void LockLaserBoss11A_Update(i32) { Update(kFamilies[kBoss11A]); }
void LockLaserBoss11B_Update(i32) { Update(kFamilies[kBoss11B]); }
void LockLaserBoss2BA_Update(i32) { Update(kFamilies[kBoss2BA]); }
void LockLaserBoss2BB_Update(i32) { Update(kFamilies[kBoss2BB]); }
void LockLaserBoss31A_Update(i32) { Update(kFamilies[kBoss31A]); }
void LockLaserBoss31B_Update(i32) { Update(kFamilies[kBoss31B]); }
void LockLaserBoss41A_Update(i32) { Update(kFamilies[kBoss41A]); }
void LockLaserBoss41B_Update(i32) { Update(kFamilies[kBoss41B]); }
void LockLaserBoss51A_Update(i32) { Update(kFamilies[kBoss51A]); }
void LockLaserBoss51B_Update(i32) { Update(kFamilies[kBoss51B]); }
void LockLaserBoss4BA_Update(i32) { Update(kFamilies[kBoss4BA]); }
void LockLaserBoss4BB_Update(i32) { Update(kFamilies[kBoss4BB]); }
void LockLaserBoss71A_Update(i32) { Update(kFamilies[kBoss71A]); }
void LockLaserBoss71B_Update(i32) { Update(kFamilies[kBoss71B]); }
void LockLaserBoss5BA_Update(i32) { Update(kFamilies[kBoss5BA]); }
void LockLaserBoss5BB_Update(i32) { Update(kFamilies[kBoss5BB]); }

void LockLaserSzak21_Draw() { Draw(kFamilies[kSzak21]); }
void LockLaserSzak22_Draw() { Draw(kFamilies[kSzak22]); }
void LockLaserBoss11A_Draw() { Draw(kFamilies[kBoss11A]); }
void LockLaserBoss11B_Draw() { Draw(kFamilies[kBoss11B]); }
void LockLaserBoss2BA_Draw() { Draw(kFamilies[kBoss2BA]); }
void LockLaserBoss2BB_Draw() { Draw(kFamilies[kBoss2BB]); }
void LockLaserBoss31A_Draw() { Draw(kFamilies[kBoss31A]); }
void LockLaserBoss31B_Draw() { Draw(kFamilies[kBoss31B]); }
void LockLaserBoss41A_Draw() { Draw(kFamilies[kBoss41A]); }
void LockLaserBoss41B_Draw() { Draw(kFamilies[kBoss41B]); }
void LockLaserBoss51A_Draw() { Draw(kFamilies[kBoss51A]); }
void LockLaserBoss51B_Draw() { Draw(kFamilies[kBoss51B]); }
void LockLaserBoss4BA_Draw() { Draw(kFamilies[kBoss4BA]); }
void LockLaserBoss4BB_Draw() { Draw(kFamilies[kBoss4BB]); }
void LockLaserBoss71A_Draw() { Draw(kFamilies[kBoss71A]); }
void LockLaserBoss71B_Draw() {}  // this family has no draw of its own
void LockLaserBoss5BA_Draw() { Draw(kFamilies[kBoss5BA]); }
void LockLaserBoss5BB_Draw() {}  // nor this one
