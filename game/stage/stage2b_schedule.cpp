// The schedule of the alternate stage 2: Boss2B's attacks, the escort waves and the families run every frame.
// The families come with their own routines; until then the schedule is empty.
#include "game/stage/schedules.h"

// Boss2B's attack calls, each in its window of the attack clock.
void Stage2B_Attacks(const StageScript&) {}

// The escort families (update and draw every frame) and their spawn calls in their distance windows.
void Stage2B_Escorts(const StageScript&) {}

// Boss2B's bullet families and the escort shot families (update and draw every frame).
void Stage2B_Bullets(const StageScript&) {}
