#pragma once
// The monsters' own tables. The game has 384 monsters; for each the ROM
// holds a 32-byte statistics record (0xF0000), a 4-byte item record
// (0xF3000: steal rare, steal common, drop rare, drop common), one byte
// choosing the look of its special attack (0xF37C0), four control commands
// (0xF3D00), two sketch commands (0xF4300) and, for monsters 0-255 only,
// two rage commands (0xF4600). The tables are kept as the bytes read; the
// table description "monsters" (MonsterDesc.cpp) names every field of them.
//
// Statistics record, little-endian words:
//    0 speed          1 battle power    2 hit rate      3 attack block
//    4 magic block    5 attack defence  6 magic defence 7 magic power
//    8 HP (16)       10 MP (16)        12 experience   14 gold (16)
//   16 level         17 bits 0-4 morph pack, bits 5-7 morph rate
//   18, 19 special flags 0-15        20-22 blocked statuses (24 bits)
//   23 elements absorbed  24 nullified  25 weak
//   26 normal attack look            27-29 statuses at battle start
//   30 special flags 16-23
//   31 bits 0-5 special-attack effect, bit 6 no physical harm, bit 7 can't be dodged
#include <cstdint>
#include <string>

#include "rom/ImageFile.h"

namespace quorvex {

struct RomData;

constexpr int kMonsterCount = 384;
constexpr int kMonsterRecordSize = 32;
// Only the first 256 monsters have rage commands.
constexpr int kRageMonsterCount = 256;

constexpr uint32_t kMonsterStatsRom = 0xF0000;
constexpr uint32_t kMonsterItemsRom = 0xF3000;
constexpr uint32_t kSpecialAnimsRom = 0xF37C0;
constexpr uint32_t kControlCommandsRom = 0xF3D00;
constexpr uint32_t kSketchCommandsRom = 0xF4300;
constexpr uint32_t kRageCommandsRom = 0xF4600;

// The bytes of one monster's records, or null when the image holds none.
uint8_t* MonsterStats(RomData& rd, int monster);
uint8_t* MonsterItems(RomData& rd, int monster);
uint8_t* MonsterSpecialAnim(RomData& rd, int monster);
uint8_t* MonsterControlCommands(RomData& rd, int monster);
uint8_t* MonsterSketchCommands(RomData& rd, int monster);
uint8_t* MonsterRageCommands(RomData& rd, int monster); // null for monsters 256-383
inline const uint8_t* MonsterStats(const RomData& rd, int monster)
{
    return MonsterStats(const_cast<RomData&>(rd), monster);
}

// The labels the monster editor shows.
// Element bits 0-7 (every element mask of the game).
extern const char* const kElementNames[8];
// Status bits 0-23 of the blocked and starting statuses. Bit 16 is Float
// when a monster starts with it and Dance when it blocks it, hence "Float*".
extern const char* const kStatusNames[24];
constexpr const char* kFloatNote = "* Start with Float, blocks Dance";
// Special flag rows 0-23 (byte 18 | byte 19 << 8 | byte 30 << 16).
extern const char* const kSpecialFlagNames[24];
// The chance of a morph, by the 3-bit rate, in percent as the game's
// divisor gives it.
extern const char* const kMorphRateLabels[8];
// The special attack's extra effect, 0-63: the 32 statuses it inflicts,
// then stronger hits, drain and osmose.
std::string SpecialEffectName(int effect);
// One line of the special-attack animation list: "%d = %s" with the
// description after its "XX=" number, or "%d = ?" when the built-in table
// has no text for it.
std::string AttackAnimListText(int animation);

void LoadMonsters(ImageFile& f, RomData& rd);
void StoreMonsters(ImageFile& f, RomData& rd);
// Control, sketch and rage commands.
void LoadMonsterExtras(ImageFile& f, RomData& rd);
void StoreMonsterExtras(ImageFile& f, RomData& rd);

} // namespace quorvex
