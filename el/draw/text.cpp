#include "el/draw/text.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "el/draw/gdi.h"
#include "el/draw/screen.h"
#include "el/elSystem.h"
#include "host/text.h"
#include "host/time.h"

namespace {
host::FontDesc g_fontDesc;  // the descriptor block: static, so it outlives every caller
}  // namespace

FontListEntry FontList[kFontListSize];
i32 FontListCount = 0;
host::FontDesc* FontDescBlock = &g_fontDesc;
i32 fontSize = 0;
host::Font* CurrentFont = nullptr;
host::Font* ReplacedFont = nullptr;
host::Dc* TextDC = nullptr;
host::Surface* TextDCSurface = nullptr;
u32 textColor = 0, shadowColor = 0;
u32 DrawAtOnce = 1;
FpsMeterState FpsMeter = {0.0f, 0.0f, 999.9f, 0};

namespace elDraw {

const char* const kFaceNames[2] = {
    "\x95\x57\x8F\x80\x96\xBE\x92\xA9",                  // 標準明朝
    "\x95\x57\x8F\x80\x83\x53\x83\x56\x83\x62\x83\x4E",  // 標準ゴシック
};

namespace {

// Copies at most `max` bytes of code page 932 text, never cutting a double-byte character in two,
// and terminates the copy.
void CopyName(char* dst, const char* src, size_t max) {
    size_t n = 0;
    if (src) {
        while (src[n] != '\0') {
            const size_t step = (host::IsLeadByte(static_cast<unsigned char>(src[n])) && src[n + 1] != '\0') ? 2 : 1;
            if (n + step > max) break;
            n += step;
        }
        std::memcpy(dst, src, n);
    }
    dst[n] = '\0';
}

void MakeFont(i32 size, i32 angle, i32 weightKind, u8 italic, u8 underline, u8 charSet) {
    host::FontDesc& d = *FontDescBlock;
    fontSize = size;
    d.height = size;
    d.width = 0;
    i64 esc = static_cast<i64>(angle) * 10;
    if (esc > INT32_MAX || esc < INT32_MIN) esc %= 3600;  // the same direction, in range
    d.escapement = static_cast<i32>(esc);
    d.weight = weightKind == 0 ? 400 : weightKind == 1 ? 700 : 0;
    d.italic = italic;
    d.underline = underline;
    d.charSet = charSet;
    OpenFontOn(BackBuffer);
}

}  // namespace

void OpenFontOn(host::Surface* surface) {
    CurrentFont = host::CreateFont(*FontDescBlock);
    TextDCSurface = surface;
    TextDC = host::GetDc(surface);
    ReplacedFont = host::SelectFont(TextDC, CurrentFont);
}

void CopyFaceName(char* dst, const char* src) { CopyName(dst, src, 31); }

void EnumFonts() {
    g_fontDesc = host::FontDesc{};
    FontDescBlock = &g_fontDesc;
    for (auto& e : FontList) {
        e.faceName[0] = '\0';
        e.fontClass = -1;
        e.charSet = 0;
    }
    const bool tookDc = BackDC == nullptr;
    GetBackDC();
    FontListCount = 0;
    for (const auto& face : host::EnumFaces()) {
        host::FontDesc d;
        CopyName(d.faceName, face.nameCp932.c_str(), 31);
        d.charSet = face.charSet;
        const host::FontMetrics m{};
        if (!EnumFontsCallback(&d, &m, 4, 0)) break;
    }
    if (tookDc) ReleaseBackDC();
    DrawAtOnce = 1;
}

i32 EnumFontsCallback(const host::FontDesc* desc, const host::FontMetrics*, u32, std::intptr_t) {
    if (FontListCount >= kFontListSize) return 0;
    if (!desc) return 1;
    FontListEntry& e = FontList[FontListCount];
    CopyName(e.faceName, desc->faceName, 31);
    e.fontClass = desc->charSet == host::kCharSetShiftJis ? 1 : desc->charSet == host::kCharSetSymbol ? 3 : 2;
    e.charSet = desc->charSet;
    ++FontListCount;
    return 1;
}

void FreeFontList() {
    // The descriptor block is static and stays; a font still out is given back with its context.
    if (CurrentFont || TextDC) ReleaseFont();
}

void SetFont(i32 face, i32 size, i32 angle, i32 weightKind, u8 italic, u8 underline) {
    if (CurrentFont || TextDC) ReleaseFont();
    if (face == 0 || face == 1) CopyName(FontDescBlock->faceName, kFaceNames[face], 31);
    MakeFont(size, angle, weightKind, italic, underline, host::kCharSetShiftJis);
}

void SetFontEx(const char* faceName, i32 size, i32 angle, i32 weightKind, u8 italic, u8 underline) {
    if (CurrentFont || TextDC) ReleaseFont();
    CopyName(FontDescBlock->faceName, faceName, 31);
    u8 charSet = host::kCharSetShiftJis;
    for (i32 i = 0; i < FontListCount; ++i) {
        if (std::strcmp(FontList[i].faceName, FontDescBlock->faceName) == 0) {
            charSet = FontList[i].charSet;
            break;
        }
    }
    MakeFont(size, angle, weightKind, italic, underline, charSet);
}

void ReleaseFont() {
    if (TextDC) {
        host::SelectFont(TextDC, ReplacedFont);
        host::ReleaseDc(TextDC);
    }
    host::DeleteFont(CurrentFont);
    TextDC = nullptr;
    TextDCSurface = nullptr;
    CurrentFont = nullptr;
    ReplacedFont = nullptr;
}

void SetTextColors(u32 text, u32 background, i32 transparent) {
    host::SetTextColor(TextDC, text);
    host::SetBkColor(TextDC, background);
    textColor = text;
    shadowColor = background;
    host::SetBkMode(TextDC, transparent ? host::kBkTransparent : host::kBkOpaque);
}

void TextOut(i32 x, i32 y, const char* text) {
    if (!text) return;
    host::TextOut(TextDC, x, y, text, static_cast<i32>(std::strlen(text)));
}

void PrintText(i32 x, i32 y, const char* text) {
    SetFont(1, 12, 0, 0, 0, 0);
    SetTextColors(0xFFFFFF, 0x800000, 0);
    TextOut(x, y, text);
    ReleaseFont();
}

void PrintTextF(i32 x, i32 y, const char* format, ...) {
    // No format prints an empty line, as an empty format would.
    if (!format) {
        PrintText(x, y, "");
        return;
    }
    char buf[256];
    va_list ap;
    va_start(ap, format);
    const int n = std::vsnprintf(buf, sizeof buf, format, ap);
    va_end(ap);
    if (n < 0) return;
    if (n >= static_cast<int>(sizeof buf)) {
        // Cut: drop a lead byte whose second byte did not fit.
        size_t i = 0;
        const size_t len = std::strlen(buf);
        while (i < len) {
            if (host::IsLeadByte(static_cast<unsigned char>(buf[i]))) {
                if (i + 1 >= len) {
                    buf[i] = '\0';
                    break;
                }
                i += 2;
            } else {
                ++i;
            }
        }
    }
    PrintText(x, y, buf);
}

void ShowFps() {
    const u32 now = host::ClockMs();
    if (now >= StartTime) {
        FpsMeter.fps = static_cast<f32>(FpsMeter.frames / 2.0);
        if (FpsMeter.fps > FpsMeter.maximum) FpsMeter.maximum = FpsMeter.fps;
        if (FpsMeter.fps > 0 && FpsMeter.fps < FpsMeter.minimum) FpsMeter.minimum = FpsMeter.fps;
        StartTime = now + 2000;
        FpsMeter.frames = 0;
    }
    if (FpsMeter.frames < 999) ++FpsMeter.frames;
    char buf[128];
    std::snprintf(buf, sizeof buf, "%3.1f fps ( max %3.1f / min %3.1f )", static_cast<double>(FpsMeter.fps),
                  static_cast<double>(FpsMeter.maximum), static_cast<double>(FpsMeter.minimum));
    PrintText(0, 0, buf);
}

}  // namespace elDraw
