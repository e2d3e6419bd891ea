// A new game standing in a scene about to run its first frame, for the tests and the benchmarks that drive
// the program from a stage instead of from the title.
#pragma once
#include "game/common/state.h"
#include "game/shell/shell.h"

namespace kt {

inline void NewGameIn(u32 mode, i32 level) {
    Game_ResetState();
    Game_ResetPools();
    Game_NewGame();
    Level = level;
    PlayMode = 1;
    PlaySubMode = 0;
    GameMode = mode;
    PrevMode = mode;
    ModeChanged = 1;
}

}  // namespace kt
