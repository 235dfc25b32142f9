#pragma once
// Sources of replacement samples: an SPC sound dump (the sound RAM and the
// sample directory the DSP points at), a raw BRR file, a WAV file (encoded
// to BRR) and a scan of any file, a ROM image mostly, for BRR runs. Each
// reader fills a candidate list over a source buffer it keeps.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {

struct BrrCandidate {
    uint32_t start = 0; // offset of the first block in the source
    uint32_t loop = 0;  // loop address (SPC dumps only)
    int blocks = -1;    // CountBrrBlocks from the start (negative: no end flag)
    bool valid = false; // CheckBrrRun is not negative
};

enum class SourceKind { None, Spc, Brr, Wav, Scan };

struct CandidateList {
    SourceKind kind = SourceKind::None;
    std::vector<uint8_t> source; // the sound RAM, the BRR, the encoded WAV or the scanned file
    std::vector<BrrCandidate> items;

    void Clear()
    {
        kind = SourceKind::None;
        source.clear();
        items.clear();
    }
    // The candidate's BRR bytes (its blocks, up to and including the one
    // with the end flag); empty when it has none.
    std::vector<uint8_t> Bytes(size_t index) const;
};

constexpr size_t kMaxCandidates = 1000;
constexpr size_t kMaxSpcCandidates = 128;
// A scan's default smallest sample, in blocks.
constexpr int kDefaultScanMinBlocks = 10;

// An SPC dump, in the published layout every dumper writes: a 256-byte
// header that starts with the text "SNES-SPC700 Sound File Data" (a version
// text follows it), then 64 KiB of sound RAM, then the 128 DSP registers;
// the extra RAM and the extended tags that may follow are not needed here.
constexpr char kSpcMagic[] = "SNES-SPC700 Sound File Data";
constexpr size_t kSpcMagicSize = sizeof kSpcMagic - 1;
constexpr size_t kSpcHeaderSize = 0x100;
constexpr size_t kSpcRamSize = 0x10000;
constexpr size_t kSpcMinSize = kSpcHeaderSize + kSpcRamSize + 128;
constexpr int kSpcTruncated = -1;
constexpr int kSpcNoMagic = -2;

// Whether the bytes can be an SPC dump: 0 when they start with the magic
// text and hold the RAM and the registers; kSpcNoMagic when the text is not
// there (checked first, so that any other file says it is not an SPC
// dump); kSpcTruncated when the dump is cut short.
int CheckSpcFile(const uint8_t* data, size_t length);

// Reads the sample directory of an SPC dump: the DSP's DIR register gives
// its page, and its first 128 entries (start, loop) become candidates,
// skipping those whose start is 0xFFFF. Returns 0 or the CheckSpcFile code
// (the list is then empty); nothing past the header is read before the
// header and the length have been checked.
int ReadSpcCandidates(const uint8_t* data, size_t length, CandidateList& out);

// A raw BRR file: one candidate at offset 0.
void ReadBrrCandidate(const uint8_t* data, size_t length, CandidateList& out);

// Largest BRR a WAV import may produce: what a sample's 16-bit length word
// can hold, in whole blocks.
constexpr size_t kMaxSampleBytes = 0xFFFF / 9 * 9;

// A WAV file, encoded to BRR: one candidate. Returns 0 or the WavError of
// the conversion, or kWavTooShort when it gave not one block (the list is
// then empty).
int ReadWavCandidate(const uint8_t* data, size_t length, CandidateList& out);

// The most of a file a scan reads (far more than any cartridge holds).
constexpr size_t kMaxScanBytes = 16u << 20;

// Scans a whole file for BRR runs of at least `minBlocks` blocks, at most
// kMaxCandidates of them, in the file's first kMaxScanBytes. Runs as fast as the file is long: the run length
// at each offset is worked out once, from the end of the file backwards.
void ScanForBrr(const uint8_t* data, size_t length, int minBlocks, CandidateList& out);

// Texts of the candidate list's columns.
std::string CandidateStartText(SourceKind kind, uint32_t start); // "0x%04X", a scan "0x%06X"
std::string CandidateValidText(const BrrCandidate& c);           // "Y" or "N"

} // namespace quorvex
