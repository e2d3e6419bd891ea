// The schedule of stage 3: Boss41's attacks, the escort waves and the families run every frame.
// The families come with their own routines; until then the schedule is empty.
#include "game/stage/schedules.h"

// Boss41's attack calls, each in its window of the attack clock.
void Stage3_Attacks(const StageScript&) {}

// The escort families (update and draw every frame) and their spawn calls in their distance windows.
void Stage3_Escorts(const StageScript&) {}

// Boss41's bullet families and the escort shot families (update and draw every frame).
void Stage3_Bullets(const StageScript&) {}
