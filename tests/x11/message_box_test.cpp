// A box on a real display where no font can draw its words: the program's own box would stand there blank,
// so the backend asks SDL for the system's box instead, with the English lines said since the last box in
// its text. SDL's box is recorded and answered here (the executable's definition comes before libSDL2's),
// so no box waits for a click.
#include <SDL.h>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/backend.h"
#include "host/report.h"
#include "support/rerun.h"

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
    namespace fs = std::filesystem;
    const std::string dir = (fs::temp_directory_path() / ("kestralis-box-" + std::to_string(getpid()))).string();
    fs::create_directories(dir);
    const std::string conf = dir + "/fonts.conf";
    std::ofstream(conf) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    const kt::ChildRun run = kt::RerunInChild("/proc/self/exe", kChildRole, dir + "/out.txt", {{"FONTCONFIG_FILE", conf.c_str()}});
    EXPECT_TRUE(run.Passed()) << run.said;
    EXPECT_EQ(run.said.find("エラー発生: "), std::string::npos) << "the box went to the error stream instead:\n" << run.said;
    std::error_code ec;
    fs::remove_all(dir, ec);
}

}  // namespace
