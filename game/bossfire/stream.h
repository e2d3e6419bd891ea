// The Stream families: chains of balls that leave one point of a boss, one ball every few emitter calls,
// and walk one path of whole-pixel steps chosen by each ball's own path clock, so that the chain curls
// down the screen behind its head. Each family owns fifty balls (stream_data.h) and one emitter counter
// word in its boss's block.
//
// Every family has four routines:
//   _Emit    one call per frame while the boss's attack window is open: advances the counter and arms
//            the next ball when its turn comes (ball 0 is never armed).
//   _Spawn   arms ball k (0..49) at the boss unless it is still live; called by the family's own emitter.
//   _Update  every unpaused frame: moves the live balls along the path and retires those below y 600.
//   _Draw    every unpaused frame, after _Update: draws the live balls additively.
// The stage-3 and stage-4 emitters take no argument; the stage-5 emitters, updates and draws take one
// integer that they ignore.
#pragma once
#include "host/types.h"

// Stage-3 boss (Boss41State counter words 0..5) and stage-4 boss (Boss51State words 0..5). These never
// touch the ship.
void Boss41Stream1_Emit();
void Boss41Stream1_Spawn(i32 k);
void Boss41Stream1_Update(i32 unused);
void Boss41Stream1_Draw(i32 unused);
void Boss41Stream2_Emit();
void Boss41Stream2_Spawn(i32 k);
void Boss41Stream2_Update(i32 unused);
void Boss41Stream2_Draw(i32 unused);
void Boss41Stream3_Emit();
void Boss41Stream3_Spawn(i32 k);
void Boss41Stream3_Update(i32 unused);
void Boss41Stream3_Draw(i32 unused);
void Boss41Stream4_Emit();
void Boss41Stream4_Spawn(i32 k);
void Boss41Stream4_Update(i32 unused);
void Boss41Stream4_Draw(i32 unused);
void Boss41Stream5_Emit();
void Boss41Stream5_Spawn(i32 k);
void Boss41Stream5_Update(i32 unused);
void Boss41Stream5_Draw(i32 unused);
void Boss41Stream6_Emit();
void Boss41Stream6_Spawn(i32 k);
void Boss41Stream6_Update(i32 unused);
void Boss41Stream6_Draw(i32 unused);
void Boss51Stream1_Emit();
void Boss51Stream1_Spawn(i32 k);
void Boss51Stream1_Update(i32 unused);
void Boss51Stream1_Draw(i32 unused);
void Boss51Stream2_Emit();
void Boss51Stream2_Spawn(i32 k);
void Boss51Stream2_Update(i32 unused);
void Boss51Stream2_Draw(i32 unused);
void Boss51Stream3_Emit();
void Boss51Stream3_Spawn(i32 k);
void Boss51Stream3_Update(i32 unused);
void Boss51Stream3_Draw(i32 unused);
void Boss51Stream4_Emit();
void Boss51Stream4_Spawn(i32 k);
void Boss51Stream4_Update(i32 unused);
void Boss51Stream4_Draw(i32 unused);
void Boss51Stream5_Emit();
void Boss51Stream5_Spawn(i32 k);
void Boss51Stream5_Update(i32 unused);
void Boss51Stream5_Draw(i32 unused);
void Boss51Stream6_Emit();
void Boss51Stream6_Spawn(i32 k);
void Boss51Stream6_Update(i32 unused);
void Boss51Stream6_Draw(i32 unused);

// Stage-5 boss (Boss31State counter words 10..17). A live ball ends the ship's life on contact.
void Boss31Stream1_Emit(i32 unused);
void Boss31Stream1_Spawn(i32 k);
void Boss31Stream1_Update(i32 unused);
void Boss31Stream1_Draw(i32 unused);
void Boss31Stream2_Emit(i32 unused);
void Boss31Stream2_Spawn(i32 k);
void Boss31Stream2_Update(i32 unused);
void Boss31Stream2_Draw(i32 unused);
void Boss31Stream3_Emit(i32 unused);
void Boss31Stream3_Spawn(i32 k);
void Boss31Stream3_Update(i32 unused);
void Boss31Stream3_Draw(i32 unused);
void Boss31Stream4_Emit(i32 unused);
void Boss31Stream4_Spawn(i32 k);
void Boss31Stream4_Update(i32 unused);
void Boss31Stream4_Draw(i32 unused);
void Boss31Stream5_Emit(i32 unused);
void Boss31Stream5_Spawn(i32 k);
void Boss31Stream5_Update(i32 unused);
void Boss31Stream5_Draw(i32 unused);
void Boss31Stream6_Emit(i32 unused);
void Boss31Stream6_Spawn(i32 k);
void Boss31Stream6_Update(i32 unused);
void Boss31Stream6_Draw(i32 unused);
void Boss31Stream7_Emit(i32 unused);
void Boss31Stream7_Spawn(i32 k);
void Boss31Stream7_Update(i32 unused);
void Boss31Stream7_Draw(i32 unused);
void Boss31Stream8_Emit(i32 unused);
void Boss31Stream8_Spawn(i32 k);
void Boss31Stream8_Update(i32 unused);
void Boss31Stream8_Draw(i32 unused);
