#include "editors/EditorTables.h"

#include "rom/RomData.h"

namespace quorvex {

void LoadMorphPacks(ImageFile& f, RomData& rd) { rd.editors.morphPacks.Load(f, 0x47F40, 32 * 4); }
void StoreMorphPacks(ImageFile& f, RomData& rd) { rd.editors.morphPacks.Store(f); }

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
