#pragma once
// The targeting byte every attack, command and item carries: which side the
// cursor starts on, whether it may move, whether one or all targets are hit.
// The battle commands, the MagiTek attacks, spells and items show it the
// same way: eight labelled bits, or a one-word summary on a button.
#include <cstdint>

namespace quorvex {

// Bits 0-7 of a targeting byte.
extern const char* const kTargetingBitLabels[8];

// The one-word summary: bit 2 hits "everyone"; otherwise bit 7 picks a
// "random" target; otherwise bit 6 starts on the enemies ("enemies" with
// bit 3, which selects a whole party, else "enemy"); otherwise the allies
// ("allies" or "ally").
const char* TargetingSummary(uint8_t targeting);

} // namespace quorvex
