// The same scene in a window and full screen: Enter, F1, fire held. The shots are blended into the picture
// (added to what lies under them), and they show in both, whatever the desktop's depth.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "desktop_program.h"
#include "x_display.h"

namespace {

using kt::ProgramCopy;
// The pixels of the shots' light blue in the lane above the ship where it starts, the picture found in the
// window as it is letterboxed there.
size_t ShotPixelsAboveTheShip(unsigned long window) {
    std::vector<unsigned> px;
    int w = 0, h = 0;
    if (!kx::WindowPixels(window, &px, &w, &h) || px.empty()) return 0;
    const double scale = std::min(w / 800.0, h / 600.0);
    const int left = static_cast<int>((w - 800 * scale) / 2), top = static_cast<int>((h - 600 * scale) / 2);
    size_t n = 0;
    for (int y = static_cast<int>(100 * scale); y < static_cast<int>(500 * scale); ++y)
        for (int x = static_cast<int>(370 * scale); x < static_cast<int>(430 * scale); ++x) {
            const unsigned p = px[static_cast<size_t>((top + y) * w + left + x)];
            const unsigned r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
            n += b > 200 && g > 150 && r < 160;
        }
    return static_cast<size_t>(static_cast<double>(n) / (scale * scale));  // in the picture's own pixels
}

class BlendedSprites : public testing::TestWithParam<const char*> {};

TEST_P(BlendedSprites, ShowInAWindowAsFullScreen) {
    const ProgramCopy run({"IMAGE", "SOUND", "MIDI"});
    kx::Running game{run.Start("x11", "err", {{"KESTRALIS_WINDOWED", GetParam()}})};
    const unsigned long window = kx::ShownWindowOf(game.pid, "KESTRALIS");
    ASSERT_NE(window, 0u) << run.Said("err");

    // Enter at the title, F1 at the level select, until the stage's ship fires (for up to 20 s).
    size_t shots = 0;
    for (const kx::Step step(20'000); shots <= 1500 && !step.Over();) {
        kx::HoldKey("Return");
        kx::HoldKey("F1");
        kx::SetKey("c", true);
        usleep(700'000);
        shots = ShotPixelsAboveTheShip(window);
        kx::SetKey("c", false);
    }
    EXPECT_GT(shots, 1500u) << "the shots were not drawn\n" << run.Said("err");

    ASSERT_TRUE(kx::HoldKey("Escape"));
    EXPECT_EQ(game.Wait(), 0) << run.Said("err");
}

INSTANTIATE_TEST_SUITE_P(Desktop, BlendedSprites, testing::Values("1", "0"),
                         [](const testing::TestParamInfo<const char*>& i) {
                             return std::string(*i.param == '1' ? "Window" : "FullScreen");
                         });

}  // namespace
