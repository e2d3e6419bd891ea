#include "host/system.h"

#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <sys/time.h>

#include <ctime>

#include "host/backend.h"

namespace host {
namespace {
bool g_versionOverridden = false;
VersionInfo g_version{};
i32 g_desktopBits = 32;
bool g_ime = true;
}  // namespace

LocalTimeInfo LocalTime() {
    struct timeval tv;
    gettimeofday(&tv, nullptr);
    const time_t t = tv.tv_sec;
    struct tm lt;
    localtime_r(&t, &lt);
    return LocalTimeInfo{static_cast<u32>(lt.tm_year + 1900), static_cast<u32>(lt.tm_mon + 1),
                         static_cast<u32>(lt.tm_mday),        static_cast<u32>(lt.tm_wday),
                         static_cast<u32>(lt.tm_hour),        static_cast<u32>(lt.tm_min),
                         static_cast<u32>(lt.tm_sec),         static_cast<u32>(tv.tv_usec / 1000)};
}

u64 DiskFreeBytes(const char* path) {
    struct statvfs st;
    if (!path || statvfs(path, &st) != 0) return 0;
    return static_cast<u64>(st.f_bavail) * static_cast<u64>(st.f_frsize);
}

u64 FreeMemoryBytes() {
    struct sysinfo si;
    if (sysinfo(&si) != 0) return 0;
    return static_cast<u64>(si.freeram) * si.mem_unit;
}

bool GetVersionInfo(VersionInfo* out) {
    if (backend::Fault("GetVersion")) return false;
    *out = g_versionOverridden ? g_version : VersionInfo{kPlatformOther, 0, 0};
    return true;
}

void SetVersionOverride(const VersionInfo* v) {
    g_versionOverridden = v != nullptr;
    if (v) g_version = *v;
}

i32 DesktopBits() { return g_desktopBits; }
void SetDesktopBits(i32 bits) { g_desktopBits = bits; }

bool EnableIme(bool on) {
    const bool prev = g_ime;
    g_ime = on;
    return prev;
}

}  // namespace host
