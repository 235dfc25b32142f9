#pragma once
// BPS patches, the community's checked format. A patch is
//
//   "BPS1"  source size  target size  metadata size  metadata
//   actions ...
//   source CRC32  target CRC32  patch CRC32          (little-endian, 4 bytes each)
//
// Numbers are variable-length: seven bits per byte, least significant
// group first, the last byte marked by bit 7, and each continuation adding
// one to the next group (so that no value has two spellings). An action is
// one number: its low two bits choose the kind, the rest is length - 1.
//
//   0 source read   copy from the original at the current output position
//   1 target read   take the next `length` bytes from the patch
//   2 source copy   copy from the original at a moving source cursor
//   3 target copy   copy from the result already written at a moving target
//                   cursor (byte by byte, so a copy may overlap what it writes)
//
// The two copies are followed by a signed cursor step: bit 0 is the sign,
// the rest the distance. The patch CRC32 covers every byte before it.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "rom/PatchResult.h"

namespace quorvex {

struct BpsInfo {
    uint64_t sourceSize = 0;
    uint64_t targetSize = 0;
    std::string metadata;
    uint32_t sourceCrc = 0;
    uint32_t targetCrc = 0;
    uint32_t patchCrc = 0;
    // Actions by kind: source read, target read, source copy, target copy.
    std::array<uint64_t, 4> actions{};
};

// Reads the header and footer, checks the patch CRC32 and walks every
// action against the sizes the patch names.
PatchResult ReadBpsInfo(std::span<const uint8_t> patch, BpsInfo& info);

// Checks the patch, then the original's size and CRC32, before anything is
// produced; `target` receives the result only when the result's CRC32 is
// the one the patch names.
PatchResult ApplyBps(std::span<const uint8_t> source, std::span<const uint8_t> patch, std::vector<uint8_t>& target);

// A patch that turns `source` into `target`: unchanged stretches are
// source reads, repeated or moved data becomes copies, the rest is read
// from the patch.
std::vector<uint8_t> CreateBps(std::span<const uint8_t> source, std::span<const uint8_t> target);

} // namespace quorvex
