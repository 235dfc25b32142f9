#include "editors/EditorTables.h"

#include "rom/RomData.h"

namespace quorvex {

void LoadItems(ImageFile& f, RomData& rd)
{
    rd.editors.itemRecords.Load(f, 0x185000, 256 * 30);
    rd.editors.shops.Load(f, 0x47AC0, 128 * 9);
}
void StoreItems(ImageFile& f, RomData& rd)
{
    rd.editors.itemRecords.Store(f);
    rd.editors.shops.Store(f);
}

void LoadMorphPacks(ImageFile& f, RomData& rd) { rd.editors.morphPacks.Load(f, 0x47F40, 32 * 4); }
void StoreMorphPacks(ImageFile& f, RomData& rd) { rd.editors.morphPacks.Store(f); }

void LoadSpells(ImageFile& f, RomData& rd) { rd.editors.spells.Load(f, 0x46AC0, 256 * 14); }
void StoreSpells(ImageFile& f, RomData& rd) { rd.editors.spells.Store(f); }

void LoadBattleEditorData(ImageFile& f, RomData& rd)
{
    LoadAnimTable(f, rd, AnimMode::Block1);
    LoadAnimTable(f, rd, AnimMode::Block2);
}
void StoreBattleEditorData(ImageFile& f, RomData& rd)
{
    StoreAnimTable(f, rd, AnimMode::Block1);
    StoreAnimTable(f, rd, AnimMode::Block2);
}

} // namespace quorvex
