// The fast paths of the software blitters against slow references, over random pictures, positions that
// cross every clip edge, and odd widths, on 5-6-5 and 5-5-5 back buffers: they must give the same pixels
// bit for bit.
#include <random>

#include "draw_soft_fixture.h"
#include "el/draw/rotate.h"
#include "el/draw/soft.h"

namespace {

class FastPath : public kt::SoftDraw, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        five55 = GetParam();
        SoftDraw::SetUp();
    }
    void TearDown() override {
        elDraw::soft::SetVectorBlends(true);
        SoftDraw::TearDown();
    }
    std::mt19937 rng{20240611u};
    i32 Rand(i32 lo, i32 hi) { return std::uniform_int_distribution<i32>(lo, hi)(rng); }
    // Any 16-bit value, a third of them 0 (transparent); 5-5-5 values may carry the unused top bit.
    u16 RandomPixel() { return Rand(0, 2) == 0 ? 0 : static_cast<u16>(Rand(1, 0xFFFF)); }
    std::vector<u16> RandomPicture(i32 n) {
        std::vector<u16> v(static_cast<size_t>(n));
        for (u16& p : v) p = RandomPixel();
        return v;
    }
    void RandomBack(const std::vector<u16>& v) {
        for (i32 y = 0; y < screenH; ++y)
            for (i32 x = 0; x < screenW; ++x) BackBuffer->PutPixelAt(x, y, v[static_cast<size_t>(y * screenW + x)]);
    }
};

TEST_P(FastPath, AddAndAlphaBlendsMatchTheTablesBitForBit) {
    elDraw::soft::SetVectorBlends(true);
#if defined(__SSE2__)
    ASSERT_TRUE(elDraw::soft::VectorBlends()) << "the usual layouts take the eight-pixel path";
#endif
    const i32 sheet = Sheet(40, 30, RandomPicture(40 * 30));
    for (i32 round = 0; round < 300; ++round) {
        const std::vector<u16> back = RandomPicture(screenW * screenH);
        const i32 w = Rand(1, 37), h = Rand(1, 12);
        const i32 sl = Rand(0, 40 - w), st = Rand(0, 30 - h);
        const i32 x = Rand(-w, screenW), y = Rand(-h, screenH);  // across every edge of the clip
        elDraw::SetClip(Rand(0, 8), Rand(0, 8), screenW - Rand(0, 8), screenH - Rand(0, 8));
        const i32 member = round % 4, level = Rand(0, 31);
        const f32 fraction = static_cast<f32>(Rand(0, 100)) / 100.0f;
        auto draw = [&] {
            RandomBack(back);
            switch (member) {
                case 0: elDraw::PutAdd(x, y, sheet, sl, st, sl + w, st + h); break;
                case 1: elDraw::PutAddLevel(x, y, fraction, sheet, sl, st, sl + w, st + h); break;
                case 2: elDraw::PutAlpha(x, y, level, sheet, sl, st, sl + w, st + h); break;
                default:
                    elDraw::PutAlphaRGB(x, y, level, Rand(0, 31), 31 - level, sheet, sl, st, sl + w, st + h);
                    break;
            }
            return Snapshot();
        };
        const std::mt19937 before = rng;
        const std::vector<u16> fast = draw();
        rng = before;  // the same levels for the table walk
        elDraw::soft::SetVectorBlends(false);
        const std::vector<u16> slow = draw();
        elDraw::soft::SetVectorBlends(true);
        ASSERT_EQ(fast, slow) << "member " << member << " round " << round << " at " << x << "," << y << " size "
                              << w << "x" << h;
    }
}

// Every row width from 1 to 40, so each count of pixels past the last whole eight is met, at the
// bottom-right corner of the back buffer (the row ends at the surface's last pixel) and in the middle.
TEST_P(FastPath, EveryRowWidthBlendsAsThePixelWalk) {
    const i32 sheet = Sheet(40, 4, RandomPicture(40 * 4));
    for (i32 w = 1; w <= 40; ++w)
        for (i32 member = 0; member < 3; ++member) {
            const std::vector<u16> back = RandomPicture(screenW * screenH);
            const i32 x = member == 0 ? screenW - w : Rand(0, screenW - w), y = member == 0 ? screenH - 4 : Rand(0, 20);
            const i32 level = Rand(0, 31);
            auto draw = [&] {
                RandomBack(back);
                if (member == 2)
                    elDraw::PutAlpha(x, y, level, sheet, 0, 0, w, 4);
                else if (member == 1)
                    elDraw::PutAddLevel(x, y, static_cast<f32>(level) / 31.0f, sheet, 0, 0, w, 4);
                else
                    elDraw::PutAdd(x, y, sheet, 0, 0, w, 4);
                return Snapshot();
            };
            const std::vector<u16> fast = draw();
            elDraw::soft::SetVectorBlends(false);
            const std::vector<u16> slow = draw();
            elDraw::soft::SetVectorBlends(true);
            ASSERT_EQ(fast, slow) << "width " << w << ", member " << member;
        }
}

// The rotated draw straight from its definition: every box pixel inside the clip takes the source pixel
// at trunc(u / 360) - offX, trunc(v / 360) - offY when that lies in the source rectangle and on the sheet
// and is not 0.
void ReferenceRotate(i32 left, i32 top, i32 right, i32 bottom, i32 angle, const host::Surface* sheet, i32 sl, i32 st,
                     i32 sr, i32 sb) {
    const i64 bw = right - left, bh = bottom - top, hw = bw >> 1, hh = bh >> 1;
    const i64 sinA = SinTable[angle], cosA = SinTable[angle + 90];
    const i64 offX = (bw - (sr - sl)) >> 1, offY = (bh - (sb - st)) >> 1;
    for (i64 r = 0; r < bh; ++r)
        for (i64 c = 0; c < bw; ++c) {
            const i64 u = 360 * hw - hw * cosA + hh * sinA - r * sinA + c * cosA;
            const i64 v = 360 * hh - hw * sinA - hh * cosA + r * cosA + c * sinA;
            const i64 su = u / 360 - offX, sv = v / 360 - offY;
            const i64 x = left + c, y = top + r;
            if (su < 0 || su >= sr - sl || sv < 0 || sv >= sb - st) continue;
            if (sl + su >= sheet->Width() || st + sv >= sheet->Height() || sl + su < 0 || st + sv < 0) continue;
            if (x < ClipRect.left || x >= ClipRect.right || y < ClipRect.top || y >= ClipRect.bottom) continue;
            const u16 p = sheet->PixelAt(static_cast<i32>(sl + su), static_cast<i32>(st + sv));
            if (p) BackBuffer->PutPixelAt(static_cast<i32>(x), static_cast<i32>(y), p);
        }
}

TEST_P(FastPath, RotatedDrawMatchesItsDefinitionBitForBit) {
    const i32 sheet = Sheet(40, 30, RandomPicture(40 * 30));
    for (i32 round = 0; round < 400; ++round) {
        const std::vector<u16> back = RandomPicture(screenW * screenH);
        const i32 w = Rand(1, 34), h = Rand(1, 26);
        const i32 sl = Rand(0, 40 - w), st = Rand(0, 30 - h);
        // Boxes narrower, as wide and wider than the source (odd sizes too), across every clip edge.
        const i32 bw = std::max(1, w + Rand(-6, 12)), bh = std::max(1, h + Rand(-6, 12));
        const i32 left = Rand(-bw, screenW), top = Rand(-bh, screenH);
        elDraw::SetClip(Rand(0, 8), Rand(0, 8), screenW - Rand(0, 8), screenH - Rand(0, 8));
        const i32 angle = round < 8 ? round * 45 : Rand(0, 359);
        RandomBack(back);
        elDraw::PutRotate(left, top, left + bw, top + bh, angle, sheet, sl, st, sl + w, st + h);
        const std::vector<u16> fast = Snapshot();
        RandomBack(back);
        ReferenceRotate(left, top, left + bw, top + bh, angle, Surf(sheet), sl, st, sl + w, st + h);
        ASSERT_EQ(fast, Snapshot()) << "round " << round << ": box " << bw << "x" << bh << " at " << left << "," << top
                                    << ", source " << w << "x" << h << ", angle " << angle;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, FastPath, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Rgb555" : "Rgb565"; });

}  // namespace
