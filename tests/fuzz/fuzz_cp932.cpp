// Code page 932 text: conversion both ways, and the line layout and measures of the program's font.
#include <cstddef>
#include <cstdint>
#include <string>

#include "host/font.h"
#include "host/text.h"
#include "host/textlayout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string utf8 = host::Cp932ToUtf8(text.c_str());
    std::string back;
    host::Utf8ToCp932(text, &back);
    host::Utf8ToCp932(utf8, &back);
    const host::Font* font = host::StockFont();
    const i32 len = static_cast<i32>(text.size() < 4096 ? text.size() : 4096);
    const i32 width = size ? data[0] * 4 : 0;
    i32 total = 0;
    for (const host::TextLine& l : host::LayoutText(font, text.data(), len, width, true)) {
        if (l.start < 0 || l.length < 0 || l.start + l.length > len) __builtin_trap();
        total += l.length;
    }
    i32 cx = 0, cy = 0;
    host::TextExtent(font, text.data(), len, &cx, &cy);
    (void)total;
    return 0;
}
