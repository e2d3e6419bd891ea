// The resets draw their random numbers in one fixed order: which record gets which number, and how many
// are drawn, must not change when the pools are reset by other hands. The samples sit at the edges of each
// run of draws, so that two runs that trade places show up.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "game/bossfire/aimfan_data.h"
#include "game/bossfire/arc_data.h"
#include "game/bossfire/arm_data.h"
#include "game/bossfire/beam_data.h"
#include "game/bossfire/drops_data.h"
#include "game/bossfire/ring_data.h"
#include "game/bossfire/rot5way_data.h"
#include "game/bossfire/volley_data.h"
#include "game/enemy/szak10_data.h"
#include "game/enemy/szak13_data.h"
#include "game/enemy/szak1_data.h"
#include "game/enemy/szak21_data.h"
#include "game/enemy/szak30b_data.h"
#include "game/enemy/szak52_data.h"
#include "game/enemy/szak6_data.h"
#include "game/enemy/szakmix_data.h"
#include "game/shell/shell.h"
#include "game/stage/backdrop_data.h"
#include "host/crt.h"
#include "host/headless/headless.h"
#include "support/headless_machine.h"

namespace {

struct Sample {
    std::string name;
    i32 value;
};

u32 Fold(const std::vector<Sample>& s) {
    u32 h = 2166136261u;
    for (const Sample& x : s) h = (h ^ static_cast<u32>(x.value)) * 16777619u;
    return h;
}

std::string Show(const std::vector<Sample>& s) {
    std::string out;
    for (const Sample& x : s) out += x.name + "=" + std::to_string(x.value) + " ";
    return out;
}

class ResetDrawsTest : public kt::Headless {
protected:
    void SetUp() override {
        kt::Headless::SetUp();
        host::headless::SetWallSeconds(1'700'000'123);
    }
};

TEST_F(ResetDrawsTest, AStageResetDrawsInItsFixedOrder) {
    Game_ResetState();
    const std::vector<Sample> s = {
        {"mix0", SzakMixSlots[0].type},
        {"mixLast", SzakMixSlots[std::size(SzakMixSlots) - 1].type},
        {"straightFirst", Szak10Shot3Slots[0].animFrame},
        {"szak6BShot6", Szak6BShot6Slots[2].animFrame},
        {"szak21AShot1", Szak21AShot1Slots[0].animFrame},
        {"szak22AShot1", Szak22AShot1Slots[0].animFrame},
        {"szak22CShot5", Szak22CShot5Slots[std::size(Szak22CShot5Slots) - 1].animFrame},
        {"straightLast", Szak52BShot8Slots[std::size(Szak52BShot8Slots) - 1].animFrame},
        {"aimedFirst", SzakMixShot1Slots[0].animFrame},
        {"szak1AShot1", Szak1AShot1Slots[0].animFrame},
        {"szak13BShot3", Szak13BShot3Slots[std::size(Szak13BShot3Slots) - 1].animFrame},
        {"aimedLast", Szak33BShot1Slots[std::size(Szak33BShot1Slots) - 1].animFrame},
        {"szak1BShot1", Szak1BShot1Slots[0].animFrame},
        {"szak1BShot1Last", Szak1BShot1Slots[std::size(Szak1BShot1Slots) - 1].animFrame},
        {"star0", StarSpecks[0].kind},
        {"starLast", static_cast<i32>(StarSpecks[kStarSpecks - 1].speed)},
    };
    EXPECT_EQ(host::RandState(), 2783924777u) << "the number of draws";
    EXPECT_EQ(Fold(s), 774305244u) << Show(s);
}

TEST_F(ResetDrawsTest, ABossResetDrawsInItsFixedOrder) {
    host::SRand(4321);
    Game_ResetPools();
    const std::vector<Sample> s = {
        {"volleyFirst", Boss11Volley1[0].animFrame},
        {"volleyLast", Boss4BVolley2[std::size(Boss4BVolley2) - 1].animFrame},
        {"arcFirst", Boss11Arc1[0].animFrame},
        {"dropsFirst", Boss11Drops1[0].animFrame},
        {"armFirst", Boss11Arm1[0].animFrame},
        {"armLast", Boss71Arm9[std::size(Boss71Arm9) - 1].animFrame},
        {"beam1", Boss51Beam1.frame},
        {"beam2", Boss51Beam2.frame},
        {"ringFirst", Boss11Ring1[0].animFrame},
        {"ringLastAnimated", Boss11Ring12[std::size(Boss11Ring12) - 1].animFrame},
        {"aimFanFirst", Boss11AimFan2[0].animFrame},
        {"aimFanLast", Boss4BAimFan1[std::size(Boss4BAimFan1) - 1].animFrame},
        {"rot5wayFirst", Boss11Rot5Way1[0].animFrame},
        {"rot5wayLast", Boss41Rot5Way30[std::size(Boss41Rot5Way30) - 1].animFrame},
    };
    EXPECT_EQ(host::RandState(), 48681496u) << "the number of draws (36 more for the bolt nodes)";
    EXPECT_EQ(Fold(s), 4232144004u) << Show(s);
}

TEST_F(ResetDrawsTest, ANewGameDrawsNothing) {
    host::SRand(99);
    const u32 before = host::RandState();
    Game_NewGame();
    EXPECT_EQ(host::RandState(), before);
}

}  // namespace
