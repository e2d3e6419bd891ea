#include "host/midisynth.h"

#include <dlfcn.h>
#include <fluidsynth.h>
#include <pthread.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "host/backend.h"
#include "host/files.h"
#include "host/mixer.h"
#include "host/report.h"

// ================================ Standard MIDI Files =============================================
namespace host::midi {
namespace {

constexpr size_t kMaxFileBytes = 32u << 20;
constexpr size_t kMaxEvents = 4u << 20;

struct Cursor {
    const u8* p;
    const u8* end;
    bool ok = true;

    size_t Left() const { return static_cast<size_t>(end - p); }
    u8 Byte() {
        if (p >= end) {
            ok = false;
            return 0;
        }
        return *p++;
    }
    u32 Be(int n) {
        u32 v = 0;
        for (int i = 0; i < n; ++i) v = v << 8 | Byte();
        return v;
    }
    // A variable-length quantity of at most four bytes.
    u32 Vlq() {
        u32 v = 0;
        for (int i = 0; i < 4; ++i) {
            const u8 c = Byte();
            v = v << 7 | (c & 0x7F);
            if (!(c & 0x80)) return v;
        }
        ok = false;
        return 0;
    }
    void Skip(size_t n) {
        if (n > Left()) {
            ok = false;
            p = end;
        } else {
            p += n;
        }
    }
};

struct Raw {
    u64 tick;
    u32 order;       // keeps the file's order for events at the same tick
    u8 status, a, b;
    u32 tempo;       // for tempo events (status 0xFF)
};

bool ParseTrack(Cursor c, u32 track, std::vector<Raw>* out, u64* endTick) {
    u64 tick = 0;
    u8 running = 0;
    while (c.p < c.end) {
        tick += c.Vlq();
        u8 s = c.Byte();
        if (!c.ok) return false;
        if (s == 0xFF) {
            const u8 type = c.Byte();
            const u32 len = c.Vlq();
            if (!c.ok || len > c.Left()) return false;
            if (type == 0x51 && len == 3) {
                const u32 tempo = static_cast<u32>(c.p[0]) << 16 | static_cast<u32>(c.p[1]) << 8 | c.p[2];
                out->push_back({tick, static_cast<u32>(out->size()), 0xFF, 0, 0, tempo});
            }
            c.Skip(len);
            if (type == 0x2F) break;
            continue;
        }
        if (s == 0xF0 || s == 0xF7) {
            const u32 len = c.Vlq();
            if (!c.ok || len > c.Left()) return false;
            c.Skip(len);
            running = 0;
            continue;
        }
        if (s < 0x80) {
            // Running status: this byte is the first data byte.
            if (!running) return false;
            --c.p;
            s = running;
        } else if (s >= 0xF0) {
            return false;  // system common messages have no place in a file
        } else {
            running = s;
        }
        const u8 kind = s & 0xF0;
        const u8 a = c.Byte() & 0x7F;
        const u8 b = (kind == 0xC0 || kind == 0xD0) ? 0 : (c.Byte() & 0x7F);
        if (!c.ok) return false;
        if (out->size() >= kMaxEvents) return false;
        out->push_back({tick, static_cast<u32>(out->size()), s, a, b, 0});
    }
    (void)track;
    *endTick = tick;
    return c.ok;
}

}  // namespace

bool ParseSmf(const u8* data, size_t size, i32 rate, Song* out) {
    if (!data || !out || rate <= 0 || size > kMaxFileBytes) return false;
    Cursor c{data, data + size};
    if (c.Left() < 14 || std::memcmp(c.p, "MThd", 4) != 0) return false;
    c.Skip(4);
    const u32 headLen = c.Be(4);
    if (headLen < 6 || headLen > c.Left()) return false;
    const u32 format = c.Be(2);
    const u32 tracks = c.Be(2);
    const u32 division = c.Be(2);
    c.Skip(headLen - 6);
    if (!c.ok || format > 2 || tracks == 0 || division == 0) return false;

    std::vector<Raw> raw;
    u64 endTick = 0;
    u32 found = 0;
    while (found < tracks && c.Left() >= 8) {
        const bool isTrack = std::memcmp(c.p, "MTrk", 4) == 0;
        c.Skip(4);
        const u32 len = c.Be(4);
        if (!c.ok || len > c.Left()) return false;
        if (isTrack) {
            u64 trackEnd = 0;
            if (!ParseTrack(Cursor{c.p, c.p + len}, found, &raw, &trackEnd)) return false;
            endTick = std::max(endTick, trackEnd);
            ++found;
        }
        c.Skip(len);
    }
    if (found == 0) return false;
    std::stable_sort(raw.begin(), raw.end(), [](const Raw& x, const Raw& y) { return x.tick < y.tick; });

    // Ticks to microseconds through the tempo map (or a fixed SMPTE rate).
    const bool smpte = (division & 0x8000) != 0;
    double usPerTick;
    u32 ppq = 0;
    if (smpte) {
        const int fps = 256 - static_cast<int>((division >> 8) & 0xFF);
        const int perFrame = static_cast<int>(division & 0xFF);
        if (fps <= 0 || perFrame <= 0) return false;
        usPerTick = 1e6 / (static_cast<double>(fps == 29 ? 29.97 : fps) * perFrame);
    } else {
        ppq = division;
        usPerTick = 500000.0 / ppq;
    }
    // A day of music is a damaged file. Every time is held to that before it becomes a whole number, so
    // no conversion ever meets a value out of its range.
    constexpr double kMaxMicros = 24.0 * 3600.0 * 1e6;
    auto toFrame = [rate](double us) { return static_cast<u64>(us * rate / 1e6); };
    Song song;
    double us = 0.0;
    u64 lastTick = 0;
    for (const Raw& r : raw) {
        us += static_cast<double>(r.tick - lastTick) * usPerTick;
        lastTick = r.tick;
        if (!(us <= kMaxMicros)) return false;
        if (r.status == 0xFF) {
            if (!smpte && r.tempo > 0) usPerTick = static_cast<double>(r.tempo) / ppq;
            continue;
        }
        song.events.push_back({toFrame(us), r.status, r.a, r.b});
    }
    us += static_cast<double>(endTick - lastTick) * usPerTick;
    if (!(us <= kMaxMicros)) return false;
    song.lengthMicros = static_cast<u64>(us);
    song.lengthFrames = toFrame(us);
    *out = std::move(song);
    return true;
}

bool LoadSmf(const char* path, i32 rate, Song* out) {
    if (!path) return false;
    std::FILE* f = OpenRegularStream(path);
    if (!f) return false;
    std::vector<u8> bytes;
    u8 buf[65536];
    size_t n;
    bool ok = true;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        bytes.insert(bytes.end(), buf, buf + n);
        if (bytes.size() > kMaxFileBytes) {
            ok = false;
            break;
        }
    }
    if (std::ferror(f)) ok = false;
    std::fclose(f);
    return ok && ParseSmf(bytes.data(), bytes.size(), rate, out);
}

}  // namespace host::midi

// ================================ the synthesiser ================================================
namespace host::midisynth {
namespace {

// How long the program's thread waits, once per load, for a load still under way when music starts. It
// stays well inside the second in which Esc, closing the window and SIGTERM end the program; a load that
// takes longer is taken by the mix when it finishes. A stop never waits for a loader; the end of the process
// waits a twentieth of a second at most for one still inside its load to come to rest, and half a second at
// most for one that came out before the end began to wind down (EndLoads).
constexpr std::chrono::milliseconds kStartWait{250};

// The size of the pieces a read of the soundfont is made in: the library reads the whole sample data in
// one call (148 MB for the largest General MIDI soundfonts), and the end is seen between two pieces.
constexpr size_t kReadPiece = 1u << 20;

// The synthesiser's output level. The library's own default (0.2) leaves General MIDI music far under the
// effects (an RMS near -33 dBFS in play); at this level a stage's music stands near -25 dBFS beside them.
constexpr double kGain = 0.5;

// A synthesiser with its settings, as one load makes it; both null when it could not be had, and then
// `problem` says why.
struct Made {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    double ms = 0.0;
    std::string problem;
};

void Discard(Made& m) {
    if (m.synth) delete_fluid_synth(m.synth);
    if (m.settings) delete_fluid_settings(m.settings);
    m.synth = nullptr;
    m.settings = nullptr;
}

// The settings of a new synthesiser. Made on the program's thread: making them asks the audio system about
// its devices.
fluid_settings_t* NewSettings() {
    fluid_settings_t* settings = new_fluid_settings();
    if (!settings) return nullptr;
    fluid_settings_setnum(settings, "synth.sample-rate", static_cast<double>(mixer::kOutputRate));
    fluid_settings_setnum(settings, "synth.gain", kGain);
    fluid_settings_setint(settings, "synth.polyphony", 128);
    fluid_settings_setint(settings, "synth.cpu-cores", 1);
    return settings;
}

// The synthesiser's library may prepare a soundfont's samples on a team of worker threads that spin on
// every core while they wait: several times the processor time of one thread doing it alone, taken from
// the program's start-up that runs beside it. The calling thread's loads are kept to itself.
void OneThreadLoads() {
    using SetThreads = void (*)(int);
    static const auto set = reinterpret_cast<SetThreads>(dlsym(RTLD_DEFAULT, "omp_set_num_threads"));
    if (set) set(1);
}

std::atomic<void (*)(LoaderPoint)> g_loaderGate{nullptr};
// Set as the process ends: a load under way reads no more of the soundfont, and a loader that comes out of
// its load goes no further.
std::atomic<bool> g_ending{false};
// Loader threads still at work, abandoned ones among them, and the process that started them (a child made
// by fork has none of them).
std::atomic<int> g_loadersAtWork{0};
std::atomic<pid_t> g_loadersProcess{0};

// What the program's thread sees of one loader thread: whether it has come out of its load (to wind down,
// or to rest where the end has begun), has done all it does, or has come to rest at the end of the process.
struct LoaderState {
    std::atomic<bool> cameOut{false};
    std::atomic<bool> over{false};
    std::atomic<bool> resting{false};
};
// Set on a loader thread (whose reads of the soundfont the gate may hold): its own state.
thread_local LoaderState* t_loader = nullptr;

// A loader that meets the end of the process stops where it stands, for good: it reads no more, frees
// nothing and touches nothing that the end takes down, and all it made stays reachable from its stack
// until the process is gone. Between two reads of its own file, and out of its load, it holds nothing
// another thread waits for, and no signal reaches it from here on, so the end's handlers run on the
// program's thread alone.
[[noreturn]] void Rest() {
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, nullptr);
    --g_loadersAtWork;
    t_loader->resting.store(true);
    for (;;) pause();
}

// The soundfont's reads inside the synthesiser's load, as the library's own reader makes them (a buffered
// file by the name it is given), on a loader thread with the test gate before each read and in pieces,
// between which the end of the process is seen.
void* OpenForLoad(const char* name) { return OpenRegularStream(name); }
int ReadForLoad(void* buf, fluid_long_long_t count, void* file) {
    auto* f = static_cast<std::FILE*>(file);
    size_t left = static_cast<size_t>(count);
    if (!t_loader) return std::fread(buf, 1, left, f) == left ? FLUID_OK : FLUID_FAILED;
    if (void (*gate)(LoaderPoint) = g_loaderGate.load()) gate(LoaderPoint::kRead);
    for (auto* to = static_cast<char*>(buf);; ) {
        if (g_ending.load()) Rest();
        const size_t n = std::min(left, kReadPiece);
        if (std::fread(to, 1, n, f) != n) return FLUID_FAILED;
        to += n;
        left -= n;
        if (left == 0) return FLUID_OK;
    }
}
int SeekForLoad(void* file, fluid_long_long_t offset, int origin) {
    return fseeko(static_cast<std::FILE*>(file), static_cast<off_t>(offset), origin) == 0 ? FLUID_OK : FLUID_FAILED;
}
fluid_long_long_t TellForLoad(void* file) { return ftello(static_cast<std::FILE*>(file)); }
int CloseForLoad(void* file) { return std::fclose(static_cast<std::FILE*>(file)) == 0 ? FLUID_OK : FLUID_FAILED; }

// Puts the soundfont reader above in front of the synthesiser's own loaders; a file it cannot load goes
// on to theirs, as before.
void AddReader(fluid_synth_t* synth, fluid_settings_t* settings) {
    fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
    if (!loader) return;
    if (fluid_sfloader_set_callbacks(loader, OpenForLoad, ReadForLoad, SeekForLoad, TellForLoad, CloseForLoad) != FLUID_OK) {
        delete_fluid_sfloader(loader);
        return;
    }
    fluid_synth_add_sfloader(synth, loader);
}

// Creates a synthesiser on `settings` and loads into it the soundfont open on `fd` (found at `path`), then
// closes `fd`; when either fails, frees the settings, makes nothing and says why. It touches nothing
// shared, so it may run on the loader thread.
Made Make(fluid_settings_t* settings, int fd, const std::string& path) {
    const auto t0 = std::chrono::steady_clock::now();
    OneThreadLoads();
    Made m;
    m.settings = settings;
    // The library opens the file by a name of its own: the descriptor's, so that it reads the file checked
    // when it was opened whatever became of the path since.
    const std::string name = NameOfOpenFile(fd, path);
    m.synth = new_fluid_synth(settings);
    if (m.synth) AddReader(m.synth, settings);
    if (!m.synth) {
        m.problem = "the synthesiser could not be made";
    } else if (fluid_synth_sfload(m.synth, name.c_str(), 1) == FLUID_FAILED) {
        m.problem = "not a soundfont this program can load (damaged or of another kind)";
        delete_fluid_synth(m.synth);
        m.synth = nullptr;
    }
    close(fd);
    if (!m.synth) {
        delete_fluid_settings(m.settings);
        m.settings = nullptr;
    }
    m.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    return m;
}

// One load on a thread of its own, shared by the loader and the program's thread so that either may be the
// last to let it go: a load nobody waits for any more (after a Stop) frees what it made when it ends. The
// loader writes `made` and then sets `done`; from then on `made` belongs to whoever takes it. Everything a
// loader touches is its own share of this, what its thread holds (the settings, the open soundfont, the
// path), the synthesiser's library, or atomics that have nothing to free.
struct Load {
    std::atomic<bool> done{false};
    std::mutex m;
    std::condition_variable cv;
    Made made;
    ~Load() { Discard(made); }
};

// A loader thread of this process, kept to be waited for at the end, with what it shows of itself.
struct Loader {
    std::thread* thread;
    std::shared_ptr<LoaderState> state;
};

// The loaders started by the process `owner`, on the program's thread only. A child made by fork has none of
// its parent's threads: it lets go of the copies it finds without touching them.
struct Loaders {
    pid_t owner = 0;
    std::vector<Loader> list;
    std::vector<Loader>& Own() {
        if (owner != getpid()) {
            for (Loader& l : list) orphans.push_back(l);  // the parent's: never joined nor freed here
            list.clear();
            owner = getpid();
        }
        return list;
    }
    std::vector<Loader> orphans;
};
Loaders& TheLoaders() {
    static Loaders& l = *new Loaders;  // lives as long as the process, as the threads may
    return l;
}

// Joins the loaders that have done all they do; with `all`, lets go of the rest as well (the end of the
// process, once its wait is over).
void JoinLoaders(bool all) {
    std::vector<Loader>& list = TheLoaders().Own();
    for (auto it = list.begin(); it != list.end();) {
        const bool over = it->state->over.load();
        if (!all && !over) {
            ++it;
            continue;
        }
        if (over) it->thread->join();
        else it->thread->detach();
        delete it->thread;
        it = list.erase(it);
    }
}

// The end of the process, however it comes through exit: a load under way reads no more of the soundfont,
// and a loader that comes out of its load from now on does nothing more. The end waits a moment (kEndWait)
// for every loader to come to rest at its next read or as it comes out, and for one that came out before
// the end began to finish winding down (kWindDownWait at most). A loader at rest is left asleep for the
// process's end: it never winds down while the end takes the process apart, nor while the leak check stops
// every thread, and what it made stays reachable from its stack. One that is still at work after the wait
// (preparing samples, or in a read that does not come back) is left as it is.
void EndLoads() {
    if (TheLoaders().owner != getpid()) return;
    g_ending = true;
    const auto begun = std::chrono::steady_clock::now();
    // Each loader's wait is decided here, once: a loader marks its coming out before it looks at the end, and
    // the end has marked its beginning before it looks at the loaders (both in one order that every thread
    // sees), so one not seen out of its load now will see the end as it comes out, and rest there.
    std::vector<std::chrono::milliseconds> waits;
    for (const Loader& l : TheLoaders().Own()) waits.push_back(l.state->cameOut.load() ? kWindDownWait : kEndWait);
    const auto waitingFor = [begun, &waits] {
        const auto waited = std::chrono::steady_clock::now() - begun;
        const std::vector<Loader>& list = TheLoaders().Own();
        for (size_t i = 0; i < list.size(); ++i) {
            if (list[i].state->over.load() || list[i].state->resting.load()) continue;
            if (waited < waits[i]) return true;
        }
        return false;
    };
    while (waitingFor()) usleep(1000);
    JoinLoaders(true);
}

struct State {
    bool tried = false;   // a load was made or started since the last Stop
    bool waited = false;  // a start has waited its while for the load under way
    fluid_settings_t* settings = nullptr;        // changed under the audio lock
    std::atomic<fluid_synth_t*> synth{nullptr};  // what the mix renders: changed under the audio lock
    std::string soundfont;
    double startMs = 0.0;
    i32 tail = 0;  // frames still rendered after the last voice ended (reverb and chorus ring on)
    std::shared_ptr<Load> pending;  // the load under way: the program's thread's hold on it
    Load* handoff = nullptr;        // the same load while the mix may still take it (under the audio lock)

    // Under the audio lock: puts what a load made in the mix's reach.
    void Install(Made& m) {
        startMs = m.ms;
        settings = m.settings;
        synth = m.synth;
        m.settings = nullptr;
        m.synth = nullptr;
    }
    // Under the audio lock, from the mix: takes a load that finished after its music had started.
    void TakeLate() {
        if (!handoff || !handoff->done.load(std::memory_order_acquire)) return;
        Install(handoff->made);
        handoff = nullptr;
    }
    // The program's thread: takes the load under way once it has finished, waiting at most `wait` for it,
    // and says why it failed.
    void Collect(std::chrono::milliseconds wait) {
        if (!pending) return;
        if (wait.count() > 0) {
            std::unique_lock<std::mutex> lock(pending->m);
            pending->cv.wait_for(lock, wait, [this] { return pending->done.load(); });
        }
        if (!pending->done.load(std::memory_order_acquire)) return;
        {
            backend::AudioGuard g;
            TakeLate();
        }
        Said(pending->made.problem);
        pending.reset();
    }
    // Lets the load under way go on alone: what it makes is freed when it ends.
    void Abandon() {
        if (!pending) return;
        {
            backend::AudioGuard g;
            handoff = nullptr;
        }
        pending.reset();
    }
    // Says in one line why the soundfont gives no music (nothing when it does).
    void Said(const std::string& problem) const {
        if (!problem.empty()) ReportFileProblem(soundfont.c_str(), (problem + "; playing without music").c_str());
    }
    // Takes the synthesiser out of the mix's reach, then frees it and its settings.
    void Free() {
        Made old;
        {
            backend::AudioGuard g;
            old.synth = synth;
            old.settings = settings;
            synth = nullptr;
            settings = nullptr;
            tail = 0;
        }
        Discard(old);
    }
};

// The state lives as long as the process: the end of the program tears nothing of it down, so neither a
// loader still inside its load nor the mix can meet anything freed. What it holds then (a synthesiser, a
// load under way and what that made) stays reachable through it; a loader still inside its load at the end
// stops at its next read or as it comes out of its load, with what it made on its stack, and is waited for
// a twentieth of a second at most; one that came out before the end began winds down, and is waited for
// half a second at most (EndLoads).
State& S() {
    static State& s = *new State;
    return s;
}

void Quiet(int, const char*, void*) {}

// The synthesiser's library hands a file it cannot read to the loaders of other instrument formats, which
// complain through their own logging library on the error stream; the one report of the failure says it.
void QuietOtherLoaders() {
    using LogFunc = void (*)(const char*, int, const char*, void*);
    using SetDefault = LogFunc (*)(LogFunc, void*);
    static const auto set = reinterpret_cast<SetDefault>(dlsym(RTLD_DEFAULT, "g_log_set_default_handler"));
    if (set) set([](const char*, int, const char*, void*) {}, nullptr);
}

// The soundfont named by KESTRALIS_SOUNDFONT, else the file Debian's General MIDI soundfont package
// installs, else any soundfont in the usual places; "" when there is none.
std::string FindSoundfont() {
    if (const char* env = std::getenv("KESTRALIS_SOUNDFONT"); env && *env) return env;
    static const char* const kKnown[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
                                         "/usr/share/soundfonts/default.sf2"};
    std::error_code ec;
    for (const char* p : kKnown)
        if (std::filesystem::is_regular_file(p, ec)) return p;
    for (const char* dir : {"/usr/share/sounds/sf2", "/usr/share/soundfonts"}) {
        std::vector<std::string> found;
        for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
            std::string ext = it->path().extension().string();
            for (char& ch : ext) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            if (ext == ".sf2" && it->is_regular_file(ec)) found.push_back(it->path().string());
        }
        std::sort(found.begin(), found.end());
        if (!found.empty()) return found.front();
    }
    return {};
}

// What a load needs from the program's thread (the environment, the file system, the library's log hooks
// and the settings), with the soundfont open: null settings when there is nothing to load, which is said
// at once.
struct Begun {
    fluid_settings_t* settings = nullptr;
    int fd = -1;
};

Begun BeginLoad(State& s) {
    s.tried = true;
    s.waited = false;
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) fluid_set_log_function(level, Quiet, nullptr);
    QuietOtherLoaders();
    s.soundfont = FindSoundfont();
    if (s.soundfont.empty()) {
        ReportFileProblem("General MIDI soundfont",
                          "none in /usr/share/sounds/sf2 or /usr/share/soundfonts, and KESTRALIS_SOUNDFONT names "
                          "none; playing without music");
        return {};
    }
    std::string problem;
    Begun b;
    b.fd = OpenRegularFile(s.soundfont, &problem);
    if (b.fd < 0) {
        s.Said(problem);
        return {};
    }
    b.settings = NewSettings();
    if (!b.settings) {
        close(b.fd);
        return {};
    }
    return b;
}

}  // namespace

void Preload() {
    State& s = S();
    if (s.tried || s.pending) return;
    const Begun b = BeginLoad(s);
    if (!b.settings) return;
    auto load = std::make_shared<Load>();
    auto state = std::make_shared<LoaderState>();
    JoinLoaders(false);
    static pid_t registered = 0;  // once per process: a child made by fork registers its own
    if (registered != getpid() && std::atexit(EndLoads) == 0) registered = getpid();
    try {
        g_loadersProcess = getpid();
        ++g_loadersAtWork;
        auto* thread = new std::thread([load, state, b, path = s.soundfont]() mutable {
            // The lowest priority: the start-up beside it goes first, and the title is long enough for
            // the load to finish in the time the program leaves over.
            setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 19);
            t_loader = state.get();
            Made m = Make(b.settings, b.fd, path);
            if (void (*gate)(LoaderPoint) = g_loaderGate.load()) gate(LoaderPoint::kLoaded);
            // Out of the load: it winds down unless the end has begun. The end marks its beginning before
            // it looks at the loaders, and this its coming out before it looks at the end, so that either
            // it rests here or the end sees it out of its load and waits for it to wind down.
            state->cameOut.store(true);
            if (g_ending.load()) Rest();
            if (void (*gate)(LoaderPoint) = g_loaderGate.load()) gate(LoaderPoint::kWindingDown);
            {
                std::lock_guard<std::mutex> lock(load->m);
                load->made = std::move(m);
                load->done.store(true, std::memory_order_release);
            }
            load->cv.notify_all();
            load.reset();  // the last hold frees what nobody took
            --g_loadersAtWork;
            state->over.store(true);
        });
        TheLoaders().Own().push_back({thread, state});
    } catch (const std::system_error&) {
        // No thread to be had: the first Start loads as it would without a preload.
        --g_loadersAtWork;
        delete_fluid_settings(b.settings);
        close(b.fd);
        s.tried = false;
        return;
    }
    s.pending = std::move(load);
    backend::AudioGuard g;
    s.handoff = s.pending.get();
}

bool Preloading() { return g_loadersAtWork.load() > 0 && g_loadersProcess.load() == getpid(); }

bool Start() {
    State& s = S();
    if (s.pending) {
        s.Collect(s.waited ? std::chrono::milliseconds(0) : kStartWait);
        s.waited = true;
        return Running();
    }
    if (s.tried) return Running();
    const Begun b = BeginLoad(s);
    if (!b.settings) return false;
    Made m = Make(b.settings, b.fd, s.soundfont);
    {
        backend::AudioGuard g;
        s.Install(m);
    }
    s.Said(m.problem);
    return Running();
}

bool Running() { return S().synth.load() != nullptr; }

void Stop() {
    State& s = S();
    s.Collect(std::chrono::milliseconds(0));
    s.Abandon();
    s.Free();
    s.tried = false;
}
void SetLoaderGate(void (*gate)(LoaderPoint)) { g_loaderGate = gate; }
const std::string& SoundfontPath() { return S().soundfont; }
double StartMillis() {
    backend::AudioGuard g;
    return S().startMs;
}

void Send(u8 status, u8 a, u8 b) {
    State& s = S();
    if (!s.synth) s.TakeLate();
    fluid_synth_t* synth = s.synth;
    if (!synth) return;
    const int ch = status & 0x0F;
    switch (status & 0xF0) {
        case 0x80: fluid_synth_noteoff(synth, ch, a); break;
        case 0x90:
            if (b) fluid_synth_noteon(synth, ch, a, b);
            else fluid_synth_noteoff(synth, ch, a);
            break;
        case 0xA0: fluid_synth_key_pressure(synth, ch, a, b); break;
        case 0xB0: fluid_synth_cc(synth, ch, a, b); break;
        case 0xC0: fluid_synth_program_change(synth, ch, a); break;
        case 0xD0: fluid_synth_channel_pressure(synth, ch, a); break;
        case 0xE0: fluid_synth_pitch_bend(synth, ch, a | (b << 7)); break;
        default: break;
    }
    s.tail = mixer::kOutputRate * 2;
}

void AllSoundsOff() {
    fluid_synth_t* synth = S().synth;
    if (!synth) return;
    fluid_synth_all_sounds_off(synth, -1);
    fluid_synth_system_reset(synth);
}

bool Active() {
    const State& s = S();
    return s.synth && (s.tail > 0 || fluid_synth_get_active_voice_count(s.synth) > 0);
}

void RenderAdd(float* left, float* right, i32 frames) {
    State& s = S();
    if (!s.synth || frames <= 0) return;
    static float l[mixer::kBlockFrames], r[mixer::kBlockFrames];
    const i32 total = frames;
    while (frames > 0) {
        const i32 n = std::min(frames, mixer::kBlockFrames);
        fluid_synth_write_float(s.synth, n, l, 0, 1, r, 0, 1);
        for (i32 i = 0; i < n; ++i) {
            left[i] += l[i] * 32768.0f;
            right[i] += r[i] * 32768.0f;
        }
        left += n;
        right += n;
        frames -= n;
    }
    if (fluid_synth_get_active_voice_count(s.synth) > 0) s.tail = mixer::kOutputRate * 2;
    else if (s.tail > 0) s.tail = std::max(0, s.tail - total);
}

}  // namespace host::midisynth
