#pragma once
// WAV to BRR: the console's sound chip plays samples in BRR, blocks of 9
// bytes (a header byte and sixteen 4-bit deltas). The converter validates a
// WAV image held in memory, reduces it to one channel of 16-bit samples and
// encodes it block by block, trying every filter and shift and keeping the
// closest result, then re-encodes any block that would overflow the sound
// chip's interpolation.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorvex {

// Codes of ConvertWavToBrr (and the two more the callers' table knows).
enum WavError : int {
    kWavNotRiff = -1,
    kWavBoundCheck = -2,
    kWavNotWaveFmt = -3,
    kWavBadFmtSize = -4,
    kWavNotPcm = -5,
    kWavTooManyChannels = -6,
    kWavBadAlignment = -7,
    kWavNot16Bit = -8,
    kWavNoData = -9,
    kWavBufferBoundCheck = -10,
    kWavTooBig = -11,
    // Faults the fixed table has no words for, each said as it is.
    kWavNoChannels = -12,     // a channel count of 0
    kWavBadSampleWidth = -13, // samples neither 8 nor 16 bits wide
    kWavBadChunkSize = -14,   // a chunk that runs past the end of the file
    kWavNoSamples = -15,      // a data chunk without one whole sample
    kWavTooShort = -16,       // fewer samples than one BRR block needs (the callers' check)
};

// The text shown for a WAV error code (-1 to -16); an empty string for
// any other value.
const char* WavErrorMessage(int code);

constexpr size_t kWavHeaderSize = 44;
constexpr size_t kBrrBlockSize = 9;

// Converts a WAV image to BRR. The header is read in its canonical layout
// up to the format fields; the chunks after the format chunk are walked,
// any that is not "data" (a LIST chunk of tags, say) is skipped, and the
// samples are the data chunk's own bytes, so nothing after that chunk is
// taken for sound. `capacity` holds the size of `out` and, on
// success, receives the number of bytes produced (blocks x 9). Returns 0 or
// a negative WavError; nothing is written on failure.
int ConvertWavToBrr(const uint8_t* wav, size_t length, uint8_t* out, size_t& capacity);

// The validation and channel reduction alone: the 16-bit mono samples of
// a WAV image. Returns 0 or the WavError of the first failed check.
int ReduceWavToMono16(const uint8_t* wav, size_t length, std::vector<int16_t>& samples);

// Encodes 16-bit mono samples (the trailing samples that do not fill a
// block are dropped). Returns 0, or kWavTooBig when `capacity` cannot hold
// the blocks (nothing written).
int EncodeBrr(const int16_t* samples, size_t count, uint8_t* out, size_t& capacity);

// A canonical 44-byte-header PCM WAV image of the given layout holding
// `data` (interleaved little-endian samples, 8-bit ones unsigned).
std::vector<uint8_t> MakeWavImage(int channels, int bitsPerSample, uint32_t sampleRate,
                                  const std::vector<uint8_t>& data);
// A 16-bit mono WAV image of the given samples.
std::vector<uint8_t> MakeWavImage16(const std::vector<int16_t>& samples, uint32_t sampleRate);

} // namespace quorvex
