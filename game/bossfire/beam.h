// The two beams of the stage-4 boss. Update fires an idle beam below the boss (and strikes the ship at
// that moment); Draw plays the three-image flash and makes the beam idle again. The records are in
// beam_data.h.
#pragma once

void Boss51Beam1_Update();
void Boss51Beam1_Draw();
void Boss51Beam2_Update();
void Boss51Beam2_Draw();
