// The backdrop layers, the star field, the side panels and the falling overlays.
//
// A layer is a strip of 5000 tiles that moves down the screen; its speed is the sum of the rows of its
// speed table that hold at the current stage distance. Every tile is advanced on every draw, but only
// the tiles that reach into the clip rectangle are blitted: the rest would be clipped away whole.
#include "game/stage/backdrop.h"

#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/common/images.h"
#include "game/common/stage_state.h"
#include "game/common/state.h"
#include "game/stage/backdrop_data.h"
#include "host/crt.h"

// Sheets that start-up loading names no file for: the layers, panels and overlays that draw them read
// these handles, which nothing fills.
i32 imgBACK4B = 0, imgBACK4 = 0, imgBACK7 = 0, imgBACK9 = 0, imgBACK10 = 0, imgSIDEPANEL = 0;
i32 imgOVERLAY1 = 0, imgOVERLAY2 = 0, imgOVERLAY3 = 0;

BackdropOverlay Overlay1{}, Overlay2{}, Overlay3{};

namespace {

constexpr f32 kOpenEnd = 3.0e38f;
constexpr f32 kNoColumn = -1.0e9f;  // marks "x is not set" / "x is kept"
constexpr i32 kTileHeight = 480;

struct SpeedRow {
    f32 from, to;  // both ends inclusive
    f32 speed;     // px/s
};

struct Layer {
    BackdropTile* tiles;
    const i32* sheet;
    i32 width;
    f32 xAfterDraw;  // kNoColumn: not set
    f32 restartX;    // kNoColumn: kept
    bool drift;
    const SpeedRow* rows;
    i32 rowCount;
};

const SpeedRow kLayer1Speed[] = {{0, kOpenEnd, 130}};
const SpeedRow kLayer2Speed[] = {{0, kOpenEnd, 100}};
// S1
const SpeedRow kLayer3Speed[] = {{0, 500, 140},    {500, 530, 150},   {530, 560, 250},
                                 {560, 590, 350},  {590, 620, 450},   {620, 650, 550},
                                 {650, 1000, 650}, {1000, 1150, 300}, {1150, kOpenEnd, 150}};
// S2
const SpeedRow kLayer6Speed[] = {{0, 600, 140},    {600, 650, 200},   {650, 700, 250},
                                 {700, 750, 300},  {750, 800, 370},   {800, 850, 430},
                                 {850, 900, 530},  {900, 1150, 320},  {1150, kOpenEnd, 140}};
// S3
const SpeedRow kLayer8Speed[] = {{0, 500, 150},    {500, 530, 200},   {530, 560, 300},
                                 {560, 590, 400},  {590, 620, 300},   {620, 650, 400},
                                 {650, 1000, 250}, {1000, 1150, 200}, {1150, kOpenEnd, 150}};
// S4
const SpeedRow kLayer4BSpeed[] = {{0, 400, 140},    {400, 450, 200},   {450, 500, 250},
                                  {500, 550, 320},  {550, 600, 390},   {600, 650, 450},
                                  {650, 1000, 400}, {1000, 1150, 360}, {1150, kOpenEnd, 140}};
// S5
const SpeedRow kLayer4Speed[] = {{0, 500, 150},    {500, 530, 150},   {530, 560, 250},
                                 {560, 590, 350},  {590, 620, 450},   {620, 650, 2550},
                                 {650, 1000, 400}, {1000, 1150, 300}, {1150, kOpenEnd, 250}};
// S6: nothing holds strictly between 700 and 750, so the layer stands still there.
const SpeedRow kLayer7Speed[] = {{0, 500, 150},     {500, 530, 200},   {530, 560, 300},   {560, 590, 400},
                                 {590, 620, 2550},  {620, 650, 600},   {650, 700, 640},   {750, 800, 360},
                                 {800, 830, 200},   {830, 960, 300},   {960, 990, 400},   {990, 1020, 2550},
                                 {1020, 1050, 600}, {1050, 1100, 400}, {1100, kOpenEnd, 260}};

template <size_t N>
constexpr Layer MakeLayer(BackdropTile* tiles, const i32* sheet, i32 width, f32 xAfterDraw, f32 restartX, bool drift,
                          const SpeedRow (&rows)[N]) {
    return Layer{tiles, sheet, width, xAfterDraw, restartX, drift, rows, static_cast<i32>(N)};
}

const Layer kLayer1 = MakeLayer(Backdrop1Tiles, &imgBBACK1S, 440, 180, 100, false, kLayer1Speed);
const Layer kLayer2 = MakeLayer(Backdrop2Tiles, &imgBBACK2S, 440, 180, 100, false, kLayer2Speed);
const Layer kLayer3 = MakeLayer(Backdrop3Tiles, &imgBBACK3S, 440, 180, 100, false, kLayer3Speed);
const Layer kLayer6 = MakeLayer(Backdrop6Tiles, &imgBBACK6S, 640, 80, kNoColumn, false, kLayer6Speed);
const Layer kLayer8 = MakeLayer(Backdrop8Tiles, &imgBBACK8S, 440, 180, kNoColumn, false, kLayer8Speed);
const Layer kLayer4B = MakeLayer(Backdrop4BTiles, &imgBACK4B, 640, 80, kNoColumn, true, kLayer4BSpeed);
const Layer kLayer4 = MakeLayer(Backdrop4Tiles, &imgBACK4, 640, kNoColumn, kNoColumn, true, kLayer4Speed);
const Layer kLayer7 = MakeLayer(Backdrop7Tiles, &imgBACK7, 640, 80, kNoColumn, true, kLayer7Speed);

// True when a tile drawn at (x, y) would leave at least one pixel inside the clip rectangle.
inline bool ReachesClip(const IntRect& clip, i32 x, i32 y, i32 width, i32 height) {
    return x < clip.right && x + width > clip.left && y < clip.bottom && y + height > clip.top;
}

// One tile's move: its column, the distance rows' steps in table order, and the drift where the layer
// reads it. Steps is the number of rows that hold (at most two: rows share no more than an end), or -1
// for any number of them.
template <i32 Steps>
inline void MoveTile(const Layer& layer, BackdropTile& t, const f32* steps, i32 stepCount, f32 ft) {
    if (layer.xAfterDraw != kNoColumn) t.x = layer.xAfterDraw;
    if constexpr (Steps < 0) {
        for (i32 s = 0; s < stepCount; ++s) t.y += steps[s];
    } else {
        if constexpr (Steps >= 1) t.y += steps[0];
        if constexpr (Steps >= 2) t.y += steps[1];
    }
    if (layer.drift) {
        t.x += t.drift * ft;
        t.drift = 0;
        if (t.x < -100.0f) t.x = -100.0f;
        if (t.x > 100.0f) t.x = 100.0f;
    }
}

inline void RestartTile(const Layer& layer, BackdropTile& t, i32 index) {
    t.y = static_cast<f32>(-kTileHeight * index);
    if (layer.restartX != kNoColumn) t.x = layer.restartX;
}

// Moves every tile in index order. The end of the strip: each tile in its turn looks at the last tile,
// and once that one has come down to the top of the screen the tile in hand is laid out afresh. The last
// tile moves only in its own turn, so every earlier tile sees it where it stood at the start of the frame.
template <i32 Steps>
void MoveStrip(const Layer& layer, const f32* steps, i32 stepCount, f32 ft) {
    constexpr i32 kLast = kBackdropTiles - 1;
    BackdropTile* tiles = layer.tiles;
    const bool stripEnded = tiles[kLast].y >= 0.0f;
    for (i32 i = 0; i < kLast; ++i) {
        MoveTile<Steps>(layer, tiles[i], steps, stepCount, ft);
        if (stripEnded) RestartTile(layer, tiles[i], i);
    }
    MoveTile<Steps>(layer, tiles[kLast], steps, stepCount, ft);
    if (tiles[kLast].y >= 0.0f) RestartTile(layer, tiles[kLast], kLast);
}

void DrawLayer(const Layer& layer) {
    // The rows that hold at this distance, in table order: each adds its own step to every tile.
    const f32 d = StageState.distance;
    const f32 ft = FrameTime;
    f32 steps[16];
    i32 stepCount = 0;
    for (i32 r = 0; r < layer.rowCount; ++r)
        if (layer.rows[r].from <= d && d <= layer.rows[r].to) steps[stepCount++] = layer.rows[r].speed * ft;

    // Every tile is drawn where the previous frame left it before it moves, and no tile's move changes
    // another's picture, so all the draws can come first.
    const IntRect clip = ClipRect;
    const BackdropTile* tiles = layer.tiles;
    for (i32 i = 0; i < kBackdropTiles; ++i) {
        const i32 x = static_cast<i32>(tiles[i].x), y = static_cast<i32>(tiles[i].y);
        if (ReachesClip(clip, x, y, layer.width, kTileHeight))
            elDraw::PutSprite(x, y, *layer.sheet, 0, 0, layer.width, kTileHeight);
    }

    switch (stepCount) {
        case 0: MoveStrip<0>(layer, steps, stepCount, ft); break;
        case 1: MoveStrip<1>(layer, steps, stepCount, ft); break;
        case 2: MoveStrip<2>(layer, steps, stepCount, ft); break;
        default: MoveStrip<-1>(layer, steps, stepCount, ft); break;
    }
}

// A still strip at a fixed column (the side strips that nothing calls).
void DrawStill(const i32* sheet, f32 column) {
    for (i32 i = 0; i < kBackdropTiles; ++i) {
        BackdropTile& t = Backdrop9Tiles[i];
        const i32 x = static_cast<i32>(t.x), y = static_cast<i32>(t.y);
        if (ReachesClip(ClipRect, x, y, 100, kTileHeight)) elDraw::PutSprite(x, y, *sheet, 0, 0, 100, kTileHeight);
        t.x = column;
    }
}

void SpawnOverlay(BackdropOverlay& o) {
    if (o.active) return;
    o.x = 100;
    o.y = -300;
    o.active = 1;
}

void DrawOverlay(const BackdropOverlay& o, i32 sheet) {
    if (o.active) elDraw::PutSprite(static_cast<i32>(o.x), static_cast<i32>(o.y), sheet, 0, 0, 440, 300);
}

void MoveOverlay(BackdropOverlay& o, f32 nextSpeed) {
    if (!o.active) return;
    o.y += o.speed * FrameTime;
    o.speed = nextSpeed;
    if (o.y > 480.0f) {
        o.active = 0;
        o.x = ParkPosition.x;
        o.y = ParkPosition.y;
    }
}

}  // namespace

void Backdrop1_Draw() { DrawLayer(kLayer1); }
void Backdrop2_Draw() { DrawLayer(kLayer2); }
void Backdrop3_Draw() { DrawLayer(kLayer3); }
void Backdrop6_Draw() { DrawLayer(kLayer6); }
void Backdrop8_Draw() { DrawLayer(kLayer8); }
void Backdrop4B_Draw() { DrawLayer(kLayer4B); }
void Backdrop4_Draw() { DrawLayer(kLayer4); }
void Backdrop7_Draw() { DrawLayer(kLayer7); }
void Backdrop9_Draw() { DrawStill(&imgBACK9, 0); }
void Backdrop10_Draw() { DrawStill(&imgBACK10, 540); }

void StarField_Update(i32 a, i32 b) {
    const f32 ft = FrameTime;
    for (StarSpeck& s : StarSpecks) {
        elDraw::PutSprite(static_cast<i32>(s.x), static_cast<i32>(s.y), imgMYMY, 139 + 3 * s.kind, 70,
                          142 + 3 * s.kind, 80);
        s.y += s.speed * ft;
        s.x += s.vx * ft;
        s.vx = 0;
        if (s.y > 600.0f) {
            s.kind = host::Rand() % 7;
            s.x = static_cast<f32>(host::Rand() % 640);
            s.y = static_cast<f32>(-(host::Rand() % 50));
            // A spread of 0 would divide by zero: the speck then falls at the base speed alone.
            const i32 r = host::Rand();
            s.speed = static_cast<f32>((a != 0 ? r % a : 0) + b);
        }
    }
}

void SidePanels_Draw() {
    elDraw::PutSpriteNoKey(0, 0, imgSIDEPANEL, 0, 0, 100, 480);
    elDraw::PutSpriteNoKey(540, 0, imgSIDEPANEL, 0, 0, 100, 480);
}

void Overlay1_Spawn() { SpawnOverlay(Overlay1); }
void Overlay1_Draw() { DrawOverlay(Overlay1, imgOVERLAY1); }
void Overlay1_Move() { MoveOverlay(Overlay1, 180.0f); }
void Overlay2_Spawn() { SpawnOverlay(Overlay2); }
void Overlay2_Draw() { DrawOverlay(Overlay2, imgOVERLAY2); }
void Overlay2_Move() { MoveOverlay(Overlay2, 220.0f); }
void Overlay3_Spawn() { SpawnOverlay(Overlay3); }
void Overlay3_Draw() { DrawOverlay(Overlay3, imgOVERLAY3); }
void Overlay3_Move() { MoveOverlay(Overlay3, 220.0f); }
