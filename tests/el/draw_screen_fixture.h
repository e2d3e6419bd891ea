// A headless machine with the library's screen set up through elDraw::Screen, plus small helpers to
// write BMP files beside the test program and read pixels back.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "el/elDraw.h"
#include "el/elSystem.h"
#include "host/bitmap.h"
#include "host/display.h"
#include "host/headless/headless.h"
#include "host/system.h"
#include "host/surface.h"
#include "host/text.h"
#include "support/headless_machine.h"

namespace kt {

// Colours as 0x00BBGGRR.
constexpr u32 Rgb(u32 r, u32 g, u32 b) { return r | (g << 8) | (b << 16); }

class ScreenTest : public Headless {
public:
    // What elSystem::Error shows for this function and message.
    static std::string BoxText(const char* function, const char* message) {
        return std::string(function) + " : " + host::Cp932ToUtf8(message);
    }

protected:
    bool five55 = false;
    bool windowed = false;

    void SetUp() override {
        Headless::SetUp();
        host::headless::SetPixelFormat555(five55);
        elSystem::ResetGlobals();
        LibraryDone = 0;
        ErrorFlag = 0;
        FullScreen = windowed ? 0 : 1;
        host::SetDesktopBits(32);
        elDraw::SetScreenBits(16, 0, 0);
        host::WindowClass wc;
        wc.className = "DEFAULT";
        wc.proc = elSystem::WindowProc;
        host::RegisterWindowClass(wc);
        MainWindow = host::CreateMainWindow("DEFAULT", "KESTRALIS", FullScreen != 0, 800, 600);
    }
    void TearDown() override {
        elSystem::End();
        host::DestroyWindow(MainWindow);
        host::ClearQueue();
        EXPECT_EQ(host::LiveSurfaceCount(), 0);
        EXPECT_EQ(host::LiveDisplayCount(), 0);
        host::SetPixelFormatReportOverride(nullptr);
    }

    void Up(i32 w = 800, i32 h = 600) { ASSERT_EQ(elDraw::Screen(w, h, 2), 1) << LastBox(); }

    // The text of the last error box, in UTF-8, or "" when none was shown.
    static std::string LastBox() {
        const auto& boxes = host::headless::Boxes();
        return boxes.empty() ? std::string() : boxes.back().text;
    }
    static std::string Utf8(const char* cp932) { return host::Cp932ToUtf8(cp932); }
    // Writes a 24-bit BMP beside the program and returns its name as the game would give it.
    static std::string WriteBmp(const std::string& name, i32 w, i32 h, const std::vector<u32>& rgb) {
        const std::vector<u8> bytes = host::EncodeBitmap24(w, h, rgb.data());
        WriteFile(name, bytes);
        return name;
    }
    static void WriteFile(const std::string& name, const std::vector<u8>& bytes) {
        const std::string path = std::string(elSystem::GetModuleDir(0)) + name;
        std::FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr) << path;
        if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    static void RemoveFile(const std::string& name) {
        std::remove((std::string(elSystem::GetModuleDir(0)) + name).c_str());
    }

    static u16 Back(i32 x, i32 y) { return BackBuffer->PixelAt(x, y); }
    static u16 Pix(i32 objectNo, i32 x, i32 y) { return ObjectTable[objectNo].surface->PixelAt(x, y); }
    static u16 ToPixel(u32 rgb) { return host::RgbToPixel(BackBuffer->Layout(), rgb); }
    // A blank object of w x h filled by fn(x, y) -> pixel value.
    template <class Fn>
    static i32 Picture(i32 w, i32 h, Fn fn) {
        const i32 no = elDraw::CreateObject(w, h, 1);
        if (no == 0) return 0;
        for (i32 y = 0; y < h; ++y)
            for (i32 x = 0; x < w; ++x) ObjectTable[no].surface->PutPixelAt(x, y, fn(x, y));
        return no;
    }
};

}  // namespace kt
