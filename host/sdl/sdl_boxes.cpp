// The message boxes: the program's own box in a window of its own, else the system's box that SDL shows from
// a child process, else a line on the terminal; each closes with its safe answer at a request to end.
#include <SDL.h>
#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "host/files.h"
#include "host/instance.h"
#include "host/msgbox.h"
#include "host/process.h"
#include "host/report.h"
#include "host/sdl/sdl_state.h"

namespace host::backend::sdl {
namespace {

// A display that shows something to someone: on one that does not, a box would wait for an answer that
// can never come.
bool DisplayIsReal() { return !ShowsNothing(SDL_GetCurrentVideoDriver()); }

// The answer of a box closed without one: No where it asks, else OK.
i32 SafeAnswer(u32 buttons) { return buttons == kBoxYesNo ? kAnswerNo : kAnswerOk; }

// Our own box in a small window of its own, drawn with the program's font; waits for the answer. -1 when
// it cannot be shown, or when the font cannot draw the text (the box would stand there blank).
i32 RunOwnBox(const char* caption, const char* text, u32 buttons) {
    State& s = S();
    i32 focus = 0;
    box::Picture pic = box::Draw(caption, text, buttons, focus);
    if (!pic.legible) return -1;
    SDL_Window* w = SDL_CreateWindow(caption, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, pic.width, pic.height,
                                     SDL_WINDOW_SHOWN | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR);
    if (!w) return -1;
    const XWindowNote& note = NoteBoxXWindow(w, caption);
    SDL_Renderer* r = SDL_CreateRenderer(w, -1, SDL_RENDERER_SOFTWARE);
    SDL_Texture* t = r ? SDL_CreateTexture(r, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, pic.width, pic.height)
                       : nullptr;
    if (!t) {
        if (r) SDL_DestroyRenderer(r);
        DestroyNotedWindow(w, note);
        return -1;
    }
    if (s.window) SDL_SetWindowModalFor(w, s.window);
    SDL_RaiseWindow(w);
    SDL_SetWindowInputFocus(w);
    const Uint32 id = SDL_GetWindowID(w);
    i32 answer = 0;
    SDL_Keycode answerKey = SDLK_UNKNOWN;
    bool dirty = true;
    while (!answer) {
        // The program's window gone meanwhile is said now, and closes the program once the box is answered.
        if (s.window) ProgramWindowGone();
        if (XWindowGone(w, note) || CloseSignalled()) {  // as closed: gone, or the program is to end
            answer = SafeAnswer(buttons);
            break;
        }
        // Another copy started meanwhile waits for an answer: the program comes forward with its box on top.
        if (TakeRaiseRequest()) {
            RaiseWindow();
            SDL_RaiseWindow(w);
        }
        if (dirty) {
            SDL_UpdateTexture(t, nullptr, pic.argb.data(), pic.width * 4);
            SDL_RenderClear(r);
            SDL_RenderCopy(r, t, nullptr, nullptr);
            SDL_RenderPresent(r);
            dirty = false;
        }
        if (s.repaintAsked) RepaintWindow();  // the program's window, which no picture reaches meanwhile
        SDL_Event e;
        if (!SDL_WaitEventTimeout(&e, 200)) {
            dirty = true;  // some servers drop the first picture of a window not yet mapped
            continue;
        }
        switch (e.type) {
            case SDL_KEYDOWN: {
                // The box is modal: every key belongs to it, whichever window the display says has focus
                // (without a window manager nobody hands the focus over).
                const SDL_Keycode k = e.key.keysym.sym;
                if (buttons == kBoxYesNo && (k == SDLK_LEFT || k == SDLK_RIGHT || k == SDLK_TAB)) {
                    focus = 1 - focus;
                    pic = box::Draw(caption, text, buttons, focus);
                    dirty = true;
                    break;
                }
                i32 side = 0;
                answer = box::AnswerForKey(pic, buttons, focus, MapKey(k, &side));
                if (answer) answerKey = k;
                break;
            }
            case SDL_MOUSEBUTTONUP:
                if (e.button.windowID == id && e.button.button == SDL_BUTTON_LEFT)
                    answer = box::AnswerAt(pic, e.button.x, e.button.y);
                break;
            case SDL_WINDOWEVENT:
                NoteRepaintAsked(e.window);
                if (e.window.windowID != id) break;
                if (e.window.event == SDL_WINDOWEVENT_CLOSE) answer = SafeAnswer(buttons);
                else dirty = true;
                break;
            case SDL_QUIT:
                break;  // the box is answered first; a close of the program waits for it
            default:
                break;
        }
    }
    // The key that answered is let go before the box goes: its release must not land nowhere, or the
    // program would take that key as still held and every later press of it as a repeat.
    for (Uint32 start = SDL_GetTicks(); answerKey != SDLK_UNKNOWN && SDL_GetTicks() - start < 1000;) {
        SDL_Event e;
        if (SDL_WaitEventTimeout(&e, 50) && e.type == SDL_KEYUP && e.key.keysym.sym == answerKey) break;
    }
    SDL_DestroyTexture(t);
    SDL_DestroyRenderer(r);
    DestroyNotedWindow(w, note);
    // Closing the only window asks the program to quit: that was the box's close, not the user's.
    if (!s.window) SDL_FlushEvent(SDL_QUIT);
    // The focus goes back to the program's window (nobody else hands it back without a window manager).
    if (s.window) {
        SDL_RaiseWindow(s.window);
        SDL_SetWindowInputFocus(s.window);
    }
    return answer;
}

// The processes whose parent is this one.
std::vector<pid_t> OurChildren() {
    std::vector<pid_t> children;
    DIR* proc = opendir("/proc");
    if (!proc) return children;
    const pid_t self = getpid();
    while (const dirent* e = readdir(proc)) {
        char* end = nullptr;
        const long pid = std::strtol(e->d_name, &end, 10);
        if (pid <= 0 || *end) continue;
        char path[64], stat[512];
        std::snprintf(path, sizeof path, "/proc/%ld/stat", pid);
        FILE* f = OpenRegularStream(path);
        if (!f) continue;
        const size_t got = std::fread(stat, 1, sizeof stat - 1, f);
        std::fclose(f);
        stat[got] = 0;
        // "pid (name) state ppid ...": the name may hold anything, brackets too.
        const char* name = std::strrchr(stat, ')');
        char state = 0;
        long ppid = 0;
        if (name && std::sscanf(name + 1, " %c %ld", &state, &ppid) == 2 && ppid == self)
            children.push_back(static_cast<pid_t>(pid));
    }
    closedir(proc);
    return children;
}

// SDL shows the system's box on X11 from a child process it forks, and waits for that child with no way
// out. While the box is up, a termination request ends the child, that is any child of ours new since the
// box was asked for: the box goes, and the wait comes back without an answer. The child is a copy of the
// waiting thread alone, and a lock another thread holds as it is made stays held in it for good: so the
// watch is under way before the box is asked for, and touches nothing but the flags until a request comes.
class SystemBoxWatch {
public:
    SystemBoxWatch() : before_(OurChildren()), thread_([this] { Watch(); }) {
        while (!started_.load()) usleep(1'000);
    }
    ~SystemBoxWatch() {
        done_.store(true);
        thread_.join();
    }

private:
    void Watch() {
        started_.store(true);
        for (; !done_.load(); usleep(20'000)) {
            if (!CloseSignalled()) continue;
            for (pid_t child : OurChildren())
                if (std::find(before_.begin(), before_.end(), child) == before_.end()) kill(child, SIGKILL);
        }
    }
    const std::vector<pid_t> before_;
    std::atomic<bool> started_{false}, done_{false};
    std::thread thread_;
};

// The system's own box, drawn by SDL with the display's fonts; -1 when it cannot be shown. A termination
// request closes it with its safe answer.
i32 RunSystemBox(const char* caption, const char* text, u32 buttons) {
    const SDL_MessageBoxButtonData ok[1] = {{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kAnswerOk, "OK"}};
    const SDL_MessageBoxButtonData yesNo[2] = {{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kAnswerYes, "Yes"},
                                               {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kAnswerNo, "No"}};
    const bool yn = buttons == kBoxYesNo;
    const SDL_MessageBoxData data{SDL_MESSAGEBOX_WARNING, S().window, caption, text, yn ? 2 : 1, yn ? yesNo : ok, nullptr};
    int hit = -1;
    bool shown;
    {
        const SystemBoxWatch watch;
        shown = SDL_ShowMessageBox(&data, &hit) == 0 && hit >= 0;
    }
    if (!shown && !CloseSignalled()) return -1;
    if (!shown) hit = SafeAnswer(buttons);
    // Closing the only window asks the program to quit: that was the box's close, not the user's.
    if (!S().window) SDL_FlushEvent(SDL_QUIT);
    return hit;
}

}  // namespace
}  // namespace host::backend::sdl

namespace host::backend {
using namespace sdl;

i32 ShowMessageBox(const char* caption, const char* text, u32 buttons) {
    // The English lines said since the last box are this box's reason in plain words.
    const std::vector<std::string> said = TakeUnboxedReports(8);
    if (CloseSignalled()) return SafeAnswer(buttons);  // the program is to end: no box waits for anyone
    i32 hit = -1;
    if (VideoUp() && DisplayIsReal()) {
        hit = RunOwnBox(caption, text, buttons);
        if (hit <= 0) hit = RunSystemBox(caption, box::WithEnglishLines(text, said).c_str(), buttons);
    }
    EndVideo();  // a box with no window of the program's: nothing of ours is left on the display
    if (hit <= 0) {
        // No way to show it: say it on the terminal (what it has not said there yet) and take the safe answer.
        std::fprintf(stderr, "%s: %s\n", caption, box::WithoutSaidLines(text, said).c_str());
        return SafeAnswer(buttons);
    }
    return hit;
}

}  // namespace host::backend
