// The schedule of stage 5: Boss31's attacks, the escort waves and the families run every frame.
// The families come with their own routines; until then the schedule is empty.
#include "game/stage/schedules.h"

// Boss31's attack calls, each in its window of the attack clock.
void Stage5_Attacks(const StageScript&) {}

// The escort families (update and draw every frame) and their spawn calls in their distance windows.
void Stage5_Escorts(const StageScript&) {}

// Boss31's bullet families and the escort shot families (update and draw every frame).
void Stage5_Bullets(const StageScript&) {}
