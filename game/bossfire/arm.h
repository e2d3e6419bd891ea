// The Arm bullet families: large single shots thrown from one point of their boss, one every ten emitter
// calls, falling straight or slanting to one side. Emit, Spawn (called by Emit only), Update, Draw; the
// single integer arguments are ignored. The pools are in arm_data.h.
#pragma once
#include "host/types.h"

void Boss11Arm1_Emit(i32 unused);
void Boss11Arm1_Spawn(i32 slot, i32 first);
void Boss11Arm1_Update(i32 unused);
void Boss11Arm1_Draw(i32 unused);

void Boss11Arm2_Emit(i32 unused);
void Boss11Arm2_Spawn(i32 slot, i32 first);
void Boss11Arm2_Update(i32 unused);
void Boss11Arm2_Draw(i32 unused);

void Boss31Arm1_Emit(i32 unused);
void Boss31Arm1_Spawn(i32 slot, i32 first);
void Boss31Arm1_Update(i32 unused);
void Boss31Arm1_Draw(i32 unused);

void Boss31Arm2_Emit(i32 unused);
void Boss31Arm2_Spawn(i32 slot, i32 first);
void Boss31Arm2_Update(i32 unused);
void Boss31Arm2_Draw(i32 unused);

void Boss31Arm3_Emit(i32 unused);
void Boss31Arm3_Spawn(i32 slot, i32 first);
void Boss31Arm3_Update(i32 unused);
void Boss31Arm3_Draw(i32 unused);

void Boss31Arm4_Emit(i32 unused);
void Boss31Arm4_Spawn(i32 slot, i32 first);
void Boss31Arm4_Update(i32 unused);
void Boss31Arm4_Draw(i32 unused);

void Boss71Arm1_Emit(i32 unused);
void Boss71Arm1_Spawn(i32 slot, i32 first);
void Boss71Arm1_Update(i32 unused);
void Boss71Arm1_Draw(i32 unused);

void Boss71Arm2_Emit(i32 unused);
void Boss71Arm2_Spawn(i32 slot, i32 first);
void Boss71Arm2_Update(i32 unused);
void Boss71Arm2_Draw(i32 unused);

void Boss71Arm3_Emit(i32 unused);
void Boss71Arm3_Spawn(i32 slot, i32 first);
void Boss71Arm3_Update(i32 unused);
void Boss71Arm3_Draw(i32 unused);

void Boss71Arm4_Emit(i32 unused);
void Boss71Arm4_Spawn(i32 slot, i32 first);
void Boss71Arm4_Update(i32 unused);
void Boss71Arm4_Draw(i32 unused);

void Boss71Arm5_Emit(i32 unused);
void Boss71Arm5_Spawn(i32 slot, i32 first);
void Boss71Arm5_Update(i32 unused);
void Boss71Arm5_Draw(i32 unused);

void Boss71Arm6_Emit(i32 unused);
void Boss71Arm6_Spawn(i32 slot, i32 first);
void Boss71Arm6_Update(i32 unused);
void Boss71Arm6_Draw(i32 unused);

void Boss71Arm7_Emit(i32 unused);
void Boss71Arm7_Spawn(i32 slot, i32 first);
void Boss71Arm7_Update(i32 unused);
void Boss71Arm7_Draw(i32 unused);

void Boss71Arm8_Emit(i32 unused);
void Boss71Arm8_Spawn(i32 slot, i32 first);
void Boss71Arm8_Update(i32 unused);
void Boss71Arm8_Draw(i32 unused);

void Boss71Arm9_Emit(i32 unused);
void Boss71Arm9_Spawn(i32 slot, i32 first);
void Boss71Arm9_Update(i32 unused);
void Boss71Arm9_Draw(i32 unused);
