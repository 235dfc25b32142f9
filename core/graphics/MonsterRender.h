#pragma once
// Monster sprites and formation previews drawn from the image's monster
// graphics records, mappings, tile data and palettes.
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/Backgrounds.h"
#include "graphics/Bitmap.h"
#include "graphics/Color.h"

namespace quorvex {

struct RomData;

constexpr int kFormationCount = 576;
constexpr int kFormationBytes = 15;
constexpr int kFormationMonsterLimit = 384; // numbers from here name no monster
constexpr int kMouldCount = 16;
constexpr const char* kLoadingFormationGraphics = "Loading Formation Graphics";

// Draws monster `monster`'s sprite into a new bitmap of 64x64 (small mapping)
// or 128x128 (large) pixels divided by `scale`. False (and an empty 64/scale
// square) for a monster without a graphics record.
bool RenderMonster(const RomData& rd, int monster, CFF6Bitmap& bmp, int scale);

// The 15 bytes of formation n, or null when n is outside the table.
const uint8_t* FormationBytes(const RomData& rd, int formation);
// Monster number of slot s (0..5) of a formation record.
int FormationSlotMonster(const uint8_t* record, int slot);

struct MouldSlot {
    int width = 0, height = 0; // 0: the mould has no such slot
};
// Slot frame sizes of mould m (0..15), slot s (0..5).
MouldSlot MouldSlotSize(int mould, int slot);
// Frame colour of slot s (0..5), 0x00BBGGRR.
uint32_t MouldSlotColor(int slot);

// Colour of the strips that frame the 240-pixel battle field.
constexpr uint32_t kFormationBorderColor = 0x383030;

// Draws a formation preview: the background pattern (or, with a background
// number, a copy of that background's prepared picture), then slots 1..6,
// then with a mould the slot frames. Negative numbers mean none. Renders all
// backgrounds first if that has not happened yet. With `progress` the
// caption "Loading Formation Graphics" is reported first, then the
// backgrounds' own caption while they are drawn.
void RenderFormation(RomData& rd, int formation, int background, int mould, int scale, CFF6Bitmap& bmp,
                     const ProgressFn& progress = {});

// The colours a monster is drawn with: 16 (4bpp) or 8 (3bpp) words; empty
// for a monster without a graphics record.
std::vector<SnesColor> MonsterPaletteColours(const RomData& rd, int monster);

// The Tiles Studio description of a monster's graphics record.
std::string TilesStudioText(const RomData& rd, int monster);

} // namespace quorvex
