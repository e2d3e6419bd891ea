// A bare program window over the headless backend, with a fresh game, for the player's routines.
#pragma once
#include <gtest/gtest.h>

#include "el/elSystem.h"
#include "game/common/player_state.h"
#include "game/player/player.h"
#include "game/shell/shell.h"
#include "host/headless/headless.h"
#include "host/window.h"
#include "support/headless_machine.h"

namespace kt {

class PlayerFixture : public HeadlessWindow {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        host::WindowClass wc;
        wc.className = "DEFAULT";
        wc.proc = elSystem::WindowProc;
        wc.doubleClicks = true;
        host::RegisterWindowClass(wc);
        MainWindow = host::CreateMainWindow("DEFAULT", "KESTRALIS", true, 800, 600);
        ASSERT_TRUE(MainWindow);
        Drain();
        // The ship and its keys as at the start of a program (no key held, no option such as the no-death
        // mode set), whatever an earlier test of this process left in them.
        InputKeys = {};
        PlayerState = {};
        Game_NewGame();
        Game_ResetState();
        Game_ResetPools();
        PlayMode = 1;
        PlaySubMode = 0;
        Level = 1;
        PlayerState.shipType = 1;
        PlayerState.controlKeys = 1;
        PlayerState.controlMouse = 0;
        FrameTime = 0.016f;
    }
    // Closes the window (and whatever a test started of the library), so that the next test of the same
    // process can open it again.
    void TearDown() override { EndProgram(); }
};

}  // namespace kt
