// Date, time and machine queries.
#pragma once
#include "host/types.h"

namespace host {

struct LocalTimeInfo {
    u32 year, month, day, dayOfWeek;  // month 1..12, dayOfWeek 0 = Sunday
    u32 hour, minute, second, milliseconds;
};
LocalTimeInfo LocalTime();

u64 DiskFreeBytes(const char* path);   // free bytes for an unprivileged user on the file system of path
u64 FreeMemoryBytes();                 // free physical memory

struct VersionInfo {
    u32 platform;  // 0 Win32s-like, 1 the 95 family, 2 the NT family, anything else: another platform
    u32 major, minor;
};
enum : u32 { kPlatformOther = 3 };
bool GetVersionInfo(VersionInfo* out);
void SetVersionOverride(const VersionInfo* v);  // tests: answer as this system; nullptr: the real answer

i32 DesktopBits();                      // bits per pixel of the window's picture
void SetDesktopBits(i32 bits);          // the display set-up reports the depth it switched to

bool EnableIme(bool on);                // returns the previous state; there is no input method to switch

}  // namespace host
