#include "rom/WorldMaps.h"

#include <algorithm>

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
        rd.maps.spots[b] = {};
        const uint32_t ptr = rd.mapGfxPointers[kWorldBlockEntry[b]];
        // A pointer that leads outside the image counts as a missing block.
        uint16_t size = 0;
        if (ptr >= kSnesBase && f.HoldsRom(SnesToRom(ptr), 2)) {
            uint8_t word[2];
            f.ReadRom(SnesToRom(ptr), word, 2);
            size = ReadLe16(word);
            rd.maps.spots[b] = {ptr, 2};
        }
        if (size == 0 || !f.HoldsRom(SnesToRom(ptr), size + 2u)) {
            rd.romFlags |= kMissingBit[b];
            continue;
        }
        rd.maps.blocks[b] = f.ReadRom(SnesToRom(ptr), size + 2u);
        rd.maps.spots[b] = {ptr, size + 2u};
        std::vector<uint8_t> out(kDecompressMaxOutput);
        const int n = DecompressBlock(rd.maps.blocks[b].data(), rd.maps.blocks[b].size(), 0, out.data());
        if (n > 0) {
            out.resize(static_cast<size_t>(n));
            rd.maps.unpacked[b] = std::move(out);
        }
    }
}

namespace {

// A stretch of SNES addresses, [start, end).
struct Span {
    uint32_t start = 0;
    uint32_t end = 0;
    bool Holds(uint32_t at, uint32_t size) const { return at >= start && at + size <= end && at + size >= at; }
    bool Overlaps(uint32_t at, uint32_t size) const { return at < end && start < at + size; }
};

// The regular area each block belongs to.
constexpr std::array<WorldMapArea, kWorldBlockCount> kBlockArea = {kWobArea, kWobArea, kWorArea,
                                                                   kWorArea, kMiniMapArea, kMiniMapArea};
// The rule's order: each world's map block, then its tiles, then the
// mini-maps.
constexpr std::array<WorldBlock, kWorldBlockCount> kRuleOrder = {kWobMapData, kWobMapTiles, kWorMapData,
                                                                 kWorMapTiles, kWobMiniMap, kWorMiniMap};

Span AreaSpan(const WorldMapArea& a) { return {a.snesStart, a.snesStart + a.size}; }

// The lowest address of `region` where `size` bytes overlap none of `taken`;
// 0 when there is none.
uint32_t FirstFit(const Span& region, uint32_t size, const std::vector<Span>& taken)
{
    uint32_t at = region.start;
    for (bool moved = true; moved;) {
        moved = false;
        if (!region.Holds(at, size))
            return 0;
        for (const Span& t : taken)
            if (t.Overlaps(at, size)) {
                at = t.end;
                moved = true;
            }
    }
    return at;
}

} // namespace

std::array<uint32_t, kWorldBlockCount> PlaceWorldMapBlocks(const std::array<uint32_t, kWorldBlockCount>& sizes,
                                                           const WorldMapSpots& now, uint32_t expandedStart,
                                                           uint32_t expandedEnd)
{
    std::vector<Span> places = {AreaSpan(kWobArea), AreaSpan(kWorArea), AreaSpan(kMiniMapArea)};
    const Span expanded = {expandedStart, expandedEnd};
    if (expandedEnd > expandedStart)
        places.push_back(expanded);
    auto inPlace = [&](uint32_t at, uint32_t size) {
        return std::any_of(places.begin(), places.end(), [&](const Span& p) { return p.Holds(at, size); });
    };

    std::array<uint32_t, kWorldBlockCount> place{};
    std::vector<Span> taken;
    auto keep = [&](int b) {
        const uint32_t at = now[b].at;
        if (sizes[b] == 0 || at == 0 || !inPlace(at, sizes[b]))
            return;
        if (std::any_of(taken.begin(), taken.end(), [&](const Span& t) { return t.Overlaps(at, sizes[b]); }))
            return;
        place[b] = at;
        taken.push_back({at, at + sizes[b]});
    };
    for (int b = 0; b < kWorldBlockCount; ++b)
        if (sizes[b] <= now[b].bytes)
            keep(b);
    for (int b = 0; b < kWorldBlockCount; ++b)
        if (sizes[b] > now[b].bytes)
            keep(b);
    for (int b = 0; b < kWorldBlockCount; ++b)
        if (sizes[b] == 0 && now[b].at != 0 && inPlace(now[b].at, 2))
            taken.push_back({now[b].at, now[b].at + 2});

    for (WorldBlock b : kRuleOrder) {
        if (sizes[b] == 0 || place[b] != 0)
            continue;
        uint32_t at = FirstFit(AreaSpan(kBlockArea[b]), sizes[b], taken);
        if (at == 0 && expandedEnd > expandedStart)
            at = FirstFit(expanded, sizes[b], taken);
        if (at == 0)
            continue;
        place[b] = at;
        taken.push_back({at, at + sizes[b]});
    }
    return place;
}

std::array<uint32_t, kWorldBlockCount> LayOutWorldMapBlocks(const std::array<uint32_t, kWorldBlockCount>& sizes,
                                                            uint32_t expandedStart, uint32_t expandedEnd)
{
    return PlaceWorldMapBlocks(sizes, {}, expandedStart, expandedEnd);
}

std::array<uint32_t, kWorldBlockCount> LayOutWorldMaps(const RomData& rd)
{
    std::array<uint32_t, kWorldBlockCount> sizes{};
    for (int b = 0; b < kWorldBlockCount; ++b)
        sizes[b] = static_cast<uint32_t>(rd.maps.blocks[b].size());
    // Blocks never reach a bank that relocated scripts or names occupy.
    return PlaceWorldMapBlocks(sizes, rd.maps.spots, 0xF00000 + ThirdPageUsedBytes(rd), ExpandedMapLimit(rd));
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
        rd.maps.spots[b] = {place[b], static_cast<uint32_t>(rd.maps.blocks[b].size())};
    }
}

} // namespace quorvex
