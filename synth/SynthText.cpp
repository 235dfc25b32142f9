// Text blocks, the dual-tile table and the dialogue of the synthetic image.
//
// Every string is written in the editors' tag language first and then put
// through the codec's encoder (and, for town dialogue and location names,
// the dual-tile compression), so the stored bytes are exactly what the
// editors would store for the same text: exporting and importing them gives
// the same bytes back.
#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <string>

#include "SynthImage.h"
#include "rom/RomAddress.h"
#include "text/DteTable.h"
#include "text/TextCodec.h"
#include "text/TextTables.h"

namespace quorvex::synth {

namespace {

const char* const kSyllables[] = {"ka", "ro", "mi", "ten", "vor", "al", "is", "un", "de", "ther", "sa", "lo",
                                  "qua", "re", "in", "ost", "bel", "na", "fi", "gar", "ul", "es", "mo", "ri",
                                  "an", "the", "to", "or", "ve", "ly", "con", "ash", "pe", "dra", "wi", "it"};
const char* const kWords[] = {"the", "and", "you", "to", "of", "is", "we", "it", "that", "in", "this", "my",
                              "what", "not", "have", "will", "here", "now", "go", "all", "can", "be", "are",
                              "for", "with", "there", "empire", "castle", "moogle", "train", "ghost", "storm"};
const char* const kPunct[] = {".", "!", "?", "...", ",", "!!", "?!"};

std::wstring Widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }

std::wstring MakeWord(Rng& rng)
{
    if (rng.Range(0, 2) != 0)
        return Widen(kWords[rng.Range(0, std::size(kWords) - 1)]);
    std::string w;
    const uint32_t n = rng.Range(1, 3);
    for (uint32_t i = 0; i < n; ++i)
        w += kSyllables[rng.Range(0, std::size(kSyllables) - 1)];
    if (rng.Range(0, 3) == 0)
        w[0] = static_cast<char>(w[0] - 'a' + 'A');
    return Widen(w);
}

// A town-dialogue caption of about `words` words in the dialogue tag
// language (North American release).
std::wstring MakeDialogue(Rng& rng, uint32_t words)
{
    std::wstring t;
    if (rng.Range(0, 3) == 0)
        t += L"<A" + std::to_wstring(rng.Range(0, 13)) + L">:\n";
    for (uint32_t w = 0; w < words; ++w) {
        if (w > 0) {
            const uint32_t r = rng.Range(0, 40);
            if (r == 0)
                t += L"\n";
            else if (r == 1)
                t += L"<EOP>\n";
            else if (r == 2)
                t += std::wstring(rng.Range(2, 6), L' ');
            else
                t += L" ";
        }
        const uint32_t r = rng.Range(0, 60);
        if (r == 0)
            t += L"<A" + std::to_wstring(rng.Range(0, 13)) + L">";
        else if (r == 1)
            t += L"<N>";
        else if (r == 2)
            t += L"<I>";
        else if (r == 3)
            t += L"<S>";
        else
            t += MakeWord(rng);
        if (rng.Range(0, 7) == 0)
            t += Widen(kPunct[rng.Range(0, std::size(kPunct) - 1)]);
    }
    const uint32_t tail = rng.Range(0, 12);
    if (tail == 0)
        t += L"<E$" + std::wstring(1, L"0123456789ABCDEF"[rng.Range(0, 15)]) + L"F>";
    else if (tail == 1)
        t += L"<D" + std::to_wstring(rng.Range(1, 40)) + L">";
    else if (tail == 2)
        t += L"\n<C>Yes\n<C>No";
    return t;
}

// Codes standing for characters in the Japanese release: shown as raw
// codes, away from the control codes and the multiple-tile codes.
std::wstring MakeJapanese(Rng& rng, uint32_t chars, bool battle)
{
    wchar_t buf[16];
    std::wstring t;
    for (uint32_t i = 0; i < chars; ++i) {
        const uint32_t r = rng.Range(0, 30);
        if (r == 0) {
            t += L"\n";
            continue;
        }
        if (r == 1 && !battle) {
            t += L"<EOP>\n";
            continue;
        }
        uint32_t c = rng.Range(0x20, 0xD7);
        if (r == 2)
            c = 0xFF; // a space
        if (battle && c == 0x7F)
            c = 0x80;
        std::swprintf(buf, 16, L"<$%02X>", c);
        t += buf;
    }
    return t;
}

// A battle-window message (battle tag language, North American release).
std::wstring MakeBattleText(Rng& rng, uint32_t words, bool operands)
{
    std::wstring t;
    for (uint32_t w = 0; w < words; ++w) {
        if (w > 0)
            t += rng.Range(0, 12) == 0 ? L"\n" : L" ";
        if (operands) {
            const uint32_t r = rng.Range(0, 30);
            if (r == 0)
                t += L"<A$0" + std::to_wstring(rng.Range(0, 9)) + L">";
            else if (r == 1)
                t += L"<P>";
            else if (r == 2)
                t += L"<F>";
            else if (r == 3)
                t += L"<D$" + std::to_wstring(rng.Range(10, 99)) + L">";
        }
        t += MakeWord(rng);
    }
    if (rng.Range(0, 2) == 0)
        t += Widen(kPunct[rng.Range(0, std::size(kPunct) - 1)]);
    return t;
}

// A caption never ends in a line break: script files do not keep trailing
// line breaks, so such a caption would not come back the same.
std::wstring NoTrailingBreak(std::wstring t)
{
    while (!t.empty() && t.back() == L'\n')
        t.pop_back();
    return t;
}

std::vector<uint8_t> EncodeDlg(const std::wstring& text, const DteTable& dte, uint8_t romType)
{
    const std::wstring t = NoTrailingBreak(text);
    const EncodeResult r = EncodeDialogue(t, DialogueCharTable(), kEncodeMaxBytes);
    if (r.IsError())
        return {};
    return CompressDialogue(r.bytes, dte, romType);
}

std::vector<uint8_t> EncodeBtl(const std::wstring& t)
{
    const EncodeResult r = EncodeBattle(NoTrailingBreak(t), BattleCharTable(), kEncodeMaxBytes);
    return r.IsError() ? std::vector<uint8_t>{} : r.bytes;
}

// The dual-tile table: frequent pairs of plain dialogue codes.
DteTable MakeDteTable(Rng& rng)
{
    static const char* const kPairs[] = {"e ", " t", "th", "he", "s ", "in", " a", "er", "an", "re", "on", "d ",
                                         "t ", "ou", "at", "en", "ha", " w", "o ", "or", "ng", "es", "is", " s",
                                         "it", "y ", "ve", "to", "r ", "ed", "nd", " h", "hi", "ar", "me", "le",
                                         " o", " m", "st", "ea", "te", "al", "nt", "we", "se", "l ", " y", "of"};
    DteTable t;
    std::vector<std::pair<uint8_t, uint8_t>> used;
    auto code = [](char c) -> uint8_t {
        if (c == ' ')
            return 0x7F;
        if (c >= 'a' && c <= 'z')
            return static_cast<uint8_t>(0x3A + (c - 'a'));
        return static_cast<uint8_t>(0x20 + (c - 'A'));
    };
    for (const char* p : kPairs)
        used.push_back({code(p[0]), code(p[1])});
    while (used.size() < kDteEntries) {
        const char* letters = "abcdefghilmnorstuvwy ";
        const std::pair<uint8_t, uint8_t> pr{code(letters[rng.Range(0, 20)]), code(letters[rng.Range(0, 20)])};
        if (pr.first == 0x7F && pr.second == 0x7F)
            continue;
        if (std::find(used.begin(), used.end(), pr) == used.end())
            used.push_back(pr);
    }
    for (int k = 0; k < kDteEntries; ++k)
        t.Set(k, used[static_cast<size_t>(k)].first, used[static_cast<size_t>(k)].second);
    return t;
}

// Packs strings from offset 0 (each with its 0x00); pointers = base + offset.
void PackBlock(const std::vector<std::vector<uint8_t>>& strings, size_t size, uint32_t base,
               std::vector<uint8_t>& data, std::vector<uint32_t>& pointers)
{
    data.assign(size, 0xFF);
    pointers.clear();
    size_t pos = 0;
    for (const auto& s : strings) {
        pointers.push_back(base + static_cast<uint32_t>(pos));
        std::copy(s.begin(), s.end(), data.begin() + static_cast<long>(pos));
        pos += s.size();
        data[pos++] = 0x00;
    }
}

size_t Total(const std::vector<std::vector<uint8_t>>& strings)
{
    size_t n = 0;
    for (const auto& s : strings)
        n += s.size() + 1;
    return n;
}

// Empties strings (the longest first) until the block fits.
void FitInto(std::vector<std::vector<uint8_t>>& strings, size_t size)
{
    while (Total(strings) > size) {
        auto it = std::max_element(strings.begin(), strings.end(),
                                   [](const auto& a, const auto& b) { return a.size() < b.size(); });
        it->clear(); // an unused caption: cutting one could split a code from its operand
    }
}

void PutBlock16(SynthImage& img, const TextBlockPlace& at, std::vector<std::vector<uint8_t>> strings)
{
    FitInto(strings, static_cast<size_t>(at.size));
    std::vector<uint8_t> data;
    std::vector<uint32_t> pointers;
    PackBlock(strings, static_cast<size_t>(at.size), at.base, data, pointers);
    for (size_t i = 0; i < pointers.size(); ++i)
        img.Put16(at.pointers + 2 * static_cast<uint32_t>(i), static_cast<uint16_t>(pointers[i]));
    img.Put(at.text, data);
}

void FillBattleBlocks(SynthImage& img, Rng& rng)
{
    const bool jp = img.Jp();
    auto make = [&](uint32_t minWords, uint32_t maxWords, bool operands) {
        std::vector<std::vector<uint8_t>> v;
        for (int i = 0; i < 256; ++i) {
            const uint32_t words = rng.Range(minWords, maxWords);
            if (rng.Range(0, 25) == 0)
                v.push_back({}); // an unused message
            else
                v.push_back(EncodeBtl(jp ? MakeJapanese(rng, words * 3, true) : MakeBattleText(rng, words, operands)));
        }
        return v;
    };
    PutBlock16(img, BattleMessagePlace(img.opts.romType), make(1, 4, true));
    PutBlock16(img, MonsterDialoguePlace(img.opts.romType), make(2, jp ? 6 : 9, true));
}

void FillDialogue(SynthImage& img, Rng& rng)
{
    const bool jp = img.Jp();
    const uint8_t romType = img.opts.romType;
    const bool third = !jp && img.opts.dialogue == DialogueRoutine::FF3Edit && img.Holds(kThirdPageRom, kThirdPageSize);

    // Dual-tile table (North American) or multiple-tile block (Japanese).
    DteTable dte;
    if (jp) {
        std::vector<std::vector<uint8_t>> parts;
        for (int i = 0; i < kMteStrings; ++i) {
            std::vector<uint8_t> s;
            const uint32_t n = rng.Range(2, 3);
            for (uint32_t k = 0; k < n; ++k)
                s.push_back(static_cast<uint8_t>(rng.Range(0x20, 0xD7)));
            parts.push_back(s);
        }
        PutBlock16(img, {kMteTablePointers, kMteTableData, kMteSize, kMteStrings, kScanDialogue, kMteTableData},
                   parts);
    } else {
        dte = MakeDteTable(rng);
        img.Put(kDteTableRom, dte.bytes.data(), dte.bytes.size());
    }

    // Town dialogue: the game's own two pages hold a little over one bank;
    // the third page runs well past them.
    const int count = jp ? kTownDlgMinCount
                         : static_cast<int>(rng.Range(kTownDlgMinCount + 1, third ? kTownDlgSlots - 40 : 3140));
    const size_t size = jp ? kTownDlgSizeJp : third ? kTownDlgSizeThird : kTownDlgSize;
    const uint32_t maxWords = jp ? 14 : third ? 30 : 11;
    std::vector<std::vector<uint8_t>> strings;
    for (int i = 0; i < count; ++i) {
        const uint32_t words = rng.Range(0, 8) == 0 ? 0 : rng.Range(2, maxWords);
        strings.push_back(jp ? EncodeDlg(MakeJapanese(rng, words * 3, false), dte, romType)
                             : EncodeDlg(MakeDialogue(rng, words), dte, romType));
    }
    FitInto(strings, third ? size - 0x800 : size);
    std::vector<uint8_t> data;
    std::vector<uint32_t> p;
    PackBlock(strings, size, 0, data, p);

    std::vector<uint32_t> p16(kTownDlgSlots, 0xFFFF);
    uint32_t split = kTownDlgSlots + 1;
    for (int i = 0; i < count; ++i)
        if (p[static_cast<size_t>(i)] > 0xFFFF) {
            split = static_cast<uint32_t>(i) + 1;
            break;
        }
    if (!third) {
        for (int i = 0; i < count; ++i)
            p16[static_cast<size_t>(i)] = p[static_cast<size_t>(i)] & 0xFFFF;
        img.Put(kTownDlgData, data);
    } else {
        // Strings that would end past the two pages start the third page,
        // which lies at the start of the expanded section.
        int first = count;
        for (int i = 0; i < count; ++i)
            if (p[static_cast<size_t>(i)] + strings[static_cast<size_t>(i)].size() + 1 > kTownDlgSize) {
                first = i;
                break;
            }
        std::vector<uint8_t> second(data.begin(), data.begin() + kTownDlgSize);
        if (first < count)
            std::fill(second.begin() + p[static_cast<size_t>(first)], second.end(), 0xFF);
        std::vector<uint8_t> page;
        for (int i = 0; i < count; ++i) {
            if (i < first) {
                p16[static_cast<size_t>(i)] = p[static_cast<size_t>(i)] & 0xFFFF;
                continue;
            }
            p16[static_cast<size_t>(i)] = static_cast<uint32_t>(page.size());
            page.insert(page.end(), strings[static_cast<size_t>(i)].begin(), strings[static_cast<size_t>(i)].end());
            page.push_back(0x00);
        }
        const uint32_t end = first < count ? static_cast<uint32_t>(page.size())
                                           : (p.back() + static_cast<uint32_t>(strings.back().size()) + 1) & 0xFFFF;
        for (int i = count; i < kTownDlgSlots - 1; ++i)
            p16[static_cast<size_t>(i)] = end;
        img.Put(kTownDlgData, second);
        img.Put(kThirdPageRom, page);
        img.Put24(kThirdPageIndexes, 0xCD0000 | split);
        if (first < count) {
            img.Put24(kThirdPageIndexes + 3, 0xCE0000 | static_cast<uint32_t>(first + 1));
            img.Put24(kThirdPageIndexes + 6, 0xF0FFFF);
            img.Put16(kThirdPageIndexes + 9, kTownDlgSlots);
        } else {
            img.Put24(kThirdPageIndexes + 3, 0xCEFFFF);
            img.Put16(kThirdPageIndexes + 6, kTownDlgSlots);
            img.Put24(kThirdPageIndexes + 8, 0xFFFFFF);
        }
    }
    img.Put16(kTownDlgSplit, static_cast<uint16_t>(split));
    img.Put16(kTownDlgSplit + 2, 0);
    for (int i = 0; i < kTownDlgSlots; ++i)
        img.Put16(kTownDlgPointers + 2 * static_cast<uint32_t>(i), static_cast<uint16_t>(p16[static_cast<size_t>(i)]));

    // Location names.
    const int names = static_cast<int>(rng.Range(73, 95));
    std::vector<std::vector<uint8_t>> locs;
    for (int i = 0; i < names; ++i) {
        std::wstring n = jp ? MakeJapanese(rng, rng.Range(2, 6), false) : MakeWord(rng);
        if (!jp) {
            n[0] = static_cast<wchar_t>(std::towupper(n[0]));
            if (rng.Range(0, 2) == 0)
                n += L" " + MakeWord(rng);
        }
        locs.push_back(EncodeDlg(n, dte, romType));
    }
    const uint32_t locAt = jp ? 0x2684C0 : 0xEF100;
    const size_t locSize = jp ? 0x2C0 : 0x500;
    FitInto(locs, locSize);
    std::vector<uint8_t> locData;
    std::vector<uint32_t> locPtr;
    PackBlock(locs, locSize, 0, locData, locPtr);
    for (int i = 0; i < kLocNameSlots; ++i)
        img.Put16(kLocNamePointers + 2 * static_cast<uint32_t>(i),
                  i < names ? static_cast<uint16_t>(locPtr[static_cast<size_t>(i)]) : 0xFFFF);
    img.Put(locAt, locData);
}

} // namespace

std::vector<uint8_t> SynthBattleString(Rng& rng, bool jp, uint32_t words)
{
    return EncodeBtl(jp ? MakeJapanese(rng, words * 3, true) : MakeBattleText(rng, words, false));
}

void PutTextBlock16(SynthImage& img, const TextBlockPlace& at, std::vector<std::vector<uint8_t>> strings)
{
    PutBlock16(img, at, std::move(strings));
}

void FillText(SynthImage& img)
{
    // A generator of its own, so the other parts' random streams do not
    // depend on how much text is made.
    Rng rng(img.opts.seed * 2654435761u + 0x7E47);
    FillBattleBlocks(img, rng);
    FillDialogue(img, rng);
}

uint32_t SynthThirdPageUsed(const SynthImage& img)
{
    // The third page ends where the unused slots point (slot 3324 holds the
    // end of the last string), when any string went there.
    if (img.Jp() || img.opts.dialogue != DialogueRoutine::FF3Edit || !img.Holds(kThirdPageRom, kThirdPageSize))
        return 0;
    const uint32_t b = ReadLe16(&img.rom[kThirdPageIndexes + 3]);
    if (b == 0xFFFF)
        return 0;
    return ReadLe16(&img.rom[kTownDlgPointers + 2 * (kTownDlgSlots - 2)]);
}

} // namespace quorvex::synth
