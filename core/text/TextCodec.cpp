#include "text/TextCodec.h"

#include <cstdio>
#include <cwctype>
#include <initializer_list>

namespace quorvex {

namespace {

std::wstring Hex2(unsigned v)
{
    wchar_t buf[8];
    std::swprintf(buf, 8, L"%02X", v & 0xFFu);
    return buf;
}

std::wstring RawTag(unsigned code) { return L"<$" + Hex2(code) + L">"; }

std::wstring BankTag(unsigned prefix, unsigned value)
{
    return L"<BK" + std::to_wstring(prefix - 0x1B) + L"$" + Hex2(value) + L">";
}

// The entry's text, or the raw tag of the code when the entry is empty.
std::wstring EntryOrRaw(const CharTable& table, unsigned code)
{
    const CharEntry& e = table[static_cast<int>(code)];
    return e.Empty() ? RawTag(code) : e.text;
}

} // namespace

DecodeResult DecodeDialogue(const uint8_t* bytes, size_t length, const CharTable& table, uint8_t romType)
{
    DecodeResult r;
    if (!bytes)
        return r;
    size_t i = 0;
    while (i < length) {
        const unsigned code = bytes[i];
        if (code == 0x00)
            break;
        switch (code) {
        case 0x01:
            r.text += L'\n';
            ++i;
            continue;
        case 0x11:
            if (i + 1 >= length) {
                r.status = kDecodeTruncated;
                return r;
            }
            r.text += L"<E$" + Hex2(bytes[i + 1]) + L">";
            i += 2;
            continue;
        case 0x13:
            r.text += table[0x13].text;
            r.text += L'\n';
            ++i;
            continue;
        case 0x14: {
            if (i + 1 >= length) {
                r.status = kDecodeTruncated;
                return r;
            }
            // A run of spaces: the release decides which entry is the space.
            const unsigned space = romType == 1 ? 0x7F : 0xFF;
            const std::wstring one = EntryOrRaw(table, space);
            for (unsigned n = 0; n < bytes[i + 1]; ++n)
                r.text += one;
            i += 2;
            continue;
        }
        case 0x16:
            if (i + 1 >= length) {
                r.status = kDecodeTruncated;
                return r;
            }
            // A delay is always followed by the 0x12 that closes it.
            if (i + 2 >= length) {
                r.status = kDecodeTruncated;
                return r;
            }
            if (bytes[i + 2] != 0x12) {
                r.status = static_cast<int>(i + 2);
                return r;
            }
            r.text += L"<D" + std::to_wstring(bytes[i + 1]) + L">";
            i += 3;
            continue;
        case 0x1C:
        case 0x1D:
        case 0x1E:
        case 0x1F:
            if (i + 1 >= length) {
                r.status = kDecodeTruncated;
                return r;
            }
            r.text += BankTag(code, bytes[i + 1]);
            i += 2;
            continue;
        default:
            r.text += EntryOrRaw(table, code);
            ++i;
            continue;
        }
    }
    return r;
}

DecodeResult DecodeBattle(const uint8_t* bytes, size_t length, const CharTable* table, uint8_t romType)
{
    CharTable local;
    if (!table) {
        const CharTable& battle = BattleCharTable();
        if (romType == 2) {
            for (int c = 0; c < 0x20; ++c)
                local[c] = battle[c];
        } else {
            for (int c = 0; c < 256; ++c)
                local[c] = battle[c];
        }
        table = &local;
    }
    DecodeResult r;
    if (!bytes)
        return r;
    size_t i = 0;
    while (i < length) {
        const unsigned code = bytes[i];
        if (code == 0x00)
            break;
        const wchar_t* letter = nullptr;
        switch (code) {
        case 0x01:
            r.text += L'\n';
            ++i;
            continue;
        case 0x02: letter = L"A"; break;
        case 0x06: letter = L"D"; break;
        case 0x0C: letter = L"B"; break;
        case 0x0E: letter = L"I"; break;
        case 0x0F: letter = L"S"; break;
        case 0x1C:
        case 0x1D:
        case 0x1E:
        case 0x1F:
            if (i + 1 >= length) {
                r.status = kDecodeTruncated;
                return r;
            }
            r.text += BankTag(code, bytes[i + 1]);
            i += 2;
            continue;
        default:
            r.text += EntryOrRaw(*table, code);
            ++i;
            continue;
        }
        if (i + 1 >= length) {
            r.status = kDecodeTruncated;
            return r;
        }
        r.text += L"<";
        r.text += letter;
        r.text += L"$" + Hex2(bytes[i + 1]) + L">";
        i += 2;
    }
    return r;
}

std::wstring DecodeName(const uint8_t* bytes, size_t length, uint8_t romType)
{
    const CharTable& table = romType == 2 ? MenuCharTableJp() : MenuCharTable();
    std::wstring text;
    if (!bytes)
        return text;
    for (size_t i = 0; i < length; ++i) {
        const unsigned code = bytes[i];
        if (code == 0x00)
            break;
        if (code == 0xFF) {
            if (i != 0)
                break; // padding ends the name
            // A leading 0xFF shows as a space; a table without a space
            // shows the code itself, so that nothing disappears.
            text += table[0xFE].Empty() ? RawTag(0xFF) : table[0xFE].text;
            continue;
        }
        text += EntryOrRaw(table, code);
    }
    return text;
}

bool EncodeName(const std::wstring& text, uint8_t romType, std::vector<uint8_t>& out, size_t* badPos)
{
    const CharTable& table = romType == 2 ? MenuCharTableJp() : MenuCharTable();
    out.clear();
    size_t c = 0;
    while (c < text.size()) {
        // "<$XX>": the byte itself, as the decoder shows codes without an entry.
        if (text[c] == L'<' && c + 4 < text.size() && text[c + 1] == L'$' && text[c + 4] == L'>') {
            auto digit = [](wchar_t d) {
                return d >= L'0' && d <= L'9' ? d - L'0'
                       : d >= L'a' && d <= L'f' ? d - L'a' + 10
                       : d >= L'A' && d <= L'F' ? d - L'A' + 10
                                                : -1;
            };
            const int hi = digit(text[c + 2]), lo = digit(text[c + 3]);
            if (hi >= 0 && lo >= 0) {
                out.push_back(static_cast<uint8_t>(hi * 16 + lo));
                c += 5;
                continue;
            }
        }
        int best = -1;
        size_t bestLen = 0;
        for (int code = 0x01; code < 0x100; ++code) {
            const std::wstring& e = table[code].text;
            if (!e.empty() && e.size() > bestLen && text.compare(c, e.size(), e) == 0) {
                best = code;
                bestLen = e.size();
            }
        }
        if (best < 0) {
            if (badPos)
                *badPos = c;
            out.clear();
            return false;
        }
        out.push_back(static_cast<uint8_t>(best));
        c += bestLen;
    }
    return true;
}

namespace {

bool TagEquals(const std::wstring& tag, const std::wstring& entry)
{
    if (entry.empty() || tag.size() != entry.size())
        return false;
    for (size_t i = 0; i < tag.size(); ++i)
        if (std::towupper(static_cast<wint_t>(tag[i])) != std::towupper(static_cast<wint_t>(entry[i])))
            return false;
    return true;
}

int HexDigit(wchar_t c)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

// Parses the digits of s[from, to) in the given base; false when empty or
// not a number. Values saturate well above any accepted limit.
bool ParseNum(const std::wstring& s, size_t from, size_t to, int base, long& value)
{
    if (from >= to)
        return false;
    value = 0;
    for (size_t i = from; i < to; ++i) {
        const int d = HexDigit(s[i]);
        if (d < 0 || d >= base)
            return false;
        value = value * base + d;
        if (value > 0xFFFFF)
            value = 0xFFFFF;
    }
    return true;
}

// A number after the tag letter: "$" and hexadecimal, or decimal.
bool ParseOperand(const std::wstring& tag, long& value)
{
    const size_t end = tag.size() - 1; // the ">"
    if (tag.size() > 3 && tag[2] == L'$')
        return ParseNum(tag, 3, end, 16, value);
    return ParseNum(tag, 2, end, 10, value);
}

struct Encoder {
    const std::wstring& text;
    uint32_t maxBytes;
    EncodeResult out;
    bool done = false;

    // Writes the bytes unless they would overflow; on overflow it records
    // the size needed and finishes.
    bool Write(std::initializer_list<uint8_t> b)
    {
        const size_t need = out.bytes.size() + b.size();
        if (need > maxBytes) {
            out.result = static_cast<uint32_t>(need);
            done = true;
            return false;
        }
        out.bytes.insert(out.bytes.end(), b);
        return true;
    }
    void Error(size_t pos)
    {
        out.bytes.clear();
        out.result = MakeEncodeError(static_cast<uint32_t>(pos));
        done = true;
    }
};

enum class Family { Dialogue, Battle };

EncodeResult Encode(const std::wstring& text, const CharTable& table, const CharLookup* lookup, uint32_t maxBytes,
                    Family family)
{
    Encoder e{text, maxBytes, {}};
    size_t c = 0;
    bool lastWasBreak = false;
    while (c < text.size() && !e.done) {
        const wchar_t ch = text[c];
        if (ch == L'\n' || (ch == L'\r' && c + 1 < text.size() && text[c + 1] == L'\n')) {
            const size_t len = ch == L'\r' ? 2 : 1;
            // In dialogue the line break shown after <EOP> is implied by it.
            const bool implied = family == Family::Dialogue && !e.out.bytes.empty() &&
                                 e.out.bytes.back() == 0x13 && !lastWasBreak;
            if (!implied && !e.Write({0x01}))
                break;
            c += len;
            lastWasBreak = true;
            continue;
        }
        lastWasBreak = false;
        if (ch != L'<') {
            const int index = lookup ? lookup->Find(ch) : CharLookup::Scan(table, ch);
            if (index < 0) {
                e.Error(c);
                break;
            }
            if (index < 256) {
                if (!e.Write({static_cast<uint8_t>(index)}))
                    break;
            } else {
                if (!e.Write({static_cast<uint8_t>(0x1B + index / 256), static_cast<uint8_t>(index & 0xFF)}))
                    break;
            }
            // A Kanji entry consumes only the character it matched, so that
            // the text that follows it is never lost.
            ++c;
            continue;
        }
        // A tag: from "<" to the first ">", which must come within 8 characters.
        size_t close = std::wstring::npos;
        for (size_t k = c + 1; k < text.size() && k < c + 8; ++k)
            if (text[k] == L'>') {
                close = k;
                break;
            }
        if (close == std::wstring::npos) {
            e.Error(c);
            break;
        }
        const std::wstring tag = text.substr(c, close - c + 1);
        if (TagEquals(tag, table[0x00].text)) {
            if (e.Write({0x00}))
                e.out.result = static_cast<uint32_t>(e.out.bytes.size());
            return e.out;
        }
        static const int kDialogueNamed[] = {0x10, 0x12, 0x13, 0x15, 0x17, 0x18, 0x19, 0x1A, 0x1B};
        static const int kBattleNamed[] = {0x04, 0x05, 0x07};
        bool named = false;
        if (family == Family::Dialogue) {
            for (int code : kDialogueNamed)
                if (TagEquals(tag, table[code].text)) {
                    named = true;
                    e.Write({static_cast<uint8_t>(code)});
                    break;
                }
        } else {
            for (int code : kBattleNamed)
                if (TagEquals(tag, table[code].text)) {
                    named = true;
                    e.Write({static_cast<uint8_t>(code)});
                    break;
                }
        }
        if (named) {
            c = close + 1;
            continue;
        }
        if (tag.size() >= 4 && (tag[1] == L'B' || tag[1] == L'b') && (tag[2] == L'K' || tag[2] == L'k')) {
            const size_t dollar = tag.find(L'$', 3);
            long bank = 0;
            long value = 0;
            if (dollar == std::wstring::npos || !ParseNum(tag, 3, dollar, 10, bank) ||
                !ParseNum(tag, dollar + 1, tag.size() - 1, 16, value)) {
                e.Error(c);
                break;
            }
            if (bank < 1 || bank > 4) {
                e.Error(c + 2);
                break;
            }
            if (value > 0xFF) {
                e.Error(c + 4);
                break;
            }
            if (!e.Write({static_cast<uint8_t>(0x1B + bank), static_cast<uint8_t>(value)}))
                break;
            c = close + 1;
            continue;
        }
        const wchar_t letter = tag.size() >= 3 ? static_cast<wchar_t>(std::towupper(static_cast<wint_t>(tag[1]))) : L'\0';
        long value = 0;
        bool ok = true;
        if (letter == L'$') {
            ok = tag.size() == 5 && ParseNum(tag, 2, 4, 16, value);
            if (ok)
                e.Write({static_cast<uint8_t>(value)});
        } else if (family == Family::Dialogue) {
            switch (letter) {
            case L'A':
                // Actor names: decimal only, 0-14 (14 gives 0x10, the byte of <D>).
                ok = ParseNum(tag, 2, tag.size() - 1, 10, value) && value <= 14;
                if (ok)
                    e.Write({static_cast<uint8_t>(value + 2)});
                break;
            case L'E':
                ok = ParseOperand(tag, value) && value <= 0xFF;
                if (ok)
                    e.Write({0x11, static_cast<uint8_t>(value)});
                break;
            case L'S':
                ok = ParseOperand(tag, value) && value <= 0xFF;
                if (ok)
                    e.Write({0x14, static_cast<uint8_t>(value)});
                break;
            case L'D':
                ok = ParseOperand(tag, value) && value <= 0xFF;
                if (ok)
                    e.Write({0x16, static_cast<uint8_t>(value), 0x12});
                break;
            default:
                break; // an unknown tag is dropped
            }
        } else {
            uint8_t code = 0;
            switch (letter) {
            case L'A': code = 0x02; break;
            case L'D': code = 0x06; break;
            case L'B': code = 0x0C; break;
            case L'I': code = 0x0E; break;
            case L'S': code = 0x0F; break;
            default: break; // an unknown tag is dropped
            }
            if (code != 0) {
                ok = ParseOperand(tag, value) && value <= 0xFF;
                if (ok)
                    e.Write({code, static_cast<uint8_t>(value)});
            }
        }
        if (!ok) {
            e.Error(c);
            break;
        }
        c = close + 1;
    }
    if (!e.done)
        e.out.result = static_cast<uint32_t>(e.out.bytes.size());
    return e.out;
}

} // namespace

EncodeResult EncodeDialogue(const std::wstring& text, const CharTable& table, uint32_t maxBytes)
{
    return Encode(text, table, nullptr, maxBytes, Family::Dialogue);
}

EncodeResult EncodeBattle(const std::wstring& text, const CharTable& table, uint32_t maxBytes)
{
    return Encode(text, table, nullptr, maxBytes, Family::Battle);
}

EncodeResult EncodeDialogue(const std::wstring& text, const CharTable& table, const CharLookup& lookup,
                            uint32_t maxBytes)
{
    return Encode(text, table, &lookup, maxBytes, Family::Dialogue);
}

EncodeResult EncodeBattle(const std::wstring& text, const CharTable& table, const CharLookup& lookup,
                          uint32_t maxBytes)
{
    return Encode(text, table, &lookup, maxBytes, Family::Battle);
}

std::wstring DefaultInsertion(const CharTable& table, int index, TextStyle style)
{
    if (index < 0 || index >= kCharTableSize)
        return std::wstring();
    const CharEntry& e = table[index];
    const int bank = index / 256;
    const int code = index % 256;
    if (bank == 0) {
        if (code == 0x01)
            return L"\n";
        if (code >= 0x1C && code <= 0x1F)
            return L"<BK" + std::to_wstring(code - 0x1B) + L"$00>";
        if (style == kStyleDialogue) {
            switch (code) {
            case 0x11: return L"<E$00>";
            case 0x14: return L"<S1>";
            case 0x16: return L"<D1>";
            default: break;
            }
        } else {
            switch (code) {
            case 0x02: return L"<A$00>";
            case 0x06: return L"<D$40>";
            case 0x0C: return L"<B$40>";
            case 0x0E: return L"<I$40>";
            case 0x0F: return L"<S$40>";
            default: break;
            }
        }
    }
    if (e.Empty() || IsNullText(e.text)) {
        if (bank == 0)
            return RawTag(static_cast<unsigned>(code));
        return L"<BK" + std::to_wstring(bank) + L"$" + Hex2(static_cast<unsigned>(code)) + L">";
    }
    return e.text;
}

int FindEntryForKey(const CharTable& table, uint16_t key, TextStyle style, uint8_t romType)
{
    if (romType == 1)
        return table.FindKey(key, style == kStyleDialogue ? 128 : 256);
    return table.FindKey(key, kCharTableSize);
}

std::string WideToUtf8(const std::wstring& text)
{
    std::string out;
    for (wchar_t wc : text) {
        uint32_t c = static_cast<uint32_t>(wc);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::wstring Utf8ToWide(const std::string& text)
{
    std::wstring out;
    size_t i = 0;
    while (i < text.size()) {
        const uint8_t b = static_cast<uint8_t>(text[i]);
        uint32_t c = 0;
        size_t extra = 0;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            extra = 1;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            extra = 2;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07;
            extra = 3;
        } else {
            out += static_cast<wchar_t>(0xFFFD);
            ++i;
            continue;
        }
        bool bad = false;
        for (size_t k = 1; k <= extra; ++k) {
            if (i + k >= text.size() || (static_cast<uint8_t>(text[i + k]) & 0xC0) != 0x80) {
                bad = true;
                break;
            }
            c = (c << 6) | (static_cast<uint8_t>(text[i + k]) & 0x3F);
        }
        if (bad) {
            out += static_cast<wchar_t>(0xFFFD);
            ++i;
            continue;
        }
        out += static_cast<wchar_t>(c);
        i += extra + 1;
    }
    return out;
}

} // namespace quorvex
