// The Rot5Way families: a line of five (eight in Boss41Rot5Way29 and Boss41Rot5Way30) sent from one
// muzzle on one heading aimed at the ship and turned by the family's angle, each slot at its own speed.
// _Spawn arms every free slot (a whole line or nothing); _Update moves the line, frees it as a whole
// once its slowest bullet (slot 0) has left the field, and tests the live bullets against the ship;
// _Draw draws the line. The pools are in rot5way_data.h.
#pragma once
#include "host/types.h"

void Boss11Rot5Way1_Spawn(i32 unused);
void Boss11Rot5Way1_Update(i32 unused);
void Boss11Rot5Way1_Draw(i32 unused);

void Boss11Rot5Way2_Spawn(i32 unused);
void Boss11Rot5Way2_Update(i32 unused);
void Boss11Rot5Way2_Draw(i32 unused);

void Boss11Rot5Way3_Spawn(i32 unused);
void Boss11Rot5Way3_Update(i32 unused);
void Boss11Rot5Way3_Draw(i32 unused);

void Boss11Rot5Way4_Spawn(i32 unused);
void Boss11Rot5Way4_Update(i32 unused);
void Boss11Rot5Way4_Draw(i32 unused);

void Boss11Rot5Way5_Spawn(i32 unused);
void Boss11Rot5Way5_Update(i32 unused);
void Boss11Rot5Way5_Draw(i32 unused);

void Boss11Rot5Way6_Spawn(i32 unused);
void Boss11Rot5Way6_Update(i32 unused);
void Boss11Rot5Way6_Draw(i32 unused);

void Boss11Rot5Way7_Spawn(i32 unused);
void Boss11Rot5Way7_Update(i32 unused);
void Boss11Rot5Way7_Draw(i32 unused);

void Boss11Rot5Way8_Spawn(i32 unused);
void Boss11Rot5Way8_Update(i32 unused);
void Boss11Rot5Way8_Draw(i32 unused);

void Boss11Rot5Way9_Spawn(i32 unused);
void Boss11Rot5Way9_Update(i32 unused);
void Boss11Rot5Way9_Draw(i32 unused);

void Boss11Rot5Way10_Spawn(i32 unused);
void Boss11Rot5Way10_Update(i32 unused);
void Boss11Rot5Way10_Draw(i32 unused);

void Boss41Rot5Way1_Spawn(i32 unused);
void Boss41Rot5Way1_Update(i32 unused);
void Boss41Rot5Way1_Draw(i32 unused);

void Boss41Rot5Way2_Spawn(i32 unused);
void Boss41Rot5Way2_Update(i32 unused);
void Boss41Rot5Way2_Draw(i32 unused);

void Boss41Rot5Way3_Spawn(i32 unused);
void Boss41Rot5Way3_Update(i32 unused);
void Boss41Rot5Way3_Draw(i32 unused);

void Boss41Rot5Way4_Spawn(i32 unused);
void Boss41Rot5Way4_Update(i32 unused);
void Boss41Rot5Way4_Draw(i32 unused);

void Boss41Rot5Way5_Spawn(i32 unused);
void Boss41Rot5Way5_Update(i32 unused);
void Boss41Rot5Way5_Draw(i32 unused);

void Boss41Rot5Way6_Spawn(i32 unused);
void Boss41Rot5Way6_Update(i32 unused);
void Boss41Rot5Way6_Draw(i32 unused);

void Boss41Rot5Way7_Spawn(i32 unused);
void Boss41Rot5Way7_Update(i32 unused);
void Boss41Rot5Way7_Draw(i32 unused);

void Boss41Rot5Way8_Spawn(i32 unused);
void Boss41Rot5Way8_Update(i32 unused);
void Boss41Rot5Way8_Draw(i32 unused);

void Boss41Rot5Way9_Spawn(i32 unused);
void Boss41Rot5Way9_Update(i32 unused);
void Boss41Rot5Way9_Draw(i32 unused);

void Boss41Rot5Way10_Spawn(i32 unused);
void Boss41Rot5Way10_Update(i32 unused);
void Boss41Rot5Way10_Draw(i32 unused);

void Boss41Rot5Way11_Spawn(i32 unused);
void Boss41Rot5Way11_Update(i32 unused);
void Boss41Rot5Way11_Draw(i32 unused);

void Boss41Rot5Way12_Spawn(i32 unused);
void Boss41Rot5Way12_Update(i32 unused);
void Boss41Rot5Way12_Draw(i32 unused);

void Boss41Rot5Way13_Spawn(i32 unused);
void Boss41Rot5Way13_Update(i32 unused);
void Boss41Rot5Way13_Draw(i32 unused);

void Boss41Rot5Way14_Spawn(i32 unused);
void Boss41Rot5Way14_Update(i32 unused);
void Boss41Rot5Way14_Draw(i32 unused);

void Boss41Rot5Way15_Spawn(i32 unused);
void Boss41Rot5Way15_Update(i32 unused);
void Boss41Rot5Way15_Draw(i32 unused);

void Boss41Rot5Way16_Spawn(i32 unused);
void Boss41Rot5Way16_Update(i32 unused);
void Boss41Rot5Way16_Draw(i32 unused);

void Boss41Rot5Way17_Spawn(i32 unused);
void Boss41Rot5Way17_Update(i32 unused);
void Boss41Rot5Way17_Draw(i32 unused);

void Boss41Rot5Way18_Spawn(i32 unused);
void Boss41Rot5Way18_Update(i32 unused);
void Boss41Rot5Way18_Draw(i32 unused);

void Boss41Rot5Way19_Spawn(i32 unused);
void Boss41Rot5Way19_Update(i32 unused);
void Boss41Rot5Way19_Draw(i32 unused);

void Boss41Rot5Way20_Spawn(i32 unused);
void Boss41Rot5Way20_Update(i32 unused);
void Boss41Rot5Way20_Draw(i32 unused);

void Boss41Rot5Way21_Spawn(i32 unused);
void Boss41Rot5Way21_Update(i32 unused);
void Boss41Rot5Way21_Draw(i32 unused);

void Boss41Rot5Way22_Spawn(i32 unused);
void Boss41Rot5Way22_Update(i32 unused);
void Boss41Rot5Way22_Draw(i32 unused);

void Boss41Rot5Way23_Spawn(i32 unused);
void Boss41Rot5Way23_Update(i32 unused);
void Boss41Rot5Way23_Draw(i32 unused);

void Boss41Rot5Way24_Spawn(i32 unused);
void Boss41Rot5Way24_Update(i32 unused);
void Boss41Rot5Way24_Draw(i32 unused);

void Boss41Rot5Way25_Spawn(i32 unused);
void Boss41Rot5Way25_Update(i32 unused);
void Boss41Rot5Way25_Draw(i32 unused);

void Boss41Rot5Way26_Spawn(i32 unused);
void Boss41Rot5Way26_Update(i32 unused);
void Boss41Rot5Way26_Draw(i32 unused);

void Boss41Rot5Way27_Spawn(i32 unused);
void Boss41Rot5Way27_Update(i32 unused);
void Boss41Rot5Way27_Draw(i32 unused);

void Boss41Rot5Way28_Spawn(i32 unused);
void Boss41Rot5Way28_Update(i32 unused);
void Boss41Rot5Way28_Draw(i32 unused);

void Boss41Rot5Way29_Spawn(i32 unused);
void Boss41Rot5Way29_Update(i32 unused);
void Boss41Rot5Way29_Draw(i32 unused);

void Boss41Rot5Way30_Spawn(i32 unused);
void Boss41Rot5Way30_Update(i32 unused);
void Boss41Rot5Way30_Draw(i32 unused);

void Boss71Rot5Way1_Spawn(i32 unused);
void Boss71Rot5Way1_Update(i32 unused);
void Boss71Rot5Way1_Draw(i32 unused);

void Boss71Rot5Way2_Spawn(i32 unused);
void Boss71Rot5Way2_Update(i32 unused);
void Boss71Rot5Way2_Draw(i32 unused);

void Boss71Rot5Way3_Spawn(i32 unused);
void Boss71Rot5Way3_Update(i32 unused);
void Boss71Rot5Way3_Draw(i32 unused);

void Boss71Rot5Way4_Spawn(i32 unused);
void Boss71Rot5Way4_Update(i32 unused);
void Boss71Rot5Way4_Draw(i32 unused);

void Boss71Rot5Way5_Spawn(i32 unused);
void Boss71Rot5Way5_Update(i32 unused);
void Boss71Rot5Way5_Draw(i32 unused);

void Boss71Rot5Way6_Spawn(i32 unused);
void Boss71Rot5Way6_Update(i32 unused);
void Boss71Rot5Way6_Draw(i32 unused);

void Boss71Rot5Way7_Spawn(i32 unused);
void Boss71Rot5Way7_Update(i32 unused);
void Boss71Rot5Way7_Draw(i32 unused);

void Boss71Rot5Way8_Spawn(i32 unused);
void Boss71Rot5Way8_Update(i32 unused);
void Boss71Rot5Way8_Draw(i32 unused);

void Boss71Rot5Way9_Spawn(i32 unused);
void Boss71Rot5Way9_Update(i32 unused);
void Boss71Rot5Way9_Draw(i32 unused);

void Boss71Rot5Way10_Spawn(i32 unused);
void Boss71Rot5Way10_Update(i32 unused);
void Boss71Rot5Way10_Draw(i32 unused);

void Boss71Rot5Way11_Spawn(i32 unused);
void Boss71Rot5Way11_Update(i32 unused);
void Boss71Rot5Way11_Draw(i32 unused);

void Boss71Rot5Way12_Spawn(i32 unused);
void Boss71Rot5Way12_Update(i32 unused);
void Boss71Rot5Way12_Draw(i32 unused);
