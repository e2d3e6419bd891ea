// The whole-picture conversions against the one-pixel rules: a picture into a 16-bit surface (as
// RgbToPixel, nearest pixel when stretched) and a 16-bit picture into 32-bit pixels for the display (as
// PixelToRgb), on both 16-bit layouts.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "host/surface.h"

namespace {

class Convert : public ::testing::TestWithParam<host::PixelFormatKind> {
protected:
    void SetUp() override { host::SetPixelFormatKind(GetParam()); }
    void TearDown() override { host::SetPixelFormatKind(host::PixelFormatKind::Rgb565); }
};

TEST_P(Convert, PicturesBecomeTheSamePixelsAsOneAtATime) {
    std::mt19937 rng(7);
    const i32 bw = 37, bh = 23;
    std::vector<u32> rgb(static_cast<size_t>(bw * bh));
    for (u32& c : rgb) c = rng() & 0xFFFFFF;
    const host::Bitmap bmp{bw, bh, rgb.data()};
    // Unscaled, shrunk and grown, from a part of the picture and from all of it.
    struct Case { i32 dw, dh, sx, sy, sw, sh; };
    for (const Case k : {Case{37, 23, 0, 0, 0, 0}, Case{20, 9, 3, 2, 30, 19}, Case{61, 40, 1, 1, 35, 20}}) {
        host::Surface* s = host::CreateSurface(k.dw, k.dh);
        ASSERT_EQ(host::CopyBitmapToSurface(s, bmp, k.sx, k.sy, k.sw, k.sh), host::kSurfaceOk);
        const i32 sw = k.sw ? k.sw : bw, sh = k.sh ? k.sh : bh;
        for (i32 y = 0; y < k.dh; ++y)
            for (i32 x = 0; x < k.dw; ++x) {
                const i32 bx = k.sx + static_cast<i32>(static_cast<i64>(x) * sw / k.dw);
                const i32 by = k.sy + static_cast<i32>(static_cast<i64>(y) * sh / k.dh);
                ASSERT_EQ(s->PixelAt(x, y), host::RgbToPixel(s->Layout(), rgb[static_cast<size_t>(by * bw + bx)]))
                    << k.dw << "x" << k.dh << " at " << x << "," << y;
            }
        host::ReleaseSurface(s);
    }
}

TEST_P(Convert, EverySixteenBitValueWidensAsPixelToRgb) {
    const host::PixelLayout layout = host::LayoutOf(GetParam());
    std::vector<u16> all(65536);
    for (u32 p = 0; p < 65536; ++p) all[p] = static_cast<u16>(p);
    // 256 rows of 256, written with a wider pitch than the rows need.
    std::vector<u32> out(256 * 260, 0xDEADBEEF);
    host::ConvertToXrgb8888(all.data(), 512, 256, 256, GetParam() == host::PixelFormatKind::Rgb565, out.data(), 260 * 4);
    for (u32 p = 0; p < 65536; ++p) {
        const u32 bgr = host::PixelToRgb(layout, static_cast<u16>(p));
        const u32 xrgb = ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | (bgr >> 16);
        ASSERT_EQ(out[(p / 256) * 260 + p % 256], xrgb) << p;
    }
    EXPECT_EQ(out[256], 0xDEADBEEFu) << "nothing past a row's end";
}

INSTANTIATE_TEST_SUITE_P(Layouts, Convert, ::testing::Values(host::PixelFormatKind::Rgb565, host::PixelFormatKind::Rgb555),
                         [](const auto& info) { return info.param == host::PixelFormatKind::Rgb565 ? "Rgb565" : "Rgb555"; });

}  // namespace
