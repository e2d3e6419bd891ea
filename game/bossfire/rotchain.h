// The RotChain families: chains of six links and a head thrown together from one point of a boss at
// seven speeds along one heading, which swings by a fixed step per frame for the first 17/20 second of
// the throw while the pieces drift apart; the chain then falls. Odd families are thrown down and to the
// left, even ones are their mirror. Each family owns seven records (rotchain_data.h).
//
// Every routine takes one integer that it ignores:
//   _Spawn   one call per frame while the boss's window is open: throws a chain unless one is in flight.
//   _Update  every unpaused frame: moves, turns and drifts the pieces; the whole chain retires in the
//            frame its slowest link (record 0) leaves the screen; a live piece strikes the ship.
//   _Draw    every unpaused frame, after _Update: the live pieces, rotated to their heading.
#pragma once
#include "host/types.h"

void Boss41RotChain1_Spawn(i32 unused);
void Boss41RotChain1_Update(i32 unused);
void Boss41RotChain1_Draw(i32 unused);
void Boss41RotChain2_Spawn(i32 unused);
void Boss41RotChain2_Update(i32 unused);
void Boss41RotChain2_Draw(i32 unused);
void Boss41RotChain3_Spawn(i32 unused);
void Boss41RotChain3_Update(i32 unused);
void Boss41RotChain3_Draw(i32 unused);
void Boss41RotChain4_Spawn(i32 unused);
void Boss41RotChain4_Update(i32 unused);
void Boss41RotChain4_Draw(i32 unused);
void Boss51RotChain1_Spawn(i32 unused);
void Boss51RotChain1_Update(i32 unused);
void Boss51RotChain1_Draw(i32 unused);
void Boss51RotChain2_Spawn(i32 unused);
void Boss51RotChain2_Update(i32 unused);
void Boss51RotChain2_Draw(i32 unused);
