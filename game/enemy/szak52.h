// Szak52A and Szak52B: one large ship each that crosses the field on a 45-degree diagonal from a top corner,
// Szak52A from the upper left towards the lower right, Szak52B from the upper right towards the lower left.
// Each carries eight shot sets: three timed aimed sets with their own clocks (set 1 leaves in five fanned
// bursts of five, sets 2 and 3 in fanned bursts of three from the ship's left and right side) and five
// single straight shots (sets 4 to 8) that fall straight or drift to one side. The pools are declared in
// szak52_data.h, with the hit probes.
#pragma once
#include "game/enemy/szak52_data.h"
#include "host/types.h"

// Szak52A. The argument is ignored except by the hit probe (the slot, always 0) and by the timed spawns
// (the record b to launch and the first record of b's group), which only the set's own emitter calls.
void Szak52A_Spawn(i32 unused);   // arms the ship at the top left when it is free
void Szak52A_Update(i32 unused);  // flies the diagonal, frees the ship below the field
void Szak52A_Draw(i32 unused);    // the ship, or its explosion drifting on with it
void Szak52AShot1_Emit(i32 unused);  // advances the set's clocks and launches the bursts that are due
void Szak52AShot1_Spawn(i32 b, i32 first);
void Szak52AShot1_Update(i32 unused);
void Szak52AShot1_Draw(i32 unused);
void Szak52AShot2_Emit(i32 unused);
void Szak52AShot2_Spawn(i32 b, i32 first);
void Szak52AShot2_Update(i32 unused);
void Szak52AShot2_Draw(i32 unused);
void Szak52AShot3_Emit(i32 unused);
void Szak52AShot3_Spawn(i32 b, i32 first);
void Szak52AShot3_Update(i32 unused);
void Szak52AShot3_Draw(i32 unused);
void Szak52AShot4_Spawn(i32 unused);
void Szak52AShot4_Update(i32 unused);
void Szak52AShot4_Draw(i32 unused);
void Szak52AShot5_Spawn(i32 unused);
void Szak52AShot5_Update(i32 unused);
void Szak52AShot5_Draw(i32 unused);
void Szak52AShot6_Spawn(i32 unused);
void Szak52AShot6_Update(i32 unused);
void Szak52AShot6_Draw(i32 unused);
void Szak52AShot7_Spawn(i32 unused);
void Szak52AShot7_Update(i32 unused);
void Szak52AShot7_Draw(i32 unused);
void Szak52AShot8_Spawn(i32 unused);
void Szak52AShot8_Update(i32 unused);
void Szak52AShot8_Draw(i32 unused);

// Szak52B: the same on its own records, entering at the top right and flying down and to the left.
void Szak52B_Spawn(i32 unused);
void Szak52B_Update(i32 unused);
void Szak52B_Draw(i32 unused);
void Szak52BShot1_Emit(i32 unused);
void Szak52BShot1_Spawn(i32 b, i32 first);
void Szak52BShot1_Update(i32 unused);
void Szak52BShot1_Draw(i32 unused);
void Szak52BShot2_Emit(i32 unused);
void Szak52BShot2_Spawn(i32 b, i32 first);
void Szak52BShot2_Update(i32 unused);
void Szak52BShot2_Draw(i32 unused);
void Szak52BShot3_Emit(i32 unused);
void Szak52BShot3_Spawn(i32 b, i32 first);
void Szak52BShot3_Update(i32 unused);
void Szak52BShot3_Draw(i32 unused);
void Szak52BShot4_Spawn(i32 unused);
void Szak52BShot4_Update(i32 unused);
void Szak52BShot4_Draw(i32 unused);
void Szak52BShot5_Spawn(i32 unused);
void Szak52BShot5_Update(i32 unused);
void Szak52BShot5_Draw(i32 unused);
void Szak52BShot6_Spawn(i32 unused);
void Szak52BShot6_Update(i32 unused);
void Szak52BShot6_Draw(i32 unused);
void Szak52BShot7_Spawn(i32 unused);
void Szak52BShot7_Update(i32 unused);
void Szak52BShot7_Draw(i32 unused);
void Szak52BShot8_Spawn(i32 unused);
void Szak52BShot8_Update(i32 unused);
void Szak52BShot8_Draw(i32 unused);

