// The boss bodies: one draw routine and one defeat routine over a table of the eight bosses.
#include "el/elDraw.h"
#include "el/elMidi.h"
#include "el/elSound.h"
#include "el/elSystem.h"
#include "game/common/images.h"
#include "game/player/lockon_data.h"
#include "game/shell/shell.h"
#include "game/stage/boss.h"
#include "host/crt.h"

namespace {

struct FireCell {
    i32 dx, dy;
};

// One group of damage fire, shown while 0 < hp <= threshold; its cells slide down by `step` pixels per
// animation frame.
struct FireGroup {
    f32 threshold;  // 0: no such group
    const i32* sheet;
    i32 step;
    i32 cellCount;
    FireCell cells[3];
};

struct BossBody {
    BossState* boss;
    const i32* bodySheet;
    i32 bodyRight, bodyBottom;  // the body picture: (0, 0) to here
    FireGroup fire[2];
    LockPoint* lockA;
    LockPoint* lockB;  // null: the draw shows the first table only
    i32 lockCount;     // points per table
    BossBlast* big;
    BossBlast* small;
    i32 blastW, blastH, smallH;  // the area the blasts are scattered over
    i32 wipeStrip;
    u32 nextMode;
};

constexpr FireGroup kNoFire = {0, nullptr, 0, 0, {}};

const BossBody kBoss11Body = {
    &Boss11State, &imgBOSS11, 440, 360,
    {{90, &imgZBAK3B, 28, 2, {{140, 50}, {220, 50}}}, {70, &imgZBAK3B, 28, 2, {{60, 100}, {300, 100}}}},
    Boss11LockPointsA, Boss11LockPointsB, 3, Boss11BigBlasts, Boss11SmallBlasts, 440, 360, 360, 30, ModeStage2};
const BossBody kBoss71Body = {
    &Boss71State, &imgBOSS71, 500, 400,
    {{90, &imgZBAK3B, 28, 2, {{150, 70}, {270, 70}}}, {70, &imgZBAK3B, 28, 2, {{90, 0}, {330, 0}}}},
    Boss71LockPointsA, nullptr, 5, Boss71BigBlasts, Boss71SmallBlasts, 500, 350, 350, 60, ModeStage3};
const BossBody kBoss41Body = {
    &Boss41State, &imgBOSS41, 440, 380,
    {{90, &imgZBAK3B, 28, 2, {{140, 70}, {220, 70}}}, {70, &imgZBAK3B, 19, 2, {{60, 150}, {300, 150}}}},
    Boss41LockPointsA, Boss41LockPointsB, 3, Boss41BigBlasts, Boss41SmallBlasts, 440, 320, 310, 30, ModeStage4};
const BossBody kBoss51Body = {
    &Boss51State, &imgBOSS51, 380, 460,
    {{60, &imgZBAK3B, 28, 3, {{30, 20}, {270, 20}, {150, 100}}}, kNoFire},
    Boss51LockPointsA, Boss51LockPointsB, 5, Boss51BigBlasts, Boss51SmallBlasts, 380, 320, 320, 30, ModeStage5};
const BossBody kBoss31Body = {
    &Boss31State, &imgBOSS31, 460, 380,
    {{90, &imgZBAK3B, 28, 2, {{150, 60}, {230, 60}}}, {70, &imgZBAK4B, 28, 2, {{70, 10}, {310, 10}}}},
    Boss31LockPointsA, Boss31LockPointsB, 5, Boss31BigBlasts, Boss31SmallBlasts, 460, 320, 320, 30, ModeEnding};
const BossBody kBoss2BBody = {
    &Boss2BState, &imgBOSS2B, 440, 380,
    {{90, &imgZBAK4B, 28, 2, {{140, 70}, {220, 70}}}, {70, &imgZBAK4B, 28, 2, {{60, 20}, {300, 20}}}},
    Boss2BLockPointsA, Boss2BLockPointsB, 3, Boss2BBigBlasts, Boss2BSmallBlasts, 440, 280, 280, 30, ModeStage3};
const BossBody kBoss4BBody = {
    &Boss4BState, &imgBOSS4B, 460, 400,
    {{70, &imgZBAK3B, 28, 3, {{70, 20}, {310, 20}, {190, 100}}}, kNoFire},
    Boss4BLockPointsA, nullptr, 9, Boss4BBigBlasts, Boss4BSmallBlasts, 460, 330, 330, 30, ModeStage5};
const BossBody kBoss5BBody = {
    &Boss5BState, &imgBOSS5B, 480, 400,
    {{90, &imgZBAK3B, 28, 2, {{180, 130}, {220, 130}}}, {70, &imgZBAK3B, 28, 2, {{120, 70}, {280, 70}}}},
    Boss5BLockPointsA, nullptr, 5, Boss5BBigBlasts, Boss5BSmallBlasts, 480, 320, 320, 60, ModeEnding};

void DrawLockMarker(const LockPoint& p) {
    if (p.locked != 0) elDraw::PutSprite(p.x, p.y, imgROCK1, 0, 0, 60, 60);
}

// Explosions, the explosion sound, the music's end and, once the defeat clock has passed 70, the stage
// clear. Runs only while the boss has no hit points left.
void Defeat(const BossBody& body) {
    BossState& b = *body.boss;
    if (b.hp > 0.0f) return;

    for (i32 i = 0; i < kBigBlasts; ++i) {
        BossBlast& e = body.big[i];
        elDraw::PutSprite(static_cast<i32>(e.x), static_cast<i32>(e.y), imgBBAK1B, 160 * e.frame, 0,
                          160 * e.frame + 160, 160);
        if (++e.frame > 3) e.frame = 0;
        e.x = b.x + static_cast<f32>(host::Rand() % body.blastW - 100);
        e.y = b.y + static_cast<f32>(host::Rand() % body.blastH);
    }
    for (i32 i = 0; i < kSmallBlasts; ++i) {
        BossBlast& e = body.small[i];
        elDraw::PutSprite(static_cast<i32>(e.x), static_cast<i32>(e.y), imgZBAK1B, 60 * e.frame, 0,
                          60 * e.frame + 60, 60);
        if (++e.frame > 9) e.frame = 0;
        e.x = b.x + static_cast<f32>(host::Rand() % body.blastW - 40);
        e.y = b.y + static_cast<f32>(host::Rand() % body.smallH);
    }
    elSound::Play(sndBOM, -1);
    b.defeatClock += 10.0f * FrameTime;
    if (b.defeatClock > 50.0f && b.defeatClock < 60.0f) elMidi::Stop();
    if (b.defeatClock > 70.0f) {
        // The stage clear: the resets give the boss its hit points back, which ends the defeat.
        Game_ResetState();
        Game_ResetPools();
        Scene_WipeTo(3, body.wipeStrip, static_cast<i32>(body.nextMode));
    }
}

void Draw(const BossBody& body) {
    BossState& b = *body.boss;
    const i32 x = static_cast<i32>(b.x), y = static_cast<i32>(b.y);
    elDraw::PutSprite(x, y, *body.bodySheet, 0, 0, body.bodyRight, body.bodyBottom);
    if (b.hitFlag > 0) b.hitFlag = 0;

    for (const FireGroup& g : body.fire) {
        if (g.threshold == 0 || !(b.hp > 0.0f && b.hp <= g.threshold)) continue;
        const i32 left = 80 * b.animFrame;
        for (i32 c = 0; c < g.cellCount; ++c)
            elDraw::PutSprite(x + g.cells[c].dx, y + g.cells[c].dy + g.step * b.animFrame, *g.sheet, left, 0,
                              left + 80, 80);
    }
    if (++b.animFrame > 9) b.animFrame = 0;

    for (i32 i = 0; i < body.lockCount; ++i) {
        DrawLockMarker(body.lockA[i]);
        if (body.lockB) DrawLockMarker(body.lockB[i]);
    }
}

}  // namespace

void Boss11_Draw() {
    Draw(kBoss11Body);
    Boss11_Defeat();
}
void Boss71_Draw() {
    Draw(kBoss71Body);
    Boss71_Defeat();
}
void Boss41_Draw() {
    Draw(kBoss41Body);
    Boss41_Defeat();
}
void Boss51_Draw() {
    Draw(kBoss51Body);
    Boss51_Defeat();
}
void Boss31_Draw() {
    Draw(kBoss31Body);
    Boss31_Defeat();
}
void Boss2B_Draw() {
    Draw(kBoss2BBody);
    Boss2B_Defeat();
}
void Boss4B_Draw() {
    Draw(kBoss4BBody);
    Boss4B_Defeat();
}
void Boss5B_Draw() {
    Draw(kBoss5BBody);
    Boss5B_Defeat();
}

void Boss11_Defeat() { Defeat(kBoss11Body); }
void Boss71_Defeat() { Defeat(kBoss71Body); }
void Boss41_Defeat() { Defeat(kBoss41Body); }
void Boss51_Defeat() { Defeat(kBoss51Body); }
void Boss31_Defeat() { Defeat(kBoss31Body); }
void Boss2B_Defeat() { Defeat(kBoss2BBody); }
void Boss4B_Defeat() { Defeat(kBoss4BBody); }
void Boss5B_Defeat() { Defeat(kBoss5BBody); }
