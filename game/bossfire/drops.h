// The Drops bullet families: clusters of two to four small bullets released from one point below their boss
// that spread sideways as they fall. Spawn arms every free slot; Update moves, retires and strikes; Draw
// draws every slot. The integer arguments are ignored. The pools are in drops_data.h.
#pragma once
#include "host/types.h"

void Boss11Drops1_Spawn(i32 unused);
void Boss11Drops1_Update(i32 unused);
void Boss11Drops1_Draw(i32 unused);

void Boss11Drops2_Spawn(i32 unused);
void Boss11Drops2_Update(i32 unused);
void Boss11Drops2_Draw(i32 unused);

void Boss11Drops3_Spawn(i32 unused);
void Boss11Drops3_Update(i32 unused);
void Boss11Drops3_Draw(i32 unused);

void Boss2BDrops1_Spawn(i32 unused);
void Boss2BDrops1_Update(i32 unused);
void Boss2BDrops1_Draw(i32 unused);

void Boss2BDrops2_Spawn(i32 unused);
void Boss2BDrops2_Update(i32 unused);
void Boss2BDrops2_Draw(i32 unused);

void Boss2BDrops3_Spawn(i32 unused);
void Boss2BDrops3_Update(i32 unused);
void Boss2BDrops3_Draw(i32 unused);

void Boss2BDrops4_Spawn(i32 unused);
void Boss2BDrops4_Update(i32 unused);
void Boss2BDrops4_Draw(i32 unused);

void Boss2BDrops5_Spawn(i32 unused);
void Boss2BDrops5_Update(i32 unused);
void Boss2BDrops5_Draw(i32 unused);

void Boss31Drops1_Spawn(i32 unused);
void Boss31Drops1_Update(i32 unused);
void Boss31Drops1_Draw(i32 unused);

void Boss31Drops2_Spawn(i32 unused);
void Boss31Drops2_Update(i32 unused);
void Boss31Drops2_Draw(i32 unused);

void Boss31Drops3_Spawn(i32 unused);
void Boss31Drops3_Update(i32 unused);
void Boss31Drops3_Draw(i32 unused);

void Boss31Drops4_Spawn(i32 unused);
void Boss31Drops4_Update(i32 unused);
void Boss31Drops4_Draw(i32 unused);

void Boss31Drops5_Spawn(i32 unused);
void Boss31Drops5_Update(i32 unused);
void Boss31Drops5_Draw(i32 unused);

void Boss31Drops6_Spawn(i32 unused);
void Boss31Drops6_Update(i32 unused);
void Boss31Drops6_Draw(i32 unused);

void Boss31Drops7_Spawn(i32 unused);
void Boss31Drops7_Update(i32 unused);
void Boss31Drops7_Draw(i32 unused);

void Boss41Drops1_Spawn(i32 unused);
void Boss41Drops1_Update(i32 unused);
void Boss41Drops1_Draw(i32 unused);

void Boss41Drops2_Spawn(i32 unused);
void Boss41Drops2_Update(i32 unused);
void Boss41Drops2_Draw(i32 unused);

void Boss41Drops3_Spawn(i32 unused);
void Boss41Drops3_Update(i32 unused);
void Boss41Drops3_Draw(i32 unused);

void Boss41Drops4_Spawn(i32 unused);
void Boss41Drops4_Update(i32 unused);
void Boss41Drops4_Draw(i32 unused);

void Boss41Drops5_Spawn(i32 unused);
void Boss41Drops5_Update(i32 unused);
void Boss41Drops5_Draw(i32 unused);

void Boss41Drops6_Spawn(i32 unused);
void Boss41Drops6_Update(i32 unused);
void Boss41Drops6_Draw(i32 unused);

void Boss41Drops7_Spawn(i32 unused);
void Boss41Drops7_Update(i32 unused);
void Boss41Drops7_Draw(i32 unused);

void Boss41Drops8_Spawn(i32 unused);
void Boss41Drops8_Update(i32 unused);
void Boss41Drops8_Draw(i32 unused);

void Boss41Drops9_Spawn(i32 unused);
void Boss41Drops9_Update(i32 unused);
void Boss41Drops9_Draw(i32 unused);

void Boss51Drops1_Spawn(i32 unused);
void Boss51Drops1_Update(i32 unused);
void Boss51Drops1_Draw(i32 unused);

void Boss51Drops2_Spawn(i32 unused);
void Boss51Drops2_Update(i32 unused);
void Boss51Drops2_Draw(i32 unused);

void Boss51Drops3_Spawn(i32 unused);
void Boss51Drops3_Update(i32 unused);
void Boss51Drops3_Draw(i32 unused);

void Boss51Drops4_Spawn(i32 unused);
void Boss51Drops4_Update(i32 unused);
void Boss51Drops4_Draw(i32 unused);

void Boss51Drops5_Spawn(i32 unused);
void Boss51Drops5_Update(i32 unused);
void Boss51Drops5_Draw(i32 unused);

void Boss51Drops6_Spawn(i32 unused);
void Boss51Drops6_Update(i32 unused);
void Boss51Drops6_Draw(i32 unused);

void Boss51Drops7_Spawn(i32 unused);
void Boss51Drops7_Update(i32 unused);
void Boss51Drops7_Draw(i32 unused);

void Boss51Drops8_Spawn(i32 unused);
void Boss51Drops8_Update(i32 unused);
void Boss51Drops8_Draw(i32 unused);

void Boss51Drops9_Spawn(i32 unused);
void Boss51Drops9_Update(i32 unused);
void Boss51Drops9_Draw(i32 unused);

void Boss4BDrops1_Spawn(i32 unused);
void Boss4BDrops1_Update(i32 unused);
void Boss4BDrops1_Draw(i32 unused);

void Boss4BDrops2_Spawn(i32 unused);
void Boss4BDrops2_Update(i32 unused);
void Boss4BDrops2_Draw(i32 unused);

void Boss4BDrops3_Spawn(i32 unused);
void Boss4BDrops3_Update(i32 unused);
void Boss4BDrops3_Draw(i32 unused);

void Boss4BDrops4_Spawn(i32 unused);
void Boss4BDrops4_Update(i32 unused);
void Boss4BDrops4_Draw(i32 unused);

void Boss4BDrops5_Spawn(i32 unused);
void Boss4BDrops5_Update(i32 unused);
void Boss4BDrops5_Draw(i32 unused);

void Boss4BDrops6_Spawn(i32 unused);
void Boss4BDrops6_Update(i32 unused);
void Boss4BDrops6_Draw(i32 unused);

void Boss4BDrops7_Spawn(i32 unused);
void Boss4BDrops7_Update(i32 unused);
void Boss4BDrops7_Draw(i32 unused);

void Boss4BDrops8_Spawn(i32 unused);
void Boss4BDrops8_Update(i32 unused);
void Boss4BDrops8_Draw(i32 unused);

void Boss4BDrops9_Spawn(i32 unused);
void Boss4BDrops9_Update(i32 unused);
void Boss4BDrops9_Draw(i32 unused);

void Boss71Drops1_Spawn(i32 unused);
void Boss71Drops1_Update(i32 unused);
void Boss71Drops1_Draw(i32 unused);

void Boss71Drops2_Spawn(i32 unused);
void Boss71Drops2_Update(i32 unused);
void Boss71Drops2_Draw(i32 unused);

void Boss71Drops3_Spawn(i32 unused);
void Boss71Drops3_Update(i32 unused);
void Boss71Drops3_Draw(i32 unused);

void Boss71Drops4_Spawn(i32 unused);
void Boss71Drops4_Update(i32 unused);
void Boss71Drops4_Draw(i32 unused);

void Boss71Drops5_Spawn(i32 unused);
void Boss71Drops5_Update(i32 unused);
void Boss71Drops5_Draw(i32 unused);

void Boss71Drops6_Spawn(i32 unused);
void Boss71Drops6_Update(i32 unused);
void Boss71Drops6_Draw(i32 unused);

void Boss71Drops7_Spawn(i32 unused);
void Boss71Drops7_Update(i32 unused);
void Boss71Drops7_Draw(i32 unused);

void Boss71Drops8_Spawn(i32 unused);
void Boss71Drops8_Update(i32 unused);
void Boss71Drops8_Draw(i32 unused);

void Boss71Drops9_Spawn(i32 unused);
void Boss71Drops9_Update(i32 unused);
void Boss71Drops9_Draw(i32 unused);

void Boss5BDrops1_Spawn(i32 unused);
void Boss5BDrops1_Update(i32 unused);
void Boss5BDrops1_Draw(i32 unused);

void Boss5BDrops2_Spawn(i32 unused);
void Boss5BDrops2_Update(i32 unused);
void Boss5BDrops2_Draw(i32 unused);

void Boss5BDrops3_Spawn(i32 unused);
void Boss5BDrops3_Update(i32 unused);
void Boss5BDrops3_Draw(i32 unused);

void Boss5BDrops4_Spawn(i32 unused);
void Boss5BDrops4_Update(i32 unused);
void Boss5BDrops4_Draw(i32 unused);

void Boss5BDrops5_Spawn(i32 unused);
void Boss5BDrops5_Update(i32 unused);
void Boss5BDrops5_Draw(i32 unused);

void Boss5BDrops6_Spawn(i32 unused);
void Boss5BDrops6_Update(i32 unused);
void Boss5BDrops6_Draw(i32 unused);

void Boss5BDrops7_Spawn(i32 unused);
void Boss5BDrops7_Update(i32 unused);
void Boss5BDrops7_Draw(i32 unused);

void Boss5BDrops8_Spawn(i32 unused);
void Boss5BDrops8_Update(i32 unused);
void Boss5BDrops8_Draw(i32 unused);

void Boss5BDrops9_Spawn(i32 unused);
void Boss5BDrops9_Update(i32 unused);
void Boss5BDrops9_Draw(i32 unused);
