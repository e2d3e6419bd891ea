// The pools of the families that the stages' schedules fire, by the names the schedules give them: how
// many of a family's records are live.
#include "game/schedule_pools.h"

#include <map>
#include <string_view>

#include "game/bossfire/aimfan_data.h"
#include "game/bossfire/arc_data.h"
#include "game/bossfire/arm_data.h"
#include "game/bossfire/beam_data.h"
#include "game/bossfire/drops_data.h"
#include "game/bossfire/lightning_data.h"
#include "game/bossfire/ring_data.h"
#include "game/bossfire/rot5way_data.h"
#include "game/bossfire/rotchain_data.h"
#include "game/bossfire/rotfan_data.h"
#include "game/bossfire/stream_data.h"
#include "game/bossfire/volley_data.h"
#include "game/enemy/szak10_data.h"
#include "game/enemy/szak12_data.h"
#include "game/enemy/szak13_data.h"
#include "game/enemy/szak1_data.h"
#include "game/enemy/szak21_data.h"
#include "game/enemy/szak30a_data.h"
#include "game/enemy/szak30b_data.h"
#include "game/enemy/szak52_data.h"
#include "game/enemy/szak6_data.h"
#include "game/enemy/szakmix_data.h"

namespace kt {

namespace {

template <class Record>
int LiveIn(const Record* r, int n) {
    if constexpr (!requires { r->active; }) {
        return -1;  // lock marks: nothing a schedule fires
    } else {
        int live = 0;
        for (int i = 0; i < n; ++i) live += r[i].active != 0;
        return live;
    }
}
template <class Record, size_t N>
int LiveIn(const Record (&pool)[N]) {
    return LiveIn(pool, static_cast<int>(N));
}

// A pool's name as the schedules give it: a formation's slots under the formation's own name.
std::string Family(std::string_view pool) {
    constexpr std::string_view kSlots = "Slots";
    if (pool.ends_with(kSlots)) pool.remove_suffix(kSlots.size());
    return std::string(pool);
}

// clang-format off
#define POOL(Record, name, ...) {Family(#name), [] { return LiveIn(name); }},
#define MIX(k) {"SzakMix " #k, [] { return SzakMixSlots[k].active; }}, \
               {"SzakMixShot1 " #k, [] { return SzakMixShot1Slots[k].active; }}, \
               {"SzakMixShot2 " #k, [] { return LiveIn(SzakMixShot2Slots + 5 * (k), 5); }}
const std::map<std::string, Counter> kPools = {
    AIMFAN_POOLS(POOL) ARC_POOLS(POOL) ARM_POOLS(POOL) DROPS_POOLS(POOL) LIGHTNING_POOLS(POOL) RING_POOLS(POOL)
    ROT5WAY_POOLS(POOL) ROTCHAIN_POOLS(POOL) ROTFAN_POOLS(POOL) STREAM_POOLS(POOL) VOLLEY_POOLS(POOL)
    SZAK10_POOLS(POOL) SZAK12_POOLS(POOL) SZAK13_POOLS(POOL) SZAK1_POOLS(POOL) SZAK21_POOLS(POOL)
    SZAK30A_POOLS(POOL) SZAK30B_POOLS(POOL) SZAK52_POOLS(POOL) SZAK6_POOLS(POOL) SZAKMIX_POOLS(POOL)
    {"Boss51Beam1", [] { return Boss51Beam1.active; }},
    {"Boss51Beam2", [] { return Boss51Beam2.active; }},
    MIX(0), MIX(1), MIX(2), MIX(3), MIX(4), MIX(5), MIX(6), MIX(7), MIX(8), MIX(9), MIX(10), MIX(11), MIX(12),
    MIX(13), MIX(14),
};
#undef POOL
#undef MIX
// clang-format on

}  // namespace

Counter CounterOf(const std::string& family) {
    const auto it = kPools.find(family);
    return it == kPools.end() ? nullptr : it->second;
}

int LiveRecords(const std::string& family) {
    const Counter count = CounterOf(family);
    return count ? count() : -1;
}

}  // namespace kt
