#include "el/draw/textbox.h"

#include <algorithm>
#include <cstring>

#include "el/draw/blit.h"
#include "el/draw/screen.h"
#include "el/draw/soft.h"
#include "el/draw/text.h"
#include "host/gdi.h"
#include "host/text.h"

std::vector<IntRect> CharRects(1, IntRect{0, 0, 0, 0});
i32 CharCount = 1;
i32 RevealCount = 0;
f32 RevealClock = 0;
IntRect MeasureRect{0, 0, 0, 0};

namespace elDraw {

namespace {

constexpr i32 kFontObject = 2;
constexpr i32 kFontBuffer = 3;

// Characters that may not begin a line: they hang past the right edge instead.
const char* const kHanging[15] = {
    "\x81\x41",  // 、
    "\x81\x42",  // 。
    "\x81\x43",  // ，
    "\x81\x44",  // ．
    "\x81\x45",  // ・
    "\x81\x63",  // …
    "\x81\x64",  // ‥
    "\x81\x68",  // ”
    "\x81\x66",  // ’
    "\x81\x69",  // （
    "\x81\x76",  // 」
    ",",
    ".",
    "\x81\x40",  // 　 (full-width space)
    " ",
};

bool IsHanging(const char* ch, i32 n) {
    for (const char* h : kHanging)
        if (static_cast<i32>(std::strlen(h)) == n && std::memcmp(h, ch, static_cast<size_t>(n)) == 0) return true;
    return false;
}

// Near-black would vanish in the black colour key: it becomes a dark grey.
void LiftNearBlack(u32& c) {
    if ((c & 0xFF) < 16 && ((c >> 8) & 0xFF) < 16 && ((c >> 16) & 0xFF) < 16) c = 0x101010;
}

i32 CharLen(const char* text, i32 at) {
    return (host::IsLeadByte(static_cast<unsigned char>(text[at])) && text[at + 1] != '\0') ? 2 : 1;
}

i32 Clamp32(i64 v) { return static_cast<i32>(std::clamp<i64>(v, INT32_MIN, INT32_MAX)); }

IntRect MakeRect(i64 l, i64 t, i64 r, i64 b) { return IntRect{Clamp32(l), Clamp32(t), Clamp32(r), Clamp32(b)}; }

void StartRecord(i32 left, i32 top) {
    CharRects.assign(1, IntRect{left, top, left, top});
    CharCount = 1;
}
void Record(const IntRect& r) {
    CharRects.push_back(r);
    CharCount = static_cast<i32>(CharRects.size());
}
void DropLast() {
    CharRects.pop_back();
    CharCount = static_cast<i32>(CharRects.size());
}
void Widen(i64 right, i64 bottom) {
    IntRect& e = CharRects[0];
    e.right = std::max(e.right, Clamp32(right));
    e.bottom = std::max(e.bottom, Clamp32(bottom));
}

// One character with its emphasis. `unit` is the shadow's offset (1, or 2 in the doubled buffer).
void DrawChar(i64 cx, i64 y, const char* ch, i32 n, u16 style, i32 unit) {
    const bool shadow = style & kTextShadow, bold = style & kTextBold, tall = style & kTextTall;
    auto put = [&](i64 px, i64 py) { host::TextOut(TextDC, Clamp32(px), Clamp32(py), ch, n); };
    if (shadow) {
        host::SetTextColor(TextDC, shadowColor);
        put(cx + unit + (bold ? 1 : 0), y + unit + (tall ? 1 : 0));
    }
    host::SetTextColor(TextDC, textColor);
    put(cx, y);
    if (bold) put(cx + 1, y);
    if (bold && tall) put(cx + 1, y + 1);
    if (tall) put(cx, y + 1);
}

void OpenTransparent(host::Surface* s) {
    OpenFontOn(s);
    host::SetBkMode(TextDC, host::kBkTransparent);
}

void CopyBox(const IntRect& r) { PutSprite(r.left, r.top, kFontObject, r.left, r.top, r.right, r.bottom); }

}  // namespace

void DrawTextBox(i32 left, i32 top, i32 right, i32 bottom, const char* text, u16 style) {
    ReleaseFont();
    ClearObject(kFontObject);
    OpenTransparent(ObjectSurface(kFontObject));

    i64 x = left, y = top;
    i64 advance = (style & kTextSpacingMask) + static_cast<i64>(fontSize);
    LiftNearBlack(textColor);
    LiftNearBlack(shadowColor);
    StartRecord(left, top);

    const i32 len = text ? static_cast<i32>(std::strlen(text)) : 0;
    i32 at = 0;
    while (at < len) {
        const i32 n = CharLen(text, at);
        const char* ch = text + at;
        const bool newline = ch[0] == '\n';
        i32 w = 0, h = 0;
        if (!newline) {
            host::GetTextExtent(TextDC, ch, n, &w, &h);
            if (style & kTextShadow) ++w, ++h;
            if (style & kTextBold) ++w;
            if (style & kTextTall) ++h;
        }
        const bool lineEmpty = x == left;
        Record(MakeRect(x, y, x + w, y + h));
        x += w;
        advance = std::max<i64>(advance, h);
        if (x <= right && !newline) {
            DrawChar(x - w, y, ch, n, style, 1);
            Widen(x, y + h);
            at += n;
            continue;
        }
        DropLast();
        if (x > right && !newline && IsHanging(ch, n)) {
            // Drawn past the edge; recorded, so that the reveal and the whole-box copy show it.
            DrawChar(x - w, y, ch, n, style, 1);
            Record(MakeRect(x - w, y, x, y + h));
            Widen(x, y + h);
            at += n;
        } else if (newline) {
            at += n;
        } else if (lineEmpty) {
            // Wider than the whole box: it would start every following line again and never fit, so
            // nothing after it can be drawn.
            break;
        }  // any other character starts the next line
        x = left;
        y += advance;
        if (y + advance >= bottom) break;
    }

    ReleaseFont();
    if (DrawAtOnce) CopyBox(CharRects[0]);
    OpenFontOn(BackBuffer);
    RevealCount = 0;
    RevealClock = 0;
    DrawAtOnce = 1;
}

void DrawTextBoxDefault(i32 left, i32 top, i32 right, i32 bottom, const char* text, u16 style) {
    DrawAtOnce = 0;
    DrawTextBox(left, top, right, bottom, text, style);
}

i32 TypeText(f32 secondsPerChar) {
    if (secondsPerChar != 0 && RevealCount <= CharCount) {
        const i32 upTo = std::min(RevealCount - 1, static_cast<i32>(CharRects.size()) - 1);
        for (i32 i = 1; i <= upTo; ++i) CopyBox(CharRects[static_cast<size_t>(i)]);
    } else {
        CopyBox(CharRects[0]);
        RevealCount = CharCount + 1;
    }
    if (RevealCount > CharCount) return 1;
    RevealClock += FrameTime;
    if (RevealClock >= secondsPerChar) {
        ++RevealCount;
        RevealClock = 0;
    }
    return 0;
}

namespace {

void FillDoubledDesc(i32 size) {
    host::FontDesc& d = *FontDescBlock;
    fontSize = static_cast<i32>(std::clamp<i64>(static_cast<i64>(size) * 2, INT32_MIN, INT32_MAX));
    d.height = fontSize;
    d.width = 0;
    d.escapement = 0;
    d.weight = 400;
    d.italic = 0;
    d.underline = 0;
}

}  // namespace

void SetFontOnDC(i32 face, i32 size) {
    if (CurrentFont || TextDC) ReleaseFont();
    if (face == 0 || face == 1) CopyFaceName(FontDescBlock->faceName, kFaceNames[face]);
    FillDoubledDesc(size);
    FontDescBlock->charSet = host::kCharSetShiftJis;
    OpenFontOn(ObjectSurface(kFontBuffer));
}

void SetFontOnDCEx(const char* faceName, i32 size) {
    if (CurrentFont || TextDC) ReleaseFont();
    CopyFaceName(FontDescBlock->faceName, faceName);
    FillDoubledDesc(size);
    FontDescBlock->charSet = host::kCharSetShiftJis;
    for (i32 i = 0; i < FontListCount; ++i) {
        if (std::strcmp(FontList[i].faceName, FontDescBlock->faceName) == 0) {
            FontDescBlock->charSet = FontList[i].charSet;
            break;
        }
    }
    OpenFontOn(ObjectSurface(kFontBuffer));
}

void ReleaseFontOnDC() { ReleaseFont(); }

void DrawTextStyled(i32 left, i32 top, i32 right, i32 bottom, const char* text, u16 style) {
    host::Surface* buffer = ObjectSurface(kFontBuffer);
    ClearObject(kFontObject);
    ReleaseFont();
    ClearObject(kFontBuffer);
    OpenTransparent(buffer);

    const i64 baseHeight = (style & kTextSpacingMask) + static_cast<i64>(fontSize);
    i64 lx = left, ly = top, lineWidth = 0, lineHeight = baseHeight;
    LiftNearBlack(textColor);
    LiftNearBlack(shadowColor);
    StartRecord(left, top);

    auto flush = [&]() {
        ReleaseFont();
        const i64 height = std::min<i64>(lineHeight, 2 * (static_cast<i64>(bottom) - ly));
        Widen(lx + lineWidth / 2, ly + height / 2);
        if (lineWidth > 0 && height > 0)
            DrawTextStyledBody(Clamp32(lx), Clamp32(ly), 0, 0, Clamp32(lineWidth), Clamp32(height));
        ClearObject(kFontBuffer);
        OpenTransparent(buffer);
    };

    const i32 len = text ? static_cast<i32>(std::strlen(text)) : 0;
    i32 at = 0;
    while (at < len) {
        const i32 n = CharLen(text, at);
        const char* ch = text + at;
        const bool newline = ch[0] == '\n';
        i32 w = 0, h = 0;
        if (!newline) {
            DrawChar(lineWidth, 0, ch, n, style, 2);
            host::GetTextExtent(TextDC, ch, n, &w, &h);
            w += w & 1;
            h += h & 1;
            if (style & kTextShadow) w += 2, h += 2;
            if (style & kTextBold) w += 1;
            if (style & kTextTall) h += 1;
        }
        const bool lineEmpty = lineWidth == 0;
        Record(MakeRect(lx + lineWidth / 2, ly, lx + lineWidth / 2 + w / 2, ly + h / 2));
        lineWidth += w;
        lineHeight = std::max<i64>(lineHeight, h);
        if (lx + lineWidth / 2 < right && lineWidth < ScreenWidth && !newline) {
            at += n;
            continue;
        }
        DropLast();
        if (!newline && lx + lineWidth / 2 >= right && IsHanging(ch, n)) {
            Record(MakeRect(lx + (lineWidth - w) / 2, ly, lx + lineWidth / 2, ly + h / 2));
            at += n;
        } else if (!newline) {
            lineWidth -= w;  // off this line: it starts the next one
            if (lineEmpty && lx + w / 2 < right) {
                at += n;  // wider than a line of the buffer: no line can hold it
            } else if (lineEmpty && lx == left) {
                // Wider than the whole box: it would start every following line again down to the
                // bottom, each empty line widening the box to there, and never fit.
                flush();
                Widen(left, bottom);
                break;
            }
        } else {
            at += n;
        }
        flush();
        lx += lineWidth / 2;
        if (lx + w / 2 >= right || newline) {
            lx = left;
            ly += lineHeight / 2;
        }
        lineWidth = 0;
        lineHeight = baseHeight;
        if (ly >= bottom) break;
    }
    if (lineWidth > 0 && ly < bottom) flush();

    if (DrawAtOnce) CopyBox(CharRects[0]);
    RevealCount = 0;
    RevealClock = 0;
    DrawAtOnce = 1;
}

void DrawTextStyledDefault(i32 left, i32 top, i32 right, i32 bottom, const char* text, u16 style) {
    DrawAtOnce = 0;
    DrawTextStyled(left, top, right, bottom, text, style);
}

i32 DrawTextStyledBody(i32 dx, i32 dy, i32 sx, i32 sy, i32 w2, i32 h2) {
    host::Surface* bufferSurface = ObjectSurface(kFontBuffer);
    host::Surface* fontSurface = ObjectSurface(kFontObject);
    if (!bufferSurface || !fontSurface || !BackBuffer) return 0;
    IntRect c = soft::ClipOn(BackBuffer);
    c.right = std::min(c.right, fontSurface->Width());
    c.bottom = std::min(c.bottom, fontSurface->Height());
    const i64 x0 = std::max<i64>(dx, c.left), y0 = std::max<i64>(dy, c.top);
    const i64 x1 = std::min<i64>(static_cast<i64>(dx) + w2 / 2, c.right);
    const i64 y1 = std::min<i64>(static_cast<i64>(dy) + h2 / 2, c.bottom);
    if (x0 >= x1 || y0 >= y1) return 1;
    soft::Locked buffer, font, back;
    if (!buffer.Lock(bufferSurface)) return 0;
    if (!font.Lock(fontSurface)) {
        buffer.Unlock();
        return 0;
    }
    if (!back.Lock(BackBuffer)) {
        font.Unlock();
        buffer.Unlock();
        return 0;
    }
    // The source area, cut to the buffer.
    const i64 ax0 = std::max<i64>(sx, 0), ay0 = std::max<i64>(sy, 0);
    const i64 ax1 = std::min<i64>(static_cast<i64>(sx) + w2, buffer.width);
    const i64 ay1 = std::min<i64>(static_cast<i64>(sy) + h2, buffer.height);
    const u32 rs = static_cast<u32>(PixelFormat.rTableShift), gs = static_cast<u32>(PixelFormat.gTableShift),
              bs = static_cast<u32>(PixelFormat.bTableShift);
    for (i64 Y = y0; Y < y1; ++Y) {
        u16* out = font.Row(static_cast<i32>(Y));
        const u16* under = back.Row(static_cast<i32>(Y));
        for (i64 X = x0; X < x1; ++X) {
            // The line was drawn from (sx, sy) of the buffer at twice the size.
            const i64 cx = sx + 2 * (X - dx), cy = sy + 2 * (Y - dy);
            u32 sum[3] = {0, 0, 0};
            u32 n = 0;
            for (i64 j = cy - 1; j <= cy + 1; ++j) {
                if (j < ay0 || j >= ay1) continue;
                const u16* row = buffer.Row(static_cast<i32>(j));
                for (i64 i = cx - 1; i <= cx + 1; ++i) {
                    if (i < ax0 || i >= ax1 || !row[i]) continue;
                    const u8* p = PixelDecodeTable[row[i]];
                    sum[0] += p[0], sum[1] += p[1], sum[2] += p[2];
                    ++n;
                }
            }
            if (n == 0) continue;
            const u8* b = PixelDecodeTable[under[X]];
            u32 ch[3];
            for (int k = 0; k < 3; ++k) ch[k] = std::min<u32>(31, (31 + sum[k] + (n < 8 ? (8 - n) * b[k] : 0)) / 8);
            out[X] = static_cast<u16>((ch[0] << rs) | (ch[1] << gs) | (ch[2] << bs));
        }
    }
    back.Unlock();
    font.Unlock();
    buffer.Unlock();
    return 1;
}

i32 DrawTextRect(i32 left, i32 top, i32 right, i32 bottom, const char* text, i32 alignment) {
    if (alignment < 0 || alignment > 2 || !text) return 0;
    host::Rect r{left, top, right, bottom};
    return host::DrawText(TextDC, text, -1, &r, host::kDtWordBreak | host::kDtNoPrefix | static_cast<u32>(alignment));
}

i32 MeasureText(i32 left, i32 top, i32 right, i32 bottom, const char* text) {
    if (!text) return 0;
    host::Rect r{left, top, right, bottom};
    const i32 h = host::DrawText(TextDC, text, -1, &r, host::kDtCalcRect | host::kDtWordBreak | host::kDtNoPrefix);
    MeasureRect = IntRect{r.left, r.top, r.right, r.bottom};
    return h;
}

}  // namespace elDraw
