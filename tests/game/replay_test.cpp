// A seeded game played from the title by a fixed script of keys: every presented frame, folded into a few
// numbers, must stay what it is. A change that only moves code around must leave these numbers alone; a
// change that alters what the game shows on purpose (a family that now flies in stage 1) takes the new
// numbers from this test's failure once it has been seen to be right.
#include <vector>

#include "game/stage_fixture.h"

namespace hl = host::headless;

namespace {

struct Step {
    int pass;   // the main-loop pass before which the key changes
    i32 vk;
    bool down;
};

// Enter at the title, F1 at the level select, then a stretch of stage 1 flown and fired through.
const Step kScript[] = {
    {5, host::kVkReturn, true},   {6, host::kVkReturn, false},  {40, host::kVkF1, true},
    {41, host::kVkF1, false},     {90, host::kVkShift, true},   {100, host::kVkLeft, true},
    {140, host::kVkLeft, false},  {150, 'C', true},             {160, host::kVkUp, true},
    {200, host::kVkUp, false},    {210, host::kVkRight, true},  {290, host::kVkRight, false},
    {300, 'V', true},             {310, host::kVkDown, true},   {330, host::kVkDown, false},
    {380, 'C', false},            {390, 'V', false},            {400, host::kVkControl, true},
    {420, host::kVkLeft, true},   {470, host::kVkLeft, false},  {500, host::kVkShift, false},
    {520, host::kVkControl, false},
};
constexpr int kPasses = 600;

class ReplayTest : public kt::StageTest {
protected:
    void SetUp() override {
        kt::StageTest::SetUp();
        // The frame gate starts from this machine's clock, whatever an earlier test of the process left.
        elSystem::SetFrameRate(60);
    }
    // Plays the script; returns the checksum of every frame presented, in order.
    std::vector<u32> Play() {
        std::vector<u32> sums;
        size_t next = 0;
        u64 seen = hl::FrameCount();
        for (int pass = 0; pass < kPasses; ++pass) {
            for (; next < std::size(kScript) && kScript[next].pass == pass; ++next)
                kScript[next].down ? Hold(kScript[next].vk) : Release(kScript[next].vk);
            Pass(17);
            if (hl::FrameCount() != seen) {
                seen = hl::FrameCount();
                sums.push_back(hl::Checksum(hl::LastFrame()));
            }
        }
        return sums;
    }
    static u32 Fold(const std::vector<u32>& sums, size_t from, size_t to) {
        u32 h = 2166136261u;
        for (size_t i = from; i < to && i < sums.size(); ++i) h = (h ^ sums[i]) * 16777619u;
        return h;
    }
};

}  // namespace

TEST_F(ReplayTest, ASeededScriptedGameShowsTheSameFrames) {
    const std::vector<u32> sums = Play();
    EXPECT_EQ(GameMode, static_cast<u32>(ModeStage1)) << "the script ends inside stage 1";
    ASSERT_EQ(sums.size(), 600u) << "one frame a pass";
    // Folded in stretches, so that a difference says roughly where it begins.
    EXPECT_EQ(Fold(sums, 0, 100), 2904840301u) << "title, level select and the wipe";
    EXPECT_EQ(Fold(sums, 100, 300), 3651985682u) << "stage 1, moving and firing";
    EXPECT_EQ(Fold(sums, 300, sums.size()), 823244276u) << "stage 1, bursts";
}
