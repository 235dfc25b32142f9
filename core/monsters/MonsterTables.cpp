#include "monsters/MonsterTables.h"

#include "rom/RomData.h"

namespace quorvex {

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

} // namespace quorvex
