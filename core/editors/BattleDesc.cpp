// The Battle Editor's tables as the command line and the JSON document see
// them: commands, magitek, blitz_inputs, dances and statuses.
#include "editors/BattleRules.h"
#include "editors/BattleTables.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

namespace quorvex {

namespace {

// Record i of a raw table of fixed-size records, or null past its end.
uint8_t* RecordOf(RawTable& t, int i, int size)
{
    const size_t at = static_cast<size_t>(i) * static_cast<size_t>(size);
    return i >= 0 && at + static_cast<size_t>(size) <= t.bytes.size() ? t.bytes.data() + at : nullptr;
}

uint8_t* Command(RomData& rd, int i) { return RecordOf(rd.battle.commands, i, kCommandRecordSize); }
uint8_t* BlitzInput(RomData& rd, int i) { return RecordOf(rd.battle.blitzInputs, i, kBlitzRecordSize); }
uint8_t* DanceMoves(RomData& rd, int i) { return RecordOf(rd.battle.danceMoves, i, kDanceMoves); }
uint8_t* DanceBackground(RomData& rd, int i) { return RecordOf(rd.battle.danceBackgrounds, i, 1); }

// MagiTek slot i: its targeting byte, the first actor's attack 8 bytes
// later and the other actors' attack 16 bytes later.
uint8_t* MagitekSlot(RomData& rd, int i)
{
    std::vector<uint8_t>& b = rd.battle.magitek.bytes;
    return i >= 0 && i < kMagitekSlots && b.size() >= 3u * kMagitekSlots ? b.data() + i : nullptr;
}

// The eleven presses. Changing one rebuilds byte 11, which the game reads
// as twice the number of presses before the first 0.
FieldDesc BlitzPresses()
{
    FieldDesc f = ArrayField(NumberField("presses", BlitzInput, 0), kBlitzPresses, 1);
    f.set = [](RomData& rd, int record, int element, int64_t value) {
        uint8_t* rec = BlitzInput(rd, record);
        if (!rec)
            return;
        rec[element] = static_cast<uint8_t>(value);
        rec[kBlitzPresses] = BlitzLengthByte(rec);
    };
    return f;
}

} // namespace

void AddBattleTables(std::vector<TableDesc>& tables)
{
    TableDesc commands;
    commands.name = "commands";
    commands.count = kBattleCommands;
    commands.fields = {NameListField("name", NameListId::Command), BitsField("attributes", Command, 0),
                       BitsField("targeting", Command, 1)};
    tables.push_back(std::move(commands));

    TableDesc magitek;
    magitek.name = "magitek";
    magitek.count = kMagitekSlots;
    magitek.fields = {BitsField("targeting", MagitekSlot, 0), NumberField("attack_first", MagitekSlot, kMagitekSlots),
                      NumberField("attack_others", MagitekSlot, 2 * kMagitekSlots)};
    tables.push_back(std::move(magitek));

    TableDesc blitz;
    blitz.name = "blitz_inputs";
    blitz.count = kBlitzes;
    blitz.fields = {BlitzPresses()};
    tables.push_back(std::move(blitz));

    TableDesc dances;
    dances.name = "dances";
    dances.count = kDances;
    dances.fields = {NameListField("name", NameListId::Dance),
                     ArrayField(ReferenceField("moves", DanceMoves, 0, 255), kDanceMoves, 1),
                     NumberField("background", DanceBackground, 0)};
    tables.push_back(std::move(dances));

    TableDesc statuses;
    statuses.name = "statuses";
    statuses.count = kStatuses;
    statuses.fields = {NameListField("name", NameListId::Status)};
    tables.push_back(std::move(statuses));
}

} // namespace quorvex
