// The stages' own schedules: the boss attacks by attack clock, the escort waves by distance, and the
// families that run every frame. Each is called at its place in the stage frame.
#pragma once
#include "game/stage/schedule.h"
#include "game/stage/stage_frame.h"

void Stage1_Attacks(const StageScript& s);
void Stage1_Escorts(const StageScript& s);
void Stage1_Bullets(const StageScript& s);
void Stage2_Attacks(const StageScript& s);
void Stage2_Escorts(const StageScript& s);
void Stage2_Bullets(const StageScript& s);
void Stage2B_Attacks(const StageScript& s);
void Stage2B_Escorts(const StageScript& s);
void Stage2B_Bullets(const StageScript& s);
void Stage3_Attacks(const StageScript& s);
void Stage3_Escorts(const StageScript& s);
void Stage3_Bullets(const StageScript& s);
void Stage4_Attacks(const StageScript& s);
void Stage4_Escorts(const StageScript& s);
void Stage4_Bullets(const StageScript& s);
void Stage4B_Attacks(const StageScript& s);
void Stage4B_Escorts(const StageScript& s);
void Stage4B_Bullets(const StageScript& s);
void Stage5_Attacks(const StageScript& s);
void Stage5_Escorts(const StageScript& s);
void Stage5_Bullets(const StageScript& s);
void Stage5B_Attacks(const StageScript& s);
void Stage5B_Escorts(const StageScript& s);
void Stage5B_Bullets(const StageScript& s);

// Each stage's rows: the boss's attacks, what runs before the power item and the ship, and what after.
struct StageRows {
    Schedule attacks, escorts, bullets;
};
extern const StageRows Stage1Rows, Stage2Rows, Stage2BRows, Stage3Rows, Stage4Rows, Stage4BRows, Stage5Rows,
    Stage5BRows;
