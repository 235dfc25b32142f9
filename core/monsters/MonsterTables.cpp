#include "monsters/MonsterTables.h"

#include "rom/RomData.h"

namespace quorvex {

void LoadFormations(ImageFile& f, RomData& rd)
{
    rd.monsters.formations.Load(f, 0xF6200, 576 * 15);
    rd.monsters.formationMagicPts.Load(f, rd.romType == kRomFF6j ? 0x10FE00 : 0x1FB400, 0x200);
}
void StoreFormations(ImageFile& f, RomData& rd)
{
    rd.monsters.formations.Store(f);
    rd.monsters.formationMagicPts.Store(f);
    rd.monsters.formationOptions.Store(f);
}

void LoadColosseum(ImageFile& f, RomData& rd)
{
    rd.monsters.colosseum.Load(f, rd.romType == kRomFF6j ? 0x10F200 : 0x1FB600, 256 * 4);
}
void StoreColosseum(ImageFile& f, RomData& rd) { rd.monsters.colosseum.Store(f); }

void LoadPacksAndZones(ImageFile& f, RomData& rd)
{
    rd.monsters.packsOfFour.Load(f, 0xF4800, 256 * 8);
    rd.monsters.packsOfTwo.Load(f, 0xF5000, 256 * 4);
    rd.monsters.formationOptions.Load(f, 0xF5900, 576 * 4);
}
void StorePacksAndZones(ImageFile& f, RomData& rd)
{
    rd.monsters.packsOfFour.Store(f);
    rd.monsters.packsOfTwo.Store(f);
}

void LoadEncounterTables(ImageFile& f, RomData& rd)
{
    rd.monsters.zonePacks.Load(f, 0xF5400, 256 * 4);
    rd.monsters.zoneRates.Load(f, 0xF5800, 256);
}
void StoreEncounterTables(ImageFile& f, RomData& rd)
{
    rd.monsters.zonePacks.Store(f);
    rd.monsters.zoneRates.Store(f);
}

} // namespace quorvex
