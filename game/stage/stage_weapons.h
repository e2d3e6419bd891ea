// The bomb, the homing rays, the lock-on lasers and the automatic-fire block at their places in the stage
// frame.
#pragma once
#include "game/stage/stage_script.h"

// Before the boss section: the bomb's pieces are drawn.
void StageWeapons_BombDraw(const StageScript& s);
// After the ship's move: the bomb's timeline (while a bomb runs, and in a script that asks for it only
// while the main shot is disabled) and the bomb's collision pass.
void StageWeapons_BombStep(const StageScript& s);
// After the weapons' collision pass: the homing-ray launches (at level 3, where the script has them), the
// homing rays, the lock-on lasers aimed at the escorts and those of the script's bosses.
void StageWeapons_RaysAndLasers(const StageScript& s);
// Last: the automatic-fire block, in the scripts that have one, while automatic fire is on.
void StageWeapons_FireBlock(const StageScript& s);
