#pragma once
// The monster battle scripts as the document loads and stores them: the
// pointer table (384 two-byte offsets) and the script data area, found
// through the two code operands that hold their bases.
#include <cstdint>
#include <string>
#include <vector>

#include "rom/ImageFile.h"

namespace quorvex {

struct RomData;

// The game's own placement.
constexpr uint32_t kScriptPtrBaseOwn = 0xCF8400;
constexpr uint32_t kScriptDataBaseOwn = 0xCF8700;
constexpr uint32_t kScriptSpaceOwn = 0x3950; // 14672 bytes
constexpr uint32_t kScriptSpaceRelocated = 0x10000;
constexpr uint32_t kScriptPointerBytes = 0x300;

struct BattleScriptTables {
    uint32_t pointerBase = kScriptPtrBaseOwn;   // SNES address of the pointer table
    uint32_t dataBase = kScriptDataBaseOwn;     // SNES address of the script data
    uint32_t space = kScriptSpaceOwn;           // bytes the scripts may use
    uint32_t usedBytes = 0;                     // bytes the compiled scripts use
    std::vector<uint8_t> pointers;              // 0x300 bytes
    std::vector<uint8_t> data;                  // 0x10000 bytes read from the data base
};

// Code positions (ROM offsets) of the 3-byte operands that hold the bases.
struct ScriptOperandPlaces {
    uint32_t pointerBase;
    uint32_t dataBase[4]; // the first is the one detection reads
};
ScriptOperandPlaces ScriptOperands(uint8_t romType);

// Load step 9.6. Returns the patch warning text, or an empty string.
std::string LoadBattleScripts(ImageFile& f, RomData& rd);
void StoreBattleScripts(ImageFile& f, RomData& rd);

} // namespace quorvex
