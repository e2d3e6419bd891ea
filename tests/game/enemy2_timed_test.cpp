// Szak52A/52B with their timed fans and single shots, and the formations Szak30A to Szak33A with their
// wave timers, path and aimed lines; and what a few of these families leave on the screen.
#include <gtest/gtest.h>

#include <cmath>

#include "el/draw/rotate.h"
#include "el/draw/soft.h"
#include "game/common/geometry.h"
#include "game/common/images.h"
#include "game/enemy/szak30a.h"
#include "game/enemy/szak52.h"
#include "game/enemy/szak6.h"
#include "game/enemy/timed_fan.h"
#include "enemy2_fixture.h"

namespace {

constexpr f32 kPi = 3.14159265f;

class TimedTest : public kt::EnemyFamilyTest {};

TEST_F(TimedTest, Szak52FliesItsDiagonalToTheBottom) {
    Szak52A_Spawn(0);
    Szak52B_Spawn(0);
    EXPECT_EQ(Szak52ASlots[0].x, -20.0f);
    EXPECT_EQ(Szak52ASlots[0].y, -160.0f);
    EXPECT_EQ(Szak52BSlots[0].x, 620.0f);
    Szak52ASlots[0].vy = Szak52BSlots[0].vy = 100.0f;
    FrameTime = 7.6f;
    Szak52A_Update(0);
    Szak52B_Update(0);
    EXPECT_FLOAT_EQ(Szak52ASlots[0].y, 600.0f);
    EXPECT_FLOAT_EQ(Szak52ASlots[0].x, 740.0f) << "far right of the field, yet still flying";
    EXPECT_FLOAT_EQ(Szak52BSlots[0].x, -140.0f);
    EXPECT_EQ(Szak52ASlots[0].active, 1);
    FrameTime = 0.01f;
    Szak52A_Update(0);
    EXPECT_EQ(Szak52ASlots[0].active, 0);
    EXPECT_EQ(Szak52ASlots[0].x, -500.0f);
    EXPECT_EQ(Szak52ASlots[0].y, 2550.0f);
}

TEST_F(TimedTest, Szak52ExplodesWhileItFliesOn) {
    Szak52A_Spawn(0);
    Szak52ASlots[0].x = 100.0f;
    Szak52ASlots[0].y = 100.0f;
    Szak52ASlots[0].vy = 100.0f;
    Szak52A_HitProbe(0);
    FrameTime = 0.01f;
    for (i32 f = 0; f < 15; ++f) {
        Szak52A_Update(0);
        Szak52A_Draw(0);
        ASSERT_EQ(Szak52ASlots[0].active, 1);
    }
    EXPECT_NEAR(Szak52ASlots[0].x, 115.0f, 1e-3f) << "the velocity is kept";
    Szak52A_Update(0);
    Szak52A_Draw(0);
    EXPECT_EQ(Szak52ASlots[0].active, 0);
    EXPECT_EQ(Szak52ASlots[0].x, -500.0f);
}

// Set 1 fires its bursts of five on calls 40, 80, ..., 200 of every 260; sets 2 and 3 bursts of three on
// calls 20, 40, 60, 80 of every 100, so that their records 12 to 14 never leave.
TEST_F(TimedTest, Szak52BurstTiming) {
    Szak52A_Spawn(0);
    Szak52ASlots[0].x = 200.0f;
    Szak52ASlots[0].y = 100.0f;
    for (i32 call = 1; call <= 40; ++call) {
        ASSERT_EQ(Live(Szak52AShot1Slots), 0) << call;
        Szak52AShot1_Emit(0);
    }
    EXPECT_EQ(Live(Szak52AShot1Slots), 5);
    for (i32 r = 0; r < 5; ++r) {
        EXPECT_EQ(Szak52AShot1Slots[r].x, 285.0f);
        EXPECT_EQ(Szak52AShot1Slots[r].y, 220.0f);
        EXPECT_EQ(Szak52AShot1Slots[r].speed, 220.0f);
    }
    const f32 aim = Weapon_HeadingTo(315.0f - 285.0f, 415.0f - 220.0f);
    EXPECT_NEAR(Szak52AShot1Slots[2].heading, aim, 1e-6f) << "the middle shot on the line to the ship + 15";
    EXPECT_NEAR(Szak52AShot1Slots[0].heading, aim - 24 * kPi / 180, 1e-5f);
    EXPECT_NEAR(Szak52AShot1Slots[4].heading, aim + 24 * kPi / 180, 1e-5f);

    for (i32 call = 41; call <= 260; ++call) Szak52AShot1_Emit(0);
    EXPECT_EQ(Szak52AShot1Slots[24].emitClock, 0);
    EXPECT_EQ(Live(Szak52AShot1Slots), 25);

    FrameTime = 0.05f;
    i32 bursts = 0;
    for (i32 call = 1; call <= 1000; ++call) {
        const i32 before = Live(Szak52AShot2Slots);
        Szak52AShot2_Emit(0);
        Szak52AShot3_Emit(0);
        bursts += Live(Szak52AShot2Slots) > before;
        if (call % 100 == 20) {
            ASSERT_GT(Live(Szak52AShot2Slots), before) << call;
        }
        for (i32 r = 12; r < 15; ++r) {
            ASSERT_EQ(Szak52AShot2Slots[r].active, 0);
            ASSERT_EQ(Szak52AShot3Slots[r].active, 0);
        }
        Szak52AShot2_Update(0);
        Szak52AShot3_Update(0);
    }
    EXPECT_EQ(bursts, 40);
}

// With the ship above the emitter the fans' headings lie around 270 degrees; every one is drawn at an
// angle the blitter's table holds.
TEST_F(TimedTest, Szak52DrawAnglesStayWithinAFullTurn) {
    Szak52A_Spawn(0);
    Szak52ASlots[0].x = 200.0f;
    Szak52ASlots[0].y = 300.0f;
    for (f32 dx : {-40.0f, -5.0f, 0.0f, 0.001f, 5.0f, 40.0f}) {
        PlayerState.x = 285.0f - 15.0f + dx;
        PlayerState.y = 100.0f;
        for (TimedShotSlot& r : Szak52AShot1Slots) r.active = 0;
        for (i32 r = 0; r < 5; ++r) Szak52AShot1_Spawn(r, 0);
        for (i32 r = 0; r < 5; ++r) {
            const f32 h = Szak52AShot1Slots[r].heading;
            const i32 a = TimedFan_DrawAngle(h);
            EXPECT_GE(a, 0) << dx << " " << r;
            EXPECT_LE(a, 359) << dx << " " << r;
            const i32 raw = TruncPos(360.0f - h * 180.0f / kPi - 90.0f);
            EXPECT_EQ((a - raw) % 360, 0) << "the same direction";
        }
        Szak52AShot1_Draw(0);
    }
    // Straight above: the burst's middle is drawn at 0, its outer shots at 24 and 336.
    PlayerState.x = 270.0f;
    for (TimedShotSlot& r : Szak52AShot1Slots) r.active = 0;
    for (i32 r = 0; r < 5; ++r) Szak52AShot1_Spawn(r, 0);
    EXPECT_EQ(TimedFan_DrawAngle(Szak52AShot1Slots[2].heading), 0);
    EXPECT_NEAR(TimedFan_DrawAngle(Szak52AShot1Slots[4].heading), 336, 1);
    EXPECT_NEAR(TimedFan_DrawAngle(Szak52AShot1Slots[0].heading), 24, 1);
}

TEST_F(TimedTest, Szak52SingleShotsIgnoreTheBombAndTouchFromTheirBox) {
    Szak52B_Spawn(0);
    Szak52BSlots[0].x = 300.0f;
    Szak52BSlots[0].y = 100.0f;
    Szak52BShot7_Spawn(0);
    EXPECT_EQ(Szak52BShot7Slots[0].x, 412.0f);
    EXPECT_EQ(Szak52BShot7Slots[0].y, 150.0f);
    EXPECT_EQ(Szak52BShot7Slots[0].vy, 96.0f);
    PlayerState.bombActive = 1;
    FrameTime = 0.5f;
    Szak52BShot7_Update(0);
    EXPECT_EQ(Szak52BShot7Slots[0].active, 1);
    EXPECT_FLOAT_EQ(Szak52BShot7Slots[0].x, 402.0f);
    PlayerState.bombActive = 0;
    FrameTime = 0.0f;
    Szak52BShot7Slots[0].x = PlayerState.x + 30.0f;
    Szak52BShot7Slots[0].y = PlayerState.y + 24.0f;
    Szak52BShot7_Update(0);
    EXPECT_EQ(PlayerState.alive, 0);
}

// From the reset, with every slot free, the wave timer arms slot k at its call 30 (k + 1) and restarts
// that slot's clock; slot 4 never.
TEST_F(TimedTest, FormationsArmOnCalls30To120AndNeverSlot4) {
    for (i32 call = 1; call <= 120; ++call) {
        Szak30A_WaveTimer(0);
        for (i32 k = 0; k < 5; ++k)
            ASSERT_EQ(Szak30ASlots[k].active, k < 4 && call >= 30 * (k + 1) ? 1 : 0) << k << " " << call;
        if (call % 30 == 0) {
            EXPECT_EQ(Szak30ASlots[call / 30 - 1].waveClock, 0);
        }
    }
    EXPECT_EQ(Szak30ASlots[0].x, 185.0f);
    EXPECT_EQ(Szak30ASlots[0].y, -100.0f);
    EXPECT_EQ(Szak30ASlots[1].waveClock, 60);
    for (i32 call = 121; call <= 2000; ++call) {
        for (WaveEnemySlot& s : Szak31ASlots) s.active = 0;
        Szak31A_WaveTimer(0);
        ASSERT_EQ(Szak31ASlots[4].active, 0);
    }
}

TEST_F(TimedTest, FormationBounds) {
    FrameTime = 0.0f;
    Szak31A_SpawnOne(0);
    Szak31A_SpawnOne(1);
    Szak31ASlots[0].x = 80.0f;
    Szak31ASlots[1].x = 79.9f;
    Szak31ASlots[0].scriptTime = Szak31ASlots[1].scriptTime = 50.0f;
    Szak31A_Update(0);
    EXPECT_EQ(Szak31ASlots[0].active, 1) << "kept at x 80";
    EXPECT_EQ(Szak31ASlots[1].active, 0) << "freed at x 79.9";
    EXPECT_EQ(Szak31ASlots[1].y, 2550.0f);
    // Szak32A starts on the bottom edge, which is inside, and climbs.
    Szak32A_SpawnOne(2);
    Szak32A_Update(0);
    EXPECT_EQ(Szak32ASlots[2].active, 1);
    FrameTime = 0.1f;
    Szak32A_Update(0);
    Szak32A_Update(0);
    EXPECT_FLOAT_EQ(Szak32ASlots[2].y, 556.0f);
}

// The path by path clock: straight at 220, three turns of 110, 210 and 310, then level at 410; the shot
// sets fire in the second and third windows, Szak32A and Szak33A only while PlaySubMode is 1.
TEST_F(TimedTest, FormationPathAndShots) {
    Szak33A_SpawnOne(0);
    Szak33A_SpawnOne(1);
    WaveEnemySlot& s = Szak33ASlots[0];
    FrameTime = 0.04f;  // one path unit a frame
    const f32 want[][2] = {{0, -220}, {-110, -220}, {-210, -220}, {-310, -220}, {-410, 0}};
    for (i32 frame = 1; frame <= 50; ++frame) {
        Szak33A_Update(0);
        const f32 t = s.scriptTime;
        const i32 w = t <= 10.5f ? 0 : t <= 20.5f ? 1 : t <= 30.5f ? 2 : t <= 40.5f ? 3 : 4;
        ASSERT_EQ(s.vx, want[w][0]) << "path clock " << t;
        ASSERT_EQ(s.vy, want[w][1]) << "path clock " << t;
    }
    EXPECT_EQ(Live(Szak33AShot1Slots) + Live(Szak33AShot2Slots), 0);

    PlaySubMode = 1;
    s.active = 0;
    s.x = -500.0f;
    Szak33ASlots[1].scriptTime = 10.5f;
    Szak33ASlots[1].x = 300.0f;
    Szak33ASlots[1].y = 300.0f;
    Szak33A_Update(0);
    EXPECT_EQ(Live(Szak33AShot1Slots), 4) << "set 1 leaves ship slot 0, parked or not";
    EXPECT_EQ(Szak33AShot1Slots[0].x, -460.0f);
    EXPECT_EQ(Szak33AShot1Slots[0].y, 2600.0f);
    Szak33AShot1_Update(0);
    EXPECT_EQ(Live(Szak33AShot1Slots), 0);
    Szak33ASlots[1].scriptTime = 20.5f;
    Szak33A_Update(0);
    const AimedShotSlot& a = Szak33AShot2Slots[4];
    EXPECT_EQ(a.active, 1);
    EXPECT_EQ(a.speed, 160.0f);
    EXPECT_FLOAT_EQ(a.x0 - 40.0f, Szak33ASlots[1].x);
    EXPECT_FLOAT_EQ(a.dx, PlayerState.x + 22.0f - a.x0);
}

TEST_F(TimedTest, AStruckFormationShipStaysPutWhileItExplodes) {
    Szak30A_SpawnOne(1);
    WaveEnemySlot& s = Szak30ASlots[1];
    s.x = 300.0f;
    s.y = 200.0f;
    s.scriptTime = 22.0f;
    Szak30A_HitProbe(1);
    for (i32 f = 0; f < 16; ++f) {
        Szak30A_Update(0);
        ASSERT_EQ(s.x, 300.0f);
        ASSERT_EQ(Live(Szak30AShot2Slots), 5) << "its window keeps firing, frame " << f;
        for (AimedShotSlot& a : Szak30AShot2Slots) a.active = 0;
        Szak30A_Draw(0);
    }
    EXPECT_EQ(s.active, 0);
}

// ---- what is drawn --------------------------------------------------------------------------------

TEST_F(TimedTest, Szak52ExplosionPiecesArePlainInBothModes) {
    Szak52ASlots[0] = EnemySlot{0, 3, 0, 250.0f, 200.0f, 0.0f, 0.0f, 0, 1, 1};
    FxAdditive = 1;
    const auto drawn = After([] { Szak52A_Draw(0); });
    EXPECT_GT(Lit(drawn), 0);
    const auto want = After([] {
        const i32 c = 240;
        const i32 at[8][3] = {{-25, 35, 2}, {135, 35, 3}, {55, -45, 2}, {55, 115, 2},
                              {-2, -22, 2}, {112, -22, 2}, {-2, 92, 3}, {112, 92, 3}};
        for (const auto& p : at)
            elDraw::PutSprite(250 + p[0], 200 + p[1], p[2] == 2 ? imgZBAK2B : imgZBAK3B, c, 0, c + 80, 80);
    });
    EXPECT_EQ(drawn, want);
}

TEST_F(TimedTest, AFormationShipShowsBothFramesAtAWindowsSharedEnd) {
    Szak30ASlots[2] = WaveEnemySlot{0, 0, 0, 10.0f, 250.0f, 150.0f, 0, 0, 0, 1, 0};
    const auto drawn = After([] { Szak30A_Draw(0); });
    EXPECT_GT(Lit(drawn), 0);
    EXPECT_EQ(drawn, After([] {
                  elDraw::PutSprite(250, 150, imgSZAK30, 0, 0, 100, 100);
                  elDraw::PutSprite(250, 150, imgSZAK30, 100, 0, 200, 100);
              }));
}

TEST_F(TimedTest, SaucersSpinAndFansDrawEveryRecord) {
    Szak6BSlots[1] = SpinEnemySlot{0, 0, 353, 300.0f, 200.0f, 0, 0, 0, 1, 0};
    Szak6BSlots[0].spinAngle = 40;  // the resets leave the spin as it was
    const auto spun = After([] { Szak6B_Draw(0); });
    EXPECT_EQ(spun, After([] { elDraw::PutRotate(300, 200, 379, 279, 353, imgSZAK6, 0, 0, 79, 79); }));
    EXPECT_EQ(Szak6BSlots[1].spinAngle, 0) << "360 turns back to 0";
    EXPECT_EQ(Szak6BSlots[0].spinAngle, 47) << "free saucers spin too";

    Szak6BShot7Slots[3].x = 400.0f;
    Szak6BShot7Slots[3].y = 300.0f;
    Szak6BShot7Slots[3].animFrame = 15;
    const auto fan = After([] { Szak6BShot7_Draw(0); });
    EXPECT_EQ(fan, After([] { elDraw::PutAdd(400, 300, imgVAL1, 240, 0, 256, 16); })) << "a free record is drawn";
    EXPECT_EQ(Szak6BShot7Slots[3].animFrame, 0);
}

}  // namespace
