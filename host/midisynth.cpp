#include "host/midisynth.h"

#include <dlfcn.h>
#include <fluidsynth.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>

#include "host/backend.h"
#include "host/mixer.h"

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
    std::FILE* f = std::fopen(path, "rb");
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

// A synthesiser with its settings, as one load makes it; both null when it could not be had.
struct Made {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    double ms = 0.0;
};

// The settings of a new synthesiser. Made on the program's thread: making them asks the audio system about
// its devices.
fluid_settings_t* NewSettings() {
    fluid_settings_t* settings = new_fluid_settings();
    if (!settings) return nullptr;
    fluid_settings_setnum(settings, "synth.sample-rate", static_cast<double>(mixer::kOutputRate));
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

// Creates a synthesiser on `settings` and loads the soundfont at `path` into it; when either fails, frees
// the settings and makes nothing. It touches nothing shared, so it may run on the loader thread.
Made Make(fluid_settings_t* settings, const std::string& path) {
    const auto t0 = std::chrono::steady_clock::now();
    OneThreadLoads();
    Made m;
    m.settings = settings;
    m.synth = new_fluid_synth(settings);
    if (m.synth && fluid_synth_sfload(m.synth, path.c_str(), 1) == FLUID_FAILED) {
        delete_fluid_synth(m.synth);
        m.synth = nullptr;
    }
    if (!m.synth) {
        delete_fluid_settings(m.settings);
        m.settings = nullptr;
    }
    m.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    return m;
}

struct State {
    bool tried = false;  // a load was made or started since the last Stop
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;  // what the mix renders: written only by the program's thread
    std::string soundfont;
    double startMs = 0.0;
    i32 tail = 0;  // frames still rendered after the last voice ended (reverb and chorus ring on)
    std::thread loader;
    Made loaded;                        // the loader's result, read only once it has been joined
    std::atomic<bool> loading{false};   // the loader is still at work

    // Puts a load's synthesiser in the mix's reach.
    void Install(const Made& m) {
        startMs = m.ms;
        settings = m.settings;
        backend::AudioGuard g;  // the audio thread may be asking for music already
        synth = m.synth;
    }
    // Waits for the loader, if there is one, and installs what it made.
    void Take() {
        if (!loader.joinable()) return;
        loader.join();
        Install(loaded);
        loaded = Made{};
    }
    // Takes the synthesiser out of the mix's reach, then frees it and its settings.
    void Free() {
        fluid_synth_t* old;
        {
            backend::AudioGuard g;
            old = synth;
            synth = nullptr;
            tail = 0;
        }
        if (old) delete_fluid_synth(old);
        if (settings) delete_fluid_settings(settings);
        settings = nullptr;
    }
    // A program that ends while the soundfont still loads waits for the loader before anything goes.
    ~State() {
        if (loader.joinable()) loader.join();
        if (loaded.synth) delete_fluid_synth(loaded.synth);
        if (loaded.settings) delete_fluid_settings(loaded.settings);
        Free();
    }
};

State& S() {
    static State s;
    return s;
}

void Quiet(int, const char*, void*) {}

std::string FindSoundfont() {
    if (const char* env = std::getenv("KESTRALIS_SOUNDFONT"); env && *env) return env;
    // The file Debian's General MIDI soundfont package installs, then any soundfont in the usual places.
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
// and the settings): null when there is nothing to load.
fluid_settings_t* BeginLoad(State& s) {
    s.tried = true;
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) fluid_set_log_function(level, Quiet, nullptr);
    s.soundfont = FindSoundfont();
    return s.soundfont.empty() ? nullptr : NewSettings();
}

}  // namespace

void Preload() {
    State& s = S();
    if (s.tried || s.loader.joinable()) return;
    fluid_settings_t* settings = BeginLoad(s);
    if (!settings) return;
    s.loading = true;
    try {
        s.loader = std::thread([&s, settings, path = s.soundfont] {
            // The lowest priority: the start-up beside it goes first, and the title is long enough for
            // the load to finish in the time the program leaves over.
            setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 19);
            s.loaded = Make(settings, path);
            s.loading = false;
        });
    } catch (const std::system_error&) {
        // No thread to be had: the first Start loads as it would without a preload.
        delete_fluid_settings(settings);
        s.loading = false;
        s.tried = false;
    }
}

bool Preloading() { return S().loading; }

bool Start() {
    State& s = S();
    s.Take();
    if (s.tried) return s.synth != nullptr;
    fluid_settings_t* settings = BeginLoad(s);
    if (!settings) return false;
    s.Install(Make(settings, s.soundfont));
    return s.synth != nullptr;
}

bool Running() { return S().synth != nullptr; }

void Stop() {
    State& s = S();
    s.Take();
    s.Free();
    s.tried = false;
}
const std::string& SoundfontPath() { return S().soundfont; }
double StartMillis() { return S().startMs; }

void Send(u8 status, u8 a, u8 b) {
    fluid_synth_t* synth = S().synth;
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
    S().tail = mixer::kOutputRate * 2;
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
