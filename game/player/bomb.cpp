// The bomb. Its timeline throws a wave of ten fragments every third frame for 48 frames (the second
// half relaunching those of the first that have already left); each fragment flies outwards by a fixed
// step per frame and strikes every small enemy and boss it overlaps, on every frame it overlaps it.
#include "game/player/bomb.h"

#include <cmath>
#include <iterator>

#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/enemy/szak10_data.h"
#include "game/enemy/szak12_data.h"
#include "game/enemy/szak13_data.h"
#include "game/enemy/szak1_data.h"
#include "game/enemy/szak21_data.h"
#include "game/enemy/szak30a_data.h"
#include "game/enemy/szak30b_data.h"
#include "game/enemy/szak52_data.h"
#include "game/enemy/szak6_data.h"
#include "game/player/player.h"
#include "game/shell/images.h"
#include "game/shell/shell.h"
#include "game/stage/boss_data.h"

namespace {

constexpr f32 kPi = 3.14159265358979323846f;
constexpr i32 kBombFrames = 48;   // the timeline's length
constexpr i32 kWaveSize = 10;     // fragments per wave
constexpr i32 kWaveEvery = 3;     // frames between waves
constexpr i32 kRelaunchAt = 24;   // the second round of waves starts here
constexpr i32 kPieceSpeed = 40;   // pixels per frame
constexpr i32 kPieceSize = 80;
constexpr i32 kStrikePoints = 50;

// Where a fragment may fly: its top-left corner inside -80..800 x -80..600, edges included.
constexpr i32 kFieldLeft = -80, kFieldRight = 800, kFieldTop = -80, kFieldBottom = 600;

void ParkPiece(BombPiece& p) {
    p.alive = 0;
    p.x = IntegerPark.x;
    p.y = IntegerPark.y;
}

// A small-enemy record as the fragments see it.
struct EnemyView {
    f32 x, y;
    i32 hitGuard;
};
template <auto& Pool>
EnemyView ViewOf(i32 k) {
    return {Pool[k].x, Pool[k].y, Pool[k].hitGuard};
}

// One small-enemy family: its records, its hit probe, the least y at which it can be struck and the x
// bounds of the strike box relative to its x (the y bounds are -60..+50 for every family).
struct EnemyTarget {
    EnemyView (*view)(i32 k);
    i32 count;
    void (*probe)(i32 k);
    i32 threshold;
    i32 left, right;
};
template <auto& Pool>
constexpr EnemyTarget Target(void (*probe)(i32), i32 threshold, i32 left, i32 right) {
    return {ViewOf<Pool>, static_cast<i32>(std::size(Pool)), probe, threshold, left, right};
}

// In strike order. SzakMix has no place here: the bomb passes over it.
const EnemyTarget kEnemies[] = {
    Target<Szak10Slots>(Szak10_HitProbe, -45, -60, 70),   Target<Szak1ASlots>(Szak1A_HitProbe, -50, -60, 60),
    Target<Szak1BSlots>(Szak1B_HitProbe, -50, -60, 60),   Target<Szak6ASlots>(Szak6A_HitProbe, -60, -60, 80),
    Target<Szak6BSlots>(Szak6B_HitProbe, -60, -60, 80),   Target<Szak12Slots>(Szak12_HitProbe, -30, -60, 80),
    Target<Szak13ASlots>(Szak13A_HitProbe, -30, -60, 80), Target<Szak13BSlots>(Szak13B_HitProbe, -30, -60, 80),
    Target<Szak52ASlots>(Szak52A_HitProbe, -30, 0, 140),  Target<Szak52BSlots>(Szak52B_HitProbe, -30, 0, 140),
    Target<Szak21ASlots>(Szak21A_HitProbe, -30, 0, 30),   Target<Szak21BSlots>(Szak21B_HitProbe, -30, 0, 30),
    Target<Szak21CSlots>(Szak21C_HitProbe, -30, 0, 30),   Target<Szak22ASlots>(Szak22A_HitProbe, -30, 0, 30),
    Target<Szak22BSlots>(Szak22B_HitProbe, -30, 0, 30),   Target<Szak22CSlots>(Szak22C_HitProbe, -30, 0, 30),
    Target<Szak30ASlots>(Szak30A_HitProbe, -30, 0, 40),   Target<Szak31ASlots>(Szak31A_HitProbe, -30, 0, 40),
    Target<Szak32ASlots>(Szak32A_HitProbe, -30, 0, 40),   Target<Szak33ASlots>(Szak33A_HitProbe, -30, 0, 40),
    Target<Szak30BSlots>(Szak30B_HitProbe, -30, 0, 40),   Target<Szak31BSlots>(Szak31B_HitProbe, -30, 0, 40),
    Target<Szak32BSlots>(Szak32B_HitProbe, -32, 0, 40),   Target<Szak33BSlots>(Szak33B_HitProbe, -30, 0, 40),
};

// One boss: the x bounds of its box relative to its x (the y bounds are +10..+200), the points of a
// strike and the hit points it loses per second of overlap.
struct BossTarget {
    BossState* boss;
    void (*onHit)();
    i32 left, right;
    i32 points;
    f32 hpPerSecond;
};
const BossTarget kBosses[] = {
    {&Boss11State, Boss11_OnHit, 80, 300, 50, 40.0f}, {&Boss2BState, Boss2B_OnHit, 80, 300, 50, 40.0f},
    {&Boss31State, Boss31_OnHit, 80, 320, 50, 40.0f}, {&Boss41State, Boss41_OnHit, 80, 300, 50, 40.0f},
    {&Boss51State, Boss51_OnHit, 50, 270, 50, 40.0f}, {&Boss4BState, Boss4B_OnHit, 50, 330, 50, 35.0f},
    {&Boss71State, Boss71_OnHit, 50, 390, 60, 35.0f}, {&Boss5BState, Boss5B_OnHit, 50, 370, 50, 40.0f},
};

void Strike(i32 px, i32 py) {
    for (const EnemyTarget& fam : kEnemies) {
        for (i32 k = 0; k < fam.count; ++k) {
            const EnemyView e = fam.view(k);
            if (e.hitGuard != 0) continue;
            const i32 ex = TruncPos(e.x), ey = TruncPos(e.y);
            if (ey < fam.threshold) continue;
            if (ex + fam.left <= px && px <= ex + fam.right && ey - 60 <= py && py <= ey + 50) {
                fam.probe(k);
                Score_Add(kStrikePoints);
            }
        }
    }
    // A boss off stage waits far outside the fragments' reach, so every boss is tested in every stage.
    for (const BossTarget& t : kBosses) {
        BossState& b = *t.boss;
        if (b.guard != 0 || !(b.y >= 0.0f)) continue;
        const i32 bx = TruncPos(b.x), by = TruncPos(b.y);
        if (bx + t.left <= px && px <= bx + t.right && by + 10 <= py && py <= by + 200) {
            t.onHit();
            Score_Add(t.points);
            b.hp -= t.hpPerSecond * FrameTime;
        }
    }
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
        if (p.alive != 0) Strike(p.x, p.y);
    }
}

void Bomb_Draw(i32) {
    for (const BombPiece& p : BombPieces) elDraw::PutSprite(p.x, p.y, imgFBOM1, 0, 0, kPieceSize, kPieceSize);
}
