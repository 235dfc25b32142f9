#include "text/TextTables.h"

#include <algorithm>

#include "rom/PatchDetect.h"
#include "rom/RomData.h"

namespace quorvex {

namespace {

// Reference digests of the North American release's own blocks. When both
// digests of a block match, its editor may repair the game's own text.
constexpr const char* kBtlMsgPtrDigest = "f89229198e5bb14afa1f600b5ace85f1";
constexpr const char* kBtlMsgTextDigest = "509143682bd900b1b419fc49dbe5efe4";
constexpr const char* kItemDescPtrDigest = "705b6e1818d616cc6d869702d58c7827";
constexpr const char* kItemDescTextDigest = "643714014c3d4e68d2e6344009b91525";

void SetFlag(RomData& rd, uint32_t bit, bool on)
{
    rd.romFlags = on ? (rd.romFlags | bit) : (rd.romFlags & ~bit);
}

// Reads a 16-bit-pointer block; returns its validation flags.
int LoadBlock(ImageFile& f, const TextBlockPlace& at, CFF6DynTextObj& block, RawTable& ptrRaw, RawTable& textRaw)
{
    ptrRaw.Load(f, at.pointers, static_cast<size_t>(at.count) * 2);
    textRaw.Load(f, at.text, static_cast<size_t>(at.size));
    block.Init(at.mode, at.count, at.size, at.count, at.base);
    return block.LoadFrom16(ptrRaw.bytes, textRaw.bytes);
}

// Writes a block back: as read when its load found it unparsable, else from
// the model.
void StoreBlock(ImageFile& f, const CFF6DynTextObj& block, const RawTable& ptrRaw, const RawTable& textRaw,
                bool problem)
{
    if (problem || block.Empty()) {
        ptrRaw.Store(f);
        textRaw.Store(f);
        return;
    }
    std::vector<uint8_t> data, pointers;
    block.ExportTo16(data, pointers);
    f.WriteRom(ptrRaw.romOffset, pointers);
    f.WriteRom(textRaw.romOffset, data);
}

// The load ends the game routine's list at the first slot from 3083 on
// whose pointer reads 0xFFFF. A string that the packing of an edit put at
// offset 0xFFFF exactly would end the list there on reopening, and the next
// save would drop it and every later string. One filler byte in front of it
// moves it (and the strings after it) to 0x10000 on; the byte comes out of
// the free space at the end of the block. Without free space, or with a
// string running over offset 0xFFFF, the layout is written as it is.
void KeepListEndClear(const CFF6DynTextObj& dlg, std::vector<uint32_t>& p, std::vector<uint8_t>& data)
{
    const int count = dlg.Count();
    bool collides = false;
    for (int k = kTownDlgMinCount; k < count; ++k)
        collides = collides || p[static_cast<size_t>(k)] == 0xFFFF;
    if (!collides)
        return;
    uint64_t end = 0;
    for (int j = 0; j < count; ++j) {
        const uint64_t start = p[static_cast<size_t>(j)];
        const uint64_t stop = start + static_cast<uint64_t>(std::max(dlg.StringLength(j), 0)) + 1;
        if (start < 0xFFFF && stop > 0xFFFF)
            return;
        end = std::max(end, stop);
    }
    if (data.size() <= 0xFFFF || end >= data.size())
        return;
    data.insert(data.begin() + 0xFFFF, 0xFF);
    data.pop_back();
    for (int j = 0; j < count; ++j)
        if (p[static_cast<size_t>(j)] >= 0xFFFF)
            ++p[static_cast<size_t>(j)];
}

uint32_t TownDlgSize(const RomData& rd)
{
    if (rd.romType == kRomFF6j)
        return kTownDlgSizeJp;
    return HasThirdPage(rd.romFlags) ? kTownDlgSizeThird : kTownDlgSize;
}

void LoadLocationNames(ImageFile& f, RomData& rd)
{
    TextTables& t = rd.text;
    const bool jp = rd.romType == kRomFF6j;
    const std::vector<uint8_t> raw = f.ReadRom(kLocNamePointers, kLocNameSlots * 2);
    int count = kLocNameSlots;
    for (int i = 73; i < kLocNameSlots; ++i) {
        const uint16_t p = ReadLe16(&raw[2 * static_cast<size_t>(i)]);
        if (jp ? p > 0x9000 : p == 0xFFFF) {
            count = i;
            break;
        }
    }
    const uint32_t at = jp ? 0x2684C0 : 0xEF100;
    const int32_t size = jp ? 0x2C0 : 0x500;
    t.locationNames.Init(kScanDialogue, count, size, kLocNameSlots, 0);
    t.locationNames.LoadFrom16(raw, f.ReadRom(at, static_cast<size_t>(size)));
}

void StoreLocationNames(ImageFile& f, const RomData& rd)
{
    const CFF6DynTextObj& names = rd.text.locationNames;
    if (names.Empty())
        return;
    std::vector<uint8_t> data, pointers;
    names.ExportTo16(data, pointers);
    f.WriteRom(kLocNamePointers, pointers);
    f.WriteRom(rd.romType == kRomFF6j ? 0x2684C0 : 0xEF100, data);
}

} // namespace

TextBlockPlace BattleMessagePlace(uint8_t romType)
{
    // The pointers are the low 16 bits of the strings' addresses in bank $CF.
    if (romType == kRomFF6j)
        return {0xFE000, 0xFE400, 0x1000, 256, kScanBattle, 0xE400};
    return {0xFDFE0, 0xFE1E0, 0x1270, 256, kScanBattle, 0xE1E0};
}

TextBlockPlace MonsterDialoguePlace(uint8_t romType)
{
    // Addresses in bank $D0.
    if (romType == kRomFF6j)
        return {0x10FC00, 0x10D200, 7578, 256, kScanBattle, 0xD200};
    return {0x10D000, 0x10D200, 0x2B00, 256, kScanBattle, 0xD200};
}

TextBlockPlace ItemDescriptionPlace(uint8_t romType)
{
    // The pointers are offsets into the text.
    if (romType == kRomFF6j)
        return {0x2D6400, 0x186E00, 0x1000, 256, kScanDialogue, 0};
    return {0x2D6400, 0x2D7AA0, 0x13A0, 256, kScanDialogue, 0};
}

bool HasThirdPage(uint32_t romFlags)
{
    return (romFlags & (kFlagDialogFF3Edit | kFlagDialogUnknown)) == kFlagDialogFF3Edit;
}

bool DialogueRoutineUnknown(uint32_t romFlags)
{
    return (romFlags & (kFlagDialogFF3Edit | kFlagDialogUnknown)) == kFlagDialogUnknown;
}

void LoadBattleTexts(ImageFile& f, RomData& rd)
{
    TextTables& t = rd.text;
    const int msgFlags =
        LoadBlock(f, BattleMessagePlace(rd.romType), t.battleMessages, t.battleMsgPointersRaw, t.battleMsgTextRaw);
    const int dlgFlags = LoadBlock(f, MonsterDialoguePlace(rd.romType), t.monsterDialogue, t.monsterDlgPointersRaw,
                                   t.monsterDlgTextRaw);
    SetFlag(rd, kFlagBtlMsgPtrPrint, DigestMatches(t.battleMsgPointersRaw.bytes, kBtlMsgPtrDigest));
    SetFlag(rd, kFlagBtlMsgTextPrint, DigestMatches(t.battleMsgTextRaw.bytes, kBtlMsgTextDigest));
    SetFlag(rd, kFlagBtlMsgAnomaly, (msgFlags & kTextUnterminated) != 0);
    SetFlag(rd, kFlagMstDlgAnomaly, (dlgFlags & kTextUnterminated) != 0);
}

void StoreBattleTexts(ImageFile& f, RomData& rd)
{
    TextTables& t = rd.text;
    StoreBlock(f, t.battleMessages, t.battleMsgPointersRaw, t.battleMsgTextRaw,
               (rd.romFlags & kFlagBtlMsgAnomaly) != 0);
    StoreBlock(f, t.monsterDialogue, t.monsterDlgPointersRaw, t.monsterDlgTextRaw,
               (rd.romFlags & kFlagMstDlgAnomaly) != 0);
}

void LoadItemDescriptions(ImageFile& f, RomData& rd)
{
    TextTables& t = rd.text;
    const int flags = LoadBlock(f, ItemDescriptionPlace(rd.romType), t.itemDescriptions, t.itemDescPointersRaw,
                                t.itemDescTextRaw);
    SetFlag(rd, kFlagItemDescPtrPrint, DigestMatches(t.itemDescPointersRaw.bytes, kItemDescPtrDigest));
    SetFlag(rd, kFlagItemDescTextPrint, DigestMatches(t.itemDescTextRaw.bytes, kItemDescTextDigest));
    SetFlag(rd, kFlagItemDescAnomaly, (flags & kTextUnterminated) != 0);
}

void StoreItemDescriptions(ImageFile& f, RomData& rd)
{
    StoreBlock(f, rd.text.itemDescriptions, rd.text.itemDescPointersRaw, rd.text.itemDescTextRaw,
               (rd.romFlags & kFlagItemDescAnomaly) != 0);
}

void LoadDialogue(ImageFile& f, RomData& rd)
{
    TextTables& t = rd.text;
    const bool jp = rd.romType == kRomFF6j;
    t.thirdPageLoadedBytes = 0;
    t.dte.Unload();
    t.multiTile.Reset();
    t.townDialogue.Reset();
    rd.romFlags &= ~kFlagTownDlgPtrs;
    if (!DialogueRoutineUnknown(rd.romFlags)) {
        if (jp) {
            t.multiTile.Init(kScanDialogue, kMteStrings, kMteSize, kMteStrings, kMteTableData);
            t.multiTile.LoadFrom16(f.ReadRom(kMteTablePointers, kMteStrings * 2), f.ReadRom(kMteTableData, kMteSize));
        } else {
            f.ReadRom(kDteTableRom, t.dte.bytes.data(), t.dte.bytes.size());
        }

        const std::vector<uint8_t> head = f.ReadRom(kTownDlgSplit, 4 + kTownDlgSlots * 2);
        const uint32_t split = ReadLe16(head.data());
        std::vector<uint32_t> p(kTownDlgSlots);
        for (int i = 0; i < kTownDlgSlots; ++i)
            p[static_cast<size_t>(i)] = ReadLe16(&head[4 + 2 * static_cast<size_t>(i)]);
        const bool third = !jp && HasThirdPage(rd.romFlags);
        const uint32_t size = TownDlgSize(rd);

        int count = kTownDlgSlots - 1;
        if (jp) {
            count = kTownDlgMinCount;
        } else if (!third) {
            for (int i = kTownDlgMinCount; i < kTownDlgSlots; ++i)
                if (p[static_cast<size_t>(i)] == 0xFFFF) {
                    count = i;
                    break;
                }
        } else {
            count = kTownDlgSlots - 2;
            for (int i = kTownDlgMinCount; i < kTownDlgSlots - 1; i += 2) {
                if (p[static_cast<size_t>(i)] == p[static_cast<size_t>(i) - 1]) {
                    count = i - 1;
                    break;
                }
                if (p[static_cast<size_t>(i) + 1] == p[static_cast<size_t>(i)]) {
                    count = i;
                    break;
                }
            }
        }

        std::vector<uint8_t> data = f.ReadRom(kTownDlgData, size);
        if (third) {
            const std::vector<uint8_t> page = f.ReadRom(kThirdPageRom, kThirdPageSize);
            std::copy(page.begin(), page.end(), data.begin() + kTownDlgSize);
            const std::vector<uint8_t> idx = f.ReadRom(kThirdPageIndexes, 6);
            const uint32_t a = ReadLe16(&idx[0]);
            const uint32_t b = ReadLe16(&idx[3]);
            for (int i = 0; i < kTownDlgSlots; ++i) {
                uint32_t& v = p[static_cast<size_t>(i)];
                if (static_cast<uint32_t>(i) + 1 >= b)
                    v += kTownDlgSize;
                else if (static_cast<uint32_t>(i) + 1 >= a)
                    v += 0x10000;
            }
        } else {
            for (int i = 0; i < kTownDlgSlots; ++i)
                if (static_cast<uint32_t>(i) + 1 >= split)
                    p[static_cast<size_t>(i)] += 0x10000;
        }
        t.townDialogue.Init(kScanDialogue, count, static_cast<int32_t>(size), kTownDlgSlots, 0);
        const int flags = t.townDialogue.LoadFrom32(p, data);
        if (flags & (kTextUnterminated | kTextOutOfOrder))
            rd.romFlags |= kFlagTownDlgPtrs;
        if (third)
            t.thirdPageLoadedBytes = (rd.romFlags & kFlagTownDlgPtrs) ? kThirdPageSize
                                                                     : LayOutThirdPage(t.townDialogue).usedBytes;
    }
    LoadLocationNames(f, rd);
}

ThirdPageLayout LayOutThirdPage(const CFF6DynTextObj& dlg)
{
    ThirdPageLayout lay;
    const int count = dlg.Count();
    lay.firstSlot = count;
    for (int i = 0; i < count; ++i) {
        const int64_t end = static_cast<int64_t>(dlg.Pointer(i)) + std::max(dlg.StringLength(i), 0) + 1;
        if (end > kTownDlgSize) {
            lay.firstSlot = i;
            break;
        }
    }
    uint64_t used = 0;
    for (int i = lay.firstSlot; i < count; ++i)
        used += static_cast<uint64_t>(std::max(dlg.StringLength(i), 0)) + 1;
    lay.fits = used <= kThirdPageSize;
    lay.usedBytes = static_cast<uint32_t>(std::min<uint64_t>(used, kThirdPageSize));
    return lay;
}

ThirdPageLayout LayOutThirdPage(const PackedTextLayout& packed)
{
    // Packed, slot i ends at the offset of slot i + 1: the first that ends
    // past the two pages starts the third, and the rest follow it there.
    ThirdPageLayout lay;
    lay.firstSlot = packed.FirstSlotEndingPast(kTownDlgSize);
    const uint64_t used = packed.Total() - packed.Offset(lay.firstSlot);
    lay.fits = used <= kThirdPageSize;
    lay.usedBytes = static_cast<uint32_t>(std::min<uint64_t>(used, kThirdPageSize));
    return lay;
}

bool TownDialogueFits(const CFF6DynTextObj& dlg, uint32_t romFlags)
{
    if (!HasThirdPage(romFlags))
        return true;
    return dlg.Count() <= kTownDlgSlots - 2 && LayOutThirdPage(dlg).fits;
}

bool TownDialogueFits(const PackedTextLayout& packed, uint32_t romFlags)
{
    if (!HasThirdPage(romFlags))
        return true;
    return packed.Count() <= kTownDlgSlots - 2 && LayOutThirdPage(packed).fits;
}

int TownDialogueMaxStrings(const RomData& rd)
{
    // The game's routine ends the list at the first unused slot (0xFFFF), the
    // third page at two equal pointers; the Japanese release always reads
    // its fixed count.
    if (rd.romType == kRomFF6j)
        return kTownDlgMinCount;
    return HasThirdPage(rd.romFlags) ? kTownDlgSlots - 2 : kTownDlgSlots - 1;
}

void StoreDialogue(ImageFile& f, RomData& rd)
{
    TextTables& t = rd.text;
    const bool jp = rd.romType == kRomFF6j;
    if (DialogueRoutineUnknown(rd.romFlags) || (rd.romFlags & kFlagTownDlgPtrs)) {
        t.dte.Unload();
        t.multiTile.Reset();
        t.townDialogue.Reset();
        StoreLocationNames(f, rd);
        return;
    }
    if (jp) {
        if (!t.multiTile.Empty()) {
            std::vector<uint8_t> data, pointers;
            t.multiTile.ExportTo16(data, pointers);
            f.WriteRom(kMteTablePointers, pointers);
            f.WriteRom(kMteTableData, data);
        }
    } else {
        f.WriteRom(kDteTableRom, t.dte.bytes.data(), t.dte.bytes.size());
    }

    const CFF6DynTextObj& dlg = t.townDialogue;
    const bool third = !jp && HasThirdPage(rd.romFlags);
    // Should the strings ever not fit the third-page layout, the image keeps
    // the dialogue it has rather than receiving a broken one.
    if (dlg.Empty() || (third && !TownDialogueFits(dlg, rd.romFlags))) {
        StoreLocationNames(f, rd);
        return;
    }
    std::vector<uint32_t> p = dlg.Pointers();
    std::vector<uint8_t> data = dlg.Data();
    if (!third && !jp)
        KeepListEndClear(dlg, p, data);
    uint32_t split = kTownDlgSlots + 1;
    for (int i = 0; i < kTownDlgSlots; ++i)
        if (p[static_cast<size_t>(i)] > 0xFFFF) {
            split = static_cast<uint32_t>(i) + 1;
            break;
        }
    uint8_t head[4];
    WriteLe16(head, static_cast<uint16_t>(split));
    WriteLe16(head + 2, 0);
    f.WriteRom(kTownDlgSplit, head, 4);

    std::vector<uint8_t> ptrBytes(kTownDlgSlots * 2);
    const int count = dlg.Count();
    if (!third) {
        for (int i = count; i < kTownDlgSlots; ++i)
            p[static_cast<size_t>(i)] = 0xFFFF;
        for (int i = 0; i < kTownDlgSlots; ++i)
            WriteLe16(&ptrBytes[2 * static_cast<size_t>(i)], static_cast<uint16_t>(p[static_cast<size_t>(i)]));
        f.WriteRom(kTownDlgPointers, ptrBytes);
        f.WriteRom(kTownDlgData, data);
        if (!jp)
            f.WriteRom(kDialogueRoutine, kDialogueRoutineOwn, 38);
        StoreLocationNames(f, rd);
        return;
    }

    const ThirdPageLayout lay = LayOutThirdPage(dlg);
    const bool hasThird = lay.firstSlot < count;
    const uint32_t a = 0xCD0000 | (split & 0xFFFF);
    const uint32_t b = hasThird ? (0xCE0000 | static_cast<uint32_t>(lay.firstSlot + 1)) : 0xCEFFFF;
    const uint32_t c = hasThird ? 0xF0FFFF : 0xFFFFFF;
    std::vector<uint8_t> page;
    uint32_t end = 0;
    for (int i = 0; i < count; ++i) {
        const int len = std::max(dlg.StringLength(i), 0);
        if (i < lay.firstSlot) {
            end = p[static_cast<size_t>(i)] + static_cast<uint32_t>(len) + 1;
            continue;
        }
        p[static_cast<size_t>(i)] = static_cast<uint32_t>(page.size());
        const std::vector<uint8_t> s = dlg.GetString(i);
        page.insert(page.end(), s.begin(), s.end());
        page.push_back(0x00);
        end = static_cast<uint32_t>(page.size());
    }
    for (int i = count; i < kTownDlgSlots - 1; ++i)
        p[static_cast<size_t>(i)] = end;
    p[kTownDlgSlots - 1] = 0xFFFF;
    for (int i = 0; i < kTownDlgSlots; ++i)
        WriteLe16(&ptrBytes[2 * static_cast<size_t>(i)], static_cast<uint16_t>(p[static_cast<size_t>(i)]));
    f.WriteRom(kTownDlgPointers, ptrBytes);

    uint8_t idx[11];
    WriteLe24(idx, a);
    WriteLe24(idx + 3, b);
    if ((b & 0xFFFF) != 0xFFFF) {
        WriteLe24(idx + 6, c);
        WriteLe16(idx + 9, kTownDlgSlots);
    } else {
        WriteLe16(idx + 6, kTownDlgSlots);
        WriteLe24(idx + 8, c);
    }
    f.WriteRom(kThirdPageIndexes, idx, sizeof idx);

    std::vector<uint8_t> second(kTownDlgSize, 0xFF);
    const uint32_t secondEnd = hasThird ? dlg.Pointer(lay.firstSlot) : static_cast<uint32_t>(kTownDlgSize);
    std::copy(dlg.Data().begin(), dlg.Data().begin() + std::min<uint32_t>(secondEnd, kTownDlgSize), second.begin());
    f.WriteRom(kTownDlgData, second);
    if (!page.empty())
        f.WriteRom(kThirdPageRom, page);
    f.WriteRom(kDialogueRoutine, kDialogueRoutineFF3Edit, 38);
    StoreLocationNames(f, rd);
}

uint32_t ThirdPageUsedBytes(const RomData& rd)
{
    if (rd.romType != kRomFF3us || !HasThirdPage(rd.romFlags))
        return 0;
    // Dialogue that is not written back keeps the place it had.
    if ((rd.romFlags & kFlagTownDlgPtrs) || rd.text.townDialogue.Empty() ||
        !TownDialogueFits(rd.text.townDialogue, rd.romFlags))
        return rd.text.thirdPageLoadedBytes;
    return LayOutThirdPage(rd.text.townDialogue).usedBytes;
}

} // namespace quorvex
