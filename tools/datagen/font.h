// A small built-in 5×7 pixel font for the words on the menu and ending pictures.
#pragma once

#include <string_view>

#include "canvas.h"

namespace datagen {

// Each lit font pixel becomes a sx × sy block; characters advance by 6 font pixels.
Shape textShape(std::string_view text, float x, float y, float sx, float sy);
float textWidth(std::string_view text, float sx);

struct TextStyle {
    float sx = 2, sy = 2;
    Paint fill = solid({1, 1, 1});
    Col outline{0.06f, 0.06f, 0.16f};
    float outlineWidth = 1;  // 0 draws none
    float shadow = 0;        // drop-shadow offset, 0 for none
    Col shadowCol{0.05f, 0.05f, 0.1f};
    float glow = 0;          // additive halo radius, 0 for none
    Col glowCol{0.2f, 0.3f, 0.6f};
};
void drawText(Canvas& cv, std::string_view text, float x, float y, const TextStyle& st);
// Centred on cx.
void drawTextC(Canvas& cv, std::string_view text, float cx, float y, const TextStyle& st);

}  // namespace datagen
