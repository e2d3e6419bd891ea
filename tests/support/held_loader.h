// A soundfont load held inside the synthesiser's load (at a read of the file), as it comes out of it, or
// as it winds down, for the tests of what may and may not wait for it: a start, a stop, the end of the
// program.
#pragma once
#include <unistd.h>

#include <atomic>
#include <chrono>

#include "host/midisynth.h"
#include "support/soundfont.h"

namespace kt {

// Every loader thread that reads the soundfont while the hold is on waits at that read, inside the load,
// until LetGo; or, held as it comes out of the load or as it winds down, waits there. A hold that lasts
// kGuard lets go by itself and says so (Overran): a test that would have hung on it fails instead. Its
// state is a few atomics, nothing with a destructor, so a loader still held when a process ends may go on
// reading it after the process's statics are gone.
class HeldLoader {
public:
    static constexpr std::chrono::seconds kGuard{10};
    // How long the rest of a load may take once let go: a hang guard, which a load under the sanitizers, with
    // every core kept busy by other builds, has outrun at 10 s.
    static constexpr std::chrono::seconds kLoadGuard{30};

    // From now on a loader that reads the soundfont waits inside its load (kRead), or one that comes out
    // of its load waits there (kLoaded), or one that winds down waits as it begins (kWindingDown).
    static void Hold(host::midisynth::LoaderPoint at = host::midisynth::LoaderPoint::kRead) {
        overran_ = false;
        reads_ = 0;
        letGoAt_ = 0;
        at_ = at;
        held_ = true;
        host::midisynth::SetLoaderGate(Gate);
    }
    static void LetGo() { held_ = false; }
    // The loader held lets itself go `after` from now: no thread of the test has to be there to do it (the
    // program's thread may be inside the end of the process by then).
    static void LetGoAfter(std::chrono::milliseconds after) {
        letGoAt_ = (std::chrono::steady_clock::now() + after).time_since_epoch().count();
    }
    // A loader waits in the hold at this moment.
    static bool Inside() { return inside_.load() > 0; }
    // The reads that loaders came to since the last was let go (the one held is not counted).
    static int Reads() { return reads_.load(); }
    // A hold let go by its guard rather than by the test.
    static bool Overran() { return overran_.load(); }
    // Until a loader waits in the hold (`guard` at most); true when one does.
    static bool WaitInside(std::chrono::seconds guard = kGuard) {
        return WaitFor([] { return Inside(); }, guard);
    }
    // Until every loader thread has ended (kLoadGuard at most); true when they have.
    static bool WaitForLoaders() {
        return WaitFor([] { return !host::midisynth::Preloading(); }, kLoadGuard);
    }
    // Until `pred` holds (`guard` at most); true when it does.
    template <class Pred>
    static bool WaitFor(Pred pred, std::chrono::seconds guard) {
        const auto until = std::chrono::steady_clock::now() + guard;
        while (!pred()) {
            if (std::chrono::steady_clock::now() > until) return false;
            usleep(1000);
        }
        return true;
    }
    // Lets go, removes the gate and waits for the loaders: no test leaves one at work behind it.
    static bool Clear() {
        LetGo();
        host::midisynth::SetLoaderGate(nullptr);
        return WaitForLoaders();
    }

private:
    static void Gate(host::midisynth::LoaderPoint at) {
        if (!held_.load() || at != at_.load()) {
            if (at == host::midisynth::LoaderPoint::kRead) ++reads_;
            return;
        }
        ++inside_;
        const auto until = std::chrono::steady_clock::now() + kGuard;
        while (held_.load()) {
            const auto now = std::chrono::steady_clock::now();
            if (letGoAt_.load() != 0 && now.time_since_epoch().count() >= letGoAt_.load()) {
                held_ = false;
                break;
            }
            if (now > until) {
                overran_ = true;
                held_ = false;
                break;
            }
            usleep(1000);
        }
        reads_ = 0;
        --inside_;
    }
    static inline std::atomic<bool> held_{false};
    static inline std::atomic<host::midisynth::LoaderPoint> at_{host::midisynth::LoaderPoint::kRead};
    static inline std::atomic<int> inside_{0};
    static inline std::atomic<bool> overran_{false};
    static inline std::atomic<int> reads_{0};
    static inline std::atomic<std::chrono::steady_clock::rep> letGoAt_{0};
};

}  // namespace kt
