// The death explosion: five rings of sixteen fragments, one ring every ten frames; the fifth costs the
// lives, and at the fiftieth frame the ship comes back invulnerable.
#include "game/player/death.h"

#include <cmath>

#include "el/draw/soft.h"
#include "el/elSystem.h"
#include "game/common/geometry.h"
#include "game/common/images.h"
#include "game/common/player_state.h"
#include "game/common/state.h"

DeathFragment DeathFragments[kDeathFragments];

namespace {

constexpr i32 kWaveSize = 16;
constexpr i32 kWaveLaunch[5] = {1, 10, 20, 30, 40};  // timer value at which each wave leaves
constexpr f32 kPi = 3.14159265358979323846f;

void Park(DeathFragment& f) {
    f.x = ParkPosition.x;
    f.y = ParkPosition.y;
}

}  // namespace

void DeathFragments_Reset() {
    for (DeathFragment& f : DeathFragments) {
        f = DeathFragment{};
        Park(f);
        f.angle = ResetHeading;
    }
}

void PlayerExplosion_Step(i32) {
    for (DeathFragment& f : DeathFragments) f.timer += 1;
    const i32 timer = DeathFragments[0].timer;
    if (timer >= 50 && timer <= 250) {
        PlayerState.alive = 1;
        PlayerState.respawning = 1;
    }
    for (i32 w = 0; w < 5; ++w) {
        for (i32 i = w * kWaveSize; i < (w + 1) * kWaveSize; ++i) {
            DeathFragment& f = DeathFragments[i];
            if (f.timer != kWaveLaunch[w] || f.launched) continue;
            if (w == 4) Lives -= 1;
            f.launched = 1;
            f.x = PlayerState.x + 0.0f;
            f.y = PlayerState.y + 0.0f;
            f.speed = 280.0f;
            f.dx = 20.0f - f.x;
            f.dy = 20.0f - f.y;
            f.angle = (f.dx == 0 ? kPi / 2 : std::atan(f.dy / f.dx)) + (2 * kPi / 16) * static_cast<f32>(i);
            if (f.dx < 0 || (f.dx == 0 && f.dy <= 0)) f.angle += kPi;
        }
    }
}

void PlayerExplosion_Draw(i32) {
    for (DeathFragment& f : DeathFragments) {
        const i32 left = f.frameColumn * 60, top = f.frameRow * 60;
        elDraw::PutAdd(TruncPos(f.x), TruncPos(f.y), imgGFBAK1, left, top, left + 60, top + 60);
        // Row 0 columns 0..7, then row 1 columns 1..7: a loop of 15 cells.
        f.animCount += 1;
        if (f.animCount <= 7) {
            f.frameColumn += 1;
            f.frameRow = 0;
        }
        if (f.animCount == 8) f.frameColumn = 0;
        if (f.animCount >= 8 && f.animCount <= 14) {
            f.frameColumn += 1;
            f.frameRow = 1;
        }
        if (f.animCount >= 15) f.frameColumn = f.frameRow = f.animCount = 0;
    }
}

void PlayerExplosion_Move(i32) {
    for (DeathFragment& f : DeathFragments) {
        if (!f.launched) continue;
        f.y += std::sin(f.angle) * f.speed * FrameTime;
        f.x += std::cos(f.angle) * f.speed * FrameTime;
        if (f.x > 800 || f.x < -60 || f.y > 600 || f.y < -60) {
            f.launched = 0;
            Park(f);
        }
    }
}
