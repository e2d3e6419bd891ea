// The ship's three weapons: the spawners, the fire timelines, the shots' motion and their drawing.
#include "game/player/shots.h"

#include <iterator>

#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "el/elSound.h"
#include "el/elSystem.h"
#include "game/common/geometry.h"
#include "game/common/images.h"
#include "game/common/player_state.h"
#include "game/common/state.h"

PlayerShot MainShots[kMainShots], MainShots2[kMainShots];
SideShot SideShots[kSideShots];

namespace {

constexpr i32 kShotDy = 10;      // upward step per frame of every main shot
constexpr i32 kShotTopOut = -60;  // a shot whose y falls below this has left the top

// The side shots' path: the step (pixels per frame) of the first window of the path clock that holds
// it, both ends inclusive; the x step is for the left groups and is negated for the right ones.
struct PathStep {
    f32 from, to;
    i32 dx, dy;
};
const PathStep kLargePath[] = {
    {0, 3, -6, 0},   {4, 6, -6, -3},  {7, 9, -6, -6},   {10, 12, -3, -6}, {13, 15, 0, -6},
    {16, 18, 1, -6}, {19, 21, 2, -6}, {22, 24, 3, -6},  {25, 27, 4, -6},  {28, 200, 5, -6},
};
const PathStep kSmallPath[] = {
    {0, 3, -6, 0},  {4, 6, -6, -3},  {7, 9, -6, -6},  {10, 12, -3, -6},
    {13, 15, 0, -6}, {16, 18, 1, -6}, {19, 21, 2, -6}, {22, 250, 3, -6},
};

template <size_t N>
const PathStep* FindStep(const PathStep (&path)[N], f32 clock) {
    for (const PathStep& s : path)
        if (clock >= s.from && clock <= s.to) return &s;
    return nullptr;
}

void Fire(PlayerShot& s, i32 x, i32 y, i32 dx) {
    s.x = x;
    s.y = y;
    s.dx = dx;
    s.dy = kShotDy;
    s.alive = 1;
}

// One group of a main weapon: the straight shot in slot a, with the pellets in b and c while powered.
void FireGroup(PlayerShot* pool, i32 a, i32 b, i32 c, i32 pelletOffset, i32 pelletDx, i32* muzzleFlash) {
    const i32 px = TruncPos(PlayerState.x), py = TruncPos(PlayerState.y);
    if (!pool[a].alive) {
        Fire(pool[a], px, py - 38, pool[a].dx);
        *muzzleFlash = 1;
        elSound::Play(sndSHOT, -1);
    }
    if (PlayerState.powerFlag == 1 && !pool[b].alive) Fire(pool[b], px - pelletOffset, py - 38, pelletDx);
    if (PlayerState.powerFlag == 1 && !pool[c].alive) Fire(pool[c], px + pelletOffset, py - 38, pelletDx);
}

// One run of a main-shot timeline: fires group k on the count 4k (k = 1..25) and wraps at 100.
void RunMainTimeline(i32* clock, void (*fire)(i32, i32, i32)) {
    *clock += 1;
    if (*clock % 4 == 0 && *clock >= 4 && *clock <= 100) {
        const i32 k = *clock / 4;
        fire(k, kMainShotGroup + k, 2 * kMainShotGroup + k);
    }
    if (*clock == 100) *clock = 0;
}

}  // namespace

void Player_FireMain(i32 a, i32 b, i32 c) { FireGroup(MainShots, a, b, c, 15, 2, &PlayerState.muzzleFlash); }

void Player_FireMain2(i32 a, i32 b, i32 c) { FireGroup(MainShots2, a, b, c, 30, 3, &PlayerState.muzzleFlash2); }

void Player_FireSide(i32 a, i32 b, i32 c, i32 d) {
    const i32 px = TruncPos(PlayerState.x), py = TruncPos(PlayerState.y);
    for (i32 slot : {a, b, c, d}) {
        SideShot& s = SideShots[slot];
        if (s.alive) continue;
        const bool right = slot == b || slot == d;
        s.x = px + (right ? 28 : 12);
        s.y = py + 10;
        s.alive = 1;
    }
}

void Player_AutoFireMain() { RunMainTimeline(&PlayerState.fireClock, Player_FireMain); }

void Player_AutoFireMain2() { RunMainTimeline(&PlayerState.fire2Clock, Player_FireMain2); }

void Player_SideBurst() {
    PlayerState.burstClock += 1;
    const i32 t = PlayerState.burstClock;
    if (t % 3 == 0 && t >= 3 && t <= 147) {
        const i32 k = t / 3;
        if (k <= 49) Player_FireSide(k, kSideShotGroup + k, 2 * kSideShotGroup + k, 3 * kSideShotGroup + k);
    }
    if (t == 147) {
        PlayerState.burstClock = 0;
        PlayerState.burstActive = 0;
        PlayerState.bombActive = 0;
        PlayerState.mainShotEnabled = 1;
        PlayerState.mainShot2Enabled = 1;
    }
}

void PlayerShot_Move(PlayerShot* shot, i32 slot) {
    shot->y -= shot->dy;
    if (slot >= kMainShotGroup && slot < 2 * kMainShotGroup) shot->x -= shot->dx;
    if (slot >= 2 * kMainShotGroup) shot->x += shot->dx;
    if (shot->y < kShotTopOut) shot->alive = 0;
}

void SideShot_Move(SideShot* shot, i32 slot) {
    shot->pathClock += 20.0f * FrameTime;
    const bool large = slot < 2 * kSideShotGroup;
    const bool right = (slot / kSideShotGroup) % 2 == 1;
    const PathStep* step = large ? FindStep(kLargePath, shot->pathClock) : FindStep(kSmallPath, shot->pathClock);
    if (step) {
        shot->x += right ? -step->dx : step->dx;
        shot->y += step->dy;
    }
    // A shot whose clock has run past its path (only at very low frame rates) is retired too, so that
    // it cannot hang in the field.
    const f32 pathEnd = large ? kLargePath[std::size(kLargePath) - 1].to : kSmallPath[std::size(kSmallPath) - 1].to;
    if (shot->y < kShotTopOut || shot->pathClock > pathEnd) {
        shot->alive = 0;
        shot->pathClock = 0;
    }
}

void Player_DrawShots() {
    if (PlayerState.shipType != 1) return;
    const bool drawn = Level == 1 || Level == 2 || Level == 3;
    const bool hi = Level == 3;
    const i32 px = TruncPos(PlayerState.x), py = TruncPos(PlayerState.y);

    if (drawn) {
        for (i32 i = 2 * kSideShotGroup; i < kSideShots; ++i) {
            const SideShot& s = SideShots[i];
            if (s.alive) elDraw::PutAdd(s.x, s.y, hi ? imgRAY22 : imgRAY2, 0, 0, 20, 20);
        }
        for (i32 i = 0; i < 2 * kSideShotGroup; ++i) {
            const SideShot& s = SideShots[i];
            if (s.alive) elDraw::PutAdd(s.x - 5, s.y - 5, hi ? imgRAY11 : imgRAY1, 0, 0, 30, 30);
        }
    }

    if (PlayerState.muzzleFlash) {
        if (drawn) elDraw::PutAdd(px - 5, py - 15, hi ? imgFLHST3 : imgFLHST, 0, 0, 70, 36);
        PlayerState.muzzleFlash = 0;
    }
    if (drawn) {
        for (i32 i = 0; i < kMainShots; ++i) {
            const PlayerShot& s = MainShots[i];
            if (!s.alive) continue;
            const i32 sheet = i < kMainShotGroup       ? (hi ? imgSFLH11 : imgSFLH1)
                              : i < 2 * kMainShotGroup ? (hi ? imgSFLH22 : imgSFLH2)
                                                       : (hi ? imgSFLH33 : imgSFLH3);
            elDraw::PutAdd(s.x, s.y, sheet, 0, 0, 60, 60);
        }
    }

    for (i32 i = 0; i < kMainShots; ++i) {
        const PlayerShot& s = MainShots2[i];
        if (drawn && s.alive) {
            if (i < kMainShotGroup) {
                elDraw::PutAdd(s.x - 30, s.y, hi ? imgFLW11 : imgFLW1_3, 0, 0, 120, 60);
            } else {
                const i32 sheet = i < 2 * kMainShotGroup ? (hi ? imgFLW22 : imgFLW2_1) : (hi ? imgFLW33 : imgFLW3_2);
                elDraw::PutAdd(s.x, s.y, sheet, 0, 0, 60, 60);
            }
        }
        if (i == 0 && PlayerState.muzzleFlash2) {
            if (drawn) {
                elDraw::PutAdd(px - 5, py - 15, hi ? imgFLHST3 : imgFLHST2, 0, 0, 70, 36);
                if (PlayerState.powerFlag == 1)
                    elDraw::PutAdd(px - 32, py - 40, hi ? imgFLHST33 : imgFLHST22, 0, 0, 124, 70);
            }
            PlayerState.muzzleFlash2 = 0;
        }
    }
}

void PlayerShots_ResetPools() {
    for (PlayerShot* pool : {MainShots2, MainShots}) {
        for (i32 k = 0; k < kMainShots; ++k) {
            pool[k].x = IntegerPark.x;
            pool[k].y = IntegerPark.y;
            pool[k].alive = 0;
        }
    }
    for (SideShot& s : SideShots) {
        s.x = IntegerPark.x;
        s.y = IntegerPark.y;
        s.pathClock = 0;
        s.alive = 0;
    }
}
