// The item editor's tables for the command line and the JSON document:
// "items" (the 30-byte item records with their names and descriptions),
// "shops", "rare_items" and "item_types". Keys follow the record's byte
// order; packed fields get one key each.
#include "editors/ItemTables.h"
#include "rom/RecordFields.h"
#include "rom/RomData.h"

namespace quorvex {

namespace {

std::string ItemDescriptionCliRefusal(const RomData& rd, int)
{
    switch (ItemDescriptionAccess(rd)) {
    case ItemDescAccess::Open: return {};
    case ItemDescAccess::OfferRepair:
        return "Due to the way pointers where originally programmed, Quorvex cannot work with them.\n"
               "\"quorvex-cli items repair-descriptions\" trims down Tools items #163 to #170 so that they can be "
               "edited.";
    case ItemDescAccess::Refuse: break;
    }
    return kItemDescProblem;
}

TableDesc ItemsTable()
{
    const RecordFields item(ItemRecord);
    TableDesc t;
    t.name = "items";
    t.count = kItemCount;
    t.fields = {
        NameListField("name", NameListId::Item),
        item.Number("kind", 0, 0, 4),
        item.Flags("kind_flags", 0, 4, 4),
        item.Flags("equip", 1, 0, 16),
        item.Number("learn_rate", 3),
        item.Reference("spell_learnt", 4, 255),
        item.Flags("item_effects", 5),
        item.Flags("equip_effects", 6, 0, 16),
        item.Flags("status1", 8),
        item.Flags("bonus_checks", 9),
        item.Flags("byte10", 10),
        item.Flags("byte11", 11),
        item.Flags("byte12", 12),
        item.Flags("byte13", 13),
        item.Flags("targeting", 14),
        item.Flags("elements", 15),
        item.Nibble("speed", 16, true),
        item.Nibble("vigor", 16, false),
        item.Nibble("magic_power", 17, true),
        item.Nibble("stamina", 17, false),
        item.Number("magic_effect", 18, 0, 6),
        item.Bit("random_cast", 18, 6),
        item.Bit("destroy_if_used", 18, 7),
        item.Flags("byte19", 19),
        item.Number("power", 20),
        item.Number("hit_rate", 21),
        item.Flags("absorb_hp", 22),
        item.Flags("no_effects", 23),
        item.Flags("weak", 24),
        item.Flags("status2", 25),
        item.Nibble("magic_block", 26, true),
        item.Nibble("evade", 26, false),
        item.Nibble("extra_effect", 27, true),
        item.Nibble("evade_anim", 27, false),
        item.Number("price", 28, 0, 16),
        DescriptionField(
            "description", kKindItemDescriptions,
            [](RomData& rd, int i) {
                CFF6DynTextObj& b = rd.text.itemDescriptions;
                return DescriptionSlot{i < b.Count() ? &b : nullptr, i};
            },
            ItemDescriptionCliRefusal),
    };
    return t;
}

TableDesc ShopsTable()
{
    TableDesc t;
    t.name = "shops";
    t.count = kShopCount;
    const RecordFields shop(ShopRecord);
    t.fields = {
        shop.Number("kind", 0, 0, 3),
        shop.Number("pricing", 0, 3, 3),
        shop.Bit("unused6", 0, 6),
        shop.Bit("unused7", 0, 7),
        ArrayField(shop.Reference("items", 1, 255), 8, 1),
    };
    return t;
}

TableDesc RareItemsTable()
{
    TableDesc t;
    t.name = "rare_items";
    t.count = kRareItemCount;
    t.fields = {
        NameListField("name", NameListId::RareItem),
        DescriptionField(
            "description", kKindDescriptions,
            [](RomData& rd, int i) {
                DescriptionBlock& d = rd.editors.items.rareDescriptions;
                return DescriptionSlot{d.known && i < d.block.Count() ? &d.block : nullptr, i};
            },
            [](const RomData& rd, int) { return RareItemDescriptionRefusal(rd); }),
    };
    return t;
}

TableDesc ItemTypesTable()
{
    TableDesc t;
    t.name = "item_types";
    t.count = kItemTypeCount;
    t.fields = {TextField(
        "name",
        [](const RomData& rd, int i) {
            return WideToUtf8(rd.editors.items.typeNames.Decode(static_cast<uint32_t>(i), rd.romType));
        },
        [](RomData& rd, int i, const std::string& text) {
            return SetListNameText(rd.editors.items.typeNames, rd.romType, static_cast<uint32_t>(i), text);
        })};
    // Where the Japanese release keeps the item type names is not known.
    t.available = [](const RomData& rd) { return rd.editors.items.typeNames.loaded; };
    return t;
}

} // namespace

void AddItemTables(std::vector<TableDesc>& tables)
{
    tables.push_back(ItemsTable());
    tables.push_back(ShopsTable());
    tables.push_back(RareItemsTable());
    tables.push_back(ItemTypesTable());
}

} // namespace quorvex
