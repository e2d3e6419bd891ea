// The bosses' movement, drawing and defeat routines.
#pragma once
#include "game/stage/boss_data.h"

void Boss11_Script();
void Boss11_Draw();
void Boss11_Defeat();
void Boss71_Script();
void Boss71_Draw();
void Boss71_Defeat();
void Boss41_Script();
void Boss41_Draw();
void Boss41_Defeat();
void Boss51_Script();
void Boss51_Draw();
void Boss51_Defeat();
void Boss31_Script();
void Boss31_Draw();
void Boss31_Defeat();
void Boss2B_Script();
void Boss2B_Draw();
void Boss2B_Defeat();
void Boss4B_Script();
void Boss4B_Draw();
void Boss4B_Defeat();
void Boss5B_Script();
void Boss5B_Draw();
void Boss5B_Defeat();
