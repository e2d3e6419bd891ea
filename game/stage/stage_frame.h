// The frame that every stage script runs.
#pragma once
#include "game/stage/stage_script.h"
#include "host/types.h"

// One frame of a stage script.
void Stage_RunFrame(const StageScript& s);
// The attack loop's length for the current level.
i32 Stage_LoopLength(const StageScript& s);

// The eight scripts' descriptions.
extern const StageScript Stage1Script, Stage2Script, Stage2BScript, Stage3Script, Stage4Script, Stage4BScript,
    Stage5Script, Stage5BScript;
