// The schedule walker shared by every stage.
#include "game/stage/schedule.h"

#include "game/common/stage_state.h"
#include "game/common/state.h"
#include "game/stage/stage_frame.h"

namespace {

// The second word that a few shot families take besides the family word; nothing writes it.
constexpr i32 kSecondWord = 0;

void Invoke(const ScheduleStep& c, i32 familyArg) {
    if (c.none != nullptr) {
        c.none();
    } else if (c.one != nullptr) {
        c.one(c.literal ? c.a : familyArg);
    } else if (c.two != nullptr) {
        if (c.literal) {
            c.two(c.a, c.b);
        } else {
            c.two(familyArg, kSecondWord);
        }
    }
}

ScheduleView Schedule_Now(const StageScript& s) {
    return {StageState.distance, s.boss->attackClock, s.boss->hp, Level, PlayMode, PlaySubMode};
}

// Whether a window step (Every, Distance, Clock, HitPoints, Within) holds.
bool Schedule_WindowHolds(const ScheduleStep& w, const ScheduleView& v) {
    switch (w.kind) {
        case StepKind::Every: return true;
        case StepKind::Distance:
        case StepKind::Within:
            if (w.ends == Ends::Open) return w.from < v.distance && v.distance < w.to;
            return w.from <= v.distance && v.distance <= w.to;
        case StepKind::Clock: {
            const f32 c = static_cast<f32>(v.attackClock);
            return w.from <= c && c <= w.to;
        }
        case StepKind::HitPoints: return w.from <= v.hp && v.hp <= w.to;
        case StepKind::Gate:
        case StepKind::Call: return false;
    }
    return false;
}

// How often the row that starts at rows[first] runs its calls in this view. `callsFrom` and `next` receive
// the index of the row's first call and of the next row.
i32 Schedule_RowTimes(Schedule rows, size_t first, const ScheduleView& v, size_t* callsFrom, size_t* next) {
    i32 windows = 0, open = 0;
    bool pass = true;
    size_t i = first;
    for (; i < rows.size() && rows[i].kind != StepKind::Call; ++i) {
        const ScheduleStep& w = rows[i];
        if (w.kind == StepKind::Gate) {
            pass = pass && Schedule_GateHolds(w.gate, v);
        } else if (w.kind == StepKind::Within) {
            pass = pass && Schedule_WindowHolds(w, v);
        } else if (w.kind != StepKind::Every) {
            windows += 1;
            open += Schedule_WindowHolds(w, v) ? 1 : 0;
        }
    }
    *callsFrom = i;
    while (i < rows.size() && rows[i].kind == StepKind::Call) ++i;
    *next = i;
    if (!pass) return 0;
    return windows == 0 ? 1 : open;
}

}  // namespace

bool Schedule_GateHolds(Gate g, const ScheduleView& v) {
    switch (g) {
        case Gate::Level1: return v.level == 1;
        case Gate::Level3: return v.level == 3;
        case Gate::Level2Or3: return v.level == 2 || v.level == 3;
        case Gate::PlayMode1: return v.playMode == 1;
        case Gate::PlayMode2: return v.playMode == 2;
        case Gate::PlayModeNot1: return v.playMode != 1;
        case Gate::SubMode1: return v.playSubMode == 1;
        case Gate::PlayMode2OrSubMode1: return v.playMode == 2 || v.playSubMode == 1;
    }
    return false;
}

void Schedule_RunIn(Schedule rows, const StageScript& s, const ScheduleView& v) {
    size_t row = 0;
    while (row < rows.size()) {
        size_t calls = 0, next = 0;
        const i32 times = Schedule_RowTimes(rows, row, v, &calls, &next);
        for (i32 t = 0; t < times; ++t)
            for (size_t k = calls; k < next; ++k) Invoke(rows[k], s.familyArg);
        row = next;
    }
}

void Schedule_Run(Schedule rows, const StageScript& s) { Schedule_RunIn(rows, s, Schedule_Now(s)); }
