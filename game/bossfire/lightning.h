// The Lightning families of the alternate stage-4 boss: bolts of six unseen nodes thrown together from
// one point of the boss towards the ship, turned by the family's angle, each node at its own speed; the
// draw joins them with thick lines of warm colours that change every frame. Each family owns six nodes
// (lightning_data.h).
//
// Every routine takes one integer that it ignores:
//   _Spawn   one call per frame while the boss's window is open: throws a bolt unless one is in flight.
//   _Update  every unpaused frame: moves the nodes; the whole bolt retires in the frame its slowest node
//            (node 0) leaves the screen; a live node strikes the ship.
//   _Draw    every unpaused frame, after _Update: the five segments while node 0 is live. It draws two
//            random numbers every call, bolt or not.
#pragma once
#include "host/types.h"

void Boss4BLightning1_Spawn(i32 unused);
void Boss4BLightning1_Update(i32 unused);
void Boss4BLightning1_Draw(i32 unused);
void Boss4BLightning2_Spawn(i32 unused);
void Boss4BLightning2_Update(i32 unused);
void Boss4BLightning2_Draw(i32 unused);
void Boss4BLightning3_Spawn(i32 unused);
void Boss4BLightning3_Update(i32 unused);
void Boss4BLightning3_Draw(i32 unused);
void Boss4BLightning4_Spawn(i32 unused);
void Boss4BLightning4_Update(i32 unused);
void Boss4BLightning4_Draw(i32 unused);
void Boss4BLightning5_Spawn(i32 unused);
void Boss4BLightning5_Update(i32 unused);
void Boss4BLightning5_Draw(i32 unused);
void Boss4BLightning6_Spawn(i32 unused);
void Boss4BLightning6_Update(i32 unused);
void Boss4BLightning6_Draw(i32 unused);
