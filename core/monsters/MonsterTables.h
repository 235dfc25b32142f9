#pragma once
// Monster, formation and encounter tables: formations, colosseum, packs and
// zones, and the bytes of the monsters' own tables (MonsterRecords.h says
// what they hold and loads them).
#include "monsters/MonsterRecords.h"
#include "rom/RawTable.h"

namespace quorvex {

struct RomData;

struct MonsterTables {
    RawTable formations;        // 576 x 15 bytes at 0xF6200
    RawTable formationMagicPts; // 512 bytes at 0x1FB400 (FF6j 0x10FE00)
    RawTable formationOptions;  // 576 x 4 bytes at 0xF5900
    RawTable monsters;          // 384 x 32 bytes at 0xF0000
    RawTable monsterItems;      // 384 x 4 bytes at 0xF3000
    RawTable specialAnims;      // 384 bytes at 0xF37C0
    RawTable colosseum;         // 256 x 4 bytes at 0x1FB600 (FF6j 0x10F200)
    RawTable controlCommands;   // 384 x 4 bytes at 0xF3D00
    RawTable sketchCommands;    // 384 x 2 bytes at 0xF4300
    RawTable rageCommands;      // 256 x 2 bytes at 0xF4600
    RawTable packsOfFour;       // 256 x 8 bytes at 0xF4800
    RawTable packsOfTwo;        // 256 x 4 bytes at 0xF5000
    RawTable zonePacks;         // 256 x 4 bytes at 0xF5400
    RawTable zoneRates;         // 256 bytes at 0xF5800
};

void LoadFormations(ImageFile& f, RomData& rd);
void StoreFormations(ImageFile& f, RomData& rd); // also the formation options of step 9.14
void LoadColosseum(ImageFile& f, RomData& rd);
void StoreColosseum(ImageFile& f, RomData& rd);
void LoadPacksAndZones(ImageFile& f, RomData& rd);
void StorePacksAndZones(ImageFile& f, RomData& rd);
void LoadEncounterTables(ImageFile& f, RomData& rd);
void StoreEncounterTables(ImageFile& f, RomData& rd);

} // namespace quorvex
