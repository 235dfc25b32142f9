#pragma once
// Battle line-ups and where they are met: the formations (which monsters,
// where they stand, the sprite mould), their battle options and magic
// points, the packs a battle is drawn from, the encounter zones that give
// each terrain of a map area its pack and rate, and the colosseum bets.
//
// All of them are kept as the bytes read from the image; the field
// descriptions (FormationDesc.cpp) and the helpers below say what the bits
// mean, so opening and saving without edits is byte-identical by
// construction.
#include <cstdint>

#include "rom/RawTable.h"

namespace quorvex {

struct RomData;

struct FormationTables {
    RawTable records;     // 576 formations of 15 bytes
    RawTable options;     // 576 x 4 option bytes
    RawTable magicPoints; // one byte per formation 0-511
    RawTable packsOfFour; // packs 0-255: four 16-bit entries
    RawTable packsOfTwo;  // packs 256-511: two 16-bit entries
    RawTable zonePacks;   // 256 zones: a pack of four per terrain
    RawTable zoneRates;   // 256 zones: four 2-bit encounter rates
    RawTable colosseum;   // 256 bets of 4 bytes, one per item
};

constexpr int kFormationCount = 576;
constexpr int kFormationBytes = 15;
constexpr int kFormationOptionBytes = 4;
// Monster numbers from here on name no monster (the combos list 512).
constexpr int kFormationMonsterLimit = 384;
constexpr int kFormationMonsterChoices = 512;
// Only formations below this give magic points; the table has no room
// for the others.
constexpr int kMagicPointFormations = 512;
// A slot whose monster number is this is the game's empty slot.
constexpr int kEmptySlotMonster = 0x1FF;

constexpr int kPackCount = 512;
constexpr int kPacksOfFour = 256;
// Bits 0-14 of a pack entry: the formation; bit 15: the game may pick
// the formation at random together with the next three.
constexpr uint16_t kPackFormationMask = 0x7FFF;
constexpr uint16_t kPackRandomBit = 0x8000;

constexpr int kZoneCount = 256;
constexpr int kTerrainCount = 4; // grass, forest, desert, dry land
// Zones from here on belong to towns, caves and other maps.
constexpr int kFirstOtherZone = 0x80;

constexpr int kColosseumCount = 256;

// The bytes of one record, or null when the image does not hold it.
uint8_t* FormationBytes(RomData& rd, int formation);
const uint8_t* FormationBytes(const RomData& rd, int formation);
uint8_t* FormationOptionBytes(RomData& rd, int formation);
const uint8_t* FormationOptionBytes(const RomData& rd, int formation);
uint8_t* ColosseumBytes(RomData& rd, int item);
const uint8_t* ColosseumBytes(const RomData& rd, int item);

// Monster number of slot s (0-5): the slot's byte 2 + s, with bit 8 from
// bit s of byte 14.
int FormationSlotMonster(const uint8_t* record, int slot);
void SetFormationSlotMonster(uint8_t* record, int slot, int monster);

// Packs 0-255 hold four entries, packs 256-511 two.
int PackEntryCount(int pack);
// Entry e of pack p (bits 0-14 formation, bit 15 random with the next
// three); -1 when the image does not hold it.
int PackEntry(const RomData& rd, int pack, int entry);
// The bytes of pack p: 8 for packs of four, 4 for packs of two.
uint8_t* PackBytes(RomData& rd, int pack);

// Where terrain t's 2-bit rate lies in a zone's rate byte. World zones
// keep grass in the top bits, other maps the other way round.
int ZoneRateShift(int zone, int terrain);
int ZoneRate(const RomData& rd, int zone, int terrain);
void SetZoneRate(RomData& rd, int zone, int terrain, int rate);
// The pack of terrain t of zone z; -1 when the image does not hold it.
int ZonePack(const RomData& rd, int zone, int terrain);

// The formations and their magic points (the options are written here
// too, though they are read with the packs).
void LoadFormations(ImageFile& f, RomData& rd);
void StoreFormations(ImageFile& f, RomData& rd);
void LoadColosseum(ImageFile& f, RomData& rd);
void StoreColosseum(ImageFile& f, RomData& rd);
// Both pack tables and the formation options.
void LoadPacksAndZones(ImageFile& f, RomData& rd);
void StorePacksAndZones(ImageFile& f, RomData& rd);
// The zones' packs and rates.
void LoadEncounterTables(ImageFile& f, RomData& rd);
void StoreEncounterTables(ImageFile& f, RomData& rd);

} // namespace quorvex
