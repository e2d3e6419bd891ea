// The Lightning families: the aim in every quadrant turned by the family's angle, one bolt at a time,
// the retirement of the whole bolt with its slowest node, contact, and the draw's random numbers.
#include <gtest/gtest.h>

#include <cmath>

#include "game/bossfire/lightning.h"
#include "game/bossfire/lightning_data.h"
#include "game/common/boss_state.h"
#include "game/common/player_state.h"
#include "host/crt.h"
#include "game/shell/shell.h"
#include "support/headless_machine.h"

namespace {

constexpr f32 kPi = 3.14159265358979323846f;
constexpr f32 kSixDegrees = 2.0f * kPi / 60.0f;

class LightningTest : public kt::Headless {
protected:
    void SetUp() override {
        kt::Headless::SetUp();
        Game_NewGame();
        Game_ResetState();
        Game_ResetPools();
        FrameTime = 0.016f;
        PlayerState.alive = 1;
        Boss4BState.x = 100;
        Boss4BState.y = 50;  // family 1 starts at (305, 200), family 2 at (345, 200)
    }
    // Every pool free again, with the boss back in place.
    static void Fresh() {
        Game_ResetPools();
        Boss4BState.x = 100;
        Boss4BState.y = 50;
    }
    static i32 Live(const LightningNode (&bolt)[6]) {
        i32 n = 0;
        for (const LightningNode& node : bolt) n += node.active != 0;
        return n;
    }
    // The direction in which a node moved in one frame, in degrees, 0 to the right, 90 down.
    static f32 Course(void (*update)(i32), const LightningNode& n) {
        const f32 x = n.x, y = n.y;
        update(0);
        return std::atan2(n.y - y, n.x - x) * 180.0f / kPi;
    }
    static f32 Around(f32 degrees) { return std::remainder(degrees, 360.0f); }
};

TEST_F(LightningTest, ABoltFliesAtTheShipTurnedByItsFamilysAngleFromEverySide) {
    FrameTime = 0.01f;
    // The ship's corner plus 25 is the aim point.
    const struct {
        f32 shipX, shipY;
    } ships[] = {{500, 400}, {100, 400}, {100, 20}, {500, 20}, {280, 400}};
    void (*const spawns[6])(i32) = {Boss4BLightning1_Spawn, Boss4BLightning2_Spawn, Boss4BLightning3_Spawn,
                                    Boss4BLightning4_Spawn, Boss4BLightning5_Spawn, Boss4BLightning6_Spawn};
    void (*const updates[6])(i32) = {Boss4BLightning1_Update, Boss4BLightning2_Update, Boss4BLightning3_Update,
                                     Boss4BLightning4_Update, Boss4BLightning5_Update, Boss4BLightning6_Update};
    LightningNode* const bolts[6] = {Boss4BLightning1, Boss4BLightning2, Boss4BLightning3,
                                     Boss4BLightning4, Boss4BLightning5, Boss4BLightning6};
    const f32 turns[6] = {-2, 2, -4, 4, -6, 6};
    for (const auto& ship : ships) {
        for (i32 f = 0; f < 6; ++f) {
            Fresh();
            PlayerState.x = ship.shipX;
            PlayerState.y = ship.shipY;
            spawns[f](0);
            const f32 startX = f % 2 == 0 ? 305.0f : 345.0f;
            EXPECT_EQ(bolts[f][3].x, startX);
            EXPECT_EQ(bolts[f][3].y, 200.0f);
            EXPECT_EQ(bolts[f][3].speed, 320.0f);
            EXPECT_EQ(bolts[f][3].dx, ship.shipX + 25.0f - startX);
            const f32 aim = std::atan2(ship.shipY + 25.0f - 200.0f, ship.shipX + 25.0f - startX) * 180.0f / kPi;
            EXPECT_NEAR(Around(Course(updates[f], bolts[f][5]) - aim), turns[f] * 6.0f, 0.01f)
                << "family " << f + 1 << " at " << ship.shipX << ", " << ship.shipY;
        }
    }
}

TEST_F(LightningTest, StraightBelowOrAboveOrOnTheStartPoint) {
    PlayerState.x = 305 - 25;
    PlayerState.y = 400;
    Boss4BLightning1_Spawn(0);
    EXPECT_EQ(Boss4BLightning1[0].dx, 0.0f);
    EXPECT_FLOAT_EQ(Boss4BLightning1[0].heading, kPi / 2.0f - 2.0f * kSixDegrees);
    Fresh();
    PlayerState.y = 200 - 25;  // on the start point: dy 0
    Boss4BLightning3_Spawn(0);
    EXPECT_FLOAT_EQ(Boss4BLightning3[0].heading, kPi / 2.0f - 4.0f * kSixDegrees + kPi);
    Fresh();
    PlayerState.y = 10;
    Boss4BLightning5_Spawn(0);
    EXPECT_FLOAT_EQ(Boss4BLightning5[0].heading, kPi / 2.0f - 6.0f * kSixDegrees + kPi);
}

TEST_F(LightningTest, OneBoltAtATimeAndTheWholeBoltGoesWithItsSlowestNode) {
    PlayerState.x = 500;
    PlayerState.y = 200 - 25;
    Boss4BLightning2_Spawn(0);  // aimed straight right, turned 12 degrees down
    const f32 heading = Boss4BLightning2[0].heading;
    PlayerState.y = 500;
    Boss4BLightning2_Spawn(0);
    EXPECT_EQ(Boss4BLightning2[0].heading, heading) << "a bolt in flight is not aimed again";

    FrameTime = 0.0f;
    Boss4BLightning2[0].x = 800;
    Boss4BLightning2[0].y = 600;
    Boss4BLightning2_Update(0);
    EXPECT_EQ(Live(Boss4BLightning2), 6) << "node 0 at x 800, y 600 is still on the screen";
    Boss4BLightning2[0].x = -20;
    Boss4BLightning2[0].y = -20;
    Boss4BLightning2_Update(0);
    EXPECT_EQ(Live(Boss4BLightning2), 6);

    FrameTime = 0.01f;
    Boss4BLightning2[0].x = 799;
    Boss4BLightning2[0].y = 300;
    Boss4BLightning2[0].heading = 0;
    const f32 x5 = Boss4BLightning2[5].x;
    Boss4BLightning2_Update(0);
    EXPECT_EQ(Live(Boss4BLightning2), 0);
    EXPECT_FLOAT_EQ(Boss4BLightning2[0].x, 801.6f) << "retired where it stands";
    EXPECT_GT(Boss4BLightning2[5].x, x5) << "the front node made its move first";
    EXPECT_EQ(Boss4BLightning2[5].heading, heading);

    Boss4BLightning2_Spawn(0);
    EXPECT_NE(Boss4BLightning2[0].heading, heading) << "the next bolt aims anew";
}

TEST_F(LightningTest, ABoltThrownOffTheScreenIsGoneInTheSameFrame) {
    Boss4BState.x = -500;
    Boss4BState.y = 2550;
    FrameTime = 1.0f / 60.0f;
    for (i32 frame = 0; frame < 3; ++frame) {
        Boss4BLightning6_Spawn(0);
        EXPECT_EQ(Live(Boss4BLightning6), 6);
        Boss4BLightning6_Update(0);
        EXPECT_EQ(Live(Boss4BLightning6), 0);
    }
}

TEST_F(LightningTest, OnlyNodesInFlightStrikeTheShip) {
    PlayerState.x = 300;
    PlayerState.y = 300;
    Boss4BLightning4_Spawn(0);
    FrameTime = 0.0f;
    for (LightningNode& n : Boss4BLightning4) n.x = 100;  // out of reach
    Boss4BLightning4[2].x = 309;
    Boss4BLightning4[2].y = 320;
    Boss4BLightning4_Update(0);
    EXPECT_EQ(PlayerState.alive, 1) << "9 right of the ship's corner";
    Boss4BLightning4[2].x = 310;
    Boss4BLightning4_Update(0);
    EXPECT_EQ(PlayerState.alive, 0);
    PlayerState.alive = 1;
    Boss4BLightning4[2].x = 330;
    Boss4BLightning4[2].y = 330;
    Boss4BLightning4_Update(0);
    EXPECT_EQ(PlayerState.alive, 0) << "the box is closed";

    PlayerState.alive = 1;
    Boss4BLightning4[0].y = 700;  // node 0 leaves: node 2 stays on the ship, retired
    Boss4BLightning4_Update(0);
    EXPECT_EQ(Live(Boss4BLightning4), 0);
    EXPECT_EQ(Boss4BLightning4[2].x, 330.0f);
    EXPECT_EQ(PlayerState.alive, 1);
}

TEST_F(LightningTest, TheDrawTakesTwoRandomNumbersEveryFrameBoltOrNot) {
    host::SRand(77);
    host::Rand();
    host::Rand();
    const u32 afterTwo = host::RandState();
    host::SRand(77);
    Boss4BLightning1_Draw(0);
    EXPECT_EQ(host::RandState(), afterTwo);
}

}  // namespace
