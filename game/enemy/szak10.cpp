// Szak10, the heavy bombers: they fall straight down from a random column with their exhaust burning and
// drop a stick of five bombs. The two curling fans are one algorithm, mirrored by a sign.
#include "game/enemy/szak10.h"

#include <cmath>

#include "el/draw/rotate.h"
#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "game/common/images.h"
#include "game/enemy/enemy_rules.h"
#include "host/crt.h"

namespace {

constexpr f32 kPi = 3.14159265358979323846f;
constexpr f32 kDegreesPerRadian = 180.0f / kPi;

constexpr BlastLook kBlast{kSpread3BAdd, kSpread3BPlain};
constexpr BlastRule kBlastRule{10, BlastStop::Always};

// The stick of five bombs: record r of a bomber's group falls at 140 + 20 r px/s.
const StraightSet kBombs{Szak10Shot3Slots, 3, 5, OriginOf<Szak10Slots>, 27.0f, 66.0f,
                         {140.0f, 160.0f, 180.0f, 200.0f, 220.0f}, 0, {}, 0.0f,
                         {16.0f, 0.0f, false, true}, {14.0f, 10.0f},
                         {&imgVAL15L, 0, 0, 15, 30, ShotDraw::Add, 1, 0, 0, 0, 0}};

// The curling fans: seven shots per bomber that leave together at seven speeds, turn by a fixed step per
// frame while their clock runs to 17, and drift apart. `sign` -1 curls left, +1 right.
struct CurlFan {
    CurlFanShotSlot* pool;
    f32 sign;
    const i32* sheet;
};
constexpr i32 kFanSize = 7;
constexpr f32 kFanSpeeds[kFanSize] = {223, 231, 238, 244, 248, 251, 253};
constexpr f32 kFanStart = 2.0f * kPi / 10.0f;
constexpr f32 kFanTurn = 2.0f * kPi / 320.0f;

const CurlFan kFanLeft{Szak10Shot1Slots, -1.0f, &imgVALL3015};
const CurlFan kFanRight{Szak10Shot2Slots, +1.0f, &imgVALL3016};

void FanRest(CurlFanShotSlot& s, const CurlFan& fan) {
    s.turnClock = 0.0f;
    s.angle = fan.sign * kFanStart;
    s.driftX = 0.0f;
    s.driftY = 0.0f;
}

void FanSpawn(const CurlFan& fan) {
    for (i32 k = 0; k < 3; ++k) {
        const EnemySlot& b = Szak10Slots[k];
        CurlFanShotSlot* g = fan.pool + k * kFanSize;
        for (i32 r = 0; r < kFanSize; ++r) {
            if (g[r].active != 0) continue;
            g[r].active = 1;
            FanRest(g[r], fan);
            g[r].x = b.x + 20.0f;
            g[r].y = b.y + 20.0f;
        }
        for (i32 r = 0; r < kFanSize; ++r) g[r].speed = kFanSpeeds[r];
    }
}

void FanUpdate(const CurlFan& fan) {
    const f32 dt = FrameTime;
    for (i32 k = 0; k < 3; ++k) {
        CurlFanShotSlot* g = fan.pool + k * kFanSize;
        for (i32 r = 0; r < kFanSize; ++r) {
            CurlFanShotSlot& s = g[r];
            if (s.active != 0) {
                s.y += fan.sign * (std::sin(s.angle) * s.speed * dt);
                s.x += fan.sign * (std::cos(s.angle) * s.speed * dt);
                s.turnClock += 20.0f * dt;
                if (0.0f <= s.turnClock && s.turnClock <= 17.0f) s.angle += fan.sign * kFanTurn;  // per frame
                if (s.turnClock >= 17.0f) s.turnClock = 18.0f;
                s.y -= s.driftY * dt;
                s.driftY = static_cast<f32>(16 - 7 * r);
                s.x += fan.sign * (s.driftX * dt);
                s.driftX = static_cast<f32>(16 - 7 * r);
            }
            // The group leaves together: its bounds are those of its first shot, and a shot is freed
            // where it stands.
            const CurlFanShotSlot& lead = g[0];
            if (lead.x + 30.0f < 0.0f || lead.x > 800.0f || lead.y + 30.0f < 0.0f || lead.y > 600.0f) {
                s.active = 0;
                FanRest(s, fan);
            }
            Shot_Contact(s, {0.0f, 10.0f});
        }
    }
}

void FanDraw(const CurlFan& fan) {
    for (i32 i = 0; i < 3 * kFanSize; ++i) {
        const CurlFanShotSlot& s = fan.pool[i];
        if (s.active == 0) continue;
        const i32 X = TruncPos(s.x), Y = TruncPos(s.y);
        const f32 degrees = s.angle * kDegreesPerRadian;
        const i32 angle = TruncPos(fan.sign < 0.0f ? -degrees : 360.0f - degrees);
        elDraw::PutRotate(X, Y, X + 30, Y + 30, angle, *fan.sheet, 0, 0, 30, 30);
    }
}

}  // namespace

void Szak10_Spawn(i32) {
    Enemy_ArmEveryFree(std::span(Szak10Slots), [](EnemySlot& e) {
        e.x = static_cast<f32>(210 + host::Rand() % 310);
        e.y = -80.0f;
        e.vy = static_cast<f32>(70 + host::Rand() % 60);
    });
}

void Szak10_Update(i32) {
    for (EnemySlot& e : Szak10Slots) {
        if (e.active != 0) e.y += e.vy * FrameTime;
        if (e.y > 600.0f) Enemy_Park(e);  // only the bottom frees a bomber
    }
}

void Szak10_Draw(i32) {
    for (EnemySlot& e : Szak10Slots) {
        if (e.hit != 0) {
            Blast_Step(e, kBlast, kBlastRule);
            continue;
        }
        const i32 X = TruncPos(e.x), Y = TruncPos(e.y);
        elDraw::PutSprite(X, Y, imgSZAK10, 0, 0, 70, 80);
        const i32 c = e.animFrame >= 0 && e.animFrame < 20 ? e.animFrame : 0;
        elDraw::PutSprite(X + 25, Y - 55, imgZFIRE1, 20 * c, 0, 20 * c + 20, 70);
        if (++e.animFrame > 19) e.animFrame = 0;
    }
}

void Szak10Shot1_Spawn(i32) { FanSpawn(kFanLeft); }
void Szak10Shot1_Update(i32) { FanUpdate(kFanLeft); }
void Szak10Shot1_Draw(i32) { FanDraw(kFanLeft); }
void Szak10Shot2_Spawn(i32) { FanSpawn(kFanRight); }
void Szak10Shot2_Update(i32) { FanUpdate(kFanRight); }
void Szak10Shot2_Draw(i32) { FanDraw(kFanRight); }
void Szak10Shot3_Spawn(i32, i32) { Straight_Spawn(kBombs); }
void Szak10Shot3_Update(i32, i32) { Straight_Update(kBombs); }
void Szak10Shot3_Draw(i32, i32) { Straight_Draw(kBombs); }
