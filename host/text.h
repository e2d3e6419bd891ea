// Code page 932 (Shift-JIS) text: conversion for what is shown outside our own surfaces.
#pragma once
#include <string>

namespace host {

// Converts code page 932 bytes to UTF-8. Bytes that don't convert become U+FFFD; never fails.
std::string Cp932ToUtf8(const char* text);
// Converts UTF-8 to code page 932; false when some character has no code page 932 form.
bool Utf8ToCp932(const std::string& utf8, std::string* out);
// UTF-8 to code page 932 for text that is shown whatever it holds (a box naming a folder, say): a character
// without a code page 932 form, or a sequence that is no UTF-8 (U+FFFD included), becomes '?'.
std::string Utf8ToCp932Lossy(const std::string& utf8);
// True when `c` opens a double-byte character of code page 932.
inline bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
// Upper-cases the single-byte letters a-z, leaving double-byte characters whole (their second byte may be
// a letter).
std::string UpperCaseCp932(const char* text);

}  // namespace host
