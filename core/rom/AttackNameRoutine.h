#pragma once
// The game's routine that reads a monster's special attack name (North
// American release): 41 bytes whose form says where the 384 names lie and
// how long one is. The game's own form reads 10-character names at $CFD0D0;
// the two known lengthening forms read 16-character names from another
// bank (form A at the start of the bank, form B at a 16-bit offset in it).
#include <cstdint>

#include "rom/ImageFile.h"

namespace quorvex {

struct RomData;

constexpr uint32_t kAttackNamesOwnAddr = 0xCFD0D0;
constexpr uint32_t kAttackNamesOwnLen = 10;
constexpr uint32_t kAttackNamesJpAddr = 0xCFD400;
constexpr uint32_t kAttackNamesJpLen = 8;
constexpr uint32_t kAttackNamesLongLen = 16;
constexpr int kAttackNameCount = 384;
constexpr int kAttackNameRoutineSize = 41;

// Where the routine says the names are: the romFlags bits 23/24 it stands
// for (both for a form nobody documented, with address and length 0).
struct AttackNamePlacement {
    uint32_t bits = 0;
    uint32_t address = 0;
    uint32_t length = 0;
    bool operator==(const AttackNamePlacement&) const = default;
};
AttackNamePlacement ReadAttackNameRoutine(const uint8_t* code);

// The routine for a placement; false for an unknown change (both bits).
bool MakeAttackNameRoutine(const AttackNamePlacement& placement, uint8_t* code);

// The placement the document holds now.
AttackNamePlacement CurrentAttackNamePlacement(const RomData& rd);

// Rewrites the routine when it no longer matches where the names are
// (after a relocation was applied or removed); a routine that already reads
// the names from their place is left as it is, byte for byte.
void StoreAttackNameRoutine(ImageFile& f, const RomData& rd);

} // namespace quorvex
