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
#include "rom/RecordFields.h"
#include "rom/RomData.h"

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

TableDesc Formations()
{
    const RecordFields formation(Formation);
    const RecordFields options(Options);
    TableDesc t;
    t.name = "formations";
    t.count = kFormationCount;
    t.fields = {
        formation.Number("mould", 0, 4, 4),
        formation.Flags("present", 1, 0, 6),
        // A slot's monster number has its bit 8 in byte 14, one bit per
        // slot, which a stride cannot express.
        RuleField(
            "monsters", kFormationMonsterChoices - 1, 6,
            [](const RomData& rd, int i, int slot) -> int64_t {
                const uint8_t* rec = FormationBytes(rd, i);
                return rec ? FormationSlotMonster(rec, slot) : 0;
            },
            [](RomData& rd, int i, int slot, int64_t v) {
                if (uint8_t* rec = FormationBytes(rd, i))
                    SetFormationSlotMonster(rec, slot, static_cast<int>(v));
            },
            FieldKind::Reference),
        ArrayField(formation.Nibble("x", 8, true), 6, 1),
        ArrayField(formation.Nibble("y", 8, false), 6, 1),
        formation.Flags("spare_bits0", 0, 0, 4),
        formation.Flags("spare_bits1", 1, 6, 2),
        formation.Flags("spare_bits14", 14, 6, 2),

        options.Nibble("intro", 0, false),
        options.Number("event", 2),
        options.Number("music", 3, 3, 3),
        // Bit 7 of byte 3 is set when the formation keeps the music playing.
        RuleField(
            "play_music", 1, 0,
            [](const RomData& rd, int i, int) -> int64_t {
                const uint8_t* o = FormationOptionBytes(rd, i);
                return o && !(o[3] & 0x80) ? 1 : 0;
            },
            [](RomData& rd, int i, int, int64_t v) {
                if (uint8_t* o = FormationOptionBytes(rd, i))
                    o[3] = static_cast<uint8_t>(v ? o[3] & 0x7F : o[3] | 0x80);
            }),
        PresentWhen(RecordFields(MagicPoints).Number("magic_points", 0),
                    [](const RomData&, int i) { return i < kMagicPointFormations; }),
    };
    for (const FormationOptionBit& b : FormationOptionBits())
        t.fields.push_back(options.Bit(b.key, b.byte, b.bit));
    return t;
}

// Packs 0-255 hold four entries and packs 256-511 two: each key has one
// field per kind of pack, and a record has the one of its kind.
TableDesc Packs()
{
    const RecordFields pack(Pack);
    const auto ofFour = [](const RomData&, int i) { return i < kPacksOfFour; };
    const auto ofTwo = [](const RomData&, int i) { return i >= kPacksOfFour; };
    TableDesc t;
    t.name = "packs";
    t.count = kPackCount;
    t.fields = {
        PresentWhen(ArrayField(pack.Reference("formations", 0, kFormationCount - 1, 15), 4, 2), ofFour),
        PresentWhen(ArrayField(pack.Reference("formations", 0, kFormationCount - 1, 15), 2, 2), ofTwo),
        PresentWhen(ArrayField(pack.Bit("rand_next3", 1, 7), 4, 2), ofFour),
        PresentWhen(ArrayField(pack.Bit("rand_next3", 1, 7), 2, 2), ofTwo),
    };
    return t;
}

TableDesc Zones()
{
    TableDesc t;
    t.name = "zones";
    t.count = kZoneCount;
    t.fields = {
        ArrayField(RecordFields(Zone).Reference("packs", 0, kPacksOfFour - 1), kTerrainCount, 1),
        // The rates always read grass, forest, desert, dry land; where each
        // lies in the rate byte depends on the zone.
        RuleField(
            "rates", 3, kTerrainCount,
            [](const RomData& rd, int zone, int terrain) -> int64_t { return ZoneRate(rd, zone, terrain); },
            [](RomData& rd, int zone, int terrain, int64_t v) { SetZoneRate(rd, zone, terrain, static_cast<int>(v)); }),
    };
    return t;
}

TableDesc ColosseumBets()
{
    TableDesc t;
    t.name = "colosseum";
    t.count = kColosseumCount;
    // Only monsters 0-255 fit the byte: the bosses above cannot be fought.
    const RecordFields bet(Colosseum);
    t.fields = {
        bet.Reference("monster", 0, 255),
        bet.Number("byte1", 1),
        bet.Reference("item_won", 2, 255),
        bet.Number("hide_prize", 3),
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
