// The player's routines run as a stage frame runs them, over the real screen, data and sound.
#include <gtest/gtest.h>

#include <algorithm>

#include "el/elDraw.h"
#include "game/common/images.h"
#include "game/common/stage_state.h"
#include "game/enemy/szak12_data.h"
#include "game/player/collide.h"
#include "game/player/item.h"
#include "game/player/player.h"
#include "game/player/shots.h"
#include "game/shell/shell.h"
#include "host/headless/headless.h"
#include "host/window.h"
#include "support/game_data.h"
#include "support/headless_machine.h"

namespace hl = host::headless;

namespace {

class PlayerFrameTest : public kt::HeadlessWindow {
protected:
    void SetUp() override {
        kt::HeadlessWindow::SetUp();
        kt::LinkGameData();
        hl::SetWallSeconds(4242);
        ASSERT_TRUE(WinMain_StartUp(nullptr, "", 1));
        GameMode = 0;  // the test runs the frames itself
        Drain();
        NewStage();
    }
    void TearDown() override { kt::EndProgram(); }
    static void NewStage() {
        Game_NewGame();
        Game_ResetState();
        Game_ResetPools();
        PlayMode = 1;
        Level = 1;
        ModeChanged = 1;
        LevelSelect_Run();  // the ship picture and ship type 1
        ModeChanged = 0;
        FrameTime = 1.0f / 60;
    }
    // The player's part of one stage frame, in the stage scripts' order.
    static void StageFrame(f32 distance) {
        elDraw::ClearScreen();
        Player_DrawShots();
        Item_Draw();
        Item_Move();
        if (distance >= 100 && distance <= 150) Item_Spawn();
        Player_Update();
        Hud_Draw();
        Player_CheckGameOver();
        elDraw::SetVSync(1);
        elDraw::Flip();
        Player_Move();
        if (PlayerState.burstActive == 1) Player_SideBurst();
        Collide_PlayerWeapons();
        hl::AdvanceMs(16);
    }
};

TEST_F(PlayerFrameTest, HoldingFireShootsDownAnEnemyWithSound) {
    Szak12Slots[0].active = 1;
    Szak12Slots[0].x = 360;
    Szak12Slots[0].y = 200;
    hl::ClearCapturedAudio();
    hl::KeyDown('C');
    Drain();
    i32 shown = 0;
    for (i32 f = 0; f < 40; ++f) {
        StageFrame(0);
        const hl::Frame& frame = hl::LastFrame();
        shown += std::count_if(frame.pixels.begin(), frame.pixels.begin() + 800 * 480,
                               [](u16 p) { return p != 0; }) > 0;
    }
    EXPECT_EQ(shown, 40);
    EXPECT_EQ(Szak12Slots[0].hit, 1);
    EXPECT_GT(Score, 0);
    EXPECT_EQ(HiScore, std::max(500, Score));
    const auto& audio = hl::CapturedAudio();
    EXPECT_TRUE(std::any_of(audio.begin(), audio.end(), [](i16 s) { return s != 0; })) << "the shot sound played";
}

TEST_F(PlayerFrameTest, AGameReplaysTheSameForTheSameClock) {
    auto play = [] {
        hl::KeyDown('C');
        hl::KeyDown(host::kVkLeft);
        Drain();
        for (i32 f = 0; f < 300; ++f) {
            if (f == 100) {
                hl::KeyUp(host::kVkLeft);
                hl::KeyDown('V');
                Drain();
            }
            if (f == 200) PlayerState.alive = 0;  // a bullet's hit
            StageFrame(100.0f + static_cast<f32>(f) / 6);
        }
        hl::KeyUp('C');
        hl::KeyUp('V');
        Drain();
        for (i32 f = 0; f < 3; ++f) StageFrame(0);
    };
    play();
    const i32 score = Score, lives = Lives, bombs = Bombs;
    const f32 x = PlayerState.x, itemX = PowerItem.x, itemY = PowerItem.y;
    const u32 picture = hl::Checksum(hl::LastFrame());
    EXPECT_EQ(lives, 999 - 16);
    NewStage();
    play();
    EXPECT_EQ(Score, score);
    EXPECT_EQ(Lives, lives);
    EXPECT_EQ(Bombs, bombs);
    EXPECT_EQ(PlayerState.x, x);
    EXPECT_EQ(PowerItem.x, itemX);
    EXPECT_EQ(PowerItem.y, itemY);
    EXPECT_EQ(hl::Checksum(hl::LastFrame()), picture);
}

}  // namespace
