#include "game/player/bomb_data.h"

BombPiece BombPieces[kBombPieces];
