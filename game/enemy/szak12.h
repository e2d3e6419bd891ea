// Szak12: up to three large ships that drop straight down through the field from above its top edge, each
// in a random column, with two exhaust flames. Sets 1 to 5 are single straight shots, one per ship, each
// set with its own sideways drift; sets 6 to 10 are groups of five drops per ship whose members fall at
// five speeds, so that each group stretches into a short column. The pools and the hit probe are declared
// in szak12_data.h.
#pragma once
#include "game/enemy/szak12_data.h"
#include "host/types.h"

// The ships; the argument is ignored (the hit probe's is the slot).
void Szak12_Spawn(i32 unused);   // arms every free slot above the field in a random column
void Szak12_Update(i32 unused);  // drops the live ships, frees those that fall out
void Szak12_Draw(i32 unused);    // flames and ship, or the explosion of a struck ship

// Sets 1 to 5, single straight shots: one ignored integer.
void Szak12Shot1_Spawn(i32 unused);
void Szak12Shot1_Update(i32 unused);
void Szak12Shot1_Draw(i32 unused);
void Szak12Shot2_Spawn(i32 unused);
void Szak12Shot2_Update(i32 unused);
void Szak12Shot2_Draw(i32 unused);
void Szak12Shot3_Spawn(i32 unused);
void Szak12Shot3_Update(i32 unused);
void Szak12Shot3_Draw(i32 unused);
void Szak12Shot4_Spawn(i32 unused);
void Szak12Shot4_Update(i32 unused);
void Szak12Shot4_Draw(i32 unused);
void Szak12Shot5_Spawn(i32 unused);
void Szak12Shot5_Update(i32 unused);
void Szak12Shot5_Draw(i32 unused);

// Sets 6 to 10, groups of five drops: two integers, both ignored.
void Szak12Shot6_Spawn(i32 unused, i32 unused2);
void Szak12Shot6_Update(i32 unused, i32 unused2);
void Szak12Shot6_Draw(i32 unused, i32 unused2);
void Szak12Shot7_Spawn(i32 unused, i32 unused2);
void Szak12Shot7_Update(i32 unused, i32 unused2);
void Szak12Shot7_Draw(i32 unused, i32 unused2);
void Szak12Shot8_Spawn(i32 unused, i32 unused2);
void Szak12Shot8_Update(i32 unused, i32 unused2);
void Szak12Shot8_Draw(i32 unused, i32 unused2);
void Szak12Shot9_Spawn(i32 unused, i32 unused2);
void Szak12Shot9_Update(i32 unused, i32 unused2);
void Szak12Shot9_Draw(i32 unused, i32 unused2);
void Szak12Shot10_Spawn(i32 unused, i32 unused2);
void Szak12Shot10_Update(i32 unused, i32 unused2);
void Szak12Shot10_Draw(i32 unused, i32 unused2);
