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

void LoadMonsters(ImageFile& f, RomData& rd)
{
    MonsterTables& m = rd.monsters;
    m.monsters.Load(f, 0xF0000, 384 * 32);
    m.monsterItems.Load(f, 0xF3000, 384 * 4);
    m.specialAnims.Load(f, 0xF37C0, 384);
    m.enemySpecialAnims.Load(f, 0x2CE6E8, 35 * 8);
}
void StoreMonsters(ImageFile& f, RomData& rd)
{
    MonsterTables& m = rd.monsters;
    for (RawTable* t : {&m.monsters, &m.monsterItems, &m.specialAnims, &m.enemySpecialAnims})
        t->Store(f);
}

void LoadColosseum(ImageFile& f, RomData& rd)
{
    rd.monsters.colosseum.Load(f, rd.romType == kRomFF6j ? 0x10F200 : 0x1FB600, 256 * 4);
}
void StoreColosseum(ImageFile& f, RomData& rd) { rd.monsters.colosseum.Store(f); }

void LoadMonsterExtras(ImageFile& f, RomData& rd)
{
    rd.monsters.monsterSpecials.Load(f, 0xF3D00, 384 * 4);
    rd.monsters.monsterTable2.Load(f, 0xF4300, 384 * 2);
    rd.monsters.monsterTable3.Load(f, 0xF4600, 256 * 2);
}
void StoreMonsterExtras(ImageFile& f, RomData& rd)
{
    rd.monsters.monsterSpecials.Store(f);
    rd.monsters.monsterTable2.Store(f);
    rd.monsters.monsterTable3.Store(f);
}

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
