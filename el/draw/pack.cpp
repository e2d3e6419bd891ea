// The image pack: a plain sequence of entries (u16 width, u16 height, the upper-case name with its zero
// byte, then width * height little-endian 15-bit pixel words, top row first).
#include "el/draw/pack.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "el/draw/blit.h"
#include "el/draw/object.h"
#include "el/draw/screen.h"
#include "host/files.h"
#include "host/report.h"
#include "host/text.h"

char PackFilePath[512] = {};

namespace elDraw {
namespace {

using host::UpperCaseCp932;

constexpr size_t kMaxEntryName = 127;

bool ReadU16(std::FILE* f, u32* out) {
    u8 b[2];
    if (std::fread(b, 1, 2, f) != 2) return false;
    *out = static_cast<u32>(b[0]) | (static_cast<u32>(b[1]) << 8);
    return true;
}

// Finds the entry named `key` and leaves the file at its first pixel word. Empty when it is found; else
// why not, in words that follow the pack's name in a report: the entry is missing, or an entry's name is
// empty or runs past 127 bytes, or its pixel data is cut short: an object never takes an empty name.
std::string FindEntry(std::FILE* f, const std::string& key, u32* width, u32* height) {
    if (std::fseek(f, 0, SEEK_END) != 0) return "cannot be read";
    const long fileSize = std::ftell(f);
    if (fileSize < 0 || std::fseek(f, 0, SEEK_SET) != 0) return "cannot be read";
    for (;;) {
        const long start = std::ftell(f);
        if (start == fileSize) return "no entry " + key;
        u32 w = 0, h = 0;
        if (!ReadU16(f, &w) || !ReadU16(f, &h)) return "cut short inside an entry";
        std::string name;
        for (;;) {
            const int c = std::fgetc(f);
            if (c == EOF) return "cut short inside an entry";
            if (c == 0) break;
            if (name.size() >= kMaxEntryName) return "an entry name of " + std::to_string(kMaxEntryName + 1) + " bytes or more";
            name.push_back(static_cast<char>(c));
        }
        if (name.empty()) return "an entry without a name";
        const long bytes = static_cast<long>(w) * static_cast<long>(h) * 2;
        const long here = std::ftell(f);
        if (here < 0) return "cannot be read";
        if (fileSize - here < bytes) return "the entry " + name + " runs past the end of the file";
        if (name == key) {
            *width = w;
            *height = h;
            return {};
        }
        if (std::fseek(f, bytes, SEEK_CUR) != 0) return "cannot be read";
    }
}

// Says what is wrong with the pack in one line that names it as the game does.
void ReportPack(const std::string& why) {
    host::ReportFileProblem(host::NameInFolder(PackFilePath, elSystem::GetModuleDir(0)).c_str(), why.c_str());
}

void ApplyLoadKey(i32 no) {
    Object& o = ObjectTable[no];
    const u32 key = LoadKeyOff == 0 ? LoadKeyColor : 0xFFFFFFFFu;
    SetColorKey(o.surface, key);
    o.colorKey = key;
}

// Loads the named entry into `target` (LoadPack: a new object; SwapPack: the given slot).
i32 LoadEntry(const char* op, const char* name, i32 target, i32 mem, bool swap) {
    std::FILE* f = host::OpenFile(PackFilePath, "rb");
    if (!PackFilePath[0] || !f) {
        if (f) std::fclose(f);
        if (PackFilePath[0]) ReportPack(host::LoadProblem(PackFilePath, "cannot be read"));
        else host::ReportFileProblem(name, "no picture pack is named");
        return elSystem::Error(op, msg::kNoPackFile, 0);
    }
    const std::string key = UpperCaseCp932(name);
    const std::string entry = "the entry " + key;
    u32 w = 0, h = 0;
    if (const std::string why = FindEntry(f, key, &w, &h); !why.empty()) {
        std::fclose(f);
        ReportPack(why);
        return elSystem::Error(op, msg::kCannotReadBmp, 0);
    }

    if (swap) {
        if (target < 0 || target >= kObjectCount || !DirectDrawObject) {
            std::fclose(f);
            return 0;
        }
        // The slot stays claimed (as a blank object, which a restore leaves alone) while the staging
        // object is made, so the staging object cannot take it.
        ReleaseObject(target);
        Object& t = ObjectTable[target];
        std::snprintf(t.name, sizeof t.name, "*");
        t.fromPack = 1;
        t.reloadMem = 2;
        t.width = static_cast<u16>(w);
        t.height = static_cast<u16>(h);
        t.surface = host::CreateDisplaySurface(
            DirectDrawObject, host::kSurfaceCapsOffscreen | (mem == 2 ? 0u : u32{host::kSurfaceCapsSystemMemory}),
            static_cast<i32>(w), static_cast<i32>(h));
        if (!t.surface) {
            std::fclose(f);
            ReportPack(entry + ": no room for the picture");
            return elSystem::Error(op, msg::kCannotCreateSprite, 0);
        }
    } else {
        target = CreateObject(static_cast<i32>(w), static_cast<i32>(h), mem);
        if (target == 0) {
            std::fclose(f);
            // Without a display the failed set-up has said why already.
            if (DirectDrawObject) ReportPack(entry + ": no room for the picture");
            return 0;
        }
    }

    // Undoes what was made when the picture cannot be put in: the staging object always, the new
    // object of LoadPack; SwapPack's slot keeps its new, unfilled surface.
    auto giveUp = [&](i32 staging) {
        if (staging > 0) ReleaseObject(staging);
        if (!swap) ReleaseObject(target);
    };

    const i32 staging = CreateObject(static_cast<i32>(w), static_cast<i32>(h), 2);
    if (staging == 0) {
        std::fclose(f);
        giveUp(0);
        ReportPack(entry + ": no room for the picture");
        return 0;
    }
    host::Surface* ss = ObjectSurface(staging);
    host::LockInfo lock;
    if (ss->Lock(&lock) != host::kSurfaceOk) {
        std::fclose(f);
        giveUp(staging);
        ReportPack(entry + ": the picture's memory cannot be written");
        return 0;
    }
    const PixelFormatRecord& pf = PixelFormat;
    std::vector<u8> row(static_cast<size_t>(w) * 2);
    bool readOk = true;
    for (u32 y = 0; y < h && readOk; ++y) {
        if (std::fread(row.data(), 1, row.size(), f) != row.size()) {
            readOk = false;
            break;
        }
        u16* d = reinterpret_cast<u16*>(lock.bits + static_cast<size_t>(lock.pitch) * y);
        for (u32 x = 0; x < w; ++x) {
            const u32 p = static_cast<u32>(row[x * 2]) | (static_cast<u32>(row[x * 2 + 1]) << 8);
            d[x] = static_cast<u16>((((p >> 10) & 31) << pf.rTableShift) | (((p >> 5) & 31) << pf.gTableShift) |
                                    ((p & 31) << pf.bTableShift));
        }
    }
    ss->Unlock();
    std::fclose(f);
    if (!readOk) {
        giveUp(staging);
        ReportPack(entry + ": cut short");
        return elSystem::Error(op, msg::kCannotReadBmp, 0);
    }

    i32 rc = host::kSurfaceFailed;
    for (i32 attempt = 0; attempt < 10; ++attempt) {
        host::Surface* dst = ObjectSurface(target);
        host::Surface* src = ObjectSurface(staging);
        if (!dst || !src) break;
        rc = host::CopyRect(dst, 0, 0, src, host::Rect{0, 0, static_cast<i32>(w), static_cast<i32>(h)}, false);
        if (rc == host::kSurfaceOk) break;
        if (rc == host::kSurfaceLost) RestoreAll();
    }
    if (rc != host::kSurfaceOk) {
        giveUp(staging);
        ReportPack(entry + ": the picture cannot be copied into its object");
        return elSystem::Error(op, msg::kCannotExpand, static_cast<u32>(rc));
    }

    ReleaseObject(staging);
    ApplyLoadKey(target);
    Object& t = ObjectTable[target];
    std::snprintf(t.name, sizeof t.name, "%s", key.c_str());
    t.fromPack = 1;
    t.reloadMem = 2;
    t.width = static_cast<u16>(w);
    t.height = static_cast<u16>(h);
    return target;
}

// The pack word of one 8-bit-per-channel colour: 5 bits each, and 1 for a dark colour that is not black.
u32 PackWord(u32 rgb) {
    const u32 r = rgb & 0xFF, g = (rgb >> 8) & 0xFF, b = (rgb >> 16) & 0xFF;
    const u32 word = ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
    if (word == 0 && (rgb & 0xFFFFFF) != 0) return 1;
    return word;
}

}  // namespace

void SetPackFile(const char* name) {
    std::snprintf(PackFilePath, sizeof PackFilePath, "%s%s", elSystem::GetModuleDir(0), name ? name : "");
}

i32 LoadPack(const char* name, i32 mem) { return LoadEntry("elDraw::LoadPack", name, 0, mem, false); }

i32 SwapPack(const char* name, i32 objectNo, i32 mem) {
    return LoadEntry("elDraw::SwapPack", name, objectNo, mem, true);
}

namespace {

// Appends the picture `name` to the pack as ConvertOne does. False only when the pack could not be written
// (said in one line); a picture that does not load is said by its loader.
bool AppendPicture(const char* pack, const char* name) {
    const i32 no = LoadObject(name, 1);
    if (no == 0) return true;
    const std::string dir = elSystem::GetModuleDir(0);
    // The colours come from the decoded file's own 8-bit channels, not from the 16-bit surface.
    host::DecodedBitmap bmp;
    const bool decoded = host::LoadBitmapFile(host::ResolvePath((dir + name).c_str()).c_str(), &bmp) == host::kBitmapOk;
    const Object& o = ObjectTable[no];
    const char* packName = pack ? pack : "";
    host::FileWriter f(dir + packName, "ab", packName);
    if (f.Opened()) {
        const std::string full = name;
        const size_t cut = full.find_last_of("\\/");
        const std::string bare = cut == std::string::npos ? full : full.substr(cut + 1);
        const u32 w = o.width, h = o.height;
        const u8 size[4] = {static_cast<u8>(w), static_cast<u8>(w >> 8), static_cast<u8>(h), static_cast<u8>(h >> 8)};
        f.Put(size, sizeof size);
        f.Put(bare.c_str(), bare.size() + 1);
        std::vector<u8> row(static_cast<size_t>(w) * 2);
        for (u32 y = 0; y < h; ++y) {
            for (u32 x = 0; x < w; ++x) {
                u32 rgb = 0;
                if (decoded && static_cast<i32>(x) < bmp.width && static_cast<i32>(y) < bmp.height)
                    rgb = bmp.rgb[static_cast<size_t>(y) * static_cast<size_t>(bmp.width) + x];
                else
                    rgb = host::GetPixelRgb(o.surface, static_cast<i32>(x), static_cast<i32>(y)) & 0xFFFFFF;
                const u32 word = PackWord(rgb);
                row[x * 2] = static_cast<u8>(word);
                row[x * 2 + 1] = static_cast<u8>(word >> 8);
            }
            if (!f.Put(row.data(), row.size())) break;
        }
    }
    const bool written = f.Close();
    ReleaseObject(no);
    return written;
}

}  // namespace

i32 Convert(const char* pack, const char* folder, i32 fresh) {
    if (elSystem::GetDesktopBits() <= 16) return elSystem::Error("elDraw::Convert", msg::kNeedFullColour, 0);
    const std::string dir = elSystem::GetModuleDir(0);
    if (fresh != 0) host::RemoveFile((dir + (pack ? pack : "")).c_str(), pack);
    const std::string sub = folder ? folder : "";
    // Every file whose name ends in ".BMP" in any case, in name order.
    const std::vector<std::string> files = host::FilesEndingIn(dir + sub, ".BMP", sub.empty() ? "." : sub.c_str());
    // A pack that could not be written stops the converting: the rest would fail the same way, or follow an
    // entry cut short.
    for (const std::string& file : files) {
        const std::string name = UpperCaseCp932((sub.empty() ? file : sub + "\\" + file).c_str());
        if (!AppendPicture(pack, name.c_str())) break;
    }
    return 1;
}

void ConvertOne(const char* pack, const char* name) { AppendPicture(pack, name); }

}  // namespace elDraw
