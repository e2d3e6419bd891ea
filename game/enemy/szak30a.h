// The formations Szak30A, Szak31A, Szak32A and Szak33A: five slots each that fly one scripted path from the
// four corners of the field (a straight run, three widening turns and a level exit), with the sprite frame
// following the path. Each family times its own ships and fires its two aimed shot sets from inside its own
// move: set 1 (four shots) from ship slot 0, set 2 (five shots) from ship slot 1. Szak32A and Szak33A fire
// only while PlaySubMode is 1. The pools and hit probes are declared in szak30a_data.h. The argument is
// ignored except by _SpawnOne and _HitProbe, which take the slot.
#pragma once
#include "game/enemy/szak30a_data.h"
#include "host/types.h"

void Szak30A_WaveTimer(i32 unused);  // advances each slot's clock and arms slots 0 to 3 when due
void Szak30A_SpawnOne(i32 k);        // arms slot k at the start point when it is free
void Szak30A_Update(i32 unused);     // flies the path, fires the shot sets, frees ships out of bounds
void Szak30A_Draw(i32 unused);       // the path's frames, or the explosion of a struck ship
void Szak30AShot1_Spawn(i32 unused);
void Szak30AShot1_Update(i32 unused);
void Szak30AShot1_Draw(i32 unused);
void Szak30AShot2_Spawn(i32 unused);
void Szak30AShot2_Update(i32 unused);
void Szak30AShot2_Draw(i32 unused);

void Szak31A_WaveTimer(i32 unused);
void Szak31A_SpawnOne(i32 k);
void Szak31A_Update(i32 unused);
void Szak31A_Draw(i32 unused);
void Szak31AShot1_Spawn(i32 unused);
void Szak31AShot1_Update(i32 unused);
void Szak31AShot1_Draw(i32 unused);
void Szak31AShot2_Spawn(i32 unused);
void Szak31AShot2_Update(i32 unused);
void Szak31AShot2_Draw(i32 unused);

void Szak32A_WaveTimer(i32 unused);
void Szak32A_SpawnOne(i32 k);
void Szak32A_Update(i32 unused);
void Szak32A_Draw(i32 unused);
void Szak32AShot1_Spawn(i32 unused);
void Szak32AShot1_Update(i32 unused);
void Szak32AShot1_Draw(i32 unused);
void Szak32AShot2_Spawn(i32 unused);
void Szak32AShot2_Update(i32 unused);
void Szak32AShot2_Draw(i32 unused);

void Szak33A_WaveTimer(i32 unused);
void Szak33A_SpawnOne(i32 k);
void Szak33A_Update(i32 unused);
void Szak33A_Draw(i32 unused);
void Szak33AShot1_Spawn(i32 unused);
void Szak33AShot1_Update(i32 unused);
void Szak33AShot1_Draw(i32 unused);
void Szak33AShot2_Spawn(i32 unused);
void Szak33AShot2_Update(i32 unused);
void Szak33AShot2_Draw(i32 unused);
