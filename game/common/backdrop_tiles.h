// The backdrop strips' tiles: the stage lays and scrolls them, an arrow key of the ship sets their drift.
#pragma once
#include "host/types.h"

// One tile of a backdrop strip; tile i is laid 480 pixels above tile i - 1.
struct BackdropTile {
    f32 x, y;
    f32 drift;  // sideways speed, px/s: set while an arrow is held, consumed by the layers that read it
};
constexpr i32 kBackdropTiles = 5000;
// One strip per layer draw: Backdrop1_Draw .. Backdrop8_Draw.
extern BackdropTile Backdrop1Tiles[kBackdropTiles], Backdrop2Tiles[kBackdropTiles], Backdrop3Tiles[kBackdropTiles],
    Backdrop4BTiles[kBackdropTiles], Backdrop4Tiles[kBackdropTiles], Backdrop6Tiles[kBackdropTiles],
    Backdrop7Tiles[kBackdropTiles], Backdrop8Tiles[kBackdropTiles];
// The still side strip that Backdrop9_Draw and Backdrop10_Draw show (nothing calls them): tile i at y -480 i.
extern BackdropTile Backdrop9Tiles[kBackdropTiles];

// A new game's strips: tile i of each strip 480 i pixels above y 120 at its layer's x, no drift; the still
// side strip from the top of the screen, off to the left.
void BackdropTiles_LayOut();
