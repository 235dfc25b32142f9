// The magic editor's tables for the command line and the JSON document:
// "spells" (the 14-byte spell records with their names and, for the spells
// that have one, their menu descriptions) and "espers" (the spells each
// teaches with their learning rates, the level-up bonus, the name and the
// battle quote).
#include "editors/MagicTables.h"
#include "rom/NameLists.h"
#include "rom/RecordFields.h"
#include "rom/RomData.h"

namespace quorvex {

namespace {

// Spells, espers and attacks keep their names in name lists of their own.
FieldDesc SpellNameField()
{
    return TextField(
        "name",
        [](const RomData& rd, int i) {
            uint32_t index = 0;
            const NameListId id = SpellNameList(i, index);
            return WideToUtf8(GetNameList(rd, id).Decode(index, rd.romType));
        },
        [](RomData& rd, int i, const std::string& text) {
            uint32_t index = 0;
            const NameListId id = SpellNameList(i, index);
            return SetNameText(rd, id, index, text);
        });
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
    const RecordFields spell(SpellRecord);
    TableDesc t;
    t.name = "spells";
    t.count = kSpellCount;
    t.fields = {
        SpellNameField(),
        spell.Flags("targeting", 0),
        spell.Flags("elements", 1),
        spell.Flags("special1", 2),
        spell.Flags("damage_type", 3),
        spell.Flags("special2", 4),
        spell.Number("mp_cost", 5),
        spell.Number("power", 6),
        spell.Flags("special3", 7),
        spell.Number("success_rate", 8),
        spell.Number("effect", 9),
        spell.Flags("status1", 10),
        spell.Flags("status2", 11),
        spell.Flags("status3", 12),
        spell.Flags("status4", 13),
        SpellDescriptionField(),
    };
    return t;
}

TableDesc EspersTable()
{
    const RecordFields esper(EsperRecord);
    TableDesc t;
    t.name = "espers";
    t.count = kEsperCount;
    t.fields = {
        NameListField("name", NameListId::Esper),
        ArrayField(esper.Reference("spells", 1, 255), 5, 2),
        ArrayField(esper.Number("learn_rates", 0), 5, 2),
        esper.Number("bonus", 10),
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
