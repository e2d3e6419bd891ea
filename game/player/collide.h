// The collision of the player's weapons with every small enemy and boss, and the item pick-up.
#pragma once
#include "host/types.h"

void Collide_PlayerWeapons();
