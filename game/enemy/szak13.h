// Szak13A and Szak13B: up to three ships each that cross the field sideways at a random height, Szak13A
// from the left edge flying right, Szak13B from the right edge flying left, with their lock marks and six
// shot sets: one aimed rotated shot per ship (set 1), aimed groups of four and five from ships 0 and 1
// (sets 2 and 3) and single straight shots per ship falling straight, drifting left and drifting right
// (sets 4 to 6). The pools and hit probes are declared in szak13_data.h. Every operation but the hit probes
// takes one integer that it ignores.
#pragma once
#include "game/enemy/szak13_data.h"
#include "host/types.h"

// Szak13A.
void Szak13A_Spawn(i32 unused);   // arms every free slot at the left edge
void Szak13A_Update(i32 unused);  // moves the live ships, frees those that leave the field
void Szak13A_Draw(i32 unused);    // draws the live ships, runs the explosion of a struck one
void Szak13AShot1_Spawn(i32 unused);
void Szak13AShot1_Update(i32 unused);
void Szak13AShot1_Draw(i32 unused);
void Szak13AShot2_Spawn(i32 unused);
void Szak13AShot2_Update(i32 unused);
void Szak13AShot2_Draw(i32 unused);
void Szak13AShot3_Spawn(i32 unused);
void Szak13AShot3_Update(i32 unused);
void Szak13AShot3_Draw(i32 unused);
void Szak13AShot4_Spawn(i32 unused);
void Szak13AShot4_Update(i32 unused);
void Szak13AShot4_Draw(i32 unused);
void Szak13AShot5_Spawn(i32 unused);
void Szak13AShot5_Update(i32 unused);
void Szak13AShot5_Draw(i32 unused);
void Szak13AShot6_Spawn(i32 unused);
void Szak13AShot6_Update(i32 unused);
void Szak13AShot6_Draw(i32 unused);

// Szak13B: the same on its own arrays, entering at the right edge and flying left.
void Szak13B_Spawn(i32 unused);
void Szak13B_Update(i32 unused);
void Szak13B_Draw(i32 unused);
void Szak13BShot1_Spawn(i32 unused);
void Szak13BShot1_Update(i32 unused);
void Szak13BShot1_Draw(i32 unused);
void Szak13BShot2_Spawn(i32 unused);
void Szak13BShot2_Update(i32 unused);
void Szak13BShot2_Draw(i32 unused);
void Szak13BShot3_Spawn(i32 unused);
void Szak13BShot3_Update(i32 unused);
void Szak13BShot3_Draw(i32 unused);
void Szak13BShot4_Spawn(i32 unused);
void Szak13BShot4_Update(i32 unused);
void Szak13BShot4_Draw(i32 unused);
void Szak13BShot5_Spawn(i32 unused);
void Szak13BShot5_Update(i32 unused);
void Szak13BShot5_Draw(i32 unused);
void Szak13BShot6_Spawn(i32 unused);
void Szak13BShot6_Update(i32 unused);
void Szak13BShot6_Draw(i32 unused);
