// The SzakMix escorts: fifteen slots that a stage drives one by one, each with its own flight pattern,
// look and pair of shot sets (the records are in szakmix_data.h).
#pragma once
#include "game/enemy/szakmix_data.h"
#include "host/types.h"

// Arms the slot if it is free: a random column above the field, a random explosion type and speed.
void SzakMix_Spawn(i32 slot);
// Moves a live slot by flight pattern 0..8; frees the slot (live or not) once it is outside the field.
void SzakMix_Update(i32 slot, i32 pattern);
// Draws the slot with look 0..4 (ship and exhaust flames), or runs its explosion once it is hit.
void SzakMix_Draw(i32 slot, i32 look);

// Set 1: one aimed shot per slot. Draw styles: 0 the spinning ball, 1 the rotated dart.
void SzakMixShot1_Spawn(i32 slot);
void SzakMixShot1_Update(i32 slot);
void SzakMixShot1_Draw(i32 slot, i32 style);
// Set 2: a line of five aimed shots per slot, freed together when the slowest leaves the field.
// Draw styles: 0 the spinning ball, 1 and 2 two rotated darts.
void SzakMixShot2_Spawn(i32 slot);
void SzakMixShot2_Update(i32 slot);
void SzakMixShot2_Draw(i32 slot, i32 style);
