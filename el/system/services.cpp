// Small system services: boxes, the cursor clip, the program folder, integer files, the debug log,
// date and time, machine queries and keyboard modes.
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "el/draw/screen.h"
#include "el/elSystem.h"
#include "host/files.h"
#include "host/report.h"
#include "host/system.h"
#include "host/text.h"
#include "host/time.h"

char ModulePath[256] = {};
char DataFolder[257] = {};
char CommandLine[1024] = {};
u32 CursorClipped = 0;
u32 ScreenBits = 16;

namespace {

char g_tail[256] = {};

// Formats into out (size bytes) without overrunning it and without cutting a double-byte character.
void FormatBounded(char* out, size_t size, const char* format, va_list args) {
    const int n = std::vsnprintf(out, size, format, args);
    if (n < 0) {
        out[0] = 0;
        return;
    }
    if (static_cast<size_t>(n) >= size) {
        // The cut may have split a double-byte character: drop a dangling lead byte.
        size_t len = size - 1, i = 0;
        while (i < len) {
            if (host::IsLeadByte(static_cast<unsigned char>(out[i]))) {
                if (i + 1 >= len) break;
                i += 2;
            } else {
                ++i;
            }
        }
        out[i] = 0;
    }
}

// The box text: the formatted arguments followed by CR LF, within 256 bytes.
void BoxText(char* text, const char* format, va_list args) {
    FormatBounded(text, 256 - 2, format, args);
    std::strcat(text, "\r\n");
}

i32 ShowBox(const char* text, u32 flags) {
    // A full-screen picture would hide the box: make the desktop visible first.
    if (DirectDrawObject) host::FlipToGDISurface(DirectDrawObject);
    if (CursorShown == 0) {
        host::ShowCursor(true);
        CursorShown = 1;
    }
    BoxShowing = 1;
    const i32 r = host::MessageBox(MainWindow, text, "\x83\x81\x83" "b\x83Z\x81[\x83W", flags);  // メッセージ
    BoxShowing = 0;
    elSystem::ResetFrameClock();
    return r;
}

// The integer file's full name; false when it does not fit (a cut name would be another file).
bool IntFilePath(char (&path)[512], const char* name) {
    const int n = std::snprintf(path, sizeof path, "%s%s", elSystem::GetModuleDir(1), name ? name : "");
    return n >= 0 && static_cast<size_t>(n) < sizeof path;
}

// 1 when the value was written and the file closed; 0, said in one line, when it was not.
i32 WriteInt(const char* name, i32 value) {
    char path[512];
    if (!IntFilePath(path, name)) {
        host::ReportFileProblem(name, ("cannot be written: " + host::SystemReason(ENAMETOOLONG)).c_str());
        return 0;
    }
    host::FileWriter f(path, "wt", host::NameInFolder(path, elSystem::GetModuleDir(0)));
    char text[16];
    const int n = std::snprintf(text, sizeof text, "%d", value);
    f.Put(text, static_cast<size_t>(n));
    return f.Close() ? 1 : 0;
}

i32 ReadInt(const char* name) {
    char path[512];
    if (!IntFilePath(path, name)) return 0;
    std::FILE* f = host::OpenFile(path, "rt");
    if (!f) return 0;
    int v = 0;
    if (std::fscanf(f, "%d", &v) != 1) v = 0;
    std::fclose(f);
    return v;
}

u32 Saturate(u64 v) { return v > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<u32>(v); }

}  // namespace

namespace elSystem {

u32 Init() {
    for (int i = 1; i <= 10; ++i) WaitTimers[i] = WaitNever;
    DelayDeadline = WaitNever;
    EndTextInput();
    SysKeyMode = 0;
    if (FullScreen) ClipCursorToScreen();
    return 1;
}

void MessageBox(const char* format, ...) {
    char text[256];
    va_list args;
    va_start(args, format);
    BoxText(text, format, args);
    va_end(args);
    ShowBox(text, host::kBoxSystemModal | host::kBoxIconExclamation | host::kBoxOk);
}

u32 YesNoBox(const char* format, ...) {
    char text[256];
    va_list args;
    va_start(args, format);
    BoxText(text, format, args);
    va_end(args);
    return ShowBox(text, host::kBoxIconQuestion | host::kBoxYesNo) == host::kIdYes ? 1 : 0;
}

i32 SetMousePos(i32 x, i32 y) { return host::SetCursorPos(x + ClientOrigin.x, y + ClientOrigin.y) ? 1 : 0; }

i32 ClipCursorRect(i32 left, i32 top, i32 right, i32 bottom) {
    const i32 r[4] = {left, top, right, bottom};
    CursorClipped = 1;
    return host::ClipCursor(r) ? 1 : 0;
}

i32 ClipCursorToScreen() {
    if (FullScreen) return ClipCursorRect(0, 0, ScreenWidth, ScreenHeight);
    return ClipCursorRect(ClientOrigin.x, ClientOrigin.y, ClientOrigin.x + ScreenWidth, ClientOrigin.y + ScreenHeight);
}

i32 UnclipCursor() {
    CursorClipped = 0;
    return host::ClipCursor(nullptr) ? 1 : 0;
}

i32 ReleaseCursor() { return UnclipCursor(); }

u32 IsCursorClipped() { return CursorClipped; }

char* GetModuleDir(u32 redirect) {
    if (!host::ModuleFolder(ModulePath, sizeof ModulePath)) {
        // A folder name that does not fit is said once and never cut: names then stay relative, and the
        // data is looked for in the current folder.
        static bool told = false;
        ModulePath[0] = 0;
        if (!told) {
            told = true;
            // Counted as the shell prints a folder's path, without the separator the buffer keeps after it.
            const std::string folder = host::ModuleFolder(), here = host::CurrentFolder();
            const size_t length = folder.size() - (!folder.empty() && folder.back() == '/');
            const std::string why =
                folder.empty() ? std::string("the system does not say where it is")
                               : "a name of " + std::to_string(length) + " bytes, more than the " +
                                     std::to_string(sizeof ModulePath - 2) + " the game can take";
            host::ReportFileProblem(
                ("program folder" + (folder.empty() ? "" : " " + folder)).c_str(),
                (why + "; looking for the data in the current folder" + (here.empty() ? "" : ", " + here)).c_str());
            Error("elSystem::GetModuleDir",
                  "\x83v\x83\x8D\x83O\x83\x89\x83\x80\x82\xCC\x83t\x83H\x83\x8B\x83_\x96\xBC\x82\xAA\x92\xB7\x82\xB7\x82\xAC\x82\xDC\x82\xB7",  // プログラムのフォルダ名が長すぎます
                  0);
        }
        return ModulePath;
    }
    if (redirect == 0 || DataFolder[0] == 0) return ModulePath;
    // The program folder's own name (with its separator) goes under the redirected folder.
    const size_t len = std::strlen(ModulePath);
    size_t i = len >= 2 ? len - 2 : 0;
    while (i > 0 && ModulePath[i] != '/') --i;
    if (ModulePath[i] == '/' && len >= 2) {
        std::snprintf(g_tail, sizeof g_tail, "%s", ModulePath + i + 1);
        char joined[600];
        const int n = std::snprintf(joined, sizeof joined, "%s/%s", DataFolder, g_tail);
        if (n > 0 && static_cast<size_t>(n) < sizeof ModulePath) std::memcpy(ModulePath, joined, static_cast<size_t>(n) + 1);
    }
    return ModulePath;
}

void ReadDataFolder(const char* fileName) {
    const std::string path = host::SystemFolder() + "/" + (fileName ? fileName : "");
    DataFolder[0] = 0;
    std::FILE* f = host::OpenFile(path.c_str(), "rt");
    if (!f) return;
    if (std::fgets(DataFolder, 257, f)) {
        size_t n = std::strlen(DataFolder);
        if (n > 0 && DataFolder[n - 1] == '\n') DataFolder[--n] = 0;
        if (n > 0 && DataFolder[n - 1] == '\r') DataFolder[--n] = 0;
        if (n > 0 && (DataFolder[n - 1] == '\\' || DataFolder[n - 1] == '/')) DataFolder[--n] = 0;
    } else {
        DataFolder[0] = 0;
    }
    std::fclose(f);
}

char* GetCommandLine() { return CommandLine; }

i32 WriteIntFile(const char* name, i32 value) { return WriteInt(name, value); }
i32 ReadIntFile(const char* name) { return ReadInt(name); }
i32 WriteIntFile2(const char* name, i32 value) { return WriteInt(name, value); }
i32 ReadIntFile2(const char* name) { return ReadInt(name); }

i32 DebugPrint(const char* format, ...) {
    host::FileWriter f("DEBUG.TXT", "a", "DEBUG.TXT");
    if (!f.Opened()) return 0;
    va_list args;
    va_start(args, format);
    const int n = f.PrintList(format, args);
    va_end(args);
    f.Put("\n", 1);
    f.Close();
    return n;
}

void GetDate(u32* year, u32* month, u32* day, char* weekday) {
    static const char* const kDays[7] = {"\x93\xFA", "\x8C\x8E", "\x89\xCE", "\x90\x85",
                                         "\x96\xD8", "\x8B\xE0", "\x93y"};  // 日月火水木金土
    const host::LocalTimeInfo t = host::LocalTime();
    if (year) *year = t.year;
    if (month) *month = t.month;
    if (day) *day = t.day;
    if (weekday) std::memcpy(weekday, kDays[t.dayOfWeek % 7], 3);
}

void GetTime(u32* hour, u32* minute, u32* second) {
    const host::LocalTimeInfo t = host::LocalTime();
    if (hour) *hour = t.hour;
    if (minute) *minute = t.minute;
    if (second) *second = t.second;
}

// Drive letters mean nothing here: every letter answers for the file system that holds the program.
u32 GetDiskFree(u8) {
    char folder[4096];
    if (!host::ModuleFolder(folder, sizeof folder)) std::strcpy(folder, "/");
    return Saturate(host::DiskFreeBytes(folder));
}

u32 GetFreeMemory() { return Saturate(host::FreeMemoryBytes()); }

i32 GetDesktopBits() { return host::DesktopBits(); }

u32 IsWindowed() { return FullScreen == 0 ? 1 : 0; }

u32 GetWindowsVersion() {
    host::VersionInfo v{};
    if (!host::GetVersionInfo(&v)) return static_cast<u32>(-1);
    switch (v.platform) {
        case 0:
            return 310;
        case 1:
            if (v.major == 4) return v.minor == 0 ? 950 : 980;
            return v.major * 100 + v.minor;
        case 2:
            if (v.major == 5) return 2000;
            return v.major * 1000 + v.minor * 10;
        default:
            return static_cast<u32>(-1);
    }
}

void BeginTextInput() { TextInputMode = 1; }
void EndTextInput() {
    TextInputMode = 0;
    LastKey = 0;
}
void SetWatchKey(i32 virtualKey) {
    WatchKey = static_cast<u32>(virtualKey);
    WatchKeyCount = 0;
}
u32 GetWatchKeyCount() { return WatchKeyCount; }
void SetSysKeyMode(u32 mode) { SysKeyMode = mode; }
i32 EnableIME(i32 on) { return host::EnableIme(on != 0) ? 1 : 0; }

u32 CheckColorDepth(const char* fileName) {
    static const char* const kNames[4] = {"16", "256", "65536", "1670\x96\x9C"};  // 1670万
    int level;
    switch (ScreenBits) {
        case 8: level = 1; break;
        case 16: level = 2; break;
        case 24:
        case 32: level = 3; break;
        default: return 1;
    }
    if (!(IsWindowed() && static_cast<u32>(GetDesktopBits()) < ScreenBits)) return 1;
    MessageBox("\x81@\x83" "E\x83" "B\x83\x93\x83h\x83" "E\x8F\xF3\x91\xD4\x82\xC5\x8E\xC0\x8Ds\x82\xB5\x82\xE6\x82\xA4\x82\xC6\x82\xB5\x82\xC4\x82\xA2\x82\xDC\x82\xB7\x82\xAA\x81" "A"  // 　ウィンドウ状態で実行しようとしていますが、
               "\x89\xE6\x96\xCA\x82\xAA%s\x90" "F\x88\xC8\x89\xBA\x82\xC9\x90\xDD\x92\xE8\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB7\x81" "B\n"  // 画面が%s色以下に設定されています。
               "\x90\xB3\x82\xB5\x82\xAD\x93\xAE\x8D\xEC\x82\xB3\x82\xB9\x82\xE9\x82\xC9\x82\xCD\x81" "A%s\x90" "F\x88\xC8\x8F\xE3\x82\xC9\x90\xDD\x92\xE8\x82\xB7\x82\xE9\x82\xA9\x81" "A"  // 正しく動作させるには、%s色以上に設定するか、
               "\x83t\x83\x8B\x83X\x83N\x83\x8A\x81[\x83\x93\x82\xC5\x8E\xC0\x8Ds\x82\xB3\x82\xB9\x82\xC4\x89\xBA\x82\xB3\x82\xA2\x81" "B",  // フルスクリーンで実行させて下さい。
               kNames[level - 1], kNames[level]);
    if (fileName && fileName[0]) {
        const bool star = std::strcmp(fileName, "*") == 0;
        const u32 yes = star ? YesNoBox("\x83t\x83\x8B\x83X\x83N\x83\x8A\x81[\x83\x93\x82\xC9\x90\xD8\x82\xE8\x8A\xB7\x82\xA6\x82\xDC\x82\xB7\x82\xA9\x81H")  // フルスクリーンに切り換えますか？
                             : YesNoBox("\x83t\x83\x8B\x83X\x83N\x83\x8A\x81[\x83\x93\x82\xC9\x90\xDD\x92\xE8\x82\xB5\x92\xBC\x82\xB5\x82\xDC\x82\xB7\x82\xA9\x81H");  // フルスクリーンに設定し直しますか？
        if (yes) {
            if (!star) WriteIntFile(fileName, 1);
            FullScreen = 1;
            return 1;
        }
    }
    End();
    return 0;
}

}  // namespace elSystem
