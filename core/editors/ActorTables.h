#pragma once
// What the game gives its 64 actors when they first join and how they grow:
// the startup records, the natural magic two actors learn by level, the
// levels at which sword techniques and blitzes are learnt, the lores and
// rages known from the start, and the three growth tables (HP and MP gained
// on reaching each level, experience needed for it). The places are the
// same in every release.
//
// Every table is kept as the bytes read from the image.
#include <cstdint>

#include "rom/RawTable.h"

namespace quorvex {

struct RomData;

constexpr int kActors = 64;
constexpr int kActorRecordSize = 22;
constexpr int kNaturalMagicActors = 2;  // the records belong to actors 0 and 6
constexpr int kNaturalMagicSpells = 16; // pairs of spell index and level
constexpr int kNaturalMagicRecordSize = 2 * kNaturalMagicSpells;
constexpr int kTechniques = 8;          // sword techniques, and blitzes
constexpr int kLores = 24;
constexpr int kRages = 256;
constexpr int kGrowthLevels = 98;       // entry i belongs to level i + 2

// The startup record's bytes.
enum ActorByte : int {
    kActorExtraHp = 0,
    kActorExtraMp = 1,
    kActorCommands = 2,  // four battle command numbers
    kActorVigor = 6,     // then speed, stamina, magic power, battle power,
                         // defense, magic defense, evade %, magic block %
    kActorEquipment = 15, // weapon, shield, helmet, armor, relic 1, relic 2
    kActorFlags = 21,    // run success code, level factor, four flags
};

struct ActorTables {
    RawTable startup;         // 64 records of 22 bytes
    RawTable naturalMagic;    // 2 records of 16 (spell, level) pairs
    RawTable techniqueLevels; // sword techniques 0-7, then blitzes 0-7
    RawTable lores;           // 24 bits: lore i known from the start
    RawTable hpGrowth;        // 98 bytes
    RawTable mpGrowth;        // 98 bytes
    RawTable experience;      // 98 little-endian words: experience / 8
    RawTable rages;           // 256 bits: rage i known from the start
};

void LoadActors(ImageFile& f, RomData& rd);
void StoreActors(ImageFile& f, RomData& rd);

} // namespace quorvex
