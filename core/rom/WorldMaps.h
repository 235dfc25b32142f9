#pragma once
// The world-map blocks (load step 9.22): for each of the two worlds a map
// data block and a map tile block, and the two mini-maps. They are found
// through the map-graphics pointer table (32 SNES pointers at ROM 0x2EB200)
// and each starts with a 16-bit size word; the compressed bytes follow.
//
// Which pointer leads where. The mini-maps are entries 25 (first world) and
// 26 (second world). The other world blocks are the first four entries:
// 0 the first world's map data, 1 its tiles, 2 the second world's map data,
// 3 its tiles. Saving lays each world's map block then its tile block into
// that world's regular area, or into the expanded section when it no longer
// fits, and points the entries at the chosen places.
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

struct WorldMaps {
    // Each block as stored: the size word and the compressed bytes
    // (size + 2 bytes in all); empty when the block is missing.
    std::array<std::vector<uint8_t>, kWorldBlockCount> blocks;
    // Each block decompressed; empty when missing or not decodable.
    std::array<std::vector<uint8_t>, kWorldBlockCount> unpacked;
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

} // namespace quorvex
