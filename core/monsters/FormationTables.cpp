#include "monsters/FormationTables.h"

#include "rom/RomData.h"

namespace quorvex {

namespace {

// Record i of a table of fixed-size records; null past what was read.
template <typename Bytes>
auto Record(Bytes& bytes, int i, size_t size) -> decltype(bytes.data())
{
    const size_t at = static_cast<size_t>(i) * size;
    return i >= 0 && at + size <= bytes.size() ? bytes.data() + at : nullptr;
}

constexpr size_t kColosseumBytes = 4;

} // namespace

uint8_t* FormationBytes(RomData& rd, int formation)
{
    return formation < kFormationCount ? Record(rd.formations.records.bytes, formation, kFormationBytes) : nullptr;
}
const uint8_t* FormationBytes(const RomData& rd, int formation)
{
    return FormationBytes(const_cast<RomData&>(rd), formation);
}

uint8_t* FormationOptionBytes(RomData& rd, int formation)
{
    return formation < kFormationCount ? Record(rd.formations.options.bytes, formation, kFormationOptionBytes)
                                       : nullptr;
}
const uint8_t* FormationOptionBytes(const RomData& rd, int formation)
{
    return FormationOptionBytes(const_cast<RomData&>(rd), formation);
}

uint8_t* ColosseumBytes(RomData& rd, int item)
{
    return item < kColosseumCount ? Record(rd.formations.colosseum.bytes, item, kColosseumBytes) : nullptr;
}
const uint8_t* ColosseumBytes(const RomData& rd, int item) { return ColosseumBytes(const_cast<RomData&>(rd), item); }

int FormationSlotMonster(const uint8_t* record, int slot)
{
    return record[2 + slot] | (((record[14] >> slot) & 1) << 8);
}

void SetFormationSlotMonster(uint8_t* record, int slot, int monster)
{
    record[2 + slot] = static_cast<uint8_t>(monster);
    const uint8_t bit = static_cast<uint8_t>(1u << slot);
    record[14] = static_cast<uint8_t>((monster & 0x100) ? record[14] | bit : record[14] & ~bit);
}

int PackEntryCount(int pack) { return pack < kPacksOfFour ? 4 : 2; }

uint8_t* PackBytes(RomData& rd, int pack)
{
    if (pack < 0 || pack >= kPackCount)
        return nullptr;
    if (pack < kPacksOfFour)
        return Record(rd.formations.packsOfFour.bytes, pack, 8);
    return Record(rd.formations.packsOfTwo.bytes, pack - kPacksOfFour, 4);
}

int PackEntry(const RomData& rd, int pack, int entry)
{
    const uint8_t* p = PackBytes(const_cast<RomData&>(rd), pack);
    if (!p || entry < 0 || entry >= PackEntryCount(pack))
        return -1;
    return p[2 * entry] | (p[2 * entry + 1] << 8);
}

int ZoneRateShift(int zone, int terrain)
{
    return zone < kFirstOtherZone ? 6 - 2 * terrain : 2 * terrain;
}

int ZoneRate(const RomData& rd, int zone, int terrain)
{
    const std::vector<uint8_t>& b = rd.formations.zoneRates.bytes;
    if (zone < 0 || static_cast<size_t>(zone) >= b.size())
        return 0;
    return (b[static_cast<size_t>(zone)] >> ZoneRateShift(zone, terrain)) & 3;
}

void SetZoneRate(RomData& rd, int zone, int terrain, int rate)
{
    std::vector<uint8_t>& b = rd.formations.zoneRates.bytes;
    if (zone < 0 || static_cast<size_t>(zone) >= b.size())
        return;
    const int shift = ZoneRateShift(zone, terrain);
    uint8_t& byte = b[static_cast<size_t>(zone)];
    byte = static_cast<uint8_t>((byte & ~(3 << shift)) | ((rate & 3) << shift));
}

int ZonePack(const RomData& rd, int zone, int terrain)
{
    const uint8_t* z = Record(rd.formations.zonePacks.bytes, zone, kTerrainCount);
    return z && terrain >= 0 && terrain < kTerrainCount ? z[terrain] : -1;
}

void LoadFormations(ImageFile& f, RomData& rd)
{
    rd.formations.records.Load(f, 0xF6200, kFormationCount * kFormationBytes);
    rd.formations.magicPoints.Load(f, rd.romType == kRomFF6j ? 0x10FE00 : 0x1FB400, kMagicPointFormations);
}
void StoreFormations(ImageFile& f, RomData& rd)
{
    rd.formations.records.Store(f);
    rd.formations.magicPoints.Store(f);
    rd.formations.options.Store(f);
}

void LoadColosseum(ImageFile& f, RomData& rd)
{
    rd.formations.colosseum.Load(f, rd.romType == kRomFF6j ? 0x10F200 : 0x1FB600, kColosseumCount * kColosseumBytes);
}
void StoreColosseum(ImageFile& f, RomData& rd) { rd.formations.colosseum.Store(f); }

void LoadPacksAndZones(ImageFile& f, RomData& rd)
{
    rd.formations.packsOfFour.Load(f, 0xF4800, kPacksOfFour * 8);
    rd.formations.packsOfTwo.Load(f, 0xF5000, (kPackCount - kPacksOfFour) * 4);
    rd.formations.options.Load(f, 0xF5900, kFormationCount * kFormationOptionBytes);
}
void StorePacksAndZones(ImageFile& f, RomData& rd)
{
    rd.formations.packsOfFour.Store(f);
    rd.formations.packsOfTwo.Store(f);
}

void LoadEncounterTables(ImageFile& f, RomData& rd)
{
    rd.formations.zonePacks.Load(f, 0xF5400, kZoneCount * kTerrainCount);
    rd.formations.zoneRates.Load(f, 0xF5800, kZoneCount);
}
void StoreEncounterTables(ImageFile& f, RomData& rd)
{
    rd.formations.zonePacks.Store(f);
    rd.formations.zoneRates.Store(f);
}

} // namespace quorvex
