#pragma once
// The monster battle scripts as the document loads and stores them. The game
// finds its script pointer table and script data through 3-byte SNES
// addresses in its own code; the document reads those addresses, then the
// 384 pointers and a 64 KiB window of data from where they lead, and splits
// the scripts into a BattleScriptSet. Saving packs the set again, at the
// game's own place or in the bank the scripts were moved to (the code's
// addresses are then rewritten to match). A save writes the scripts only
// when the file does not already hold them where they belong, so an image
// whose own layout differs from the packed one (gaps, another order) keeps
// every byte when it is saved unedited.
#include <cstdint>
#include <string>
#include <vector>

#include "monsters/BattleScriptSet.h"
#include "rom/ImageFile.h"
#include "rom/NameLists.h"

namespace quorvex {

struct RomData;

// The game's own placement.
constexpr uint32_t kScriptPtrBaseOwn = 0xCF8400;
constexpr uint32_t kScriptDataBaseOwn = 0xCF8700;

struct BattleScriptTables {
    uint32_t pointerBase = kScriptPtrBaseOwn; // SNES address of the pointer table
    uint32_t dataBase = kScriptDataBaseOwn;   // SNES address of the script data
    BattleScriptSet set;                      // the scripts, their capacity and load status

    // The battle command names the descriptions quote (read only; the
    // North American release's 32 names of 7 characters).
    NameList commandNames;
};

// Code positions (ROM offsets) of the 3-byte operands that hold the bases.
struct ScriptOperandPlaces {
    uint32_t pointerBase;
    uint32_t dataBase[4]; // the first is the one detection reads
};
ScriptOperandPlaces ScriptOperands(uint8_t romType);

// Reads the scripts; returns the foreign-patch warning text, or "".
std::string LoadBattleScripts(ImageFile& f, RomData& rd);
void StoreBattleScripts(ImageFile& f, RomData& rd);

// Whether a save would write the scripts back (a foreign patch's layout,
// a set that could not be split or does not fit, or an area outside the
// image are never written).
bool ScriptsWritable(const RomData& rd);

// What differs between the scripts of two images ("3 scripts", "data at
// $F60000"), or "" when they hold the same; for the table-level diff.
std::string BattleScriptsDiffer(const RomData& a, const RomData& b);

} // namespace quorvex
