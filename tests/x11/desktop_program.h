// The real program on the tests' desktop: waiting on what it shows (each wait a step of the test's budget,
// step_budget.h), and its data with a picture left out.
#pragma once
#include <unistd.h>

#include <filesystem>
#include <source_location>
#include <string>
#include <vector>

#include "sdl/program_copy.h"
#include "step_budget.h"
#include "support/process.h"
#include "x_display.h"

namespace kx {

// How long the program started for a test may take to show its first window or box: a hang guard, which a
// start under the sanitizers on a busy machine (other builds beside the tests) has outrun at 15 s.
constexpr int kStartMs = 30'000;
// How long a program may take to end once it is asked to (or once it ends by itself).
constexpr int kEndMs = 20'000;

// Asks `done` every `stepMs` for up to `ms` by the clock, however long each asking takes: a step of the test,
// named by its place `where`. True once it holds.
template <class Done>
bool Within(int ms, Done done, int stepMs = 50, const std::source_location& where = std::source_location::current()) {
    const Step step(ms, where);
    for (;;) {
        if (done()) return true;
        if (step.Over()) return false;
        usleep(static_cast<useconds_t>(stepMs) * 1000);
    }
}

// The status of the run `pid` once it ends, within kEndMs (a step), as ProgramCopy::Wait gives it.
inline int Ended(pid_t pid, const std::source_location& where = std::source_location::current()) {
    const Step step(kEndMs, where);
    return kt::ProgramCopy::Wait(pid, step.Ms());
}

// Whether the window shows a picture: a tenth of its pixels or more are not black (the title is drawn;
// the load leaves the window black).
inline bool ShowsAPicture(unsigned long window) {
    std::vector<unsigned> px;
    int w = 0, h = 0;
    if (!WindowPixels(window, &px, &w, &h) || px.empty()) return false;
    size_t lit = 0;
    for (unsigned p : px) lit += p != 0;
    return lit * 10 >= px.size();
}

// The colour of the load's box's face. The game's window keeps the box's last picture where the box stood
// until the game draws again: a window that shows it has not shown a picture of the game's own since the box.
constexpr unsigned kBoxPaper = 0xF0F0F0;

// Whether the window shows a picture of the game's own: a tenth of its pixels or more are not black, and
// hardly any (under one in a hundred) are the box's face.
inline bool ShowsAPictureOfTheGame(unsigned long window) {
    std::vector<unsigned> px;
    int w = 0, h = 0;
    if (!WindowPixels(window, &px, &w, &h) || px.empty()) return false;
    size_t lit = 0, paper = 0;
    for (unsigned p : px) {
        lit += p != 0;
        paper += p == kBoxPaper;
    }
    return lit * 10 >= px.size() && paper * 100 < px.size();
}

// Whether the window is shown (the window manager's normal state) with a picture in it.
inline bool ShownWithAPicture(unsigned long window) { return WindowState(window) == 1 && ShowsAPicture(window); }

// The window of the process `pid` titled `title` once it is shown with a picture in it, waiting up to `ms`;
// 0 when it never is.
inline unsigned long ShownWindowOf(int pid, const char* title, int ms = kStartMs,
                                   const std::source_location& where = std::source_location::current()) {
    unsigned long window = 0;
    return Within(ms, [&] { return (window = ClientWindowOf(pid, title)) != 0 && ShownWithAPicture(window); }, 50, where)
               ? window
               : 0;
}

// The program started for a test, ended however the test ends unless it was waited for.
struct Running {
    pid_t pid;
    ~Running() {
        if (pid > 0) kt::EndedChild(pid, 0);
    }
    int Wait(const std::source_location& where = std::source_location::current()) {
        const int status = Ended(pid, where);
        pid = 0;
        return status;
    }
};

// The game's data folder `folder` (IMAGE, SOUND, MIDI) in `run` with the one file `missing` left out.
inline void DataFolderWithout(const kt::ProgramCopy& run, const char* folder, const char* missing) {
    namespace fs = std::filesystem;
    const std::string to = run.dir + folder + "/";
    fs::create_directory(to);
    for (const fs::directory_entry& e : fs::directory_iterator(std::string(KESTRALIS_BIN_DIR) + folder))
        if (e.path().filename() != missing) fs::create_symlink(e.path(), to + e.path().filename().string());
}

// The game's data in `run` with the one picture `missing` left out of IMAGE/: the load shows its box for it.
inline void ImageFolderWithout(const kt::ProgramCopy& run, const char* missing) { DataFolderWithout(run, "IMAGE", missing); }

}  // namespace kx
