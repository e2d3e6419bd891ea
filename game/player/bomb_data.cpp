#include "game/player/bomb_data.h"

#include "game/common/state.h"

BombPiece BombPieces[kBombPieces];

void Bomb_ResetPools() {
    for (BombPiece& b : BombPieces) {
        b.x = IntegerPark.x;
        b.y = IntegerPark.y;
        b.alive = 0;
        b.speed = 0;
        b.angle = ResetHeading;
    }
}
