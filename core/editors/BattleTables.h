#pragma once
// The battle-wide tables the Battle Editor edits: what each of the 32 battle
// commands may do and whom it targets, the eight MagiTek attacks, the button
// sequences of the eight blitzes and the eight dances. Their names (commands,
// statuses, dances) are name lists (rom/NameLists.h).
//
// Every table is kept as the bytes read from the image, so that saving
// without an edit writes back exactly what was read.
#include <cstdint>

#include "rom/RawTable.h"

namespace quorvex {

struct RomData;

constexpr int kBattleCommands = 32;
constexpr int kCommandRecordSize = 2; // attributes, targeting
constexpr int kMagitekSlots = 8;
constexpr int kBlitzes = 8;
constexpr int kBlitzRecordSize = 12;  // 11 presses, then twice their count
constexpr int kBlitzPresses = 11;
constexpr int kDances = 8;
constexpr int kDanceMoves = 4;
constexpr int kStatuses = 32;

struct BattleTables {
    RawTable commands;         // 32 records: byte 0 attributes, byte 1 targeting
    RawTable magitek;          // three arrays of 8: targeting, first actor's attack, other actors' attack
    RawTable blitzInputs;      // 8 records of 12 bytes
    RawTable danceMoves;       // 8 records of 4 spell indices
    RawTable danceBackgrounds; // 8 battle background identifiers
};

void LoadBattleTables(ImageFile& f, RomData& rd);
void StoreBattleTables(ImageFile& f, RomData& rd);

// Where the MagiTek arrays lie: the 1.1 revision moved them three bytes
// earlier; the Japanese release has them elsewhere.
uint32_t MagitekOffset(const RomData& rd);

} // namespace quorvex
