// The sprite object table, the clip rectangle, BMP loading into slots, colour keys and the reload of
// lost pictures.
#include "el/draw/object.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "el/draw/blit.h"
#include "el/draw/pack.h"
#include "el/draw/screen.h"
#include "host/files.h"
#include "host/report.h"

elDraw::Object ObjectTable[elDraw::kObjectCount] = {};
IntRect ClipRect = {};
u32 LoadKeyColor = 0;
u32 LoadKeyOff = 0;

namespace elDraw {
namespace {

// What the last picture read met, for the plain-language report of a failed load.
std::string g_bitmapProblem;

void ReportLoadFailure(const char* file) {
    host::ReportFileProblem(file, g_bitmapProblem.empty() ? "cannot be loaded" : g_bitmapProblem.c_str());
}

constexpr u32 kCornerKey = 0xFFFFFFFFu;  // the key is the picture's top-left pixel
constexpr size_t kMaxNameLength = 30;

void CopyName(char (&dst)[32], const char* src) {
    std::snprintf(dst, sizeof dst, "%s", src ? src : "");
}

// The lowest free slot from 4, or -1. A slot that holds a picture is never free, whatever its name says;
// one without a picture is free unless a load has claimed it by name.
i32 FreeSlot() {
    for (i32 i = kFirstLoadSlot; i < kObjectCount; ++i)
        if (!ObjectTable[i].surface && ObjectTable[i].name[0] == 0) return i;
    return -1;
}

u32 MemCaps(i32 mem) {
    return host::kSurfaceCapsOffscreen | (mem == 2 ? 0u : static_cast<u32>(host::kSurfaceCapsSystemMemory));
}

// The load rule: the load colour key, or the picture's top-left pixel.
void ApplyLoadKey(Object& o) {
    if (LoadKeyOff == 0) {
        SetColorKey(o.surface, LoadKeyColor);
        o.colorKey = LoadKeyColor;
    } else {
        SetColorKey(o.surface, kCornerKey);
        o.colorKey = kCornerKey;
    }
}

// Steps 3 and 4 of a load into slot `no` (already claimed and named): the file beside the program,
// then the program's own bitmap resource under the bare name. True when the slot got a surface.
bool LoadIntoSlot(i32 no, const char* file, i32 mem) {
    Object& o = ObjectTable[no];
    char path[512];
    std::snprintf(path, sizeof path, "%s%s", elSystem::GetModuleDir(0), file);
    if (host::Surface* s = LoadBitmapSurface(DirectDrawObject, path, &o.width, &o.height, mem)) {
        o.surface = s;
        ApplyLoadKey(o);
        return true;
    }
    host::DecodedBitmap bmp;
    if (host::LoadBitmapResource(file, &bmp) != host::kBitmapOk) return false;
    host::Surface* s = host::CreateDisplaySurface(DirectDrawObject, MemCaps(mem), bmp.width, bmp.height);
    if (!s) return false;
    o.surface = s;
    o.width = static_cast<u16>(bmp.width);
    o.height = static_cast<u16>(bmp.height);
    ApplyLoadKey(o);
    return CopyBitmapToSurface(s, &bmp, 0, 0, 0, 0) == host::kSurfaceOk;
}

}  // namespace

host::Surface* ObjectSurface(i32 objectNo) {
    if (objectNo < 0 || objectNo >= kObjectCount) return nullptr;
    return ObjectTable[objectNo].surface;
}

IntRect ClipOnSurface(const host::Surface* surface) {
    if (!surface) return IntRect{0, 0, 0, 0};
    IntRect r = ClipRect;
    if (r.left < 0) r.left = 0;
    if (r.top < 0) r.top = 0;
    if (r.right > surface->Width()) r.right = surface->Width();
    if (r.bottom > surface->Height()) r.bottom = surface->Height();
    if (r.right <= r.left || r.bottom <= r.top) return IntRect{0, 0, 0, 0};
    return r;
}

void EmptyObject(i32 no) {
    if (no < 0 || no >= kObjectCount) return;
    Object& o = ObjectTable[no];
    o.surface = nullptr;
    o.name[0] = 0;
    o.fromPack = 0;
    o.reloadMem = 2;
    o.colorKey = 0;
    o.width = 0;
    o.height = 0;
}

void SetClip(i32 left, i32 top, i32 right, i32 bottom) { ClipRect = IntRect{left, top, right, bottom}; }

i32 LoadObject(const char* file, i32 mem) {
    if (!file) file = "";
    if (std::strlen(file) > kMaxNameLength) {
        host::ReportNameTooLong(file, kMaxNameLength);
        return elSystem::Error("elDraw::LoadObject", msg::kNameTooLong, 0);
    }
    // Without a display nothing can hold a picture; the failed set-up has already said so.
    if (!DirectDrawObject) return 0;
    const i32 no = FreeSlot();
    if (no < 0) return elSystem::Error("elDraw::LoadObject", msg::kTooManyObjects, 0);
    Object& o = ObjectTable[no];
    CopyName(o.name, file);
    o.fromPack = 0;
    o.reloadMem = 2;
    if (!LoadIntoSlot(no, file, mem)) {
        ReportLoadFailure(file);
        return elSystem::Error("elDraw::LoadObject", msg::kCannotReadBmp, 0);
    }
    return no;
}

i32 CreateObject(i32 width, i32 height, i32 mem) {
    if (!DirectDrawObject) return 0;
    const i32 no = FreeSlot();
    if (no < 0) return elSystem::Error("elDraw::CreateObject", msg::kTooManyObjects, 0);
    Object& o = ObjectTable[no];
    CopyName(o.name, "*");
    o.fromPack = 0;
    o.reloadMem = 2;
    o.width = static_cast<u16>(width);
    o.height = static_cast<u16>(height);
    o.surface = host::CreateDisplaySurface(DirectDrawObject, MemCaps(mem), width, height);
    if (!o.surface) return elSystem::Error("elDraw::CreateObject", msg::kCannotCreateSprite, 0);
    ApplyLoadKey(o);
    return no;
}

void ReleaseObject(i32 objectNo) {
    if (objectNo < 0 || objectNo >= kObjectCount) return;
    Object& o = ObjectTable[objectNo];
    if (!o.surface) return;
    host::ReleaseSurface(o.surface);
    o.surface = nullptr;
    o.name[0] = 0;
    o.colorKey = 0;
    o.width = 0;
    o.height = 0;
}

i32 SwapObject(const char* file, i32 objectNo, i32 mem) {
    if (!file) file = "";
    if (std::strlen(file) > kMaxNameLength) {
        host::ReportNameTooLong(file, kMaxNameLength);
        return elSystem::Error("elDraw::SwapObject", msg::kNameTooLong, 0);
    }
    if (objectNo < 0 || objectNo >= kObjectCount || !DirectDrawObject) return 0;
    Object& o = ObjectTable[objectNo];
    char name[32];
    CopyName(name, file);  // the name may be the slot's own
    if (o.surface) {
        host::ReleaseSurface(o.surface);
        o.surface = nullptr;
    }
    CopyName(o.name, name);
    o.fromPack = 0;
    o.reloadMem = 2;
    // Once the surface exists the load counts as done, whatever the copy from a resource gave.
    LoadIntoSlot(objectNo, name, mem);
    if (!o.surface) {
        ReportLoadFailure(name);
        return elSystem::Error("elDraw::SwapObject", msg::kCannotReadBmp, 0);
    }
    return 1;
}

void RestoreAll() {
    // A reload can meet a lost surface again and come back here; the nested call only restores.
    static bool running = false;
    if (PrimarySurface) PrimarySurface->Restore();
    if (BackBuffer && BackBuffer->IsLost()) BackBuffer->Restore();
    for (i32 i = 0; i < kFirstLoadSlot; ++i)
        if (ObjectTable[i].surface && ObjectTable[i].surface->IsLost()) ObjectTable[i].surface->Restore();
    if (running) {
        for (i32 i = kFirstLoadSlot; i < kObjectCount; ++i)
            if (ObjectTable[i].surface && ObjectTable[i].surface->IsLost()) ObjectTable[i].surface->Restore();
        return;
    }
    running = true;
    for (i32 i = kFirstLoadSlot; i < kObjectCount; ++i) {
        Object& o = ObjectTable[i];
        if (o.name[0] == 0 || !o.surface || !o.surface->IsLost()) continue;
        o.surface->Restore();
        if (std::strcmp(o.name, "*") == 0) continue;
        char name[32];
        CopyName(name, o.name);
        SetLoadColorKey(o.colorKey);
        if (o.fromPack == 1)
            SwapPack(name, i, static_cast<i32>(o.reloadMem));
        else
            SwapObject(name, i, static_cast<i32>(o.reloadMem));
    }
    running = false;
}

host::Surface* LoadBitmapSurface(host::Display* dd, const char* path, u16* width, u16* height, i32 mem) {
    if (!dd || !path) return nullptr;
    host::DecodedBitmap bmp;
    // The program's own resource under the full path first (there are none here), then the file.
    if (host::LoadBitmapResource(path, &bmp) != host::kBitmapOk) {
        const i32 rc = host::LoadBitmapFile(host::ResolvePath(path).c_str(), &bmp);
        if (rc != host::kBitmapOk) {
            g_bitmapProblem = host::LoadProblem(path, rc == host::kBitmapNotFound ? "not found" : "not a BMP file this program can read");
            return nullptr;
        }
    }
    host::Surface* s = host::CreateDisplaySurface(dd, MemCaps(mem), bmp.width, bmp.height);
    if (width) *width = static_cast<u16>(bmp.width);
    if (height) *height = static_cast<u16>(bmp.height);
    if (!s) {
        g_bitmapProblem = "no room for the picture";
        return nullptr;
    }
    g_bitmapProblem.clear();
    CopyBitmapToSurface(s, &bmp, 0, 0, 0, 0);
    return s;
}

i32 CopyBitmapToSurface(host::Surface* surface, const host::DecodedBitmap* bitmap, i32 x, i32 y, i32 dx, i32 dy) {
    if (!surface || !bitmap) return host::kSurfaceFailed;
    surface->Restore();
    if (dx == 0) dx = bitmap->width;
    if (dy == 0) dy = bitmap->height;
    return host::CopyBitmapToSurface(surface, bitmap->View(), x, y, dx, dy);
}

u32 ColorMatch(host::Surface* surface, u32 rgb) {
    if (!surface) return kCornerKey;
    u32 saved = host::kInvalidRgb;
    if (rgb != kCornerKey) {
        saved = host::GetPixelRgb(surface, 0, 0);
        host::SetPixelRgb(surface, 0, 0, rgb);
    }
    u32 value = kCornerKey;
    host::LockInfo lock;
    if (surface->Lock(&lock) == host::kSurfaceOk) {
        u16 first = 0;
        std::memcpy(&first, lock.bits, sizeof first);  // 16 bits per pixel: the first word is pixel (0, 0)
        value = first;
        surface->Unlock();
    }
    if (rgb != kCornerKey && saved != host::kInvalidRgb) host::SetPixelRgb(surface, 0, 0, saved);
    return value;
}

i32 SetColorKey(host::Surface* surface, u32 rgb) {
    if (!surface) return host::kSurfaceFailed;
    const u32 pixel = ColorMatch(surface, rgb);
    // A surface that could not be read keeps the key it had.
    if (pixel == kCornerKey) return host::kSurfaceFailed;
    return surface->SetColorKey(static_cast<u16>(pixel));
}

}  // namespace elDraw
