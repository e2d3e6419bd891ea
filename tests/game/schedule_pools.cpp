// The pools of the families that the stages' schedules fire, by the names the schedules give them: how
// many of a family's records are live.
#include "game/schedule_pools.h"

#include <map>

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
    int live = 0;
    for (int i = 0; i < n; ++i) live += r[i].active != 0;
    return live;
}
template <class Record, size_t N>
int LiveIn(const Record (&pool)[N]) {
    return LiveIn(pool, static_cast<int>(N));
}

using Counter = int (*)();
// clang-format off
#define BOSS(name) {#name, [] { return LiveIn(name); }}
#define SZAK(name) {#name, [] { return LiveIn(name##Slots); }}
#define MIX(k) {"SzakMix " #k, [] { return SzakMixSlots[k].active; }}, \
               {"SzakMixShot1 " #k, [] { return SzakMixShot1Slots[k].active; }}, \
               {"SzakMixShot2 " #k, [] { return LiveIn(SzakMixShot2Slots + 5 * (k), 5); }}
const std::map<std::string, Counter> kPools = {
    BOSS(Boss11AimFan2), BOSS(Boss11AimFan3), BOSS(Boss11Arc1), BOSS(Boss11Arm1), BOSS(Boss11Arm2), BOSS(Boss11Ring1),
    BOSS(Boss11Ring2), BOSS(Boss11Ring3), BOSS(Boss11Ring4), BOSS(Boss11Ring5), BOSS(Boss11Ring6),
    BOSS(Boss11Rot5Way1), BOSS(Boss11Rot5Way10), BOSS(Boss11Rot5Way2), BOSS(Boss11Rot5Way3), BOSS(Boss11Rot5Way4),
    BOSS(Boss11Rot5Way5), BOSS(Boss11Rot5Way6), BOSS(Boss11Rot5Way7), BOSS(Boss11Rot5Way8), BOSS(Boss11Rot5Way9),
    BOSS(Boss11RotFan1), BOSS(Boss11RotFan2), BOSS(Boss11Volley1), BOSS(Boss11Volley2), BOSS(Boss11Volley3),
    BOSS(Boss11Volley4), BOSS(Boss11Volley5), BOSS(Boss11Volley6), BOSS(Boss2BArc1), BOSS(Boss2BArc2),
    BOSS(Boss2BArc3), BOSS(Boss2BArc4), BOSS(Boss2BArc5), BOSS(Boss2BDrops1), BOSS(Boss2BDrops2), BOSS(Boss2BDrops3),
    BOSS(Boss2BDrops4), BOSS(Boss2BDrops5), BOSS(Boss31AimFan1), BOSS(Boss31AimFan3), BOSS(Boss31AimFan4),
    BOSS(Boss31AimFan5), BOSS(Boss31Arc1), BOSS(Boss31Arc2), BOSS(Boss31Arc3), BOSS(Boss31Arc4), BOSS(Boss31Arc5),
    BOSS(Boss31Arm1), BOSS(Boss31Arm2), BOSS(Boss31Arm3), BOSS(Boss31Arm4), BOSS(Boss31Ring1), BOSS(Boss31Ring10),
    BOSS(Boss31Ring2), BOSS(Boss31Ring3), BOSS(Boss31Ring4), BOSS(Boss31Ring5), BOSS(Boss31Ring6), BOSS(Boss31Ring7),
    BOSS(Boss31Ring8), BOSS(Boss31Ring9), BOSS(Boss31Stream1), BOSS(Boss31Stream2), BOSS(Boss31Stream3),
    BOSS(Boss31Stream4), BOSS(Boss31Stream5), BOSS(Boss31Stream6), BOSS(Boss31Stream7), BOSS(Boss31Stream8),
    BOSS(Boss31Volley1), BOSS(Boss31Volley2), BOSS(Boss41AimFan3), BOSS(Boss41AimFan4), BOSS(Boss41Arc1),
    BOSS(Boss41Arc4), BOSS(Boss41Arc5), BOSS(Boss41Arc6), BOSS(Boss41Arc7), BOSS(Boss41Drops1), BOSS(Boss41Drops2),
    BOSS(Boss41Drops3), BOSS(Boss41Drops4), BOSS(Boss41Drops5), BOSS(Boss41Drops6), BOSS(Boss41Drops7),
    BOSS(Boss41Drops8), BOSS(Boss41Drops9), BOSS(Boss41Rot5Way15), BOSS(Boss41Rot5Way16), BOSS(Boss41Rot5Way17),
    BOSS(Boss41Rot5Way18), BOSS(Boss41Rot5Way19), BOSS(Boss41Rot5Way20), BOSS(Boss41Rot5Way21), BOSS(Boss41Rot5Way25),
    BOSS(Boss41Rot5Way26), BOSS(Boss41Rot5Way27), BOSS(Boss41Rot5Way28), BOSS(Boss41Rot5Way29), BOSS(Boss41Rot5Way3),
    BOSS(Boss41Rot5Way30), BOSS(Boss41Rot5Way4), BOSS(Boss41Rot5Way5), BOSS(Boss41Rot5Way6), BOSS(Boss41Rot5Way7),
    BOSS(Boss41Rot5Way8), BOSS(Boss41Rot5Way9), BOSS(Boss41RotChain1), BOSS(Boss41RotChain2), BOSS(Boss41RotChain3),
    BOSS(Boss41RotChain4), BOSS(Boss41RotFan1), BOSS(Boss41RotFan10), BOSS(Boss41RotFan11), BOSS(Boss41RotFan12),
    BOSS(Boss41RotFan13), BOSS(Boss41RotFan14), BOSS(Boss41RotFan15), BOSS(Boss41RotFan16), BOSS(Boss41RotFan17),
    BOSS(Boss41RotFan18), BOSS(Boss41RotFan19), BOSS(Boss41RotFan2), BOSS(Boss41RotFan20), BOSS(Boss41RotFan21),
    BOSS(Boss41RotFan3), BOSS(Boss41RotFan4), BOSS(Boss41RotFan5), BOSS(Boss41RotFan6), BOSS(Boss41RotFan7),
    BOSS(Boss41RotFan8), BOSS(Boss41RotFan9), BOSS(Boss41Stream1), BOSS(Boss41Stream2), BOSS(Boss41Stream3),
    BOSS(Boss41Stream4), BOSS(Boss41Stream5), BOSS(Boss41Stream6), BOSS(Boss41Volley1), BOSS(Boss41Volley2),
    BOSS(Boss41Volley3), BOSS(Boss4BAimFan1), BOSS(Boss4BArc1), BOSS(Boss4BArc2), BOSS(Boss4BArc3), BOSS(Boss4BArc4),
    BOSS(Boss4BArc5), BOSS(Boss4BArc6), BOSS(Boss4BArc7), BOSS(Boss4BLightning1), BOSS(Boss4BLightning2),
    BOSS(Boss4BLightning3), BOSS(Boss4BLightning4), BOSS(Boss4BLightning5), BOSS(Boss4BLightning6),
    BOSS(Boss4BVolley1), BOSS(Boss4BVolley2), BOSS(Boss51AimFan1), BOSS(Boss51AimFan2), BOSS(Boss51AimFan3),
    BOSS(Boss51AimFan4), BOSS(Boss51Arc1), BOSS(Boss51Arc2), BOSS(Boss51Arc3), BOSS(Boss51Arc4), BOSS(Boss51Arc5),
    BOSS(Boss51Arc6), BOSS(Boss51Arc7), BOSS(Boss51Drops1), BOSS(Boss51Drops2), BOSS(Boss51Drops3),
    BOSS(Boss51Drops4), BOSS(Boss51Drops5), BOSS(Boss51Drops6), BOSS(Boss51Drops7), BOSS(Boss51Drops8),
    BOSS(Boss51Drops9), BOSS(Boss51RotChain1), BOSS(Boss51RotChain2), BOSS(Boss51Stream1), BOSS(Boss51Stream2),
    BOSS(Boss51Stream3), BOSS(Boss51Stream4), BOSS(Boss51Stream5), BOSS(Boss51Stream6), BOSS(Boss5BArc1),
    BOSS(Boss5BArc2), BOSS(Boss5BArc3), BOSS(Boss5BArc4), BOSS(Boss5BArc5), BOSS(Boss5BDrops1), BOSS(Boss5BDrops2),
    BOSS(Boss5BDrops3), BOSS(Boss5BDrops4), BOSS(Boss5BDrops5), BOSS(Boss5BDrops6), BOSS(Boss5BDrops7),
    BOSS(Boss5BDrops8), BOSS(Boss5BDrops9), BOSS(Boss71AimFan1), BOSS(Boss71AimFan2), BOSS(Boss71Arc1),
    BOSS(Boss71Arc2), BOSS(Boss71Arc3), BOSS(Boss71Arc4), BOSS(Boss71Arc5), BOSS(Boss71Arc6), BOSS(Boss71Arc7),
    BOSS(Boss71Arm1), BOSS(Boss71Arm2), BOSS(Boss71Arm3), BOSS(Boss71Arm4), BOSS(Boss71Arm5), BOSS(Boss71Arm6),
    BOSS(Boss71Arm7), BOSS(Boss71Arm8), BOSS(Boss71Arm9), BOSS(Boss71Drops1), BOSS(Boss71Drops2), BOSS(Boss71Drops3),
    BOSS(Boss71Drops4), BOSS(Boss71Drops5), BOSS(Boss71Drops6), BOSS(Boss71Drops7), BOSS(Boss71Drops8),
    BOSS(Boss71Drops9), BOSS(Boss71Rot5Way1), BOSS(Boss71Rot5Way10), BOSS(Boss71Rot5Way11), BOSS(Boss71Rot5Way12),
    BOSS(Boss71Rot5Way2), BOSS(Boss71Rot5Way3), BOSS(Boss71Rot5Way4), BOSS(Boss71Rot5Way5), BOSS(Boss71Rot5Way6),
    BOSS(Boss71Rot5Way7), BOSS(Boss71Rot5Way8), BOSS(Boss71Rot5Way9), BOSS(Boss71RotFan1), BOSS(Boss71RotFan2),
    BOSS(Boss71RotFan3), BOSS(Boss71RotFan4), BOSS(Boss71RotFan5), BOSS(Boss71RotFan6), BOSS(Boss71RotFan7),
    BOSS(Boss71Volley1), BOSS(Boss71Volley2), BOSS(Boss71Volley3), BOSS(Boss71Volley4), BOSS(Boss71Volley5),
    BOSS(Boss71Volley6),
    {"Boss51Beam1", [] { return Boss51Beam1.active; }},
    {"Boss51Beam2", [] { return Boss51Beam2.active; }},
    SZAK(Szak10), SZAK(Szak10Shot3), SZAK(Szak12), SZAK(Szak12Shot1), SZAK(Szak12Shot10), SZAK(Szak12Shot2),
    SZAK(Szak12Shot3), SZAK(Szak12Shot4), SZAK(Szak12Shot5), SZAK(Szak12Shot6), SZAK(Szak12Shot7), SZAK(Szak12Shot8),
    SZAK(Szak12Shot9), SZAK(Szak13A), SZAK(Szak13AShot1), SZAK(Szak13AShot2), SZAK(Szak13AShot3), SZAK(Szak13AShot4),
    SZAK(Szak13AShot5), SZAK(Szak13AShot6), SZAK(Szak13B), SZAK(Szak13BShot1), SZAK(Szak13BShot2), SZAK(Szak13BShot3),
    SZAK(Szak13BShot4), SZAK(Szak13BShot5), SZAK(Szak13BShot6), SZAK(Szak1A), SZAK(Szak1AShot1), SZAK(Szak1B),
    SZAK(Szak1BShot1), SZAK(Szak21A), SZAK(Szak21AShot1), SZAK(Szak21AShot2), SZAK(Szak21AShot3), SZAK(Szak21AShot4),
    SZAK(Szak21AShot5), SZAK(Szak21AShot6), SZAK(Szak21B), SZAK(Szak21BShot1), SZAK(Szak21C), SZAK(Szak21CShot1),
    SZAK(Szak21CShot2), SZAK(Szak21CShot3), SZAK(Szak21CShot4), SZAK(Szak22A), SZAK(Szak22AShot1), SZAK(Szak22AShot2),
    SZAK(Szak22AShot3), SZAK(Szak22AShot4), SZAK(Szak22AShot5), SZAK(Szak22AShot6), SZAK(Szak22B), SZAK(Szak22BShot1),
    SZAK(Szak22C), SZAK(Szak22CShot1), SZAK(Szak22CShot2), SZAK(Szak22CShot3), SZAK(Szak22CShot4), SZAK(Szak30A),
    SZAK(Szak30B), SZAK(Szak31A), SZAK(Szak31B), SZAK(Szak32A), SZAK(Szak32B), SZAK(Szak33A), SZAK(Szak33B),
    SZAK(Szak52A), SZAK(Szak52AShot1), SZAK(Szak52AShot2), SZAK(Szak52AShot3), SZAK(Szak52AShot4), SZAK(Szak52AShot5),
    SZAK(Szak52AShot6), SZAK(Szak52AShot7), SZAK(Szak52AShot8), SZAK(Szak52B), SZAK(Szak52BShot1), SZAK(Szak52BShot2),
    SZAK(Szak52BShot3), SZAK(Szak52BShot4), SZAK(Szak52BShot5), SZAK(Szak52BShot6), SZAK(Szak52BShot7),
    SZAK(Szak52BShot8), SZAK(Szak6A), SZAK(Szak6AShot1), SZAK(Szak6AShot2), SZAK(Szak6AShot3), SZAK(Szak6AShot4),
    SZAK(Szak6AShot5), SZAK(Szak6AShot6), SZAK(Szak6AShot7), SZAK(Szak6B), SZAK(Szak6BShot1), SZAK(Szak6BShot2),
    SZAK(Szak6BShot3), SZAK(Szak6BShot4), SZAK(Szak6BShot5), SZAK(Szak6BShot6), SZAK(Szak6BShot7), MIX(0), MIX(1),
    MIX(2), MIX(3), MIX(4), MIX(5), MIX(6), MIX(7), MIX(8), MIX(9), MIX(10), MIX(11), MIX(12), MIX(13), MIX(14),
};
#undef BOSS
#undef SZAK
#undef MIX
// clang-format on

}  // namespace

int LiveRecords(const std::string& family) {
    const auto it = kPools.find(family);
    return it == kPools.end() ? -1 : it->second();
}

}  // namespace kt
