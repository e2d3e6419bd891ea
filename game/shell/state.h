// The game's scene records and the score and play settings of the game in progress.
#pragma once
#include "el/elSystem.h"  // GameMode, NextMode, PrevMode, ModeChanged
#include "host/types.h"

extern i32 Score, HiScore, Lives, Bombs, Level, PlayMode, PlaySubMode, FxAdditive, GameOver, TimeLimitOn, TimeLeft;
extern f32 GameOverClock;

// Scene numbers of GameMode.
enum : u32 {
    ModeTitle = 1, ModeStage1 = 2, ModeStage2 = 3, ModeStage2B = 4, ModeStage3 = 5, ModeStage4 = 6,
    ModeStage4B = 7, ModeStage5 = 8, ModeStage5B = 9, ModeEnding = 10, ModeLevelSelect = 11, ModeShipSelect = 12,
};
