// What the aimed bullet kinds (RotFan, AimFan, Rot5Way) and the Ring kind share: the aim rule that turns
// an aim vector into a heading, the motion along a heading, the retire in flight and the angles of the
// rotated draw.
#pragma once
#include <cmath>

#include "game/common/state.h"
#include "host/types.h"

inline constexpr double kBulletPi = 3.141592653589793;

// Base direction of an aim vector: straight down when dx is exactly 0, otherwise the arc tangent of the
// quotient taken in single precision (between -pi/2 and pi/2).
inline double Aim_Base(f32 dx, f32 dy) {
    if (dx == 0.0f) return kBulletPi / 2;
    const f32 q = dy / dx;
    return std::atan(static_cast<double>(q));
}

// The half-turn that brings the base direction round to the aim point's side: for a point to the left,
// and for one straight above the muzzle or on it.
inline bool Aim_HalfTurn(f32 dx, f32 dy) { return dx < 0.0f || (dx == 0.0f && dy <= 0.0f); }

// A heading stored in single precision: base + plus - minus (the spread or turn, in that order), then the
// half-turn added to the stored value and stored again. Whole turns are kept.
inline f32 Aim_Heading(f32 dx, f32 dy, double plus, double minus) {
    f32 heading = static_cast<f32>(Aim_Base(dx, dy) + plus - minus);
    if (Aim_HalfTurn(dx, dy)) heading = static_cast<f32>(static_cast<double>(heading) + kBulletPi);
    return heading;
}

// One step along a heading: y first, then x, each in double precision (sin(heading) * speed * frame
// time) and stored back in single precision. backwards runs the heading the other way (the Ring kind's
// minus sense subtracts the step).
inline void Bullet_Step(f32& x, f32& y, f32 heading, f32 speed, f32 frameTime, bool backwards = false) {
    const double h = heading, v = speed, dt = frameTime;
    const double stepY = std::sin(h) * v * dt;
    y = static_cast<f32>(backwards ? y - stepY : y + stepY);
    const double stepX = std::cos(h) * v * dt;
    x = static_cast<f32>(backwards ? x - stepX : x + stepX);
}

// A heading in whole degrees, the product taken in double precision and truncated toward zero.
// A value too large for an integer (no spawn gives one) is first taken modulo 360.
inline i32 Heading_Degrees(f32 heading) {
    double degrees = static_cast<double>(heading) * 180.0 / kBulletPi;
    if (!std::isfinite(degrees)) return 0;
    if (std::fabs(degrees) >= 2.0e9) degrees = std::fmod(degrees, 360.0);
    return static_cast<i32>(degrees);
}

// A bullet retired in flight: free, and parked off screen where it can strike nothing.
template <class Bullet>
void Bullet_Retire(Bullet& b) {
    b.active = 0;
    b.x = ParkPosition.x;
    b.y = ParkPosition.y;
}

// The rotated blit reads its sine table for 0..359 only; every rotated draw hands it its angle brought
// into that range (the same orientation).
inline i32 Rotate_Angle(i32 angle) {
    angle %= 360;
    return angle < 0 ? angle + 360 : angle;
}

// The angle of a picture that points up on its sheet, turned to fly along the heading.
inline i32 Heading_DrawAngle(f32 heading) { return Rotate_Angle(270 - Heading_Degrees(heading)); }
