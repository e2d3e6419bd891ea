// The two beams of the stage-4 boss: one record each.
#pragma once
#include "host/types.h"

struct BeamState {
    i32 frame;  // step of the flash
    f32 x, y;
    i32 active;
};
extern BeamState Boss51Beam1, Boss51Beam2;

// Back to rest: each beam parked and off, at a random step 0..9 of its flash.
void Beam_ResetPools();
