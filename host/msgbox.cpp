#include "host/msgbox.h"

#include <algorithm>
#include <string_view>

#include "host/backend.h"
#include "host/font.h"
#include "host/text.h"
#include "host/textlayout.h"

namespace host::box {
namespace {

constexpr i32 kMargin = 16;
constexpr i32 kMinWidth = 320;
constexpr i32 kMaxTextWidth = 560;
constexpr i32 kButtonW = 88, kButtonH = 28, kButtonGap = 12;
constexpr u32 kPaper = 0xFFF0F0F0, kInk = 0xFF101010, kStrip = 0xFF2A4A7A, kStripInk = 0xFFFFFFFF;
constexpr u32 kFrame = 0xFF606060, kButtonFace = 0xFFE0E0E0, kChosen = 0xFF2A6AD0, kWarn = 0xFFF0B000;

struct Ink {
    Picture* p;
    u32 colour;
};

void Span(void* user, i32 x, i32 y, i32 count) {
    Ink* ink = static_cast<Ink*>(user);
    std::fill_n(ink->p->argb.begin() + static_cast<long>(y) * ink->p->width + x, count, ink->colour);
}

void Fill(Picture& p, i32 x, i32 y, i32 w, i32 h, u32 c) {
    const i32 x0 = std::max(0, x), y0 = std::max(0, y);
    const i32 x1 = std::min(p.width, x + w), y1 = std::min(p.height, y + h);
    for (i32 yy = y0; yy < y1; ++yy)
        std::fill(p.argb.begin() + static_cast<long>(yy) * p.width + x0, p.argb.begin() + static_cast<long>(yy) * p.width + x1, c);
}

void Frame(Picture& p, i32 x, i32 y, i32 w, i32 h, u32 c, i32 t) {
    Fill(p, x, y, w, t, c);
    Fill(p, x, y + h - t, w, t, c);
    Fill(p, x, y, t, h, c);
    Fill(p, x + w - t, y, t, h, c);
}

void Text(Picture& p, const Font* f, i32 x, i32 y, const std::string& s, u32 c) {
    Ink ink{&p, c};
    TextSpans(f, x, y, s.data(), static_cast<i32>(s.size()), ClipBox{0, 0, p.width, p.height}, Span, &ink);
}

}  // namespace

Picture Draw(const char* captionUtf8, const char* textUtf8, u32 buttons, i32 focus) {
    Picture p;
    FontDesc d;
    d.height = 18;
    d.weight = 400;
    d.charSet = kCharSetShiftJis;
    Font* font = CreateFont(d);
    const FontMetrics m = GetFontMetrics(font);
    const i32 lineH = m.height + 4;

    const std::string caption = Utf8ToCp932Lossy(captionUtf8), text = Utf8ToCp932Lossy(textUtf8);
    const std::vector<TextLine> lines = LayoutText(font, text.c_str(), static_cast<i32>(text.size()), kMaxTextWidth, true);
    i32 textW = 0;
    for (const TextLine& l : lines) textW = std::max(textW, l.width);
    i32 capW = 0, capH = 0;
    TextExtent(font, caption.c_str(), static_cast<i32>(caption.size()), &capW, &capH);
    const i32 iconW = 28;
    const i32 nButtons = buttons == backend::kBoxYesNo ? 2 : 1;
    const i32 buttonsW = nButtons * kButtonW + (nButtons - 1) * kButtonGap;
    p.width = std::max({kMinWidth, iconW + textW + 3 * kMargin, capW + 2 * kMargin, buttonsW + 2 * kMargin});
    const i32 stripH = lineH + 8;
    const i32 textTop = stripH + kMargin;
    const i32 textH = std::max(1, static_cast<i32>(lines.size())) * lineH;
    const i32 buttonTop = textTop + std::max(textH, iconW) + kMargin;
    p.height = buttonTop + kButtonH + kMargin;
    p.argb.assign(static_cast<size_t>(p.width) * p.height, kPaper);
    p.textLines = static_cast<i32>(lines.size());
    p.legible = FontDrawsText(font, caption.c_str(), static_cast<i32>(caption.size())) &&
                FontDrawsText(font, text.c_str(), static_cast<i32>(text.size()));

    // The caption strip: shown inside the box too, so that it reads with or without a window manager.
    Fill(p, 0, 0, p.width, stripH, kStrip);
    Text(p, font, kMargin, (stripH - m.height) / 2, caption, kStripInk);
    Frame(p, 0, 0, p.width, p.height, kFrame, 1);

    // The warning sign: a triangle with its mark.
    const i32 ix = kMargin, iy = textTop;
    for (i32 r = 0; r < iconW - 2; ++r) {
        const i32 half = r / 2;
        Fill(p, ix + iconW / 2 - half - 1, iy + r, 2 * half + 2, 1, kWarn);
    }
    Fill(p, ix + iconW / 2 - 1, iy + 8, 2, 10, kInk);
    Fill(p, ix + iconW / 2 - 1, iy + 20, 2, 3, kInk);

    for (size_t i = 0; i < lines.size(); ++i)
        Text(p, font, ix + iconW + kMargin, textTop + static_cast<i32>(i) * lineH,
             text.substr(static_cast<size_t>(lines[i].start), static_cast<size_t>(lines[i].length)), kInk);

    static const char* const kLabels[3] = {"OK", "Yes", "No"};
    i32 bx = (p.width - buttonsW) / 2;
    for (i32 b = 0; b < nButtons; ++b) {
        const i32 answer = nButtons == 1 ? backend::kAnswerOk : (b == 0 ? backend::kAnswerYes : backend::kAnswerNo);
        const char* label = nButtons == 1 ? kLabels[0] : kLabels[1 + b];
        p.buttons.push_back(Button{bx, buttonTop, kButtonW, kButtonH, answer, label});
        Fill(p, bx, buttonTop, kButtonW, kButtonH, kButtonFace);
        Frame(p, bx, buttonTop, kButtonW, kButtonH, b == focus ? kChosen : kFrame, b == focus ? 2 : 1);
        i32 lw = 0, lh = 0;
        TextExtent(font, label, static_cast<i32>(std::char_traits<char>::length(label)), &lw, &lh);
        Text(p, font, bx + (kButtonW - lw) / 2, buttonTop + (kButtonH - lh) / 2, label, kInk);
        bx += kButtonW + kButtonGap;
    }
    DeleteFont(font);
    return p;
}

i32 AnswerForKey(const Picture& p, u32 buttons, i32 focus, i32 vk) {
    const bool yesNo = buttons == backend::kBoxYesNo;
    switch (vk) {
        case 13:
        case 32:
            return focus >= 0 && focus < static_cast<i32>(p.buttons.size()) ? p.buttons[static_cast<size_t>(focus)].answer
                                                                               : (yesNo ? backend::kAnswerYes : backend::kAnswerOk);
        case 27: return yesNo ? backend::kAnswerNo : backend::kAnswerOk;
        case 'Y': return yesNo ? backend::kAnswerYes : 0;
        case 'N': return yesNo ? backend::kAnswerNo : 0;
        default: return 0;
    }
}

i32 AnswerAt(const Picture& p, i32 x, i32 y) {
    for (const Button& b : p.buttons)
        if (x >= b.x && x < b.x + b.w && y >= b.y && y < b.y + b.h) return b.answer;
    return 0;
}

namespace {

// A line as a box given it in code page 932 shows it: each character that page has no form for as '?'.
std::string AsABoxShowsIt(const std::string& line) { return Cp932ToUtf8(Utf8ToCp932Lossy(line).c_str()); }

}  // namespace

std::string WithEnglishLines(const char* textUtf8, const std::vector<std::string>& said) {
    std::string out = textUtf8 ? textUtf8 : "";
    for (const std::string& line : said)
        if (out.find(line) == std::string::npos && out.find(AsABoxShowsIt(line)) == std::string::npos)
            out += (out.empty() ? "" : "\n") + line;
    return out;
}

std::string WithoutSaidLines(const char* textUtf8, const std::vector<std::string>& said) {
    std::vector<std::string> shown;
    for (const std::string& s : said) shown.push_back(AsABoxShowsIt(s));
    std::string out, line;
    std::string in = textUtf8 ? textUtf8 : "";
    for (size_t at = 0; at <= in.size();) {
        const size_t end = std::min(in.find('\n', at), in.size());
        line = in.substr(at, end - at);
        const bool wasSaid = std::find(said.begin(), said.end(), line) != said.end() ||
                             std::find(shown.begin(), shown.end(), line) != shown.end();
        if (!wasSaid) out += (out.empty() ? "" : "\n") + line;
        at = end + 1;
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    return out;
}

}  // namespace host::box
