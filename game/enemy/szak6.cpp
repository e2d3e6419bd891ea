// Szak6A and Szak6B: one saucer algorithm over a row per family (its arrays, start column and sideways
// sign), and the seven shot sets as rows of the shared set routines and of the timed fan.
#include "game/enemy/szak6.h"

#include "el/draw/rotate.h"
#include "el/elDraw.h"
#include "game/common/images.h"
#include "game/enemy/crossing.h"
#include "game/enemy/enemy_rules.h"
#include "game/enemy/timed_fan.h"
#include "host/crt.h"

namespace {

constexpr i32 kSpinStep = 7;  // degrees a drawn frame

// The explosion: the ZBAK2B cell and six ZBAK6B pieces flying apart, or the plain cell alone.
constexpr BlastPiece kBlastAdd[] = {
    {&imgZBAK2B, 80, Blit::Add, 0, 0, 0, 0},    {&imgZBAK6B, 40, Blit::Add, 20, -4, 20, -6},
    {&imgZBAK6B, 40, Blit::Add, 20, -1, 20, 7}, {&imgZBAK6B, 40, Blit::Add, 20, -7, 20, -1},
    {&imgZBAK6B, 40, Blit::Add, 20, -6, 20, 3}, {&imgZBAK6B, 40, Blit::Add, 20, 7, 20, 6},
    {&imgZBAK6B, 40, Blit::Add, 20, 5, 20, -8},
};
constexpr BlastPiece kBlastPlain[] = {{&imgZBAK2B, 80, Blit::Sprite, 0, 0, 0, 0}};
constexpr BlastLook kBlast{kBlastAdd, kBlastPlain};
constexpr BlastRule kBlastRule{8, BlastStop::Always};

constexpr ShotLook kLineLook{&imgVALL301, 0, 0, 30, 30, ShotDraw::Rotated, 1, 0, 0, 30, 30};
constexpr ShotLook kGroupLook{&imgVAL201, 0, 0, 20, 20, ShotDraw::Add, 7, 0, 0, 0, 0};
constexpr ShotLook kBombLook{&imgVAL12, 0, 0, 16, 16, ShotDraw::Add, 1, 0, 0, 0, 0};
constexpr RetireBounds kLineRetire{30.0f, 800.0f, true, true}, kGroupRetire{20.0f, 620.0f, true, true},
                       kBombRetire{16.0f, 0.0f, false, true};

// Set 1: a line of five per saucer whose first record decides when the line is gone.
constexpr AimedSet Line(AimedShotSlot* pool, EnemyOrigin origin) {
    return {pool, 3, 5, origin, -1, 25.0f, 25.0f, 15.0f, {260.0f, 280.0f, 300.0f, 320.0f, 340.0f}, 0, kLineRetire,
            true, {0.0f, 10.0f}, kLineLook};
}
// Sets 2 and 3: a group from one saucer.
constexpr AimedSet Group(AimedShotSlot* pool, i32 count, i32 fromSlot, EnemyOrigin origin) {
    return {pool, 1, count, origin, fromSlot, 30.0f, 50.0f, 22.0f, {120.0f, 160.0f, 200.0f, 240.0f, 280.0f}, 0,
            kGroupRetire, false, {10.0f, 20.0f}, kGroupLook};
}
// Sets 4 to 6: a slow bomb per saucer, falling straight (xDir 0), drifting left (-1) or right (+1).
constexpr StraightSet Bomb(BulletSlot* pool, EnemyOrigin origin, f32 vx, f32 xDir) {
    return {pool, 3, 1, origin, 32.0f, 50.0f, {100.0f}, 50, {vx}, xDir, kBombRetire, {14.0f, 24.0f}, kBombLook};
}
// Set 7: five groups of five from saucer 0 at clocks 40 to 200 of every 250 calls; each shot's place in
// its group turns the aim before the half turn.
constexpr TimedFan<ClockedAimShotSlot> Fan(ClockedAimShotSlot* pool, SpinEnemySlot* ships) {
    return {pool, 25, 5, 5, 40, 250, &ships[0].x, &ships[0].y, 32.0f, 40.0f, 180.0f, 20.0f, -16.0f, -16.0f,
            {14.0f, 24.0f}, FanLook::Cells, &imgVAL1, 16, 16, true};
}

struct SaucerFamily {
    SpinEnemySlot* ships;
    LockMark* marks;
    f32 startX;
    f32 xDir;  // +1 flies right, -1 left
    AimedSet line, group2, group3;
    StraightSet bombs[3];
    TimedFan<ClockedAimShotSlot> fan;
};

template <auto& Ships, auto& Marks>
constexpr SaucerFamily Family(f32 startX, f32 xDir, AimedShotSlot* line, AimedShotSlot* group2,
                              AimedShotSlot* group3, BulletSlot* straight, BulletSlot* left, BulletSlot* right,
                              ClockedAimShotSlot* fan) {
    constexpr EnemyOrigin origin = OriginOf<Ships>;
    return {Ships,
            Marks,
            startX,
            xDir,
            Line(line, origin),
            Group(group2, 4, 0, origin),
            Group(group3, 5, 1, origin),
            {Bomb(straight, origin, 0.0f, 0.0f), Bomb(left, origin, 30.0f, -1.0f), Bomb(right, origin, 30.0f, +1.0f)},
            Fan(fan, Ships)};
}

const SaucerFamily kSzak6A = Family<Szak6ASlots, Szak6AMarks>(
    crossing::kLeft, +1.0f, Szak6AShot1Slots, Szak6AShot2Slots, Szak6AShot3Slots, Szak6AShot4Slots,
    Szak6AShot5Slots, Szak6AShot6Slots, Szak6AShot7Slots);
const SaucerFamily kSzak6B = Family<Szak6BSlots, Szak6BMarks>(
    crossing::kRight, -1.0f, Szak6BShot1Slots, Szak6BShot2Slots, Szak6BShot3Slots, Szak6BShot4Slots,
    Szak6BShot5Slots, Szak6BShot6Slots, Szak6BShot7Slots);

void Spawn(const SaucerFamily& f) {
    Enemy_ArmEveryFree(std::span(f.ships, crossing::kShips), [&](SpinEnemySlot& e) {
        e.x = f.startX;
        e.y = static_cast<f32>(host::Rand() % 100);
        e.vx = static_cast<f32>(100 - host::Rand() % 50);
        e.vy = static_cast<f32>(90 - host::Rand() % 50);
    });
}

// A saucer spins whether it is live or free; a locked mark follows a live one.
void Draw(const SaucerFamily& f) {
    for (i32 k = 0; k < crossing::kShips; ++k) {
        SpinEnemySlot& e = f.ships[k];
        if (e.hit != 0 && e.active != 0) {
            if (Blast_Step(e, kBlast, kBlastRule)) crossing::MarkAfterBlast(f.marks[k]);
            continue;
        }
        const i32 x = TruncPos(e.x), y = TruncPos(e.y);
        elDraw::PutRotate(x, y, x + 79, y + 79, e.spinAngle, imgSZAK6, 0, 0, 79, 79);
        e.spinAngle += kSpinStep;
        if (e.spinAngle >= 360) e.spinAngle = 0;
        if (e.active != 0) crossing::FollowMark(f.marks[k], x, y);
    }
}

}  // namespace

void Szak6A_Spawn(i32) { Spawn(kSzak6A); }
void Szak6A_Update(i32) { crossing::Move(kSzak6A.ships, kSzak6A.marks, kSzak6A.xDir, true); }
void Szak6A_Draw(i32) { Draw(kSzak6A); }
void Szak6AShot1_Spawn(i32) { Aimed_Spawn(kSzak6A.line); }
void Szak6AShot1_Update(i32) { Aimed_Update(kSzak6A.line); }
void Szak6AShot1_Draw(i32) { Aimed_Draw(kSzak6A.line); }
void Szak6AShot2_Spawn(i32) { Aimed_Spawn(kSzak6A.group2); }
void Szak6AShot2_Update(i32) { Aimed_Update(kSzak6A.group2); }
void Szak6AShot2_Draw(i32) { Aimed_DrawEvery(kSzak6A.group2); }
void Szak6AShot3_Spawn(i32) { Aimed_Spawn(kSzak6A.group3); }
void Szak6AShot3_Update(i32) { Aimed_Update(kSzak6A.group3); }
void Szak6AShot3_Draw(i32) { Aimed_DrawEvery(kSzak6A.group3); }
void Szak6AShot4_Spawn(i32) { Straight_Spawn(kSzak6A.bombs[0]); }
void Szak6AShot4_Update(i32) { Straight_Update(kSzak6A.bombs[0]); }
void Szak6AShot4_Draw(i32) { Straight_Draw(kSzak6A.bombs[0]); }
void Szak6AShot5_Spawn(i32) { Straight_Spawn(kSzak6A.bombs[1]); }
void Szak6AShot5_Update(i32) { Straight_Update(kSzak6A.bombs[1]); }
void Szak6AShot5_Draw(i32) { Straight_Draw(kSzak6A.bombs[1]); }
void Szak6AShot6_Spawn(i32) { Straight_Spawn(kSzak6A.bombs[2]); }
void Szak6AShot6_Update(i32) { Straight_Update(kSzak6A.bombs[2]); }
void Szak6AShot6_Draw(i32) { Straight_Draw(kSzak6A.bombs[2]); }
void Szak6AShot7_Emit(i32) { TimedFan_Emit(kSzak6A.fan); }
void Szak6AShot7_Update(i32) { TimedFan_Update(kSzak6A.fan); }
void Szak6AShot7_Draw(i32) { TimedFan_Draw(kSzak6A.fan); }

void Szak6B_Spawn(i32) { Spawn(kSzak6B); }
void Szak6B_Update(i32) { crossing::Move(kSzak6B.ships, kSzak6B.marks, kSzak6B.xDir, true); }
void Szak6B_Draw(i32) { Draw(kSzak6B); }
void Szak6BShot1_Spawn(i32) { Aimed_Spawn(kSzak6B.line); }
void Szak6BShot1_Update(i32) { Aimed_Update(kSzak6B.line); }
void Szak6BShot1_Draw(i32) { Aimed_Draw(kSzak6B.line); }
void Szak6BShot2_Spawn(i32) { Aimed_Spawn(kSzak6B.group2); }
void Szak6BShot2_Update(i32) { Aimed_Update(kSzak6B.group2); }
void Szak6BShot2_Draw(i32) { Aimed_DrawEvery(kSzak6B.group2); }
void Szak6BShot3_Spawn(i32) { Aimed_Spawn(kSzak6B.group3); }
void Szak6BShot3_Update(i32) { Aimed_Update(kSzak6B.group3); }
void Szak6BShot3_Draw(i32) { Aimed_DrawEvery(kSzak6B.group3); }
void Szak6BShot4_Spawn(i32) { Straight_Spawn(kSzak6B.bombs[0]); }
void Szak6BShot4_Update(i32) { Straight_Update(kSzak6B.bombs[0]); }
void Szak6BShot4_Draw(i32) { Straight_Draw(kSzak6B.bombs[0]); }
void Szak6BShot5_Spawn(i32) { Straight_Spawn(kSzak6B.bombs[1]); }
void Szak6BShot5_Update(i32) { Straight_Update(kSzak6B.bombs[1]); }
void Szak6BShot5_Draw(i32) { Straight_Draw(kSzak6B.bombs[1]); }
void Szak6BShot6_Spawn(i32) { Straight_Spawn(kSzak6B.bombs[2]); }
void Szak6BShot6_Update(i32) { Straight_Update(kSzak6B.bombs[2]); }
void Szak6BShot6_Draw(i32) { Straight_Draw(kSzak6B.bombs[2]); }
void Szak6BShot7_Emit(i32) { TimedFan_Emit(kSzak6B.fan); }
void Szak6BShot7_Update(i32) { TimedFan_Update(kSzak6B.fan); }
void Szak6BShot7_Draw(i32) { TimedFan_Draw(kSzak6B.fan); }
