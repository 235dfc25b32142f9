#include "editors/ItemTables.h"

#include "rom/RomData.h"

namespace quorvex {

namespace {

// Where each of the eight tools 163-170 has its "Use with "Tools" command"
// line in the game's own description text: the repair ends the description
// there.
constexpr uint32_t kToolLineStarts[] = {0x8E2, 0x913, 0x944, 0x97A, 0x9AD, 0x9E4, 0xA1C, 0xA4E};

TextPageConfig DescriptionConfig(CFF6DynTextObj* block, int32_t kind, int index)
{
    TextPageConfig c;
    c.block = block;
    c.kind = kind;
    c.index = index;
    c.captioned = true;
    c.layout = {9, 9, 9, 30, 2, 0, kStyleBattle};
    return c;
}

} // namespace

const TextBlockPlace* RareItemDescriptionPlace(uint8_t romType)
{
    // 20 pointers, offsets into 0x350 bytes of text that run to the end of
    // the bank.
    static const TextBlockPlace us{0xEFB60, 0xEFCB0, 0x350, kRareItemCount, kScanBattle, 0};
    return romType == kRomFF3us ? &us : nullptr;
}

uint8_t* ItemRecord(RomData& rd, int item) { return rd.editors.items.records.RecordAt(item, kItemRecordSize); }
uint8_t* ShopRecord(RomData& rd, int shop) { return rd.editors.items.shops.RecordAt(shop, kShopRecordSize); }

void LoadItems(ImageFile& f, RomData& rd)
{
    ItemTables& t = rd.editors.items;
    t.records.Load(f, kItemRecordsRom, kItemCount * kItemRecordSize);
    t.shops.Load(f, kShopsRom, kShopCount * kShopRecordSize);
    t.typeNames.Clear();
    if (rd.romType == kRomFF3us)
        t.typeNames.Load(f, kItemTypeNamesRom, kItemTypeNameLen, kItemTypeCount);
    LoadDescriptionBlock(f, rd, t.rareDescriptions, RareItemDescriptionPlace(rd.romType), kFlagRareItemDescAnomaly);
}

void StoreItems(ImageFile& f, RomData& rd)
{
    ItemTables& t = rd.editors.items;
    t.records.Store(f);
    t.shops.Store(f);
    t.typeNames.Store(f);
    StoreDescriptionBlock(f, rd, t.rareDescriptions, kFlagRareItemDescAnomaly);
}

ItemDescAccess ItemDescriptionAccess(const RomData& rd)
{
    const CFF6DynTextObj& b = rd.text.itemDescriptions;
    if (!b.Empty() && (rd.romFlags & kFlagItemDescAnomaly) == 0 && b.FreeBytes() >= 0)
        return ItemDescAccess::Open;
    return ItemDescRepairPossible(rd) ? ItemDescAccess::OfferRepair : ItemDescAccess::Refuse;
}

bool ItemDescRepairPossible(const RomData& rd)
{
    const uint32_t both = kFlagItemDescPtrPrint | kFlagItemDescTextPrint;
    return rd.romType == kRomFF3us && (rd.romFlags & both) == both && !rd.text.itemDescriptions.Empty();
}

bool RepairItemDescriptions(RomData& rd)
{
    if (!ItemDescRepairPossible(rd))
        return false;
    CFF6DynTextObj& b = rd.text.itemDescriptions;
    std::vector<uint8_t> data, pointers;
    b.ExportTo16(data, pointers);
    for (uint32_t at : kToolLineStarts)
        if (at < data.size())
            data[at] = 0x00;
    rd.romFlags &= ~kFlagItemDescTextPrint;
    const int flags = b.LoadFrom16(pointers, data);
    rd.romFlags = (flags & kTextUnterminated) ? (rd.romFlags | kFlagItemDescAnomaly)
                                              : (rd.romFlags & ~kFlagItemDescAnomaly);
    return true;
}

std::string RareItemDescriptionRefusal(const RomData& rd)
{
    const DescriptionBlock& d = rd.editors.items.rareDescriptions;
    return DescriptionRefusal(rd, d.block, d.known, kFlagRareItemDescAnomaly, kRareItemDescProblem,
                              "Rare Item Descriptions");
}

TextPageConfig ItemDescriptionPageConfig(RomData& rd, int index)
{
    return DescriptionConfig(&rd.text.itemDescriptions, kKindItemDescriptions, index);
}

TextPageConfig RareItemDescriptionPageConfig(RomData& rd, int index)
{
    return DescriptionConfig(&rd.editors.items.rareDescriptions.block, kKindDescriptions, index);
}

} // namespace quorvex
