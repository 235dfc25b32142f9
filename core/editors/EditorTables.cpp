#include "editors/EditorTables.h"

#include "rom/RomData.h"

namespace quorvex {

namespace {
// The battle animation tables sit 0x23 bytes later in the Japanese release.
uint32_t ByRelease(const RomData& rd, uint32_t us, uint32_t jp) { return rd.romType == kRomFF6j ? jp : us; }
} // namespace

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

void LoadBattleAnimations(ImageFile& f, RomData& rd)
{
    rd.editors.battleAnims9.Load(f, ByRelease(rd, 0x10917F, 0x1091A2), 9 * 14);
    rd.editors.battleAnims23.Load(f, ByRelease(rd, 0x1091FD, 0x109220), 23 * 14);
}
void StoreBattleAnimations(ImageFile& f, RomData& rd)
{
    rd.editors.battleAnims9.Store(f);
    rd.editors.battleAnims23.Store(f);
}

void LoadMorphPacks(ImageFile& f, RomData& rd) { rd.editors.morphPacks.Load(f, 0x47F40, 32 * 4); }
void StoreMorphPacks(ImageFile& f, RomData& rd) { rd.editors.morphPacks.Store(f); }

void LoadSpells(ImageFile& f, RomData& rd) { rd.editors.spells.Load(f, 0x46AC0, 256 * 14); }
void StoreSpells(ImageFile& f, RomData& rd) { rd.editors.spells.Store(f); }

void LoadSpellAnimations(ImageFile& f, RomData& rd)
{
    rd.editors.battleAnims256.Load(f, ByRelease(rd, 0x107F8F, 0x107FB2), 256 * 14);
    rd.editors.animPalettes.Load(f, 0x126000, 240 * 16);
}
void StoreSpellAnimations(ImageFile& f, RomData& rd)
{
    rd.editors.battleAnims256.Store(f);
    rd.editors.animPalettes.Store(f);
}

void LoadBattleEditorData(ImageFile& f, RomData& rd)
{
    rd.editors.battleAnims72.Load(f, ByRelease(rd, 0x108D8F, 0x108DB2), 72 * 14);
    rd.editors.battleAnims46.Load(f, ByRelease(rd, 0x109331, 0x109354), 46 * 14);
}
void StoreBattleEditorData(ImageFile& f, RomData& rd)
{
    rd.editors.battleAnims72.Store(f);
    rd.editors.battleAnims46.Store(f);
}

} // namespace quorvex
