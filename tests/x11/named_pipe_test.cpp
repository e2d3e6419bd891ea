// Named pipes with nobody writing to them in place of a picture, a sound, a tune and the soundfont: the
// program refuses each without opening it, says so, plays on to its title and into the stage, and Esc ends
// it well. A writer that waits on one of the pipes is still waiting after it all.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "desktop_program.h"
#include "x_display.h"

namespace {

using kt::ProgramCopy;
using kx::Within;

// A child that opens the pipe for writing, which waits until somebody opens it for reading.
struct WaitingWriter {
    pid_t pid = 0;
    explicit WaitingWriter(const std::string& fifo) {
        pid = fork();
        if (pid == 0) _exit(open(fifo.c_str(), O_WRONLY) >= 0 ? 0 : 1);
    }
    ~WaitingWriter() {
        if (pid > 0) kt::EndedChild(pid, 0);
    }
    bool StillWaiting() const {
        int status = 0;
        return pid > 0 && waitpid(pid, &status, WNOHANG) == 0;
    }
};

TEST(NamedPipes, InPlaceOfDataFilesAreRefusedAndThePlayGoesOnUntilEsc) {
    const ProgramCopy run({});
    kx::DataFolderWithout(run, "IMAGE", "TITLEC.BMP");
    kx::DataFolderWithout(run, "SOUND", "SHOT.WAV");
    kx::DataFolderWithout(run, "MIDI", "KTVB1.MID");
    const std::vector<std::string> pipes = {run.dir + "IMAGE/TITLEC.BMP", run.dir + "SOUND/SHOT.WAV",
                                            run.dir + "MIDI/KTVB1.MID", run.dir + "font.sf2"};
    for (const std::string& p : pipes) ASSERT_EQ(mkfifo(p.c_str(), 0600), 0) << p;
    const WaitingWriter writer(pipes[0]);

    kx::Running game{run.Start("x11", "err", {{"KESTRALIS_WINDOWED", "1"}, {"KESTRALIS_SOUNDFONT", pipes[3].c_str()}})};
    const auto said = [&](const std::string& line) { return run.Said("err").find(line) != std::string::npos; };

    // The sound's box and the picture's, each answered as a player does.
    unsigned long box = 0;
    for (const char* file : {"SOUND/SHOT.WAV", "IMAGE/TITLEC.BMP"}) {
        const unsigned long before = box;
        ASSERT_TRUE(Within(kx::kStartMs, [&] {
            box = kx::ClientWindowOf(game.pid, "エラー発生");
            return box != 0 && box != before && kx::WindowState(box) == 1;
        })) << "no box for " << file << "\n" << run.Said("err");
        EXPECT_TRUE(said(std::string(file) + ": not a regular file")) << run.Said("err");
        ASSERT_TRUE(kx::PressKey("Return"));
    }
    EXPECT_TRUE(said(pipes[3] + ": not a regular file; playing without music")) << run.Said("err");

    // On from the title into the stage, whose tune is the third pipe, which plays.
    unsigned long window = 0;
    ASSERT_TRUE(Within(15'000, [&] {
        return (window = kx::ClientWindowOf(game.pid, "KESTRALIS")) != 0 && kx::ClientWindowOf(game.pid, "エラー発生") == 0;
    })) << "the load never ended\n" << run.Said("err");
    // The title takes Enter only while it is held through one of its frames, and the load goes on for a
    // while after the last box: a press over before the title's first frame is never seen. Enter is pressed
    // until the level select's picture shows (the title's own is the missing picture: black; until the
    // title the window still shows the box's last picture).
    ASSERT_TRUE(kx::Within(15'000, [&] { return kx::HoldKey("Return") && kx::ShowsAPictureOfTheGame(window); }))
        << "Enter did not lead from the title to the level select\n" << run.Said("err");
    ASSERT_TRUE(Within(10'000, [&] { return kx::HoldKey("F1") && said("MIDI/KTVB1.MID: not a regular file"); }, 500))
        << "the stage's tune was never tried\n" << run.Said("err");
    // The stage plays on: its picture moves.
    const auto picture = [&] {
        std::vector<unsigned> px;
        int w = 0, h = 0;
        kx::WindowPixels(window, &px, &w, &h);
        return px;
    };
    const std::vector<unsigned> first = picture();
    EXPECT_TRUE(Within(5'000, [&] { return picture() != first; })) << "the stage stands still";
    ASSERT_TRUE(kx::HoldKey("Escape"));
    EXPECT_EQ(game.Wait(), 0) << run.Said("err");

    EXPECT_TRUE(writer.StillWaiting()) << "the program opened the pipe, and the writer went on";
    for (const std::string& p : pipes) EXPECT_FALSE(kt::SomebodyReads(p)) << p;
    const std::string err = run.Said("err");
    EXPECT_EQ(err.find("KTVB1.MID"), err.rfind("KTVB1.MID")) << "said more than once:\n" << err;
}

}  // namespace
