// The Volley bullet families: pairs that fall from two points beside their boss (some drawing apart as they
// fall) and columns of three that fan out into slanted lines. Emit runs the family's group clock and arms
// the groups it reaches; Spawn arms one slot of a group (only Emit calls it); Update moves, retires and
// strikes; Draw draws every slot. The single integer arguments are ignored. The pools are in volley_data.h.
#pragma once
#include "host/types.h"

void Boss11Volley1_Emit(i32 unused);
void Boss11Volley1_Spawn(i32 slot, i32 first);
void Boss11Volley1_Update(i32 unused);
void Boss11Volley1_Draw(i32 unused);

void Boss11Volley2_Emit(i32 unused);
void Boss11Volley2_Spawn(i32 slot, i32 first);
void Boss11Volley2_Update(i32 unused);
void Boss11Volley2_Draw(i32 unused);

void Boss11Volley3_Emit(i32 unused);
void Boss11Volley3_Spawn(i32 slot, i32 first);
void Boss11Volley3_Update(i32 unused);
void Boss11Volley3_Draw(i32 unused);

void Boss11Volley4_Emit(i32 unused);
void Boss11Volley4_Spawn(i32 slot, i32 first);
void Boss11Volley4_Update(i32 unused);
void Boss11Volley4_Draw(i32 unused);

void Boss11Volley5_Emit(i32 unused);
void Boss11Volley5_Spawn(i32 slot, i32 first);
void Boss11Volley5_Update(i32 unused);
void Boss11Volley5_Draw(i32 unused);

void Boss11Volley6_Emit(i32 unused);
void Boss11Volley6_Spawn(i32 slot, i32 first);
void Boss11Volley6_Update(i32 unused);
void Boss11Volley6_Draw(i32 unused);

void Boss71Volley1_Emit(i32 unused);
void Boss71Volley1_Spawn(i32 slot, i32 first);
void Boss71Volley1_Update(i32 unused);
void Boss71Volley1_Draw(i32 unused);

void Boss71Volley2_Emit(i32 unused);
void Boss71Volley2_Spawn(i32 slot, i32 first);
void Boss71Volley2_Update(i32 unused);
void Boss71Volley2_Draw(i32 unused);

void Boss71Volley3_Emit(i32 unused);
void Boss71Volley3_Spawn(i32 slot, i32 first);
void Boss71Volley3_Update(i32 unused);
void Boss71Volley3_Draw(i32 unused);

void Boss71Volley4_Emit(i32 unused);
void Boss71Volley4_Spawn(i32 slot, i32 first);
void Boss71Volley4_Update(i32 unused);
void Boss71Volley4_Draw(i32 unused);

void Boss71Volley5_Emit(i32 unused);
void Boss71Volley5_Spawn(i32 slot, i32 first);
void Boss71Volley5_Update(i32 unused);
void Boss71Volley5_Draw(i32 unused);

void Boss71Volley6_Emit(i32 unused);
void Boss71Volley6_Spawn(i32 slot, i32 first);
void Boss71Volley6_Update(i32 unused);
void Boss71Volley6_Draw(i32 unused);

void Boss31Volley1_Emit(i32 unused);
void Boss31Volley1_Spawn(i32 slot, i32 first);
void Boss31Volley1_Update(i32 unused);
void Boss31Volley1_Draw(i32 unused);

void Boss31Volley2_Emit(i32 unused);
void Boss31Volley2_Spawn(i32 slot, i32 first);
void Boss31Volley2_Update(i32 unused);
void Boss31Volley2_Draw(i32 unused);

void Boss41Volley1_Emit(i32 unused);
void Boss41Volley1_Spawn(i32 slot, i32 first);
void Boss41Volley1_Update(i32 unused);
void Boss41Volley1_Draw(i32 unused);

void Boss41Volley2_Emit(i32 unused);
void Boss41Volley2_Spawn(i32 slot, i32 first);
void Boss41Volley2_Update(i32 unused);
void Boss41Volley2_Draw(i32 unused);

void Boss41Volley3_Emit(i32 unused);
void Boss41Volley3_Spawn(i32 slot, i32 first);
void Boss41Volley3_Update(i32 unused);
void Boss41Volley3_Draw(i32 unused);

void Boss4BVolley1_Emit(i32 unused);
void Boss4BVolley1_Spawn(i32 slot, i32 first);
void Boss4BVolley1_Update(i32 unused);
void Boss4BVolley1_Draw(i32 unused);

void Boss4BVolley2_Emit(i32 unused);
void Boss4BVolley2_Spawn(i32 slot, i32 first);
void Boss4BVolley2_Update(i32 unused);
void Boss4BVolley2_Draw(i32 unused);
