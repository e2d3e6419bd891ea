// A bare program window over the headless backend, with a fresh game, for the player's routines.
#pragma once
#include <gtest/gtest.h>

#include "el/elSystem.h"
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
};

}  // namespace kt
