#include "rom/RelocationView.h"

#include <algorithm>

#include "rom/AttackNameRoutine.h"
#include "rom/DataRelocation.h"
#include "rom/RomData.h"
#include "text/TextPage.h"

namespace quorvex {

namespace {

constexpr const char* kNoExpandedData = "Exp. data: none";

// "$%06X-$%06X, " followed by a figure.
std::string Range(const char* head, uint32_t from, uint32_t to)
{
    return Format("%s$%06X-$%06X, ", head, from, to);
}

void ChooseBank(RelocationSection& s, const RomData& rd, std::vector<int> banks, uint32_t choice)
{
    s.hasBank = true;
    if (rd.imageSize != kImageSize28 && rd.imageSize != kImageSize32)
        return;
    s.banks = std::move(banks);
    const int byte = BankByte(choice);
    if (choice != 0 && std::find(s.banks.begin(), s.banks.end(), byte) != s.banks.end())
        s.selectedBank = byte;
}

RelocationSection ScriptSection(const RomData& rd, uint32_t bank)
{
    RelocationSection s;
    s.caption = "Quorvex Monster Battle Scripts hack";
    s.note = "Moving data bank allows space for bigger Battle Scripts";
    const uint32_t regStart = SnesToHeadered(kScriptDataBaseOwn);
    const uint32_t bankStart = rd.scripts.dataBase & 0xFF0000;
    switch (ScriptLocation(rd.romFlags)) {
    case 0:
        s.applyEnabled = true;
        s.regular = Range("Reg. data loc.: ", regStart, regStart + kScriptSpaceOwn - 1) +
                    Format("max %d bytes\n", kScriptSpaceOwn);
        s.expanded = kNoExpandedData;
        break;
    case 3:
        s.removeEnabled = true;
        s.bankEnabled = true;
        s.regular = Range("Reg. data loc.: ", regStart, regStart + kScriptSpaceRelocated - 1) +
                    Format("0/%d bytes\n", kScriptSpaceOwn);
        s.expanded = Range("Exp. data loc.: ", bankStart, bankStart + 0xFFFF) +
                     Format("max %d bytes\n", kScriptSpaceRelocated);
        break;
    default:
        s.applyEnabled = true;
        s.regular = Range("Reg. data loc.: ", regStart, regStart + kScriptSpaceOwn - 1) +
                    Format("0/%d bytes\n", kScriptSpaceOwn);
        s.expanded = Format("Exp. data loc.: $%06X-???, ", bankStart) + "max ??? bytes\n";
        break;
    }
    ChooseBank(s, rd, OfferedScriptBanks(rd), bank);
    return s;
}

RelocationSection DialogueSection(const RomData& rd)
{
    RelocationSection s;
    s.caption = "FF3Edit Town Dialog hack";
    s.note = "Applying patch will add a 3rd Town Dialog data page, allowing bigger Town Dialog captions";
    s.expanded = kNoExpandedData;
    if (rd.romType != kRomFF3us)
        return s;
    const uint32_t bits = rd.romFlags & (kFlagDialogFF3Edit | kFlagDialogUnknown);
    if (bits == 0) {
        s.applyEnabled = true;
    } else if (bits == kFlagDialogFF3Edit) {
        s.removeEnabled = true;
        s.expanded = Range("Exp. data loc.: ", kExpandedSectionSnes, kExpandedSectionSnes + 0xFFFF) +
                     Format("%u/%u bytes\n", ThirdPageUsedBytes(rd), kThirdPageSize);
    }
    return s;
}

RelocationSection MapSection(const RomData& rd)
{
    RelocationSection s;
    s.caption = "FF3Edit Map Graphic expansion";
    s.hasButtons = false;
    s.regularLabel = "Regular section usage:";
    s.expandedLabel = "Expanded section usage:";
    s.note = "Note: save modified ROM first to get accurate info";
    // Each world's map block, then its tile block, counts in its regular
    // area while it fits what is left there; the others are expanded data.
    std::array<uint32_t, kWorldBlockCount> sizes{};
    for (int b = 0; b < kWorldBlockCount; ++b)
        sizes[b] = static_cast<uint32_t>(rd.maps.blocks[b].size());
    const std::array<uint32_t, kWorldBlockCount> place = LayOutWorldMapBlocks(sizes, kExpandedSectionSnes, 0xFFFFFFFF);
    uint32_t expandedTotal = 0;
    auto regularUse = [&](WorldBlock a, WorldBlock b) {
        uint32_t used = 0;
        for (WorldBlock x : {a, b}) {
            if (place[x] != 0 && place[x] < kExpandedSectionSnes)
                used += sizes[x];
            else
                expandedTotal += sizes[x];
        }
        return used;
    };
    struct Line {
        const char* head;
        WorldMapArea area;
        WorldBlock first, second;
    };
    const Line lines[] = {{"WoB Map/Tiles: ", kWobArea, kWobMapData, kWobMapTiles},
                          {"WoR Map/Tiles: ", kWorArea, kWorMapData, kWorMapTiles},
                          {"Mini maps: ", kMiniMapArea, kWobMiniMap, kWorMiniMap}};
    for (const Line& l : lines)
        s.regular += Range(l.head, l.area.snesStart, l.area.snesStart + l.area.size - 1) +
                     Format("%u/%u bytes\n", regularUse(l.first, l.second), l.area.size);
    if (expandedTotal == 0) {
        s.expanded = std::string(kNoExpandedData) + "\n";
    } else {
        const uint32_t start = kExpandedSectionSnes + ThirdPageUsedBytes(rd);
        s.expanded = Range("Exp. data loc.: ", start, start + expandedTotal - 1) + Format("%u bytes\n", expandedTotal);
    }
    return s;
}

RelocationSection NameSection(const RomData& rd, uint32_t bank)
{
    RelocationSection s;
    s.caption = "Quorvex Various Text hacks";
    s.note = "Applying this patch will make Monster Special Attacks names 16 char. long instead of 10";
    s.expanded = kNoExpandedData;
    s.hasBank = true;
    if (rd.romType != kRomFF3us)
        return s;
    const uint32_t regStart = SnesToHeadered(kAttackNamesOwnAddr);
    const uint32_t bits = rd.romFlags & (kFlagAttackNamesA | kFlagAttackNamesB);
    if (bits == 0) {
        s.applyEnabled = true;
        s.regular = Range("Reg. data loc.: ", regStart, regStart + kAttackNameCount * kAttackNamesOwnLen - 1) +
                    Format("max %d bytes\n", kAttackNameCount * kAttackNamesOwnLen);
    } else if (bits != (kFlagAttackNamesA | kFlagAttackNamesB)) {
        const uint32_t bytes = kAttackNameCount * rd.spAttackNameLen;
        s.removeEnabled = true;
        s.bankEnabled = true;
        s.regular = Range("Reg. data loc.: ", regStart, regStart + bytes - 1) + "max 0 bytes\n";
        s.expanded = Range("Exp. data loc.: ", rd.spAttackNameAddr, rd.spAttackNameAddr + bytes - 1) +
                     Format("max %u bytes\n", bytes);
    } else {
        return s; // an unknown change: everything stays disabled
    }
    ChooseBank(s, rd, OfferedAttackNameBanks(rd), bank);
    return s;
}

// The usage texts as lines (labels may hold several, each ended by "\n").
void AppendLines(std::string& out, const std::string& text)
{
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        out += text.substr(start, end - start) + "\n";
        start = end + 1;
    }
}

} // namespace

RelocationView BuildRelocationView(const RomData& rd, uint32_t scriptBank, uint32_t nameBank)
{
    RelocationView v;
    v.scripts = ScriptSection(rd, scriptBank);
    v.dialogue = DialogueSection(rd);
    v.maps = MapSection(rd);
    v.names = NameSection(rd, nameBank);
    if (!rd.IsKnown()) {
        // Nothing of an unknown image is loaded: nothing can be moved.
        for (RelocationSection* s : {&v.scripts, &v.dialogue, &v.names})
            s->applyEnabled = s->removeEnabled = s->bankEnabled = false;
    }
    return v;
}

std::string RelocationStatusText(const RelocationView& view)
{
    std::string out;
    for (const RelocationSection* s : {&view.scripts, &view.dialogue, &view.maps, &view.names}) {
        out += s->caption + "\n";
        AppendLines(out, s->regularLabel);
        AppendLines(out, s->regular);
        AppendLines(out, s->expandedLabel);
        AppendLines(out, s->expanded);
        if (s->hasBank && s->selectedBank >= 0)
            out += Format("Bank used: %02X\n", s->selectedBank);
    }
    return out;
}

} // namespace quorvex
