// The sprite object table: 500 slots, each a 16-bit surface with its source colour key, the clip
// rectangle every sprite copy respects, and the loaders that fill the slots from BMP files.
#pragma once
#include "el/elSystem.h"
#include "host/bitmap.h"
#include "host/display.h"
#include "host/surface.h"
#include "host/types.h"

namespace elDraw {

struct Object {
    host::Surface* surface;  // nullptr: no picture
    char name[32];           // empty: the slot is free; "*" a blank object; else the file or pack entry
    u32 fromPack;            // 1: reloaded from the pack file
    u32 reloadMem;           // memory mode of a reload
    u32 colorKey;            // RGB 0x00BBGGRR made the key, or 0xFFFFFFFF (-1) for the top-left pixel
    u16 width, height;
};

constexpr i32 kObjectCount = 500;
constexpr i32 kFirstLoadSlot = 4;  // slots 0..3 are the library's own buffers

}  // namespace elDraw

extern elDraw::Object ObjectTable[elDraw::kObjectCount];
extern IntRect ClipRect;      // every sprite copy and software blend clips to it (right and bottom exclusive)
extern u32 LoadKeyColor;      // RGB colour key given to each load
extern u32 LoadKeyOff;        // 1: each load keys its picture on its top-left pixel

namespace elDraw {

// The surface of a slot, or nullptr when the number is outside the table or the slot has no picture.
host::Surface* ObjectSurface(i32 objectNo);
// The part of the ClipRect that lies on the surface (empty when nothing does); software drawing uses this.
IntRect ClipOnSurface(const host::Surface* surface);

void SetClip(i32 left, i32 top, i32 right, i32 bottom);
i32 LoadObject(const char* file, i32 mem);
i32 CreateObject(i32 width, i32 height, i32 mem);
void ReleaseObject(i32 objectNo);
i32 SwapObject(const char* file, i32 objectNo, i32 mem);
void RestoreAll();
host::Surface* LoadBitmapSurface(host::Display* dd, const char* path, u16* width, u16* height, i32 mem);
i32 CopyBitmapToSurface(host::Surface* surface, const host::DecodedBitmap* bitmap, i32 x, i32 y, i32 dx, i32 dy);
u32 ColorMatch(host::Surface* surface, u32 rgb);
i32 SetColorKey(host::Surface* surface, u32 rgb);

// The loaders' messages (code page 932).
namespace msg {
inline constexpr const char* kNameTooLong =
    "\x83t\x83@\x83" "C\x83\x8B\x96\xBC\x82\xDC\x82\xBD\x82\xCD\x83\x8A\x83\x5C\x81[\x83X\x96\xBC\x82\xAA\x92\xB7\x82\xB7\x82\xAC\x82\xDC\x82\xB7";  // ファイル名またはリソース名が長すぎます
inline constexpr const char* kTooManyObjects =
    "\x83I\x83u\x83W\x83" "F\x83N\x83g\x90\x94\x82\xAA\x91\xBD\x89\xDF\x82\xAC\x82\xDC\x82\xB7";  // オブジェクト数が多過ぎます
inline constexpr const char* kCannotReadBmp =
    "BMP\x83t\x83@\x83" "C\x83\x8B\x82\xF0\x93\xC7\x82\xDD\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1";  // BMPファイルを読み込めません
inline constexpr const char* kCannotCreateSprite =
    "\x83X\x83v\x83\x89\x83" "C\x83g\x82\xF0\x8D\xEC\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";  // スプライトを作成できません
inline constexpr const char* kNoPackFile =
    "\x83p\x83" "b\x83N\x83t\x83@\x83" "C\x83\x8B\x96\xBC\x82\xAA\x8Ew\x92\xE8\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB9\x82\xF1";  // パックファイル名が指定されていません
inline constexpr const char* kCannotExpand =
    "\x83T\x81[\x83t\x83" "F\x81[\x83X\x8A\xD4\x82\xC5\x93W\x8AJ\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";  // サーフェース間で展開できません
inline constexpr const char* kNeedFullColour =
    "\x89\xE6\x96\xCA\x82\xF0\x83t\x83\x8B\x83J\x83\x89\x81[\x82\xC9\x82\xB5\x82\xC4\x89\xBA\x82\xB3\x82\xA2";  // 画面をフルカラーにして下さい
}  // namespace msg

// Empties one record (no surface, empty name, from-pack 0, reload memory 2, key 0, size 0).
void EmptyObject(i32 objectNo);

}  // namespace elDraw
