// The item editor's tables for the command line and the JSON document:
// "items" (the 30-byte item records with their names and descriptions),
// "shops", "rare_items" and "item_types". Keys follow the record's byte
// order; packed fields get one key each.
#include "editors/ItemTables.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

namespace quorvex {

namespace {

FieldDesc Byte(const char* key, int byte) { return NumberField(key, ItemRecord, byte); }
FieldDesc Flags(const char* key, int byte, int width = 8) { return BitsField(key, ItemRecord, byte, 0, width); }
FieldDesc Nibble(const char* key, int byte, bool high) { return NumberField(key, ItemRecord, byte, high ? 4 : 0, 4); }

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
    TableDesc t;
    t.name = "items";
    t.count = kItemCount;
    t.fields = {
        NameListField("name", NameListId::Item),
        NumberField("kind", ItemRecord, 0, 0, 4),
        BitsField("kind_flags", ItemRecord, 0, 4, 4),
        Flags("equip", 1, 16),
        Byte("learn_rate", 3),
        ReferenceField("spell_learnt", ItemRecord, 4, 255),
        Flags("item_effects", 5),
        Flags("equip_effects", 6, 16),
        Flags("status1", 8),
        Flags("bonus_checks", 9),
        Flags("byte10", 10),
        Flags("byte11", 11),
        Flags("byte12", 12),
        Flags("byte13", 13),
        Flags("targeting", 14),
        Flags("elements", 15),
        Nibble("speed", 16, true),
        Nibble("vigor", 16, false),
        Nibble("magic_power", 17, true),
        Nibble("stamina", 17, false),
        NumberField("magic_effect", ItemRecord, 18, 0, 6),
        NumberField("random_cast", ItemRecord, 18, 6, 1),
        NumberField("destroy_if_used", ItemRecord, 18, 7, 1),
        Flags("byte19", 19),
        Byte("power", 20),
        Byte("hit_rate", 21),
        Flags("absorb_hp", 22),
        Flags("no_effects", 23),
        Flags("weak", 24),
        Flags("status2", 25),
        Nibble("magic_block", 26, true),
        Nibble("evade", 26, false),
        Nibble("extra_effect", 27, true),
        Nibble("evade_anim", 27, false),
        NumberField("price", ItemRecord, 28, 0, 16),
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
    t.fields = {
        NumberField("kind", ShopRecord, 0, 0, 3),
        NumberField("pricing", ShopRecord, 0, 3, 3),
        NumberField("unused6", ShopRecord, 0, 6, 1),
        NumberField("unused7", ShopRecord, 0, 7, 1),
        ArrayField(ReferenceField("items", ShopRecord, 1, 255), 8, 1),
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
    FieldDesc name;
    name.key = "name";
    name.kind = FieldKind::Text;
    name.getText = [](const RomData& rd, int i) {
        return WideToUtf8(rd.editors.items.typeNames.Decode(static_cast<uint32_t>(i), rd.romType));
    };
    name.setText = [](RomData& rd, int i, const std::string& text) {
        return SetListNameText(rd.editors.items.typeNames, rd.romType, static_cast<uint32_t>(i), text);
    };
    TableDesc t;
    t.name = "item_types";
    t.count = kItemTypeCount;
    t.fields = {name};
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
