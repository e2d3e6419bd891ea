#include "game/common/backdrop_tiles.h"

BackdropTile Backdrop1Tiles[kBackdropTiles], Backdrop2Tiles[kBackdropTiles], Backdrop3Tiles[kBackdropTiles],
    Backdrop4BTiles[kBackdropTiles], Backdrop4Tiles[kBackdropTiles], Backdrop6Tiles[kBackdropTiles],
    Backdrop7Tiles[kBackdropTiles], Backdrop8Tiles[kBackdropTiles];
BackdropTile Backdrop9Tiles[kBackdropTiles];

namespace {

struct BackdropLayout {
    BackdropTile* tiles;
    f32 x;
};
const BackdropLayout kBackdropLayouts[] = {
    {Backdrop1Tiles, 180.0f}, {Backdrop2Tiles, 180.0f}, {Backdrop3Tiles, 180.0f}, {Backdrop4BTiles, 80.0f},
    {Backdrop4Tiles, 80.0f},  {Backdrop6Tiles, 80.0f},  {Backdrop7Tiles, 80.0f},  {Backdrop8Tiles, -500.0f},
};

}  // namespace

void BackdropTiles_LayOut() {
    for (const BackdropLayout& layer : kBackdropLayouts) {
        for (i32 i = 0; i < kBackdropTiles; ++i) {
            layer.tiles[i] = BackdropTile{layer.x, static_cast<f32>(120 - 480 * i), 0.0f};
        }
    }
    for (i32 i = 0; i < kBackdropTiles; ++i) Backdrop9Tiles[i] = BackdropTile{-500.0f, static_cast<f32>(-480 * i), 0.0f};
}
