// 16-bit surfaces: layout, the RGB rule, copies refused outside, keyed copies, stretch, fills, locks,
// loss and restore.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <utility>
#include <vector>

#include "host/headless/headless.h"
#include "host/surface.h"
#include "support/headless_machine.h"

namespace {

class SurfaceTest : public kt::Headless {
protected:
    std::vector<host::Surface*> made;
    host::Surface* Make(i32 w, i32 h) {
        host::Surface* s = host::CreateSurface(w, h);
        made.push_back(s);
        return s;
    }
    void TearDown() override {
        for (host::Surface* s : made) host::ReleaseSurface(s);
        EXPECT_EQ(host::LiveSurfaceCount(), 0);
    }
    // Fills with a pattern that differs in every pixel.
    static void Pattern(host::Surface* s, u16 base = 1) {
        for (i32 y = 0; y < s->Height(); ++y)
            for (i32 x = 0; x < s->Width(); ++x) s->PutPixelAt(x, y, static_cast<u16>(base + y * s->Width() + x));
    }
    static std::vector<u16> Pixels(const host::Surface* s) {
        std::vector<u16> v;
        for (i32 y = 0; y < s->Height(); ++y)
            for (i32 x = 0; x < s->Width(); ++x) v.push_back(s->PixelAt(x, y));
        return v;
    }
};

TEST_F(SurfaceTest, NewSurfacesAreZeroedPaddedAndAligned) {
    for (i32 w : {1, 3, 60, 800}) {
        host::Surface* s = Make(w, 5);
        ASSERT_NE(s, nullptr);
        EXPECT_GT(s->Pitch(), 2 * w);
        EXPECT_EQ(s->Pitch() % 4, 0);
        for (u16 p : Pixels(s)) EXPECT_EQ(p, 0);
    }
    EXPECT_EQ(host::CreateSurface(0, 5), nullptr);
    EXPECT_EQ(host::CreateSurface(5, -1), nullptr);
    EXPECT_EQ(host::CreateSurface(100000, 1), nullptr);
    host::headless::FailNext("CreateSurface");
    EXPECT_EQ(host::CreateSurface(4, 4), nullptr);
}

TEST_F(SurfaceTest, RgbRuleTruncatesAndRoundTripsEveryPixel) {
    for (auto kind : {host::PixelFormatKind::Rgb565, host::PixelFormatKind::Rgb555}) {
        const host::PixelLayout l = host::LayoutOf(kind);
        const u32 all = l.rMask | l.gMask | l.bMask;
        for (u32 p = 0; p <= 0xFFFF; ++p) {
            if ((p & ~all) != 0) continue;
            ASSERT_EQ(host::RgbToPixel(l, host::PixelToRgb(l, static_cast<u16>(p))), p);
        }
        EXPECT_EQ(host::PixelToRgb(l, static_cast<u16>(all)), 0xFFFFFFu);
        EXPECT_EQ(host::PixelToRgb(l, 0), 0u);
    }
    const host::PixelLayout l565 = host::LayoutOf(host::PixelFormatKind::Rgb565);
    // r >> 3, g >> 2, b >> 3.
    EXPECT_EQ(host::RgbToPixel(l565, 0x000000FF), 0xF800);
    EXPECT_EQ(host::RgbToPixel(l565, 0x00000700), 0x0020);  // green 7 >> 2 = 1
    EXPECT_EQ(host::RgbToPixel(l565, 0x00070707), 0x0020);  // red and blue 7 >> 3 = 0
    EXPECT_EQ(host::RgbToPixel(l565, 0x00080808), 0x0841);
}

TEST_F(SurfaceTest, CopiesOutsideEitherSurfaceAreRefusedAndDrawNothing) {
    host::Surface* src = Make(16, 16);
    host::Surface* dst = Make(32, 24);
    Pattern(src);
    const std::vector<u16> before = Pixels(dst);
    const host::Rect whole{0, 0, 16, 16};
    const struct {
        i32 x, y;
        host::Rect r;
    } bad[] = {
        {-1, 0, whole},  {0, -1, whole},          {17, 0, whole},          {0, 9, whole},
        {0, 0, {-1, 0, 8, 8}}, {0, 0, {0, 0, 17, 8}}, {0, 0, {0, 0, 8, 17}}, {0, 0, {4, 4, 4, 8}},
        {0, 0, {8, 0, 4, 8}},  {INT32_MAX, 0, whole}, {0, INT32_MIN, whole}, {0, 0, {0, 0, INT32_MAX, 1}},
    };
    for (const auto& b : bad) {
        EXPECT_EQ(host::CopyRect(dst, b.x, b.y, src, b.r, false), host::kSurfaceInvalidRect);
        EXPECT_EQ(host::StretchRect(dst, host::Rect{0, 0, 4, 4}, src, b.r, false) == host::kSurfaceOk,
                  b.r.left == 0 && b.r.right == 16 && b.r.bottom == 16);
    }
    // Only the good source rectangle stretched into the corner; undo it before comparing.
    host::FillRect(dst, {0, 0, 4, 4}, 0);
    EXPECT_EQ(host::StretchRect(dst, host::Rect{-1, 0, 3, 4}, src, whole, false), host::kSurfaceInvalidRect);
    EXPECT_EQ(host::StretchRect(dst, host::Rect{30, 20, 34, 24}, src, whole, false), host::kSurfaceInvalidRect);
    EXPECT_EQ(Pixels(dst), before);
    EXPECT_EQ(host::CopyRect(dst, 16, 8, src, whole, false), host::kSurfaceOk);  // exactly in the corner
    EXPECT_EQ(dst->PixelAt(31, 23), src->PixelAt(15, 15));
}

TEST_F(SurfaceTest, KeyedCopySkipsTheKeyAndNeedsOne) {
    host::Surface* src = Make(4, 1);
    host::Surface* dst = Make(4, 1);
    const u16 row[4] = {5, 0, 7, 5};
    for (i32 x = 0; x < 4; ++x) src->PutPixelAt(x, 0, row[x]);
    for (i32 x = 0; x < 4; ++x) dst->PutPixelAt(x, 0, 9);
    EXPECT_EQ(host::CopyRect(dst, 0, 0, src, {0, 0, 4, 1}, true), host::kSurfaceNoColorKey);
    src->SetColorKey(5);
    EXPECT_EQ(host::CopyRect(dst, 0, 0, src, {0, 0, 4, 1}, true), host::kSurfaceOk);
    EXPECT_EQ(dst->PixelAt(0, 0), 9);
    EXPECT_EQ(dst->PixelAt(1, 0), 0);
    EXPECT_EQ(dst->PixelAt(2, 0), 7);
    EXPECT_EQ(dst->PixelAt(3, 0), 9);
}

// Every width from 1 to 40 (the rows are copied whole registers at a time, the last one overlapping),
// random pixels a third of them the key, onto a surface exactly as wide as the copy.
TEST_F(SurfaceTest, KeyedCopiesOfEveryWidthSkipTheKeyAndNothingElse) {
    std::mt19937 rng(7u);
    auto pixel = [&] { return rng() % 3 == 0 ? u16{0x1234} : static_cast<u16>(rng()); };
    for (i32 w = 1; w <= 40; ++w) {
        host::Surface* src = Make(w + 3, 3);
        host::Surface* dst = Make(w, 4);
        src->SetColorKey(0x1234);
        for (host::Surface* s : {src, dst})
            for (i32 y = 0; y < s->Height(); ++y)
                for (i32 x = 0; x < s->Width(); ++x) s->PutPixelAt(x, y, pixel());
        std::vector<u16> want = Pixels(dst);
        for (i32 y = 0; y < 3; ++y)
            for (i32 x = 0; x < w; ++x)
                if (const u16 p = src->PixelAt(x + 2, y); p != 0x1234) want[static_cast<size_t>((y + 1) * w + x)] = p;
        ASSERT_EQ(host::CopyRect(dst, 0, 1, src, host::Rect{2, 0, w + 2, 3}, true), host::kSurfaceOk);
        ASSERT_EQ(Pixels(dst), want) << "width " << w;
    }
}

TEST_F(SurfaceTest, OverlappingCopyWithinOneSurfaceReadsOldPixels) {
    host::Surface* s = Make(8, 8);
    Pattern(s);
    const std::vector<u16> before = Pixels(s);
    EXPECT_EQ(host::CopyRect(s, 1, 1, s, {0, 0, 7, 7}, false), host::kSurfaceOk);
    for (i32 y = 1; y < 8; ++y)
        for (i32 x = 1; x < 8; ++x) EXPECT_EQ(s->PixelAt(x, y), before[static_cast<size_t>((y - 1) * 8 + x - 1)]);
}

TEST_F(SurfaceTest, StretchIsNearestPixel) {
    host::Surface* src = Make(2, 2);
    host::Surface* dst = Make(5, 4);
    Pattern(src);  // 1 2 / 3 4
    EXPECT_EQ(host::StretchRect(dst, {0, 0, 4, 4}, src, {0, 0, 2, 2}, false), host::kSurfaceOk);
    const u16 want[4][4] = {{1, 1, 2, 2}, {1, 1, 2, 2}, {3, 3, 4, 4}, {3, 3, 4, 4}};
    for (i32 y = 0; y < 4; ++y)
        for (i32 x = 0; x < 4; ++x) EXPECT_EQ(dst->PixelAt(x, y), want[y][x]);
    EXPECT_EQ(dst->PixelAt(4, 0), 0);
    EXPECT_EQ(host::StretchRect(dst, {0, 0, 6, 4}, src, {0, 0, 2, 2}, false), host::kSurfaceInvalidRect);
}

TEST_F(SurfaceTest, FillStaysInsideOrIsRefused) {
    host::Surface* s = Make(6, 4);
    EXPECT_EQ(host::FillRect(s, {1, 1, 3, 2}, 0x1234), host::kSurfaceOk);
    EXPECT_EQ(s->PixelAt(1, 1), 0x1234);
    EXPECT_EQ(s->PixelAt(2, 1), 0x1234);
    EXPECT_EQ(s->PixelAt(3, 1), 0);
    EXPECT_EQ(host::FillRect(s, {0, 0, 7, 1}, 0xFFFF), host::kSurfaceInvalidRect);
    EXPECT_EQ(s->PixelAt(0, 0), 0);
}

TEST_F(SurfaceTest, LocksNestAcrossSurfacesAndBlockBlits) {
    host::Surface* a = Make(4, 4);
    host::Surface* b = Make(4, 4);
    host::LockInfo la, lb;
    ASSERT_EQ(a->Lock(&la), host::kSurfaceOk);
    ASSERT_EQ(b->Lock(&lb), host::kSurfaceOk);
    EXPECT_EQ(la.pitch, a->Pitch());
    EXPECT_EQ(la.width, 4);
    reinterpret_cast<u16*>(la.bits + la.pitch * 2)[3] = 0xABCD;
    EXPECT_EQ(host::CopyRect(b, 0, 0, a, {0, 0, 4, 4}, false), host::kSurfaceBusy);
    EXPECT_EQ(host::FillRect(a, {0, 0, 1, 1}, 1), host::kSurfaceBusy);
    EXPECT_EQ(a->Unlock(), host::kSurfaceOk);
    EXPECT_EQ(b->Unlock(), host::kSurfaceOk);
    EXPECT_EQ(b->Unlock(), host::kSurfaceNotLocked);
    EXPECT_EQ(a->PixelAt(3, 2), 0xABCD);
    host::headless::FailNext("LockSurface");
    EXPECT_EQ(a->Lock(&la), host::kSurfaceFailed);
    EXPECT_FALSE(a->IsLocked());
}

TEST_F(SurfaceTest, LossOnlyByInjectionAndRestoreKeepsTheKey) {
    host::Surface* a = Make(4, 4);
    host::Surface* b = Make(4, 4);
    Pattern(a);
    a->SetColorKey(3);
    host::headless::FailNext("SurfaceLost");
    EXPECT_EQ(host::CopyRect(b, 0, 0, a, {0, 0, 4, 4}, false), host::kSurfaceLost);
    EXPECT_TRUE(a->IsLost());
    EXPECT_TRUE(b->IsLost());
    host::LockInfo l;
    EXPECT_EQ(a->Lock(&l), host::kSurfaceLost);
    EXPECT_EQ(host::GetPixelRgb(a, 0, 0), host::kInvalidRgb);
    EXPECT_EQ(a->Restore(), host::kSurfaceOk);
    EXPECT_FALSE(a->IsLost());
    EXPECT_EQ(a->PixelAt(1, 1), 0);  // the picture is gone
    u16 key = 0;
    EXPECT_EQ(a->GetColorKey(&key), host::kSurfaceOk);
    EXPECT_EQ(key, 3);
}

// The version moves with every way of writing pixels and with nothing that only reads them, and no two
// surfaces, however made and freed, share one.
TEST_F(SurfaceTest, TheVersionMovesWhenThePixelsMayChangeAndOnlyThen) {
    host::Surface* a = Make(8, 8);
    host::Surface* b = Make(8, 8);
    b->SetColorKey(0);
    host::LockInfo lock;
    const host::Rect quarter{0, 0, 4, 4}, whole{0, 0, 8, 8};
    const u32 rgb[4] = {0x102030, 0x405060, 0x708090, 0xA0B0C0};
    const std::pair<const char*, std::function<void()>> reads[] = {
        {"locked to read", [&] { a->LockToRead(&lock), a->Unlock(); }},
        {"read", [&] { (void)std::as_const(*a).Bits(), (void)a->PixelAt(1, 1), (void)host::GetPixelRgb(a, 1, 1); }},
        {"copied from", [&] { host::CopyRect(b, 0, 0, a, quarter, false), host::StretchRect(b, whole, a, quarter, true); }},
    };
    const std::pair<const char*, std::function<void()>> writes[] = {
        {"locked to write", [&] { a->Lock(&lock), a->Unlock(); }},
        {"a pixel put", [&] { a->PutPixelAt(2, 2, 7); }},
        {"a pixel set", [&] { host::SetPixelRgb(a, 2, 2, 0xFFFFFF); }},
        {"a writable pointer", [&] { (void)a->Bits(); }},
        {"copied into", [&] { host::CopyRect(a, 0, 0, b, quarter, true); }},
        {"stretched into", [&] { host::StretchRect(a, whole, b, quarter, false); }},
        {"filled", [&] { host::FillRect(a, quarter, 3); }},
        {"a bitmap copied onto it", [&] { host::CopyBitmapToSurface(a, host::Bitmap{2, 2, rgb}, 0, 0, 0, 0); }},
        {"lost", [&] { a->MarkLost(); }},
        {"restored", [&] { a->Restore(); }},
    };
    for (const auto& [what, read] : reads) {
        const u64 before = a->Version();
        read();
        EXPECT_EQ(a->Version(), before) << what;
    }
    for (const auto& [what, write] : writes) {
        const u64 before = a->Version();
        write();
        EXPECT_NE(a->Version(), before) << what;
    }
    const u64 last = std::max(a->Version(), b->Version());
    host::ReleaseSurface(b);
    made.pop_back();
    EXPECT_GT(Make(8, 8)->Version(), last) << "a new surface, likely at a freed one's address, has a new version";
}

TEST_F(SurfaceTest, DeviceContextPixelsUseTheRgbRule) {
    host::Surface* s = Make(3, 3);
    const u32 set = host::SetPixelRgb(s, 1, 1, 0x00FF8040);
    EXPECT_EQ(set, host::PixelToRgb(s->Layout(), s->PixelAt(1, 1)));
    EXPECT_EQ(s->PixelAt(1, 1), host::RgbToPixel(s->Layout(), 0x00FF8040));
    EXPECT_EQ(host::GetPixelRgb(s, 3, 0), host::kInvalidRgb);
    EXPECT_EQ(host::SetPixelRgb(s, -1, 0, 0), host::kInvalidRgb);
}

TEST_F(SurfaceTest, BitmapCopyStretchesOverTheWholeSurface) {
    host::Surface* s = Make(4, 2);
    const u32 rgb[2] = {0x0000FF, 0xFF0000};
    host::Bitmap bmp{2, 1, rgb};
    EXPECT_EQ(host::CopyBitmapToSurface(s, bmp, 0, 0, 0, 0), host::kSurfaceOk);
    EXPECT_EQ(s->PixelAt(0, 0), 0xF800);
    EXPECT_EQ(s->PixelAt(1, 1), 0xF800);
    EXPECT_EQ(s->PixelAt(2, 0), 0x001F);
    EXPECT_EQ(host::CopyBitmapToSurface(s, bmp, 1, 0, 2, 1), host::kSurfaceInvalidRect);
}

}  // namespace
