// The pools of the Stream families: fifty balls each, at whole-pixel positions.
// Their emitter counters are words of the boss blocks (game/common/boss_state.h); what the families do
// with them is in stream.h.
#pragma once
#include "game/common/pool.h"
#include "host/types.h"

struct StreamBall {
    i32 x, y;
    f32 pathClock;  // path units
    i32 active;
};

// Every Stream pool in table order, named once: record, name, slot count.
#define STREAM_POOLS(X)              \
    X(StreamBall, Boss31Stream1, 50) \
    X(StreamBall, Boss31Stream2, 50) \
    X(StreamBall, Boss31Stream3, 50) \
    X(StreamBall, Boss31Stream4, 50) \
    X(StreamBall, Boss31Stream5, 50) \
    X(StreamBall, Boss31Stream6, 50) \
    X(StreamBall, Boss31Stream7, 50) \
    X(StreamBall, Boss31Stream8, 50) \
    X(StreamBall, Boss41Stream1, 50) \
    X(StreamBall, Boss41Stream2, 50) \
    X(StreamBall, Boss41Stream3, 50) \
    X(StreamBall, Boss41Stream4, 50) \
    X(StreamBall, Boss41Stream5, 50) \
    X(StreamBall, Boss41Stream6, 50) \
    X(StreamBall, Boss51Stream1, 50) \
    X(StreamBall, Boss51Stream2, 50) \
    X(StreamBall, Boss51Stream3, 50) \
    X(StreamBall, Boss51Stream4, 50) \
    X(StreamBall, Boss51Stream5, 50) \
    X(StreamBall, Boss51Stream6, 50)
STREAM_POOLS(POOL_EXTERN)

using StreamPool = PoolRef<StreamBall>;
extern const StreamPool StreamPools[STREAM_POOLS(POOL_COUNT)];

// Back to rest: each ball at the integer park, its path clock at 0.
void Stream_ResetPools();
