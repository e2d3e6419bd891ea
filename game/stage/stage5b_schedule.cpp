// The schedule of the alternate stage 5: Boss5B's attacks, the escort waves and the families run every frame.
// The families come with their own routines; until then the schedule is empty.
#include "game/stage/schedules.h"

// Boss5B's attack calls, each in its window of the attack clock.
void Stage5B_Attacks(const StageScript&) {}

// Boss5B's bullet families first (update and draw every frame), then the escort families (update and draw
// every frame) and their spawn calls in their distance windows.
void Stage5B_Escorts(const StageScript&) {}

// The escort shot families (update and draw every frame).
void Stage5B_Bullets(const StageScript&) {}
