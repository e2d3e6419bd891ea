// Szak13A and Szak13B: one side-crossing algorithm over a row per family (its arrays, start column and
// sideways sign), and the six shot sets as rows of the shared set routines. Szak13B's shots leave its own
// ships from the same offsets as Szak13A's, not mirrored.
#include "game/enemy/szak13.h"

#include "el/elDraw.h"
#include "game/common/images.h"
#include "game/enemy/crossing.h"
#include "game/enemy/enemy_rules.h"
#include "host/crt.h"

namespace {

// Five ZBAK3B pieces additively, one plain ZBAK2B cell otherwise.
constexpr BlastPiece kBlastAdd[] = {
    {&imgZBAK3B, 80, Blit::Add, 0, 0, 0, 0},    {&imgZBAK3B, 80, Blit::Add, 20, -6, 20, -6},
    {&imgZBAK3B, 80, Blit::Add, 20, 6, 20, 2},  {&imgZBAK3B, 80, Blit::Add, 20, -6, 20, 6},
    {&imgZBAK3B, 80, Blit::Add, 20, 1, 20, -6},
};
constexpr BlastPiece kBlastPlain[] = {{&imgZBAK2B, 80, Blit::Sprite, 0, 0, 0, 0}};
constexpr BlastLook kBlast{kBlastAdd, kBlastPlain};
constexpr BlastRule kBlastRule{8, BlastStop::Always};

constexpr ShotLook kDartLook{&imgVALL302, 0, 0, 30, 30, ShotDraw::Rotated, 1, 0, 0, 30, 30};
constexpr ShotLook kGroupLook{&imgVAL201, 0, 0, 20, 20, ShotDraw::Add, 7, 0, 0, 0, 0};
constexpr ShotLook kStraightLook{&imgVAL13, 0, 0, 16, 16, ShotDraw::Add, 1, 0, 0, 0, 0};

// Set 1: one aimed shot per ship at 150 + rand() % 50.
constexpr AimedSet Dart(AimedShotSlot* pool, EnemyOrigin origin) {
    return {pool, 3, 1, origin, -1, 25.0f, 30.0f, 15.0f, {150.0f}, 50, {30.0f, 800.0f, true, true}, false,
            {0.0f, 10.0f}, kDartLook};
}
// Sets 2 and 3: a group from one ship, whatever that ship is doing.
constexpr AimedSet Group(AimedShotSlot* pool, i32 count, i32 fromSlot, EnemyOrigin origin) {
    return {pool, 1, count, origin, fromSlot, 30.0f, 40.0f, 22.0f, {120.0f, 160.0f, 200.0f, 240.0f, 280.0f}, 0,
            {20.0f, 620.0f, true, true}, false, {10.0f, 20.0f}, kGroupLook};
}
// Sets 4 to 6: straight (xDir 0), drifting left (-1) or right (+1).
constexpr StraightSet Straight(BulletSlot* pool, EnemyOrigin origin, f32 vx, f32 xDir) {
    return {pool, 3, 1, origin, 32.0f, 50.0f, {100.0f}, 30, {vx}, xDir, {16.0f, 0.0f, false, true},
            {14.0f, 24.0f}, kStraightLook};
}

struct CrosserFamily {
    EnemySlot* ships;
    LockMark* marks;
    f32 startX;
    f32 xDir;  // +1 flies right, -1 left
    AimedSet dart, group2, group3;
    StraightSet straight[3];
};

template <auto& Ships, auto& Marks>
constexpr CrosserFamily Family(f32 startX, f32 xDir, AimedShotSlot* dart, AimedShotSlot* group2,
                               AimedShotSlot* group3, BulletSlot* straight, BulletSlot* left, BulletSlot* right) {
    constexpr EnemyOrigin origin = OriginOf<Ships>;
    return {Ships,
            Marks,
            startX,
            xDir,
            Dart(dart, origin),
            Group(group2, 4, 0, origin),
            Group(group3, 5, 1, origin),
            {Straight(straight, origin, 0.0f, 0.0f), Straight(left, origin, 30.0f, -1.0f),
             Straight(right, origin, 30.0f, +1.0f)}};
}

const CrosserFamily kSzak13A =
    Family<Szak13ASlots, Szak13AMarks>(crossing::kLeft, +1.0f, Szak13AShot1Slots, Szak13AShot2Slots,
                                       Szak13AShot3Slots, Szak13AShot4Slots, Szak13AShot5Slots, Szak13AShot6Slots);
const CrosserFamily kSzak13B =
    Family<Szak13BSlots, Szak13BMarks>(crossing::kRight, -1.0f, Szak13BShot1Slots, Szak13BShot2Slots,
                                       Szak13BShot3Slots, Szak13BShot4Slots, Szak13BShot5Slots, Szak13BShot6Slots);

void Spawn(const CrosserFamily& f) {
    Enemy_ArmEveryFree(std::span(f.ships, crossing::kShips), [&](EnemySlot& e) {
        e.x = f.startX;
        e.y = static_cast<f32>(host::Rand() % 200);
        e.vx = static_cast<f32>(50 + host::Rand() % 50);
    });
}

// Only live ships are drawn; a locked mark follows its ship.
void Draw(const CrosserFamily& f) {
    for (i32 k = 0; k < crossing::kShips; ++k) {
        EnemySlot& e = f.ships[k];
        if (e.active == 0) continue;
        if (e.hit != 0) {
            if (Blast_Step(e, kBlast, kBlastRule)) crossing::MarkAfterBlast(f.marks[k]);
            continue;
        }
        const i32 x = TruncPos(e.x), y = TruncPos(e.y);
        elDraw::PutSprite(x, y, imgSZAK13, 0, 0, 80, 60);
        crossing::FollowMark(f.marks[k], x, y);
    }
}

}  // namespace

void Szak13A_Spawn(i32) { Spawn(kSzak13A); }
void Szak13A_Update(i32) { crossing::Move(kSzak13A.ships, kSzak13A.marks, kSzak13A.xDir, false); }
void Szak13A_Draw(i32) { Draw(kSzak13A); }
void Szak13AShot1_Spawn(i32) { Aimed_Spawn(kSzak13A.dart); }
void Szak13AShot1_Update(i32) { Aimed_Update(kSzak13A.dart); }
void Szak13AShot1_Draw(i32) { Aimed_Draw(kSzak13A.dart); }
void Szak13AShot2_Spawn(i32) { Aimed_Spawn(kSzak13A.group2); }
void Szak13AShot2_Update(i32) { Aimed_Update(kSzak13A.group2); }
void Szak13AShot2_Draw(i32) { Aimed_DrawEvery(kSzak13A.group2); }
void Szak13AShot3_Spawn(i32) { Aimed_Spawn(kSzak13A.group3); }
void Szak13AShot3_Update(i32) { Aimed_Update(kSzak13A.group3); }
void Szak13AShot3_Draw(i32) { Aimed_DrawEvery(kSzak13A.group3); }
void Szak13AShot4_Spawn(i32) { Straight_Spawn(kSzak13A.straight[0]); }
void Szak13AShot4_Update(i32) { Straight_Update(kSzak13A.straight[0]); }
void Szak13AShot4_Draw(i32) { Straight_Draw(kSzak13A.straight[0]); }
void Szak13AShot5_Spawn(i32) { Straight_Spawn(kSzak13A.straight[1]); }
void Szak13AShot5_Update(i32) { Straight_Update(kSzak13A.straight[1]); }
void Szak13AShot5_Draw(i32) { Straight_Draw(kSzak13A.straight[1]); }
void Szak13AShot6_Spawn(i32) { Straight_Spawn(kSzak13A.straight[2]); }
void Szak13AShot6_Update(i32) { Straight_Update(kSzak13A.straight[2]); }
void Szak13AShot6_Draw(i32) { Straight_Draw(kSzak13A.straight[2]); }

void Szak13B_Spawn(i32) { Spawn(kSzak13B); }
void Szak13B_Update(i32) { crossing::Move(kSzak13B.ships, kSzak13B.marks, kSzak13B.xDir, false); }
void Szak13B_Draw(i32) { Draw(kSzak13B); }
void Szak13BShot1_Spawn(i32) { Aimed_Spawn(kSzak13B.dart); }
void Szak13BShot1_Update(i32) { Aimed_Update(kSzak13B.dart); }
void Szak13BShot1_Draw(i32) { Aimed_Draw(kSzak13B.dart); }
void Szak13BShot2_Spawn(i32) { Aimed_Spawn(kSzak13B.group2); }
void Szak13BShot2_Update(i32) { Aimed_Update(kSzak13B.group2); }
void Szak13BShot2_Draw(i32) { Aimed_DrawEvery(kSzak13B.group2); }
void Szak13BShot3_Spawn(i32) { Aimed_Spawn(kSzak13B.group3); }
void Szak13BShot3_Update(i32) { Aimed_Update(kSzak13B.group3); }
void Szak13BShot3_Draw(i32) { Aimed_DrawEvery(kSzak13B.group3); }
void Szak13BShot4_Spawn(i32) { Straight_Spawn(kSzak13B.straight[0]); }
void Szak13BShot4_Update(i32) { Straight_Update(kSzak13B.straight[0]); }
void Szak13BShot4_Draw(i32) { Straight_Draw(kSzak13B.straight[0]); }
void Szak13BShot5_Spawn(i32) { Straight_Spawn(kSzak13B.straight[1]); }
void Szak13BShot5_Update(i32) { Straight_Update(kSzak13B.straight[1]); }
void Szak13BShot5_Draw(i32) { Straight_Draw(kSzak13B.straight[1]); }
void Szak13BShot6_Spawn(i32) { Straight_Spawn(kSzak13B.straight[2]); }
void Szak13BShot6_Update(i32) { Straight_Update(kSzak13B.straight[2]); }
void Szak13BShot6_Draw(i32) { Straight_Draw(kSzak13B.straight[2]); }
