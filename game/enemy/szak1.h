// Szak1A and Szak1B, the light fighters, and their aimed shots (the records are in szak1_data.h). Every
// operation but the hit probes ignores its argument.
#pragma once
#include "game/enemy/szak1_data.h"
#include "host/types.h"

void Szak1A_Spawn(i32 unused);
void Szak1A_Update(i32 unused);
void Szak1A_Draw(i32 unused);
void Szak1AShot1_Spawn(i32 unused);
void Szak1AShot1_Update(i32 unused);
void Szak1AShot1_Draw(i32 unused);

void Szak1B_Spawn(i32 unused);
void Szak1B_Update(i32 unused);
void Szak1B_Draw(i32 unused);
void Szak1BShot1_Spawn(i32 unused);
void Szak1BShot1_Update(i32 unused);
void Szak1BShot1_Draw(i32 unused);
