// The "monsters" table: a monster's statistics record, its items, the look
// of its special attack, its commands and its two names, as one record per
// monster. Keys follow the statistics record's byte order.
#include "monsters/MonsterRecords.h"
#include "rom/NameLists.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

namespace quorvex {

namespace {

FieldDesc Stat(const char* key, int byte, int width = 8) { return NumberField(key, MonsterStats, byte, 0, width); }
FieldDesc Item(const char* key, int slot) { return ReferenceField(key, MonsterItems, slot, 255); }

} // namespace

void AddMonsterTables(std::vector<TableDesc>& tables)
{
    TableDesc t;
    t.name = "monsters";
    t.count = kMonsterCount;
    FieldDesc rage = ArrayField(ReferenceField("rage_commands", MonsterRageCommands, 0, 255), 2, 1);
    rage.present = [](const RomData&, int i) { return i < kRageMonsterCount; };
    t.fields = {
        NameListField("name", NameListId::Monster),
        NameListField("attack_name", NameListId::SpecialAttack),
        Stat("speed", 0),
        Stat("battle_power", 1),
        Stat("hit_rate", 2),
        Stat("attack_block", 3),
        Stat("magic_block", 4),
        Stat("attack_defence", 5),
        Stat("magic_defence", 6),
        Stat("magic_power", 7),
        Stat("hp", 8, 16),
        Stat("mp", 10, 16),
        Stat("experience", 12, 16),
        Stat("gold", 14, 16),
        Stat("level", 16),
        NumberField("morph_pack", MonsterStats, 17, 0, 5),
        NumberField("morph_rate", MonsterStats, 17, 5, 3),
        // Flag rows 0-15 are bytes 18 and 19, rows 16-23 byte 30.
        SplitField("special_flags", FieldKind::Bits, MonsterStats, {{18, 0, 16}, {30, 0, 8}}),
        BitsField("blocked_statuses", MonsterStats, 20, 0, 24),
        BitsField("elements_absorbed", MonsterStats, 23),
        BitsField("elements_nullified", MonsterStats, 24),
        BitsField("elements_weak", MonsterStats, 25),
        Stat("normal_attack_look", 26),
        BitsField("start_statuses", MonsterStats, 27, 0, 24),
        NumberField("special_effect", MonsterStats, 31, 0, 6),
        NumberField("no_physical_harm", MonsterStats, 31, 6, 1),
        NumberField("cant_be_dodged", MonsterStats, 31, 7, 1),
        NumberField("special_attack_anim", MonsterSpecialAnim, 0),
        Item("steal_rare", 0),
        Item("steal_common", 1),
        Item("drop_rare", 2),
        Item("drop_common", 3),
        ArrayField(ReferenceField("control_commands", MonsterControlCommands, 0, 255), 4, 1),
        ArrayField(ReferenceField("sketch_commands", MonsterSketchCommands, 0, 255), 2, 1),
        rage,
    };
    tables.push_back(std::move(t));
}

} // namespace quorvex
