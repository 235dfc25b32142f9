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

void LoadActors(ImageFile& f, RomData& rd)
{
    EditorTables& e = rd.editors;
    e.actorStartup.Load(f, 0x2D7CA0, 64 * 22);
    e.actorExtra.Load(f, 0x2CE3C0, 2 * 32);
    e.actorTable16.Load(f, 0x26F490, 16);
    e.actorTable3.Load(f, 0x26F564, 3);
    e.growthHp.Load(f, 0x26F4A0, 98);
    e.growthMp.Load(f, 0x26F502, 98);
    e.experience.Load(f, 0x2D8220, 98 * 2);
    e.actorTable32.Load(f, 0x47AA0, 32);
}
void StoreActors(ImageFile& f, RomData& rd)
{
    EditorTables& e = rd.editors;
    for (RawTable* t : {&e.actorStartup, &e.actorExtra, &e.actorTable16, &e.actorTable3, &e.growthHp, &e.growthMp,
                        &e.experience, &e.actorTable32})
        t->Store(f);
}

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
