#include "game/common/stage_state.h"

StageStateRecord StageState{};

void StageState_Reset() {
    StageState.musicFrame = 0;
    StageState.distance = 0;
    StageState.paused = 0;
    StageState.continuePrompt = 0;
}
