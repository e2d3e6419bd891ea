// A small drawing set-up for the software blitters, effects and text: a back buffer, the pixel format
// and tables read from it, the library's four screen-size objects and sprite sheets in free slots,
// without opening the display.
#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "el/elDraw.h"
#include "host/headless/headless.h"
#include "host/surface.h"
#include "support/headless_machine.h"

namespace kt {

class SoftDraw : public Headless {
protected:
    // The back buffer's size; tests that want the screen size set these before SetUp runs.
    i32 screenW = 64, screenH = 48;
    bool five55 = false;

    void SetUp() override {
        Headless::SetUp();
        host::headless::SetPixelFormat555(five55);
        BackBuffer = host::CreateSurface(screenW, screenH);
        ASSERT_NE(BackBuffer, nullptr);
        ScreenWidth = screenW;
        ScreenHeight = screenH;
        ASSERT_EQ(elDraw::ReadPixelFormat(BackBuffer->Layout()), 1);
        elDraw::BuildSinTable();
        elDraw::BuildBlendTables();
        elDraw::SetClip(0, 0, screenW, screenH);
        for (i32 i = 0; i < 4; ++i) {
            Place(i, host::CreateSurface(screenW, screenH));
            ObjectTable[i].surface->SetColorKey(0);  // the library's own objects are keyed on black
        }
    }
    void TearDown() override {
        elDraw::ReleaseFont();
        for (i32 i = 0; i < elDraw::kObjectCount; ++i) {
            host::ReleaseSurface(ObjectTable[i].surface);
            elDraw::EmptyObject(i);
        }
        host::ReleaseSurface(BackBuffer);
        BackBuffer = nullptr;
        EXPECT_EQ(host::LiveSurfaceCount(), 0);
        EXPECT_EQ(host::LiveDcCount(), 0);
        EXPECT_EQ(host::LiveFontCount(), 0);
        Headless::TearDown();
    }

    void Place(i32 slot, host::Surface* s) {
        ObjectTable[slot].surface = s;
        ObjectTable[slot].name[0] = '*';
        ObjectTable[slot].name[1] = '\0';
        ObjectTable[slot].width = static_cast<u16>(s ? s->Width() : 0);
        ObjectTable[slot].height = static_cast<u16>(s ? s->Height() : 0);
    }
    // A sprite sheet in the next free slot from 4, filled row by row from `pixels` (w * h values).
    i32 Sheet(i32 w, i32 h, const std::vector<u16>& pixels = {}) {
        i32 slot = elDraw::kFirstLoadSlot;
        while (ObjectTable[slot].surface) ++slot;
        host::Surface* s = host::CreateSurface(w, h);
        for (i32 y = 0; y < h; ++y)
            for (i32 x = 0; x < w; ++x)
                if (!pixels.empty()) s->PutPixelAt(x, y, pixels[static_cast<size_t>(y * w + x)]);
        Place(slot, s);
        return slot;
    }
    host::Surface* Surf(i32 slot) const { return ObjectTable[slot].surface; }

    // A pixel from 5-bit channels at the format's table shifts.
    static u16 Rgb5(u32 r, u32 g, u32 b) {
        return static_cast<u16>((r << PixelFormat.rTableShift) | (g << PixelFormat.gTableShift) |
                                (b << PixelFormat.bTableShift));
    }
    static void Decode(u16 p, u32* r, u32* g, u32* b) {
        *r = PixelDecodeTable[p][0];
        *g = PixelDecodeTable[p][1];
        *b = PixelDecodeTable[p][2];
    }
    u16 Back(i32 x, i32 y) const { return BackBuffer->PixelAt(x, y); }
    void FillBack(u16 p) {
        for (i32 y = 0; y < screenH; ++y)
            for (i32 x = 0; x < screenW; ++x) BackBuffer->PutPixelAt(x, y, p);
    }
    std::vector<u16> Snapshot() const {
        std::vector<u16> v;
        for (i32 y = 0; y < screenH; ++y)
            for (i32 x = 0; x < screenW; ++x) v.push_back(Back(x, y));
        return v;
    }
};

// The software set-up at 200 x 100 with the font list read, for the text tests.
class TextDraw : public SoftDraw {
protected:
    void SetUp() override {
        screenW = 200;
        screenH = 100;
        SoftDraw::SetUp();
        elDraw::EnumFonts();
    }
};

}  // namespace kt
