// The SzakMix escorts: the spawn's random numbers, the flight patterns' bands, and the line of five that
// leaves together.
#include <gtest/gtest.h>

#include "game/enemy/szakmix.h"
#include "host/crt.h"
#include "support/player_fixture.h"

namespace {

class SzakMixTest : public kt::PlayerFixture {
protected:
    // A live slot standing at (x, y) with the velocity (vx, vy) and its pattern clock at 0.
    static MixEnemySlot& Place(i32 slot, f32 x, f32 y, f32 vx, f32 vy) {
        MixEnemySlot& e = SzakMixSlots[slot];
        e.active = 1;
        e.x = x;
        e.y = y;
        e.vx = vx;
        e.vy = vy;
        e.patternPhase = 0.0f;
        return e;
    }
};

TEST_F(SzakMixTest, TheSpawnDrawsColumnTypeAndSpeedsInThatOrder) {
    host::SRand(1234);
    const i32 a = host::Rand(), b = host::Rand(), c = host::Rand(), d = host::Rand();
    host::SRand(1234);
    SzakMixSlots[6].patternPhase = 99.0f;
    SzakMixSlots[6].exhaustFrame = 7;
    SzakMix_Spawn(6);
    const MixEnemySlot& e = SzakMixSlots[6];
    EXPECT_EQ(e.x, static_cast<f32>(200 + a % 320));
    EXPECT_EQ(e.y, -80.0f);
    EXPECT_EQ(e.type, b % 4);
    EXPECT_EQ(e.vy, static_cast<f32>(70 + c % 70));
    EXPECT_EQ(e.vx, static_cast<f32>(20 + d % 20));
    EXPECT_EQ(e.patternPhase, 0.0f);
    EXPECT_EQ(e.exhaustFrame, 0);
    EXPECT_EQ(e.active, 1);
    // A slot spawned at y -80 is inside the field (-80 + 80 is not below 0).
    FrameTime = 0.0f;
    SzakMix_Update(6, 0);
    EXPECT_EQ(e.active, 1);
}

TEST_F(SzakMixTest, ABandsVelocityTakesEffectOnTheNextFrame) {
    FrameTime = 0.25f;  // pattern 5's clock runs 10 units a frame
    MixEnemySlot& e = Place(5, 300.0f, 100.0f, 30.0f, 100.0f);
    SzakMix_Update(5, 5);
    EXPECT_EQ(e.y, 125.0f) << "the first frame moves by the spawn's velocity";
    EXPECT_EQ(e.x, 307.5f);
    EXPECT_EQ(e.vx, 0.0f) << "band [0, 10]";
    EXPECT_EQ(e.vy, 220.0f);
    SzakMix_Update(5, 5);
    EXPECT_EQ(e.y, 180.0f);
    EXPECT_EQ(e.x, 307.5f);
    EXPECT_EQ(e.vx, 40.0f) << "band [11, 20]";
    SzakMix_Update(5, 5);
    EXPECT_EQ(e.x, 317.5f);

    // The mirrored pattern swings the other way; the gap between two bands keeps the velocity.
    MixEnemySlot& m = Place(6, 400.0f, 100.0f, 40.0f, 220.0f);
    m.patternPhase = 10.0f;
    FrameTime = 0.0125f;  // half a unit a frame
    SzakMix_Update(6, 6);
    EXPECT_EQ(m.patternPhase, 10.5f);
    EXPECT_EQ(m.vx, 40.0f) << "in the gap (10, 11) nothing is set";
    EXPECT_EQ(m.x, 399.5f);

    // The curve of pattern 3 falls at 120 px/s whatever vy holds; its clock restarts at 381.
    MixEnemySlot& c = Place(3, 300.0f, 100.0f, 0.0f, 999.0f);
    c.patternPhase = 380.0f;
    FrameTime = 0.1f;
    SzakMix_Update(3, 3);
    EXPECT_FLOAT_EQ(c.y, 112.0f);
    EXPECT_EQ(c.patternPhase, 0.0f);
    EXPECT_EQ(c.vx, 0.0f) << "381 lies in no band";
}

TEST_F(SzakMixTest, TheLineOfFiveLeavesTogetherAndAFreedRecordStrikesNothing) {
    PlayerState.x = 300.0f;
    PlayerState.y = 500.0f;
    Place(4, 285.0f, 0.0f, 0.0f, 0.0f);  // the group starts at (310, 25), straight above the aim point
    SzakMixShot2_Spawn(4);
    AimedShotSlot* g = SzakMixShot2Slots + 5 * 4;
    for (i32 r = 0; r < 5; ++r) {
        EXPECT_EQ(g[r].active, 1);
        EXPECT_EQ(g[r].x, 310.0f);
        EXPECT_EQ(g[r].y, 25.0f);
        EXPECT_EQ(g[r].speed, 260.0f + 20.0f * r);
    }
    // Straight down the column: the fastest record leaves the screen first but flies on.
    PlayerState.x = 100.0f;  // out of the way
    FrameTime = 0.05f;
    i32 frames = 0;
    while (g[4].y <= 600.0f) {
        SzakMixShot2_Update(4);
        ++frames;
    }
    for (i32 r = 0; r < 5; ++r) EXPECT_EQ(g[r].active, 1) << "record " << r;
    while (g[0].active != 0) {
        SzakMixShot2_Update(4);
        ASSERT_LT(++frames, 200);
    }
    for (i32 r = 0; r < 5; ++r) {
        EXPECT_EQ(g[r].active, 0) << "freed in the same update as record 0";
        EXPECT_GT(g[r].y, 600.0f) << "freed where it stands";
    }
    // A freed record keeps its place, but a ship that flies into it is not struck.
    PlayerState.x = g[2].x - 15.0f;
    PlayerState.y = g[2].y - 15.0f;
    PlayerState.alive = 1;
    SzakMixShot2_Update(4);
    EXPECT_EQ(PlayerState.alive, 1);
}

}  // namespace
