#include "CliCommon.h"

#include <iostream>

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

bool ParseNumber(const std::string& text, long& value)
{
    if (text.empty())
        return false;
    try {
        size_t used = 0;
        if (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0)
            value = std::stol(text.substr(2), &used, 16), used += 2;
        else if (text[0] == '$')
            value = std::stol(text.substr(1), &used, 16), used += 1;
        else
            value = std::stol(text, &used, 10);
        return used == text.size();
    } catch (...) {
        return false;
    }
}

bool ParseHex(const std::string& text, unsigned long& value)
{
    std::string t = text;
    if (t.rfind("0x", 0) == 0 || t.rfind("0X", 0) == 0)
        t = t.substr(2);
    else if (!t.empty() && t[0] == '$')
        t = t.substr(1);
    if (t.empty() || t.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return false;
    try {
        value = std::stoul(t, nullptr, 16);
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace quorvex::cli
