// Four display and lock routines that nothing in the game calls: the parade of the boss images, the lock
// pass over the lockable small enemies, the game-over banner and the ship overlay. Their records are
// declared in lockon_data.h.
#pragma once
#include "game/player/lockon_data.h"
#include "host/types.h"

// The boss parade: eight images that enter one after another every 400 calls and fall down the field.
void BossParade_Spawn();
void BossParade_Move();
void BossParade_Draw();

// The lock pass: marks every lockable small enemy near the lock sight.
void LockScan_Unused();
// Its setters: lock mark k of one mark array each.
void LockScan_Mark1(i32 k);   // Szak6A
void LockScan_Mark2(i32 k);   // Szak6B
void LockScan_Mark3(i32 k);   // Szak13A
void LockScan_Mark4(i32 k);   // Szak13B
void LockScan_Mark5(i32 k);   // the pass's own first table
void LockScan_Mark6(i32 k);   // the pass's own second table
void LockScan_Mark7(i32 k);   // the Szak21 formation
void LockScan_Mark8(i32 k);   // the Szak22 formation
void LockScan_Mark9(i32 k);   // a table nothing reads
void LockScan_Mark10(i32 k);  // another table nothing reads

// The banner that grows from a line into a band centred on y 240 while the game is over.
void Banner_Draw();
// The ship picture of the current ship type rising through the field, holding the ship in place.
void Overlay4_Draw();
// The two ship pictures of the overlay; nothing loads into them.
extern i32 imgOverlayShip1, imgOverlayShip2;
