#pragma once
// Tables of the game data editors: items and shops, morph packs, spells and
// espers. The battle animation records and their palettes are
// BattleAnimTables; the actors' tables are in editors/ActorTables.h, the
// battle editor's in editors/BattleTables.h.
#include "editors/BattleAnimTables.h"
#include "rom/RawTable.h"

namespace quorvex {

struct RomData;

struct EditorTables {
    RawTable itemRecords;     // 256 x 30 bytes at 0x185000
    RawTable shops;           // 128 x 9 bytes at 0x47AC0
    RawTable morphPacks;      // 32 x 4 bytes at 0x47F40
    RawTable spells;          // 256 x 14 bytes at 0x46AC0
    BattleAnimTables anims;   // battle animation records and their palettes
};

void LoadItems(ImageFile& f, RomData& rd);
void StoreItems(ImageFile& f, RomData& rd);
void LoadMorphPacks(ImageFile& f, RomData& rd);
void StoreMorphPacks(ImageFile& f, RomData& rd);
void LoadSpells(ImageFile& f, RomData& rd);
void StoreSpells(ImageFile& f, RomData& rd);
void LoadBattleEditorData(ImageFile& f, RomData& rd);
void StoreBattleEditorData(ImageFile& f, RomData& rd);

} // namespace quorvex
