// Szak52A and Szak52B: one diagonal ship each, three timed fans and five single straight shots. The B
// family flies down and to the left; its shots leave from the same offsets as A's, not mirrored.
#include "game/enemy/szak52.h"

#include "el/elDraw.h"
#include "game/common/images.h"
#include "game/enemy/enemy_rules.h"
#include "game/enemy/timed_fan.h"
#include "host/crt.h"

namespace {

// Eight plain pieces whatever FxAdditive holds; the two families differ in piece 7's sheet.
constexpr BlastPiece Piece(const i32* sheet, i16 x, i16 y) { return {sheet, 80, Blit::Sprite, x, 0, y, 0}; }
constexpr BlastPiece kPiecesA[] = {
    Piece(&imgZBAK2B, -25, 35), Piece(&imgZBAK3B, 135, 35), Piece(&imgZBAK2B, 55, -45),
    Piece(&imgZBAK2B, 55, 115), Piece(&imgZBAK2B, -2, -22), Piece(&imgZBAK2B, 112, -22),
    Piece(&imgZBAK3B, -2, 92),  Piece(&imgZBAK3B, 112, 92),
};
constexpr BlastPiece kPiecesB[] = {
    Piece(&imgZBAK2B, -25, 35), Piece(&imgZBAK3B, 135, 35), Piece(&imgZBAK2B, 55, -45),
    Piece(&imgZBAK2B, 55, 115), Piece(&imgZBAK2B, -2, -22), Piece(&imgZBAK2B, 112, -22),
    Piece(&imgZBAK2B, -2, 92),  Piece(&imgZBAK3B, 112, 92),
};
// The ship keeps flying its diagonal while it explodes.
constexpr BlastRule kBlastRule{8, BlastStop::Never};

// Set 1: five bursts of five from the ship's middle at calls 40 to 200 of every 260; sets 2 and 3: bursts
// of three from its left and right side at calls 20 to 80 of every 100 (the fifth group's value, 100,
// lies at the wrap, so records 12 to 14 never leave).
constexpr TimedFan<TimedShotSlot> Fives(TimedShotSlot* pool, EnemySlot* ship) {
    return {pool, 25, 5, 5, 40, 260, &ship->x, &ship->y, 85.0f, 120.0f, 220.0f, 15.0f, -30.0f, -30.0f,
            {0.0f, 10.0f}, FanLook::Rotated, &imgVALL302, 30, 0};
}
constexpr TimedFan<TimedShotSlot> Threes(TimedShotSlot* pool, EnemySlot* ship, f32 offX) {
    return {pool, 15, 3, 4, 20, 100, &ship->x, &ship->y, offX, 120.0f, 220.0f, 15.0f, -30.0f, -30.0f,
            {0.0f, 10.0f}, FanLook::Rotated, &imgVALL301, 30, 0};
}

// Sets 4 to 8: one shot each from (x + 112, y + 50), at a fixed speed, straight or drifting; these sets
// do not heed the bomb.
constexpr ShotLook kSingleLook{&imgVAL11, 0, 0, 16, 16, ShotDraw::Add, 1, 0, 0, 0, 0};
constexpr StraightSet Single(BulletSlot* pool, EnemyOrigin origin, f32 vy, f32 vx, f32 xDir) {
    return {pool, 1, 1, origin, 112.0f, 50.0f, {vy}, 0, {vx}, xDir, {16.0f, 0.0f, false, false}, {14.0f, 24.0f},
            kSingleLook};
}

struct DiagonalFamily {
    EnemySlot* ship;
    f32 startX;
    f32 xDir;  // +1 flies down and right, -1 down and left
    BlastLook blast;
    TimedFan<TimedShotSlot> fans[3];
    StraightSet singles[5];
};

template <auto& Ship>
constexpr DiagonalFamily Family(f32 startX, f32 xDir, std::span<const BlastPiece> pieces, TimedShotSlot* fives,
                                TimedShotSlot* left, TimedShotSlot* right, BulletSlot* s4, BulletSlot* s5,
                                BulletSlot* s6, BulletSlot* s7, BulletSlot* s8) {
    constexpr EnemyOrigin origin = OriginOf<Ship>;
    return {Ship,
            startX,
            xDir,
            {pieces, pieces},
            {Fives(fives, Ship), Threes(left, Ship, 5.0f), Threes(right, Ship, 165.0f)},
            {Single(s4, origin, 110.0f, 0.0f, 0.0f), Single(s5, origin, 105.0f, 10.0f, -1.0f),
             Single(s6, origin, 105.0f, 10.0f, +1.0f), Single(s7, origin, 96.0f, 20.0f, -1.0f),
             Single(s8, origin, 96.0f, 20.0f, +1.0f)}};
}

const DiagonalFamily kSzak52A = Family<Szak52ASlots>(-20.0f, +1.0f, kPiecesA, Szak52AShot1Slots, Szak52AShot2Slots,
                                                     Szak52AShot3Slots, Szak52AShot4Slots, Szak52AShot5Slots,
                                                     Szak52AShot6Slots, Szak52AShot7Slots, Szak52AShot8Slots);
const DiagonalFamily kSzak52B = Family<Szak52BSlots>(620.0f, -1.0f, kPiecesB, Szak52BShot1Slots, Szak52BShot2Slots,
                                                     Szak52BShot3Slots, Szak52BShot4Slots, Szak52BShot5Slots,
                                                     Szak52BShot6Slots, Szak52BShot7Slots, Szak52BShot8Slots);

void Spawn(const DiagonalFamily& f) {
    if (f.ship->active != 0) return;
    Enemy_Arm(*f.ship, [&](EnemySlot& e) {
        e.x = f.startX;
        e.y = -160.0f;
        e.vy = static_cast<f32>(80 + host::Rand() % 80);
    });
}

// One speed drives both axes. Nothing bounds x: a ship that has left sideways flies on until it passes
// the bottom.
void Update(const DiagonalFamily& f) {
    EnemySlot& e = *f.ship;
    if (e.active != 0) {
        e.y += e.vy * FrameTime;
        e.x += f.xDir * e.vy * FrameTime;
    }
    if (e.y > 600.0f) Enemy_Park(e);
}

void Draw(const DiagonalFamily& f) {
    EnemySlot& e = *f.ship;
    if (e.hit == 0) elDraw::PutSprite(TruncPos(e.x), TruncPos(e.y), imgSZAK52, 0, 0, 200, 160);
    else Blast_Step(e, f.blast, kBlastRule);
}

}  // namespace

void Szak52A_Spawn(i32) { Spawn(kSzak52A); }
void Szak52A_Update(i32) { Update(kSzak52A); }
void Szak52A_Draw(i32) { Draw(kSzak52A); }
void Szak52AShot1_Emit(i32) { TimedFan_Emit(kSzak52A.fans[0]); }
void Szak52AShot1_Spawn(i32 b, i32 first) { TimedFan_Launch(kSzak52A.fans[0], b, first); }
void Szak52AShot1_Update(i32) { TimedFan_Update(kSzak52A.fans[0]); }
void Szak52AShot1_Draw(i32) { TimedFan_Draw(kSzak52A.fans[0]); }
void Szak52AShot2_Emit(i32) { TimedFan_Emit(kSzak52A.fans[1]); }
void Szak52AShot2_Spawn(i32 b, i32 first) { TimedFan_Launch(kSzak52A.fans[1], b, first); }
void Szak52AShot2_Update(i32) { TimedFan_Update(kSzak52A.fans[1]); }
void Szak52AShot2_Draw(i32) { TimedFan_Draw(kSzak52A.fans[1]); }
void Szak52AShot3_Emit(i32) { TimedFan_Emit(kSzak52A.fans[2]); }
void Szak52AShot3_Spawn(i32 b, i32 first) { TimedFan_Launch(kSzak52A.fans[2], b, first); }
void Szak52AShot3_Update(i32) { TimedFan_Update(kSzak52A.fans[2]); }
void Szak52AShot3_Draw(i32) { TimedFan_Draw(kSzak52A.fans[2]); }
void Szak52AShot4_Spawn(i32) { Straight_Spawn(kSzak52A.singles[0]); }
void Szak52AShot4_Update(i32) { Straight_Update(kSzak52A.singles[0]); }
void Szak52AShot4_Draw(i32) { Straight_Draw(kSzak52A.singles[0]); }
void Szak52AShot5_Spawn(i32) { Straight_Spawn(kSzak52A.singles[1]); }
void Szak52AShot5_Update(i32) { Straight_Update(kSzak52A.singles[1]); }
void Szak52AShot5_Draw(i32) { Straight_Draw(kSzak52A.singles[1]); }
void Szak52AShot6_Spawn(i32) { Straight_Spawn(kSzak52A.singles[2]); }
void Szak52AShot6_Update(i32) { Straight_Update(kSzak52A.singles[2]); }
void Szak52AShot6_Draw(i32) { Straight_Draw(kSzak52A.singles[2]); }
void Szak52AShot7_Spawn(i32) { Straight_Spawn(kSzak52A.singles[3]); }
void Szak52AShot7_Update(i32) { Straight_Update(kSzak52A.singles[3]); }
void Szak52AShot7_Draw(i32) { Straight_Draw(kSzak52A.singles[3]); }
void Szak52AShot8_Spawn(i32) { Straight_Spawn(kSzak52A.singles[4]); }
void Szak52AShot8_Update(i32) { Straight_Update(kSzak52A.singles[4]); }
void Szak52AShot8_Draw(i32) { Straight_Draw(kSzak52A.singles[4]); }

void Szak52B_Spawn(i32) { Spawn(kSzak52B); }
void Szak52B_Update(i32) { Update(kSzak52B); }
void Szak52B_Draw(i32) { Draw(kSzak52B); }
void Szak52BShot1_Emit(i32) { TimedFan_Emit(kSzak52B.fans[0]); }
void Szak52BShot1_Spawn(i32 b, i32 first) { TimedFan_Launch(kSzak52B.fans[0], b, first); }
void Szak52BShot1_Update(i32) { TimedFan_Update(kSzak52B.fans[0]); }
void Szak52BShot1_Draw(i32) { TimedFan_Draw(kSzak52B.fans[0]); }
void Szak52BShot2_Emit(i32) { TimedFan_Emit(kSzak52B.fans[1]); }
void Szak52BShot2_Spawn(i32 b, i32 first) { TimedFan_Launch(kSzak52B.fans[1], b, first); }
void Szak52BShot2_Update(i32) { TimedFan_Update(kSzak52B.fans[1]); }
void Szak52BShot2_Draw(i32) { TimedFan_Draw(kSzak52B.fans[1]); }
void Szak52BShot3_Emit(i32) { TimedFan_Emit(kSzak52B.fans[2]); }
void Szak52BShot3_Spawn(i32 b, i32 first) { TimedFan_Launch(kSzak52B.fans[2], b, first); }
void Szak52BShot3_Update(i32) { TimedFan_Update(kSzak52B.fans[2]); }
void Szak52BShot3_Draw(i32) { TimedFan_Draw(kSzak52B.fans[2]); }
void Szak52BShot4_Spawn(i32) { Straight_Spawn(kSzak52B.singles[0]); }
void Szak52BShot4_Update(i32) { Straight_Update(kSzak52B.singles[0]); }
void Szak52BShot4_Draw(i32) { Straight_Draw(kSzak52B.singles[0]); }
void Szak52BShot5_Spawn(i32) { Straight_Spawn(kSzak52B.singles[1]); }
void Szak52BShot5_Update(i32) { Straight_Update(kSzak52B.singles[1]); }
void Szak52BShot5_Draw(i32) { Straight_Draw(kSzak52B.singles[1]); }
void Szak52BShot6_Spawn(i32) { Straight_Spawn(kSzak52B.singles[2]); }
void Szak52BShot6_Update(i32) { Straight_Update(kSzak52B.singles[2]); }
void Szak52BShot6_Draw(i32) { Straight_Draw(kSzak52B.singles[2]); }
void Szak52BShot7_Spawn(i32) { Straight_Spawn(kSzak52B.singles[3]); }
void Szak52BShot7_Update(i32) { Straight_Update(kSzak52B.singles[3]); }
void Szak52BShot7_Draw(i32) { Straight_Draw(kSzak52B.singles[3]); }
void Szak52BShot8_Spawn(i32) { Straight_Spawn(kSzak52B.singles[4]); }
void Szak52BShot8_Update(i32) { Straight_Update(kSzak52B.singles[4]); }
void Szak52BShot8_Draw(i32) { Straight_Draw(kSzak52B.singles[4]); }
