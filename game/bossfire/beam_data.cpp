#include "game/bossfire/beam_data.h"

#include <initializer_list>

#include "game/common/state.h"
#include "host/crt.h"

BeamState Boss51Beam1{}, Boss51Beam2{};

void Beam_ResetPools() {
    for (BeamState* beam : {&Boss51Beam1, &Boss51Beam2}) {
        beam->frame = host::Rand() % 10;
        beam->x = ParkPosition.x;
        beam->y = ParkPosition.y;
        beam->active = 0;
    }
}
