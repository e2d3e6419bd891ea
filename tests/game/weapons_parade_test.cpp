// The boss parade's timing and fall, the lock pass over the lockable small enemies, the banner's growth
// and the ship overlay's rise.
#include <gtest/gtest.h>

#include "game/enemy/spare_data.h"
#include "game/enemy/szak13_data.h"
#include "game/enemy/szak21_data.h"
#include "game/enemy/szak6_data.h"
#include "game/player/parade.h"
#include "game/player/player.h"
#include "support/player_fixture.h"

namespace {

class ParadeTest : public kt::PlayerFixture {};

TEST_F(ParadeTest, TheFirstImageEntersOnTheTenthCallAndFallsAt178) {
    for (i32 c = 1; c <= 9; ++c) BossParade_Spawn();
    for (const ParadeSlot& s : ParadeSlots) EXPECT_EQ(s.active, 0);
    BossParade_Spawn();
    EXPECT_EQ(ParadeSlots[0].active, 1);
    EXPECT_EQ(ParadeSlots[0].x, 100.0f);
    EXPECT_EQ(ParadeSlots[0].y, -360.0f);
    EXPECT_EQ(ParadeSlots[1].active, 0);
    FrameTime = 0.5f;
    BossParade_Move();
    EXPECT_EQ(ParadeSlots[0].y, -360.0f) << "the first move uses the speed left from before";
    BossParade_Move();
    EXPECT_EQ(ParadeSlots[0].y, -360.0f + 89.0f);
    ParadeSlots[0].y = 390.0f;
    BossParade_Move();
    EXPECT_EQ(ParadeSlots[0].y, 479.0f);
    EXPECT_EQ(ParadeSlots[0].active, 1);
    BossParade_Move();
    EXPECT_EQ(ParadeSlots[0].active, 0);
    EXPECT_EQ(ParadeSlots[0].x, -500.0f);
    EXPECT_EQ(ParadeSlots[0].y, 2550.0f);
    for (i32 c = 11; c <= 400; ++c) BossParade_Spawn();
    EXPECT_EQ(ParadeSlots[1].active, 1);
    EXPECT_EQ(ParadeSlots[1].y, -380.0f);
    for (i32 c = 401; c <= 3200; ++c) BossParade_Spawn();
    EXPECT_EQ(ParadeSlots[7].clock, 0) << "the parade repeats every 3200 calls";
    EXPECT_EQ(ParadeSlots[7].x, 80.0f);
    EXPECT_EQ(ParadeSlots[5].y, -460.0f);
}

TEST_F(ParadeTest, TheLockPassMarksEnemiesNearTheSight) {
    PlayerState.lockSightX = 0;
    PlayerState.lockSightY = 0;
    Szak6ASlots[1].x = 100;  // window x -520..160, y -380..160 for ship type 1
    Szak6ASlots[1].y = 100;
    Szak13BSlots[2].x = 400;
    Szak13BSlots[2].y = -31;  // above the least y
    Szak21ASlots[0].x = 600;  // x - 640 + 30 = -10 <= 0
    Szak21ASlots[0].y = 470;  // y - 500 + 30 = 0 <= 0
    LockScanEnemySlotsB[2].x = -60;
    LockScanEnemySlotsB[2].y = -30;
    LockScan_Unused();
    EXPECT_EQ(Szak6AMarks[1].locked, 1);
    EXPECT_EQ(Szak6AMarks[0].locked + Szak6AMarks[2].locked + Szak6BMarks[1].locked, 0);
    EXPECT_EQ(Szak13BMarks[2].locked, 0);
    EXPECT_EQ(Szak21Marks[0].locked, 1);
    EXPECT_EQ(LockScanMarksB[2].locked, 1);
    EXPECT_EQ(Szak6AMarks[1].x, -500) << "the pass only locks; the family moves the mark";

    for (LockMark& m : Szak21Marks) m.locked = 0;
    PlayerState.shipType = 2;  // a window of 300 x 240 only
    LockScan_Unused();
    EXPECT_EQ(Szak21Marks[0].locked, 0);
    PlayerState.shipType = 5;
    Szak22ASlots[0].x = 10;
    Szak22ASlots[0].y = 10;
    LockScan_Unused();
    EXPECT_EQ(Szak22Marks[0].locked, 0) << "no window for other ships";
    LockScan_Mark9(2);
    LockScan_Mark10(0);
    LockScan_Mark10(3);  // no such record
    EXPECT_EQ(LockScanMarksC[2].locked, 1);
    EXPECT_EQ(LockScanMarksD[0].locked, 1);
}

TEST_F(ParadeTest, TheOverlayRisesAndHoldsTheShip) {
    FrameTime = 0.1f;
    PlayerState.shipType = 2;
    ShipOverlayRecord& o = ShipOverlay[1];
    for (i32 f = 1; f <= 10; ++f) Overlay4_Draw();
    EXPECT_EQ(o.x, 80.0f);
    EXPECT_EQ(o.y, 480.0f);
    EXPECT_EQ(ShipOverlay[0].frame, 0) << "only the current ship type's record runs";
    Overlay4_Draw();
    EXPECT_FLOAT_EQ(o.y, 464.0f);
    i32 frame = 11;
    while (o.y >= 50.0f) {
        EXPECT_NE(PlayerState.x, 290.0f);
        Overlay4_Draw();
        ++frame;
    }
    EXPECT_EQ(PlayerState.x, 290.0f);
    EXPECT_EQ(PlayerState.y, 210.0f);
    EXPECT_LT(frame, 180);
    while (o.done == 0) {
        PlayerState.x = 400;
        Overlay4_Draw();
        ++frame;
        EXPECT_EQ(PlayerState.x, 290.0f) << "held at frame " << frame;
    }
    EXPECT_EQ(o.x, -500.0f);
    EXPECT_EQ(o.y, -500.0f);
    EXPECT_EQ(o.frame, 0);
    PlayerState.x = 400;
    Overlay4_Draw();
    EXPECT_EQ(PlayerState.x, 400.0f) << "done until the next new game";
    Game_NewGame();
    EXPECT_EQ(o.done, 0);
}

TEST_F(ParadeTest, TheOverlaySpeedsUpFromItsFrame180) {
    FrameTime = 0.01f;
    ShipOverlayRecord& o = ShipOverlay[0];
    for (i32 f = 1; f <= 179; ++f) Overlay4_Draw();
    const f32 y = o.y;
    EXPECT_NEAR(y, 480.0f - 169 * 1.6f, 0.01f);
    Overlay4_Draw();
    EXPECT_FLOAT_EQ(o.y, y - 5.6f);
}

}  // namespace
