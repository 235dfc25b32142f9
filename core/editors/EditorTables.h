#pragma once
// Tables of the game data editors: items and shops, morph packs, actors,
// spells, espers and the battle editor's data. The battle animation records
// and their palettes are BattleAnimTables.
#include "editors/BattleAnimTables.h"
#include "rom/RawTable.h"

namespace quorvex {

struct RomData;

struct EditorTables {
    RawTable itemRecords;     // 256 x 30 bytes at 0x185000
    RawTable shops;           // 128 x 9 bytes at 0x47AC0
    RawTable morphPacks;      // 32 x 4 bytes at 0x47F40
    RawTable actorStartup;    // 64 x 22 bytes at 0x2D7CA0
    RawTable actorExtra;      // 2 x 32 bytes at 0x2CE3C0
    RawTable actorTable16;    // 16 bytes at 0x26F490
    RawTable actorTable3;     // 3 bytes at 0x26F564
    RawTable growthHp;        // 98 bytes at 0x26F4A0
    RawTable growthMp;        // 98 bytes at 0x26F502
    RawTable experience;      // 98 x 2 bytes at 0x2D8220
    RawTable actorTable32;    // 32 bytes at 0x47AA0
    RawTable spells;          // 256 x 14 bytes at 0x46AC0
    BattleAnimTables anims;   // battle animation records and their palettes
};

void LoadItems(ImageFile& f, RomData& rd);
void StoreItems(ImageFile& f, RomData& rd);
void LoadMorphPacks(ImageFile& f, RomData& rd);
void StoreMorphPacks(ImageFile& f, RomData& rd);
void LoadActors(ImageFile& f, RomData& rd);
void StoreActors(ImageFile& f, RomData& rd);
void LoadSpells(ImageFile& f, RomData& rd);
void StoreSpells(ImageFile& f, RomData& rd);
void LoadBattleEditorData(ImageFile& f, RomData& rd);
void StoreBattleEditorData(ImageFile& f, RomData& rd);

} // namespace quorvex
