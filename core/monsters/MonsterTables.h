#pragma once
// The bytes of the monsters' own tables (MonsterRecords.h says what they
// hold and loads them). Formations, packs, zones and the colosseum are in
// FormationTables.h.
#include "monsters/MonsterRecords.h"
#include "rom/RawTable.h"

namespace quorvex {

struct RomData;

struct MonsterTables {
    RawTable monsters;          // 384 x 32 bytes at 0xF0000
    RawTable monsterItems;      // 384 x 4 bytes at 0xF3000
    RawTable specialAnims;      // 384 bytes at 0xF37C0
    RawTable controlCommands;   // 384 x 4 bytes at 0xF3D00
    RawTable sketchCommands;    // 384 x 2 bytes at 0xF4300
    RawTable rageCommands;      // 256 x 2 bytes at 0xF4600
};

} // namespace quorvex
