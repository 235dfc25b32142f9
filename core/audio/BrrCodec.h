#pragma once
// BRR decoding and block checks. A BRR stream is a run of 9-byte blocks;
// the header byte holds shift << 4 | filter << 2 | loop << 1 | end, and the
// block with the end flag is the stream's last. The sound chip keeps the
// decoded history at half scale (15 bits), and so do we.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorvex {

// The prediction of filter 0-3 from the two previous (15-bit) samples.
inline int BrrPredict(int filter, int p1, int p2)
{
    switch (filter) {
    case 0: return 0;
    case 1: return p1 + ((-p1) >> 4);
    case 2: return 2 * p1 + ((-3 * p1) >> 5) - p2 + (p2 >> 4);
    default: return 2 * p1 + ((-13 * p1) >> 6) - p2 + ((3 * p2) >> 4);
    }
}

// Keeps 15 bits of a value, bit 14 deciding the sign (the chip doubles it
// into a 16-bit register and halves it again).
inline int BrrWrap15(int v) { return static_cast<int16_t>(static_cast<uint16_t>(v * 2)) >> 1; }

// Blocks up to and including the first whose header has the end flag;
// -1 when no whole block with the end flag lies within `length`.
int CountBrrBlocks(const uint8_t* data, size_t length);
// As CountBrrBlocks, but -2 as soon as a header's shift is above 13 (the
// chip cannot play such a block).
int CheckBrrRun(const uint8_t* data, size_t length);

// A BRR file to be decoded whole: 0 when it is a run of whole 9-byte
// blocks that reaches a block with the end flag and holds no shift above
// 13; else the first fault found, in this order: kBrrNotWholeBlocks,
// kBrrNoEndFlag, kBrrBadShift.
enum BrrFileError : int { kBrrNoEndFlag = -1, kBrrBadShift = -2, kBrrNotWholeBlocks = -3 };
int CheckBrrFile(const uint8_t* data, size_t length);
// The text for a CheckBrrFile code; empty for any other value.
const char* BrrErrorMessage(int code);

// The largest WAV image DecodeBrrToWav makes.
constexpr size_t kMaxDecodedWavBytes = 1000000;

// Decodes a BRR stream into a playable 16-bit mono WAV image at
// pitch x 32000 / 4096 Hz (pitch 0x1000 plays at 32,000 Hz). Returns the
// image's size; -1 when the stream has no end flag, the image would exceed
// kMaxDecodedWavBytes or the pitch is not positive; -2 when a block's shift
// is above 13. `wav` is empty after a failure. Shift 13 decodes as the
// sound chip does it: a nibble's value is 0 when it is not negative and
// -2048 when it is.
int DecodeBrrToWav(const uint8_t* brr, size_t length, int pitch, std::vector<uint8_t>& wav);

// The sample rate a pitch plays at.
int64_t PitchToRate(int pitch);
// The pitch of a rate typed by the user: rate x 4096 / 32000, and -1 (plays
// nothing) when that comes to 0 or less.
int RateToPitch(int64_t rate);

} // namespace quorvex
