// The bomb's fragments.
#pragma once
#include "host/types.h"

struct BombPiece {
    i32 x, y;   // top-left of the 80x80 fragment
    i32 speed;  // pixels per frame
    i32 alive;
    f32 angle;  // radians
};
constexpr i32 kBombPieces = 80;
extern BombPiece BombPieces[kBombPieces];

// Back to rest: every fragment at the integer park, still, angle -3 degrees.
void Bomb_ResetPools();
