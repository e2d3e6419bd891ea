// The boss parade, the lock pass over the lockable small enemies, the game-over banner and the ship
// overlay.
#include "game/player/parade.h"

#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/common/geometry.h"
#include "game/common/images.h"  // the handles of the alternate bosses' bodies
#include "game/common/player_state.h"
#include "game/common/state.h"
#include "game/enemy/spare_data.h"
#include "game/enemy/szak13_data.h"
#include "game/enemy/szak21_data.h"
#include "game/enemy/szak6_data.h"

i32 imgOverlayShip1 = 0, imgOverlayShip2 = 0;

namespace {

// ---- Boss parade ----

constexpr i32 kParadeLoop = 3200;      // calls before the parade repeats
constexpr f32 kParadeSpeed = 178.0f;   // pixels per second once an image has moved
constexpr f32 kParadeBottom = 480.0f;  // an image whose y passes this leaves the parade

struct ParadeImage {
    const i32* handle;
    i32 width, height;
    i32 startCount;
    f32 startX, startY;
};
const ParadeImage kParade[8] = {
    {&imgBOSS11, 440, 360, 10, 100, -360},   {&imgBOSS2B, 440, 380, 400, 100, -380},
    {&imgBOSS31, 460, 380, 800, 90, -380},   {&imgBOSS41, 440, 380, 1200, 100, -380},
    {&imgBOSS51, 380, 460, 1600, 130, -460}, {&imgBOSS4B, 440, 400, 2000, 100, -460},
    {&imgBOSS71, 500, 400, 2400, 70, -400},  {&imgBOSS5B, 480, 380, 2800, 80, -380},
};

// ---- Lock pass ----

struct ScanSet {
    const EnemySlot* slots;    // three records
    const SpinEnemySlot* spin; // ... or three saucer records
    i32 a, b;                  // the window's near corner: (x - w + a, y - h + b)
    void (*mark)(i32 k);
};
const ScanSet kScanSets[] = {
    {LockScanEnemySlotsA, nullptr, 20, 40, LockScan_Mark5}, {LockScanEnemySlotsB, nullptr, 40, 60, LockScan_Mark6},
    {nullptr, Szak6ASlots, 20, 20, LockScan_Mark1},         {nullptr, Szak6BSlots, 20, 20, LockScan_Mark2},
    {Szak13ASlots, nullptr, 20, 0, LockScan_Mark3},         {Szak13BSlots, nullptr, 20, 0, LockScan_Mark4},
    {Szak21ASlots, nullptr, 30, 30, LockScan_Mark7},        {Szak22ASlots, nullptr, 30, 30, LockScan_Mark8},
};

void Lock(LockMark* marks, i32 k) {
    if (k >= 0 && k < 3) marks[k].locked = 1;
}

// ---- Ship overlay ----

struct OverlayShip {
    const i32* handle;
    i32 width, height;
    f32 x;  // the column it rises in
};
const OverlayShip kOverlay[2] = {{&imgOverlayShip1, 440, 380, 100}, {&imgOverlayShip2, 480, 390, 80}};
constexpr FloatPoint kOverlayRest{-500.0f, -500.0f};  // where a finished overlay waits

}  // namespace

void BossParade_Spawn() {
    for (i32 r = 0; r < 8; ++r) {
        ParadeSlot& s = ParadeSlots[r];
        ++s.clock;
        if (s.clock == kParade[r].startCount && s.active == 0) {
            s.active = 1;
            s.x = kParade[r].startX;
            s.y = kParade[r].startY;
        }
        if (s.clock >= kParadeLoop) s.clock = 0;
    }
}

void BossParade_Move() {
    for (ParadeSlot& s : ParadeSlots) {
        if (s.active != 0) {
            // The first move after an activation uses the speed left from before.
            s.y += s.speed * FrameTime;
            s.speed = kParadeSpeed;
        }
        if (s.y > kParadeBottom) {
            s.active = 0;
            s.x = ParkPosition.x;
            s.y = ParkPosition.y;
        }
    }
}

void BossParade_Draw() {
    // Every active record draws the whole set of images, each at its own record's place; the inactive
    // ones stand off screen.
    for (const ParadeSlot& s : ParadeSlots) {
        if (s.active == 0) continue;
        for (i32 j = 0; j < 8; ++j)
            elDraw::PutSprite(TruncPos(ParadeSlots[j].x), TruncPos(ParadeSlots[j].y), *kParade[j].handle, 0, 0,
                              kParade[j].width, kParade[j].height);
    }
}

void LockScan_Unused() {
    i32 w, h;
    if (PlayerState.shipType == 1) {
        w = 640;
        h = 500;
    } else if (PlayerState.shipType == 2) {
        w = 300;
        h = 240;
    } else {
        return;  // no window for any other ship
    }
    const i32 sx = PlayerState.lockSightX, sy = PlayerState.lockSightY;
    for (const ScanSet& set : kScanSets) {
        for (i32 k = 0; k < 3; ++k) {
            const f32 fx = set.slots != nullptr ? set.slots[k].x : set.spin[k].x;
            const f32 fy = set.slots != nullptr ? set.slots[k].y : set.spin[k].y;
            const i32 guard = set.slots != nullptr ? set.slots[k].hitGuard : set.spin[k].hitGuard;
            const i32 ex = TruncPos(fx), ey = TruncPos(fy);
            if (guard != 0 || ey < -30) continue;
            if (ex - w + set.a <= sx && sx <= ex + 60 && ey - h + set.b <= sy && sy <= ey + 60) set.mark(k);
        }
    }
}

void LockScan_Mark1(i32 k) { Lock(Szak6AMarks, k); }
void LockScan_Mark2(i32 k) { Lock(Szak6BMarks, k); }
void LockScan_Mark3(i32 k) { Lock(Szak13AMarks, k); }
void LockScan_Mark4(i32 k) { Lock(Szak13BMarks, k); }
void LockScan_Mark5(i32 k) { Lock(LockScanMarksA, k); }
void LockScan_Mark6(i32 k) { Lock(LockScanMarksB, k); }
void LockScan_Mark7(i32 k) { Lock(Szak21Marks, k); }
void LockScan_Mark8(i32 k) { Lock(Szak22Marks, k); }
void LockScan_Mark9(i32 k) { Lock(LockScanMarksC, k); }
void LockScan_Mark10(i32 k) { Lock(LockScanMarksD, k); }

void Banner_Draw() {
    if (GameOver == 0) return;
    const i32 s = TruncPos(BannerHeight);
    elDraw::PutStretch(170, (480 - s) / 2, imgMYMY, 81, 70, 136, 80, 300, s);
    BannerHeight += 30.0f * FrameTime;
}

void Overlay4_Draw() {
    const i32 type = PlayerState.shipType;
    if (type != 1 && type != 2) return;
    ShipOverlayRecord& o = ShipOverlay[type - 1];
    const OverlayShip& ship = kOverlay[type - 1];
    if (o.done != 0) return;
    elDraw::PutSprite(TruncPos(o.x), TruncPos(o.y), *ship.handle, 0, 0, ship.width, ship.height);
    ++o.frame;
    if (o.frame < 11) {
        o.x = ship.x;
        o.y = 480.0f;
    } else {
        o.x = ship.x;
        o.y -= 160.0f * FrameTime;
        if (o.frame >= 180) o.y -= 400.0f * FrameTime;  // 560 pixels per second in all
    }
    if (o.y < 50.0f) {  // the ship is held in the middle while the picture's top is past y 50
        PlayerState.x = 290.0f;
        PlayerState.y = 210.0f;
    }
    if (o.y < -380.0f) {
        o.x = kOverlayRest.x;
        o.y = kOverlayRest.y;
        o.frame = 0;
        o.done = 1;
    }
}
