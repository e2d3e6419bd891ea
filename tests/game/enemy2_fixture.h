// The program started headless with its pictures, a fresh game and the ship at rest, for the tests of the
// saucers, Szak12, Szak13, Szak52 and the A formations.
#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/common/player_state.h"
#include "game/common/state.h"
#include "game/shell/shell.h"
#include "host/window.h"
#include "support/game_data.h"
#include "support/headless_machine.h"

namespace kt {

class EnemyFamilyTest : public HeadlessWindow {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        LinkGameData();
        ASSERT_TRUE(WinMain_StartUp(nullptr, "", 1));
        Game_NewGame();
        Game_ResetState();
        Game_ResetPools();
        PlayMode = 1;
        PlaySubMode = 0;
        FxAdditive = 1;
        PlayerState.alive = 1;
        PlayerState.x = 300.0f;
        PlayerState.y = 400.0f;
        PlayerState.bombActive = 0;
        FrameTime = 0.016f;
        elDraw::ClearScreen();
    }
    // Ends the program, so that the next test of the same process can start it again.
    void TearDown() override { EndProgram(); }

    static std::vector<u16> Screen() {
        std::vector<u16> px;
        px.reserve(800 * 600);
        for (i32 y = 0; y < 600; ++y)
            for (i32 x = 0; x < 800; ++x) px.push_back(BackBuffer->PixelAt(x, y));
        return px;
    }
    static i32 Lit(const std::vector<u16>& px) {
        i32 n = 0;
        for (u16 p : px) n += p != 0;
        return n;
    }
    // What `draw` leaves on a cleared screen.
    template <class F>
    static std::vector<u16> After(F draw) {
        elDraw::ClearScreen();
        draw();
        return Screen();
    }
    // Live records of a pool.
    template <class R, size_t N>
    static i32 Live(const R (&pool)[N]) {
        i32 n = 0;
        for (const R& r : pool) n += r.active != 0;
        return n;
    }
};

}  // namespace kt
