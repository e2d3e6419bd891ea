// Szak6A and Szak6B, the spinning saucers: three slots each that cross the field diagonally, Szak6A from
// the left edge towards the right, Szak6B from the right towards the left, with their lock marks and seven
// shot sets: a line of five aimed shots per saucer (set 1), aimed groups of four and five from saucers 0
// and 1 (sets 2 and 3), slow bombs per saucer falling straight, drifting left and drifting right (sets 4 to
// 6) and a timed fan of five groups of five from saucer 0 (set 7). The pools and hit probes are declared in
// szak6_data.h. Every operation but the hit probes takes one integer that it ignores.
#pragma once
#include "game/enemy/szak6_data.h"
#include "host/types.h"

// Szak6A: the saucers.
void Szak6A_Spawn(i32 unused);   // arms every free slot at the left edge
void Szak6A_Update(i32 unused);  // moves the live saucers, frees those that leave the field
void Szak6A_Draw(i32 unused);    // spins and draws every saucer, runs the explosion of a struck one
// Szak6A: the shot sets.
void Szak6AShot1_Spawn(i32 unused);
void Szak6AShot1_Update(i32 unused);
void Szak6AShot1_Draw(i32 unused);
void Szak6AShot2_Spawn(i32 unused);
void Szak6AShot2_Update(i32 unused);
void Szak6AShot2_Draw(i32 unused);
void Szak6AShot3_Spawn(i32 unused);
void Szak6AShot3_Update(i32 unused);
void Szak6AShot3_Draw(i32 unused);
void Szak6AShot4_Spawn(i32 unused);
void Szak6AShot4_Update(i32 unused);
void Szak6AShot4_Draw(i32 unused);
void Szak6AShot5_Spawn(i32 unused);
void Szak6AShot5_Update(i32 unused);
void Szak6AShot5_Draw(i32 unused);
void Szak6AShot6_Spawn(i32 unused);
void Szak6AShot6_Update(i32 unused);
void Szak6AShot6_Draw(i32 unused);
void Szak6AShot7_Emit(i32 unused);  // advances the fan's clocks and fires its groups when their time comes
void Szak6AShot7_Update(i32 unused);
void Szak6AShot7_Draw(i32 unused);

// Szak6B: the same on its own arrays, entering at the right edge and flying left.
void Szak6B_Spawn(i32 unused);
void Szak6B_Update(i32 unused);
void Szak6B_Draw(i32 unused);
void Szak6BShot1_Spawn(i32 unused);
void Szak6BShot1_Update(i32 unused);
void Szak6BShot1_Draw(i32 unused);
void Szak6BShot2_Spawn(i32 unused);
void Szak6BShot2_Update(i32 unused);
void Szak6BShot2_Draw(i32 unused);
void Szak6BShot3_Spawn(i32 unused);
void Szak6BShot3_Update(i32 unused);
void Szak6BShot3_Draw(i32 unused);
void Szak6BShot4_Spawn(i32 unused);
void Szak6BShot4_Update(i32 unused);
void Szak6BShot4_Draw(i32 unused);
void Szak6BShot5_Spawn(i32 unused);
void Szak6BShot5_Update(i32 unused);
void Szak6BShot5_Draw(i32 unused);
void Szak6BShot6_Spawn(i32 unused);
void Szak6BShot6_Update(i32 unused);
void Szak6BShot6_Draw(i32 unused);
void Szak6BShot7_Emit(i32 unused);
void Szak6BShot7_Update(i32 unused);
void Szak6BShot7_Draw(i32 unused);
