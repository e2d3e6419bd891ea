// Points for the player: the one way every weapon and the stage add to the score.
#pragma once
#include "host/types.h"

// Adds `points` while a game is being played (PlayMode 1 or 2, sub-mode 0 or 1), held at ScoreMax, and
// raises the high score with it.
void Score_Add(i32 points);
