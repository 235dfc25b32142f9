#include "text/PrintableText.h"

#include <cstdint>
#include <cstdio>

namespace quorvex {

namespace {

void AppendEscape(std::string& out, const char* format, unsigned value)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, format, value);
    out += buf;
}

// Length of the well-formed UTF-8 sequence starting at s[i], or 0.
size_t SequenceLength(std::string_view s, size_t i)
{
    const uint8_t lead = static_cast<uint8_t>(s[i]);
    size_t n = 0;
    uint32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        n = 2, min = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF)
        n = 3, min = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4)
        n = 4, min = 0x10000;
    else
        return 0;
    if (i + n > s.size())
        return 0;
    uint32_t cp = lead & (0x7F >> n);
    for (size_t k = 1; k < n; ++k) {
        const uint8_t c = static_cast<uint8_t>(s[i + k]);
        if ((c & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

} // namespace

std::string PrintableText(std::string_view utf8, bool keepLineBreaks)
{
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const uint8_t c = static_cast<uint8_t>(utf8[i]);
        if (c < 0x80) {
            if ((c < 0x20 && !(keepLineBreaks && c == '\n')) || c == 0x7F)
                AppendEscape(out, "\\x%02X", c);
            else
                out += static_cast<char>(c);
            ++i;
            continue;
        }
        const size_t n = SequenceLength(utf8, i);
        if (n == 0) {
            AppendEscape(out, "\\x%02X", c);
            ++i;
            continue;
        }
        // U+0080..U+009F are encoded C2 80..C2 9F.
        const uint8_t second = static_cast<uint8_t>(utf8[i + 1]);
        if (c == 0xC2 && second < 0xA0)
            AppendEscape(out, "\\u%04X", second);
        else
            out.append(utf8.substr(i, n));
        i += n;
    }
    return out;
}

} // namespace quorvex
