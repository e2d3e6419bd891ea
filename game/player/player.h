// The player's ship: the keys it reads, its movement, drawing and life cycle.
#pragma once
#include "game/common/player_state.h"

// A new game: no automatic fire, the ship at its start, the power and item count cleared.
void Player_NewGame();
// A stage's start: the ship level and alive, still, its fire timelines at their start with both main shots
// enabled, no bomb, burst, respawn or muzzle flash, the lock sight parked.
void Player_ResetState();

void Player_ReadKeys();
void Player_Move();
void Player_Update();
void Player_CheckGameOver();
