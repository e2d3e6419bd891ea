#include "host/text.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <string_view>

namespace host {
namespace {

// "CP932" rather than "SHIFT_JIS": the latter maps 0x5C to the yen sign and 0x7E to the overline.
bool Convert(const char* from, const char* to, const std::string& in, std::string* out, bool replace) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    out->clear();
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char buf[512];
    bool ok = true;
    while (srcLeft > 0) {
        char* dst = buf;
        size_t dstLeft = sizeof buf;
        const size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out->append(buf, sizeof buf - dstLeft);
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG) continue;
            ok = false;
            if (!replace) break;
            // Skip the byte (or the broken pair) that would not convert.
            const unsigned char c = static_cast<unsigned char>(*src);
            const size_t skip = (IsLeadByte(c) && srcLeft >= 2) ? 2 : 1;
            src += skip;
            srcLeft -= skip;
            out->append("\xEF\xBF\xBD");
        }
    }
    iconv_close(cd);
    return ok;
}

}  // namespace

std::string Cp932ToUtf8(const char* text) {
    std::string out;
    if (!text) return out;
    Convert("CP932", "UTF-8", std::string(text), &out, true);
    return out;
}

bool Utf8ToCp932(const std::string& utf8, std::string* out) {
    return Convert("UTF-8", "CP932", utf8, out, false);
}

std::string Utf8ToCp932Lossy(const std::string& utf8) {
    // The replacement character (a byte sequence the reader could not decode) shows as '?' too.
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    std::string in, out;
    for (std::string_view rest = utf8; !rest.empty();) {
        if (rest.starts_with(kReplacement)) {
            in += '?';
            rest.remove_prefix(kReplacement.size());
        } else {
            in += rest.front();
            rest.remove_prefix(1);
        }
    }
    if (Utf8ToCp932(in, &out)) return out;
    // Convert what converts, character by character.
    out.clear();
    for (size_t i = 0; i < in.size();) {
        size_t n = 1;
        const unsigned char c = static_cast<unsigned char>(in[i]);
        if (c >= 0xF0) n = 4;
        else if (c >= 0xE0) n = 3;
        else if (c >= 0xC0) n = 2;
        std::string one;
        out += Utf8ToCp932(in.substr(i, n), &one) ? one : "?";
        i += n;
    }
    return out;
}

std::string UpperCaseCp932(const char* text) {
    std::string out = text ? text : "";
    for (size_t i = 0; i < out.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(out[i]);
        if (IsLeadByte(c) && i + 1 < out.size()) {
            ++i;
            continue;
        }
        if (c >= 'a' && c <= 'z') out[i] = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

}  // namespace host
