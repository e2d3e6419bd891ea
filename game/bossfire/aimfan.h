// The AimFan families: groups aimed at the ship on a clock of their own, either a fan centred on the
// aim line (_Spawn(slot, first), first being the group's first slot) or a full ring with one bullet on
// it (_Spawn(slot)). _Emit advances the clock and fires the group whose value has come; _Update moves,
// retires and tests the live bullets against the ship; _Draw draws every slot and steps its cell.
// Boss11AimFan1 aims each bullet from one of four muzzles and has no separate spawn. The pools are in
// aimfan_data.h.
#pragma once
#include "host/types.h"

void Boss11AimFan1_Emit(i32 unused);
void Boss11AimFan1_Update(i32 unused);
void Boss11AimFan1_Draw(i32 unused);

// Fan form.
void Boss11AimFan2_Emit(i32 unused);
void Boss11AimFan2_Spawn(i32 slot, i32 first);
void Boss11AimFan2_Update(i32 unused);
void Boss11AimFan2_Draw(i32 unused);

void Boss11AimFan3_Emit(i32 unused);
void Boss11AimFan3_Spawn(i32 slot, i32 first);
void Boss11AimFan3_Update(i32 unused);
void Boss11AimFan3_Draw(i32 unused);

void Boss41AimFan3_Emit(i32 unused);
void Boss41AimFan3_Spawn(i32 slot, i32 first);
void Boss41AimFan3_Update(i32 unused);
void Boss41AimFan3_Draw(i32 unused);

void Boss41AimFan4_Emit(i32 unused);
void Boss41AimFan4_Spawn(i32 slot, i32 first);
void Boss41AimFan4_Update(i32 unused);
void Boss41AimFan4_Draw(i32 unused);

void Boss51AimFan1_Emit(i32 unused);
void Boss51AimFan1_Spawn(i32 slot, i32 first);
void Boss51AimFan1_Update(i32 unused);
void Boss51AimFan1_Draw(i32 unused);

void Boss51AimFan2_Emit(i32 unused);
void Boss51AimFan2_Spawn(i32 slot, i32 first);
void Boss51AimFan2_Update(i32 unused);
void Boss51AimFan2_Draw(i32 unused);

void Boss51AimFan3_Emit(i32 unused);
void Boss51AimFan3_Spawn(i32 slot, i32 first);
void Boss51AimFan3_Update(i32 unused);
void Boss51AimFan3_Draw(i32 unused);

void Boss51AimFan4_Emit(i32 unused);
void Boss51AimFan4_Spawn(i32 slot, i32 first);
void Boss51AimFan4_Update(i32 unused);
void Boss51AimFan4_Draw(i32 unused);

// Ring form.
void Boss2BAimFan1_Emit(i32 unused);
void Boss2BAimFan1_Spawn(i32 slot);
void Boss2BAimFan1_Update(i32 unused);
void Boss2BAimFan1_Draw(i32 unused);

void Boss2BAimFan2_Emit(i32 unused);
void Boss2BAimFan2_Spawn(i32 slot);
void Boss2BAimFan2_Update(i32 unused);
void Boss2BAimFan2_Draw(i32 unused);

void Boss31AimFan1_Emit(i32 unused);
void Boss31AimFan1_Spawn(i32 slot);
void Boss31AimFan1_Update(i32 unused);
void Boss31AimFan1_Draw(i32 unused);

void Boss31AimFan2_Emit(i32 unused);
void Boss31AimFan2_Spawn(i32 slot);
void Boss31AimFan2_Update(i32 unused);
void Boss31AimFan2_Draw(i32 unused);

void Boss31AimFan3_Emit(i32 unused);
void Boss31AimFan3_Spawn(i32 slot);
void Boss31AimFan3_Update(i32 unused);
void Boss31AimFan3_Draw(i32 unused);

void Boss31AimFan4_Emit(i32 unused);
void Boss31AimFan4_Spawn(i32 slot);
void Boss31AimFan4_Update(i32 unused);
void Boss31AimFan4_Draw(i32 unused);

void Boss31AimFan5_Emit(i32 unused);
void Boss31AimFan5_Spawn(i32 slot);
void Boss31AimFan5_Update(i32 unused);
void Boss31AimFan5_Draw(i32 unused);

void Boss41AimFan1_Emit(i32 unused);
void Boss41AimFan1_Spawn(i32 slot);
void Boss41AimFan1_Update(i32 unused);
void Boss41AimFan1_Draw(i32 unused);

void Boss41AimFan2_Emit(i32 unused);
void Boss41AimFan2_Spawn(i32 slot);
void Boss41AimFan2_Update(i32 unused);
void Boss41AimFan2_Draw(i32 unused);

void Boss71AimFan1_Emit(i32 unused);
void Boss71AimFan1_Spawn(i32 slot);
void Boss71AimFan1_Update(i32 unused);
void Boss71AimFan1_Draw(i32 unused);

void Boss71AimFan2_Emit(i32 unused);
void Boss71AimFan2_Spawn(i32 slot);
void Boss71AimFan2_Update(i32 unused);
void Boss71AimFan2_Draw(i32 unused);

void Boss4BAimFan1_Emit(i32 unused);
void Boss4BAimFan1_Spawn(i32 slot);
void Boss4BAimFan1_Update(i32 unused);
void Boss4BAimFan1_Draw(i32 unused);
