#include "game/stage/backdrop_data.h"

#include "host/crt.h"

StarSpeck StarSpecks[kStarSpecks];

void Stars_Scatter() {
    for (StarSpeck& s : StarSpecks) {
        s.kind = host::Rand() % 7;
        s.x = static_cast<f32>(host::Rand() % 1240 - 400);
        s.y = static_cast<f32>(host::Rand() % 480);
        s.vx = 0;
        s.speed = static_cast<f32>(host::Rand() % 100 + 100);
    }
}
