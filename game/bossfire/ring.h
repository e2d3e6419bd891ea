// The Ring families: radial spirals from a point below the boss, one bullet per firing value of the
// emitter clock (kept in the boss's emitterClock words), each turned 10 degrees from the last, in the
// family's sense. _Emit advances the clock and arms at most one slot (three in the 108-way families of
// the stage-1 boss); _Spawn(slot, k) arms the slot on angle index k when it is free; _Update moves,
// retires and tests the live bullets against the ship; _Draw draws every slot. The pools are in
// ring_data.h.
#pragma once
#include "host/types.h"

void Boss11Ring1_Emit(i32 unused);
void Boss11Ring1_Spawn(i32 slot, i32 k);
void Boss11Ring1_Update(i32 unused);
void Boss11Ring1_Draw(i32 unused);

void Boss11Ring2_Emit(i32 unused);
void Boss11Ring2_Spawn(i32 slot, i32 k);
void Boss11Ring2_Update(i32 unused);
void Boss11Ring2_Draw(i32 unused);

void Boss11Ring3_Emit(i32 unused);
void Boss11Ring3_Spawn(i32 slot, i32 k);
void Boss11Ring3_Update(i32 unused);
void Boss11Ring3_Draw(i32 unused);

void Boss11Ring4_Emit(i32 unused);
void Boss11Ring4_Spawn(i32 slot, i32 k);
void Boss11Ring4_Update(i32 unused);
void Boss11Ring4_Draw(i32 unused);

void Boss11Ring5_Emit(i32 unused);
void Boss11Ring5_Spawn(i32 slot, i32 k);
void Boss11Ring5_Update(i32 unused);
void Boss11Ring5_Draw(i32 unused);

void Boss11Ring6_Emit(i32 unused);
void Boss11Ring6_Spawn(i32 slot, i32 k);
void Boss11Ring6_Update(i32 unused);
void Boss11Ring6_Draw(i32 unused);

void Boss11Ring7_Emit(i32 unused);
void Boss11Ring7_Spawn(i32 slot, i32 k);
void Boss11Ring7_Update(i32 unused);
void Boss11Ring7_Draw(i32 unused);

void Boss11Ring8_Emit(i32 unused);
void Boss11Ring8_Spawn(i32 slot, i32 k);
void Boss11Ring8_Update(i32 unused);
void Boss11Ring8_Draw(i32 unused);

void Boss11Ring9_Emit(i32 unused);
void Boss11Ring9_Spawn(i32 slot, i32 k);
void Boss11Ring9_Update(i32 unused);
void Boss11Ring9_Draw(i32 unused);

void Boss11Ring10_Emit(i32 unused);
void Boss11Ring10_Spawn(i32 slot, i32 k);
void Boss11Ring10_Update(i32 unused);
void Boss11Ring10_Draw(i32 unused);

void Boss11Ring11_Emit(i32 unused);
void Boss11Ring11_Spawn(i32 slot, i32 k);
void Boss11Ring11_Update(i32 unused);
void Boss11Ring11_Draw(i32 unused);

void Boss11Ring12_Emit(i32 unused);
void Boss11Ring12_Spawn(i32 slot, i32 k);
void Boss11Ring12_Update(i32 unused);
void Boss11Ring12_Draw(i32 unused);

void Boss31Ring1_Emit(i32 unused);
void Boss31Ring1_Spawn(i32 slot, i32 k);
void Boss31Ring1_Update(i32 unused);
void Boss31Ring1_Draw(i32 unused);

void Boss31Ring2_Emit(i32 unused);
void Boss31Ring2_Spawn(i32 slot, i32 k);
void Boss31Ring2_Update(i32 unused);
void Boss31Ring2_Draw(i32 unused);

void Boss31Ring3_Emit(i32 unused);
void Boss31Ring3_Spawn(i32 slot, i32 k);
void Boss31Ring3_Update(i32 unused);
void Boss31Ring3_Draw(i32 unused);

void Boss31Ring4_Emit(i32 unused);
void Boss31Ring4_Spawn(i32 slot, i32 k);
void Boss31Ring4_Update(i32 unused);
void Boss31Ring4_Draw(i32 unused);

void Boss31Ring5_Emit(i32 unused);
void Boss31Ring5_Spawn(i32 slot, i32 k);
void Boss31Ring5_Update(i32 unused);
void Boss31Ring5_Draw(i32 unused);

void Boss31Ring6_Emit(i32 unused);
void Boss31Ring6_Spawn(i32 slot, i32 k);
void Boss31Ring6_Update(i32 unused);
void Boss31Ring6_Draw(i32 unused);

void Boss31Ring7_Emit(i32 unused);
void Boss31Ring7_Spawn(i32 slot, i32 k);
void Boss31Ring7_Update(i32 unused);
void Boss31Ring7_Draw(i32 unused);

void Boss31Ring8_Emit(i32 unused);
void Boss31Ring8_Spawn(i32 slot, i32 k);
void Boss31Ring8_Update(i32 unused);
void Boss31Ring8_Draw(i32 unused);

void Boss31Ring9_Emit(i32 unused);
void Boss31Ring9_Spawn(i32 slot, i32 k);
void Boss31Ring9_Update(i32 unused);
void Boss31Ring9_Draw(i32 unused);

void Boss31Ring10_Emit(i32 unused);
void Boss31Ring10_Spawn(i32 slot, i32 k);
void Boss31Ring10_Update(i32 unused);
void Boss31Ring10_Draw(i32 unused);
