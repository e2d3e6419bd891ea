// Scenes whose frames are not drawn yet: each runs and draws nothing.
#include "game/shell/shell.h"

void Title_Run() {}
void LevelSelect_Run() {}
void ShipSelect_Run() {}
void Ending_Run() {}
void Stage1_Run() {}
void Stage2_Run() {}
void Stage2B_Run() {}
void Stage3_Run() {}
void Stage4_Run() {}
void Stage4B_Run() {}
void Stage5_Run() {}
void Stage5B_Run() {}
