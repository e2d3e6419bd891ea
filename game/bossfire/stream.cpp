// The Stream families: one algorithm over a table of the twenty families. A descriptor row gives the
// family's balls and boss, its counter word, its beat (emitter calls per ball) and path-clock rate, its
// path and whether the path runs mirrored, where on the boss the balls start, the ball picture and
// whether a ball strikes the ship.
//
// The steps of a path are whole pixels per frame, not scaled by the frame time: only the path clock runs
// on time. A clock between two windows of a path moves the ball not at all; past the start of the last
// window a ball keeps that window's step until it falls below the screen, however far its clock has run.
#include "game/bossfire/stream.h"

#include <iterator>

#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/bossfire/stream_data.h"
#include "game/common/boss_state.h"
#include "game/common/contact.h"
#include "game/common/geometry.h"
#include "game/common/images.h"

namespace {

constexpr i32 kBalls = 50;
constexpr i32 kFloor = 600;  // a ball retires once its y has passed this, not on it

// One window of a path: while lo <= path clock <= hi the ball steps (dx, dy) pixels each frame.
struct PathStep {
    f32 lo, hi;
    i32 dx, dy;
};
struct Path {
    const PathStep* steps;
    i32 count;
};
template <size_t N>
constexpr Path PathOf(const PathStep (&steps)[N]) {
    return {steps, static_cast<i32>(N)};
}

// The stage-5 boss's paths, drawn leftwards (the even families mirror them).
constexpr PathStep kWideS[] = {
    {0, 3, -4, 6},   {4, 6, -3, 6},   {7, 9, -2, 6},   {10, 12, -1, 6},  {13, 15, 0, 6},   {16, 18, 1, 6},
    {19, 21, 2, 6},  {22, 24, 3, 6},  {25, 27, 4, 6},  {28, 30, 5, 6},   {31, 33, 7, 6},   {34, 280, 9, 6},
};
constexpr PathStep kNarrowS[] = {
    {0, 3, -4, 6}, {4, 6, -3, 6}, {7, 9, -2, 6}, {10, 12, -1, 6}, {13, 15, 0, 6}, {16, 280, 1, 6},
};
constexpr PathStep kSlant[] = {{0, 3, -4, 6}, {4, 6, -3, 6}, {7, 280, -2, 6}};
constexpr PathStep kDive[] = {{0, 10, -4, 2}, {11, 15, -4, 4}, {16, 20, -4, 6}, {21, 280, -3, 6}};

// The stage-3 and stage-4 bosses' curls: out to the left, down, and drifting right while falling.
#define CURL_START {0, 3, -6, 0}, {4, 6, -6, 3}, {7, 9, -6, 6}, {10, 12, -3, 6}, {13, 15, 0, 6}, {16, 18, 1, 6}, \
                   {19, 21, 2, 6}
constexpr PathStep kCurlShort[] = {CURL_START, {22, 250, 3, 6}};
constexpr PathStep kCurlMiddle[] = {CURL_START, {22, 24, 3, 6}, {25, 27, 4, 6}, {28, 250, 5, 6}};
constexpr PathStep kCurlLong[] = {CURL_START,      {22, 24, 3, 6}, {25, 27, 4, 6}, {28, 30, 5, 6},
                                  {31, 33, 6, 6},  {34, 36, 7, 6}, {37, 39, 8, 6}, {40, 280, 10, 6}};
#undef CURL_START

struct StreamFamily {
    StreamBall* balls;
    BossState* boss;
    i32 counter;  // the boss's emitterClock word
    i32 beat;     // emitter calls from one ball to the next; a cycle is fifty beats
    f32 rate;     // path units per second
    Path path;
    i32 mirror;   // +1 as drawn, -1 with every dx negated
    i32 offsetX, offsetY;
    const i32* sheet;
    i32 size;     // the ball picture is size x size
    bool strikes;
};

constexpr i32 kLeft = 1, kRight = -1;

constexpr StreamFamily Boss31(StreamBall* balls, i32 counter, i32 beat, f32 rate, Path path, i32 mirror) {
    return {balls, &Boss31State, counter, beat, rate, path, mirror, 220, 60, &imgRAY7, 20, true};
}
constexpr StreamFamily Curl(StreamBall* balls, BossState* boss, i32 counter, Path path, i32 mirror, i32 offsetX,
                            i32 offsetY, const i32* sheet, i32 size) {
    return {balls, boss, counter, 3, 20.0f, path, mirror, offsetX, offsetY, sheet, size, false};
}

enum : i32 {
    kB41S1, kB41S2, kB41S3, kB41S4, kB41S5, kB41S6,
    kB51S1, kB51S2, kB51S3, kB51S4, kB51S5, kB51S6,
    kB31S1, kB31S2, kB31S3, kB31S4, kB31S5, kB31S6, kB31S7, kB31S8,
};

const StreamFamily kStreams[] = {
    Curl(Boss41Stream1, &Boss41State, 0, PathOf(kCurlShort), kLeft, 135, 135, &imgRAY4, 30),
    Curl(Boss41Stream2, &Boss41State, 1, PathOf(kCurlShort), kRight, 275, 135, &imgRAY4, 30),
    Curl(Boss41Stream3, &Boss41State, 2, PathOf(kCurlMiddle), kLeft, 130, 130, &imgRAY5, 40),
    Curl(Boss41Stream4, &Boss41State, 3, PathOf(kCurlMiddle), kRight, 270, 130, &imgRAY5, 40),
    Curl(Boss41Stream5, &Boss41State, 4, PathOf(kCurlLong), kLeft, 125, 105, &imgRAY6, 50),
    Curl(Boss41Stream6, &Boss41State, 5, PathOf(kCurlLong), kRight, 265, 105, &imgRAY6, 50),
    Curl(Boss51Stream1, &Boss51State, 0, PathOf(kCurlShort), kLeft, 110, 140, &imgRAY3, 20),
    Curl(Boss51Stream2, &Boss51State, 1, PathOf(kCurlShort), kRight, 250, 140, &imgRAY3, 20),
    Curl(Boss51Stream3, &Boss51State, 2, PathOf(kCurlMiddle), kLeft, 110, 140, &imgRAY3, 20),
    Curl(Boss51Stream4, &Boss51State, 3, PathOf(kCurlMiddle), kRight, 250, 140, &imgRAY3, 20),
    Curl(Boss51Stream5, &Boss51State, 4, PathOf(kCurlLong), kLeft, 110, 140, &imgRAY3, 20),
    Curl(Boss51Stream6, &Boss51State, 5, PathOf(kCurlLong), kRight, 250, 140, &imgRAY3, 20),
    Boss31(Boss31Stream1, 10, 3, 20.0f, PathOf(kWideS), kLeft),
    Boss31(Boss31Stream2, 11, 3, 20.0f, PathOf(kWideS), kRight),
    Boss31(Boss31Stream3, 12, 3, 20.0f, PathOf(kNarrowS), kLeft),
    Boss31(Boss31Stream4, 13, 3, 20.0f, PathOf(kNarrowS), kRight),
    Boss31(Boss31Stream5, 14, 3, 20.0f, PathOf(kSlant), kLeft),
    Boss31(Boss31Stream6, 15, 3, 20.0f, PathOf(kSlant), kRight),
    Boss31(Boss31Stream7, 16, 2, 50.0f, PathOf(kDive), kLeft),
    Boss31(Boss31Stream8, 17, 2, 50.0f, PathOf(kDive), kRight),
};
static_assert(std::size(kStreams) == kB31S8 + 1);
static_assert(std::size(Boss41Stream1) == kBalls && std::size(Boss31Stream8) == kBalls);

void Spawn(const StreamFamily& f, i32 k) {
    if (k < 0 || k >= kBalls) return;
    StreamBall& b = f.balls[k];
    if (b.active != 0) return;  // the previous cycle's ball still flies: this turn is skipped
    b.active = 1;
    b.x = TruncPos(f.boss->x) + f.offsetX;
    b.y = TruncPos(f.boss->y) + f.offsetY;
}

// Ball k's turn is counter value beat * k; the counter never shows 0 after its increment, so ball 0 is
// never armed, and it starts again from 0 after fifty beats.
void Emit(const StreamFamily& f) {
    i32& counter = f.boss->emitterClock[f.counter];
    counter += 1;
    if (counter % f.beat == 0) {
        const i32 k = counter / f.beat;
        if (k >= 1 && k < kBalls) Spawn(f, k);
    }
    if (counter == f.beat * kBalls) counter = 0;
}

void Step(const StreamFamily& f, StreamBall& b) {
    const i32 last = f.path.count - 1;
    for (i32 i = 0; i <= last; ++i) {
        const PathStep& s = f.path.steps[i];
        if (s.lo <= b.pathClock && (b.pathClock <= s.hi || i == last)) {
            b.x += f.mirror * s.dx;
            b.y += s.dy;
            return;
        }
    }
}

void Update(const StreamFamily& f) {
    for (i32 k = 0; k < kBalls; ++k) {
        StreamBall& b = f.balls[k];
        if (b.active == 0) continue;
        b.pathClock += f.rate * FrameTime;
        Step(f, b);
        if (b.y > kFloor) {
            b.active = 0;
            b.pathClock = 0.0f;
            continue;  // a retired ball rests where it fell and strikes nothing
        }
        if (f.strikes) Shot_StrikePlayer(static_cast<f32>(b.x), static_cast<f32>(b.y), 10.0f, 20.0f);
    }
}

void Draw(const StreamFamily& f) {
    for (i32 k = 0; k < kBalls; ++k) {
        const StreamBall& b = f.balls[k];
        if (b.active != 0) elDraw::PutAdd(b.x, b.y, *f.sheet, 0, 0, f.size, f.size);
    }
}

}  // namespace

// Each family's routines, by name. The stage-3 and stage-4 emitters take no argument.
#define STREAM_NO_ARG_EMIT(i, emit, spawn, update, draw) \
    void emit() { Emit(kStreams[i]); }                    \
    void spawn(i32 k) { Spawn(kStreams[i], k); }          \
    void update(i32) { Update(kStreams[i]); }             \
    void draw(i32) { Draw(kStreams[i]); }
#define STREAM_ARG_EMIT(i, emit, spawn, update, draw) \
    void emit(i32) { Emit(kStreams[i]); }              \
    void spawn(i32 k) { Spawn(kStreams[i], k); }       \
    void update(i32) { Update(kStreams[i]); }          \
    void draw(i32) { Draw(kStreams[i]); }

STREAM_NO_ARG_EMIT(kB41S1, Boss41Stream1_Emit, Boss41Stream1_Spawn, Boss41Stream1_Update, Boss41Stream1_Draw)
STREAM_NO_ARG_EMIT(kB41S2, Boss41Stream2_Emit, Boss41Stream2_Spawn, Boss41Stream2_Update, Boss41Stream2_Draw)
STREAM_NO_ARG_EMIT(kB41S3, Boss41Stream3_Emit, Boss41Stream3_Spawn, Boss41Stream3_Update, Boss41Stream3_Draw)
STREAM_NO_ARG_EMIT(kB41S4, Boss41Stream4_Emit, Boss41Stream4_Spawn, Boss41Stream4_Update, Boss41Stream4_Draw)
STREAM_NO_ARG_EMIT(kB41S5, Boss41Stream5_Emit, Boss41Stream5_Spawn, Boss41Stream5_Update, Boss41Stream5_Draw)
STREAM_NO_ARG_EMIT(kB41S6, Boss41Stream6_Emit, Boss41Stream6_Spawn, Boss41Stream6_Update, Boss41Stream6_Draw)
STREAM_NO_ARG_EMIT(kB51S1, Boss51Stream1_Emit, Boss51Stream1_Spawn, Boss51Stream1_Update, Boss51Stream1_Draw)
STREAM_NO_ARG_EMIT(kB51S2, Boss51Stream2_Emit, Boss51Stream2_Spawn, Boss51Stream2_Update, Boss51Stream2_Draw)
STREAM_NO_ARG_EMIT(kB51S3, Boss51Stream3_Emit, Boss51Stream3_Spawn, Boss51Stream3_Update, Boss51Stream3_Draw)
STREAM_NO_ARG_EMIT(kB51S4, Boss51Stream4_Emit, Boss51Stream4_Spawn, Boss51Stream4_Update, Boss51Stream4_Draw)
STREAM_NO_ARG_EMIT(kB51S5, Boss51Stream5_Emit, Boss51Stream5_Spawn, Boss51Stream5_Update, Boss51Stream5_Draw)
STREAM_NO_ARG_EMIT(kB51S6, Boss51Stream6_Emit, Boss51Stream6_Spawn, Boss51Stream6_Update, Boss51Stream6_Draw)
STREAM_ARG_EMIT(kB31S1, Boss31Stream1_Emit, Boss31Stream1_Spawn, Boss31Stream1_Update, Boss31Stream1_Draw)
STREAM_ARG_EMIT(kB31S2, Boss31Stream2_Emit, Boss31Stream2_Spawn, Boss31Stream2_Update, Boss31Stream2_Draw)
STREAM_ARG_EMIT(kB31S3, Boss31Stream3_Emit, Boss31Stream3_Spawn, Boss31Stream3_Update, Boss31Stream3_Draw)
STREAM_ARG_EMIT(kB31S4, Boss31Stream4_Emit, Boss31Stream4_Spawn, Boss31Stream4_Update, Boss31Stream4_Draw)
STREAM_ARG_EMIT(kB31S5, Boss31Stream5_Emit, Boss31Stream5_Spawn, Boss31Stream5_Update, Boss31Stream5_Draw)
STREAM_ARG_EMIT(kB31S6, Boss31Stream6_Emit, Boss31Stream6_Spawn, Boss31Stream6_Update, Boss31Stream6_Draw)
STREAM_ARG_EMIT(kB31S7, Boss31Stream7_Emit, Boss31Stream7_Spawn, Boss31Stream7_Update, Boss31Stream7_Draw)
STREAM_ARG_EMIT(kB31S8, Boss31Stream8_Emit, Boss31Stream8_Spawn, Boss31Stream8_Update, Boss31Stream8_Draw)

#undef STREAM_ARG_EMIT
#undef STREAM_NO_ARG_EMIT
