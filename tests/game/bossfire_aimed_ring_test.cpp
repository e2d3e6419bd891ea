// Ring spirals: the emitters of the 36- and 108-way forms, headings and drawn angles of both senses,
// bounds and contact.
#include <gtest/gtest.h>

#include "bossfire_aimed_fixture.h"
#include "game/bossfire/ring.h"
#include "game/bossfire/ring_data.h"
#include "game/bossfire/ring_engine.h"

namespace {

using kt::ArmedPerCall;
using kt::FiringCalls;
using Rings = kt::AimedBullets;
using V = std::vector<i32>;

const RingFamily& Row(const RingBullet* pool) {
    for (i32 f = 0; f < RingFamilyCount; ++f)
        if (RingFamilies[f].slots == pool) return RingFamilies[f];
    ADD_FAILURE();
    return RingFamilies[0];
}

// Degrees the stored single-precision heading of angle index k truncates to: 10k - 1 for these k.
i32 Degrees(i32 k) {
    for (i32 short_ : {1, 2, 4, 7, 8, 11, 14, 15, 16, 17, 21, 22, 28, 29, 30, 31, 32, 33, 34})
        if (k == short_) return 10 * k - 1;
    return 10 * k;
}

TEST_F(Rings, EachSpiralCountsInAClockWordOfItsOwn) {
    for (i32 f = 0; f < RingFamilyCount; ++f)
        for (i32 g = 0; g < f; ++g)
            EXPECT_FALSE(RingFamilies[f].boss == RingFamilies[g].boss &&
                         RingFamilies[f].clockWord == RingFamilies[g].clockWord)
                << f << " " << g;
    EXPECT_EQ(RingFamilyCount, 22);
}

TEST_F(Rings, SpiralsOfBothSensesDrawTheirAngleSequence) {
    // Over one cycle from the reset: the stage-5 boss's first bullet (slot 1) at call 20, then one every
    // ten calls up to slot 34; the drawn angle is degrees (minus) or 360 - degrees (plus).
    auto minus = ArmedPerCall(Boss31Ring1_Emit, Boss31Ring1, 36, 360);
    EXPECT_EQ(FiringCalls(minus).front(), 20);
    EXPECT_EQ(FiringCalls(minus).back(), 350);
    EXPECT_EQ(FiringCalls(minus).size(), 34u);
    EXPECT_EQ(Boss31State.emitterClock[0], 10);  // the call that reaches 360 wraps to 10 and arms nothing
    for (i32 k = 1; k <= 34; ++k) {
        Boss31Ring1_Spawn(k, k);
        Boss31Ring2_Spawn(k, k);
    }
    Boss31Ring1_Draw(0);
    Boss31Ring2_Draw(0);
    for (i32 k = 1; k <= 34; ++k) {
        EXPECT_EQ(Ring_DrawAngle(Row(Boss31Ring1), Boss31Ring1[k]), Degrees(k)) << k;
        EXPECT_EQ(Ring_DrawAngle(Row(Boss31Ring2), Boss31Ring2[k]), 360 - Degrees(k)) << k;
    }
    // A never-armed record keeps whatever heading it has; its angle still lies in the table.
    Boss31Ring2[0].heading = -0.0523599f;
    Boss31Ring2[35].heading = 0.0f;
    Boss31Ring2_Draw(0);
    for (i32 s : {0, 35}) {
        EXPECT_GE(Ring_DrawAngle(Row(Boss31Ring2), Boss31Ring2[s]), 0);
        EXPECT_LT(Ring_DrawAngle(Row(Boss31Ring2), Boss31Ring2[s]), 360);
    }

    // The stage-1 boss's spiral starts from slot 0 at call 10, and the wrap call arms slot 0 again.
    auto stage1 = ArmedPerCall(Boss11Ring5_Emit, Boss11Ring5, 36, 710);
    const V calls = FiringCalls(stage1);
    EXPECT_EQ(calls[0], 10);
    EXPECT_EQ(stage1[360], (V{0}));
    EXPECT_EQ(stage1[370], (V{1}));
    EXPECT_EQ(calls.size(), 35u + 1u + 34u + 1u);  // the second cycle from 10: slots 1..34, then 0
    EXPECT_EQ(Boss11State.emitterClock[3], 10);  // Boss11Ring5 counts in word 3
    EXPECT_EQ(Boss11State.emitterClock[4], 0);
}

TEST_F(Rings, SensesMirrorEachOtherAndSkipLiveSlots) {
    Boss11Ring1_Spawn(0, 0);  // minus: angle index 0 flies left
    Boss11Ring2_Spawn(0, 0);  // plus: right
    Boss11Ring1_Spawn(9, 9);  // both down
    Boss11Ring2_Spawn(9, 9);
    const RingBullet start = Boss11Ring1[0];
    FrameTime = 0.5f;
    Boss11Ring1_Update(0);
    Boss11Ring2_Update(0);
    EXPECT_NEAR(Boss11Ring1[0].x, start.x - 55.0f, 1e-3);
    EXPECT_NEAR(Boss11Ring2[0].x, start.x + 55.0f, 1e-3);
    EXPECT_NEAR(Boss11Ring1[9].y, start.y + 55.0f, 1e-3);
    EXPECT_NEAR(Boss11Ring2[9].y, start.y + 55.0f, 1e-3);
    EXPECT_NEAR(Boss11Ring1[9].x, Boss11Ring2[9].x, 1e-3);
    // A slot whose bullet still flies is skipped: the spiral has a gap there.
    const f32 x = Boss11Ring1[0].x;
    Boss11Ring1_Spawn(0, 0);
    EXPECT_EQ(Boss11Ring1[0].x, x);
}

TEST_F(Rings, The108WayEmitters) {
    // Stage-5 boss: one bullet per call from the second; the clock 37 arms nothing, 38 arms slot 37 on
    // angle index 1; 108 wraps to 0 and neither 0 nor 1 arms anything.
    auto armed = ArmedPerCall(Boss31Ring9_Emit, Boss31Ring9, 108, 112);
    EXPECT_TRUE(armed[1].empty());
    EXPECT_EQ(armed[2], (V{1}));
    EXPECT_EQ(armed[36], (V{35}));
    EXPECT_TRUE(armed[37].empty());
    EXPECT_EQ(armed[38], (V{37}));
    EXPECT_EQ(armed[107], (V{106}));
    EXPECT_TRUE(armed[108].empty());
    EXPECT_TRUE(armed[109].empty());
    EXPECT_EQ(armed[110], (V{1}));
    EXPECT_EQ(FiringCalls(armed).size(), 104u + 3u);
    Boss31Ring9_Spawn(37, 1);
    Boss31Ring9_Spawn(1, 1);
    EXPECT_EQ(Boss31Ring9[37].heading, Boss31Ring9[1].heading);
    EXPECT_EQ(Boss31Ring9[37].speed, 110.0f);

    // Stage-1 boss: three bullets on one heading at 110, 120 and 130 px/s at each firing value.
    auto triple = ArmedPerCall(Boss11Ring12_Emit, Boss11Ring12, 108, 20);
    EXPECT_EQ(triple[10], (V{0, 36, 72}));
    EXPECT_EQ(triple[20], (V{1, 37, 73}));
    for (i32 s : {1, 37, 73}) Boss11Ring12_Spawn(s, s);
    EXPECT_EQ(Boss11Ring12[37].speed, 120.0f);
    EXPECT_EQ(Boss11Ring12[73].speed, 130.0f);
    EXPECT_NEAR(std::cos(Boss11Ring12[73].heading), std::cos(Boss11Ring12[1].heading), 1e-5);
    EXPECT_GT(Boss11Ring12[73].heading, 12.0f);  // headings keep their whole turns
}

TEST_F(Rings, BoundsAndContact) {
    auto place = [](RingBullet& b, f32 x, f32 y) {
        b.active = 1;
        b.x = x;
        b.y = y;
        b.speed = 0;
    };
    PlayerState.x = 5000.0f;
    // Every ring of the stage-1 boss lives up to 800 x 600, the outer rings of the 108-way form too.
    for (i32 s : {0, 40, 100}) {
        place(Boss11Ring7[s], 300.0f, 481.0f);
        place(Boss11Ring8[s], 700.0f, 600.0f);
    }
    Boss11Ring7_Update(0);
    Boss11Ring8_Update(0);
    for (i32 s : {0, 40, 100}) {
        EXPECT_EQ(Boss11Ring7[s].active, 1) << s;
        EXPECT_EQ(Boss11Ring8[s].active, 1) << s;
    }
    place(Boss11Ring8[40], 800.01f, 300.0f);
    Boss11Ring8_Update(0);
    EXPECT_EQ(Boss11Ring8[40].active, 0);
    EXPECT_EQ(Boss11Ring8[40].y, 2550.0f);
    // Lower bounds: -20, or -30 for the large rotated pictures.
    place(Boss31Ring5[3], -30.0f, 300.0f);
    place(Boss31Ring1[3], -20.5f, 300.0f);
    Boss31Ring5_Update(0);
    Boss31Ring1_Update(0);
    EXPECT_EQ(Boss31Ring5[3].active, 1);
    EXPECT_EQ(Boss31Ring1[3].active, 0);

    PlayerState.x = 300.0f;
    PlayerState.y = 400.0f;
    auto hits = [](RingBullet& b, void (*update)(i32), f32 x, f32 y) {
        PlayerState.alive = 1;
        b.active = 1;
        b.x = PlayerState.x + x;
        b.y = PlayerState.y + y;
        b.speed = 0;
        update(0);
        return PlayerState.alive == 0;
    };
    EXPECT_TRUE(hits(Boss11Ring3[5], Boss11Ring3_Update, 30, 30));
    EXPECT_TRUE(hits(Boss11Ring3[5], Boss11Ring3_Update, 10, 20));
    EXPECT_FALSE(hits(Boss11Ring3[5], Boss11Ring3_Update, 9.9f, 25));
    EXPECT_TRUE(hits(Boss31Ring10[50], Boss31Ring10_Update, 0, 10));
    EXPECT_FALSE(hits(Boss31Ring10[50], Boss31Ring10_Update, -0.5f, 20));
    EXPECT_EQ(Boss31Ring10[50].active, 1);
}

}  // namespace
