#pragma once
// How the Battle Editor shows and changes its tables: the labels of the
// command attribute bits and of the blitz buttons, the blitz record's
// length byte, which MagiTek attack a slot names, and which entry of the
// battle background list a dance shows.
#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {

struct RomData;

// Rows 0-7: bits of the command's attribute byte; rows 8-15: bits of its
// targeting byte.
extern const char* const kCommandAttributeLabels[16];

// The fifteen button codes a blitz press can hold, "0x00: no commands"
// first.
constexpr int kBlitzButtons = 15;
extern const char* const kBlitzButtonLabels[kBlitzButtons];

// The number of presses before the first 0 among the record's 11 presses.
int BlitzPressCount(const uint8_t* presses);
// What byte 11 of a blitz record holds for these presses: twice their count.
uint8_t BlitzLengthByte(const uint8_t* presses);
// The presses as the sequence drawing shows them: up to the first 0, codes
// past the last button (15 and above) drawn as 0.
std::vector<int> BlitzDrawnPresses(const uint8_t* presses);

// A MagiTek slot names its attack by its place among the MagiTek attacks,
// which follow one another in the attack list from this spell index on. The
// choices offer 16 of them; 0xFF leaves the slot empty.
constexpr int kMagitekFirstSpell = 131;
constexpr int kMagitekChoices = 16;
constexpr uint8_t kMagitekNone = 0xFF;
// "k: name" of MagiTek attack k, or "(none)" for 0xFF.
std::string MagitekAttackLabel(const RomData& rd, int attack);

// The battle background list entry a dance shows for its background byte:
// the entry with that identifier, or entry 0 when none has it (0xFF, the
// byte "???" stores, included).
int DanceBackgroundEntry(uint8_t background);
// The byte a list entry stores: its identifier, 0xFF for "???".
uint8_t DanceBackgroundByte(int entry);

} // namespace quorvex
