#include "editors/BattleTables.h"

#include "rom/RomData.h"

namespace quorvex {

namespace {

struct Place {
    uint32_t us;
    uint32_t jp;
};

// Names in the menu encoding: where they lie and how long one is, by release.
struct NamePlace {
    Place at;
    Place len;
    uint32_t count;
};
constexpr NamePlace kStatusNamePlace{{0x2ADE1, 0x2ADE1}, {10, 7}, kStatuses};
constexpr NamePlace kCommandNamePlace{{0x18CEA0, 0x2CE300}, {7, 6}, kBattleCommands};
constexpr NamePlace kDanceNamePlace{{0x26FF9D, 0x2D7C51}, {12, 8}, kDances};

constexpr uint32_t kCommandData = 0xFFE00;
constexpr uint32_t kBlitzInputs = 0x47A40;
constexpr uint32_t kDanceMoveData = 0xFFE80;
constexpr uint32_t kDanceBackgroundData = 0x11F9AB;

uint32_t Pick(const RomData& rd, Place p) { return rd.romType == kRomFF6j ? p.jp : p.us; }

void LoadNames(ImageFile& f, const RomData& rd, NameList& list, const NamePlace& p)
{
    list.Load(f, Pick(rd, p.at), Pick(rd, p.len), p.count);
}

} // namespace

uint32_t MagitekOffset(const RomData& rd)
{
    if (rd.romType == kRomFF6j)
        return 0x190B7;
    return rd.version == 0 ? 0x19104 : 0x19101;
}

void LoadBattleTables(ImageFile& f, RomData& rd)
{
    BattleTables& b = rd.battle;
    b.commands.Load(f, kCommandData, kBattleCommands * kCommandRecordSize);
    b.magitek.Load(f, MagitekOffset(rd), 3 * kMagitekSlots);
    b.blitzInputs.Load(f, kBlitzInputs, kBlitzes * kBlitzRecordSize);
    b.danceMoves.Load(f, kDanceMoveData, kDances * kDanceMoves);
    b.danceBackgrounds.Load(f, kDanceBackgroundData, kDances);
    LoadNames(f, rd, rd.names.statusNames, kStatusNamePlace);
    LoadNames(f, rd, rd.names.commandNames, kCommandNamePlace);
    LoadNames(f, rd, rd.names.danceNames, kDanceNamePlace);
    rd.names.preproc.Invalidate(PreprocList::BattleCommand);
    rd.names.preproc.Invalidate(PreprocList::BattleStatus);
    rd.names.preproc.Invalidate(PreprocList::Dance);
}

void StoreBattleTables(ImageFile& f, RomData& rd)
{
    const BattleTables& b = rd.battle;
    for (const RawTable* t : {&b.commands, &b.magitek, &b.blitzInputs, &b.danceMoves, &b.danceBackgrounds})
        t->Store(f);
    rd.names.statusNames.Store(f);
    rd.names.commandNames.Store(f);
    rd.names.danceNames.Store(f);
}

} // namespace quorvex
