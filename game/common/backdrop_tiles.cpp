#include "game/common/backdrop_tiles.h"

BackdropTile Backdrop1Tiles[kBackdropTiles], Backdrop2Tiles[kBackdropTiles], Backdrop3Tiles[kBackdropTiles],
    Backdrop4BTiles[kBackdropTiles], Backdrop4Tiles[kBackdropTiles], Backdrop6Tiles[kBackdropTiles],
    Backdrop7Tiles[kBackdropTiles], Backdrop8Tiles[kBackdropTiles];
BackdropTile Backdrop9Tiles[kBackdropTiles];
