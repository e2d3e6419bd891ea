// The program's own message box, drawn with the program's own Japanese font so that the text reads the
// same on any desktop: a caption strip, the text laid out in lines, and the buttons. The real backend
// shows the picture in a small window of its own; this part only lays it out, draws it and answers keys
// and clicks.
#pragma once
#include <string>
#include <vector>

#include "host/types.h"

namespace host::box {

struct Button {
    i32 x, y, w, h;
    i32 answer;         // backend::kAnswerOk, kAnswerYes or kAnswerNo
    const char* label;
};

struct Picture {
    i32 width = 0, height = 0;
    std::vector<u32> argb;         // width * height, rows packed, 0xAARRGGBB
    std::vector<Button> buttons;   // left to right; the first is the default
    i32 textLines = 0;
    bool legible = false;          // the font has every character of the caption and the text
};

// Draws the box for a caption and a text in UTF-8 (shown as code page 932 through the program's font) with
// the buttons backend::kBoxOk or backend::kBoxYesNo. `focus` is the index of the button drawn as chosen.
Picture Draw(const char* captionUtf8, const char* textUtf8, u32 buttons, i32 focus);
// The answer a key gives (virtual-key numbers: Enter and Space take the chosen button, Esc the safe
// answer, Y and N answer a yes/no box), or 0 when the key does not end the box.
i32 AnswerForKey(const Picture& p, u32 buttons, i32 focus, i32 vk);
// The answer of the button under (x, y), or 0.
i32 AnswerAt(const Picture& p, i32 x, i32 y);

// The text for a box that is not drawn here (the system's own box, when the font cannot draw the text):
// the text, then the English lines `said` on the error stream that it does not hold already, so that the
// reason can be read whatever the box can show.
std::string WithEnglishLines(const char* textUtf8, const std::vector<std::string>& said);
// The text without its lines that were said on the error stream already (the error stream as the box).
std::string WithoutSaidLines(const char* textUtf8, const std::vector<std::string>& said);

}  // namespace host::box
