// Arming a slot of a group places that slot alone: the other members of its group, live or free, keep
// where they are. Checked directly on each kind of group and over the emit windows of the stage scripts
// at 60 frames a second, where groups fire again while some of their members are still falling.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "bossfire_falling_fixture.h"
#include "game/bossfire/arc.h"
#include "game/bossfire/arc_data.h"
#include "game/bossfire/volley.h"
#include "game/bossfire/volley_data.h"

namespace {

using kt::FallingTest;

TEST_F(FallingTest, ArmingAColumnMemberLeavesItsLiveNeighbours) {
    kt::ParkAll(Boss11Volley3);
    for (i32 c = 0; c < 60; ++c) Boss11Volley3_Emit(0);
    Boss11Volley3_Update(0);
    const BulletSlot m1 = Boss11Volley3[1], m2 = Boss11Volley3[2];
    Boss11Volley3[0] = BulletSlot{0, Boss11Volley3[0].emitClock, -500.0f, 2550.0f, 0, 0, 0};
    Boss11State.y = 10.0f;
    Boss11Volley3_Spawn(0, 0);
    EXPECT_EQ(Boss11Volley3[0].y, 10.0f + 90.0f);
    EXPECT_EQ(Boss11Volley3[1].y, m1.y);
    EXPECT_EQ(Boss11Volley3[2].y, m2.y);
    EXPECT_EQ(Boss11Volley3[2].x, m2.x);
}

TEST_F(FallingTest, ArmingAPairMemberLeavesTheOther) {
    kt::ParkAll(Boss11Volley2);
    for (i32 c = 0; c < 10; ++c) Boss11Volley2_Emit(0);
    Boss11Volley2_Update(0);
    const BulletSlot odd = Boss11Volley2[1];
    Boss11Volley2[0].active = 0;
    Boss11Volley2_Spawn(0, 0);
    EXPECT_EQ(Boss11Volley2[0].x, 200.0f + 200.0f - 80.0f);
    EXPECT_EQ(Boss11Volley2[1].x, odd.x);
    // A free partner is not moved either: it keeps its drifting park x until its own arming.
    Boss11Volley2[3].x = -123.0f;
    Boss11Volley2_Spawn(2, 2);
    EXPECT_EQ(Boss11Volley2[3].x, -123.0f);
    EXPECT_EQ(Boss11Volley2[3].active, 0);
}

TEST_F(FallingTest, ArmingAWideMemberLeavesTheOtherFour) {
    kt::ParkAll(Boss4BArc7);
    for (i32 c = 0; c < 10; ++c) Boss4BArc7_Emit(0);
    Boss4BArc7_Update(0);
    BulletSlot before[5];
    for (i32 m = 0; m < 5; ++m) before[m] = Boss4BArc7[m];
    Boss4BArc7[3].active = 0;
    Boss4BArc7_Spawn(3, 0);
    EXPECT_EQ(Boss4BArc7[3].x, 200.0f + 320.0f + 22.0f);
    EXPECT_EQ(Boss4BArc7[3].y, 40.0f + 73.0f);
    for (i32 m : {0, 1, 2, 4}) {
        EXPECT_EQ(Boss4BArc7[m].x, before[m].x) << m;
        EXPECT_EQ(Boss4BArc7[m].y, before[m].y) << m;
    }
}

// A stage script's emit windows of one family, as closed ranges of the attack clock; a clock on two
// windows calls the emitter twice.
struct Windows {
    std::vector<std::pair<i32, i32>> ranges;
    i32 loop;  // the attack clock goes back to 0 on reaching it
    i32 CallsAt(i32 clock) const {
        i32 n = 0;
        for (auto [lo, hi] : ranges) n += lo <= clock && clock <= hi;
        return n;
    }
};

struct Watch {
    i32 rearmedBesideLive = 0;  // armings of a slot while another member of its group was in flight
    i32 jumps = 0;              // live bullets that moved up or sideways off their course
};

// Runs `cycles` attack cycles at 60 frames a second: the emitter inside the windows, the update every
// frame. Every live bullet must fall by its speed each frame and keep its x but for its drift.
template <size_t N>
Watch Play(const Windows& w, i32 cycles, void (*emit)(i32), void (*update)(i32), BulletSlot (&pool)[N]) {
    Watch out;
    for (i32 cycle = 0; cycle < cycles; ++cycle) {
        for (i32 clock = 1; clock <= w.loop; ++clock) {
            BulletSlot before[N];
            for (size_t s = 0; s < N; ++s) before[s] = pool[s];
            for (i32 k = w.CallsAt(clock); k > 0; --k) emit(0);
            for (size_t s = 0; s < N; ++s) {
                if (before[s].active != 0 || pool[s].active == 0) continue;
                const size_t first = s - s % 5;
                for (size_t m = first; m < first + 5; ++m) out.rearmedBesideLive += m != s && before[m].active != 0;
            }
            for (size_t s = 0; s < N; ++s) {
                if (before[s].active == 0) continue;
                if (pool[s].x != before[s].x || pool[s].y != before[s].y) ++out.jumps;
            }
            update(0);
        }
    }
    return out;
}

TEST_F(FallingTest, Boss41Arc4And5FiringAcrossTwoWindowsMoveNoLiveBullet) {
    const Windows w{{{400, 500}, {550, 800}}, 4900};
    Boss41State.y = 70.0f;  // a height at which a group comes due while its lowest member has just left
    kt::ParkAll(Boss41Arc4);
    kt::ParkAll(Boss41Arc5);
    const Watch a = Play(w, 2, Boss41Arc4_Emit, Boss41Arc4_Update, Boss41Arc4);
    const Watch b = Play(w, 2, Boss41Arc5_Emit, Boss41Arc5_Update, Boss41Arc5);
    EXPECT_GT(a.rearmedBesideLive, 0);
    EXPECT_GT(b.rearmedBesideLive, 0);
    EXPECT_EQ(a.jumps, 0);
    EXPECT_EQ(b.jumps, 0);
}

TEST_F(FallingTest, Boss71Arc4And5FiringEveryCycleMoveNoLiveBullet) {
    const Windows w{{{200, 250}, {250, 400}, {750, 1100}}, 2300};
    Boss71State.y = 20.0f;
    kt::ParkAll(Boss71Arc4);
    kt::ParkAll(Boss71Arc5);
    const Watch a = Play(w, 3, Boss71Arc4_Emit, Boss71Arc4_Update, Boss71Arc4);
    const Watch b = Play(w, 3, Boss71Arc5_Emit, Boss71Arc5_Update, Boss71Arc5);
    EXPECT_GT(a.rearmedBesideLive, 0);
    EXPECT_GT(b.rearmedBesideLive, 0);
    EXPECT_EQ(a.jumps, 0);
    EXPECT_EQ(b.jumps, 0);
}

}  // namespace
