// The Actors Editor's tables as the command line and the JSON document see
// them: actors, natural_magic, technique_levels and growth.
#include "editors/ActorRules.h"
#include "editors/ActorTables.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

namespace quorvex {

namespace {

uint8_t* Whole(RawTable& t, int i, size_t size)
{
    return i == 0 && t.bytes.size() >= size ? t.bytes.data() : nullptr;
}

uint8_t* Actor(RomData& rd, int i)
{
    std::vector<uint8_t>& b = rd.actors.startup.bytes;
    const size_t at = static_cast<size_t>(i) * kActorRecordSize;
    return i >= 0 && at + kActorRecordSize <= b.size() ? b.data() + at : nullptr;
}

uint8_t* NaturalMagic(RomData& rd, int i)
{
    std::vector<uint8_t>& b = rd.actors.naturalMagic.bytes;
    const size_t at = static_cast<size_t>(i) * kNaturalMagicRecordSize;
    return i >= 0 && at + kNaturalMagicRecordSize <= b.size() ? b.data() + at : nullptr;
}

uint8_t* TechniqueLevels(RomData& rd, int i) { return Whole(rd.actors.techniqueLevels, i, 2 * kTechniques); }
uint8_t* Lores(RomData& rd, int i) { return Whole(rd.actors.lores, i, kLores / 8); }
uint8_t* Rages(RomData& rd, int i) { return Whole(rd.actors.rages, i, kRages / 8); }
uint8_t* HpGrowth(RomData& rd, int i) { return Whole(rd.actors.hpGrowth, i, kGrowthLevels); }
uint8_t* MpGrowth(RomData& rd, int i) { return Whole(rd.actors.mpGrowth, i, kGrowthLevels); }
uint8_t* Experience(RomData& rd, int i) { return Whole(rd.actors.experience, i, 2 * kGrowthLevels); }

// "run_success" is the value the menu shows (2-5), kept as a code.
FieldDesc RunSuccess()
{
    FieldDesc f;
    f.key = "run_success";
    f.minimum = kRunSuccessMin;
    f.maximum = kRunSuccessMax;
    f.get = [](const RomData& rd, int record, int) -> int64_t {
        const uint8_t* rec = Actor(const_cast<RomData&>(rd), record);
        return rec ? RunSuccessShown(rec[kActorFlags]) : kRunSuccessMax;
    };
    f.set = [](RomData& rd, int record, int, int64_t value) {
        if (uint8_t* rec = Actor(rd, record))
            rec[kActorFlags] = static_cast<uint8_t>((rec[kActorFlags] & ~3) | RunSuccessCode(static_cast<int>(value)));
    };
    return f;
}

FieldDesc Levels(const char* key, RecordBytesFn source, int byte, int count, int stride)
{
    return ArrayField(NumberField(key, source, byte, 0, 8, kTechniqueLevelMin, kTechniqueLevelMax), count, stride);
}

} // namespace

void AddActorTables(std::vector<TableDesc>& tables)
{
    TableDesc actors;
    actors.name = "actors";
    actors.count = kActors;
    actors.fields = {NameListField("name", NameListId::Actor), NumberField("extra_hp", Actor, kActorExtraHp),
                     NumberField("extra_mp", Actor, kActorExtraMp),
                     ArrayField(ReferenceField("commands", Actor, kActorCommands, 255), 4, 1)};
    for (int k = 2; k < 11; ++k)
        actors.fields.push_back(NumberField(kActorStatKeys[k], Actor, kActorVigor + k - 2));
    actors.fields.push_back(ArrayField(ReferenceField("equipment", Actor, kActorEquipment, 255), 6, 1));
    actors.fields.push_back(RunSuccess());
    actors.fields.push_back(NumberField("level_factor", Actor, kActorFlags, 2, 2));
    actors.fields.push_back(NumberField("cant_reequip", Actor, kActorFlags, 4, 1));
    for (int bit = 5; bit < 8; ++bit)
        actors.fields.push_back(NumberField("byte21_bit" + std::to_string(bit), Actor, kActorFlags, bit, 1));
    tables.push_back(std::move(actors));

    TableDesc magic;
    magic.name = "natural_magic";
    magic.count = kNaturalMagicActors;
    magic.fields = {ArrayField(ReferenceField("spells", NaturalMagic, 0, 255), kNaturalMagicSpells, 2),
                    Levels("levels", NaturalMagic, 1, kNaturalMagicSpells, 2)};
    tables.push_back(std::move(magic));

    TableDesc techniques;
    techniques.name = "technique_levels";
    techniques.count = 1;
    techniques.fields = {Levels("sword", TechniqueLevels, 0, kTechniques, 1),
                         Levels("blitz", TechniqueLevels, kTechniques, kTechniques, 1),
                         BitsField("lores", Lores, 0, 0, kLores),
                         ArrayField(NumberField("rages", Rages, 0), kRages / 8, 1)};
    tables.push_back(std::move(techniques));

    TableDesc growth;
    growth.name = "growth";
    growth.count = 1;
    growth.fields = {ArrayField(NumberField("hp", HpGrowth, 0), kGrowthLevels, 1),
                     ArrayField(NumberField("mp", MpGrowth, 0), kGrowthLevels, 1),
                     ArrayField(NumberField("exp", Experience, 0, 0, 16), kGrowthLevels, 2)};
    tables.push_back(std::move(growth));
}

} // namespace quorvex
