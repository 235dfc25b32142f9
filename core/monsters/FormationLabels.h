#pragma once
// The names the formation editor shows for the formations' battle options,
// the special events, the music, the encounter rates and the pack entries'
// odds; the table descriptions take their keys from the same rows.
#include <string>
#include <vector>

namespace quorvex {

// A battle option that is one bit of the 4 option bytes, shown as a box.
struct FormationOptionBit {
    int byte;
    int bit;
    const char* label; // as the editor shows it
    const char* key;   // the label in snake_case, for the command line
};
// Every such bit, in byte and bit order. The introduction (byte 0 bits
// 0-3), the event (byte 2), the music (byte 3 bits 3-5) and the music
// switch (byte 3 bit 7) are not among them.
const std::vector<FormationOptionBit>& FormationOptionBits();

// Byte 3 bit 1 is only known to keep a formation off the Veldt for the
// formations that the Veldt can draw, 0-511.
constexpr const char* kUnknownOptionLabel = "?";

// "Pre-drawn", "Smoke", ... (16 entries, option byte 0 bits 0-3).
const std::vector<std::string>& FormationIntroNames();
// "Battle", "Boss", ... (8 entries, option byte 3 bits 3-5).
const std::vector<std::string>& FormationMusicNames();
// The 256 special events (option byte 2): "No events", ..., "<0x19> not used".
const std::vector<std::string>& FormationEventNames();

// "Grass possibilities", "Forest possibilities", "Desert possibilities",
// "Dry land possibilities".
const char* TerrainLabel(int terrain);
// The name of encounter rate 0-3 of a zone: rate 3 means no encounter on
// the world maps and even more encounters on other maps.
const char* ZoneRateName(int zone, int rate);
// "Probability: 5/16" ... for entry e of pack p.
const char* PackProbabilityLabel(int pack, int entry);

} // namespace quorvex
