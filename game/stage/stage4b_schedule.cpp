// The schedule of the alternate stage 4: Boss4B's attacks, the escort waves and the families run every frame.
// The families come with their own routines; until then the schedule is empty.
#include "game/stage/schedules.h"

// Boss4B's attack calls, each in its window of the attack clock.
void Stage4B_Attacks(const StageScript&) {}

// The escort families (update and draw every frame) and their spawn calls in their distance windows.
void Stage4B_Escorts(const StageScript&) {}

// Boss4B's bullet families and the escort shot families (update and draw every frame).
void Stage4B_Bullets(const StageScript&) {}
