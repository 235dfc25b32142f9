#pragma once
// Battle backgrounds: assembling one from its record (tile map plus three
// graphics banks, compressed or not), drawing it, and the list of
// backgrounds offered wherever one is picked.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "graphics/Bitmap.h"

namespace quorvex {

struct RomData;

// 32 x 32 tile-map entries, then three banks of 128 4bpp tiles.
constexpr size_t kBackgroundMapBytes = 0x800;
constexpr size_t kBackgroundBankBytes = 0x1000;
constexpr size_t kBackgroundBufferBytes = kBackgroundMapBytes + 3 * kBackgroundBankBytes;
constexpr int kBackgroundRows = 19;
constexpr int kBackgroundDummyRows = 12;

constexpr const char* kDecompressingBackgrounds = "Decompressing background graphics";

// Assembles background `bg` (0..55) into `buffer` (resized to
// kBackgroundBufferBytes) and returns the diagnostic text. With dummyMap the
// tile map shows the three banks' tiles in order instead of the real map.
// Uncompressed banks are read from the image file on disk. An unknown
// background number gives an empty text and a buffer of zeros.
std::string BuildBackground(const RomData& rd, int bg, std::vector<uint8_t>& buffer, bool dummyMap);

// Draws background `bg` into a new bitmap 256/scale wide and rows*8/scale
// high (19 rows, 12 with dummyMap). Variant 1 and 2 shift the palettes by 2
// and 4; any other value by nothing.
void RenderBackground(const RomData& rd, int bg, CFF6Bitmap& bmp, int scale, int variant, bool dummyMap);
// The same from an assembled buffer (no file access).
void RenderBackgroundBuffer(const RomData& rd, int bg, const std::vector<uint8_t>& buffer, CFF6Bitmap& bmp, int scale,
                            int variant, int rows);

// Called with the caption, the number done and the total.
using ProgressFn = std::function<void(const char* caption, int done, int total)>;

// Draws all 56 backgrounds at scale 1 and 2 once per open image and keeps
// them in rd.gfx.backgroundCache. Later calls do nothing.
void RenderAllBackgrounds(RomData& rd, const ProgressFn& progress = {});

struct BackgroundChoice {
    int id; // -1: none
    const char* label;
};
// The 55 entries in display order.
const std::vector<BackgroundChoice>& BattleBackgroundList();
// Position of an id in the list, or the last entry ("???") when absent.
int BattleBackgroundListIndex(int id);

} // namespace quorvex
