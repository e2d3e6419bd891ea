// The Drops families on the falling engine: clusters of two, three or four bullets armed together at one
// point below their boss that spread sideways as they fall. A cluster has no emitter: each Spawn call arms
// every free slot. Update makes one pass per slot, and before each pass every drifting slot (live or
// parked) takes one sideways step, so a cluster of N drifts at N times its step.
#include "game/bossfire/drops.h"

#include "game/bossfire/drops_data.h"
#include "game/bossfire/falling_engine.h"
#include "game/common/images.h"

namespace {

constexpr FallBox kDropBox{14, 30, 24, 30};
constexpr FallLook kVal12 = FallPlain(&imgVAL12, FallBlit::Sprite, 0, 16, 16);
constexpr FallLook kVal13 = FallPlain(&imgVAL13, FallBlit::Sprite, 0, 16, 16);
constexpr FallLook kVal1 = FallAnimated(&imgVAL1, FallBlit::Sprite, 16, 16, 16);

// A cluster of N at boss x + dx, boss y + dy. Slot roles: of two, 0 left and 1 right; of three, 0 left,
// 1 straight down, 2 right; of four, 0 and 1 the inner pair (left, right), 2 and 3 the outer pair.
template <i32 N>
constexpr FallFamily Drops(BulletSlot (&pool)[N], BossState& boss, const FallLook& look, f32 dx, f32 dy,
                           f32 step, f32 outer, f32 fall) {
    FallFamily f = FallGroup(pool, N, N, boss, nullptr, fall, true, kDropBox, look);
    f.x1 = dx;
    f.y1 = dy;
    f.drift[0] = -step;
    f.drift[N - 1] = step;
    if (N == 4) {
        f.drift[1] = step;
        f.drift[2] = -outer;
        f.drift[3] = outer;
    }
    f.driftSteps = 1;
    f.driftForm = FallDrift::PerPass;
    return f;
}

// The families, in the order of the entry list below.
constexpr FallFamily kDrops[] = {
    Drops(Boss11Drops1, Boss11State, kVal12, 212, 200, 30, 0, 190),
    Drops(Boss11Drops2, Boss11State, kVal12, 212, 200, 23, 0, 220),
    Drops(Boss11Drops3, Boss11State, kVal12, 212, 200, 7, 20, 260),
    Drops(Boss2BDrops1, Boss2BState, kVal12, 212, 200, 20, 0, 140),
    Drops(Boss2BDrops2, Boss2BState, kVal12, 212, 200, 33, 0, 220),
    Drops(Boss2BDrops3, Boss2BState, kVal12, 182, 150, 23, 0, 220),
    Drops(Boss2BDrops4, Boss2BState, kVal12, 282, 150, 23, 0, 220),
    Drops(Boss2BDrops5, Boss2BState, kVal12, 232, 200, 17, 30, 210),
    Drops(Boss31Drops1, Boss31State, kVal12, 222, 200, 15, 0, 140),
    Drops(Boss31Drops2, Boss31State, kVal12, 222, 200, 13, 0, 120),
    Drops(Boss31Drops3, Boss31State, kVal12, 172, 150, 13, 0, 120),
    Drops(Boss31Drops4, Boss31State, kVal12, 272, 150, 13, 0, 120),
    Drops(Boss31Drops5, Boss31State, kVal12, 142, 110, 13, 0, 120),
    Drops(Boss31Drops6, Boss31State, kVal12, 302, 110, 13, 0, 120),
    Drops(Boss31Drops7, Boss31State, kVal12, 222, 200, 7, 20, 110),
    Drops(Boss41Drops1, Boss41State, kVal13, 212, 200, 15, 0, 140),
    Drops(Boss41Drops2, Boss41State, kVal13, 182, 110, 15, 0, 140),
    Drops(Boss41Drops3, Boss41State, kVal13, 242, 110, 15, 0, 140),
    Drops(Boss41Drops4, Boss41State, kVal13, 212, 200, 13, 0, 120),
    Drops(Boss41Drops5, Boss41State, kVal13, 162, 150, 13, 0, 120),
    Drops(Boss41Drops6, Boss41State, kVal13, 262, 150, 13, 0, 120),
    Drops(Boss41Drops7, Boss41State, kVal13, 132, 110, 13, 0, 120),
    Drops(Boss41Drops8, Boss41State, kVal13, 292, 110, 13, 0, 120),
    Drops(Boss41Drops9, Boss41State, kVal13, 212, 200, 7, 20, 110),
    Drops(Boss51Drops1, Boss51State, kVal13, 182, 200, 15, 0, 140),
    Drops(Boss51Drops2, Boss51State, kVal13, 152, 110, 15, 0, 140),
    Drops(Boss51Drops3, Boss51State, kVal13, 212, 110, 15, 0, 140),
    Drops(Boss51Drops4, Boss51State, kVal13, 182, 200, 13, 0, 120),
    Drops(Boss51Drops5, Boss51State, kVal13, 132, 150, 13, 0, 120),
    Drops(Boss51Drops6, Boss51State, kVal13, 232, 150, 13, 0, 120),
    Drops(Boss51Drops7, Boss51State, kVal13, 102, 110, 13, 0, 120),
    Drops(Boss51Drops8, Boss51State, kVal13, 262, 110, 13, 0, 120),
    Drops(Boss51Drops9, Boss51State, kVal13, 182, 200, 7, 20, 110),
    Drops(Boss4BDrops1, Boss4BState, kVal1, 222, 200, 15, 0, 140),  // +222, beside Drops2 and 3 about +212
    Drops(Boss4BDrops2, Boss4BState, kVal1, 182, 110, 15, 0, 140),
    Drops(Boss4BDrops3, Boss4BState, kVal1, 242, 110, 15, 0, 140),
    Drops(Boss4BDrops4, Boss4BState, kVal1, 222, 200, 13, 0, 120),
    Drops(Boss4BDrops5, Boss4BState, kVal1, 172, 150, 13, 0, 120),
    Drops(Boss4BDrops6, Boss4BState, kVal1, 272, 150, 13, 0, 120),
    Drops(Boss4BDrops7, Boss4BState, kVal1, 142, 110, 13, 0, 120),
    Drops(Boss4BDrops8, Boss4BState, kVal1, 302, 110, 13, 0, 120),
    Drops(Boss4BDrops9, Boss4BState, kVal1, 222, 200, 7, 20, 110),
    Drops(Boss71Drops1, Boss71State, kVal1, 242, 200, 15, 0, 140),
    Drops(Boss71Drops2, Boss71State, kVal1, 212, 110, 15, 0, 140),
    Drops(Boss71Drops3, Boss71State, kVal1, 272, 110, 15, 0, 140),
    Drops(Boss71Drops4, Boss71State, kVal1, 242, 200, 13, 0, 120),
    Drops(Boss71Drops5, Boss71State, kVal1, 192, 150, 13, 0, 120),
    Drops(Boss71Drops6, Boss71State, kVal1, 292, 150, 13, 0, 120),
    Drops(Boss71Drops7, Boss71State, kVal1, 162, 110, 13, 0, 120),
    Drops(Boss71Drops8, Boss71State, kVal1, 322, 110, 13, 0, 120),
    Drops(Boss71Drops9, Boss71State, kVal1, 242, 200, 7, 20, 110),
    Drops(Boss5BDrops1, Boss5BState, kVal1, 232, 200, 15, 0, 140),
    Drops(Boss5BDrops2, Boss5BState, kVal1, 202, 110, 15, 0, 140),
    Drops(Boss5BDrops3, Boss5BState, kVal1, 262, 110, 15, 0, 140),
    Drops(Boss5BDrops4, Boss5BState, kVal1, 232, 200, 13, 0, 120),
    Drops(Boss5BDrops5, Boss5BState, kVal1, 182, 150, 13, 0, 120),
    Drops(Boss5BDrops6, Boss5BState, kVal1, 282, 150, 13, 0, 120),
    Drops(Boss5BDrops7, Boss5BState, kVal1, 152, 110, 13, 0, 120),
    Drops(Boss5BDrops8, Boss5BState, kVal1, 312, 110, 13, 0, 120),
    Drops(Boss5BDrops9, Boss5BState, kVal1, 232, 200, 7, 20, 110),
};

// id, pool, Spawn, Update, Draw
#define DROPS_ENTRIES(X)                                                                       \
    X(kBoss11Drops1, Boss11Drops1, Boss11Drops1_Spawn, Boss11Drops1_Update, Boss11Drops1_Draw) \
    X(kBoss11Drops2, Boss11Drops2, Boss11Drops2_Spawn, Boss11Drops2_Update, Boss11Drops2_Draw) \
    X(kBoss11Drops3, Boss11Drops3, Boss11Drops3_Spawn, Boss11Drops3_Update, Boss11Drops3_Draw) \
    X(kBoss2BDrops1, Boss2BDrops1, Boss2BDrops1_Spawn, Boss2BDrops1_Update, Boss2BDrops1_Draw) \
    X(kBoss2BDrops2, Boss2BDrops2, Boss2BDrops2_Spawn, Boss2BDrops2_Update, Boss2BDrops2_Draw) \
    X(kBoss2BDrops3, Boss2BDrops3, Boss2BDrops3_Spawn, Boss2BDrops3_Update, Boss2BDrops3_Draw) \
    X(kBoss2BDrops4, Boss2BDrops4, Boss2BDrops4_Spawn, Boss2BDrops4_Update, Boss2BDrops4_Draw) \
    X(kBoss2BDrops5, Boss2BDrops5, Boss2BDrops5_Spawn, Boss2BDrops5_Update, Boss2BDrops5_Draw) \
    X(kBoss31Drops1, Boss31Drops1, Boss31Drops1_Spawn, Boss31Drops1_Update, Boss31Drops1_Draw) \
    X(kBoss31Drops2, Boss31Drops2, Boss31Drops2_Spawn, Boss31Drops2_Update, Boss31Drops2_Draw) \
    X(kBoss31Drops3, Boss31Drops3, Boss31Drops3_Spawn, Boss31Drops3_Update, Boss31Drops3_Draw) \
    X(kBoss31Drops4, Boss31Drops4, Boss31Drops4_Spawn, Boss31Drops4_Update, Boss31Drops4_Draw) \
    X(kBoss31Drops5, Boss31Drops5, Boss31Drops5_Spawn, Boss31Drops5_Update, Boss31Drops5_Draw) \
    X(kBoss31Drops6, Boss31Drops6, Boss31Drops6_Spawn, Boss31Drops6_Update, Boss31Drops6_Draw) \
    X(kBoss31Drops7, Boss31Drops7, Boss31Drops7_Spawn, Boss31Drops7_Update, Boss31Drops7_Draw) \
    X(kBoss41Drops1, Boss41Drops1, Boss41Drops1_Spawn, Boss41Drops1_Update, Boss41Drops1_Draw) \
    X(kBoss41Drops2, Boss41Drops2, Boss41Drops2_Spawn, Boss41Drops2_Update, Boss41Drops2_Draw) \
    X(kBoss41Drops3, Boss41Drops3, Boss41Drops3_Spawn, Boss41Drops3_Update, Boss41Drops3_Draw) \
    X(kBoss41Drops4, Boss41Drops4, Boss41Drops4_Spawn, Boss41Drops4_Update, Boss41Drops4_Draw) \
    X(kBoss41Drops5, Boss41Drops5, Boss41Drops5_Spawn, Boss41Drops5_Update, Boss41Drops5_Draw) \
    X(kBoss41Drops6, Boss41Drops6, Boss41Drops6_Spawn, Boss41Drops6_Update, Boss41Drops6_Draw) \
    X(kBoss41Drops7, Boss41Drops7, Boss41Drops7_Spawn, Boss41Drops7_Update, Boss41Drops7_Draw) \
    X(kBoss41Drops8, Boss41Drops8, Boss41Drops8_Spawn, Boss41Drops8_Update, Boss41Drops8_Draw) \
    X(kBoss41Drops9, Boss41Drops9, Boss41Drops9_Spawn, Boss41Drops9_Update, Boss41Drops9_Draw) \
    X(kBoss51Drops1, Boss51Drops1, Boss51Drops1_Spawn, Boss51Drops1_Update, Boss51Drops1_Draw) \
    X(kBoss51Drops2, Boss51Drops2, Boss51Drops2_Spawn, Boss51Drops2_Update, Boss51Drops2_Draw) \
    X(kBoss51Drops3, Boss51Drops3, Boss51Drops3_Spawn, Boss51Drops3_Update, Boss51Drops3_Draw) \
    X(kBoss51Drops4, Boss51Drops4, Boss51Drops4_Spawn, Boss51Drops4_Update, Boss51Drops4_Draw) \
    X(kBoss51Drops5, Boss51Drops5, Boss51Drops5_Spawn, Boss51Drops5_Update, Boss51Drops5_Draw) \
    X(kBoss51Drops6, Boss51Drops6, Boss51Drops6_Spawn, Boss51Drops6_Update, Boss51Drops6_Draw) \
    X(kBoss51Drops7, Boss51Drops7, Boss51Drops7_Spawn, Boss51Drops7_Update, Boss51Drops7_Draw) \
    X(kBoss51Drops8, Boss51Drops8, Boss51Drops8_Spawn, Boss51Drops8_Update, Boss51Drops8_Draw) \
    X(kBoss51Drops9, Boss51Drops9, Boss51Drops9_Spawn, Boss51Drops9_Update, Boss51Drops9_Draw) \
    X(kBoss4BDrops1, Boss4BDrops1, Boss4BDrops1_Spawn, Boss4BDrops1_Update, Boss4BDrops1_Draw) \
    X(kBoss4BDrops2, Boss4BDrops2, Boss4BDrops2_Spawn, Boss4BDrops2_Update, Boss4BDrops2_Draw) \
    X(kBoss4BDrops3, Boss4BDrops3, Boss4BDrops3_Spawn, Boss4BDrops3_Update, Boss4BDrops3_Draw) \
    X(kBoss4BDrops4, Boss4BDrops4, Boss4BDrops4_Spawn, Boss4BDrops4_Update, Boss4BDrops4_Draw) \
    X(kBoss4BDrops5, Boss4BDrops5, Boss4BDrops5_Spawn, Boss4BDrops5_Update, Boss4BDrops5_Draw) \
    X(kBoss4BDrops6, Boss4BDrops6, Boss4BDrops6_Spawn, Boss4BDrops6_Update, Boss4BDrops6_Draw) \
    X(kBoss4BDrops7, Boss4BDrops7, Boss4BDrops7_Spawn, Boss4BDrops7_Update, Boss4BDrops7_Draw) \
    X(kBoss4BDrops8, Boss4BDrops8, Boss4BDrops8_Spawn, Boss4BDrops8_Update, Boss4BDrops8_Draw) \
    X(kBoss4BDrops9, Boss4BDrops9, Boss4BDrops9_Spawn, Boss4BDrops9_Update, Boss4BDrops9_Draw) \
    X(kBoss71Drops1, Boss71Drops1, Boss71Drops1_Spawn, Boss71Drops1_Update, Boss71Drops1_Draw) \
    X(kBoss71Drops2, Boss71Drops2, Boss71Drops2_Spawn, Boss71Drops2_Update, Boss71Drops2_Draw) \
    X(kBoss71Drops3, Boss71Drops3, Boss71Drops3_Spawn, Boss71Drops3_Update, Boss71Drops3_Draw) \
    X(kBoss71Drops4, Boss71Drops4, Boss71Drops4_Spawn, Boss71Drops4_Update, Boss71Drops4_Draw) \
    X(kBoss71Drops5, Boss71Drops5, Boss71Drops5_Spawn, Boss71Drops5_Update, Boss71Drops5_Draw) \
    X(kBoss71Drops6, Boss71Drops6, Boss71Drops6_Spawn, Boss71Drops6_Update, Boss71Drops6_Draw) \
    X(kBoss71Drops7, Boss71Drops7, Boss71Drops7_Spawn, Boss71Drops7_Update, Boss71Drops7_Draw) \
    X(kBoss71Drops8, Boss71Drops8, Boss71Drops8_Spawn, Boss71Drops8_Update, Boss71Drops8_Draw) \
    X(kBoss71Drops9, Boss71Drops9, Boss71Drops9_Spawn, Boss71Drops9_Update, Boss71Drops9_Draw) \
    X(kBoss5BDrops1, Boss5BDrops1, Boss5BDrops1_Spawn, Boss5BDrops1_Update, Boss5BDrops1_Draw) \
    X(kBoss5BDrops2, Boss5BDrops2, Boss5BDrops2_Spawn, Boss5BDrops2_Update, Boss5BDrops2_Draw) \
    X(kBoss5BDrops3, Boss5BDrops3, Boss5BDrops3_Spawn, Boss5BDrops3_Update, Boss5BDrops3_Draw) \
    X(kBoss5BDrops4, Boss5BDrops4, Boss5BDrops4_Spawn, Boss5BDrops4_Update, Boss5BDrops4_Draw) \
    X(kBoss5BDrops5, Boss5BDrops5, Boss5BDrops5_Spawn, Boss5BDrops5_Update, Boss5BDrops5_Draw) \
    X(kBoss5BDrops6, Boss5BDrops6, Boss5BDrops6_Spawn, Boss5BDrops6_Update, Boss5BDrops6_Draw) \
    X(kBoss5BDrops7, Boss5BDrops7, Boss5BDrops7_Spawn, Boss5BDrops7_Update, Boss5BDrops7_Draw) \
    X(kBoss5BDrops8, Boss5BDrops8, Boss5BDrops8_Spawn, Boss5BDrops8_Update, Boss5BDrops8_Draw) \
    X(kBoss5BDrops9, Boss5BDrops9, Boss5BDrops9_Spawn, Boss5BDrops9_Update, Boss5BDrops9_Draw)

#define DROPS_ID(id, ...) id,
enum DropsId : i32 { DROPS_ENTRIES(DROPS_ID) kDropsCount };
#undef DROPS_ID
static_assert(kDropsCount == sizeof kDrops / sizeof kDrops[0]);
#define DROPS_ROW(id, array, ...) static_assert(kDrops[id].pool == array);
DROPS_ENTRIES(DROPS_ROW)
#undef DROPS_ROW

}  // namespace

#define DROPS_WRAPPERS(id, array, spawn, update, draw) \
    void spawn(i32) { Fall_SpawnAll(kDrops[id]); }     \
    void update(i32) { Fall_Update(kDrops[id]); }      \
    void draw(i32) { Fall_Draw(kDrops[id]); }
DROPS_ENTRIES(DROPS_WRAPPERS)
#undef DROPS_WRAPPERS
