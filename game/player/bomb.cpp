// The bomb. Its timeline throws a wave of ten fragments every third frame for 48 frames (the second
// half relaunching those of the first that have already left); each fragment flies outwards by a fixed
// step per frame and strikes every small enemy and boss it overlaps, on every frame it overlaps it.
#include "game/player/bomb.h"

#include <cmath>

#include "el/elDraw.h"
#include "game/common/geometry.h"
#include "game/common/images.h"
#include "game/common/player_state.h"
#include "game/common/state.h"
#include "game/player/collide.h"

namespace {

constexpr f32 kPi = 3.14159265358979323846f;
constexpr i32 kBombFrames = 48;   // the timeline's length
constexpr i32 kWaveSize = 10;     // fragments per wave
constexpr i32 kWaveEvery = 3;     // frames between waves
constexpr i32 kRelaunchAt = 24;   // the second round of waves starts here
constexpr i32 kPieceSpeed = 40;   // pixels per frame
constexpr i32 kPieceSize = 80;

// Where a fragment may fly: its top-left corner inside -80..800 x -80..600, edges included.
constexpr i32 kFieldLeft = -80, kFieldRight = 800, kFieldTop = -80, kFieldBottom = 600;

void ParkPiece(BombPiece& p) {
    p.alive = 0;
    p.x = IntegerPark.x;
    p.y = IntegerPark.y;
}

}  // namespace

void Bomb_SpawnPiece(i32 i) {
    if (i < 0 || i >= kBombPieces) return;
    BombPiece& p = BombPieces[i];
    if (p.alive != 0) return;
    p.alive = 1;
    p.x = TruncPos(PlayerState.x) - 10;
    p.y = TruncPos(PlayerState.y) - 10;
    p.speed = kPieceSpeed;
    // 112.5 degrees plus 36 per index: each wave of ten covers the full circle.
    p.angle = 5.0f * kPi / 8.0f + static_cast<f32>(i) * kPi / 5.0f;
}

void Bomb_Update(i32) {
    const i32 clock = PlayerState.bombClock;
    if (clock >= 0 && clock < kBombFrames && clock % kWaveEvery == 0) {
        const i32 first = (clock % kRelaunchAt) / kWaveEvery * kWaveSize;
        for (i32 i = first; i < first + kWaveSize; ++i) Bomb_SpawnPiece(i);
    }
    if (++PlayerState.bombClock == kBombFrames) {
        PlayerState.bombClock = 0;
        PlayerState.bombActive = 0;
        PlayerState.mainShotEnabled = 1;
        PlayerState.mainShot2Enabled = 1;
        --Bombs;
    }
    // With no bomb left the bomb ends after the frame in which it started.
    if (Bombs < 1) {
        PlayerState.bombActive = 0;
        PlayerState.mainShotEnabled = 1;
        PlayerState.mainShot2Enabled = 1;
    }
}

void Bomb_Collide(i32) {
    for (BombPiece& p : BombPieces) {
        if (p.alive != 0) {
            p.y += static_cast<i32>(std::sin(p.angle) * static_cast<f32>(p.speed));
            p.x += static_cast<i32>(std::cos(p.angle) * static_cast<f32>(p.speed));
            if (!(kFieldLeft <= p.x && p.x <= kFieldRight && kFieldTop <= p.y && p.y <= kFieldBottom)) ParkPiece(p);
        }
        if (p.alive != 0) {
            // A boss off stage waits far outside the fragments' reach, so every boss is tested in every stage.
            Collide_StrikeEnemies(kPassBomb, p.x, p.y);
            Collide_StrikeBosses(kPassBomb, p.x, p.y);
        }
    }
}

void Bomb_Draw(i32) {
    for (const BombPiece& p : BombPieces) elDraw::PutSprite(p.x, p.y, imgFBOM1, 0, 0, kPieceSize, kPieceSize);
}
