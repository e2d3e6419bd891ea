// The lock-on lasers: eighteen families of one weapon. Each flies from the ship to a locked point and
// strikes what the point belongs to: LockLaserSzak21 and LockLaserSzak22 the Szak21A and Szak22A ships
// (through their formations' lock marks), the sixteen boss families a boss (A on its table A, B on its
// table B). The laser pools are declared in lockon_data.h.
#pragma once
#include "game/player/lockon_data.h"
#include "host/types.h"

// Launchers (automatic-fire block): a laser for every locked point inside the field whose laser is free.
// The argument is ignored.
void LockLaserSzak21_Fire(i32 unused);
void LockLaserSzak22_Fire(i32 unused);
void LockLaserBoss11A_Fire(i32 unused);
void LockLaserBoss11B_Fire(i32 unused);
void LockLaserBoss2BA_Fire(i32 unused);
void LockLaserBoss2BB_Fire(i32 unused);
void LockLaserBoss31A_Fire(i32 unused);
void LockLaserBoss31B_Fire(i32 unused);
void LockLaserBoss41A_Fire(i32 unused);
void LockLaserBoss41B_Fire(i32 unused);
void LockLaserBoss51A_Fire(i32 unused);
void LockLaserBoss51B_Fire(i32 unused);
void LockLaserBoss4BA_Fire(i32 unused);
void LockLaserBoss4BB_Fire(i32 unused);
void LockLaserBoss71A_Fire(i32 unused);
void LockLaserBoss71B_Fire(i32 unused);
void LockLaserBoss5BA_Fire(i32 unused);
void LockLaserBoss5BB_Fire(i32 unused);

// Movers and colliders, every frame. The argument is ignored.
void LockLaserSzak21_Update(i32 unused);
void LockLaserSzak22_Update(i32 unused);
void LockLaserBoss11A_Update(i32 unused);
void LockLaserBoss11B_Update(i32 unused);
void LockLaserBoss2BA_Update(i32 unused);
void LockLaserBoss2BB_Update(i32 unused);
void LockLaserBoss31A_Update(i32 unused);
void LockLaserBoss31B_Update(i32 unused);
void LockLaserBoss41A_Update(i32 unused);
void LockLaserBoss41B_Update(i32 unused);
void LockLaserBoss51A_Update(i32 unused);
void LockLaserBoss51B_Update(i32 unused);
void LockLaserBoss4BA_Update(i32 unused);
void LockLaserBoss4BB_Update(i32 unused);
void LockLaserBoss71A_Update(i32 unused);
void LockLaserBoss71B_Update(i32 unused);
void LockLaserBoss5BA_Update(i32 unused);
void LockLaserBoss5BB_Update(i32 unused);

// Draws of the live lasers by ship type. Nothing in the game calls these.
void LockLaserSzak21_Draw();
void LockLaserSzak22_Draw();
void LockLaserBoss11A_Draw();
void LockLaserBoss11B_Draw();
void LockLaserBoss2BA_Draw();
void LockLaserBoss2BB_Draw();
void LockLaserBoss31A_Draw();
void LockLaserBoss31B_Draw();
void LockLaserBoss41A_Draw();
void LockLaserBoss41B_Draw();
void LockLaserBoss51A_Draw();
void LockLaserBoss51B_Draw();
void LockLaserBoss4BA_Draw();
void LockLaserBoss4BB_Draw();
void LockLaserBoss71A_Draw();
void LockLaserBoss71B_Draw();
void LockLaserBoss5BA_Draw();
void LockLaserBoss5BB_Draw();
