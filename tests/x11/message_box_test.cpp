// A box on a real display where no font can draw its words: the program's own box would stand there blank,
// so the backend asks SDL for the system's box instead, with the English lines said since the last box in
// its text. SDL's box is recorded and answered here (the executable's definition comes before libSDL2's),
// so no box waits for a click.
// The program's own box whose window goes (another X client destroys it, or a message reaches it after its
// close): the X library would end the program from inside itself.
#include <SDL.h>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "host/backend.h"
#include "host/report.h"
#include "desktop_program.h"
#include "support/rerun.h"
#include "support/temp_folder.h"
#include "x_display.h"

namespace {

struct SystemBox {
    std::string title, message;
    int buttons = 0;
};
std::vector<SystemBox> g_systemBoxes;
bool g_answerHere = false;  // set in the child that runs without fonts: record and answer, show nothing

constexpr const char* kChildRole = "KESTRALIS_TEST_BOX_WITHOUT_FONTS";

}  // namespace

extern "C" int SDL_ShowMessageBox(const SDL_MessageBoxData* data, int* buttonid) {
    if (!g_answerHere) {
        using Real = int (*)(const SDL_MessageBoxData*, int*);
        static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "SDL_ShowMessageBox"));
        return real ? real(data, buttonid) : -1;
    }
    g_systemBoxes.push_back({data->title ? data->title : "", data->message ? data->message : "", data->numbuttons});
    *buttonid = data->numbuttons > 0 ? data->buttons[0].buttonid : -1;
    return 0;
}

namespace {

namespace be = host::backend;

// The box itself, in a copy of this test program started with a font configuration that names no font.
void BoxWithoutFonts() {
    g_answerHere = true;
    host::ReportLine("IMAGE/TITLEC.BMP: not found");
    const char* text = "elDraw::LoadObject : BMPファイルを読み込めません";
    EXPECT_EQ(be::ShowMessageBox("エラー発生", text, be::kBoxOk), be::kAnswerOk);
    ASSERT_EQ(g_systemBoxes.size(), 1u) << "the system's box was not asked for";
    EXPECT_EQ(g_systemBoxes[0].title, "エラー発生");
    EXPECT_EQ(g_systemBoxes[0].message, std::string(text) + "\nIMAGE/TITLEC.BMP: not found");
    EXPECT_EQ(g_systemBoxes[0].buttons, 1);
}

TEST(MessageBoxOnX, WithoutAnyFontTheSystemsBoxShowsTheTextAndTheEnglishLines) {
    if (std::getenv(kChildRole)) {
        BoxWithoutFonts();
        return;
    }
    const std::string dir = kt::TempFolder();
    const std::string conf = dir + "/fonts.conf";
    std::ofstream(conf) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    const kt::ChildRun run = kt::RerunInChild("/proc/self/exe", kChildRole, dir + "/out.txt",
                                              {{"FONTCONFIG_FILE", conf.c_str()}}, kx::Step(60'000).Ms());
    EXPECT_TRUE(run.Passed()) << run.said;
    EXPECT_EQ(run.said.find("エラー発生: "), std::string::npos) << "the box went to the error stream instead:\n" << run.said;
}

using kx::Within;

// A key pressed and let go, or another event, as another thread of the program pushes it.
void Push(Uint32 type, SDL_Keycode key = SDLK_UNKNOWN) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = key;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    SDL_PushEvent(&e);
}
void PushKey(SDL_Keycode key) {
    Push(SDL_KEYDOWN, key);
    Push(SDL_KEYUP, key);
}

// Whether the window shows a picture: some of its pixels are not black (the box is drawn).
bool Drawn(unsigned long window) {
    std::vector<unsigned> px;
    int w = 0, h = 0;
    return kx::WindowPixels(window, &px, &w, &h) && std::any_of(px.begin(), px.end(), [](unsigned p) { return p != 0; });
}

// How many of the lines said since the last clear are `line`.
size_t Said(const std::string& line) {
    size_t n = 0;
    for (const std::string& l : host::FileReports()) n += l == line;
    return n;
}

struct GoneBox : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(be::OpenWindow("KESTRALIS", 800, 600, false));
        host::ClearFileReports();
    }
    void TearDown() override { be::CloseWindow(); }
};

// A yes/no box whose window another program destroys takes the safe answer, as at its close: nobody else
// would ever answer it.
TEST_F(GoneBox, AYesNoBoxWhoseWindowIsDestroyedAnswersNo) {
    std::atomic<bool> answered{false};
    std::thread other([&] {
        unsigned long box = 0;
        if (Within(10'000, [&] { return (box = kx::ClientWindowOf(getpid(), "Gone")) != 0 && Drawn(box); }, 10))
            kx::DestroyWindow(box);
        // The hang guard: a box that goes on waiting is answered Yes.
        if (!Within(10'000, [&] { return answered.load(); }, 10)) PushKey(SDLK_y);
    });
    const i32 answer = be::ShowMessageBox("Gone", "Is the box still there?", be::kBoxYesNo);
    answered = true;
    other.join();
    EXPECT_EQ(answer, be::kAnswerNo);
    EXPECT_EQ(Said("the window \"Gone\" is gone"), 1u);
}

// SDL wakes a thread waiting for events by sending the window it waits on a message, through a connection
// of its own, each time another thread pushes an event; one sent as a box closes reaches a window that is
// gone, and the error comes back on that connection to whichever thread reads it next. The program closed
// that box itself: the error is taken without a word. Here boxes are answered from another thread that
// pushes events all along, then a message reaches the last box after its close (the race itself comes too
// seldom to wait for), and the program takes its events, where a window that went is said.
TEST_F(GoneBox, BoxesAnsweredFromAnotherThreadOutliveAMessageAfterTheirClose) {
    const auto title = [](int n) { return "Wake " + std::to_string(n); };
    std::atomic<int> showing{0};
    std::atomic<bool> stop{false};
    std::atomic<unsigned long> last{0};
    std::thread other([&] {
        // The hang guard: once the boxes were looked for 30 s in all, each is answered without being found
        // (and the test fails).
        const kx::Step guard(30'000);
        for (int answered = 0; !stop.load(); usleep(200)) {
            Push(SDL_USEREVENT);
            const int n = showing.load();
            if (n == answered) continue;
            const unsigned long box = kx::ClientWindowOf(getpid(), title(n).c_str());
            if (!box && !guard.Over()) continue;
            answered = n;
            last = box;
            PushKey(SDLK_RETURN);
        }
    });
    for (int n = 1; n <= 20; ++n) {
        showing = n;
        EXPECT_EQ(be::ShowMessageBox(title(n).c_str(), "Awake?", be::kBoxOk), be::kAnswerOk);
    }
    stop = true;
    other.join();
    ASSERT_NE(last.load(), 0ul) << "the last box was never found";
    kx::SendMessage(last.load());
    kx::SendMessage(last.load());
    be::Event e;
    while (be::PollEvent(&e)) {
    }
    EXPECT_EQ(Said("the window \"Wake 20\" is gone"), 0u);
}

}  // namespace
