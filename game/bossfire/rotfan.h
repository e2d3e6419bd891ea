// The RotFan families: aimed fans on a clock of their own, the bullets drawn turned along their
// headings (Boss11RotFan2 draws them unturned). Each family: _Emit advances its clock and fires the
// group whose value has come; _Spawn arms one slot of that group when it is free (first: the group's
// first slot); _Update moves, retires and tests the live bullets against the ship; _Draw draws every
// slot. The pools are in rotfan_data.h.
#pragma once
#include "host/types.h"

void Boss11RotFan1_Emit(i32 unused);
void Boss11RotFan1_Spawn(i32 slot, i32 first);
void Boss11RotFan1_Update(i32 unused);
void Boss11RotFan1_Draw(i32 unused);

void Boss11RotFan2_Emit(i32 unused);
void Boss11RotFan2_Spawn(i32 slot, i32 first);
void Boss11RotFan2_Update(i32 unused);
void Boss11RotFan2_Draw(i32 unused);

void Boss41RotFan1_Emit(i32 unused);
void Boss41RotFan1_Spawn(i32 slot, i32 first);
void Boss41RotFan1_Update(i32 unused);
void Boss41RotFan1_Draw(i32 unused);

void Boss41RotFan2_Emit(i32 unused);
void Boss41RotFan2_Spawn(i32 slot, i32 first);
void Boss41RotFan2_Update(i32 unused);
void Boss41RotFan2_Draw(i32 unused);

void Boss41RotFan3_Emit(i32 unused);
void Boss41RotFan3_Spawn(i32 slot, i32 first);
void Boss41RotFan3_Update(i32 unused);
void Boss41RotFan3_Draw(i32 unused);

void Boss41RotFan4_Emit(i32 unused);
void Boss41RotFan4_Spawn(i32 slot, i32 first);
void Boss41RotFan4_Update(i32 unused);
void Boss41RotFan4_Draw(i32 unused);

void Boss41RotFan5_Emit(i32 unused);
void Boss41RotFan5_Spawn(i32 slot, i32 first);
void Boss41RotFan5_Update(i32 unused);
void Boss41RotFan5_Draw(i32 unused);

void Boss41RotFan6_Emit(i32 unused);
void Boss41RotFan6_Spawn(i32 slot, i32 first);
void Boss41RotFan6_Update(i32 unused);
void Boss41RotFan6_Draw(i32 unused);

void Boss41RotFan7_Emit(i32 unused);
void Boss41RotFan7_Spawn(i32 slot, i32 first);
void Boss41RotFan7_Update(i32 unused);
void Boss41RotFan7_Draw(i32 unused);

void Boss41RotFan8_Emit(i32 unused);
void Boss41RotFan8_Spawn(i32 slot, i32 first);
void Boss41RotFan8_Update(i32 unused);
void Boss41RotFan8_Draw(i32 unused);

void Boss41RotFan9_Emit(i32 unused);
void Boss41RotFan9_Spawn(i32 slot, i32 first);
void Boss41RotFan9_Update(i32 unused);
void Boss41RotFan9_Draw(i32 unused);

void Boss41RotFan10_Emit(i32 unused);
void Boss41RotFan10_Spawn(i32 slot, i32 first);
void Boss41RotFan10_Update(i32 unused);
void Boss41RotFan10_Draw(i32 unused);

void Boss41RotFan11_Emit(i32 unused);
void Boss41RotFan11_Spawn(i32 slot, i32 first);
void Boss41RotFan11_Update(i32 unused);
void Boss41RotFan11_Draw(i32 unused);

void Boss41RotFan12_Emit(i32 unused);
void Boss41RotFan12_Spawn(i32 slot, i32 first);
void Boss41RotFan12_Update(i32 unused);
void Boss41RotFan12_Draw(i32 unused);

void Boss41RotFan13_Emit(i32 unused);
void Boss41RotFan13_Spawn(i32 slot, i32 first);
void Boss41RotFan13_Update(i32 unused);
void Boss41RotFan13_Draw(i32 unused);

void Boss41RotFan14_Emit(i32 unused);
void Boss41RotFan14_Spawn(i32 slot, i32 first);
void Boss41RotFan14_Update(i32 unused);
void Boss41RotFan14_Draw(i32 unused);

void Boss41RotFan15_Emit(i32 unused);
void Boss41RotFan15_Spawn(i32 slot, i32 first);
void Boss41RotFan15_Update(i32 unused);
void Boss41RotFan15_Draw(i32 unused);

void Boss41RotFan16_Emit(i32 unused);
void Boss41RotFan16_Spawn(i32 slot, i32 first);
void Boss41RotFan16_Update(i32 unused);
void Boss41RotFan16_Draw(i32 unused);

void Boss41RotFan17_Emit(i32 unused);
void Boss41RotFan17_Spawn(i32 slot, i32 first);
void Boss41RotFan17_Update(i32 unused);
void Boss41RotFan17_Draw(i32 unused);

void Boss41RotFan18_Emit(i32 unused);
void Boss41RotFan18_Spawn(i32 slot, i32 first);
void Boss41RotFan18_Update(i32 unused);
void Boss41RotFan18_Draw(i32 unused);

void Boss41RotFan19_Emit(i32 unused);
void Boss41RotFan19_Spawn(i32 slot, i32 first);
void Boss41RotFan19_Update(i32 unused);
void Boss41RotFan19_Draw(i32 unused);

void Boss41RotFan20_Emit(i32 unused);
void Boss41RotFan20_Spawn(i32 slot, i32 first);
void Boss41RotFan20_Update(i32 unused);
void Boss41RotFan20_Draw(i32 unused);

void Boss41RotFan21_Emit(i32 unused);
void Boss41RotFan21_Spawn(i32 slot, i32 first);
void Boss41RotFan21_Update(i32 unused);
void Boss41RotFan21_Draw(i32 unused);

void Boss71RotFan1_Emit(i32 unused);
void Boss71RotFan1_Spawn(i32 slot, i32 first);
void Boss71RotFan1_Update(i32 unused);
void Boss71RotFan1_Draw(i32 unused);

void Boss71RotFan2_Emit(i32 unused);
void Boss71RotFan2_Spawn(i32 slot, i32 first);
void Boss71RotFan2_Update(i32 unused);
void Boss71RotFan2_Draw(i32 unused);

void Boss71RotFan3_Emit(i32 unused);
void Boss71RotFan3_Spawn(i32 slot, i32 first);
void Boss71RotFan3_Update(i32 unused);
void Boss71RotFan3_Draw(i32 unused);

void Boss71RotFan4_Emit(i32 unused);
void Boss71RotFan4_Spawn(i32 slot, i32 first);
void Boss71RotFan4_Update(i32 unused);
void Boss71RotFan4_Draw(i32 unused);

void Boss71RotFan5_Emit(i32 unused);
void Boss71RotFan5_Spawn(i32 slot, i32 first);
void Boss71RotFan5_Update(i32 unused);
void Boss71RotFan5_Draw(i32 unused);

void Boss71RotFan6_Emit(i32 unused);
void Boss71RotFan6_Spawn(i32 slot, i32 first);
void Boss71RotFan6_Update(i32 unused);
void Boss71RotFan6_Draw(i32 unused);

void Boss71RotFan7_Emit(i32 unused);
void Boss71RotFan7_Spawn(i32 slot, i32 first);
void Boss71RotFan7_Update(i32 unused);
void Boss71RotFan7_Draw(i32 unused);
