// The headless backend: nothing real is touched. Time is a number the tests move, input is a script,
// and every frame, box and sample is kept for inspection.
#include "host/headless/headless.h"
#include "host/mci.h"
#include "host/mixer.h"
#include "host/report.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <string_view>

#include "host/surface.h"

namespace host::headless {
namespace {

constexpr u64 kDefaultStart = 5'000'000;  // 5 s after "boot"

struct Scheduled {
    u64 at;
    u64 seq;
    backend::Event e;
};

// What a fault point was asked and armed with.
struct FaultPoint {
    i32 asked = 0;
    i32 failNext = 0;   // the next this many asks fail
    i32 failAfter = -1; // this many asks succeed, the next one fails (-1: not armed)
    bool failAlways = false;
};

struct State {
    u64 clock = kDefaultStart;
    i64 counterHz = 3'579'545;
    u32 timerMin = 1;
    i64 wall = 1'700'000'000;
    u64 idleCost = 100;
    u64 slept = 0;
    std::vector<Scheduled> script;
    u64 seq = 0;
    std::vector<Box> boxes;
    i32 yesNo = backend::kAnswerYes;
    bool windowOpen = false;
    std::string title;
    bool fullScreen = false;
    i32 raises = 0;
    bool cursorVisible = true;
    bool grabbed = false;
    u64 frames = 0;
    Frame last;
    bool keepFrames = false;
    std::vector<Frame> kept;
    // Every fault point asked about or armed, by name. Looked up without building a string: the surfaces
    // ask on every blit and lock, hundreds of times a frame.
    std::map<std::string, FaultPoint, std::less<>> faults;
    bool audioPresent = true;
    bool audioOpen = false;
    i32 audioRate = 0;
    i32 audioBlock = 0;
    backend::AudioCallback audioCb = nullptr;
    void* audioUser = nullptr;
    u64 audioFramesDone = 0;
    u64 audioStartMicros = 0;
    bool capture = true;
    std::vector<i16> captured;
    i32 sticks = 0;
    backend::StickState stick[2];
    bool inAudio = false;
    u64 idleWait = 0;
};

State& S() {
    static State s;
    return s;
}

FaultPoint& PointNamed(const char* point) {
    auto& faults = S().faults;
    const std::string_view name(point);
    auto it = faults.find(name);
    if (it == faults.end()) it = faults.emplace(std::string(name), FaultPoint{}).first;
    return it->second;
}

// Runs the audio device for every whole block that the clock has passed.
void RunAudio() {
    State& s = S();
    if (!s.audioOpen || !s.audioCb || s.inAudio) return;
    s.inAudio = true;
    const u64 due = (s.clock - s.audioStartMicros) * static_cast<u64>(s.audioRate) / 1'000'000;
    std::vector<i16> block(static_cast<size_t>(s.audioBlock) * 2);
    while (s.audioFramesDone + static_cast<u64>(s.audioBlock) <= due) {
        std::fill(block.begin(), block.end(), 0);
        s.audioCb(s.audioUser, block.data(), s.audioBlock);
        s.audioFramesDone += static_cast<u64>(s.audioBlock);
        if (s.capture && s.captured.size() < static_cast<size_t>(s.audioRate) * 2 * 300)
            s.captured.insert(s.captured.end(), block.begin(), block.end());
    }
    s.inAudio = false;
}

}  // namespace

void Reset() {
    host::MciReset();             // the sequencer and the mixer forget the device they had
    host::mixer::ForgetDevice();
    State& s = S();
    s.~State();
    new (&s) State();
    ResetSurfaces();
}

// Surfaces here pad their rows, so code that assumes pitch == 2 * width is caught; 5-6-5 by default.
void ResetSurfaces() {
    host::SetSurfacePitchPadding(kHeadlessPitchPadding);
    host::SetPixelFormatKind(host::PixelFormatKind::Rgb565);
    host::SetSurfaceFaultChecks(true);
}
// The settings hold from program start too, before any test resets the machine.
[[maybe_unused]] const bool g_surfacesSet = (ResetSurfaces(), true);
void SetPitchPadding(i32 bytes) { host::SetSurfacePitchPadding(bytes); }
void SetPixelFormat555(bool on) {
    host::SetPixelFormatKind(on ? host::PixelFormatKind::Rgb555 : host::PixelFormatKind::Rgb565);
}

u64 ClockMicros() { return S().clock; }
void SetClockMicros(u64 us) {
    S().clock = us;
    S().audioStartMicros = us;
    S().audioFramesDone = 0;
}
void SetClockMs(u32 ms) { SetClockMicros(static_cast<u64>(ms) * 1000); }
void AdvanceMicros(u64 us) {
    S().clock += us;
    RunAudio();
}
void AdvanceMs(u32 ms) { AdvanceMicros(static_cast<u64>(ms) * 1000); }
void SetCounterFrequency(i64 hz) { S().counterHz = hz; }
void SetTimerMinPeriod(u32 ms) { S().timerMin = ms; }
void SetWallSeconds(i64 s) { S().wall = s; }
void SetIdleCostMicros(u64 us) { S().idleCost = us; }
u64 SleptMicros() { return S().slept; }

void Push(const backend::Event& e) { Schedule(S().clock, e); }
void Schedule(u64 at, const backend::Event& e) {
    State& s = S();
    s.script.push_back({at, s.seq++, e});
    std::stable_sort(s.script.begin(), s.script.end(),
                     [](const Scheduled& a, const Scheduled& b) { return a.at < b.at || (a.at == b.at && a.seq < b.seq); });
}
void KeyDown(i32 vk, i32 side) {
    backend::Event e{backend::EventKind::KeyDown};
    e.key = vk;
    e.side = side;
    Push(e);
}
void KeyUp(i32 vk, i32 side) {
    backend::Event e{backend::EventKind::KeyUp};
    e.key = vk;
    e.side = side;
    Push(e);
}
void Key(i32 vk) {
    KeyDown(vk);
    KeyUp(vk);
}
void MouseMove(i32 x, i32 y) {
    backend::Event e{backend::EventKind::MouseMove};
    e.x = x;
    e.y = y;
    Push(e);
}
void Button(i32 button, bool down, i32 x, i32 y) {
    backend::Event e{down ? backend::EventKind::ButtonDown : backend::EventKind::ButtonUp};
    e.button = button;
    e.x = x;
    e.y = y;
    Push(e);
}
void Focus(bool gained) { Push(backend::Event{gained ? backend::EventKind::FocusGained : backend::EventKind::FocusLost}); }
void RequestClose() { Push(backend::Event{backend::EventKind::Close}); }
size_t PendingEvents() { return S().script.size(); }

const std::vector<Box>& Boxes() { return S().boxes; }
void ClearBoxes() { S().boxes.clear(); }
void SetYesNoAnswer(i32 answer) { S().yesNo = answer; }

bool WindowIsOpen() { return S().windowOpen; }
const std::string& WindowTitle() { return S().title; }
bool WindowFullScreen() { return S().fullScreen; }
i32 RaiseCount() { return S().raises; }
bool CursorVisible() { return S().cursorVisible; }
bool MouseGrabbed() { return S().grabbed; }
u64 FrameCount() { return S().frames; }
const Frame& LastFrame() { return S().last; }
u32 Checksum(const Frame& f) {
    u32 h = 2166136261u;
    for (u16 p : f.pixels) {
        h = (h ^ (p & 0xFF)) * 16777619u;
        h = (h ^ (p >> 8)) * 16777619u;
    }
    return h;
}
u64 Digest(const Frame& f) {
    constexpr u64 kPrime = 1099511628211ull;
    u64 h = 14695981039346656037ull;
    const size_t n = f.pixels.size();
    size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        u64 w;
        std::memcpy(&w, f.pixels.data() + i, sizeof w);
        h = (h ^ w) * kPrime;
    }
    for (; i < n; ++i) h = (h ^ f.pixels[i]) * kPrime;
    return h;
}
void KeepFrames(bool keep) { S().keepFrames = keep; }
const std::vector<Frame>& Frames() { return S().kept; }

void FailNext(const char* point, i32 times) { PointNamed(point).failNext += times; }
void FailAlways(const char* point, bool on) { PointNamed(point).failAlways = on; }
void FailAfter(const char* point, i32 passes) { PointNamed(point).failAfter = passes < 0 ? 0 : passes; }
void ClearFaults() {
    for (auto& [name, p] : S().faults) p = FaultPoint{.asked = p.asked};
}
i32 FaultCount(const char* point) {
    const auto& faults = S().faults;
    auto it = faults.find(std::string_view(point));
    return it == faults.end() ? 0 : it->second.asked;
}

void SetAudioPresent(bool present) { S().audioPresent = present; }
bool AudioIsOpen() { return S().audioOpen; }
i32 AudioRate() { return S().audioRate; }
void SetAudioCapture(bool on) { S().capture = on; }
const std::vector<i16>& CapturedAudio() { return S().captured; }
void ClearCapturedAudio() { S().captured.clear(); }

const std::vector<std::string>& MciLog() { return host::MciCommandLog(); }
void ClearMciLog() { host::MciClearLog(); }

void SetStickCount(i32 n) { S().sticks = std::clamp(n, 0, 2); }
void SetStick(i32 index, const backend::StickState& st) {
    if (index >= 0 && index < 2) S().stick[index] = st;
}

}  // namespace host::headless

// ================================ the backend seam ================================================
namespace host::backend {

using host::headless::S;
using host::headless::Frame;
using host::headless::FaultPoint;
using host::headless::PointNamed;

const char* Name() { return "headless"; }

u64 NowMicros() { return S().clock; }
void SleepMicros(u64 us) {
    S().slept += us;
    host::headless::AdvanceMicros(us);
}
void SleepUntilCounter(i64 when) {
    auto& s = S();
    if (s.counterHz <= 0 || when <= 0) return;
    // The first microsecond at which the counter reads `when` or more.
    const u64 at = static_cast<u64>((static_cast<unsigned __int128>(when) * 1'000'000u + static_cast<u64>(s.counterHz) - 1) /
                                    static_cast<u64>(s.counterHz));
    if (at > s.clock) SleepMicros(at - s.clock);
}
i64 CounterFrequency() { return S().counterHz; }
i64 CounterNow() {
    const auto& s = S();
    if (s.counterHz <= 0) return 0;
    return static_cast<i64>(static_cast<unsigned __int128>(s.clock) * static_cast<u64>(s.counterHz) / 1'000'000u);
}
u32 TimerMinPeriodMs() { return S().timerMin; }
i64 WallSeconds() { return S().wall; }

bool PollEvent(Event* out) {
    auto& s = S();
    if (!s.script.empty() && s.script.front().at <= s.clock) {
        *out = s.script.front().e;
        s.script.erase(s.script.begin());
        return true;
    }
    // Looking and finding nothing costs a little time, so a loop that only polls still moves on.
    host::headless::AdvanceMicros(s.idleCost);
    return false;
}

bool EndAsked() {
    const auto& s = S();
    return std::any_of(s.script.begin(), s.script.end(),
                       [&](const auto& x) { return x.at <= s.clock && x.e.kind == EventKind::Close; });
}

void WaitEvent(u32 timeoutMs) {
    auto& s = S();
    u64 target = s.clock + static_cast<u64>(timeoutMs) * 1000;
    if (!s.script.empty()) {
        target = std::min(target, std::max(s.script.front().at, s.clock));
        s.idleWait = 0;
    } else if ((s.idleWait += timeoutMs) > 3'600'000u) {
        // Waiting for input that the script will never send: the test would hang.
        std::fprintf(stderr, "headless: waited an hour of virtual time for an event that never comes\n");
        std::abort();
    }
    if (target > s.clock) host::headless::AdvanceMicros(target - s.clock);
}

bool OpenWindow(const char* title, i32, i32, bool fullScreen) {
    auto& s = S();
    if (Fault("OpenWindow")) {
        host::ReportLine("no display: the headless machine has none");
        return false;
    }
    s.windowOpen = true;
    s.title = title;
    s.fullScreen = fullScreen;
    host::headless::Push(Event{EventKind::FocusGained});
    return true;
}
void CloseWindow() { S().windowOpen = false; }
void RaiseWindow() { ++S().raises; }
bool WindowOpen() { return S().windowOpen; }

void Present(const u16* pixels, i32 width, i32 height, i32 pitchBytes, bool rgb565, bool vsync) {
    auto& s = S();
    if (vsync) {
        // Wait for the next 1/60 s boundary of the virtual clock.
        const u64 period = 1'000'000 / 60;
        const u64 next = (s.clock / period + 1) * period;
        host::headless::AdvanceMicros(next - s.clock);
    }
    Frame& f = s.last;
    f.width = width;
    f.height = height;
    f.rgb565 = rgb565;
    f.vsync = vsync;
    f.atMicros = s.clock;
    f.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (i32 y = 0; y < height; ++y)
        std::memcpy(f.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width),
                    reinterpret_cast<const u8*>(pixels) + static_cast<size_t>(y) * static_cast<size_t>(pitchBytes),
                    static_cast<size_t>(width) * 2);
    ++s.frames;
    if (s.keepFrames) s.kept.push_back(f);
}

void SetCursorVisible(bool visible) { S().cursorVisible = visible; }
void WarpMouse(i32, i32) {}
void SetMouseGrab(bool grab) { S().grabbed = grab; }

i32 ShowMessageBox(const char* caption, const char* text, u32 buttons) {
    auto& s = S();
    s.boxes.push_back({caption, text, buttons, s.frames});
    return buttons == kBoxYesNo ? s.yesNo : kAnswerOk;
}

bool OpenAudio(i32 rate, i32 blockFrames, AudioCallback cb, void* user) {
    auto& s = S();
    if (!s.audioPresent || s.audioOpen || Fault("OpenAudio")) return false;
    s.audioOpen = true;
    s.audioRate = rate;
    s.audioBlock = blockFrames > 0 ? blockFrames : 512;
    s.audioCb = cb;
    s.audioUser = user;
    s.audioFramesDone = 0;
    s.audioStartMicros = s.clock;
    return true;
}
void CloseAudio() {
    auto& s = S();
    s.audioOpen = false;
    s.audioCb = nullptr;
}
void LockAudio() {}
void UnlockAudio() {}

i32 StickCount() { return S().sticks; }
bool ReadStick(i32 index, StickState* out) {
    auto& s = S();
    if (index < 0 || index >= s.sticks || Fault("ReadStick")) return false;
    *out = s.stick[index];
    return true;
}

bool Fault(const char* point) {
    FaultPoint& p = PointNamed(point);
    ++p.asked;
    if (p.failAlways) return true;
    if (p.failNext > 0) {
        --p.failNext;
        return true;
    }
    if (p.failAfter >= 0) return p.failAfter-- == 0;
    return false;
}

}  // namespace host::backend
