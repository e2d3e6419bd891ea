// Szak10, the heavy bombers, with their stick of five bombs and two curling fans of seven (the records
// are in szak10_data.h). Every operation but the hit probe ignores its arguments.
#pragma once
#include "game/enemy/szak10_data.h"
#include "host/types.h"

void Szak10_Spawn(i32 unused);
void Szak10_Update(i32 unused);
void Szak10_Draw(i32 unused);

// The curling fans: set 1 curls to the left, set 2 to the right.
void Szak10Shot1_Spawn(i32 unused);
void Szak10Shot1_Update(i32 unused);
void Szak10Shot1_Draw(i32 unused);
void Szak10Shot2_Spawn(i32 unused);
void Szak10Shot2_Update(i32 unused);
void Szak10Shot2_Draw(i32 unused);
// The stick of five bombs per bomber.
void Szak10Shot3_Spawn(i32 unused, i32 unused2 = 0);
void Szak10Shot3_Update(i32 unused, i32 unused2 = 0);
void Szak10Shot3_Draw(i32 unused, i32 unused2 = 0);
