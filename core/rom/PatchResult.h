#pragma once
// What reading, applying or creating a patch came to. The patch codecs
// return one of these and never show anything; PatchMessage gives the text
// the user sees. An apply that does not end in Ok has not touched its
// output.
#include <cstdint>
#include <string>

namespace quorvex {

enum class PatchStatus {
    Ok,
    NotAPatch,         // neither the "BPS1" nor the "PATCH" signature
    Truncated,         // the patch ends inside a record or before its footer
    BadPatchChecksum,  // BPS: the CRC32 of the patch's own bytes is not the one it carries
    BadNumber,         // BPS: a number runs past 56 bits
    WrongSource,       // BPS: the image is not the one the patch was made from
    ActionPastSource,  // an action reads past the end of the original
    ActionPastTarget,  // an action writes past the size the result should have
    BadTargetCopy,     // BPS: a copy from the result where nothing was written yet
    TargetShort,       // BPS: the actions end before the result is complete
    BadTargetChecksum, // BPS: the result's CRC32 is not the one the patch names
    TooLarge,          // the result would be larger than kMaxPatchedSize
    IpsBeyondLimit,    // IPS: a difference lies past the 16 MiB an IPS offset reaches
    IpsEmptyRun,       // IPS: a run-length record of length 0
    TrailingBytes,     // IPS: bytes after the end marker other than a truncation size
};

struct PatchResult {
    PatchStatus status = PatchStatus::Ok;
    uint64_t at = 0;       // position in the patch (or, for IpsBeyondLimit, in the image)
    uint64_t expected = 0; // checksum or size the patch names
    uint64_t actual = 0;   // checksum or size found
    uint64_t expectedSize = 0; // WrongSource: the size the patch names ...
    uint64_t actualSize = 0;   // ... and the image's

    bool Ok() const { return status == PatchStatus::Ok; }
};

inline PatchResult PatchFailure(PatchStatus status, uint64_t at = 0, uint64_t expected = 0, uint64_t actual = 0)
{
    PatchResult r;
    r.status = status;
    r.at = at;
    r.expected = expected;
    r.actual = actual;
    return r;
}

// No game image comes near this; a patch that claims a larger result is
// refused before anything is allocated for it.
constexpr uint64_t kMaxPatchedSize = 64ull << 20;

// The message for a status that is not Ok.
std::string PatchMessage(const PatchResult& result);

// CRC-32 (the zlib polynomial) of a byte range.
uint32_t Crc32(const uint8_t* bytes, size_t size);

} // namespace quorvex
