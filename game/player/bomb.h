// The bomb: a 48-frame timeline that throws eight waves of ten large fragments out of the ship, the
// fragments' flight and strikes, and their draw. The fragments and the bomb's words of PlayerState are
// declared in bomb_data.h and player.h.
#pragma once
#include "game/player/bomb_data.h"
#include "host/types.h"

// Launches fragment i (0..79) from the ship when it is free.
void Bomb_SpawnPiece(i32 i);
// One frame of the bomb's timeline; run only while PlayerState.bombActive is 1. The argument is ignored.
void Bomb_Update(i32 unused);
// Moves the live fragments, parks those that leave the field and strikes what they overlap. Every frame.
void Bomb_Collide(i32 unused);
// Draws all 80 fragments; parked ones fall outside the clip rectangle. Every frame.
void Bomb_Draw(i32 unused);
