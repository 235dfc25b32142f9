#pragma once
// The instrument samples: 63 three-byte SNES pointers at
// 0x53C5F and the data area they point into, 0x31245 bytes at 0x54A35
// (the same for every release). Each sample is a 16-bit length in bytes
// followed by that many bytes of BRR blocks.
//
// The area is held as read, and written back as held, so an image whose
// samples were not replaced saves byte for byte as it was. Replacing a
// sample lays the 63 samples out again one after another from the start of
// the area, and the pointers with them; the bytes the samples and their
// length words do not use are the free space.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "rom/ImageFile.h"

namespace quorvex {

struct RomData;

constexpr int kSampleCount = 63;
constexpr uint32_t kSamplePointersOffset = 0x53C5F;
constexpr uint32_t kSampleAreaOffset = 0x54A35;
constexpr uint32_t kSampleAreaSize = 0x31245;
constexpr uint32_t kSampleAreaSnes = 0xC54A35;

struct AudioTables {
    std::vector<uint8_t> pointerBytes;         // the 63 pointers, as they will be written
    std::vector<uint8_t> area;                 // the data area, as it will be written
    std::array<std::vector<uint8_t>, kSampleCount> samples; // each sample's BRR bytes
    std::array<uint32_t, kSampleCount> starts{};            // each sample's offset in the area (its length word)
    std::array<bool, kSampleCount> modified{};
    // A pointer below its predecessor, out of the area, or a sample running
    // into the next: the area was altered in a way we cannot follow, so its
    // samples may be played but not replaced.
    bool irregular = false;
    int32_t freeBytes = 0;
    int32_t initialFreeBytes = 0;
};

void LoadSoundSamples(ImageFile& f, RomData& rd);
void StoreSoundSamples(ImageFile& f, RomData& rd);

// Parses pointers and area (already in `t`) into the samples and works out
// the free space: the area's size less the bytes the samples and their
// length words use.
void ParseSampleArea(AudioTables& t);

enum class ReplaceStatus { Ok, NotEnoughBytes, Irregular, NoSample, TooLong, BadIndex };

// Replaces sample `index` with BRR bytes when the free space allows it
// (free + old length - new length not negative), marks it modified and lays
// the area out again. Anything but Ok changes nothing.
ReplaceStatus ReplaceSample(AudioTables& t, int index, const std::vector<uint8_t>& brr);
// The message for a refused replacement (empty for Ok).
const char* ReplaceStatusMessage(ReplaceStatus s);

int SampleBlocks(const AudioTables& t, int index);
// "%s%d": "*" before the block count of a replaced sample.
std::string SampleBlocksText(const AudioTables& t, int index);
// "0x%04X": the sample's offset in the area.
std::string SampleStartText(const AudioTables& t, int index);
// "Avail. blocks %d (%d bytes)", with "*%d" once the free space changed.
std::string FreeSpaceText(const AudioTables& t);

// Messages of the audio editor.
constexpr const char* kMsgCantOpenImport = "Can't open import file!!";
constexpr const char* kMsgCantCreateHandle = "Can't create file handle!!";
constexpr const char* kMsgClipTooBig = "Clip size is too big and cannot be played back";
constexpr const char* kMsgNotEnoughBytes = "Not enough bytes available!!";
constexpr const char* kMsgIrregularSamples =
    "Problem parsing Sound Samples, probably due to hex edited pointers.\nSorry, Quorvex can't replace them.";
constexpr const char* kMsgNoSampleData = "The selected sample has no end flag and cannot be used!!";
constexpr const char* kMsgSampleTooLong = "Sample too big: a sample holds at most 65535 bytes!!";
constexpr const char* kMsgNotSpc = "Not a valid SPC file!!";

} // namespace quorvex
