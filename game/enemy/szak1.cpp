// Szak1A and Szak1B: one algorithm over a row per family (its arrays, start column and sideways sign).
// A fighter enters above the field, drifts sideways as it falls, and is freed only below the field.
#include "game/enemy/szak1.h"

#include "el/draw/rotate.h"
#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "game/common/images.h"
#include "game/enemy/enemy_rules.h"
#include "host/crt.h"

namespace {

constexpr BlastPiece kBlastAdd[] = {{&imgZBAK2B, 80, Blit::Add, 0, 0, 0, 0}};
constexpr BlastPiece kBlastPlain[] = {{&imgZBAK2B, 80, Blit::Sprite, 0, 0, 0, 0}};
constexpr BlastLook kBlast{kBlastAdd, kBlastPlain};
constexpr BlastRule kBlastRule{8, BlastStop::Always};

constexpr ShotLook kDart{&imgVALL302, 0, 0, 30, 30, ShotDraw::Rotated, 1, 0, 0, 30, 30};

struct FighterFamily {
    std::span<EnemySlot> slots;
    f32 startX;
    f32 xDir;  // +1 drifts right, -1 left
    AimedSet shot1;
};

constexpr AimedSet Shot1(AimedShotSlot* pool, EnemyOrigin origin) {
    return {pool, 4, 1, origin, -1, 15.0f, 50.0f, 15.0f, {100.0f}, 100, {30.0f, 800.0f, true, true}, false,
            {0.0f, 10.0f}, kDart};
}

const FighterFamily kFamilies[] = {
    {Szak1ASlots, 220.0f, +1.0f, Shot1(Szak1AShot1Slots, OriginOf<Szak1ASlots>)},
    {Szak1BSlots, 520.0f, -1.0f, Shot1(Szak1BShot1Slots, OriginOf<Szak1BSlots>)},
};
const FighterFamily& kSzak1A = kFamilies[0];
const FighterFamily& kSzak1B = kFamilies[1];

void Spawn(const FighterFamily& f) {
    Enemy_ArmEveryFree(f.slots, [&](EnemySlot& e) {
        e.x = f.startX;
        e.y = -60.0f;
        e.vx = static_cast<f32>(host::Rand() % 10);
        e.vy = static_cast<f32>(60 + host::Rand() % 180);
    });
}

void Update(const FighterFamily& f) {
    for (EnemySlot& e : f.slots) {
        if (e.active != 0) {
            e.y += e.vy * FrameTime;
            e.x += f.xDir * e.vx * FrameTime;
        }
        if (e.y > 600.0f) Enemy_Park(e);  // the sides never free a fighter
    }
}

void Draw(const FighterFamily& f) {
    for (EnemySlot& e : f.slots) {
        if (e.hit == 0) elDraw::PutSprite(TruncPos(e.x), TruncPos(e.y), imgSZAK1, 0, 0, 60, 60);
        else Blast_Step(e, kBlast, kBlastRule);
    }
}

}  // namespace

void Szak1A_Spawn(i32) { Spawn(kSzak1A); }
void Szak1A_Update(i32) { Update(kSzak1A); }
void Szak1A_Draw(i32) { Draw(kSzak1A); }
void Szak1AShot1_Spawn(i32) { Aimed_Spawn(kSzak1A.shot1); }
void Szak1AShot1_Update(i32) { Aimed_Update(kSzak1A.shot1); }
void Szak1AShot1_Draw(i32) { Aimed_Draw(kSzak1A.shot1); }

void Szak1B_Spawn(i32) { Spawn(kSzak1B); }
void Szak1B_Update(i32) { Update(kSzak1B); }
void Szak1B_Draw(i32) { Draw(kSzak1B); }
void Szak1BShot1_Spawn(i32) { Aimed_Spawn(kSzak1B.shot1); }
void Szak1BShot1_Update(i32) { Aimed_Update(kSzak1B.shot1); }
void Szak1BShot1_Draw(i32) { Aimed_Draw(kSzak1B.shot1); }
