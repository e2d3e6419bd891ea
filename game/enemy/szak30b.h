// The formations Szak30B to Szak33B: five ships each, launched one by one by the family's own timer from
// an entry point beside the field, flying a scripted turn and firing their aimed set on its second leg
// (the records are in szak30b_data.h).
#pragma once
#include "game/enemy/szak30b_data.h"
#include "host/types.h"

void Szak30B_WaveTimer(i32 unused);
void Szak30B_SpawnOne(i32 slot);
void Szak30B_Update(i32 unused);
void Szak30B_Draw(i32 unused);
void Szak30BShot1_Spawn(i32 firingSlot);  // the argument is ignored: every ship whose record is free fires
void Szak30BShot1_Update(i32 unused);
void Szak30BShot1_Draw(i32 unused);
void Szak31B_WaveTimer(i32 unused);
void Szak31B_SpawnOne(i32 slot);
void Szak31B_Update(i32 unused);
void Szak31B_Draw(i32 unused);
void Szak31BShot1_Spawn(i32 firingSlot);  // the argument is ignored: every ship whose record is free fires
void Szak31BShot1_Update(i32 unused);
void Szak31BShot1_Draw(i32 unused);
void Szak32B_WaveTimer(i32 unused);
void Szak32B_SpawnOne(i32 slot);
void Szak32B_Update(i32 unused);
void Szak32B_Draw(i32 unused);
void Szak32BShot1_Spawn(i32 firingSlot);  // the argument is ignored: every ship whose record is free fires
void Szak32BShot1_Update(i32 unused);
void Szak32BShot1_Draw(i32 unused);
void Szak33B_WaveTimer(i32 unused);
void Szak33B_SpawnOne(i32 slot);
void Szak33B_Update(i32 unused);
void Szak33B_Draw(i32 unused);
void Szak33BShot1_Spawn(i32 firingSlot);  // the argument is ignored: every ship whose record is free fires
void Szak33BShot1_Update(i32 unused);
void Szak33BShot1_Draw(i32 unused);
