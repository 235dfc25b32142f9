#include "CliCommon.h"

#include <iostream>
#include <limits>

#include "text/PrintableText.h"

namespace quorvex::cli {

std::unique_ptr<CQuorvexDoc> OpenImage(const std::string& path, bool readOnlyOk)
{
    auto doc = std::make_unique<CQuorvexDoc>();
    const OpenResult r = doc->OnOpenDocument(path, readOnlyOk);
    if (!r.ok) {
        std::cerr << r.error << "\n";
        return nullptr;
    }
    if (!r.warning.empty())
        std::cerr << r.warning;
    return doc;
}

std::unique_ptr<CQuorvexDoc> OpenKnownImage(const std::string& path, bool readOnlyOk)
{
    auto doc = OpenImage(path, readOnlyOk);
    if (doc && !doc->Rom().IsKnown()) {
        std::cerr << "Unkown type: \"" << Printable(doc->Rom().internalName)
                  << "\" is not a known release of the game.\n";
        return nullptr;
    }
    return doc;
}

bool SaveImage(CQuorvexDoc& doc)
{
    const SaveResult r = doc.OnSaveDocument(doc.Rom().path);
    if (!r.ok) {
        PrintLines(std::cerr, r.error);
        return false;
    }
    if (!r.notice.empty())
        PrintLines(std::cerr, r.notice);
    return true;
}

int EditAndSave(std::unique_ptr<CQuorvexDoc> doc, const ImageEdit& edit, const std::function<void()>& onSuccess)
{
    if (!doc)
        return 1;
    switch (edit(*doc)) {
    case EditStatus::Failed: return 1;
    case EditStatus::Changed:
        if (!SaveImage(*doc))
            return 1;
        break;
    case EditStatus::Unchanged: break;
    }
    if (onSuccess)
        onSuccess();
    return 0;
}

void PrintLines(std::ostream& out, const std::string& text)
{
    out << text;
    if (text.empty() || text.back() != '\n')
        out << "\n";
}

std::string Printable(const std::string& text, bool keepLineBreaks) { return PrintableText(text, keepLineBreaks); }

bool TakeOption(std::vector<std::string>& args, const std::string& name, std::string& value, bool* missing)
{
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != name)
            continue;
        if (i + 1 >= args.size()) {
            if (missing)
                *missing = true;
            args.erase(args.begin() + static_cast<long>(i));
            return false;
        }
        value = args[i + 1];
        args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
        return true;
    }
    return false;
}

bool TakeFlag(std::vector<std::string>& args, const std::string& name)
{
    for (size_t i = 0; i < args.size(); ++i)
        if (args[i] == name) {
            args.erase(args.begin() + static_cast<long>(i));
            return true;
        }
    return false;
}

namespace {

int DigitValue(char c, int base)
{
    int d = -1;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < base ? d : -1;
}

// The digits of text from `from` on, in `base`, as a magnitude of at most
// `limit`; false for an empty run, any other character or an overflow.
bool ReadDigits(const std::string& text, size_t from, int base, unsigned long long limit, unsigned long long& out)
{
    if (from >= text.size())
        return false;
    unsigned long long v = 0;
    for (size_t i = from; i < text.size(); ++i) {
        const int d = DigitValue(text[i], base);
        if (d < 0 || v > (limit - static_cast<unsigned>(d)) / static_cast<unsigned>(base))
            return false;
        v = v * static_cast<unsigned>(base) + static_cast<unsigned>(d);
    }
    out = v;
    return true;
}

// The length of a "0x", "0X" or "$" prefix at the start of text, or 0.
size_t HexPrefix(const std::string& text)
{
    if (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0)
        return 2;
    return !text.empty() && text[0] == '$' ? 1 : 0;
}

} // namespace

bool ParseNumber(const std::string& text, long& value)
{
    constexpr auto kMax = static_cast<unsigned long long>(std::numeric_limits<long>::max());
    unsigned long long magnitude = 0;
    if (const size_t prefix = HexPrefix(text); prefix != 0) {
        if (!ReadDigits(text, prefix, 16, kMax, magnitude))
            return false;
        value = static_cast<long>(magnitude);
        return true;
    }
    const bool negative = !text.empty() && text[0] == '-';
    if (!ReadDigits(text, negative ? 1 : 0, 10, negative ? kMax + 1 : kMax, magnitude))
        return false;
    value = !negative ? static_cast<long>(magnitude)
            : magnitude == kMax + 1 ? std::numeric_limits<long>::min()
                                    : -static_cast<long>(magnitude);
    return true;
}

bool ParseHex(const std::string& text, unsigned long& value)
{
    unsigned long long v = 0;
    if (!ReadDigits(text, HexPrefix(text), 16, std::numeric_limits<unsigned long>::max(), v))
        return false;
    value = static_cast<unsigned long>(v);
    return true;
}

bool ParseHexBytes(const std::string& text, std::vector<uint8_t>& out)
{
    std::string digits;
    for (char ch : text) {
        if (ch == ' ' || ch == '\t')
            continue;
        if (DigitValue(ch, 16) < 0)
            return false;
        digits += ch;
    }
    if (digits.size() % 2 != 0)
        return false;
    out.clear();
    for (size_t i = 0; i < digits.size(); i += 2)
        out.push_back(static_cast<uint8_t>(DigitValue(digits[i], 16) * 16 + DigitValue(digits[i + 1], 16)));
    return true;
}

} // namespace quorvex::cli
