// The pools of the Stream families: fifty balls each, at whole-pixel positions.
// Their emitter counters are words of the boss blocks (game/stage/boss_data.h).
#pragma once
#include "game/common/pool.h"
#include "host/types.h"

struct StreamBall {
    i32 x, y;
    f32 pathClock;  // path units
    i32 active;
};

extern StreamBall Boss31Stream1[50], Boss31Stream2[50], Boss31Stream3[50], Boss31Stream4[50], Boss31Stream5[50],
    Boss31Stream6[50], Boss31Stream7[50], Boss31Stream8[50], Boss41Stream1[50], Boss41Stream2[50], Boss41Stream3[50],
    Boss41Stream4[50], Boss41Stream5[50], Boss41Stream6[50], Boss51Stream1[50], Boss51Stream2[50], Boss51Stream3[50],
    Boss51Stream4[50], Boss51Stream5[50], Boss51Stream6[50];

using StreamPool = PoolRef<StreamBall>;
extern const StreamPool StreamPools[20];
