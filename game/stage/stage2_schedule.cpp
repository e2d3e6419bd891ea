// The schedule of stage 2: Boss71's attacks, the escort waves and the families run every frame.
// The families come with their own routines; until then the schedule is empty.
#include "game/stage/schedules.h"

// Boss71's attack calls, each in its window of the attack clock.
void Stage2_Attacks(const StageScript&) {}

// The escort families (update and draw every frame) and their spawn calls in their distance windows.
void Stage2_Escorts(const StageScript&) {}

// Boss71's bullet families and the escort shot families (update and draw every frame).
void Stage2_Bullets(const StageScript&) {}
