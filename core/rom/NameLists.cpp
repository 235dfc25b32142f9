#include "rom/NameLists.h"

#include "rom/RomData.h"

namespace quorvex {

namespace {
bool Jp(const RomData& rd) { return rd.romType == kRomFF6j; }
} // namespace

void LoadMonsterNames(ImageFile& f, RomData& rd)
{
    if (Jp(rd))
        rd.names.monsterNames.Load(f, 0xFC800, 384 * 8);
    else
        rd.names.monsterNames.Load(f, 0xFC050, 384 * 10);
}
void StoreMonsterNames(ImageFile& f, RomData& rd) { rd.names.monsterNames.Store(f); }

void LoadItemNames(ImageFile& f, RomData& rd)
{
    if (Jp(rd))
        rd.names.itemNames.Load(f, 0x26F700, 256 * 9);
    else
        rd.names.itemNames.Load(f, 0x12B300, 256 * 13);
    rd.names.rareItemNames.Load(f, 0xEFBA0, 20 * 13);
}
void StoreItemNames(ImageFile& f, RomData& rd)
{
    rd.names.itemNames.Store(f);
    rd.names.rareItemNames.Store(f);
}

void LoadActorNames(ImageFile& f, RomData& rd) { rd.names.actorNames.Load(f, 0x478C0, 64 * 6); }
void StoreActorNames(ImageFile& f, RomData& rd) { rd.names.actorNames.Store(f); }

void LoadMagicNames(ImageFile& f, RomData& rd)
{
    if (Jp(rd)) {
        rd.names.spellNames.Load(f, 0x2D7400, 54 * 5);
        rd.names.esperNames.Load(f, 0x2D750E, 27 * 8);
        rd.names.attackNames.Load(f, 0x2D75E6, 175 * 8);
    } else {
        rd.names.spellNames.Load(f, 0x26F567, 54 * 7);
        rd.names.esperNames.Load(f, 0x26F6E1, 27 * 8);
        rd.names.attackNames.Load(f, 0x26F7B9, 175 * 10);
    }
}
void StoreMagicNames(ImageFile& f, RomData& rd)
{
    rd.names.spellNames.Store(f);
    rd.names.esperNames.Store(f);
    rd.names.attackNames.Store(f);
}

void LoadSpecialAttackNames(ImageFile& f, RomData& rd)
{
    rd.names.specialAttackNames.Clear();
    // An unknown change to the name routine leaves no address: nothing to load.
    if (rd.spAttackNameAddr < kSnesBase || rd.spAttackNameLen == 0)
        return;
    const uint32_t rom = SnesToRom(rd.spAttackNameAddr);
    const size_t size = 384u * rd.spAttackNameLen;
    if (!f.HoldsRom(rom, size))
        return;
    rd.names.specialAttackNames.Load(f, rom, size);
}
void StoreSpecialAttackNames(ImageFile& f, RomData& rd)
{
    // With an unknown change to the name routine there is nowhere to write.
    if (rd.spAttackNameLen == 0 || rd.spAttackNameAddr < kSnesBase)
        return;
    rd.names.specialAttackNames.Store(f);
}

} // namespace quorvex
