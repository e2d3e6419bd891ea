// The player's ship: reading the keys into actions, moving and tilting, drawing and its life cycle.
#include "game/player/player.h"

#include "el/elDraw.h"
#include "el/elSound.h"
#include "el/elSystem.h"
#include "game/common/backdrop_tiles.h"
#include "game/common/geometry.h"
#include "game/common/images.h"
#include "game/common/stage_state.h"
#include "game/common/state.h"
#include "game/player/death.h"
#include "game/player/shots.h"

namespace {

constexpr u32 kHeld = 3;

// The four backdrop layers that an arrow key pushes sideways, with the drift each gets from Left.
struct DriftLayer {
    BackdropTile* tiles;
    f32 drift;
};
const DriftLayer kDriftLayers[] = {
    {Backdrop4BTiles, 50.0f}, {Backdrop4Tiles, 55.0f}, {Backdrop6Tiles, 60.0f}, {Backdrop7Tiles, 65.0f}};

void SetDrift(f32 sign) {
    for (const DriftLayer& layer : kDriftLayers)
        for (i32 i = 0; i < kBackdropTiles; ++i) layer.tiles[i].drift = sign * layer.drift;
}

// The speed of the current ship type, or 0 when it has none (no velocity is written then).
f32 ShipSpeed() {
    if (PlayerState.shipType == 1) return kShipSpeed1;
    if (PlayerState.shipType == 2) return kShipSpeed2;
    return 0;
}

void StartBurst() {
    PlayerState.bombActive = 0;
    PlayerState.mainShotEnabled = 0;
    PlayerState.mainShot2Enabled = 0;
    PlayerState.bombClock = 0;
    PlayerState.burstActive = 1;
    PlayerState.burstClock = 0;
}

}  // namespace

void Player_ReadKeys() {
    elSystem::UpdateKeyState(host::kVkLeft, &InputKeys.left);
    elSystem::UpdateKeyState(host::kVkRight, &InputKeys.right);
    elSystem::UpdateKeyState(host::kVkUp, &InputKeys.up);
    elSystem::UpdateKeyState(host::kVkDown, &InputKeys.down);
    elSystem::UpdateKeyState('C', &InputKeys.c);
    elSystem::UpdateKeyState('V', &InputKeys.v);
    elSystem::UpdateKeyState('B', &InputKeys.b);
    elSystem::UpdateKeyState(host::kVkShift, &InputKeys.shift);
    elSystem::UpdateKeyState(host::kVkControl, &InputKeys.ctrl);
    if (GameOver != 0) {
        InputKeys.up = InputKeys.down = InputKeys.left = InputKeys.right = 0;
        InputKeys.c = InputKeys.shift = InputKeys.v = InputKeys.b = 0;
    }

    const bool moves = PlayerState.shipType == 1 || PlayerState.shipType == 2;
    const f32 speed = ShipSpeed();
    if (InputKeys.left == kHeld) {
        PlayerState.tiltDir = 1;
        if (moves) PlayerState.vx = -speed;
        SetDrift(1.0f);
    }
    if (InputKeys.right == kHeld) {
        PlayerState.tiltDir = -1;
        if (moves) PlayerState.vx = speed;
        SetDrift(-1.0f);
    }
    if (InputKeys.up == kHeld && moves) PlayerState.vy = -speed;
    if (InputKeys.down == kHeld && moves) PlayerState.vy = speed;

    if (PlayerState.burstActive == 0) {
        if ((InputKeys.v == kHeld && InputKeys.c == kHeld) || MouseButtons.leftDouble) StartBurst();
        if (InputKeys.ctrl == kHeld && InputKeys.shift == kHeld) StartBurst();
    }

    const bool fires = PlayerState.shipType == 1;
    if (PlayerState.mainShotEnabled == 1 && (InputKeys.shift == kHeld || MouseButtons.leftDown) && fires)
        Player_AutoFireMain();
    if (PlayerState.mainShot2Enabled == 1 && (InputKeys.ctrl == kHeld || MouseButtons.rightDown) && fires)
        Player_AutoFireMain2();
    if (PlayerState.mainShotEnabled == 1 && InputKeys.c == kHeld && fires) Player_AutoFireMain();
    if (PlayerState.mainShot2Enabled == 1 && InputKeys.v == kHeld && fires) Player_AutoFireMain2();
}

void Player_Move() {
    PlayerState.tilt += PlayerState.tiltDir;
    if (PlayerState.tilt < 0) PlayerState.tilt = 0;
    if (PlayerState.tilt > 6) PlayerState.tilt = 6;
    if (PlayerState.tilt == 3) PlayerState.tiltDir = 0;

    PlayerState.vx = 0;
    PlayerState.vy = 0;
    Player_ReadKeys();

    PlayerState.x += FrameTime * PlayerState.vx;
    if (PlayerState.x < kShipMinX) PlayerState.x = kShipMinX;
    if (PlayerState.x > kShipMaxX) PlayerState.x = kShipMaxX;
    PlayerState.y += FrameTime * PlayerState.vy;
    if (PlayerState.y < kShipMinY) PlayerState.y = kShipMinY;
    if (PlayerState.y > kShipMaxY) PlayerState.y = kShipMaxY;

    // Let go of the arrows at either end of the lean, and the tilt swings back towards level.
    if (PlayerState.vx == 0 && PlayerState.vy == 0 && (PlayerState.tilt == 0 || PlayerState.tilt == 6))
        PlayerState.tiltDir = -PlayerState.tiltDir;
}

void Player_Update() {
    const i32 left = PlayerState.tilt * 60;
    if (PlayerState.controlKeys == 1) {
        elDraw::PutSprite(TruncPos(PlayerState.x), TruncPos(PlayerState.y), imgMYME, left, 0, left + 60, 70);
    }
    if (PlayerState.controlMouse == 1) {
        elDraw::PutSprite(TruncPos(PlayerState.x), TruncPos(PlayerState.y), imgMYME, left, 0, left + 60, 70);
        PlayerState.x = static_cast<f32>(MouseX - 30);
        PlayerState.y = static_cast<f32>(MouseY - 30);
    }

    if (PlayerState.alive != 0 && PlayerState.respawning != 0) {
        PlayerState.respawnTimer += 1;
        if (PlayerState.respawnTimer >= kRespawnFrames) {
            PlayerState.respawnTimer = 0;
            PlayerState.alive = 1;
            PlayerState.respawning = 0;
            DeathFragments_Reset();
        }
    } else if (PlayerState.alive == 0 && PlayerState.respawning == 1) {
        PlayerState.alive = 1;  // a hit while invulnerable is undone a frame later
    } else if (PlayerState.alive == 0 && PlayerState.respawning == 0) {
        if (PlayerState.noDeath == 1) return;  // the ship stays down, nothing lost
        PlayerExplosion_Step(0);
        PlayerExplosion_Draw(0);
        PlayerExplosion_Move(0);
        elSound::Play(sndBOM, -1);
        PlayerState.powerFlag = 0;
        PlayerState.itemCount = 0;
    }
}

void Player_CheckGameOver() {
    if (Lives <= 0 && StageState.continuePrompt == 0) {
        elDraw::PutSprite(300, 250, imgCONTINU1, 0, 0, 200, 100);
        StageState.continuePrompt = 1;
        StageState.paused = 1;
        PlayerState.alive = 0;
        PlayerState.vx = 0;
        PlayerState.vy = 0;
    }
}

void Player_NewGame() {
    PlayerState.autoFire = 0;
    PlayerState.x = 370.0f;
    PlayerState.y = 520.0f;
    PlayerState.powerFlag = 0;
    PlayerState.itemCount = 0;
}

void Player_ResetState() {
    PlayerState.vx = 0;
    PlayerState.vy = 0;
    PlayerState.fireClock = 0;
    PlayerState.fire2Clock = 0;
    PlayerState.burstClock = 0;
    PlayerState.respawning = 0;
    PlayerState.respawnTimer = 0;
    PlayerState.tilt = 3;
    PlayerState.tiltDir = 0;
    PlayerState.mainShotEnabled = 1;
    PlayerState.mainShot2Enabled = 1;
    PlayerState.bombActive = 0;
    PlayerState.bombClock = 0;
    PlayerState.burstActive = 0;
    PlayerState.alive = 1;
    PlayerState.muzzleFlash = 0;
    PlayerState.lockSightX = IntegerPark.x;
    PlayerState.lockSightY = IntegerPark.y;
}
