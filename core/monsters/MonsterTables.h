#pragma once
// Monster tables: monster records (step 9.5) and the per-monster tables
// (9.13). Formations, packs, zones and the colosseum are in
// FormationTables.h.
#include "rom/RawTable.h"

namespace quorvex {

struct RomData;

struct MonsterTables {
    RawTable monsters;          // 384 x 32 bytes at 0xF0000
    RawTable monsterItems;      // 384 x 4 bytes at 0xF3000
    RawTable specialAnims;      // 384 bytes at 0xF37C0
    RawTable enemySpecialAnims; // 35 x 8 bytes at 0x2CE6E8
    RawTable monsterSpecials;   // 384 x 4 bytes at 0xF3D00
    RawTable monsterTable2;     // 384 x 2 bytes at 0xF4300
    RawTable monsterTable3;     // 256 x 2 bytes at 0xF4600
};

void LoadMonsters(ImageFile& f, RomData& rd);
void StoreMonsters(ImageFile& f, RomData& rd);
void LoadMonsterExtras(ImageFile& f, RomData& rd);
void StoreMonsterExtras(ImageFile& f, RomData& rd);

} // namespace quorvex
