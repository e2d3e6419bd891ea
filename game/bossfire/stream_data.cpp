#include "game/bossfire/stream_data.h"

#include "game/common/state.h"

STREAM_POOLS(POOL_STORAGE)

const StreamPool StreamPools[] = {STREAM_POOLS(POOL_ROW)};

void Stream_ResetPools() {
    for (const StreamPool& p : StreamPools)
        for (i32 k = 0; k < p.count; ++k) p.slots[k] = StreamBall{IntegerPark.x, IntegerPark.y, 0.0f, 0};
}
