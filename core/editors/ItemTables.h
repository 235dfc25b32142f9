#pragma once
// The item editor's tables: the 256 item records (30 bytes each at
// 0x185000), the 128 shops (9 bytes each at 0x47AC0), the 16 item type
// names (7 bytes each at 0x126F00; where the Japanese release keeps them is
// not known, so there they are neither read nor written) and the rare
// items' menu descriptions. The item names, rare item names and the item
// descriptions live with the other names and text blocks.
#include <cstdint>
#include <string>

#include "editors/DescriptionBlock.h"
#include "rom/NameLists.h"
#include "rom/RawTable.h"
#include "text/TextPage.h"

namespace quorvex {

struct RomData;

constexpr int kItemCount = 256;
constexpr int kItemRecordSize = 30;
constexpr int kShopCount = 128;
constexpr int kShopRecordSize = 9;
constexpr int kRareItemCount = 20;
constexpr int kItemTypeCount = 16;

struct ItemTables {
    RawTable records;
    RawTable shops;
    NameList typeNames;
    DescriptionBlock rareDescriptions;
};

constexpr uint32_t kItemRecordsRom = 0x185000;
constexpr uint32_t kShopsRom = 0x47AC0;
constexpr uint32_t kItemTypeNamesRom = 0x126F00; // North American release
constexpr uint32_t kItemTypeNameLen = 7;

// Where the rare item descriptions lie in a release; null where it is not
// known (the Japanese release keeps the text at 0xEFC90, its pointers at a
// place not known).
const TextBlockPlace* RareItemDescriptionPlace(uint8_t romType);

// The bytes of a record, or null when the image holds none.
uint8_t* ItemRecord(RomData& rd, int item);
uint8_t* ShopRecord(RomData& rd, int shop);

// Items, shops, item types and rare item descriptions.
void LoadItems(ImageFile& f, RomData& rd);
void StoreItems(ImageFile& f, RomData& rd);

constexpr const char* kItemDescProblem =
    "Problem parsing Item Descriptions, probably due to hex edited pointers.\nSorry, Quorvex can't edit them.";
constexpr const char* kItemDescRepairQuestion =
    "Due to the way pointers where originally programmed, Quorvex cannot work with them.\nWill you let Quorvex trim "
    "down Tools items #163 to #170?\nSpecifically, this operation would remove the rather useless \"Use with "
    "\"Tools\" command\" part.";
constexpr const char* kRareItemDescProblem =
    "Problem parsing Rare Item Descriptions, probably due to hex edited pointers.\nSorry, Quorvex can't edit them.";

// What the "Menu Description" button of an item does.
enum class ItemDescAccess { Open, OfferRepair, Refuse };
ItemDescAccess ItemDescriptionAccess(const RomData& rd);

// The game's own descriptions (both fingerprints, North American release)
// run over one another where the eight tools 163-170 end in the same
// "Use with "Tools" command" line. The repair ends those eight descriptions
// before that line, so that every description has bytes of its own.
bool ItemDescRepairPossible(const RomData& rd);
// Repairs when possible (then the repair is no longer offered); false when
// it is not possible (nothing changed).
bool RepairItemDescriptions(RomData& rd);

std::string RareItemDescriptionRefusal(const RomData& rd);

// The text editor on the item descriptions (kind 7) and on the rare item
// descriptions (kind 8), with string `index` selected.
TextPageConfig ItemDescriptionPageConfig(RomData& rd, int index);
TextPageConfig RareItemDescriptionPageConfig(RomData& rd, int index);

} // namespace quorvex
