// The Arc bullet families: groups of five (one family seven) armed below their boss that open into an arc
// as they fall; some slide sideways, some are laid out wide with only their ends drifting. Emit runs the
// group clock and arms the groups it reaches; Spawn arms one slot of a group (only Emit calls it;
// Boss11Arc2 and Boss11Arc3 arm inside their Emit and have none); Update moves, retires and strikes; Draw
// draws every slot. The single integer arguments are ignored. The pools are in arc_data.h.
#pragma once
#include "host/types.h"

void Boss11Arc1_Emit(i32 unused);
void Boss11Arc1_Spawn(i32 slot, i32 first);
void Boss11Arc1_Update(i32 unused);
void Boss11Arc1_Draw(i32 unused);

void Boss11Arc2_Emit(i32 unused);
void Boss11Arc2_Update(i32 unused);
void Boss11Arc2_Draw(i32 unused);

void Boss11Arc3_Emit(i32 unused);
void Boss11Arc3_Update(i32 unused);
void Boss11Arc3_Draw(i32 unused);

void Boss2BArc1_Emit(i32 unused);
void Boss2BArc1_Spawn(i32 slot, i32 first);
void Boss2BArc1_Update(i32 unused);
void Boss2BArc1_Draw(i32 unused);

void Boss2BArc2_Emit(i32 unused);
void Boss2BArc2_Spawn(i32 slot, i32 first);
void Boss2BArc2_Update(i32 unused);
void Boss2BArc2_Draw(i32 unused);

void Boss2BArc3_Emit(i32 unused);
void Boss2BArc3_Spawn(i32 slot, i32 first);
void Boss2BArc3_Update(i32 unused);
void Boss2BArc3_Draw(i32 unused);

void Boss2BArc4_Emit(i32 unused);
void Boss2BArc4_Spawn(i32 slot, i32 first);
void Boss2BArc4_Update(i32 unused);
void Boss2BArc4_Draw(i32 unused);

void Boss2BArc5_Emit(i32 unused);
void Boss2BArc5_Spawn(i32 slot, i32 first);
void Boss2BArc5_Update(i32 unused);
void Boss2BArc5_Draw(i32 unused);

void Boss31Arc1_Emit(i32 unused);
void Boss31Arc1_Spawn(i32 slot, i32 first);
void Boss31Arc1_Update(i32 unused);
void Boss31Arc1_Draw(i32 unused);

void Boss31Arc2_Emit(i32 unused);
void Boss31Arc2_Spawn(i32 slot, i32 first);
void Boss31Arc2_Update(i32 unused);
void Boss31Arc2_Draw(i32 unused);

void Boss31Arc3_Emit(i32 unused);
void Boss31Arc3_Spawn(i32 slot, i32 first);
void Boss31Arc3_Update(i32 unused);
void Boss31Arc3_Draw(i32 unused);

void Boss31Arc4_Emit(i32 unused);
void Boss31Arc4_Spawn(i32 slot, i32 first);
void Boss31Arc4_Update(i32 unused);
void Boss31Arc4_Draw(i32 unused);

void Boss31Arc5_Emit(i32 unused);
void Boss31Arc5_Spawn(i32 slot, i32 first);
void Boss31Arc5_Update(i32 unused);
void Boss31Arc5_Draw(i32 unused);

void Boss41Arc1_Emit(i32 unused);
void Boss41Arc1_Spawn(i32 slot, i32 first);
void Boss41Arc1_Update(i32 unused);
void Boss41Arc1_Draw(i32 unused);

void Boss41Arc2_Emit(i32 unused);
void Boss41Arc2_Spawn(i32 slot, i32 first);
void Boss41Arc2_Update(i32 unused);
void Boss41Arc2_Draw(i32 unused);

void Boss41Arc3_Emit(i32 unused);
void Boss41Arc3_Spawn(i32 slot, i32 first);
void Boss41Arc3_Update(i32 unused);
void Boss41Arc3_Draw(i32 unused);

void Boss41Arc4_Emit(i32 unused);
void Boss41Arc4_Spawn(i32 slot, i32 first);
void Boss41Arc4_Update(i32 unused);
void Boss41Arc4_Draw(i32 unused);

void Boss41Arc5_Emit(i32 unused);
void Boss41Arc5_Spawn(i32 slot, i32 first);
void Boss41Arc5_Update(i32 unused);
void Boss41Arc5_Draw(i32 unused);

void Boss41Arc6_Emit(i32 unused);
void Boss41Arc6_Spawn(i32 slot, i32 first);
void Boss41Arc6_Update(i32 unused);
void Boss41Arc6_Draw(i32 unused);

void Boss41Arc7_Emit(i32 unused);
void Boss41Arc7_Spawn(i32 slot, i32 first);
void Boss41Arc7_Update(i32 unused);
void Boss41Arc7_Draw(i32 unused);

void Boss51Arc1_Emit(i32 unused);
void Boss51Arc1_Spawn(i32 slot, i32 first);
void Boss51Arc1_Update(i32 unused);
void Boss51Arc1_Draw(i32 unused);

void Boss51Arc2_Emit(i32 unused);
void Boss51Arc2_Spawn(i32 slot, i32 first);
void Boss51Arc2_Update(i32 unused);
void Boss51Arc2_Draw(i32 unused);

void Boss51Arc3_Emit(i32 unused);
void Boss51Arc3_Spawn(i32 slot, i32 first);
void Boss51Arc3_Update(i32 unused);
void Boss51Arc3_Draw(i32 unused);

void Boss51Arc4_Emit(i32 unused);
void Boss51Arc4_Spawn(i32 slot, i32 first);
void Boss51Arc4_Update(i32 unused);
void Boss51Arc4_Draw(i32 unused);

void Boss51Arc5_Emit(i32 unused);
void Boss51Arc5_Spawn(i32 slot, i32 first);
void Boss51Arc5_Update(i32 unused);
void Boss51Arc5_Draw(i32 unused);

void Boss51Arc6_Emit(i32 unused);
void Boss51Arc6_Spawn(i32 slot, i32 first);
void Boss51Arc6_Update(i32 unused);
void Boss51Arc6_Draw(i32 unused);

void Boss51Arc7_Emit(i32 unused);
void Boss51Arc7_Spawn(i32 slot, i32 first);
void Boss51Arc7_Update(i32 unused);
void Boss51Arc7_Draw(i32 unused);

void Boss4BArc1_Emit(i32 unused);
void Boss4BArc1_Spawn(i32 slot, i32 first);
void Boss4BArc1_Update(i32 unused);
void Boss4BArc1_Draw(i32 unused);

void Boss4BArc2_Emit(i32 unused);
void Boss4BArc2_Spawn(i32 slot, i32 first);
void Boss4BArc2_Update(i32 unused);
void Boss4BArc2_Draw(i32 unused);

void Boss4BArc3_Emit(i32 unused);
void Boss4BArc3_Spawn(i32 slot, i32 first);
void Boss4BArc3_Update(i32 unused);
void Boss4BArc3_Draw(i32 unused);

void Boss4BArc4_Emit(i32 unused);
void Boss4BArc4_Spawn(i32 slot, i32 first);
void Boss4BArc4_Update(i32 unused);
void Boss4BArc4_Draw(i32 unused);

void Boss4BArc5_Emit(i32 unused);
void Boss4BArc5_Spawn(i32 slot, i32 first);
void Boss4BArc5_Update(i32 unused);
void Boss4BArc5_Draw(i32 unused);

void Boss4BArc6_Emit(i32 unused);
void Boss4BArc6_Spawn(i32 slot, i32 first);
void Boss4BArc6_Update(i32 unused);
void Boss4BArc6_Draw(i32 unused);

void Boss4BArc7_Emit(i32 unused);
void Boss4BArc7_Spawn(i32 slot, i32 first);
void Boss4BArc7_Update(i32 unused);
void Boss4BArc7_Draw(i32 unused);

void Boss71Arc1_Emit(i32 unused);
void Boss71Arc1_Spawn(i32 slot, i32 first);
void Boss71Arc1_Update(i32 unused);
void Boss71Arc1_Draw(i32 unused);

void Boss71Arc2_Emit(i32 unused);
void Boss71Arc2_Spawn(i32 slot, i32 first);
void Boss71Arc2_Update(i32 unused);
void Boss71Arc2_Draw(i32 unused);

void Boss71Arc3_Emit(i32 unused);
void Boss71Arc3_Spawn(i32 slot, i32 first);
void Boss71Arc3_Update(i32 unused);
void Boss71Arc3_Draw(i32 unused);

void Boss71Arc4_Emit(i32 unused);
void Boss71Arc4_Spawn(i32 slot, i32 first);
void Boss71Arc4_Update(i32 unused);
void Boss71Arc4_Draw(i32 unused);

void Boss71Arc5_Emit(i32 unused);
void Boss71Arc5_Spawn(i32 slot, i32 first);
void Boss71Arc5_Update(i32 unused);
void Boss71Arc5_Draw(i32 unused);

void Boss71Arc6_Emit(i32 unused);
void Boss71Arc6_Spawn(i32 slot, i32 first);
void Boss71Arc6_Update(i32 unused);
void Boss71Arc6_Draw(i32 unused);

void Boss71Arc7_Emit(i32 unused);
void Boss71Arc7_Spawn(i32 slot, i32 first);
void Boss71Arc7_Update(i32 unused);
void Boss71Arc7_Draw(i32 unused);

void Boss5BArc1_Emit(i32 unused);
void Boss5BArc1_Spawn(i32 slot, i32 first);
void Boss5BArc1_Update(i32 unused);
void Boss5BArc1_Draw(i32 unused);

void Boss5BArc2_Emit(i32 unused);
void Boss5BArc2_Spawn(i32 slot, i32 first);
void Boss5BArc2_Update(i32 unused);
void Boss5BArc2_Draw(i32 unused);

void Boss5BArc3_Emit(i32 unused);
void Boss5BArc3_Spawn(i32 slot, i32 first);
void Boss5BArc3_Update(i32 unused);
void Boss5BArc3_Draw(i32 unused);

void Boss5BArc4_Emit(i32 unused);
void Boss5BArc4_Spawn(i32 slot, i32 first);
void Boss5BArc4_Update(i32 unused);
void Boss5BArc4_Draw(i32 unused);

void Boss5BArc5_Emit(i32 unused);
void Boss5BArc5_Spawn(i32 slot, i32 first);
void Boss5BArc5_Update(i32 unused);
void Boss5BArc5_Draw(i32 unused);
