// The pools of the Rot5Way bullet families (aimed lines of five, and two lines of eight).
#pragma once
#include "game/common/pool.h"
#include "host/types.h"

struct Rot5WayBullet {
    i32 animFrame;  // animated look (Boss11Rot5Way1, Boss11Rot5Way2): cell 0..6
    f32 x, y;
    f32 dx, dy;     // aim point minus spawn point
    f32 x0, y0;     // spawn point
    f32 heading;    // radians
    f32 speed;      // px/s
    f32 clock;      // drift clock of the lines of eight (Boss41Rot5Way29, Boss41Rot5Way30)
    i32 active;
};

// Every Rot5Way pool in table order, named once: record, name, slot count.
#define ROT5WAY_POOLS(X)                 \
    X(Rot5WayBullet, Boss11Rot5Way1, 5)  \
    X(Rot5WayBullet, Boss11Rot5Way2, 5)  \
    X(Rot5WayBullet, Boss11Rot5Way3, 5)  \
    X(Rot5WayBullet, Boss11Rot5Way4, 5)  \
    X(Rot5WayBullet, Boss11Rot5Way5, 5)  \
    X(Rot5WayBullet, Boss11Rot5Way6, 5)  \
    X(Rot5WayBullet, Boss11Rot5Way7, 5)  \
    X(Rot5WayBullet, Boss11Rot5Way8, 5)  \
    X(Rot5WayBullet, Boss11Rot5Way9, 5)  \
    X(Rot5WayBullet, Boss11Rot5Way10, 5) \
    X(Rot5WayBullet, Boss41Rot5Way1, 5)  \
    X(Rot5WayBullet, Boss41Rot5Way2, 5)  \
    X(Rot5WayBullet, Boss41Rot5Way3, 5)  \
    X(Rot5WayBullet, Boss41Rot5Way4, 5)  \
    X(Rot5WayBullet, Boss41Rot5Way5, 5)  \
    X(Rot5WayBullet, Boss41Rot5Way6, 5)  \
    X(Rot5WayBullet, Boss41Rot5Way7, 5)  \
    X(Rot5WayBullet, Boss41Rot5Way8, 5)  \
    X(Rot5WayBullet, Boss41Rot5Way9, 5)  \
    X(Rot5WayBullet, Boss41Rot5Way10, 5) \
    X(Rot5WayBullet, Boss41Rot5Way11, 5) \
    X(Rot5WayBullet, Boss41Rot5Way12, 5) \
    X(Rot5WayBullet, Boss41Rot5Way13, 5) \
    X(Rot5WayBullet, Boss41Rot5Way14, 5) \
    X(Rot5WayBullet, Boss41Rot5Way15, 5) \
    X(Rot5WayBullet, Boss41Rot5Way16, 5) \
    X(Rot5WayBullet, Boss41Rot5Way17, 5) \
    X(Rot5WayBullet, Boss41Rot5Way18, 5) \
    X(Rot5WayBullet, Boss41Rot5Way19, 5) \
    X(Rot5WayBullet, Boss41Rot5Way20, 5) \
    X(Rot5WayBullet, Boss41Rot5Way21, 5) \
    X(Rot5WayBullet, Boss41Rot5Way22, 5) \
    X(Rot5WayBullet, Boss41Rot5Way23, 5) \
    X(Rot5WayBullet, Boss41Rot5Way24, 5) \
    X(Rot5WayBullet, Boss41Rot5Way25, 5) \
    X(Rot5WayBullet, Boss41Rot5Way26, 5) \
    X(Rot5WayBullet, Boss41Rot5Way27, 5) \
    X(Rot5WayBullet, Boss41Rot5Way28, 5) \
    X(Rot5WayBullet, Boss71Rot5Way1, 5)  \
    X(Rot5WayBullet, Boss71Rot5Way2, 5)  \
    X(Rot5WayBullet, Boss71Rot5Way3, 5)  \
    X(Rot5WayBullet, Boss71Rot5Way4, 5)  \
    X(Rot5WayBullet, Boss71Rot5Way5, 5)  \
    X(Rot5WayBullet, Boss71Rot5Way6, 5)  \
    X(Rot5WayBullet, Boss71Rot5Way7, 5)  \
    X(Rot5WayBullet, Boss71Rot5Way8, 5)  \
    X(Rot5WayBullet, Boss71Rot5Way9, 5)  \
    X(Rot5WayBullet, Boss71Rot5Way10, 5) \
    X(Rot5WayBullet, Boss71Rot5Way11, 5) \
    X(Rot5WayBullet, Boss71Rot5Way12, 5) \
    X(Rot5WayBullet, Boss41Rot5Way29, 8) \
    X(Rot5WayBullet, Boss41Rot5Way30, 8)
ROT5WAY_POOLS(POOL_EXTERN)

using Rot5WayPool = PoolRef<Rot5WayBullet>;
extern const Rot5WayPool Rot5WayPools[ROT5WAY_POOLS(POOL_COUNT)];

// Back to rest: each record parked with its aim and drift clock cleared and a random cell 0..9.
void Rot5Way_ResetPools();
