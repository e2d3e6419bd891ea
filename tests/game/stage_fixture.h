// The program started headless with its data files, for the tests of the stage frames and the ending.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/common/player_state.h"
#include "game/common/stage_state.h"
#include "game/shell/shell.h"
#include "host/headless/headless.h"
#include "host/instance.h"
#include "host/window.h"
#include "support/game_data.h"
#include "support/headless_machine.h"
#include "support/new_game.h"

namespace kt {

class StageTest : public HeadlessWindow {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        WipeState = {};  // as at the start of a program (an earlier test of this process may have left one)
        PlayerState = {};  // ... and so is the ship, with the level select's options (no death, mouse control)
        LinkGameData();
        host::headless::SetIdleCostMicros(0);
        host::headless::SetWallSeconds(1'700'000'000);  // the resets seed the generator from it
        ASSERT_TRUE(WinMain_StartUp(nullptr, "", 1));
        FrameTimer.sleepEnabled = 0;
        while (host::headless::PendingEvents() > 0 || AppActive == 0) ASSERT_TRUE(PumpOnce());
        ASSERT_TRUE(host::headless::Boxes().empty()) << host::headless::Boxes()[0].text;
        clockUs_ = (host::headless::ClockMicros() / 1000 + 1) * 1000;
    }
    // Ends the program, so that the next test of the same process can start it again.
    void TearDown() override { EndProgram(); }

    // One main-loop pass exactly `ms` milliseconds after the previous one, so that a scene that runs sees
    // FrameTime = ms / 1000 whatever its own sleeps and waits for the vertical blank did to the clock.
    void Pass(u32 ms) {
        clockUs_ += static_cast<u64>(ms) * 1000;
        host::headless::SetClockMicros(clockUs_);
        WinMain_Pass();
    }

    // A game just started at `level`, with the scene `mode` about to run its first frame.
    static void EnterStage(u32 mode, i32 level = 1) { NewGameIn(mode, level); }

    // How often the music file `name` was opened since the last ClearMciLog.
    static int MusicOpens(const std::string& name) {
        int n = 0;
        for (const std::string& c : host::headless::MciLog())
            if (c.rfind("open ", 0) == 0 && c.find(name) != std::string::npos) ++n;
        return n;
    }
    static int MciCount(const std::string& command) {
        int n = 0;
        for (const std::string& c : host::headless::MciLog()) n += c == command;
        return n;
    }
    // Non-black pixels of the last presented frame inside the box.
    static int Lit(i32 left, i32 top, i32 right, i32 bottom) {
        const host::headless::Frame& f = host::headless::LastFrame();
        int n = 0;
        for (i32 y = top; y < bottom; ++y)
            for (i32 x = left; x < right; ++x) n += f.pixels[static_cast<size_t>(y * f.width + x)] != 0;
        return n;
    }

private:
    u64 clockUs_ = 0;
};

}  // namespace kt
