#include "host/textlayout.h"

#include "host/text.h"

namespace host {

namespace {

i32 CharBytes(const char* text, i32 len, i32 at) {
    const u8 c = static_cast<u8>(text[at]);
    return (IsLeadByte(c) && at + 1 < len && text[at + 1] != '\0') ? 2 : 1;
}

}  // namespace

std::vector<TextLine> LayoutText(const Font* font, const char* text, i32 len, i32 maxWidth, bool wordBreak) {
    std::vector<TextLine> lines;
    if (!text || len <= 0) return lines;
    i32 at = 0;
    while (at < len) {
        TextLine line;
        line.start = at;
        i32 width = 0;
        // The last place the line may end: bytes and width up to there, and where the next line starts.
        i32 breakLen = -1, breakWidth = 0, breakNext = 0;
        bool prevDouble = false;
        i32 pos = at;
        bool ended = false;
        while (pos < len) {
            const char ch = text[pos];
            if (ch == '\r' || ch == '\n') {
                line.length = pos - at;
                line.width = width;
                pos += (ch == '\r' && pos + 1 < len && text[pos + 1] == '\n') ? 2 : 1;
                ended = true;
                break;
            }
            const i32 nb = CharBytes(text, len, pos);
            const bool isDouble = nb == 2;
            const bool isSpace = ch == ' ';
            if (wordBreak && pos > at && !isSpace && (isDouble || prevDouble)) {
                // A break may fall before a double-byte character or right after one.
                breakLen = pos - at;
                breakWidth = width;
                breakNext = pos;
            }
            const i32 adv = CharAdvance(font, text + pos, nb);
            if (wordBreak && !isSpace && width + adv > maxWidth && pos > at) {
                if (breakLen >= 0) {
                    line.length = breakLen;
                    line.width = breakWidth;
                    pos = breakNext;
                } else {
                    line.length = pos - at;  // one long word: cut between characters
                    line.width = width;
                }
                ended = true;
                break;
            }
            width += adv;
            pos += nb;
            if (wordBreak && isSpace) {
                // The line may end before these spaces; the next one starts after them.
                i32 spaceStart = pos - 1;
                i32 w = width - adv;
                while (pos < len && text[pos] == ' ') {
                    width += CharAdvance(font, text + pos, 1);
                    ++pos;
                }
                breakLen = spaceStart - at;
                breakWidth = w;
                breakNext = pos;
            }
            prevDouble = isDouble;
        }
        if (!ended) {
            line.length = pos - at;
            line.width = width;
        }
        lines.push_back(line);
        if (pos <= at) pos = at + 1;  // never stall
        at = pos;
    }
    return lines;
}

}  // namespace host
