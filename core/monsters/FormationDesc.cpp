// The formations, packs, zones and colosseum bets as tables of fields.
//
// A formation is 15 bytes: the mould in the high nibble of byte 0, the
// presence of slots 1-6 in byte 1 bits 0-5, the low 8 bits of each slot's
// monster in bytes 2-7 and bit 8 in byte 14 bits 0-5, and each slot's
// position in bytes 8-13 (X high nibble, Y low nibble). The spare bits
// (byte 0 bits 0-3, bytes 1 and 14 bits 6-7) are kept as they are found.
// Its 4 option bytes lie in their own table, and formations 0-511 also
// have a magic-point byte.
#include "monsters/FormationLabels.h"
#include "monsters/FormationTables.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

namespace quorvex {

namespace {

uint8_t* Formation(RomData& rd, int i) { return FormationBytes(rd, i); }
uint8_t* Options(RomData& rd, int i) { return FormationOptionBytes(rd, i); }
uint8_t* MagicPoints(RomData& rd, int i)
{
    std::vector<uint8_t>& b = rd.formations.magicPoints.bytes;
    return i >= 0 && i < kMagicPointFormations && static_cast<size_t>(i) < b.size() ? &b[static_cast<size_t>(i)]
                                                                                      : nullptr;
}
uint8_t* Pack(RomData& rd, int i) { return PackBytes(rd, i); }
uint8_t* Zone(RomData& rd, int i)
{
    std::vector<uint8_t>& b = rd.formations.zonePacks.bytes;
    const size_t at = static_cast<size_t>(i) * kTerrainCount;
    return i >= 0 && at + kTerrainCount <= b.size() ? &b[at] : nullptr;
}
uint8_t* Colosseum(RomData& rd, int i) { return ColosseumBytes(rd, i); }

FieldDesc Flag(std::string key, RecordBytesFn source, int byte, int bit)
{
    return NumberField(std::move(key), source, byte, bit, 1);
}

TableDesc Formations()
{
    TableDesc t;
    t.name = "formations";
    t.count = kFormationCount;
    t.fields.push_back(NumberField("mould", Formation, 0, 4, 4));
    t.fields.push_back(BitsField("present", Formation, 1, 0, 6));

    // A slot's monster number has its bit 8 in byte 14, one bit per slot,
    // which a stride cannot express.
    FieldDesc monsters;
    monsters.key = "monsters";
    monsters.kind = FieldKind::Reference;
    monsters.maximum = kFormationMonsterChoices - 1;
    monsters.count = 6;
    monsters.get = [](const RomData& rd, int i, int slot) -> int64_t {
        const uint8_t* rec = FormationBytes(rd, i);
        return rec ? FormationSlotMonster(rec, slot) : 0;
    };
    monsters.set = [](RomData& rd, int i, int slot, int64_t v) {
        if (uint8_t* rec = FormationBytes(rd, i))
            SetFormationSlotMonster(rec, slot, static_cast<int>(v));
    };
    t.fields.push_back(std::move(monsters));
    t.fields.push_back(ArrayField(NumberField("x", Formation, 8, 4, 4), 6, 1));
    t.fields.push_back(ArrayField(NumberField("y", Formation, 8, 0, 4), 6, 1));
    t.fields.push_back(BitsField("spare_bits0", Formation, 0, 0, 4));
    t.fields.push_back(BitsField("spare_bits1", Formation, 1, 6, 2));
    t.fields.push_back(BitsField("spare_bits14", Formation, 14, 6, 2));

    t.fields.push_back(NumberField("intro", Options, 0, 0, 4));
    t.fields.push_back(NumberField("event", Options, 2, 0, 8));
    t.fields.push_back(NumberField("music", Options, 3, 3, 3));
    // Bit 7 of byte 3 is set when the formation keeps the music playing.
    FieldDesc play;
    play.key = "play_music";
    play.maximum = 1;
    play.get = [](const RomData& rd, int i, int) -> int64_t {
        const uint8_t* o = FormationOptionBytes(rd, i);
        return o && !(o[3] & 0x80) ? 1 : 0;
    };
    play.set = [](RomData& rd, int i, int, int64_t v) {
        if (uint8_t* o = FormationOptionBytes(rd, i))
            o[3] = static_cast<uint8_t>(v ? o[3] & 0x7F : o[3] | 0x80);
    };
    t.fields.push_back(std::move(play));

    FieldDesc mp = NumberField("magic_points", MagicPoints, 0);
    mp.present = [](const RomData&, int i) { return i < kMagicPointFormations; };
    t.fields.push_back(std::move(mp));

    for (const FormationOptionBit& b : FormationOptionBits())
        t.fields.push_back(Flag(b.key, Options, b.byte, b.bit));
    return t;
}

// Packs 0-255 hold four entries and packs 256-511 two: each key has one
// field per kind of pack, and a record has the one of its kind.
TableDesc Packs()
{
    TableDesc t;
    t.name = "packs";
    t.count = kPackCount;
    auto ofFour = [](const RomData&, int i) { return i < kPacksOfFour; };
    auto ofTwo = [](const RomData&, int i) { return i >= kPacksOfFour; };
    for (int entries : {4, 2}) {
        FieldDesc f = ArrayField(ReferenceField("formations", Pack, 0, kFormationCount - 1, 15), entries, 2);
        f.present = entries == 4 ? std::function<bool(const RomData&, int)>(ofFour) : ofTwo;
        t.fields.push_back(std::move(f));
    }
    for (int entries : {4, 2}) {
        FieldDesc f = ArrayField(Flag("rand_next3", Pack, 1, 7), entries, 2);
        f.present = entries == 4 ? std::function<bool(const RomData&, int)>(ofFour) : ofTwo;
        t.fields.push_back(std::move(f));
    }
    return t;
}

TableDesc Zones()
{
    TableDesc t;
    t.name = "zones";
    t.count = kZoneCount;
    t.fields.push_back(ArrayField(ReferenceField("packs", Zone, 0, kPacksOfFour - 1), kTerrainCount, 1));
    // The rates always read grass, forest, desert, dry land; where each
    // lies in the rate byte depends on the zone.
    FieldDesc rates;
    rates.key = "rates";
    rates.maximum = 3;
    rates.count = kTerrainCount;
    rates.get = [](const RomData& rd, int zone, int terrain) -> int64_t { return ZoneRate(rd, zone, terrain); };
    rates.set = [](RomData& rd, int zone, int terrain, int64_t v) {
        SetZoneRate(rd, zone, terrain, static_cast<int>(v));
    };
    t.fields.push_back(std::move(rates));
    return t;
}

TableDesc ColosseumBets()
{
    TableDesc t;
    t.name = "colosseum";
    t.count = kColosseumCount;
    // Only monsters 0-255 fit the byte: the bosses above cannot be fought.
    t.fields = {
        ReferenceField("monster", Colosseum, 0, 255),
        NumberField("byte1", Colosseum, 1),
        ReferenceField("item_won", Colosseum, 2, 255),
        NumberField("hide_prize", Colosseum, 3),
    };
    return t;
}

} // namespace

void AddFormationTables(std::vector<TableDesc>& tables)
{
    tables.push_back(Formations());
    tables.push_back(Packs());
    tables.push_back(Zones());
    tables.push_back(ColosseumBets());
}

} // namespace quorvex
