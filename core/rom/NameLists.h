#pragma once
// The game's name lists (monsters, items, spells, espers, attacks, rare
// items, actors, monster special attacks): fixed-length names in the menu
// encoding, padded with 0xFF.
#include <cstdint>

#include "rom/RawTable.h"

namespace quorvex {

struct RomData;

struct NameListTables {
    RawTable monsterNames; // step 9.4
    RawTable itemNames;    // step 9.7
    RawTable rareItemNames;
    RawTable actorNames;   // step 9.10
    RawTable spellNames;   // step 9.12
    RawTable esperNames;
    RawTable attackNames;
    RawTable specialAttackNames; // step 9.23, at the place patch detection found
};

void LoadMonsterNames(ImageFile& f, RomData& rd);
void StoreMonsterNames(ImageFile& f, RomData& rd);
void LoadItemNames(ImageFile& f, RomData& rd);
void StoreItemNames(ImageFile& f, RomData& rd);
void LoadActorNames(ImageFile& f, RomData& rd);
void StoreActorNames(ImageFile& f, RomData& rd);
void LoadMagicNames(ImageFile& f, RomData& rd);
void StoreMagicNames(ImageFile& f, RomData& rd);
void LoadSpecialAttackNames(ImageFile& f, RomData& rd);
void StoreSpecialAttackNames(ImageFile& f, RomData& rd);

} // namespace quorvex
