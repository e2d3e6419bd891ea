// Drawing through the back buffer's device context, and the screenshot.
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "draw_soft_fixture.h"
#include "el/draw/gdi.h"
#include "host/report.h"
#include "support/limited_child.h"

namespace {

class GdiDraw : public kt::SoftDraw {
protected:
    u16 Px(u32 rgb) const { return host::RgbToPixel(BackBuffer->Layout(), rgb); }
};

TEST_F(GdiDraw, PrimitivesIgnoreTheClipRectAndLeaveNothingLocked) {
    elDraw::SetClip(20, 20, 30, 30);
    elDraw::Line(0, 5, 10, 5, 0x0000FF, 1);
    EXPECT_EQ(Back(0, 5), Px(0x0000FF));
    EXPECT_EQ(Back(9, 5), Px(0x0000FF));
    EXPECT_EQ(Back(10, 5), 0) << "the end pixel is left out";
    elDraw::Rectangle(2, 10, 6, 14, 0x00FF00, 0xFFFFFF, 1);
    EXPECT_EQ(Back(2, 10), Px(0xFFFFFF));
    EXPECT_EQ(Back(3, 11), Px(0x00FF00));
    EXPECT_EQ(Back(6, 11), 0);
    elDraw::SetPixel(40, 40, 0x123456);
    i32 r = 0, g = 0, b = 0;
    elDraw::GetPixel(40, 40, &r, &g, &b);
    const u32 back = host::PixelToRgb(BackBuffer->Layout(), Px(0x123456));
    EXPECT_EQ(r, static_cast<i32>(back & 0xFF));
    EXPECT_EQ(g, static_cast<i32>((back >> 8) & 0xFF));
    EXPECT_EQ(b, static_cast<i32>((back >> 16) & 0xFF));
    EXPECT_FALSE(BackBuffer->IsLocked());
    EXPECT_EQ(host::LiveDcCount(), 0);
}

TEST_F(GdiDraw, PolygonFillKinds) {
    const IntPoint square[4] = {{0, 0}, {16, 0}, {16, 16}, {0, 16}};
    FillBack(Px(0x00FF00));
    elDraw::Polygon(square, 4, 0xFFFFFF, 0x0000FF, 1, 0);
    EXPECT_EQ(Back(0, 0), Px(0xFFFFFF));
    EXPECT_EQ(Back(5, 3), Px(0x00FF00)) << "fill 0: the outline only";

    elDraw::Polygon(square, 4, 0xFFFFFF, 0x0000FF, 1, 1);
    EXPECT_EQ(Back(8, 8), Px(0xFFFFFF)) << "on a hatch line (x - y multiple of 8)";
    EXPECT_EQ(Back(5, 3), Px(0x0000FF)) << "fill 1: the gaps take the back colour";

    FillBack(Px(0x00FF00));
    elDraw::Polygon(square, 4, 0xFFFFFF, 0x0000FF, 1, 2);
    EXPECT_EQ(Back(8, 8), Px(0xFFFFFF));
    EXPECT_EQ(Back(5, 3), Px(0x00FF00)) << "fill 2: the gaps keep what was underneath";
    elDraw::Polygon(square, 1, 0xFFFFFF, 0, 1, 1);
    elDraw::Polygon(nullptr, 4, 0xFFFFFF, 0, 1, 1);
}

TEST_F(GdiDraw, InvertTwiceRestoresAndBezierCountsAreChecked) {
    for (i32 i = 0; i < screenW * screenH; ++i) BackBuffer->PutPixelAt(i % screenW, i / screenW, static_cast<u16>(i * 37));
    const auto before = Snapshot();
    elDraw::InvertRect(-10, -10, 30, 20);
    EXPECT_NE(Snapshot(), before);
    elDraw::InvertRect(-10, -10, 30, 20);
    EXPECT_EQ(Snapshot(), before);
    const IntPoint pts[5] = {{0, 0}, {10, 10}, {20, 0}, {30, 10}, {40, 0}};
    elDraw::PolyBezier(pts, 5, 0xFFFFFF, 1);
    EXPECT_EQ(Snapshot(), before);
    elDraw::PolyBezier(pts, 4, 0xFFFFFF, 2);
    EXPECT_NE(Snapshot(), before);
}

TEST_F(GdiDraw, HeldContextBlocksTheOtherMembers) {
    elDraw::GetBackDC();
    ASSERT_NE(BackDC, nullptr);
    elDraw::GetBackDC();  // a second take keeps the first
    elDraw::Line(0, 0, 10, 0, 0xFFFFFF, 1);
    EXPECT_EQ(Back(1, 0), 0) << "no second context while the first is out";
    elDraw::ReleaseBackDC();
    EXPECT_EQ(BackDC, nullptr);
    EXPECT_FALSE(BackBuffer->IsLocked());
    elDraw::ReleaseBackDC();
}

class Screenshot : public GdiDraw {
protected:
    void SetUp() override {
        screenW = 800;
        screenH = 600;
        GdiDraw::SetUp();
    }
    std::string Path(const char* name) { return std::string(elSystem::GetModuleDir(0)) + name; }
    std::string Read(const char* name) {
        std::ifstream f(Path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    static u32 U32(const std::string& s, size_t at) {
        return static_cast<u8>(s[at]) | static_cast<u8>(s[at + 1]) << 8 | static_cast<u8>(s[at + 2]) << 16 |
               static_cast<u32>(static_cast<u8>(s[at + 3])) << 24;
    }
};

TEST_F(Screenshot, WritesTheHeaderByteForByte) {
    const std::string name = "shot_" + std::to_string(::getpid()) + ".bmp";
    BackBuffer->PutPixelAt(0, 599, Rgb5(31, 0, 0));
    BackBuffer->PutPixelAt(1, 599, Rgb5(0, 31, 0));
    BackBuffer->PutPixelAt(0, 0, Rgb5(0, 0, 16));
    ASSERT_EQ(elDraw::SaveScreenBmp(name.c_str(), 800, 600), 1);
    const std::string f = Read(name.c_str());
    ASSERT_EQ(f.size(), 1440058u);
    const unsigned char header[58] = {'B', 'M', 0x3A, 0xF9, 0x15, 0x00, 0, 0, 0, 0, 58, 0, 0, 0, 40, 0, 0, 0,
                                      0x20, 0x03, 0, 0, 0x58, 0x02, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,
                                      0x00, 0xF9, 0x15, 0x00, 0x12, 0x0B, 0, 0, 0x12, 0x0B, 0, 0,
                                      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(f.data(), header, 58), 0);
    // Rows bottom-up; blue, green, red; 5-bit channels shifted left by 3.
    EXPECT_EQ(static_cast<u8>(f[58 + 2]), 248);
    EXPECT_EQ(static_cast<u8>(f[58 + 3 + 1]), 248);
    EXPECT_EQ(static_cast<u8>(f[58 + 2400 * 599]), 128);
    std::remove(Path(name.c_str()).c_str());

    ASSERT_EQ(elDraw::SaveScreenBmp(name.c_str(), 301, 2), 1);
    const std::string g = Read(name.c_str());
    ASSERT_EQ(g.size(), 58u + 904u * 2);
    EXPECT_EQ(U32(g, 34), 904u * 2);
    EXPECT_EQ(static_cast<u8>(g[58 + 903]), 0) << "one fill byte after 903 pixel bytes";
    std::remove(Path(name.c_str()).c_str());
}

// A screenshot that cannot be written, or is cut short, is said in one line with the system's reason.
TEST_F(Screenshot, AFileThatCannotBeWrittenIsSaidWithTheSystemsReason) {
    const std::string name = "shot_" + std::to_string(::getpid()) + ".bmp";
    std::filesystem::create_directory(Path(name.c_str()));
    host::ClearFileReports();
    EXPECT_EQ(elDraw::SaveScreenBmp(name.c_str(), 10, 10), 0);
    EXPECT_EQ(host::FileReports(), std::vector<std::string>{name + ": cannot be written: is a directory"});
    std::filesystem::remove(Path(name.c_str()));

    const kt::ChildRun run = kt::RunInChild(1000, "", [&] { return static_cast<long>(elDraw::SaveScreenBmp(name.c_str(), 800, 600)); });
    EXPECT_EQ(run.ending, "");
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.lines, std::vector<std::string>{name + ": cannot be written: file too large"});
    EXPECT_EQ(std::filesystem::file_size(Path(name.c_str())), 1000u);
    std::remove(Path(name.c_str()).c_str());
}

TEST_F(Screenshot, RefusesWhatItCannotWrite) {
    EXPECT_EQ(elDraw::SaveScreenBmp("x.bmp", 0, 10), 0);
    EXPECT_EQ(elDraw::SaveScreenBmp("x.bmp", 801, 10), 0);
    EXPECT_EQ(elDraw::SaveScreenBmp("x.bmp", 10, 601), 0);
    EXPECT_EQ(elDraw::SaveScreenBmp("no/such/folder/x.bmp", 10, 10), 0) << "no file, no success";
    host::headless::FailNext("LockSurface");
    EXPECT_EQ(elDraw::SaveScreenBmp("x.bmp", 10, 10), 0);
    EXPECT_FALSE(BackBuffer->IsLocked());
}

}  // namespace
