// The ship: key map and speeds, the field's clamps, the tilt, the life cycle and the game-over prompt.
#include <gtest/gtest.h>

#include "game/common/stage_state.h"
#include "game/player/death.h"
#include "game/player/player.h"
#include "game/player/shots.h"
#include "game/stage/backdrop_data.h"
#include "support/player_fixture.h"

namespace {

class ShipTest : public kt::PlayerFixture {};

TEST_F(ShipTest, AnArrowMovesTheShipFromItsSecondFrame) {
    Hold(host::kVkLeft);
    Player_Move();
    EXPECT_EQ(PlayerState.x, 370.0f) << "the first frame of a press does nothing";
    Player_Move();
    EXPECT_FLOAT_EQ(PlayerState.x, 370.0f - 160.0f * 0.016f);
    EXPECT_EQ(PlayerState.tiltDir, 1);
    EXPECT_EQ(Backdrop4BTiles[17].drift, 50.0f);
    EXPECT_EQ(Backdrop4Tiles[0].drift, 55.0f);
    EXPECT_EQ(Backdrop6Tiles[4999].drift, 60.0f);
    EXPECT_EQ(Backdrop7Tiles[0].drift, 65.0f);
    EXPECT_EQ(Backdrop1Tiles[0].drift, 0.0f);
    Hold(host::kVkRight);
    Player_Move();
    Player_Move();
    EXPECT_EQ(PlayerState.vx, 160.0f) << "Right wins over Left";
    EXPECT_EQ(PlayerState.tiltDir, -1);
    EXPECT_EQ(Backdrop7Tiles[0].drift, -65.0f);
}

TEST_F(ShipTest, DownWinsOverUpAndTheSecondShipIsFaster) {
    PlayerState.shipType = 2;
    Hold(host::kVkUp);
    Hold(host::kVkDown);
    Player_Move();
    Player_Move();
    EXPECT_EQ(PlayerState.vy, 200.0f);
    PlayerState.shipType = 7;  // no speed of its own: the ship stands
    Player_Move();
    EXPECT_EQ(PlayerState.vy, 0.0f);
}

TEST_F(ShipTest, TheShipIsHeldInsideTheField) {
    PlayerState.x = 520;
    PlayerState.y = 230;
    Hold(host::kVkRight);
    Hold(host::kVkUp);
    FrameTime = 1.0f;
    Player_Move();
    Player_Move();
    EXPECT_EQ(PlayerState.x, 520.0f);
    EXPECT_EQ(PlayerState.y, 220.0f) << "the ship cannot rise above y 220";
    Release(host::kVkRight);
    Release(host::kVkUp);
    Hold(host::kVkLeft);
    Hold(host::kVkDown);
    Player_Move();
    Player_Move();
    Player_Move();
    Player_Move();
    EXPECT_EQ(PlayerState.x, 220.0f);
    EXPECT_EQ(PlayerState.y, 540.0f);
}

TEST_F(ShipTest, TheTiltRunsToItsEndAndSwingsBackToLevel) {
    Hold(host::kVkLeft);
    Player_Move();  // pressed
    Player_Move();  // held: the lean starts
    EXPECT_EQ(PlayerState.tilt, 3);
    Player_Move();
    EXPECT_EQ(PlayerState.tilt, 4);
    Release(host::kVkLeft);
    i32 seen[6];
    for (i32& t : seen) {
        Player_Move();
        t = PlayerState.tilt;
    }
    const i32 expected[6] = {5, 6, 5, 4, 3, 3};
    for (i32 i = 0; i < 6; ++i) EXPECT_EQ(seen[i], expected[i]) << "frame " << i;
    EXPECT_EQ(PlayerState.tiltDir, 0);
}

TEST_F(ShipTest, HoldingUpAloneKeepsTheLean) {
    Hold(host::kVkUp);
    Player_Move();  // the press itself
    PlayerState.tilt = 6;
    PlayerState.tiltDir = 1;
    Player_Move();
    Player_Move();
    Player_Move();
    EXPECT_EQ(PlayerState.tilt, 6);
}

TEST_F(ShipTest, NoKeyActsWhileTheTimeLimitHasEndedTheGame) {
    GameOver = 1;
    Hold(host::kVkLeft);
    Hold('C');
    Player_Move();
    Player_Move();
    EXPECT_EQ(PlayerState.x, 370.0f);
    EXPECT_EQ(PlayerState.fireClock, 0);
}

TEST_F(ShipTest, TheReturnedShipIsInvulnerableFor249Frames) {
    PlayerState.alive = 1;
    PlayerState.respawning = 1;
    DeathFragments[3].launched = 1;
    for (i32 i = 0; i < 248; ++i) Player_Update();
    EXPECT_EQ(PlayerState.respawning, 1);
    PlayerState.alive = 0;  // a bullet's hit while invulnerable
    Player_Update();
    EXPECT_EQ(PlayerState.alive, 1) << "undone a frame later";
    EXPECT_EQ(PlayerState.respawnTimer, 248);
    Player_Update();
    EXPECT_EQ(PlayerState.respawning, 0);
    EXPECT_EQ(PlayerState.respawnTimer, 0);
    EXPECT_EQ(DeathFragments[3].launched, 0) << "the fragments are reset at its end";
}

TEST_F(ShipTest, WithNoDeathAHitLeavesTheShipDown) {
    PlayerState.noDeath = 1;
    PlayerState.alive = 0;
    for (i32 i = 0; i < 60; ++i) Player_Update();
    EXPECT_EQ(PlayerState.alive, 0);
    EXPECT_EQ(Lives, 999);
    EXPECT_EQ(DeathFragments[0].timer, 0);
}

TEST_F(ShipTest, TheContinuePromptComesOnceTheLivesRunOut) {
    Lives = 1;
    Player_CheckGameOver();
    EXPECT_EQ(StageState.continuePrompt, 0);
    Lives = 0;
    PlayerState.vx = 160;
    Player_CheckGameOver();
    EXPECT_EQ(StageState.continuePrompt, 1);
    EXPECT_EQ(StageState.paused, 1);
    EXPECT_EQ(PlayerState.alive, 0);
    EXPECT_EQ(PlayerState.vx, 0.0f);
    StageState.paused = 0;
    Player_CheckGameOver();
    EXPECT_EQ(StageState.paused, 0) << "raised once";
}

TEST_F(ShipTest, UnderMouseControlTheShipFollowsTheMouseAFrameBehind) {
    PlayerState.controlKeys = 0;
    PlayerState.controlMouse = 1;
    MouseX = 400;
    MouseY = 300;
    Player_Update();
    EXPECT_EQ(PlayerState.x, 370.0f);
    EXPECT_EQ(PlayerState.y, 270.0f);
    MouseX = 100;
    Player_Update();
    Player_Move();
    EXPECT_EQ(PlayerState.x, 220.0f) << "clamped by the next move";
}

}  // namespace
