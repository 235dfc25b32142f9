// The command line's parsers over arbitrary text: numbers (decimal and
// hexadecimal), hexadecimal byte strings, options, name-list words and the
// names typed for a rename.
//
// The first byte picks the parser; the rest is the text.
//
// Invariants: no crash or sanitizer report; an accepted number is exactly
// the text written back in its own notation (nothing ignored: no spaces,
// signs on hexadecimal, stray characters), and every refused one breaks
// the notation or does not fit; byte strings give one byte per digit pair;
// options come out of the argument list whole; a typed name fills exactly
// its field.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "CliCommon.h"
#include "rom/NameLists.h"
#include "text/NameEditor.h"
#include "text/TextCodec.h"

using namespace quorvex;

namespace {

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// The digits after a prefix, without leading zeros, in lower case ("0" for
// zero); empty when anything but digits of the base follows the prefix.
std::string Digits(const std::string& text, size_t from, bool hex)
{
    std::string d;
    for (size_t i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (hex ? !IsHexDigit(c) : !(c >= '0' && c <= '9'))
            return "";
        if (d.empty() && c == '0')
            continue;
        d += static_cast<char>(c >= 'A' && c <= 'F' ? c - 'A' + 'a' : c);
    }
    return from < text.size() && d.empty() ? "0" : d;
}

size_t HexPrefixLength(const std::string& t)
{
    if (t.rfind("0x", 0) == 0 || t.rfind("0X", 0) == 0)
        return 2;
    return !t.empty() && t[0] == '$' ? 1 : 0;
}

void CheckNumber(const std::string& text)
{
    long value = 0;
    const bool ok = cli::ParseNumber(text, value);
    const size_t prefix = HexPrefixLength(text);
    const bool negative = prefix == 0 && !text.empty() && text[0] == '-';
    const std::string digits = Digits(text, prefix != 0 ? prefix : negative ? 1 : 0, prefix != 0);
    if (digits.empty() || digits.size() > 20) {
        if (ok)
            __builtin_trap(); // accepted something that is not a number, or cannot fit
        return;
    }
    char buf[32];
    if (prefix != 0)
        std::snprintf(buf, sizeof buf, "%lx", static_cast<unsigned long>(value));
    else
        std::snprintf(buf, sizeof buf, "%lu",
                      value < 0 ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value));
    if (ok) {
        // Back in its own notation, the value is exactly the text.
        if (digits != buf || (prefix != 0 && value < 0) || (negative && value > 0))
            __builtin_trap();
        return;
    }
    // Refused although well-formed: only a value past the long's range.
    const std::string max = prefix != 0 ? "7fffffffffffffff" : negative ? "9223372036854775808" : "9223372036854775807";
    if (digits.size() < max.size() || (digits.size() == max.size() && digits <= max))
        __builtin_trap();
}

void CheckHex(const std::string& text)
{
    unsigned long value = 0;
    const bool ok = cli::ParseHex(text, value);
    const std::string digits = Digits(text, HexPrefixLength(text), true);
    if (!ok) {
        if (!digits.empty() && digits.size() <= 16)
            __builtin_trap();
        return;
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lx", value);
    if (digits != buf)
        __builtin_trap();
}

void CheckHexBytes(const std::string& text)
{
    std::vector<uint8_t> bytes;
    size_t digits = 0;
    bool others = false;
    for (char c : text) {
        if (IsHexDigit(c))
            ++digits;
        else if (c != ' ' && c != '\t')
            others = true;
    }
    const bool ok = cli::ParseHexBytes(text, bytes);
    if (ok != (!others && digits % 2 == 0) || (ok && bytes.size() * 2 != digits))
        __builtin_trap();
}

void CheckOptions(const std::string& text)
{
    std::vector<std::string> args;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == '\0') {
            args.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    const std::vector<std::string> before = args;
    std::string value;
    bool missing = false;
    const bool taken = cli::TakeOption(args, "--fill", value, &missing);
    const bool flag = cli::TakeFlag(args, "--yes");
    const size_t gone = static_cast<size_t>(taken) * 2 + static_cast<size_t>(missing) + static_cast<size_t>(flag);
    if (args.size() + gone != before.size() || (taken && missing))
        __builtin_trap();
}

void CheckName(const std::string& text, uint8_t fieldLength)
{
    NameListId id;
    if (ParseNameListId(text, id) && text.find_first_not_of("abcdefghijklmnopqrstuvwxyz-") != std::string::npos)
        __builtin_trap();
    const std::wstring typed = Utf8ToWide(text);
    const size_t len = 1 + fieldLength % 16;
    NameEditor editor(std::vector<uint8_t>(len, 0x80), NameFontKind::Small);
    size_t bad = 0;
    if (TypeName(editor, typed, &bad)) {
        if (editor.NewName().size() != len)
            __builtin_trap();
    } else if (bad >= typed.size()) {
        __builtin_trap();
    }
    (void)WideToUtf8(typed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    switch (data[0] % 5) {
    case 0: CheckNumber(text); break;
    case 1: CheckHex(text); break;
    case 2: CheckHexBytes(text); break;
    case 3: CheckOptions(text); break;
    default: CheckName(text, data[0]); break;
    }
    return 0;
}
