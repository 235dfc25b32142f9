// The battle animation tables on the command line: the five 14-byte tables
// and the two 8-byte ones, one description each. Palette numbers name one
// of the 240 animation palettes.
#include "editors/BattleAnimTables.h"
#include "rom/TableDesc.h"

namespace quorvex {

namespace {

template <AnimMode M>
uint8_t* Record(RomData& rd, int i)
{
    return AnimRecord(rd, M, i);
}

FieldDesc Palette(const char* key, RecordBytesFn source, int byte)
{
    return NumberField(key, source, byte, 0, 8, 0, kMaxAnimPalette);
}

std::vector<FieldDesc> FourteenByteFields(RecordBytesFn r)
{
    return {
        NumberField("idx0", r, 0, 0, 16), NumberField("idx1", r, 2, 0, 16), NumberField("idx2", r, 4, 0, 16),
        Palette("pal0", r, 6),            Palette("pal1", r, 7),            Palette("pal2", r, 8),
        NumberField("sound_fx", r, 9),    NumberField("byte10", r, 10),     NumberField("idx3", r, 11, 0, 16),
        NumberField("speed", r, 13),
    };
}

std::vector<FieldDesc> EightByteFields(RecordBytesFn r)
{
    return {
        NumberField("right_hand", r, 0), NumberField("left_hand", r, 1), Palette("weapon_palette", r, 2),
        NumberField("attack", r, 3),     Palette("attack_palette", r, 4), BitsField("flags", r, 5),
        NumberField("sound_fx", r, 6),   NumberField("byte7", r, 7),
    };
}

template <AnimMode M>
TableDesc AnimTable()
{
    TableDesc t;
    t.name = AnimInfo(M).table;
    t.count = AnimInfo(M).count;
    t.fields = AnimInfo(M).recordSize == 14 ? FourteenByteFields(Record<M>) : EightByteFields(Record<M>);
    return t;
}

} // namespace

void AddBattleAnimTables(std::vector<TableDesc>& tables)
{
    tables.push_back(AnimTable<AnimMode::Spells>());
    tables.push_back(AnimTable<AnimMode::Tools>());
    tables.push_back(AnimTable<AnimMode::Items>());
    tables.push_back(AnimTable<AnimMode::Block1>());
    tables.push_back(AnimTable<AnimMode::Block2>());
    tables.push_back(AnimTable<AnimMode::Weapons>());
    tables.push_back(AnimTable<AnimMode::EnemySpecials>());
}

} // namespace quorvex
