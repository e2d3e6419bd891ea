// The aimed group: RotFan and AimFan families (emitter phase, aim rule, bounds, contact, draw).
#include <gtest/gtest.h>

#include "bossfire_aimed_fixture.h"
#include "game/bossfire/aim_rule.h"
#include "game/bossfire/aimed_engine.h"
#include "game/bossfire/aimfan.h"
#include "game/bossfire/aimfan_data.h"
#include "game/bossfire/rotfan.h"
#include "game/bossfire/rotfan_data.h"

namespace {

using kt::ArmedPerCall;
using kt::FiringCalls;
using Fans = kt::AimedBullets;
using V = std::vector<i32>;

TEST_F(Fans, EveryRowCutsItsPoolIntoWholeGroups) {
    using Table = std::pair<const AimedFamily*, i32>;
    for (const auto& [rows, n] : {Table{RotFanFamilies, RotFanFamilyCount}, Table{AimFanFamilies, AimFanFamilyCount}}) {
        for (i32 f = 0; f < n; ++f) {
            const AimedFamily& row = rows[f];
            EXPECT_EQ(row.groups * row.groupSize, row.count) << f;
            EXPECT_LE(row.groups, kAimedMaxGroups);
            for (i32 g = 1; g < row.groups; ++g) EXPECT_LT(row.fireAt[g - 1], row.fireAt[g]) << f;
            if (row.form == AimedForm::Fan) {
                EXPECT_EQ(row.groupSize % 2, 1) << f;  // a middle bullet on the aim line
            }
        }
    }
    EXPECT_EQ(RotFanFamilyCount, 30);
    EXPECT_EQ(AimFanFamilyCount, 20);
}

TEST_F(Fans, ClocksKeepTheirPhaseAcrossWindows) {
    // A window of 181 calls from the reset fires groups 0..3 and leaves the clock at 181; the next
    // window fires group 4 on its 19th call and group 0 on its 119th.
    auto first = ArmedPerCall(Boss41RotFan4_Emit, Boss41RotFan4, 25, 181);
    EXPECT_EQ(FiringCalls(first), (V{40, 80, 120, 160}));
    EXPECT_EQ(first[40], (V{0, 1, 2, 3, 4}));
    EXPECT_EQ(first[160], (V{15, 16, 17, 18, 19}));
    EXPECT_EQ(Boss41RotFan4[24].emitClock, 181);
    auto second = ArmedPerCall(Boss41RotFan4_Emit, Boss41RotFan4, 25, 181);
    EXPECT_EQ(FiringCalls(second), (V{19, 119, 159}));
    EXPECT_EQ(second[19], (V{20, 21, 22, 23, 24}));

    // The stage-1 boss's fans: the first at call 40 (fans of five) or call 30 (fans of seven, whose
    // fifth group sits at the wrap and never fires).
    EXPECT_EQ(FiringCalls(ArmedPerCall(Boss11RotFan1_Emit, Boss11RotFan1, 25, 260)), (V{40, 80, 120, 160, 200}));
    auto plain = ArmedPerCall(Boss11RotFan2_Emit, Boss11RotFan2, 35, 300);
    EXPECT_EQ(FiringCalls(plain), (V{30, 60, 90, 120, 180, 210, 240, 270}));
    EXPECT_EQ(Boss11AimFan2[0].emitClock, 0);  // another family's clock is its own

    // A short window fires group 0 only; the next window goes on from the clock it left.
    EXPECT_EQ(FiringCalls(ArmedPerCall(Boss41AimFan3_Emit, Boss41AimFan3, 15, 31)), (V{20}));
    EXPECT_EQ(FiringCalls(ArmedPerCall(Boss41AimFan3_Emit, Boss41AimFan3, 15, 51)), (V{9}));
}

TEST_F(Fans, GroupsAtOrBeyondTheWrapNeverFire) {
    for (i32 i = 0; i < 150; ++i) Boss51AimFan1_Emit(0);
    i32 live = 0;
    for (i32 s = 0; s < 35; ++s) live += Boss51AimFan1[s].active;
    EXPECT_EQ(live, 28);
    for (i32 s = 28; s < 35; ++s) EXPECT_EQ(Boss51AimFan1[s].active, 0) << s;

    auto rings = ArmedPerCall(Boss31AimFan4_Emit, Boss31AimFan4, 300, 300);
    i32 highest = 0;
    for (const auto& call : rings)
        for (i32 s : call) highest = std::max(highest, s);
    EXPECT_EQ(highest, 269);
    EXPECT_EQ(FiringCalls(rings).size(), 27u);  // nine rings per 100 calls
}

TEST_F(Fans, AimRuleHalfTurnsEveryMemberOfTheGroup) {
    // The widest fan: 15 bullets 12 degrees apart about the aim line, muzzle at boss + (200, 130), aim
    // point ship + (10, 10). The ship straight below the muzzle: the middle bullet flies down.
    PlayerState.x = Boss41State.x + 190.0f;
    Boss41RotFan19_Spawn(0, 0);
    for (i32 k = 1; k < 15; ++k) Boss41RotFan19_Spawn(k, 0);
    f32 down[15];
    for (i32 k = 0; k < 15; ++k) {
        down[k] = Boss41RotFan19[k].heading;
        EXPECT_NEAR(Fans::Deg(down[k]), 90.0 + 12.0 * (k - 7), 1e-4) << k;
    }
    EXPECT_EQ(Boss41RotFan19[7].heading, static_cast<f32>(3.141592653589793 / 2));

    // Straight above, and exactly on the muzzle's height: the whole group turned by pi.
    for (f32 y : {Boss41State.y + 50.0f, Boss41State.y + 120.0f}) {
        Fresh();
        PlayerState.x = Boss41State.x + 190.0f;
        PlayerState.y = y;
        for (i32 k = 0; k < 15; ++k) Boss41RotFan19_Spawn(k, 0);
        for (i32 k = 0; k < 15; ++k) EXPECT_NEAR(Fans::Deg(Boss41RotFan19[k].heading) - Fans::Deg(down[k]), 180.0, 1e-4);
    }

    // A ring with the ship to the left: bullet 0 of every group still flies at the aim point.
    Fresh();
    PlayerState.x = 100.0f;
    PlayerState.y = 300.0f;
    for (i32 i = 0; i < 150; ++i) Boss41AimFan1_Emit(0);  // not emitted in play; five rings of twelve
    const f32 ax = PlayerState.x + 20 - (Boss41State.x + 110), ay = PlayerState.y + 20 - (Boss41State.y + 130);
    for (i32 g = 0; g < 5; ++g) {
        const AimFanBullet& b = Boss41AimFan1[12 * g];
        ASSERT_EQ(b.active, 1);
        EXPECT_NEAR(std::cos(b.heading), ax / std::hypot(ax, ay), 1e-5) << g;
        EXPECT_NEAR(std::sin(b.heading), ay / std::hypot(ax, ay), 1e-5) << g;
        EXPECT_NEAR(std::remainder(Fans::Deg(Boss41AimFan1[12 * g + 3].heading - b.heading), 360.0), 90.0, 1e-3);
    }
    EXPECT_GT(Boss41AimFan1[48].heading, 20.0f);  // headings keep their whole turns
}

TEST_F(Fans, BoundsAndContactBoxesIncludeTheirEdges) {
    struct Case {
        f32 x, y;
        bool stays;
    };
    auto place = [](auto& b, f32 x, f32 y) {
        b.active = 1;
        b.x = x;
        b.y = y;
        b.speed = 0;
        b.heading = 0;
    };
    PlayerState.x = 5000.0f;  // out of reach while the bounds are tried
    for (const Case& c : {Case{800.0f, 300.0f, true}, Case{800.01f, 300.0f, false}, Case{300.0f, 600.0f, true},
                          Case{300.0f, 600.01f, false}, Case{-40.0f, -40.0f, true}, Case{-40.01f, 300.0f, false}}) {
        place(Boss71RotFan1[0], c.x, c.y);
        Boss71RotFan1_Update(0);
        EXPECT_EQ(Boss71RotFan1[0].active, c.stays ? 1 : 0) << c.x << "," << c.y;
        if (!c.stays) {
            EXPECT_EQ(Boss71RotFan1[0].x, -500.0f);
        }
    }
    place(Boss31AimFan5[0], -20.0f, 300.0f);
    Boss31AimFan5_Update(0);
    EXPECT_EQ(Boss31AimFan5[0].active, 1);
    place(Boss31AimFan5[0], -20.5f, 300.0f);
    Boss31AimFan5_Update(0);
    EXPECT_EQ(Boss31AimFan5[0].active, 0);

    // Contact: RotFan box (-10, 0)..(30, 30), AimFan (10, 20)..(30, 30), every edge included; a hit
    // leaves the bullet flying.
    PlayerState.x = 300.0f;
    PlayerState.y = 400.0f;
    auto hits = [](auto& b, void (*update)(i32), f32 x, f32 y) {
        PlayerState.alive = 1;
        b.active = 1;
        b.x = PlayerState.x + x;
        b.y = PlayerState.y + y;
        b.speed = 0;
        update(0);
        return PlayerState.alive == 0;
    };
    EXPECT_TRUE(hits(Boss71RotFan1[0], Boss71RotFan1_Update, -10, 0));
    EXPECT_TRUE(hits(Boss71RotFan1[0], Boss71RotFan1_Update, 30, 30));
    EXPECT_EQ(Boss71RotFan1[0].active, 1);
    EXPECT_FALSE(hits(Boss71RotFan1[0], Boss71RotFan1_Update, -10.1f, 10));
    EXPECT_TRUE(hits(Boss51AimFan3[0], Boss51AimFan3_Update, 10, 20));
    EXPECT_FALSE(hits(Boss51AimFan3[0], Boss51AimFan3_Update, 9.9f, 25));
    EXPECT_TRUE(hits(Boss11RotFan2[0], Boss11RotFan2_Update, 30, 30));
    EXPECT_FALSE(hits(Boss11RotFan2[0], Boss11RotFan2_Update, -10, 0));

    // A bullet that leaves the field is parked before the test: with the ship placed so that the box
    // would hold at the point where it left, nothing strikes.
    PlayerState.alive = 1;
    PlayerState.x = 780.01f;
    PlayerState.y = 300.0f;
    place(Boss51AimFan3[0], 800.01f, 320.0f);
    Boss51AimFan3_Update(0);
    EXPECT_EQ(Boss51AimFan3[0].active, 0);
    EXPECT_EQ(PlayerState.alive, 1);

    // The clear flag retires every live bullet after its move.
    PlayerState.bombActive = 1;
    place(Boss51AimFan3[1], 300.0f, 300.0f);
    Boss51AimFan3_Update(0);
    EXPECT_EQ(Boss51AimFan3[1].active, 0);
}

TEST_F(Fans, AnimatedCellsStepOnEveryDrawAndWrapAfter23) {
    Boss71AimFan1[0].animFrame = 22;
    Boss71AimFan1[1].animFrame = 23;
    Boss71AimFan1_Draw(0);  // free slots too
    EXPECT_EQ(Boss71AimFan1[0].animFrame, 23);
    EXPECT_EQ(Boss71AimFan1[1].animFrame, 0);
}

TEST_F(Fans, RotatedDrawAnglesStayInsideTheTable) {
    // The ship above the muzzle and the widest fan: headings from about 186 to 354 degrees, so
    // 270 - degrees runs from -84 up; every angle handed to the blit lies in 0..359 and keeps the
    // picture's orientation.
    PlayerState.y = 60.0f;
    PlayerState.x = 360.0f;
    for (i32 k = 0; k < 15; ++k) Boss41RotFan19_Spawn(k, 0);
    Boss41RotFan19_Draw(0);
    bool beyond = false;
    for (i32 k = 0; k < 15; ++k) {
        const RotFanBullet& b = Boss41RotFan19[k];
        EXPECT_EQ(b.headingDeg, static_cast<i32>(Fans::Deg(b.heading)));
        const i32 raw = 270 - b.headingDeg, angle = Heading_DrawAngle(b.heading);
        beyond |= raw < 0;
        EXPECT_GE(angle, 0);
        EXPECT_LT(angle, 360);
        EXPECT_EQ(((raw - angle) % 360 + 360) % 360, 0) << k;
    }
    EXPECT_TRUE(beyond);
    // Degrees truncate toward zero.
    EXPECT_EQ(Heading_Degrees(-0.1f), -5);
    EXPECT_EQ(Heading_DrawAngle(-0.1f), 275);
    EXPECT_EQ(Heading_DrawAngle(static_cast<f32>(3.141592653589793 / 2)), 180);
}

TEST_F(Fans, FourMuzzleBulletVanishesWhenItStrikes) {
    for (i32 i = 0; i < 100; ++i) Boss11AimFan1_Emit(0);
    for (i32 s = 0; s < 4; ++s) {
        ASSERT_EQ(Boss11AimFan1[s].active, 1);
        EXPECT_GE(Boss11AimFan1[s].speed, 180.0f);
        EXPECT_LT(Boss11AimFan1[s].speed, 210.0f);
    }
    EXPECT_EQ(Boss11AimFan1[2].x, Boss11State.x + 90.0f);
    EXPECT_EQ(Boss11AimFan1[3].y, Boss11State.y + 150.0f);
    EXPECT_EQ(Boss11AimFan1[4].active, 0);
    Boss11AimFan1[0].speed = 0;
    PlayerState.x = Boss11AimFan1[0].x - 30.0f;
    PlayerState.y = Boss11AimFan1[0].y - 30.0f;
    Boss11AimFan1_Update(0);
    EXPECT_EQ(PlayerState.alive, 0);
    EXPECT_EQ(Boss11AimFan1[0].active, 0);
    EXPECT_EQ(Boss11AimFan1[0].x, -500.0f);
    EXPECT_EQ(Boss11AimFan1[1].active, 1);
}

}  // namespace
