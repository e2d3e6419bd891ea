// Putting records back to rest: the parks every reset uses for bullet records.
#pragma once
#include "game/common/bullet_slot.h"
#include "game/common/state.h"

// A straight bullet at ParkPosition, still and free; its cell and clock stay.
inline void BulletSlot_Park(BulletSlot& b) {
    b.x = ParkPosition.x;
    b.y = ParkPosition.y;
    b.vx = 0;
    b.vy = 0;
    b.active = 0;
}

// An aimed record (x, y, dx, dy, x0, y0, heading, speed, active) at ParkPosition: its aim cleared, heading
// -3 degrees, free.
template <class Record>
void AimedRecord_Park(Record& r) {
    r.x = ParkPosition.x;
    r.y = ParkPosition.y;
    r.dx = r.dy = r.x0 = r.y0 = 0;
    r.heading = ResetHeading;
    r.speed = 0;
    r.active = 0;
}
