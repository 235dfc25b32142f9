#pragma once
// Tables of the game data editors: items and shops, morph packs, spells and
// espers. The battle animation records and their palettes are
// BattleAnimTables; the actors' tables are in editors/ActorTables.h, the
// battle editor's in editors/BattleTables.h.
#include "editors/BattleAnimTables.h"
#include "editors/ItemTables.h"
#include "editors/MagicTables.h"
#include "rom/RawTable.h"

namespace quorvex {

struct RomData;

struct EditorTables {
    ItemTables items;         // items, shops, item types, rare item descriptions
    RawTable morphPacks;      // 32 x 4 bytes at 0x47F40
    MagicTables magic;        // spells, espers and their descriptions
    BattleAnimTables anims;   // battle animation records and their palettes
};

void LoadMorphPacks(ImageFile& f, RomData& rd);
void StoreMorphPacks(ImageFile& f, RomData& rd);
void LoadBattleEditorData(ImageFile& f, RomData& rd);
void StoreBattleEditorData(ImageFile& f, RomData& rd);

} // namespace quorvex
