// The media-control interpreter: one sequencer device, opened on a Standard MIDI File under an alias and
// driven by command strings. The song advances with the audio output: the mixer asks for music each block,
// and the sequencer sends the events that fall due to the synthesiser before rendering it. The natural end
// of a "notify" play posts the notify message to the window that asked for it.
#include "host/mci.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "host/backend.h"
#include "host/files.h"
#include "host/midisynth.h"
#include "host/mixer.h"

namespace host {
namespace {

enum : u32 {
    kErrNone = 0,
    kErrUnrecognized = 261,   // no such command
    kErrBadParameter = 262,   // a word the command does not take, or one missing
    kErrNoDevice = 263,       // no device of that name is open
    kErrFileUnreadable = 275, // the file is missing or is not a MIDI file
    kErrDuplicateAlias = 289, // the alias is already taken
    kErrDeviceBusy = 290,     // the sequencer is already open under another name
    kErrNoOutput = 291,       // no audio device
    kErrBadType = 292,        // a device type other than sequencer
    kErrTooLong = 293,        // the command is longer than a command may be
};
constexpr u32 kDeviceId = 1;
constexpr size_t kLogMax = 1024;
constexpr size_t kCommandMax = 1024;

struct Device {
    bool open = false;
    std::string alias;
    midi::Song song;
    bool playing = false;
    u64 pos = 0;          // frames from the song's start
    size_t next = 0;      // the next event to send
    bool notifyPending = false;
    Window notifyWindow = 0;
    bool held = false;    // holds the audio device
};

struct State {
    Device dev;
    std::vector<std::string> log;
};

State& S() {
    static State s;
    return s;
}

void Notify(Window w, u32 code) {
    if (w) PostMessage(w, kMsgMciNotify, code, static_cast<std::intptr_t>(kDeviceId));
}

// Ends a pending notification with `code` (aborted by a stop, superseded by a new play).
void EndPending(Device& d, u32 code) {
    if (!d.notifyPending) return;
    d.notifyPending = false;
    Notify(d.notifyWindow, code);
}

// The mixer's music source: runs on the audio thread under the audio lock.
void Render(void*, float* left, float* right, i32 frames) {
    Device& d = S().dev;
    i32 done = 0;
    if (d.open && d.playing) {
        const std::vector<midi::Event>& ev = d.song.events;
        while (done < frames) {
            while (d.next < ev.size() && ev[d.next].frame <= d.pos) {
                midisynth::Send(ev[d.next].status, ev[d.next].data1, ev[d.next].data2);
                ++d.next;
            }
            if (d.next >= ev.size() && d.pos >= d.song.lengthFrames) {
                // The song has ended by itself.
                d.playing = false;
                if (d.notifyPending) {
                    d.notifyPending = false;
                    Notify(d.notifyWindow, kMciNotifySuccessful);
                }
                break;
            }
            u64 until = d.pos + static_cast<u64>(frames - done);
            if (d.next < ev.size()) until = std::min(until, ev[d.next].frame);
            if (d.pos < d.song.lengthFrames) until = std::min(until, d.song.lengthFrames);
            const i32 n = static_cast<i32>(until - d.pos);
            midisynth::RenderAdd(left + done, right + done, n);
            d.pos = until;
            done += n;
        }
    }
    if (done < frames && midisynth::Active()) midisynth::RenderAdd(left + done, right + done, frames - done);
}

// ---- parsing --------------------------------------------------------------------------------------

bool Tokenize(const char* s, std::vector<std::string>* out, std::vector<bool>* quoted) {
    while (*s) {
        if (std::isspace(static_cast<unsigned char>(*s))) {
            ++s;
            continue;
        }
        std::string t;
        if (*s == '"') {
            ++s;
            while (*s && *s != '"') t += *s++;
            if (*s != '"') return false;  // an unclosed quote
            ++s;
            quoted->push_back(true);
        } else {
            while (*s && !std::isspace(static_cast<unsigned char>(*s))) t += *s++;
            quoted->push_back(false);
        }
        out->push_back(t);
    }
    return true;
}

bool Is(const std::string& a, const char* b) {
    if (a.size() != std::strlen(b)) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) return false;
    return true;
}

// Device names compare without regard to case.
bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

void Answer(char* answer, u32 size, const char* text) {
    if (!answer || size == 0) return;
    std::strncpy(answer, text, size - 1);
    answer[size - 1] = 0;
}

// ---- the commands ---------------------------------------------------------------------------------

u32 Open(const std::vector<std::string>& t, const std::vector<bool>& quoted) {
    Device& d = S().dev;
    if (t.size() < 2 || (!quoted[1] && t[1].empty())) return kErrBadParameter;
    std::string alias = t[1];
    for (size_t i = 2; i < t.size(); ++i) {
        if (Is(t[i], "type") && i + 1 < t.size()) {
            if (!Is(t[++i], "sequencer")) return kErrBadType;
        } else if (Is(t[i], "alias") && i + 1 < t.size()) {
            alias = t[++i];
        } else {
            return kErrBadParameter;
        }
    }
    if (d.open) return SameName(d.alias, alias) ? kErrDuplicateAlias : kErrDeviceBusy;
    midi::Song song;
    if (!midi::LoadSmf(ResolvePath(t[1].c_str()).c_str(), mixer::kOutputRate, &song)) return kErrFileUnreadable;
    if (!mixer::AcquireDevice()) return kErrNoOutput;
    midisynth::Start();
    mixer::SetMusicSource(Render, nullptr);
    backend::AudioGuard g;
    d = Device{};
    d.open = true;
    d.alias = alias;
    d.song = std::move(song);
    d.held = true;
    return kErrNone;
}

// Finds the open device named by t[1]; the words after it are the command's own.
Device* Named(const std::vector<std::string>& t) {
    Device& d = S().dev;
    if (t.size() < 2 || !d.open || !SameName(d.alias, t[1])) return nullptr;
    return &d;
}

u32 Seek(Device& d, const std::vector<std::string>& t) {
    if (t.size() != 4 || !Is(t[2], "to")) return kErrBadParameter;
    const bool start = Is(t[3], "start");
    if (!start && !Is(t[3], "end")) return kErrBadParameter;
    backend::AudioGuard g;
    EndPending(d, kMciNotifyAborted);
    d.playing = false;
    midisynth::AllSoundsOff();
    d.pos = start ? 0 : d.song.lengthFrames;
    d.next = start ? 0 : d.song.events.size();
    return kErrNone;
}

u32 Play(Device& d, const std::vector<std::string>& t, Window notify) {
    bool wantNotify = false;
    for (size_t i = 2; i < t.size(); ++i) {
        if (Is(t[i], "notify")) wantNotify = true;
        else return kErrBadParameter;
    }
    backend::AudioGuard g;
    EndPending(d, kMciNotifySuperseded);
    d.notifyPending = wantNotify;
    d.notifyWindow = notify;
    d.playing = true;
    return kErrNone;
}

u32 StopDevice(Device& d, const std::vector<std::string>& t) {
    if (t.size() != 2) return kErrBadParameter;
    backend::AudioGuard g;
    EndPending(d, kMciNotifyAborted);
    d.playing = false;
    midisynth::AllSoundsOff();
    return kErrNone;
}

u32 Close(Device& d, const std::vector<std::string>& t) {
    if (t.size() != 2) return kErrBadParameter;
    bool held;
    {
        backend::AudioGuard g;
        EndPending(d, kMciNotifyAborted);
        midisynth::AllSoundsOff();
        held = d.held;
        d = Device{};
    }
    if (held) mixer::ReleaseDevice();
    return kErrNone;
}

u32 Status(Device& d, const std::vector<std::string>& t, char* answer, u32 size) {
    if (t.size() != 3) return kErrBadParameter;
    backend::AudioGuard g;
    if (Is(t[2], "mode")) {
        Answer(answer, size, d.playing ? "playing" : "stopped");
    } else if (Is(t[2], "length") || Is(t[2], "position")) {
        const u64 frames = Is(t[2], "length") ? d.song.lengthFrames : d.pos;
        Answer(answer, size, std::to_string(frames * 1000 / mixer::kOutputRate).c_str());
    } else {
        return kErrBadParameter;
    }
    return kErrNone;
}

}  // namespace

u32 MciSendString(const char* command, char* answer, u32 answerSize, Window notify) {
    // The answer is empty until a command writes one.
    if (answer && answerSize) std::memset(answer, 0, answerSize);
    if (!command) return kErrUnrecognized;
    State& s = S();
    if (s.log.size() >= kLogMax) s.log.erase(s.log.begin(), s.log.begin() + static_cast<long>(kLogMax / 4));
    s.log.emplace_back(command);
    if (std::strlen(command) > kCommandMax) return kErrTooLong;
    std::vector<std::string> t;
    std::vector<bool> quoted;
    if (!Tokenize(command, &t, &quoted) || t.empty()) return kErrUnrecognized;
    if (Is(t[0], "open")) return Open(t, quoted);
    const bool known = Is(t[0], "seek") || Is(t[0], "play") || Is(t[0], "stop") || Is(t[0], "close") || Is(t[0], "status");
    if (!known) return kErrUnrecognized;
    Device* d = Named(t);
    if (!d) return kErrNoDevice;
    if (Is(t[0], "seek")) return Seek(*d, t);
    if (Is(t[0], "play")) return Play(*d, t, notify);
    if (Is(t[0], "stop")) return StopDevice(*d, t);
    if (Is(t[0], "close")) return Close(*d, t);
    return Status(*d, t, answer, answerSize);
}

const std::vector<std::string>& MciCommandLog() { return S().log; }
void MciClearLog() { S().log.clear(); }

void MciCloseAll() {
    State& s = S();
    bool held;
    {
        backend::AudioGuard g;
        midisynth::AllSoundsOff();
        held = s.dev.held;
        s.dev = Device{};
    }
    if (held) mixer::ReleaseDevice();
}

void MciReset() {
    State& s = S();
    {
        backend::AudioGuard g;
        midisynth::AllSoundsOff();
        s.dev = Device{};
    }
    s.log.clear();
}

}  // namespace host
