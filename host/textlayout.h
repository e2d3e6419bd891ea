// Line layout of code page 932 text for the device context's laid-out text.
#pragma once
#include <vector>

#include "host/font.h"
#include "host/types.h"

namespace host {

struct TextLine {
    i32 start = 0;   // byte offset of the line's first character
    i32 length = 0;  // bytes drawn (trailing spaces at a break are left out)
    i32 width = 0;   // pixels
};

// Splits the text into lines. CR, LF and CR LF end a line. With wordBreak, a line also ends before a
// word that would pass maxWidth: a break may fall after a space and before or after a double-byte
// character (never inside one); the spaces at a break are dropped. A word wider than the whole line is
// cut between characters. Every line holds at least one character, so the layout always ends.
std::vector<TextLine> LayoutText(const Font* font, const char* text, i32 len, i32 maxWidth, bool wordBreak);

}  // namespace host
