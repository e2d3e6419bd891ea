// The homing rays: the launchers' chains, the curved path, homing and straight flight, the field and the
// strike of a chain's last ray.
#include <gtest/gtest.h>

#include <cmath>

#include "game/common/geometry.h"
#include "game/enemy/szak13_data.h"
#include "game/enemy/szak6_data.h"
#include "game/player/homing.h"
#include "game/player/player.h"
#include "support/player_fixture.h"

namespace {

constexpr f32 kPi = 3.14159265f;
constexpr f32 kReset = -3.0f * kPi / 180.0f;

class HomingTest : public kt::PlayerFixture {
protected:
    // A live ray standing at (x, y) with its path clock at `step`; with FrameTime 0 the clock stays.
    static HomingRay& Ray(HomingRay (*copy)[kRaysPerTarget], i32 t, i32 i, f32 x, f32 y, f32 step) {
        HomingRay& r = copy[t][i];
        r.alive = 1;
        r.x = x;
        r.y = y;
        r.step = step;
        return r;
    }
    static i32 Alive(HomingRay (*copy)[kRaysPerTarget]) {
        i32 n = 0;
        for (i32 t = 0; t < kRayTargets; ++t)
            for (i32 i = 0; i < kRaysPerTarget; ++i) n += copy[t][i].alive;
        return n;
    }
};

TEST_F(HomingTest, WithoutLaunchesTheUpdatesKeepEveryRayParked) {
    Szak6ASlots[0].active = 1;
    for (i32 f = 0; f < 200; ++f) {
        HomingRay1_Update(0);
        HomingRay2_Update(0);
        HomingRay3_Update(0);
        HomingRay4_Update(0);
    }
    EXPECT_EQ(Alive(HomingRay1) + Alive(HomingRay2) + Alive(HomingRay3) + Alive(HomingRay4), 0);
    EXPECT_EQ(HomingRay3[2][14].x, -500.0f);
    EXPECT_EQ(HomingRay3[2][14].y, 2550.0f);
    EXPECT_EQ(Score, 0);
}

TEST_F(HomingTest, ALiveTargetGetsAChainOfFifteenEvery140Frames) {
    Szak6BSlots[1].active = 1;
    for (i32 frame = 1; frame <= 140; ++frame) {
        HomingRay2_Fire();
        for (i32 i = 0; i < kRaysPerTarget; ++i)
            ASSERT_EQ(HomingRay2[1][i].alive, i < frame ? 1 : 0) << "ray " << i << " after frame " << frame;
    }
    EXPECT_EQ(RayCycle[1][1], 0);
    EXPECT_EQ(Alive(HomingRay2), 15) << "only the live slot's chain";
    for (HomingRay& r : HomingRay2[1]) r.alive = 0;
    HomingRay2_Fire();  // frame 141: the next chain starts
    EXPECT_EQ(HomingRay2[1][0].alive, 1);
    EXPECT_EQ(HomingRay2[1][1].alive, 0);
    Szak6BSlots[1].active = 0;  // the count stands while the slot is free
    for (i32 f = 0; f < 10; ++f) HomingRay2_Fire();
    EXPECT_EQ(RayCycle[1][1], 1);
    Szak6BSlots[1].active = 1;
    HomingRay2_Fire();
    EXPECT_EQ(HomingRay2[1][1].alive, 1);
}

TEST_F(HomingTest, RaysLeaveTheNoseAndOnlyTheFirstCopyTurnsAround) {
    PlayerState.x = 300.5f;
    PlayerState.y = 400.25f;
    HomingRay1_Spawn(2, 7);
    HomingRay3_Spawn(0, 0);
    EXPECT_EQ(HomingRay1[2][7].x, 320.5f);
    EXPECT_EQ(HomingRay1[2][7].y, 410.25f);
    EXPECT_EQ(HomingRay1[2][7].step, 0.0f);
    EXPECT_FLOAT_EQ(HomingRay1[2][7].angle, kPi + kReset);
    EXPECT_FLOAT_EQ(HomingRay3[0][0].angle, kReset);
    HomingRay1_Spawn(2, 7);  // still alive: skipped
    EXPECT_FLOAT_EQ(HomingRay1[2][7].angle, kPi + kReset);
    HomingRay1[2][7].alive = 0;
    HomingRay1_Spawn(2, 7);
    EXPECT_FLOAT_EQ(HomingRay1[2][7].angle, 2 * kPi + kReset);
    HomingRay1_Spawn(3, 0);  // outside the pool: ignored
    HomingRay1_Spawn(0, 15);
}

TEST_F(HomingTest, TheCurveMovesByWholePixelsInsideItsWindows) {
    FrameTime = 0;
    Ray(HomingRay1, 0, 0, 400, 300, 5.0f);
    Ray(HomingRay2, 0, 0, 400, 300, 5.0f);
    Ray(HomingRay3, 0, 0, 400, 300, 5.5f);  // between two windows
    Ray(HomingRay4, 0, 0, 400, 300, 33.0f);
    HomingRay1_Update(0);
    HomingRay2_Update(0);
    HomingRay3_Update(0);
    HomingRay4_Update(0);
    EXPECT_EQ(HomingRay1[0][0].x, 394.0f);
    EXPECT_EQ(HomingRay1[0][0].y, 303.0f);
    EXPECT_EQ(HomingRay2[0][0].x, 406.0f);
    EXPECT_EQ(HomingRay3[0][0].x, 400.0f);
    EXPECT_EQ(HomingRay3[0][0].y, 300.0f);
    EXPECT_EQ(HomingRay4[0][0].x, 401.0f);
    EXPECT_EQ(HomingRay4[0][0].y, 293.0f);
    FrameTime = 1.0f / 60.0f;  // the clock runs at 30 a second
    HomingRay3_Update(0);
    EXPECT_FLOAT_EQ(HomingRay3[0][0].step, 6.0f);
}

TEST_F(HomingTest, PastItsPathARayFliesStraightOrHomesOnALockedMark) {
    FrameTime = 0;
    HomingRay& r = Ray(HomingRay2, 0, 0, 300, 300, 50.0f);
    HomingRay2_Update(0);  // unlocked: straight on at -3 degrees, 10 across and 16 times the sine down
    EXPECT_FLOAT_EQ(r.x, 300.0f + 10.0f * std::cos(kReset));
    EXPECT_FLOAT_EQ(r.y, 300.0f + 16.0f * std::sin(kReset));

    Szak6BMarks[0] = LockMark{400, 100, 1};
    r.x = 300;
    r.y = 300;
    HomingRay2_Update(0);  // moves along the old heading, then turns to the mark's centre
    const f32 x = 300.0f + 10.0f * std::cos(kReset), y = 300.0f + 10.0f * std::sin(kReset);
    EXPECT_FLOAT_EQ(r.x, x);
    EXPECT_FLOAT_EQ(r.y, y);
    EXPECT_FLOAT_EQ(r.aimDx, 420.0f - x);
    EXPECT_FLOAT_EQ(r.aimDy, 120.0f - y);
    EXPECT_FLOAT_EQ(r.angle, std::atan((120.0f - y) / (420.0f - x)));
    Szak6BMarks[0].x = 200;  // to the left: the heading turns by a half circle
    HomingRay2_Update(0);
    EXPECT_GT(r.angle, kPi);
    EXPECT_LT(r.angle, 1.5f * kPi);

    // At a path clock of exactly 45 the last window's step and the flight both apply.
    HomingRay& s = Ray(HomingRay4, 1, 0, 300, 300, 45.0f);
    s.angle = 0;
    HomingRay4_Update(0);
    EXPECT_FLOAT_EQ(s.x, 310.0f);
    EXPECT_FLOAT_EQ(s.y, 293.0f);
}

TEST_F(HomingTest, HeadingsPointAtTheAimInEveryQuadrant) {
    EXPECT_FLOAT_EQ(Weapon_HeadingTo(0, 5), kPi / 2);
    EXPECT_FLOAT_EQ(Weapon_HeadingTo(0, -5), 1.5f * kPi);
    EXPECT_FLOAT_EQ(Weapon_HeadingTo(0, 0), 1.5f * kPi);
    EXPECT_FLOAT_EQ(Weapon_HeadingTo(-1, 0), kPi);
    EXPECT_FLOAT_EQ(Weapon_HeadingTo(1, 1), kPi / 4);
    EXPECT_FLOAT_EQ(Weapon_HeadingTo(-1, -1), 1.25f * kPi);
}

TEST_F(HomingTest, RaysOutsideTheFieldOrUnderABombAreParked) {
    FrameTime = 0;
    Ray(HomingRay1, 0, 0, 160.0f, 300, 5.5f);   // x + 20 = 180: inside
    Ray(HomingRay1, 0, 1, 159.9f, 300, 5.5f);   // left of the field
    Ray(HomingRay1, 0, 2, 620.0f, 600, 5.5f);   // the far corner: inside
    Ray(HomingRay1, 0, 3, 300.0f, -20.5f, 5.5f);
    HomingRay1_Update(0);
    EXPECT_EQ(HomingRay1[0][0].alive, 1);
    EXPECT_EQ(HomingRay1[0][1].alive, 0);
    EXPECT_EQ(HomingRay1[0][1].x, -500.0f);
    EXPECT_EQ(HomingRay1[0][1].y, 2550.0f);
    EXPECT_EQ(HomingRay1[0][2].alive, 1);
    EXPECT_EQ(HomingRay1[0][3].alive, 0);
    PlayerState.bombActive = 1;
    HomingRay1_Update(0);
    EXPECT_EQ(Alive(HomingRay1), 0);
}

TEST_F(HomingTest, OnlyTheLastRayOfAChainStrikes) {
    FrameTime = 0;
    Szak13ASlots[1].active = 1;
    Szak13AMarks[1] = LockMark{300, 100, 0};
    Ray(HomingRay3, 1, 13, 340, 140, 5.5f);  // mark + 40 on both axes: inside
    HomingRay3_Update(0);
    EXPECT_EQ(HomingRay3[1][13].alive, 0);
    EXPECT_EQ(HomingRay3[1][13].x, -500.0f);
    EXPECT_EQ(Szak13ASlots[1].hit, 0);
    EXPECT_EQ(Score, 0);
    Ray(HomingRay3, 1, 14, 341, 100, 5.5f);  // mark x + 41: outside
    HomingRay3_Update(0);
    EXPECT_EQ(HomingRay3[1][14].alive, 1);
    HomingRay3[1][14].x = 300;
    HomingRay3_Update(0);
    EXPECT_EQ(HomingRay3[1][14].alive, 0);
    EXPECT_EQ(Szak13ASlots[1].hit, 1);
    EXPECT_EQ(Szak13ASlots[0].hit + Szak13ASlots[2].hit, 0);
    EXPECT_EQ(Score, 300);
}

TEST_F(HomingTest, AChainCurvesOutAndHomesOnItsLockedTarget) {
    // At 30 frames a second the path clock takes whole steps; the curve carries the rays 190 pixels right
    // and 165 up before they home on the mark.
    FrameTime = 1.0f / 30.0f;
    PlayerState.x = 300;
    PlayerState.y = 520;
    Szak13BSlots[0].active = 1;
    Szak13BMarks[0] = LockMark{400, 100, 1};
    i32 frames = 0;
    while (Szak13BSlots[0].hit == 0 && frames < 400) {
        HomingRay4_Fire();
        HomingRay4_Update(0);
        ++frames;
    }
    EXPECT_EQ(Szak13BSlots[0].hit, 1);
    EXPECT_GT(frames, 60);
    EXPECT_EQ(Score, 300) << "the fourteen rays ahead of the last vanish at the mark";
    EXPECT_EQ(Alive(HomingRay4), 0);
}

}  // namespace
