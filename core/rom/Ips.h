#pragma once
// IPS patches, the oldest format in use. A patch is "PATCH", then records,
// then "EOF":
//
//   offset (3 bytes, big-endian)  size (2 bytes)  size bytes of data
//   offset (3 bytes)  0x0000  count (2 bytes)  value (1 byte)       a run
//
// and optionally, after "EOF", the size the result is cut to (3 bytes, the
// truncation extension). Offsets cannot reach past 16 MiB, and a record may
// not start at 0x454F46, whose three bytes read as "EOF". There is no
// checksum: IPS cannot tell a wrong original from the right one.
#include <cstdint>
#include <span>
#include <vector>

#include "rom/PatchResult.h"

namespace quorvex {

constexpr uint64_t kIpsLimit = 0x1000000;   // the first offset three bytes cannot hold
constexpr uint32_t kIpsEofOffset = 0x454F46; // "EOF" read as an offset

struct IpsInfo {
    uint64_t records = 0;    // every record, runs included
    uint64_t runs = 0;       // run-length records
    uint64_t end = 0;        // the end of the furthest record
    bool truncates = false;  // the truncation extension is present
    uint64_t truncateTo = 0;
};

PatchResult ReadIpsInfo(std::span<const uint8_t> patch, IpsInfo& info);

// `target` receives the original with the records written over it (growing
// it where a record reaches past its end) and cut to the truncation size.
PatchResult ApplyIps(std::span<const uint8_t> source, std::span<const uint8_t> patch, std::vector<uint8_t>& target);

// Refuses (IpsBeyondLimit, `at` the first such offset) when a difference
// lies at or past 16 MiB. A result shorter than the original is recorded
// with the truncation extension.
PatchResult CreateIps(std::span<const uint8_t> source, std::span<const uint8_t> target, std::vector<uint8_t>& patch);

} // namespace quorvex
