#include "rom/DataRelocation.h"

#include <algorithm>

#include "monsters/BattleScriptEditor.h"
#include "rom/AttackNameRoutine.h"
#include "rom/RomData.h"
#include "text/DialogEditor.h"
#include "text/TextPage.h"

namespace quorvex {

namespace {

constexpr int kFirstExpandedBank = 0xF0;

// The banks [first, last] that `bytes` bytes from SNES address `addr` touch,
// as far as they lie in the expanded section.
void AddBanks(std::vector<int>& banks, uint32_t addr, uint32_t bytes)
{
    if (bytes == 0 || addr < kExpandedSectionSnes)
        return;
    for (uint32_t b = addr >> 16; b <= (addr + bytes - 1) >> 16 && b <= 0xFF; ++b)
        banks.push_back(static_cast<int>(b));
}

bool Contains(const std::vector<int>& v, int x) { return std::find(v.begin(), v.end(), x) != v.end(); }

bool NamesRelocated(uint32_t romFlags)
{
    const uint32_t bits = romFlags & (kFlagAttackNamesA | kFlagAttackNamesB);
    return bits == kFlagAttackNamesA || bits == kFlagAttackNamesB;
}

// Checks a bank chosen for one relocation: inside the expanded section,
// free of the dialogue page and map blocks, and not the other relocation's.
RelocationResult CheckBank(const RomData& rd, uint32_t bank, const std::vector<int>& othersBanks,
                           const char* othersText)
{
    const int n = ExpandedBankCount(rd);
    if (n == 0)
        return RelocationResult::Refused(reloctext::kNotExpanded, true);
    const int byte = BankByte(bank);
    const int index = byte - kFirstExpandedBank;
    if (bank < BankHeadered(kFirstExpandedBank) || BankHeadered(byte) != bank || index >= n)
        return RelocationResult::Refused(Format(reloctext::kBankOutside, byte & 0xFF), true);
    if (index < FirstFreeBankIndex(rd))
        return RelocationResult::Refused(Format(reloctext::kBankHoldsExpandedData, byte));
    if (Contains(othersBanks, byte))
        return RelocationResult::Refused(Format(othersText, byte));
    return RelocationResult::Done();
}

// Lays the 384 names out again at another length: longer names are cut,
// shorter ones padded with 0xFF.
void RelayAttackNames(NameList& list, uint32_t address, uint32_t length)
{
    std::vector<uint8_t> out(static_cast<size_t>(kAttackNameCount) * length, 0xFF);
    for (uint32_t i = 0; i < static_cast<uint32_t>(kAttackNameCount); ++i) {
        const uint8_t* name = list.Data(i);
        if (name)
            std::copy(name, name + std::min(length, list.nameLen), out.begin() + static_cast<long>(i * length));
    }
    list.romOffset = SnesToRom(address);
    list.nameLen = length;
    list.count = kAttackNameCount;
    list.stored = kAttackNameCount;
    list.bytes = std::move(out);
    list.loaded = true;
}

// The town dialogue block with another capacity; its strings stay packed
// from the start, so they keep their offsets.
void ResizeDialogue(CFF6DynTextObj& dlg, int32_t size)
{
    std::vector<uint8_t> data = dlg.Data();
    data.resize(static_cast<size_t>(size), 0xFF);
    const std::vector<uint32_t> pointers = dlg.Pointers();
    CFF6DynTextObj resized;
    resized.Init(dlg.Mode(), dlg.Count(), size, dlg.MaxPointers(), dlg.Base());
    resized.LoadFrom32(pointers, data);
    dlg = std::move(resized);
}

} // namespace

int ExpandedBankCount(const RomData& rd)
{
    if (rd.imageSize == kImageSize28)
        return 8;
    if (rd.imageSize == kImageSize32)
        return 16;
    return 0;
}

int FirstFreeBankIndex(const RomData& rd)
{
    // What the expanded section holds from its start: the third dialogue
    // page's bytes, then the world-map blocks that do not fit their regular
    // areas (counted by the save's own layout rule).
    std::array<uint32_t, kWorldBlockCount> sizes{};
    for (int b = 0; b < kWorldBlockCount; ++b)
        sizes[b] = static_cast<uint32_t>(rd.maps.blocks[b].size());
    const std::array<uint32_t, kWorldBlockCount> place =
        LayOutWorldMapBlocks(sizes, kExpandedSectionSnes, 0xFFFFFFFF);
    uint32_t used = ThirdPageUsedBytes(rd);
    for (int b = 0; b < kWorldBlockCount; ++b)
        if (place[b] >= kExpandedSectionSnes)
            used += sizes[b];
    int first = static_cast<int>((used + kBankSize - 1) / kBankSize);
    // The third page owns its whole bank, however little of it is used.
    if (rd.romType == kRomFF3us && HasThirdPage(rd.romFlags))
        first = std::max(first, 1);
    // Blocks the image holds in the expanded section now stay there until
    // the next save lays them out again.
    for (int b = 0; b < kWorldBlockCount; ++b) {
        std::vector<int> banks;
        AddBanks(banks, rd.mapGfxPointers[kWorldBlockEntry[b]], sizes[b]);
        for (int bank : banks)
            first = std::max(first, bank - kFirstExpandedBank + 1);
    }
    return first;
}

std::vector<int> ScriptBanksInUse(const RomData& rd)
{
    std::vector<int> banks;
    const uint32_t location = ScriptLocation(rd.romFlags);
    if (location == 3)
        AddBanks(banks, rd.scripts.dataBase & 0xFF0000, kBankSize);
    else if (location == 2)
        banks.push_back(kFirstExpandedBank);
    return banks;
}

std::vector<int> AttackNameBanksInUse(const RomData& rd)
{
    std::vector<int> banks;
    if (rd.romType == kRomFF3us && NamesRelocated(rd.romFlags))
        AddBanks(banks, rd.spAttackNameAddr, kAttackNameCount * rd.spAttackNameLen);
    return banks;
}

namespace {

std::vector<int> OfferedBanks(const RomData& rd, const std::vector<int>& othersBanks)
{
    std::vector<int> banks;
    for (int i = FirstFreeBankIndex(rd); i < ExpandedBankCount(rd); ++i)
        if (!Contains(othersBanks, kFirstExpandedBank + i))
            banks.push_back(kFirstExpandedBank + i);
    return banks;
}

} // namespace

std::vector<int> OfferedScriptBanks(const RomData& rd) { return OfferedBanks(rd, AttackNameBanksInUse(rd)); }
std::vector<int> OfferedAttackNameBanks(const RomData& rd) { return OfferedBanks(rd, ScriptBanksInUse(rd)); }

uint32_t ExpandedMapLimit(const RomData& rd)
{
    if (!rd.HasExpandedSection())
        return 0;
    uint32_t limit = HeaderedToSnes(static_cast<uint32_t>(rd.imageSize));
    std::vector<int> banks = ScriptBanksInUse(rd);
    const std::vector<int> names = AttackNameBanksInUse(rd);
    banks.insert(banks.end(), names.begin(), names.end());
    for (int b : banks)
        limit = std::min(limit, static_cast<uint32_t>(b) << 16);
    return limit;
}

uint32_t InitialScriptBank(const RomData& rd)
{
    if (ScriptLocation(rd.romFlags) != 0)
        return BankHeadered(static_cast<int>(rd.scripts.dataBase >> 16));
    return rd.imageSize == kImageSize28 ? 0x360200 : rd.imageSize == kImageSize32 ? 0x3E0200 : 0;
}

uint32_t InitialAttackNameBank(const RomData& rd)
{
    if (rd.romFlags & (kFlagAttackNamesA | kFlagAttackNamesB))
        return rd.spAttackNameAddr >= kSnesBase ? SnesToHeadered(rd.spAttackNameAddr) : 0;
    return rd.imageSize == kImageSize28 ? 0x350200 : rd.imageSize == kImageSize32 ? 0x3D0200 : 0;
}

RelocationResult ApplyScriptRelocation(RomData& rd, uint32_t bank)
{
    if (!rd.IsKnown())
        return RelocationResult::Refused(reloctext::kNotExpanded, true);
    const RelocationResult checked = CheckBank(rd, bank, AttackNameBanksInUse(rd), reloctext::kBankHoldsNames);
    if (!checked.ok)
        return checked;
    // Scripts that could not be read whole are never written anywhere.
    if (ScriptPageAdmissionFor(rd.scripts.set) == ScriptPageAdmission::Refuse)
        return RelocationResult::Refused(scripttext::kCannotCompile);
    rd.scripts.dataBase = HeaderedToSnes(bank);
    rd.scripts.pointerBase = kScriptPtrBaseOwn;
    rd.scripts.set.SetCapacity(kScriptSpaceRelocated);
    rd.romFlags = WithScriptLocation(rd.romFlags, 3) & ~kFlagScriptWarned;
    return RelocationResult::Done();
}

RelocationResult RemoveScriptRelocation(RomData& rd)
{
    const uint32_t location = ScriptLocation(rd.romFlags);
    if (location == 0)
        return RelocationResult::Done();
    if (location != 3)
        return RelocationResult::Refused(reloctext::kNotOurScriptPatch);
    if (rd.scripts.set.Used() > kScriptSpaceOwn)
        return RelocationResult::Refused(reloctext::kScriptsTooBig);
    rd.scripts.pointerBase = kScriptPtrBaseOwn;
    rd.scripts.dataBase = kScriptDataBaseOwn;
    rd.scripts.set.SetCapacity(kScriptSpaceOwn);
    rd.romFlags = WithScriptLocation(rd.romFlags, 0) & ~kFlagScriptWarned;
    return RelocationResult::Done();
}

RelocationResult ApplyDialogueExpansion(RomData& rd)
{
    if (rd.romType != kRomFF3us || rd.imageSize != kImageSize32)
        return RelocationResult::Refused(reloctext::kDialogueNotFF3us32);
    const std::string refusal = DialogEditorRefusal(rd);
    if (!refusal.empty())
        return RelocationResult::Refused(refusal);
    if (HasThirdPage(rd.romFlags))
        return RelocationResult::Done();
    if (Contains(ScriptBanksInUse(rd), kFirstExpandedBank) || Contains(AttackNameBanksInUse(rd), kFirstExpandedBank))
        return RelocationResult::Refused(reloctext::kF0Taken);
    CFF6DynTextObj& dlg = rd.text.townDialogue;
    if (dlg.Empty() || dlg.Count() > kTownDlgSlots - 2)
        return RelocationResult::Refused(reloctext::kTooManyCaptions);
    ResizeDialogue(dlg, kTownDlgSizeThird);
    rd.romFlags = (rd.romFlags | kFlagDialogFF3Edit) & ~kFlagDialogUnknown;
    return RelocationResult::Done();
}

RelocationResult RemoveDialogueExpansion(RomData& rd)
{
    if (rd.romType != kRomFF3us)
        return RelocationResult::Refused(reloctext::kDialogueNotFF3us);
    const std::string refusal = DialogEditorRefusal(rd);
    if (!refusal.empty())
        return RelocationResult::Refused(refusal);
    if (!HasThirdPage(rd.romFlags))
        return RelocationResult::Done();
    CFF6DynTextObj& dlg = rd.text.townDialogue;
    if (dlg.FreeBytes() < static_cast<int>(kThirdPageSize))
        return RelocationResult::Refused(reloctext::kDialogueNotEnoughBytes);
    ResizeDialogue(dlg, kTownDlgSize);
    rd.romFlags &= ~(kFlagDialogFF3Edit | kFlagDialogUnknown);
    return RelocationResult::Done();
}

RelocationResult ApplyAttackNameRelocation(RomData& rd, uint32_t bank)
{
    if (rd.romType == kRomFF6j)
        return RelocationResult::Done(); // the names keep their place and 8 characters
    if (rd.romType != kRomFF3us)
        return RelocationResult::Refused(reloctext::kNamesUnknownHack, true);
    const uint32_t bits = rd.romFlags & (kFlagAttackNamesA | kFlagAttackNamesB);
    if (bits == (kFlagAttackNamesA | kFlagAttackNamesB) || !rd.names.specialAttackNames.loaded)
        return RelocationResult::Refused(reloctext::kNamesUnknownHack);
    const RelocationResult checked = CheckBank(rd, bank, ScriptBanksInUse(rd), reloctext::kBankHoldsScripts);
    if (!checked.ok)
        return checked;
    const uint32_t address = HeaderedToSnes(bank);
    RelayAttackNames(rd.names.specialAttackNames, address, kAttackNamesLongLen);
    rd.romFlags = (rd.romFlags | kFlagAttackNamesB) & ~kFlagAttackNamesA;
    rd.spAttackNameAddr = address;
    rd.spAttackNameLen = kAttackNamesLongLen;
    return RelocationResult::Done();
}

RelocationResult RemoveAttackNameRelocation(RomData& rd)
{
    if (rd.romType == kRomFF6j)
        return RelocationResult::Done();
    const uint32_t bits = rd.romFlags & (kFlagAttackNamesA | kFlagAttackNamesB);
    if (rd.romType != kRomFF3us || bits == (kFlagAttackNamesA | kFlagAttackNamesB) ||
        !rd.names.specialAttackNames.loaded)
        return RelocationResult::Refused(reloctext::kNamesUnknownError);
    if (bits == 0)
        return RelocationResult::Done();
    RelayAttackNames(rd.names.specialAttackNames, kAttackNamesOwnAddr, kAttackNamesOwnLen);
    rd.romFlags &= ~(kFlagAttackNamesA | kFlagAttackNamesB);
    rd.spAttackNameAddr = kAttackNamesOwnAddr;
    rd.spAttackNameLen = kAttackNamesOwnLen;
    return RelocationResult::Done();
}

} // namespace quorvex
