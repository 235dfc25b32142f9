#include "text/DteTable.h"

#include <algorithm>

#include "text/DynTextObj.h"

namespace quorvex {

bool DteTable::Loaded() const
{
    for (int k = 0; k < kDteEntries; ++k)
        if (Entry(k) != kDteNotLoaded)
            return true;
    return false;
}

std::vector<uint8_t> ExpandDialogue(const uint8_t* s, size_t n, const DteTable& dte, const CFF6DynTextObj* mte,
                                    uint8_t romType)
{
    std::vector<uint8_t> out;
    out.reserve(n * 2);
    const bool dteLoaded = romType == 1 && dte.Loaded();
    size_t i = 0;
    auto copy = [&](size_t k) {
        for (size_t j = 0; j < k && i < n; ++j)
            out.push_back(s[i++]);
    };
    while (i < n) {
        const uint8_t c = s[i];
        if (c == 0x11 || c == 0x14) {
            copy(2);
        } else if (c == 0x16) {
            copy(2);
            if (i < n && s[i] == 0x12)
                copy(1);
        } else if (c >= 0x1C && c <= 0x1F) {
            // A Kanji reference: kept with its operand for every release, so
            // that showing and re-applying a string never loses bytes.
            copy(2);
        } else if (c >= 0x80 && romType == 1) {
            if (dteLoaded) {
                out.push_back(dte.First(c - 0x80));
                out.push_back(dte.Second(c - 0x80));
                ++i;
            } else {
                copy(1);
            }
        } else if (c >= 0xD8 && c <= 0xEF && romType != 1 && mte && c - 0xD8 < mte->Count()) {
            const std::vector<uint8_t> part = mte->GetString(c - 0xD8);
            out.insert(out.end(), part.begin(), part.end());
            ++i;
        } else {
            copy(1);
        }
    }
    return out;
}

std::vector<uint8_t> CompressDialogue(const std::vector<uint8_t>& plain, const DteTable& dte, uint8_t romType)
{
    const uint8_t space = DialogueSpace(romType);
    const size_t n = plain.size();
    // Space pass.
    std::vector<uint8_t> spaced;
    spaced.reserve(n);
    size_t i = 0;
    while (i + 1 < n) {
        const uint8_t c = plain[i];
        if (c == 0x11 || c == 0x14 || (c >= 0x1C && c <= 0x1F)) {
            spaced.push_back(c);
            spaced.push_back(plain[i + 1]);
            i += 2;
        } else if (c == 0x16) {
            spaced.push_back(c);
            spaced.push_back(plain[i + 1]);
            i += 2;
            if (i < n) {
                spaced.push_back(plain[i++]);
            } else {
                // A delay cut short at the end of the string.
                spaced[spaced.size() - 2] = 0x7F;
                spaced[spaced.size() - 1] = 0x7F;
            }
        } else if (c == space && plain[i + 1] == space) {
            // The run length is one operand byte: longer runs take several codes.
            size_t r = 0;
            while (i + r < n && plain[i + r] == space && r < 255)
                ++r;
            spaced.push_back(0x14);
            spaced.push_back(static_cast<uint8_t>(r));
            i += r;
        } else {
            spaced.push_back(c);
            ++i;
        }
    }
    if (i < n)
        spaced.push_back(plain[i]);
    if (romType != 1 || !dte.Loaded())
        return spaced;

    // Pair pass.
    std::vector<uint8_t> out;
    out.reserve(spaced.size());
    const size_t m = spaced.size();
    i = 0;
    while (i + 1 < m) {
        const uint8_t b = spaced[i];
        if (b == 0x11 || b == 0x14 || (b >= 0x1C && b <= 0x1F)) {
            out.push_back(b);
            out.push_back(spaced[i + 1]);
            i += 2;
        } else if (b == 0x16) {
            if (i + 2 < m) {
                out.insert(out.end(), spaced.begin() + static_cast<long>(i), spaced.begin() + static_cast<long>(i) + 3);
                i += 3;
            } else {
                out.push_back(0x7F);
                out.push_back(0x7F);
                i += 2;
            }
        } else {
            const uint8_t c = spaced[i + 1];
            int found = -1;
            for (int k = 0; k < kDteEntries; ++k)
                if (dte.First(k) == b && dte.Second(k) == c) {
                    found = k;
                    break;
                }
            if (found >= 0) {
                out.push_back(static_cast<uint8_t>(0x80 + found));
                i += 2;
            } else {
                out.push_back(b);
                ++i;
            }
        }
    }
    if (i < m)
        out.push_back(spaced[i]);
    return out;
}

} // namespace quorvex
