// Szak12: the falling ships with their flames, five rows of single straight shots and five rows of
// stretching drop groups, all rows of the shared straight-set routine.
#include "game/enemy/szak12.h"

#include "el/elDraw.h"
#include "game/common/images.h"
#include "game/enemy/enemy_rules.h"
#include "host/crt.h"

namespace {

constexpr i32 kShips = 3;
constexpr i32 kFlameCells = 20;

// Six pieces of the ZBAK2B cell, the same places in both modes.
constexpr BlastPiece kBlastAdd[] = {
    {&imgZBAK2B, 80, Blit::Add, 20, 6, 20, -1}, {&imgZBAK2B, 80, Blit::Half, 20, 6, 20, 6},
    {&imgZBAK2B, 80, Blit::Add, 20, -6, 20, 4}, {&imgZBAK2B, 80, Blit::Half, 20, 2, 20, -6},
    {&imgZBAK2B, 80, Blit::Add, 0, 0, 0, 0},    {&imgZBAK2B, 80, Blit::Add, 20, -6, 20, -6},
};
constexpr BlastPiece kBlastPlain[] = {
    {&imgZBAK2B, 80, Blit::Sprite, 20, 6, 20, -1}, {&imgZBAK2B, 80, Blit::Sprite, 20, 6, 20, 6},
    {&imgZBAK2B, 80, Blit::Sprite, 20, -6, 20, 4}, {&imgZBAK2B, 80, Blit::Sprite, 20, 2, 20, -6},
    {&imgZBAK2B, 80, Blit::Sprite, 0, 0, 0, 0},    {&imgZBAK2B, 80, Blit::Sprite, 20, -6, 20, -6},
};
constexpr BlastLook kBlast{kBlastAdd, kBlastPlain};
constexpr BlastRule kBlastRule{8, BlastStop::Always};

void Spawn() {
    Enemy_ArmEveryFree(Szak12Slots, [](EnemySlot& e) {
        e.x = static_cast<f32>(160 + host::Rand() % 400);
        e.y = -100.0f;
        e.vy = static_cast<f32>(52 + host::Rand() % 68);
    });
}

// A ship that falls past the bottom is freed; so is any slot left of x 100, which no live ship ever is.
void Update() {
    for (EnemySlot& e : Szak12Slots) {
        if (e.active != 0) e.y += e.vy * FrameTime;
        if (e.y > 600.0f || e.x < 100.0f) Enemy_Park(e);
    }
}

void Draw() {
    for (EnemySlot& e : Szak12Slots) {
        if (e.hit != 0) {
            Blast_Step(e, kBlast, kBlastRule);
            continue;
        }
        const i32 x = TruncPos(e.x), y = TruncPos(e.y), c = e.animFrame;
        elDraw::PutSprite(x + 1, y - 46, imgZFIRE2, 20 * c, 0, 20 * c + 20, 70);
        elDraw::PutSprite(x + 59, y - 46, imgZFIRE2, 20 * c, 0, 20 * c + 20, 70);
        if (++e.animFrame >= kFlameCells) e.animFrame = 0;
        elDraw::PutSprite(x, y, imgSZAK12, 0, 0, 80, 100);
    }
}

constexpr EnemyOrigin kShip = OriginOf<Szak12Slots>;
constexpr RetireBounds kRetire{16.0f, 0.0f, false, true};

// Sets 1 to 5: one shot per ship, falling at 100 + rand() % 50, straight or drifting by the stored vx.
constexpr ShotLook kSingleLook{&imgVAL2, 0, 0, 16, 16, ShotDraw::Add, 16, 0, 0, 0, 0};
constexpr StraightSet Single(BulletSlot* pool, f32 vx, f32 xDir) {
    return {pool, kShips, 1, kShip, 32.0f, 70.0f, {100.0f}, 50, {vx}, xDir, kRetire, {14.0f, 24.0f}, kSingleLook};
}
const StraightSet kSingles[5] = {
    Single(Szak12Shot1Slots, 0.0f, 0.0f),   Single(Szak12Shot2Slots, 30.0f, -1.0f),
    Single(Szak12Shot3Slots, 30.0f, +1.0f), Single(Szak12Shot4Slots, 46.0f, -1.0f),
    Single(Szak12Shot5Slots, 46.0f, +1.0f),
};

// Sets 6 to 10: five drops per ship falling at 140 + 20 j, drifting by vx (signed) together.
constexpr ShotLook kDropLook{&imgVAL15L, 0, 0, 15, 30, ShotDraw::Add, 1, 0, 0, 0, 0};
constexpr StraightSet Drops(BulletSlot* pool, f32 offY, f32 vx) {
    return {pool, kShips, 5, kShip, 32.0f, offY, {140.0f, 160.0f, 180.0f, 200.0f, 220.0f}, 0,
            {vx, vx, vx, vx, vx}, 1.0f, kRetire, {14.0f, 10.0f}, kDropLook};
}
const StraightSet kDrops[5] = {
    Drops(Szak12Shot6Slots, 70.0f, 0.0f),  Drops(Szak12Shot7Slots, 67.0f, -8.0f),
    Drops(Szak12Shot8Slots, 67.0f, +8.0f), Drops(Szak12Shot9Slots, 63.0f, -17.0f),
    Drops(Szak12Shot10Slots, 63.0f, +17.0f),
};

}  // namespace

void Szak12_Spawn(i32) { Spawn(); }
void Szak12_Update(i32) { Update(); }
void Szak12_Draw(i32) { Draw(); }

void Szak12Shot1_Spawn(i32) { Straight_Spawn(kSingles[0]); }
void Szak12Shot1_Update(i32) { Straight_Update(kSingles[0]); }
void Szak12Shot1_Draw(i32) { Straight_Draw(kSingles[0]); }
void Szak12Shot2_Spawn(i32) { Straight_Spawn(kSingles[1]); }
void Szak12Shot2_Update(i32) { Straight_Update(kSingles[1]); }
void Szak12Shot2_Draw(i32) { Straight_Draw(kSingles[1]); }
void Szak12Shot3_Spawn(i32) { Straight_Spawn(kSingles[2]); }
void Szak12Shot3_Update(i32) { Straight_Update(kSingles[2]); }
void Szak12Shot3_Draw(i32) { Straight_Draw(kSingles[2]); }
void Szak12Shot4_Spawn(i32) { Straight_Spawn(kSingles[3]); }
void Szak12Shot4_Update(i32) { Straight_Update(kSingles[3]); }
void Szak12Shot4_Draw(i32) { Straight_Draw(kSingles[3]); }
void Szak12Shot5_Spawn(i32) { Straight_Spawn(kSingles[4]); }
void Szak12Shot5_Update(i32) { Straight_Update(kSingles[4]); }
void Szak12Shot5_Draw(i32) { Straight_Draw(kSingles[4]); }

void Szak12Shot6_Spawn(i32, i32) { Straight_Spawn(kDrops[0]); }
void Szak12Shot6_Update(i32, i32) { Straight_Update(kDrops[0]); }
void Szak12Shot6_Draw(i32, i32) { Straight_Draw(kDrops[0]); }
void Szak12Shot7_Spawn(i32, i32) { Straight_Spawn(kDrops[1]); }
void Szak12Shot7_Update(i32, i32) { Straight_Update(kDrops[1]); }
void Szak12Shot7_Draw(i32, i32) { Straight_Draw(kDrops[1]); }
void Szak12Shot8_Spawn(i32, i32) { Straight_Spawn(kDrops[2]); }
void Szak12Shot8_Update(i32, i32) { Straight_Update(kDrops[2]); }
void Szak12Shot8_Draw(i32, i32) { Straight_Draw(kDrops[2]); }
void Szak12Shot9_Spawn(i32, i32) { Straight_Spawn(kDrops[3]); }
void Szak12Shot9_Update(i32, i32) { Straight_Update(kDrops[3]); }
void Szak12Shot9_Draw(i32, i32) { Straight_Draw(kDrops[3]); }
void Szak12Shot10_Spawn(i32, i32) { Straight_Spawn(kDrops[4]); }
void Szak12Shot10_Update(i32, i32) { Straight_Update(kDrops[4]); }
void Szak12Shot10_Draw(i32, i32) { Straight_Draw(kDrops[4]); }
