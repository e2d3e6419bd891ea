// The collision of the player's weapons with every small enemy and boss, and the item pick-up.
#pragma once
#include "host/types.h"

void Collide_PlayerWeapons();

// Which weapon's boxes a point is tested with.
enum WeaponPass { kPassMain2, kPassMain, kPassSide, kPassBomb, kPassCount };
// Tests one weapon point against every small enemy, in test order; the weapon flies on through what it
// strikes, and every strike scores.
void Collide_StrikeEnemies(WeaponPass pass, i32 x, i32 y);
// Tests one weapon point against every boss standing on the field; every boss struck scores and loses hit
// points by the weapon's wear times FrameTime. Returns true when a boss was struck.
bool Collide_StrikeBosses(WeaponPass pass, i32 x, i32 y);
