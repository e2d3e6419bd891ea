// The screen: the display device, the primary surface and back buffer, the pixel format, the lookup
// tables of the software blitters, and the library's start-up and shutdown of the display.
#pragma once
#include "el/draw/object.h"
#include "el/elSystem.h"
#include "host/display.h"
#include "host/surface.h"
#include "host/types.h"

struct PixelFormatRecord {
    u32 rMask, gMask, bMask;
    i16 rShift, gShift, bShift;          // zero bits below each mask
    u32 rMax, gMax, bMax;                // each mask shifted down: 31 or 63
    i16 rTableShift, gTableShift, bTableShift;  // the shift, plus 1 for a 6-bit channel
    u32 halfMask, halfMask2;             // every channel's top bit cleared (one pixel; two pixels)
    u32 rgbMask;                         // every channel bit set: white
};
extern PixelFormatRecord PixelFormat;

extern host::Display* DirectDrawObject;
extern host::Surface* PrimarySurface;
extern host::Surface* BackBuffer;
extern host::Clipper* WindowClipper;
extern u32 ScreenBitsAlt1, ScreenBitsAlt2;
extern IntRect ScreenRect;
extern u32 HardwareDriverFound;
extern u32 CanStretch;

// Lookup tables, built once by elDraw::Screen. Channel index c: 0 red, 1 green, 2 blue; values 5-bit.
constexpr i32 kSinTableSize = 450;
extern i32 SinTable[kSinTableSize];          // sin(i degrees) * 360, truncated; cos(a) is entry a + 90
extern u8 PixelDecodeTable[65536][3];         // r, g, b (5-bit) of each pixel value
extern u16 AlphaTable[3 * 32 * 32 * 32];      // [c * 32768 + L * 1024 + s * 32 + d]
extern u16 AddTable[3 * 32 * 32 * 32];        // [c * 32768 + L * 1024 + s * 32 + d]
extern u16 SubTable[3 * 32 * 32];             // [c * 1024 + a * 32 + b]
extern u16 GreyTable[94];                     // [r + g + b]
extern u8 NoiseTable[10000];                  // 0, 1 or 2
extern u32 TablesBuilt;                       // 1 once the blend tables are filled

// 1 after elDraw::Screen failed: the program ends with a non-zero status once it has shut down.
extern u32 ScreenSetupFailed;

namespace elDraw {

// The screen set-up's messages (code page 932).
namespace msg {
inline constexpr const char* kNoDirectDraw =
    "DirectDraw\x82\xAA\x8Eg\x97p\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";  // DirectDrawが使用できません
inline constexpr const char* kNoFullScreen =
    "\x83t\x83\x8B\x83X\x83N\x83\x8A\x81[\x83\x93\x89\xBB\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";  // フルスクリーン化できません
inline constexpr const char* kNoMode =
    "\x89\xF0\x91\x9C\x93x\x82\xAA\x95\xCF\x8DX\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";  // 解像度が変更できません
inline constexpr const char* kNoPrimary =
    "\x95\x5C\x89\xE6\x96\xCA\x82\xAA\x90\xB6\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";  // 表画面が生成できません
inline constexpr const char* kNoBackBuffer =
    "\x97\xA0\x89\xE6\x96\xCA\x82\xAA\x90\xB6\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";  // 裏画面が生成できません
inline constexpr const char* kNoClipper =
    "\x83N\x83\x8A\x83" "b\x83v\x82\xAA\x90\xB6\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";  // クリップが生成できません
inline constexpr const char* kNoClipperWindow =
    "\x83N\x83\x8A\x83" "b\x83v\x82\xC9\x83" "E\x83" "B\x83\x93\x83h\x83" "E\x83n\x83\x93\x83h\x83\x8B\x82\xF0\x90\xDD\x92\xE8\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";  // クリップにウィンドウハンドルを設定できません
inline constexpr const char* kNoPrimaryClip =
    "\x95\x5C\x89\xE6\x96\xCA\x82\xF0\x83N\x83\x8A\x83" "b\x83v\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";  // 表画面をクリップできません
inline constexpr const char* kNoBufferSprite =
    "Buffer\x83X\x83v\x83\x89\x83" "C\x83g\x82\xAA\x90\xB6\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";  // Bufferスプライトが生成できません
inline constexpr const char* kNoScreenSprite =
    "Screen\x83X\x83v\x83\x89\x83" "C\x83g\x82\xAA\x90\xB6\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";  // Screenスプライトが生成できません
inline constexpr const char* kNoFontSprite =
    "Font\x83X\x83v\x83\x89\x83" "C\x83g\x82\xAA\x90\xB6\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";  // Fontスプライトが生成できません
inline constexpr const char* kNoFontBufferSprite =
    "Font\x83o\x83" "b\x83t\x83@\x83X\x83v\x83\x89\x83" "C\x83g\x82\xAA\x90\xB6\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";  // Fontバッファスプライトが生成できません
inline constexpr const char* kNoPixelFormat =
    "\x83s\x83N\x83Z\x83\x8B\x8F\xEE\x95\xF1\x82\xAA\x8E\xE6\x93\xBE\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";  // ピクセル情報が取得できません
}  // namespace msg

i32 Screen(i32 width, i32 height, i32 memoryMode);
i32 EnumDeviceCallback(const host::DriverId* guid, const char* description, const char* name, void* context);
void SetScreenBits(i32 bits, i32 alt1, i32 alt2);
void End();

// Parts of the start-up, callable on their own (tests, tools).
i32 ReadPixelFormat(const host::PixelLayout& layout);  // 0 when a channel mask is 0
void BuildSinTable();
void BuildBlendTables();

}  // namespace elDraw
