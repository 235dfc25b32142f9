#include "rom/WorldMaps.h"

#include "graphics/Decompress.h"
#include "rom/DataRelocation.h"
#include "rom/RomData.h"
#include "text/TextTables.h"

namespace quorvex {

void LoadMapGfxPointers(ImageFile& f, RomData& rd)
{
    uint8_t raw[kMapGfxPointerCount * 3];
    f.ReadRom(kMapGfxPointerTable, raw, sizeof raw);
    const std::vector<uint32_t> values = Read24BitTable(raw, kMapGfxPointerCount);
    std::copy(values.begin(), values.end(), rd.mapGfxPointers.begin());
}

void StoreMapGfxPointers(ImageFile& f, RomData& rd)
{
    uint8_t raw[kMapGfxPointerCount * 3];
    Write24BitTable(std::vector<uint32_t>(rd.mapGfxPointers.begin(), rd.mapGfxPointers.end()), raw);
    f.WriteRom(kMapGfxPointerTable, raw, sizeof raw);
}

void LoadWorldMaps(ImageFile& f, RomData& rd)
{
    static constexpr uint32_t kMissingBit[kWorldBlockCount] = {kFlagMapDataMissing, kFlagMapTilesMissing,
                                                               kFlagMapDataMissing, kFlagMapTilesMissing,
                                                               kFlagMiniMapMissing, kFlagMiniMapMissing};
    for (int b = 0; b < kWorldBlockCount; ++b) {
        rd.maps.blocks[b].clear();
        rd.maps.unpacked[b].clear();
        const uint32_t ptr = rd.mapGfxPointers[kWorldBlockEntry[b]];
        // A pointer that leads outside the image counts as a missing block.
        uint16_t size = 0;
        if (ptr >= kSnesBase && f.HoldsRom(SnesToRom(ptr), 2)) {
            uint8_t word[2];
            f.ReadRom(SnesToRom(ptr), word, 2);
            size = ReadLe16(word);
        }
        if (size == 0 || !f.HoldsRom(SnesToRom(ptr), size + 2u)) {
            rd.romFlags |= kMissingBit[b];
            continue;
        }
        rd.maps.blocks[b] = f.ReadRom(SnesToRom(ptr), size + 2u);
        std::vector<uint8_t> out(kDecompressMaxOutput);
        const int n = DecompressBlock(rd.maps.blocks[b].data(), rd.maps.blocks[b].size(), 0, out.data());
        if (n > 0) {
            out.resize(static_cast<size_t>(n));
            rd.maps.unpacked[b] = std::move(out);
        }
    }
}

std::array<uint32_t, kWorldBlockCount> LayOutWorldMapBlocks(const std::array<uint32_t, kWorldBlockCount>& sizes,
                                                            uint32_t expandedStart, uint32_t expandedEnd)
{
    std::array<uint32_t, kWorldBlockCount> place{};
    uint32_t expandedNext = expandedStart;
    struct Group {
        WorldMapArea area;
        WorldBlock first, second;
    };
    const Group groups[3] = {{kWobArea, kWobMapData, kWobMapTiles},
                             {kWorArea, kWorMapData, kWorMapTiles},
                             {kMiniMapArea, kWobMiniMap, kWorMiniMap}};
    for (const Group& g : groups) {
        uint32_t next = g.area.snesStart;
        const uint32_t end = g.area.snesStart + g.area.size;
        for (WorldBlock b : {g.first, g.second}) {
            const uint32_t size = sizes[b];
            if (size == 0)
                continue;
            if (next + size <= end) {
                place[b] = next;
                next += size;
            } else if (expandedEnd != 0 && expandedNext + size <= expandedEnd) {
                place[b] = expandedNext;
                expandedNext += size;
            }
        }
    }
    return place;
}

std::array<uint32_t, kWorldBlockCount> LayOutWorldMaps(const RomData& rd)
{
    std::array<uint32_t, kWorldBlockCount> sizes{};
    for (int b = 0; b < kWorldBlockCount; ++b)
        sizes[b] = static_cast<uint32_t>(rd.maps.blocks[b].size());
    // Blocks never reach a bank that relocated scripts or names occupy.
    return LayOutWorldMapBlocks(sizes, 0xF00000 + ThirdPageUsedBytes(rd), ExpandedMapLimit(rd));
}

void StoreWorldMaps(ImageFile& f, RomData& rd)
{
    const std::array<uint32_t, kWorldBlockCount> place = LayOutWorldMaps(rd);
    for (int b = 0; b < kWorldBlockCount; ++b) {
        // A missing block, or one with nowhere to go, stays as it is.
        if (place[b] == 0)
            continue;
        f.WriteRom(SnesToRom(place[b]), rd.maps.blocks[b]);
        rd.mapGfxPointers[kWorldBlockEntry[b]] = place[b];
    }
}

} // namespace quorvex
