// BMP decoding: the depths and orders the reader takes, and the files it must refuse without a
// sanitizer report or a huge allocation.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/bitmap.h"

namespace {

void Put16(std::vector<u8>& v, size_t at, u32 x) {
    v[at] = static_cast<u8>(x);
    v[at + 1] = static_cast<u8>(x >> 8);
}
void Put32(std::vector<u8>& v, size_t at, u32 x) {
    Put16(v, at, x & 0xFFFF);
    Put16(v, at + 2, x >> 16);
}

// An 8-bit palette BMP with the given height sign (negative: top-down) and optional RLE8 pixel data.
std::vector<u8> Palette8(i32 w, i32 h, const std::vector<u32>& palette, const std::vector<u8>& data, u32 compression) {
    const size_t header = 14 + 40 + palette.size() * 4;
    std::vector<u8> v(header + data.size(), 0);
    v[0] = 'B';
    v[1] = 'M';
    Put32(v, 2, static_cast<u32>(v.size()));
    Put32(v, 10, static_cast<u32>(header));
    Put32(v, 14, 40);
    Put32(v, 18, static_cast<u32>(w));
    Put32(v, 22, static_cast<u32>(h));
    Put16(v, 26, 1);
    Put16(v, 28, 8);
    Put32(v, 30, compression);
    Put32(v, 34, static_cast<u32>(data.size()));
    Put32(v, 46, static_cast<u32>(palette.size()));
    for (size_t i = 0; i < palette.size(); ++i) {
        const u32 c = palette[i];  // 0x00BBGGRR; stored blue, green, red, 0
        v[54 + i * 4] = static_cast<u8>(c >> 16);
        v[54 + i * 4 + 1] = static_cast<u8>(c >> 8);
        v[54 + i * 4 + 2] = static_cast<u8>(c);
    }
    std::memcpy(v.data() + header, data.data(), data.size());
    return v;
}

TEST(Bitmap, TwentyFourBitRoundTrip) {
    const std::vector<u32> rgb = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0x010203, 0xFFFFFF};
    const std::vector<u8> file = host::EncodeBitmap24(3, 2, rgb.data());
    host::DecodedBitmap bmp;
    ASSERT_EQ(host::DecodeBitmap(file.data(), file.size(), &bmp), host::kBitmapOk);
    EXPECT_EQ(bmp.width, 3);
    EXPECT_EQ(bmp.height, 2);
    EXPECT_EQ(bmp.rgb, rgb);
}

TEST(Bitmap, PaletteTopDownAndRle) {
    const std::vector<u32> pal = {0x000000, 0x0000FF, 0x00FF00};
    // Top-down 2x2, rows padded to 4 bytes: row 0 = 1 2, row 1 = 2 0.
    const std::vector<u8> plain = {1, 2, 0, 0, 2, 0, 0, 0};
    host::DecodedBitmap a;
    ASSERT_EQ(host::DecodeBitmap(Palette8(2, -2, pal, plain, 0).data(), Palette8(2, -2, pal, plain, 0).size(), &a),
              host::kBitmapOk);
    EXPECT_EQ(a.rgb, (std::vector<u32>{0x0000FF, 0x00FF00, 0x00FF00, 0x000000}));
    // Bottom-up RLE8: bottom row two of colour 1, end of line, top row two of colour 2, end of bitmap.
    const std::vector<u8> rle = {2, 1, 0, 0, 2, 2, 0, 1};
    const std::vector<u8> file = Palette8(2, 2, pal, rle, 1);
    host::DecodedBitmap b;
    ASSERT_EQ(host::DecodeBitmap(file.data(), file.size(), &b), host::kBitmapOk);
    EXPECT_EQ(b.rgb, (std::vector<u32>{0x00FF00, 0x00FF00, 0x0000FF, 0x0000FF}));
}

TEST(Bitmap, MalformedAndOversizedFilesAreRefused) {
    const std::vector<u32> rgb(16 * 16, 0x123456);
    const std::vector<u8> good = host::EncodeBitmap24(16, 16, rgb.data());
    host::DecodedBitmap bmp;
    auto refused = [&](std::vector<u8> v) { return host::DecodeBitmap(v.data(), v.size(), &bmp) == host::kBitmapRefused; };

    // Every truncation of a good file.
    for (size_t n = 0; n < good.size(); n += 7) EXPECT_TRUE(refused(std::vector<u8>(good.begin(), good.begin() + n))) << n;

    std::vector<u8> v = good;
    v[0] = 'X';
    EXPECT_TRUE(refused(v));
    v = good;
    Put32(v, 18, 0);  // zero width
    EXPECT_TRUE(refused(v));
    v = good;
    Put32(v, 18, 100000);  // too wide
    EXPECT_TRUE(refused(v));
    v = good;
    Put32(v, 18, 8000);
    Put32(v, 22, 8000);  // a huge picture from a tiny file: refused before anything is allocated for it
    EXPECT_TRUE(refused(v));
    v = good;
    Put32(v, 22, 0x80000000u);  // height INT_MIN
    EXPECT_TRUE(refused(v));
    v = good;
    Put16(v, 28, 7);  // no such depth
    EXPECT_TRUE(refused(v));
    v = good;
    Put32(v, 30, 1);  // RLE8 on a 24-bit picture
    EXPECT_TRUE(refused(v));
    v = good;
    Put32(v, 14, 200);  // unknown header size
    EXPECT_TRUE(refused(v));
    v = good;
    Put32(v, 10, 0xFFFFFF00u);  // pixel data past the end
    EXPECT_TRUE(refused(v));

    // Broken RLE streams and palette indices beyond the palette are the reader's to refuse.
    const std::vector<u32> pal = {0x000000, 0x0000FF};
    for (const std::vector<u8>& rle : {std::vector<u8>{200, 1}, std::vector<u8>{0, 2, 250, 250, 0, 1},
                                       std::vector<u8>{0, 50, 1}, std::vector<u8>{2, 9, 0, 1}}) {
        const std::vector<u8> f = Palette8(4, 4, pal, rle, 1);
        const i32 rc = host::DecodeBitmap(f.data(), f.size(), &bmp);
        EXPECT_TRUE(rc == host::kBitmapOk || rc == host::kBitmapRefused);
    }
}

}  // namespace
