// The magic editor's tables for the command line and the JSON document:
// "spells" (the 14-byte spell records with their names and, for the spells
// that have one, their menu descriptions) and "espers" (the spells each
// teaches with their learning rates, the level-up bonus, the name and the
// battle quote).
#include "editors/MagicTables.h"
#include "rom/NameLists.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

namespace quorvex {

namespace {

FieldDesc Byte(const char* key, int byte) { return NumberField(key, SpellRecord, byte); }
FieldDesc Flags(const char* key, int byte) { return BitsField(key, SpellRecord, byte); }

FieldDesc SpellNameField()
{
    FieldDesc f;
    f.key = "name";
    f.kind = FieldKind::Text;
    f.getText = [](const RomData& rd, int i) {
        uint32_t index = 0;
        const NameListId id = SpellNameList(i, index);
        return WideToUtf8(GetNameList(rd, id).Decode(index, rd.romType));
    };
    f.setText = [](RomData& rd, int i, const std::string& text) {
        uint32_t index = 0;
        const NameListId id = SpellNameList(i, index);
        return SetNameText(rd, id, index, text);
    };
    return f;
}

FieldDesc SpellDescriptionField()
{
    return DescriptionField(
        "description", kKindDescriptions,
        [](RomData& rd, int spell) {
            int block = 0, index = 0;
            if (!SpellDescriptionOf(spell, block, index))
                return DescriptionSlot{};
            DescriptionBlock& d = rd.editors.magic.spellDescriptions[static_cast<size_t>(block)];
            return DescriptionSlot{d.known && index < d.block.Count() ? &d.block : nullptr, index};
        },
        [](const RomData& rd, int spell) {
            int block = 0, index = 0;
            SpellDescriptionOf(spell, block, index);
            return SpellDescriptionRefusal(rd, block);
        });
}

TableDesc SpellsTable()
{
    TableDesc t;
    t.name = "spells";
    t.count = kSpellCount;
    t.fields = {
        SpellNameField(),
        Flags("targeting", 0),
        Flags("elements", 1),
        Flags("special1", 2),
        Flags("damage_type", 3),
        Flags("special2", 4),
        Byte("mp_cost", 5),
        Byte("power", 6),
        Flags("special3", 7),
        Byte("success_rate", 8),
        Byte("effect", 9),
        Flags("status1", 10),
        Flags("status2", 11),
        Flags("status3", 12),
        Flags("status4", 13),
        SpellDescriptionField(),
    };
    return t;
}

TableDesc EspersTable()
{
    TableDesc t;
    t.name = "espers";
    t.count = kEsperCount;
    t.fields = {
        NameListField("name", NameListId::Esper),
        ArrayField(ReferenceField("spells", EsperRecord, 1, 255), 5, 2),
        ArrayField(NumberField("learn_rates", EsperRecord, 0), 5, 2),
        NumberField("bonus", EsperRecord, 10),
        FixedTextField("quote", kKindEsperNames, kEsperQuoteSize, EsperQuote),
    };
    return t;
}

} // namespace

void AddMagicTables(std::vector<TableDesc>& tables)
{
    tables.push_back(SpellsTable());
    tables.push_back(EspersTable());
}

} // namespace quorvex
