// The saucers Szak6A/6B, the falling Szak12 and the side-crossing Szak13A/13B: their bounds and parking,
// the marks, the explosions, and the shot sets that fire from free ships.
#include <gtest/gtest.h>

#include <cmath>

#include "el/draw/blit.h"
#include "el/draw/rotate.h"
#include "el/draw/soft.h"
#include "game/common/geometry.h"
#include "game/common/images.h"
#include "game/enemy/szak12.h"
#include "game/enemy/szak13.h"
#include "game/enemy/szak6.h"
#include "host/crt.h"
#include "enemy2_fixture.h"

namespace {

constexpr f32 kPi = 3.14159265f;

class CrossersTest : public kt::EnemyFamilyTest {};

TEST_F(CrossersTest, SaucersStartAtTheirEdgeAndParkAtX360WhenTheyLeave) {
    Szak6A_Spawn(0);
    Szak6B_Spawn(0);
    EXPECT_EQ(Szak6ASlots[2].x, 90.0f);
    EXPECT_EQ(Szak6BSlots[2].x, 620.0f);
    FrameTime = 0.0f;  // standing on the start column is inside the bounds
    Szak6A_Update(0);
    Szak6B_Update(0);
    EXPECT_EQ(Live(Szak6ASlots) + Live(Szak6BSlots), 6);

    FrameTime = 0.1f;
    const f32 bx = Szak6BSlots[0].x - Szak6BSlots[0].vx * 0.1f;
    Szak6B_Update(0);
    EXPECT_FLOAT_EQ(Szak6BSlots[0].x, bx) << "Szak6B flies left";

    // Through the bottom: parked at x 360; the mark is not sent back, it only follows a side exit.
    Szak6ASlots[1].y = 599.0f;
    Szak6AMarks[1] = LockMark{200, 300, 1};
    Szak6A_Update(0);
    EXPECT_EQ(Szak6ASlots[1].active, 0);
    EXPECT_EQ(Szak6ASlots[1].x, 360.0f);
    EXPECT_EQ(Szak6ASlots[1].y, 2550.0f);
    EXPECT_EQ(Szak6AMarks[1].x, 200);
    EXPECT_EQ(Szak6AMarks[1].locked, 1);
    // Through the right edge: parked the same way; a mark outside [110, 620] returns to its rest point.
    Szak6ASlots[2].x = 619.9f;
    Szak6ASlots[2].vx = 100.0f;
    Szak6AMarks[2] = LockMark{621, 40, 1};
    Szak6A_Update(0);
    EXPECT_EQ(Szak6ASlots[2].active, 0);
    EXPECT_EQ(Szak6ASlots[2].x, 360.0f);
    EXPECT_EQ(Szak6AMarks[2].x, 370);
    EXPECT_EQ(Szak6AMarks[2].y, 0);
    EXPECT_EQ(Szak6AMarks[2].locked, 0);
    // A mark inside [110, 620] stays where it is.
    Szak6ASlots[0].x = 621.0f;
    Szak6AMarks[0] = LockMark{620, 40, 1};
    Szak6A_Update(0);
    EXPECT_EQ(Szak6AMarks[0].x, 620);
    EXPECT_EQ(Szak6AMarks[0].locked, 1);
}

TEST_F(CrossersTest, AStruckSaucerExplodesInPlaceAndReleasesItsMark) {
    Szak6A_Spawn(0);
    SpinEnemySlot& s = Szak6ASlots[0];
    s.x = 200.0f;
    s.y = 100.0f;
    Szak6AMarks[0] = LockMark{210, 110, 1};
    Szak6A_HitProbe(0);
    Szak6A_Draw(0);  // the first explosion frame stops the saucer
    for (i32 f = 1; f < 16; ++f) {
        ASSERT_EQ(s.active, 1) << "frame " << f;
        Szak6A_Update(0);
        ASSERT_EQ(s.x, 200.0f);
        Szak6A_Draw(0);
    }
    EXPECT_EQ(s.active, 0);
    EXPECT_EQ(s.hit, 0);
    EXPECT_EQ(s.x, -500.0f);
    EXPECT_EQ(s.y, 2550.0f);
    EXPECT_EQ(Szak6AMarks[0].x, 290);
    EXPECT_EQ(Szak6AMarks[0].y, 0);
    EXPECT_EQ(Szak6AMarks[0].locked, 0);
}

// A weapon (a homing ray reads the marks of free slots too) that strikes a free slot changes nothing.
TEST_F(CrossersTest, OnlyALiveShipCanBeStruck) {
    Szak6B_HitProbe(1);
    Szak13A_HitProbe(2);
    Szak12_HitProbe(0);
    Szak6B_HitProbe(3);
    Szak13A_HitProbe(-1);
    EXPECT_EQ(Szak6BSlots[1].hit + Szak13ASlots[2].hit + Szak12Slots[0].hit, 0);
    for (i32 f = 0; f < 20; ++f) Szak6B_Draw(0);
    EXPECT_EQ(Szak6BMarks[1].x, -500) << "no explosion ran, so the mark did not move";
    Szak13A_Spawn(0);
    Szak13A_HitProbe(2);
    EXPECT_EQ(Szak13ASlots[2].hit, 1);
}

// Every shot set of a family arms from the free saucers too: far off screen, gone at the first update.
TEST_F(CrossersTest, ShotsOfFreeSaucersArmOffScreenAndDieAtOnce) {
    Szak6A_Update(0);  // the reset's free saucers go to (360, 2550)
    Szak6AShot1_Spawn(0);
    Szak6AShot2_Spawn(0);
    Szak6AShot3_Spawn(0);
    Szak6AShot4_Spawn(0);
    Szak6AShot5_Spawn(0);
    Szak6AShot6_Spawn(0);
    EXPECT_EQ(Live(Szak6AShot1Slots) + Live(Szak6AShot2Slots) + Live(Szak6AShot3Slots), 24);
    EXPECT_EQ(Live(Szak6AShot4Slots) + Live(Szak6AShot5Slots) + Live(Szak6AShot6Slots), 9);
    EXPECT_EQ(Szak6AShot4Slots[0].x, 392.0f);
    EXPECT_EQ(Szak6AShot4Slots[0].y, 2600.0f);
    Szak6AShot1_Update(0);
    Szak6AShot2_Update(0);
    Szak6AShot3_Update(0);
    Szak6AShot4_Update(0);
    Szak6AShot5_Update(0);
    Szak6AShot6_Update(0);
    EXPECT_EQ(Live(Szak6AShot1Slots) + Live(Szak6AShot2Slots) + Live(Szak6AShot3Slots), 0);
    EXPECT_EQ(Live(Szak6AShot4Slots) + Live(Szak6AShot5Slots) + Live(Szak6AShot6Slots), 0);
    EXPECT_EQ(PlayerState.alive, 1);
}

// Set 1: the group's first record decides for all five. Records freed where they stand never strike.
TEST_F(CrossersTest, ALineOfFiveLivesAndDiesByItsFirstRecord) {
    Szak6B_Spawn(0);
    Szak6BSlots[0].x = 400.0f;
    Szak6BSlots[0].y = 100.0f;
    Szak6BShot1_Spawn(0);
    for (i32 r = 0; r < 5; ++r) {
        EXPECT_EQ(Szak6BShot1Slots[r].x, 425.0f);
        EXPECT_EQ(Szak6BShot1Slots[r].speed, 260.0f + 20.0f * static_cast<f32>(r));
    }
    // Record 3 has left the field but record 0 has not: record 3 flies on.
    Szak6BShot1Slots[3].y = 700.0f;
    Szak6BShot1_Update(0);
    EXPECT_EQ(Szak6BShot1Slots[3].active, 1);
    // Record 0 leaves: the others are freed where they stand, and one standing on the ship does no harm.
    Szak6BShot1Slots[0].y = 650.0f;
    Szak6BShot1Slots[4].x = PlayerState.x + 10.0f;
    Szak6BShot1Slots[4].y = PlayerState.y + 20.0f;
    FrameTime = 0.0f;
    Szak6BShot1_Update(0);
    for (i32 r = 0; r < 5; ++r) EXPECT_EQ(Szak6BShot1Slots[r].active, 0) << r;
    EXPECT_EQ(Szak6BShot1Slots[4].x, PlayerState.x + 10.0f) << "freed in place";
    Szak6BShot1_Update(0);
    EXPECT_EQ(PlayerState.alive, 1);
}

// Set 7: five groups of five from saucer 0, every 40 calls; the clocks wrap after 249.
TEST_F(CrossersTest, TheTimedFanFiresFiveGroupsAndRepeatsEvery250Calls) {
    Szak6A_Spawn(0);
    Szak6ASlots[0].x = 200.0f;
    Szak6ASlots[0].y = 100.0f;
    auto groupLive = [](i32 g) {
        i32 n = 0;
        for (i32 r = 5 * g; r < 5 * g + 5; ++r) n += Szak6AShot7Slots[r].active;
        return n;
    };
    for (i32 call = 1; call <= 200; ++call) {
        Szak6AShot7_Emit(0);
        for (i32 g = 0; g < 5; ++g)
            ASSERT_EQ(groupLive(g), call >= 40 * (g + 1) ? 5 : 0) << "group " << g << " after call " << call;
    }
    // The middle of a group flies at the ship + (20, 20), its neighbours 12 degrees apart.
    const ClockedAimShotSlot& mid = Szak6AShot7Slots[22];
    EXPECT_EQ(mid.x, 232.0f);
    EXPECT_EQ(mid.y, 140.0f);
    EXPECT_EQ(mid.speed, 180.0f);
    EXPECT_NEAR(mid.heading, std::atan2(420.0f - 140.0f, 320.0f - 232.0f), 1e-5f);
    EXPECT_NEAR(Szak6AShot7Slots[20].heading, mid.heading - 2 * 2 * kPi / 30, 1e-5f);
    EXPECT_NEAR(Szak6AShot7Slots[24].heading, mid.heading + 2 * 2 * kPi / 30, 1e-5f);

    for (i32 call = 201; call <= 249; ++call) Szak6AShot7_Emit(0);
    EXPECT_EQ(Szak6AShot7Slots[0].emitClock, 249);
    Szak6AShot7_Emit(0);
    EXPECT_EQ(Szak6AShot7Slots[0].emitClock, 0);
    for (ClockedAimShotSlot& r : Szak6AShot7Slots) r.active = 0;
    for (i32 call = 251; call < 290; ++call) Szak6AShot7_Emit(0);
    EXPECT_EQ(groupLive(0), 0);
    Szak6AShot7_Emit(0);
    EXPECT_EQ(groupLive(0), 5) << "call 290 is call 40 of the second cycle";
}

// A fan shot's place in its group turns the arc tangent first; the half turn towards a ship on the left
// comes last. Single precision rounds the two orders apart for this aim.
TEST_F(CrossersTest, TheTimedFanTurnsEachShotBeforeTheHalfTurn) {
    Szak6A_Spawn(0);
    Szak6ASlots[0].x = 200.0f;
    Szak6ASlots[0].y = 100.0f;
    PlayerState.x = 0.0f;
    PlayerState.y = 213.0f;
    for (i32 call = 0; call < 40; ++call) Szak6AShot7_Emit(0);
    const f32 dx = 20.0f - 232.0f, dy = 233.0f - 140.0f;
    bool roundsApart = false;
    for (i32 j = 0; j < 5; ++j) {
        volatile f32 a = std::atan(dy / dx);
        volatile f32 turn = static_cast<f32>(j - 2) * (2.0f * kPi / 30.0f);
        volatile f32 turned = a + turn;
        const f32 want = turned + kPi;
        volatile f32 half = a + kPi;
        roundsApart |= half + turn != want;
        EXPECT_EQ(Szak6AShot7Slots[j].heading, want) << "record " << j;
    }
    EXPECT_TRUE(roundsApart) << "the aim no longer tells the two orders apart";
}

TEST_F(CrossersTest, Szak12FallsInItsColumnAndOnlyFallingOutFreesIt) {
    Szak12_Update(0);  // the reset's free ships at (-500, -500): freed by the x < 100 rule
    EXPECT_EQ(Szak12Slots[0].y, 2550.0f);
    Szak12_Spawn(0);
    const f32 x0 = Szak12Slots[0].x;
    FrameTime = 0.05f;
    i32 frames = 0;
    while (Szak12Slots[0].active != 0 && frames < 1000) {
        ASSERT_EQ(Szak12Slots[0].x, x0);
        Szak12_Update(0);
        Szak12_Draw(0);
        ++frames;
    }
    EXPECT_EQ(Szak12Slots[0].x, -500.0f);
    EXPECT_EQ(Szak12Slots[0].y, 2550.0f);
    EXPECT_EQ(Szak12Slots[0].hit, 0);
}

// A drop group leaves as one point and stretches: t seconds on, record j lies 20 j t below record 0.
TEST_F(CrossersTest, Szak12DropGroupsStretchAndDrift) {
    Szak12Slots[1] = EnemySlot{0, 0, 0, 300.0f, 100.0f, 0.0f, 60.0f, 0, 1, 0};
    Szak12Shot6_Spawn(0, 0);
    Szak12Shot7_Spawn(0, 0);
    for (i32 j = 0; j < 5; ++j) {
        EXPECT_EQ(Szak12Shot6Slots[5 + j].x, 332.0f);
        EXPECT_EQ(Szak12Shot6Slots[5 + j].y, 170.0f);
        EXPECT_EQ(Szak12Shot7Slots[5 + j].y, 167.0f);
    }
    const f32 t = 0.5f;
    FrameTime = t;
    Szak12Shot6_Update(0, 0);
    Szak12Shot7_Update(0, 0);
    for (i32 j = 0; j < 5; ++j) {
        EXPECT_FLOAT_EQ(Szak12Shot6Slots[5 + j].y - Szak12Shot6Slots[5].y, 20.0f * j * t);
        EXPECT_FLOAT_EQ(Szak12Shot7Slots[5 + j].x, 332.0f - 8.0f * t);
        EXPECT_EQ(Szak12Shot6Slots[5 + j].x, 332.0f);
    }
    EXPECT_EQ(Live(Szak12Shot6Slots), 5) << "the groups of the free ships died at once";
}

// A single shot touches from (14, 24) to (30, 30) past the ship's corner, a drop from (14, 10).
TEST_F(CrossersTest, Szak12ShotBoxes) {
    FrameTime = 0.0f;
    auto place = [](BulletSlot& b, f32 dx, f32 dy) {
        b.active = 1;
        b.x = PlayerState.x + dx;
        b.y = PlayerState.y + dy;
    };
    place(Szak12Shot1Slots[0], 30.0f, 30.0f);
    Szak12Shot1_Update(0);
    EXPECT_EQ(PlayerState.alive, 0) << "both far edges included";
    PlayerState.alive = 1;
    place(Szak12Shot1Slots[0], 20.0f, 10.0f);
    Szak12Shot1_Update(0);
    EXPECT_EQ(PlayerState.alive, 1) << "a single shot misses at (20, 10)";
    place(Szak12Shot8Slots[0], 20.0f, 10.0f);
    Szak12Shot8_Update(0, 0);
    EXPECT_EQ(PlayerState.alive, 0) << "a drop touches at (20, 10)";
    EXPECT_EQ(Szak12Shot8Slots[0].active, 1) << "and flies on";
    // A drifting shot is not freed at the side edges.
    PlayerState.alive = 1;
    place(Szak12Shot5Slots[2], 500.0f, -100.0f);
    Szak12Shot5Slots[2].vx = 46.0f;
    FrameTime = 0.1f;
    Szak12Shot5_Update(0);
    EXPECT_EQ(Szak12Shot5Slots[2].active, 1);
    EXPECT_FLOAT_EQ(Szak12Shot5Slots[2].x, 804.6f);
}

// Set 3 fires from ship slot 1 alone, whether or not it is live; sets 2 and 3 aim at the ship + 22.
TEST_F(CrossersTest, Szak13Set3KeepsFiringFromAFreeShip1) {
    Szak13A_Spawn(0);
    Szak13ASlots[1].active = 0;
    Szak13ASlots[1].x = 360.0f;
    Szak13ASlots[1].y = 2550.0f;
    Szak13ASlots[0].x = 200.0f;
    Szak13ASlots[0].y = 150.0f;
    for (i32 round = 0; round < 3; ++round) {
        Szak13AShot3_Spawn(0);
        EXPECT_EQ(Live(Szak13AShot3Slots), 5);
        EXPECT_EQ(Szak13AShot3Slots[4].x, 390.0f);
        EXPECT_EQ(Szak13AShot3Slots[4].y, 2590.0f);
        EXPECT_EQ(Szak13AShot3Slots[4].speed, 280.0f);
        Szak13AShot3_Update(0);
        EXPECT_EQ(Live(Szak13AShot3Slots), 0);
    }
    Szak13AShot2_Spawn(0);
    const AimedShotSlot& a = Szak13AShot2Slots[0];
    EXPECT_EQ(a.x, 230.0f);
    EXPECT_EQ(a.y, 190.0f);
    EXPECT_EQ(a.dx, 322.0f - 230.0f);
    EXPECT_EQ(a.dy, 422.0f - 190.0f);
    Szak13AShot1_Spawn(0);
    EXPECT_EQ(Szak13AShot1Slots[0].dx, 315.0f - 225.0f) << "set 1 aims at the ship + 15";
    EXPECT_GE(Szak13AShot1Slots[0].speed, 150.0f);
    EXPECT_LT(Szak13AShot1Slots[0].speed, 200.0f);
    // Szak13B's shots leave the same offsets of its own ships, not mirrored.
    Szak13B_Spawn(0);
    Szak13BShot4_Spawn(0);
    EXPECT_EQ(Szak13BShot4Slots[0].x, Szak13BSlots[0].x + 32.0f);
}

TEST_F(CrossersTest, Szak13ExplosionReleasesTheMark) {
    Szak13B_Spawn(0);
    Szak13BMarks[2] = LockMark{100, 100, 1};
    Szak13B_HitProbe(2);
    Szak13B_Draw(0);
    const f32 x = Szak13BSlots[2].x;
    for (i32 f = 1; f < 16; ++f) {
        ASSERT_EQ(Szak13BSlots[2].active, 1);
        Szak13B_Update(0);
        ASSERT_EQ(Szak13BSlots[2].x, x);
        Szak13B_Draw(0);
    }
    EXPECT_EQ(Szak13BSlots[2].active, 0);
    EXPECT_EQ(Szak13BSlots[2].x, -500.0f);
    EXPECT_EQ(Szak13BMarks[2].x, 290);
    EXPECT_EQ(Szak13BMarks[2].locked, 0);
}


// Szak12's two flames show one cell, stepping from 19 back to 0; its explosion is six pieces in either mode.
// Szak13's plain explosion is one cell of another sheet than its five additive pieces.
TEST_F(CrossersTest, FlamesAndExplosionPiecesOnTheScreen) {
    Szak12Slots[1] = EnemySlot{0, 0, 19, 300.0f, 200.0f, 0.0f, 0.0f, 0, 1, 0};
    const auto ship = After([] { Szak12_Draw(0); });
    EXPECT_GT(Lit(ship), 0);
    EXPECT_EQ(ship, After([] {
                  elDraw::PutSprite(301, 154, imgZFIRE2, 380, 0, 400, 70);
                  elDraw::PutSprite(359, 154, imgZFIRE2, 380, 0, 400, 70);
                  elDraw::PutSprite(300, 200, imgSZAK12, 0, 0, 80, 100);
              }));
    EXPECT_EQ(Szak12Slots[1].animFrame, 0);

    FxAdditive = 0;
    Szak12Slots[1] = EnemySlot{0, 2, 0, 300.7f, 200.7f, 0.0f, 50.0f, 0, 1, 1};
    const auto blast = After([] { Szak12_Draw(0); });
    EXPECT_GT(Lit(blast), 0);
    EXPECT_EQ(blast, After([] {
                  const i32 at[6][2] = {{332, 218}, {332, 232}, {308, 228}, {324, 208}, {300, 200}, {308, 208}};
                  for (const auto& p : at) elDraw::PutSprite(p[0], p[1], imgZBAK2B, 160, 0, 240, 80);
              }));
    EXPECT_EQ(Szak12Slots[1].vy, 0.0f);

    Szak13A_Spawn(0);
    Szak13ASlots[0].x = 200.0f;
    Szak13ASlots[0].y = 100.0f;
    Szak13A_HitProbe(0);
    const auto others = [] {
        for (i32 k = 1; k < 3; ++k)
            elDraw::PutSprite(TruncPos(Szak13ASlots[k].x), TruncPos(Szak13ASlots[k].y), imgSZAK13, 0, 0, 80, 60);
    };
    const auto plain = After([] { Szak13A_Draw(0); });
    EXPECT_EQ(plain, After([&] {
                  elDraw::PutSprite(200, 100, imgZBAK2B, 0, 0, 80, 80);
                  others();
              }));
    FxAdditive = 1;
    const auto additive = After([] { Szak13A_Draw(0); });
    EXPECT_EQ(additive, After([&] {
                  const i32 at[5][2] = {{200, 100}, {214, 114}, {226, 122}, {214, 126}, {221, 114}};
                  for (const auto& p : at) elDraw::PutAdd(p[0], p[1], imgZBAK3B, 80, 0, 160, 80);
                  others();
              }));
}

}  // namespace
