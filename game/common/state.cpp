#include "game/common/state.h"

u32 GameMode = 0, NextMode = 0, PrevMode = 0, ModeChanged = 0;
i32 Score = 0, HiScore = 0, Lives = 0, Bombs = 0, Level = 0, PlayMode = 0, PlaySubMode = 0, FxAdditive = 0;
i32 GameOver = 0, TimeLimitOn = 0, TimeLeft = 0;
f32 GameOverClock = 0;

void PlayState_NewGame() {
    Level = 0;
    Score = 0;
    Bombs = 5;
    Lives = 999;
}

void PlayState_ResetStage() {
    TimeLeft = 800;
    TimeLimitOn = 0;
    GameOver = 0;
}
