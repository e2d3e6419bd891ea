// The homing rays: four copies of one weapon, each sending chains of 15 rays at one lockable small-enemy
// family (HomingRay1 Szak6A, HomingRay2 Szak6B, HomingRay3 Szak13A, HomingRay4 Szak13B). The ray pools
// and the launchers' cycle counts are declared in homing_data.h.
#pragma once
#include "game/player/homing_data.h"
#include "host/types.h"

// Launches ray i (0..14) of target slot t (0..2) from the ship's nose when it is free.
void HomingRay1_Spawn(i32 t, i32 i);
void HomingRay2_Spawn(i32 t, i32 i);
void HomingRay3_Spawn(i32 t, i32 i);
void HomingRay4_Spawn(i32 t, i32 i);
// The launchers: a chain every 140 frames per live target slot. Called at level 3 in stages 2 to 4.
void HomingRay1_Fire();
void HomingRay2_Fire();
void HomingRay3_Fire();
void HomingRay4_Fire();
// Movement, field test and strike of every ray of the copy; every frame, after the launchers. The
// argument is ignored.
void HomingRay1_Update(i32 unused);
void HomingRay2_Update(i32 unused);
void HomingRay3_Update(i32 unused);
void HomingRay4_Update(i32 unused);
// Draws the copy's live rays (ship type 1 only). Nothing in the game calls these.
void HomingRay1_Draw();
void HomingRay2_Draw();
void HomingRay3_Draw();
void HomingRay4_Draw();
