// The fast paths of the software blitters against slow references, over random pictures, positions that
// cross every clip edge, and odd widths, on 5-6-5 and 5-5-5 back buffers: they must give the same pixels
// bit for bit.
#include <random>

#include "draw_soft_fixture.h"
#include "el/draw/rotate.h"
#include "el/draw/soft.h"

namespace {

void ReferenceRotate(i32 left, i32 top, i32 right, i32 bottom, i32 angle, const host::Surface* sheet, i32 sl, i32 st,
                     i32 sr, i32 sb);

// A rotated draw: the sheet, the source rectangle, the box's size and the angle.
struct RotateCase {
    i32 sheet, sl, st, w, h, bw, bh, angle;
};

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
    // The case drawn at (left, top) under the current clip over a random picture, against the definition
    // drawn over the same picture.
    void CheckRotate(const RotateCase& k, i32 left, i32 top, const char* what) {
        const std::vector<u16> back = RandomPicture(screenW * screenH);
        RandomBack(back);
        elDraw::PutRotate(left, top, left + k.bw, top + k.bh, k.angle, k.sheet, k.sl, k.st, k.sl + k.w, k.st + k.h);
        const std::vector<u16> drawn = Snapshot();
        RandomBack(back);
        ReferenceRotate(left, top, left + k.bw, top + k.bh, k.angle, Surf(k.sheet), k.sl, k.st, k.sl + k.w, k.st + k.h);
        ASSERT_EQ(drawn, Snapshot()) << what << ": box " << k.bw << "x" << k.bh << " at " << left << "," << top
                                     << ", source " << k.w << "x" << k.h << " at " << k.sl << "," << k.st
                                     << ", angle " << k.angle;
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

// Random cells of random sheets, each drawn three times at random places under random clips: the first
// draw walks the box, the second turns its picture and keeps it, the third copies what was kept.
TEST_P(FastPath, RotatedDrawMatchesItsDefinitionBitForBit) {
    for (i32 round = 0; round < 300; ++round) {
        const i32 sw = Rand(8, 48), sh = Rand(8, 40);
        const i32 sheet = Sheet(sw, sh, RandomPicture(sw * sh));
        const i32 w = Rand(1, sw), h = Rand(1, sh);
        // Boxes narrower, as wide and wider than the source (odd sizes too); now and then a source
        // rectangle that runs off the sheet.
        const bool off = Rand(0, 7) == 0;
        const RotateCase k{sheet, off ? Rand(-4, sw) : Rand(0, sw - w), off ? Rand(-4, sh) : Rand(0, sh - h), w, h,
                           std::max(1, w + Rand(-6, 12)), std::max(1, h + Rand(-6, 12)), round < 8 ? round * 45 : Rand(0, 359)};
        for (i32 draw = 0; draw < 3 && !HasFatalFailure(); ++draw) {
            elDraw::SetClip(Rand(0, 8), Rand(0, 8), screenW - Rand(0, 8), screenH - Rand(0, 8));
            CheckRotate(k, Rand(-k.bw, screenW), Rand(-k.bh, screenH), "random");
        }
        host::ReleaseSurface(Surf(sheet));
        elDraw::EmptyObject(sheet);
        if (HasFatalFailure()) return;
    }
}

// Every way a sheet's pixels can change between draws of one case: each is followed by three draws
// (noted, turned and kept, copied).
TEST_P(FastPath, ARotatedDrawNeverShowsAPictureOfAnOldSheet) {
    const i32 sheet = Sheet(30, 30, RandomPicture(30 * 30)), other = Sheet(30, 30, RandomPicture(30 * 30));
    const RotateCase k{sheet, 0, 0, 30, 30, 34, 34, 33};
    auto again = [&](const char* what) {
        for (i32 i = 0; i < 3; ++i) CheckRotate(k, 10 + i, 6 + i, what);
    };
    again("first");
    Surf(sheet)->PutPixelAt(15, 15, static_cast<u16>(Surf(sheet)->PixelAt(15, 15) ^ 0x1234));
    again("a pixel written");
    elDraw::PutSpriteToObject(sheet, 3, 3, other, 0, 0, 20, 20);
    again("a sprite drawn into it");
    host::LockInfo lock;
    ASSERT_EQ(Surf(sheet)->Lock(&lock), host::kSurfaceOk);
    again("while its owner holds it locked");
    reinterpret_cast<u16*>(lock.bits + lock.pitch * 20)[7] ^= 0x7BEF;
    Surf(sheet)->Unlock();
    again("written through that lock");
    // Freed and made again in the same slot: the new surface may well sit at the old one's address.
    host::ReleaseSurface(Surf(sheet));
    elDraw::EmptyObject(sheet);
    ASSERT_EQ(Sheet(30, 30, RandomPicture(30 * 30)), sheet);
    again("freed and made again");
    Surf(sheet)->MarkLost();
    ASSERT_EQ(Surf(sheet)->Restore(), host::kSurfaceOk);
    again("lost and restored blank");
}

// Far more pictures than the store holds, of big boxes (the pixels run out) and of one-pixel boxes (the
// index runs out): drawing stays right through every clear-out.
TEST_P(FastPath, RotatedDrawsStayRightWhenTheKeptPicturesRunOut) {
    const i32 sheet = Sheet(40, 30, RandomPicture(40 * 30));
    for (i32 angle = 0; angle < 360; ++angle)
        for (i32 twice = 0; twice < 2; ++twice) elDraw::PutRotate(-40, -40, 88, 88, angle, sheet, 0, 0, 40, 30);
    for (i32 sl = 0; sl < 40; ++sl)
        for (i32 angle = 0; angle < 720; ++angle) elDraw::PutRotate(sl, 5, sl + 1, 6, angle / 2, sheet, sl, 3, sl + 1, 4);
    for (i32 angle = 0; angle < 360 && !HasFatalFailure(); angle += 45) {
        CheckRotate({sheet, 0, 0, 40, 30, 128, 128, angle}, -40, -40, "big");
        CheckRotate({sheet, angle / 9, 3, 1, 1, 1, 1, angle}, angle / 9, 5, "one pixel");
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, FastPath, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Rgb555" : "Rgb565"; });

}  // namespace
