// The player's ship: the keys it reads, its movement, drawing and life cycle.
#pragma once
#include "game/common/player_state.h"

void Player_ReadKeys();
void Player_Move();
void Player_Update();
void Player_CheckGameOver();
