#include "editors/ActorTables.h"

#include "rom/RomData.h"

namespace quorvex {

void LoadActors(ImageFile& f, RomData& rd)
{
    ActorTables& a = rd.actors;
    a.startup.Load(f, 0x2D7CA0, kActors * kActorRecordSize);
    a.naturalMagic.Load(f, 0x2CE3C0, kNaturalMagicActors * kNaturalMagicRecordSize);
    // The sword-technique and blitz levels are one block of 16 bytes.
    a.techniqueLevels.Load(f, 0x26F490, 2 * kTechniques);
    a.lores.Load(f, 0x26F564, kLores / 8);
    a.hpGrowth.Load(f, 0x26F4A0, kGrowthLevels);
    a.mpGrowth.Load(f, 0x26F502, kGrowthLevels);
    a.experience.Load(f, 0x2D8220, 2 * kGrowthLevels);
    a.rages.Load(f, 0x47AA0, kRages / 8);

    // The sword techniques' own names, shown beside their levels.
    if (rd.romType == kRomFF6j)
        rd.names.swordTechNames.Load(f, 0x11F9D0, 6, kTechniques);
    else
        rd.names.swordTechNames.Load(f, 0xF3C40, 12, kTechniques);
}

void StoreActors(ImageFile& f, RomData& rd)
{
    const ActorTables& a = rd.actors;
    for (const RawTable* t : {&a.startup, &a.naturalMagic, &a.techniqueLevels, &a.lores, &a.hpGrowth, &a.mpGrowth,
                              &a.experience, &a.rages})
        t->Store(f);
    rd.names.swordTechNames.Store(f);
}

} // namespace quorvex
