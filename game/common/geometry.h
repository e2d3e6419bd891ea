// Position and heading helpers shared by the ship, its weapons and the shots.
#pragma once
#include <cmath>
#include <cstdint>

#include "host/types.h"

// A float position made an integer by truncation toward zero, held inside the integer range.
inline i32 TruncPos(f32 v) {
    if (!(v == v)) return 0;
    if (v >= 2147483520.0f) return INT32_MAX;
    if (v <= -2147483648.0f) return INT32_MIN;
    return static_cast<i32>(v);
}

// The heading from a weapon towards a point dx, dy away: the arc tangent, turned by a half circle when
// the point lies to the left (or straight above), and straight down when dx is 0 and dy positive.
inline f32 Weapon_HeadingTo(f32 dx, f32 dy) {
    constexpr f32 kPi = 3.14159265358979323846f;
    f32 a = dx == 0.0f ? kPi / 2.0f : std::atan(dy / dx);
    if (dx < 0.0f || (dx == 0.0f && dy <= 0.0f)) a += kPi;
    return a;
}
