// The Szak21 and Szak22 families (the records are in szak21_data.h): the group families Szak21A,
// Szak21B, Szak22A and Szak22B, armed together and lockable, and the self-timed stream families Szak21C
// and Szak22C. Every operation ignores its arguments but _SpawnOne and the hit probes.
// Shots: set 1 of a group family is a five-shot diagonal burst per ship (it takes a second word, also
// ignored); sets 2 to 6 of the group families and sets 1 to 5 of the stream families are the five
// straight sets of a five-way spread, one shot per ship each.
#pragma once
#include "game/enemy/szak21_data.h"
#include "host/types.h"

void Szak21A_Spawn(i32 unused);
void Szak21A_Update(i32 unused);
void Szak21A_Draw(i32 unused);
void Szak21AShot1_Spawn(i32 unused, i32 unused2 = 0);
void Szak21AShot1_Update(i32 unused, i32 unused2 = 0);
void Szak21AShot1_Draw(i32 unused, i32 unused2 = 0);
void Szak21AShot2_Spawn(i32 unused);
void Szak21AShot2_Update(i32 unused);
void Szak21AShot2_Draw(i32 unused);
void Szak21AShot3_Spawn(i32 unused);
void Szak21AShot3_Update(i32 unused);
void Szak21AShot3_Draw(i32 unused);
void Szak21AShot4_Spawn(i32 unused);
void Szak21AShot4_Update(i32 unused);
void Szak21AShot4_Draw(i32 unused);
void Szak21AShot5_Spawn(i32 unused);
void Szak21AShot5_Update(i32 unused);
void Szak21AShot5_Draw(i32 unused);
void Szak21AShot6_Spawn(i32 unused);
void Szak21AShot6_Update(i32 unused);
void Szak21AShot6_Draw(i32 unused);

void Szak21B_Spawn(i32 unused);
void Szak21B_Update(i32 unused);
void Szak21B_Draw(i32 unused);
void Szak21BShot1_Spawn(i32 unused, i32 unused2 = 0);
void Szak21BShot1_Update(i32 unused, i32 unused2 = 0);
void Szak21BShot1_Draw(i32 unused, i32 unused2 = 0);
void Szak21BShot2_Spawn(i32 unused);
void Szak21BShot2_Update(i32 unused);
void Szak21BShot2_Draw(i32 unused);
void Szak21BShot3_Spawn(i32 unused);
void Szak21BShot3_Update(i32 unused);
void Szak21BShot3_Draw(i32 unused);
void Szak21BShot4_Spawn(i32 unused);
void Szak21BShot4_Update(i32 unused);
void Szak21BShot4_Draw(i32 unused);
void Szak21BShot5_Spawn(i32 unused);
void Szak21BShot5_Update(i32 unused);
void Szak21BShot5_Draw(i32 unused);
void Szak21BShot6_Spawn(i32 unused);
void Szak21BShot6_Update(i32 unused);
void Szak21BShot6_Draw(i32 unused);

void Szak21C_WaveTimer(i32 unused);
void Szak21C_SpawnOne(i32 slot);  // called by the family's own timer
void Szak21C_Update(i32 unused);
void Szak21C_Draw(i32 unused);
void Szak21CShot1_Spawn(i32 unused);
void Szak21CShot1_Update(i32 unused);
void Szak21CShot1_Draw(i32 unused);
void Szak21CShot2_Spawn(i32 unused);
void Szak21CShot2_Update(i32 unused);
void Szak21CShot2_Draw(i32 unused);
void Szak21CShot3_Spawn(i32 unused);
void Szak21CShot3_Update(i32 unused);
void Szak21CShot3_Draw(i32 unused);
void Szak21CShot4_Spawn(i32 unused);
void Szak21CShot4_Update(i32 unused);
void Szak21CShot4_Draw(i32 unused);
void Szak21CShot5_Spawn(i32 unused);
void Szak21CShot5_Update(i32 unused);
void Szak21CShot5_Draw(i32 unused);

void Szak22A_Spawn(i32 unused);
void Szak22A_Update(i32 unused);
void Szak22A_Draw(i32 unused);
void Szak22AShot1_Spawn(i32 unused, i32 unused2 = 0);
void Szak22AShot1_Update(i32 unused, i32 unused2 = 0);
void Szak22AShot1_Draw(i32 unused, i32 unused2 = 0);
void Szak22AShot2_Spawn(i32 unused);
void Szak22AShot2_Update(i32 unused);
void Szak22AShot2_Draw(i32 unused);
void Szak22AShot3_Spawn(i32 unused);
void Szak22AShot3_Update(i32 unused);
void Szak22AShot3_Draw(i32 unused);
void Szak22AShot4_Spawn(i32 unused);
void Szak22AShot4_Update(i32 unused);
void Szak22AShot4_Draw(i32 unused);
void Szak22AShot5_Spawn(i32 unused);
void Szak22AShot5_Update(i32 unused);
void Szak22AShot5_Draw(i32 unused);
void Szak22AShot6_Spawn(i32 unused);
void Szak22AShot6_Update(i32 unused);
void Szak22AShot6_Draw(i32 unused);

void Szak22B_Spawn(i32 unused);
void Szak22B_Update(i32 unused);
void Szak22B_Draw(i32 unused);
void Szak22BShot1_Spawn(i32 unused, i32 unused2 = 0);
void Szak22BShot1_Update(i32 unused, i32 unused2 = 0);
void Szak22BShot1_Draw(i32 unused, i32 unused2 = 0);
void Szak22BShot2_Spawn(i32 unused);
void Szak22BShot2_Update(i32 unused);
void Szak22BShot2_Draw(i32 unused);
void Szak22BShot3_Spawn(i32 unused);
void Szak22BShot3_Update(i32 unused);
void Szak22BShot3_Draw(i32 unused);
void Szak22BShot4_Spawn(i32 unused);
void Szak22BShot4_Update(i32 unused);
void Szak22BShot4_Draw(i32 unused);
void Szak22BShot5_Spawn(i32 unused);
void Szak22BShot5_Update(i32 unused);
void Szak22BShot5_Draw(i32 unused);
void Szak22BShot6_Spawn(i32 unused);
void Szak22BShot6_Update(i32 unused);
void Szak22BShot6_Draw(i32 unused);

void Szak22C_WaveTimer(i32 unused);
void Szak22C_SpawnOne(i32 slot);  // called by the family's own timer
void Szak22C_Update(i32 unused);
void Szak22C_Draw(i32 unused);
void Szak22CShot1_Spawn(i32 unused);
void Szak22CShot1_Update(i32 unused);
void Szak22CShot1_Draw(i32 unused);
void Szak22CShot2_Spawn(i32 unused);
void Szak22CShot2_Update(i32 unused);
void Szak22CShot2_Draw(i32 unused);
void Szak22CShot3_Spawn(i32 unused);
void Szak22CShot3_Update(i32 unused);
void Szak22CShot3_Draw(i32 unused);
void Szak22CShot4_Spawn(i32 unused);
void Szak22CShot4_Update(i32 unused);
void Szak22CShot4_Draw(i32 unused);
void Szak22CShot5_Spawn(i32 unused);
void Szak22CShot5_Update(i32 unused);
void Szak22CShot5_Draw(i32 unused);
