#pragma once
// The world-map blocks: for each of the two worlds a map
// data block and a map tile block, and the two mini-maps. They are found
// through the map-graphics pointer table (32 SNES pointers at ROM 0x2EB200)
// and each starts with a 16-bit size word; the compressed bytes follow.
//
// Which pointer leads where. The mini-maps are entries 25 (first world) and
// 26 (second world). The other world blocks are the first four entries:
// 0 the first world's map data, 1 its tiles, 2 the second world's map data,
// 3 its tiles. Saving keeps each block where it is while it still fits
// there, so that an image saved without edits stays byte for byte the same
// whatever order and gaps its blocks were laid out with (the North American
// release itself has the second world's tile block first). Only a block that
// no longer fits (it grew into another block or out of its area, or the
// third dialogue page grew over it) moves: into the first gap of its world's
// regular area that holds it, else into the expanded section after the third
// page. The entries are pointed at the places chosen.
#include <array>
#include <cstdint>
#include <vector>

#include "rom/ImageFile.h"

namespace quorvex {

struct RomData;

constexpr uint32_t kMapGfxPointerTable = 0x2EB200; // ROM offset
constexpr int kMapGfxPointerCount = 32;

enum WorldBlock { kWobMapData, kWobMapTiles, kWorMapData, kWorMapTiles, kWobMiniMap, kWorMiniMap, kWorldBlockCount };

// Pointer-table entry of each block.
constexpr std::array<int, kWorldBlockCount> kWorldBlockEntry = {0, 1, 2, 3, 25, 26};

struct WorldMapArea {
    uint32_t snesStart;
    uint32_t size;
};
// Regular areas: the first world, the second world, the mini-maps.
constexpr WorldMapArea kWobArea = {0xEED434, 24092};
constexpr WorldMapArea kWorArea = {0xEF4A46, 21201};
constexpr WorldMapArea kMiniMapArea = {0xEFE49B, 2187};

// Where a block lies in the image and how many bytes it takes there (a
// missing block: its zero size word, 2 bytes; nothing: 0 and 0).
struct WorldMapSpot {
    uint32_t at = 0; // SNES address
    uint32_t bytes = 0;
    bool operator==(const WorldMapSpot&) const = default;
};
using WorldMapSpots = std::array<WorldMapSpot, kWorldBlockCount>;

struct WorldMaps {
    // Each block as stored: the size word and the compressed bytes
    // (size + 2 bytes in all); empty when the block is missing.
    std::array<std::vector<uint8_t>, kWorldBlockCount> blocks;
    // Each block decompressed; empty when missing or not decodable.
    std::array<std::vector<uint8_t>, kWorldBlockCount> unpacked;
    // Where each block was read from or last written to.
    WorldMapSpots spots{};
};

void LoadMapGfxPointers(ImageFile& f, RomData& rd);
void StoreMapGfxPointers(ImageFile& f, RomData& rd);
void LoadWorldMaps(ImageFile& f, RomData& rd);
// Lays the blocks out again and updates the pointer table in RomData.
void StoreWorldMaps(ImageFile& f, RomData& rd);

// Where each block would go on save (SNES address; 0 when it has no place).
std::array<uint32_t, kWorldBlockCount> LayOutWorldMaps(const RomData& rd);

// The layout rule itself, over block sizes (0 = missing, gets no place):
// each world's map block then its tile block into that world's regular
// area while they fit, the others one after another in the expanded
// section from expandedStart, up to expandedEnd (0 = no expanded section).
std::array<uint32_t, kWorldBlockCount> LayOutWorldMapBlocks(const std::array<uint32_t, kWorldBlockCount>& sizes,
                                                            uint32_t expandedStart, uint32_t expandedEnd);

// The places on save, given the blocks' sizes now and where they lie now
// (`now`, from the load or the last save). A block keeps its place when,
// at its new size, it lies wholly inside one of the three regular areas or
// inside the expanded section from expandedStart on, clear of the blocks
// kept before it; blocks that did not grow are looked at first, so a block
// that grew into its neighbour is the one that moves. The others, in the
// rule's order, go to the lowest free place of their own world's area that
// holds them, else to the lowest free place of the expanded section, else
// nowhere (0). A missing block's size word, where it lies in one of those
// places, is kept clear, so that it still reads as missing. With nothing
// placed yet this is the rule above.
std::array<uint32_t, kWorldBlockCount> PlaceWorldMapBlocks(const std::array<uint32_t, kWorldBlockCount>& sizes,
                                                           const WorldMapSpots& now, uint32_t expandedStart,
                                                           uint32_t expandedEnd);

} // namespace quorvex
