// The stage clocks and flags shared by every stage script, the ending and the shell.
// The difficulty chosen in the level select is `Level` (game/common/state.h).
#pragma once
#include "host/types.h"

struct StageStateRecord {
    f32 distance;        // stage progress in distance units (the ending's scroll clock too)
    i32 musicFrame;      // unpaused frames since the stage began; the music starts at 1
    i32 backdropMode;    // 0 the stage's backdrop layers, 1 the star field alone
    i32 paused;          // 1: the stage frame runs only its continue test
    i32 continuePrompt;  // 1 while the game-over prompt waits for Y
};
extern StageStateRecord StageState;

// A stage's start: distance and music frame at 0, neither paused nor waiting at the continue prompt.
void StageState_Reset();
