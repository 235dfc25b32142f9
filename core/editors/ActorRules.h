#pragma once
// How the Actors Editor shows and changes the startup records and the
// technique page: the run-success code, the level factor, the flag labels,
// and which attack names stand beside the technique levels.
#include <cstdint>
#include <string>

namespace quorvex {

struct RomData;

// Byte 21, bits 0-1, hold a run-success code; the menu shows 5 - code, so
// the codes 0-3 show as 5, 4, 3, 2. A value v typed in is stored as the code
// (1 - v) AND 3: 2-5 come back unchanged, 6 comes back as 2.
inline int RunSuccessShown(uint8_t flags) { return 5 - (flags & 3); }
inline uint8_t RunSuccessCode(int shown) { return static_cast<uint8_t>((1 - shown) & 3); }
constexpr int kRunSuccessMin = 2;
constexpr int kRunSuccessMax = 5;

// Byte 21, bits 2-3: how the actor's level moves from the party's average.
extern const char* const kLevelFactorLabels[4];
// Byte 21, bits 4-7, offered as check boxes.
extern const char* const kActorFlagLabels[4];

// The labels of the startup record's eleven number fields (bytes 0, 1, 6-14).
extern const char* const kActorStatLabels[11];
extern const char* const kActorStatKeys[11];

// Technique and lore levels are learnt between level 1 and 99.
constexpr int kTechniqueLevelMin = 1;
constexpr int kTechniqueLevelMax = 99;

// Beside the eight blitz and sword-technique levels stand the names of the
// attacks they unlock: eight consecutive spell indices from a start the user
// chooses; the 24 lores likewise. A start is clamped so that the names stay
// inside the 256 attacks.
constexpr int kBlitzStartDefault = 93;
constexpr int kSwordStartDefault = 85;
constexpr int kLoreStartDefault = 139;
int ClampTechniqueStart(int start); // 0-248
int ClampLoreStart(int start);      // 0-232

} // namespace quorvex
