// The pools of the Arc (groups of five on an arc) bullet families.
#pragma once
#include "game/common/bullet_slot.h"

extern BulletSlot Boss11Arc1[35], Boss11Arc2[50], Boss11Arc3[50], Boss2BArc1[50], Boss2BArc2[50], Boss2BArc3[50],
    Boss2BArc4[50], Boss2BArc5[50], Boss31Arc1[50], Boss31Arc2[50], Boss31Arc3[50], Boss31Arc4[50], Boss31Arc5[50],
    Boss41Arc1[50], Boss41Arc2[50], Boss41Arc3[50], Boss41Arc4[50], Boss41Arc5[50], Boss41Arc6[50], Boss41Arc7[50],
    Boss51Arc1[50], Boss51Arc2[50], Boss51Arc3[50], Boss51Arc4[50], Boss51Arc5[50], Boss51Arc6[50], Boss51Arc7[50],
    Boss4BArc1[50], Boss4BArc2[50], Boss4BArc3[50], Boss4BArc4[50], Boss4BArc5[50], Boss4BArc6[50], Boss4BArc7[50],
    Boss71Arc1[50], Boss71Arc2[50], Boss71Arc3[50], Boss71Arc4[50], Boss71Arc5[50], Boss71Arc6[50], Boss71Arc7[50],
    Boss5BArc1[50], Boss5BArc2[50], Boss5BArc3[50], Boss5BArc4[50], Boss5BArc5[50];

// Every Arc pool, for the loops that walk them all.
extern const BulletPool ArcPools[46];
