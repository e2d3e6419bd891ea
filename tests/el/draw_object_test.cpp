// The sprite object table: slots, names, BMP loading, colour keys, ColorMatch, restore after loss.
#include <string>

#include "draw_screen_fixture.h"
#include "host/report.h"

namespace {

using kt::Rgb;

class ObjectTest : public kt::ScreenTest {
protected:
    void SetUp() override {
        kt::ScreenTest::SetUp();
        Up();
        elDraw::SetLoadColorKey(0);
    }
    // A 4x3 picture: magenta corner, black at (1, 0), a grey ramp elsewhere.
    std::string Sheet(const std::string& name) {
        std::vector<u32> rgb(12);
        for (i32 i = 0; i < 12; ++i) rgb[static_cast<size_t>(i)] = Rgb(16 * i + 8, 8, 200);
        rgb[0] = Rgb(255, 0, 255);
        rgb[1] = 0;
        return WriteBmp(name, 4, 3, rgb);
    }
    static u16 Key(i32 no) {
        u16 k = 0xFFFF;
        if (ObjectTable[no].surface->GetColorKey(&k) != host::kSurfaceOk) return 0xEEEE;
        return k;
    }
};

TEST_F(ObjectTest, LoadsIntoTheLowestFreeSlotFromFour) {
    const std::string f = Sheet("H3OBJ_A.BMP");
    const i32 a = elDraw::LoadObject(f.c_str(), 1);
    const i32 b = elDraw::LoadObject("h3obj_a.bmp", 1);  // names match without regard to case
    EXPECT_EQ(a, 4);
    EXPECT_EQ(b, 5);
    EXPECT_STREQ(ObjectTable[a].name, "H3OBJ_A.BMP");
    EXPECT_EQ(ObjectTable[a].width, 4);
    EXPECT_EQ(ObjectTable[a].height, 3);
    EXPECT_EQ(ObjectTable[a].reloadMem, 2u);
    EXPECT_EQ(Pix(a, 2, 1), ToPixel(Rgb(16 * 6 + 8, 8, 200)));
    elDraw::ReleaseObject(a);
    EXPECT_EQ(ObjectTable[a].name[0], 0);
    EXPECT_EQ(elDraw::CreateObject(2, 2, 1), a);  // the freed slot is reused
    EXPECT_STREQ(ObjectTable[a].name, "*");
    RemoveFile(f);
}

TEST_F(ObjectTest, NameOfThirtyLoadsAndThirtyOneIsRefused) {
    const std::string n30 = "H3OBJ_" + std::string(20, 'N') + ".BMP";
    ASSERT_EQ(n30.size(), 30u);
    Sheet(n30);
    EXPECT_EQ(elDraw::LoadObject(n30.c_str(), 1), 4);
    const std::string n31 = "H3OBJ_" + std::string(21, 'N') + ".BMP";
    host::ClearFileReports();
    EXPECT_EQ(elDraw::LoadObject(n31.c_str(), 1), 0);
    EXPECT_EQ(LastBox(), BoxText("elDraw::LoadObject", elDraw::msg::kNameTooLong));
    EXPECT_EQ(elDraw::SwapObject(n31.c_str(), 4, 1), 0);
    EXPECT_EQ(host::FileReports(), std::vector<std::string>(2, n31 + ": a name of more than 30 bytes"));
    EXPECT_EQ(ObjectTable[5].name[0], 0);  // no slot taken
    EXPECT_EQ(ErrorFlag, 1u);
    RemoveFile(n30);
}

TEST_F(ObjectTest, The497thLoadIsRefused) {
    const std::string f = Sheet("H3OBJ_FULL.BMP");
    for (i32 i = 0; i < 496; ++i) ASSERT_EQ(elDraw::LoadObject(f.c_str(), 1), 4 + i);
    EXPECT_TRUE(host::headless::Boxes().empty());
    EXPECT_EQ(elDraw::LoadObject(f.c_str(), 1), 0);
    EXPECT_EQ(LastBox(), BoxText("elDraw::LoadObject", elDraw::msg::kTooManyObjects));
    EXPECT_EQ(elDraw::CreateObject(4, 4, 1), 0);
    EXPECT_EQ(LastBox(), BoxText("elDraw::CreateObject", elDraw::msg::kTooManyObjects));
    RemoveFile(f);
}

TEST_F(ObjectTest, FailedLoadKeepsItsSlotClaimed) {
    EXPECT_EQ(elDraw::LoadObject("H3OBJ_MISSING.BMP", 1), 0);
    EXPECT_EQ(LastBox(), BoxText("elDraw::LoadObject", elDraw::msg::kCannotReadBmp));
    EXPECT_STREQ(ObjectTable[4].name, "H3OBJ_MISSING.BMP");
    EXPECT_EQ(ObjectTable[4].surface, nullptr);
    EXPECT_EQ(elDraw::CreateObject(2, 2, 1), 5);
    // Drawing from the claimed slot, which has no surface, does nothing.
    elDraw::PutSprite(0, 0, 4, 0, 0, 4, 4);
    elDraw::PutSprite(0, 0, 500, 0, 0, 4, 4);
    elDraw::PutSprite(0, 0, -1, 0, 0, 4, 4);
    EXPECT_EQ(elDraw::PutHalf(0, 0, 4, 0, 0, 4, 4), 0);
    elDraw::ReleaseObject(-3);
    elDraw::ReleaseObject(9999);
    elDraw::SetObjectColorKey(600, 0);
    EXPECT_EQ(elDraw::SwapObject("H3OBJ_MISSING.BMP", 700, 2), 0);
}

TEST_F(ObjectTest, MalformedBmpIsRefusedWithTheLoadersMessage) {
    WriteFile("H3OBJ_BAD1.BMP", {'B', 'M', 1, 2, 3});
    std::vector<u32> rgb(64 * 64, 0x00FFFFFF);
    std::vector<u8> huge = host::EncodeBitmap24(64, 64, rgb.data());
    huge[18] = 0x00;  // width 0x7F000000
    huge[21] = 0x7F;
    WriteFile("H3OBJ_BAD2.BMP", huge);
    EXPECT_EQ(elDraw::LoadObject("H3OBJ_BAD1.BMP", 1), 0);
    EXPECT_EQ(LastBox(), BoxText("elDraw::LoadObject", elDraw::msg::kCannotReadBmp));
    EXPECT_EQ(elDraw::LoadObject("H3OBJ_BAD2.BMP", 1), 0);
    EXPECT_EQ(LastBox(), BoxText("elDraw::LoadObject", elDraw::msg::kCannotReadBmp));
    RemoveFile("H3OBJ_BAD1.BMP");
    RemoveFile("H3OBJ_BAD2.BMP");
}

TEST_F(ObjectTest, ColourKeysBlackByDefaultAndCornerOnRequest) {
    const std::string f = Sheet("H3OBJ_KEY.BMP");
    const i32 a = elDraw::LoadObject(f.c_str(), 1);
    EXPECT_EQ(ObjectTable[a].colorKey, 0u);
    EXPECT_EQ(Key(a), 0);
    elDraw::SetLoadCornerKey();
    const i32 b = elDraw::LoadObject(f.c_str(), 1);
    EXPECT_EQ(ObjectTable[b].colorKey, 0xFFFFFFFFu);
    EXPECT_EQ(Key(b), ToPixel(Rgb(255, 0, 255)));
    // Keyed on magenta: the magenta corner is left out, the black pixel is drawn.
    elDraw::FillRectColor(0, 0, 4, 3, 0x1234);
    elDraw::PutSprite(0, 0, b, 0, 0, 4, 3);
    EXPECT_EQ(Back(0, 0), 0x1234);
    EXPECT_EQ(Back(1, 0), 0);
    elDraw::SetLoadColorKey(Rgb(255, 0, 255));
    EXPECT_EQ(LoadKeyOff, 0u);
    const i32 c = elDraw::LoadObject(f.c_str(), 1);
    EXPECT_EQ(Key(c), ToPixel(Rgb(255, 0, 255)));
    elDraw::SetObjectColorKey(c, 0);
    EXPECT_EQ(Key(c), 0);
    EXPECT_EQ(ObjectTable[c].colorKey, 0u);
    elDraw::CopyColorKey(c, b);
    EXPECT_EQ(Key(c), ToPixel(Rgb(255, 0, 255)));
    EXPECT_EQ(ObjectTable[c].colorKey, 0u);  // the record is left as it was
    RemoveFile(f);
}

TEST_F(ObjectTest, ColorMatchLeavesTheCornerAsItWas) {
    const i32 no = Picture(3, 3, [](i32 x, i32 y) { return static_cast<u16>(0x1234 + x + y); });
    host::Surface* s = ObjectTable[no].surface;
    EXPECT_EQ(elDraw::ColorMatch(s, Rgb(255, 255, 255)), PixelFormat.rgbMask);
    EXPECT_EQ(elDraw::ColorMatch(s, Rgb(10, 20, 30)), ToPixel(Rgb(10, 20, 30)));
    EXPECT_EQ(s->PixelAt(0, 0), 0x1234);
    EXPECT_EQ(elDraw::ColorMatch(s, 0xFFFFFFFFu), 0x1234u);  // -1: the corner's own value
    // A failed lock gives -1, and the colour key is then left unset rather than set to it.
    host::headless::FailNext("LockSurface");
    EXPECT_EQ(elDraw::ColorMatch(s, 0), 0xFFFFFFFFu);
    EXPECT_EQ(s->PixelAt(0, 0), 0x1234);
    s->ClearColorKey();
    host::headless::FailNext("LockSurface");
    elDraw::SetColorKey(s, 0);
    EXPECT_FALSE(s->HasColorKey());
}

class ObjectTest555 : public ObjectTest {
protected:
    void SetUp() override {
        five55 = true;
        ObjectTest::SetUp();
    }
};

TEST_F(ObjectTest555, ColorMatchLeavesTheCornerAsItWas) {
    const i32 no = Picture(2, 2, [](i32, i32) { return static_cast<u16>(0x7BDE); });
    host::Surface* s = ObjectTable[no].surface;
    EXPECT_EQ(elDraw::ColorMatch(s, Rgb(255, 255, 255)), 0x7FFFu);
    EXPECT_EQ(elDraw::ColorMatch(s, Rgb(0, 255, 0)), 0x03E0u);
    EXPECT_EQ(s->PixelAt(0, 0), 0x7BDE);
}

TEST_F(ObjectTest, RestoreAllReloadsPicturesAfterLoss) {
    const std::string f = Sheet("H3OBJ_LOST.BMP");
    const i32 plain = elDraw::LoadObject(f.c_str(), 1);
    elDraw::SetLoadCornerKey();
    const i32 corner = elDraw::LoadObject(f.c_str(), 1);
    elDraw::SetLoadColorKey(Rgb(0, 0, 0));
    const i32 blank = Picture(2, 2, [](i32, i32) { return u16{0x5555}; });
    const u16 pixel = Pix(plain, 3, 2);
    ASSERT_NE(pixel, 0);

    host::headless::FailNext("SurfaceLost");
    elDraw::PutSprite(0, 0, plain, 0, 0, 4, 3);  // the copy finds the surfaces lost and restores them
    EXPECT_FALSE(ObjectTable[plain].surface->IsLost());
    EXPECT_FALSE(BackBuffer->IsLost());
    EXPECT_EQ(Pix(plain, 3, 2), pixel);         // reloaded from its file
    EXPECT_EQ(Pix(corner, 3, 2), pixel);
    EXPECT_EQ(Key(corner), ToPixel(Rgb(255, 0, 255)));  // keyed on its corner again
    EXPECT_EQ(Key(plain), 0);
    EXPECT_EQ(Pix(blank, 0, 0), 0);              // blank objects are not brought back
    EXPECT_EQ(ObjectTable[corner].colorKey, 0xFFFFFFFFu);
    // The load key is the last reloaded slot's, with the corner switch off.
    EXPECT_EQ(LoadKeyColor, 0xFFFFFFFFu);
    EXPECT_EQ(LoadKeyOff, 0u);
    EXPECT_TRUE(host::headless::Boxes().empty());

    // A picture whose file is gone by then shows the reload's box.
    RemoveFile(f);
    host::LoseAllSurfaces();
    elDraw::RestoreAll();
    EXPECT_EQ(LastBox(), BoxText("elDraw::SwapObject", elDraw::msg::kCannotReadBmp));
}

TEST_F(ObjectTest, SwapObjectReplacesThePicture) {
    const std::string a = Sheet("H3OBJ_SWA.BMP");
    const std::vector<u32> white(4, Rgb(255, 255, 255));
    WriteBmp("H3OBJ_SWB.BMP", 2, 2, white);
    const i32 no = elDraw::LoadObject(a.c_str(), 1);
    EXPECT_EQ(elDraw::SwapObject("H3OBJ_SWB.BMP", no, 2), 1);
    EXPECT_STREQ(ObjectTable[no].name, "H3OBJ_SWB.BMP");
    EXPECT_EQ(ObjectTable[no].width, 2);
    EXPECT_EQ(Pix(no, 1, 1), PixelFormat.rgbMask);
    EXPECT_EQ(elDraw::SwapObject("H3OBJ_NONE.BMP", no, 2), 0);
    EXPECT_EQ(LastBox(), BoxText("elDraw::SwapObject", elDraw::msg::kCannotReadBmp));
    EXPECT_STREQ(ObjectTable[no].name, "H3OBJ_NONE.BMP");  // still claimed
    RemoveFile(a);
    RemoveFile("H3OBJ_SWB.BMP");
}

}  // namespace
