// A stage's schedule as data: rows of windows and gates, each followed by the family operations that run
// while they hold. One walker runs the rows of every stage, in their order, once per frame.
#pragma once
#include <span>

#include "host/types.h"

struct StageScript;

enum class StepKind : u8 {
    Every,     // a row that runs on every frame
    Distance,  // a window on the stage distance
    Clock,     // a window on the boss's attack clock, both ends inclusive
    HitPoints, // a window on the boss's hit points, both ends inclusive
    Within,    // a further distance window that must hold as well (it does not count as a window)
    Gate,      // a test of the level or the play mode that must hold as well
    Call,      // a family operation
};

// The tests of level and play mode that gate a row. The game flow stores only level 1 or 3, play mode 1
// and sub-mode 0, so the play-mode gates never open in play.
enum class Gate : u8 { Level1, Level3, Level2Or3, PlayMode1, PlayMode2, PlayModeNot1, SubMode1, PlayMode2OrSubMode1 };

// Which ends of a distance window belong to it.
enum class Ends : u8 { Open, Closed };

struct ScheduleStep {
    StepKind kind;
    Gate gate;
    Ends ends;
    bool literal;            // a call with its own literal arguments (the SzakMix slot operations)
    i32 a, b;                // the literal arguments
    f32 from, to;            // window bounds
    void (*none)();          // an operation without argument ...
    void (*one)(i32);        // ... of one word ...
    void (*two)(i32, i32);   // ... or of two
    const char* name;        // the operation's name
};
using Schedule = std::span<const ScheduleStep>;

// What a row's windows and gates are tested against.
struct ScheduleView {
    f32 distance;
    i32 attackClock;
    f32 hp;
    i32 level, playMode, playSubMode;
};

bool Schedule_GateHolds(Gate g, const ScheduleView& v);

// Runs the rows for this frame: each row's calls in order, once for every one of the row's windows that
// holds (so twice where two of its windows share an end), once for a row without windows, and not at all
// when a gate or a further window fails. Every operation gets the script's family word (and a second word
// of the same kind) where it takes one, the SzakMix operations their literals.
void Schedule_Run(Schedule rows, const StageScript& s);
void Schedule_RunIn(Schedule rows, const StageScript& s, const ScheduleView& v);

// The steps, for the rows of the stage files.
namespace sched {

constexpr ScheduleStep Window(StepKind k, f32 from, f32 to, Ends ends) {
    return {k, Gate::Level1, ends, false, 0, 0, from, to, nullptr, nullptr, nullptr, nullptr};
}
// A row that runs on every frame.
constexpr ScheduleStep Every() { return Window(StepKind::Every, 0, 0, Ends::Open); }
// (a, b) and [a, b] on the stage distance.
constexpr ScheduleStep Open(f32 a, f32 b) { return Window(StepKind::Distance, a, b, Ends::Open); }
constexpr ScheduleStep Closed(f32 a, f32 b) { return Window(StepKind::Distance, a, b, Ends::Closed); }
// A < d < B as well, inside an outer window.
constexpr ScheduleStep Within(f32 a, f32 b) { return Window(StepKind::Within, a, b, Ends::Open); }
// A <= attack clock <= B.
constexpr ScheduleStep Clock(i32 a, i32 b) {
    return Window(StepKind::Clock, static_cast<f32>(a), static_cast<f32>(b), Ends::Closed);
}
// A <= hit points <= B.
constexpr ScheduleStep Hp(f32 a, f32 b) { return Window(StepKind::HitPoints, a, b, Ends::Closed); }
constexpr ScheduleStep Only(Gate g) {
    return {StepKind::Gate, g, Ends::Open, false, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr};
}
constexpr ScheduleStep Call(void (*f)(), const char* name) {
    return {StepKind::Call, Gate::Level1, Ends::Open, false, 0, 0, 0, 0, f, nullptr, nullptr, name};
}
constexpr ScheduleStep Call(void (*f)(i32), const char* name) {
    return {StepKind::Call, Gate::Level1, Ends::Open, false, 0, 0, 0, 0, nullptr, f, nullptr, name};
}
constexpr ScheduleStep Call(void (*f)(i32, i32), const char* name) {
    return {StepKind::Call, Gate::Level1, Ends::Open, false, 0, 0, 0, 0, nullptr, nullptr, f, name};
}
constexpr ScheduleStep SlotCall(void (*f)(i32), i32 slot, const char* name) {
    return {StepKind::Call, Gate::Level1, Ends::Open, true, slot, 0, 0, 0, nullptr, f, nullptr, name};
}
constexpr ScheduleStep SlotCall(void (*f)(i32, i32), i32 slot, i32 arg, const char* name) {
    return {StepKind::Call, Gate::Level1, Ends::Open, true, slot, arg, 0, 0, nullptr, nullptr, f, name};
}

}  // namespace sched
