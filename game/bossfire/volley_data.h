// The pools of the Volley (pairs and columns) bullet families.
#pragma once
#include "game/common/bullet_slot.h"

extern BulletSlot Boss11Volley1[20], Boss11Volley2[20], Boss11Volley3[30], Boss11Volley4[30], Boss11Volley5[20],
    Boss11Volley6[20], Boss71Volley1[30], Boss71Volley2[30], Boss71Volley3[20], Boss71Volley4[20], Boss71Volley5[20],
    Boss71Volley6[20], Boss31Volley1[20], Boss31Volley2[20], Boss41Volley1[20], Boss41Volley2[20], Boss41Volley3[20],
    Boss4BVolley1[20], Boss4BVolley2[20];

// Every Volley pool, for the loops that walk them all.
extern const BulletPool VolleyPools[19];
