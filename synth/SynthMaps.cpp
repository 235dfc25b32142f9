// The world-map blocks: map data, map tiles and mini-maps of both worlds,
// compressed with the test compressor and laid out exactly as the document
// lays them out on save, so that an unedited save changes nothing.
#include <algorithm>

#include "LzCompress.h"
#include "SynthImage.h"
#include "rom/RomAddress.h"
#include "rom/WorldMaps.h"

namespace quorvex::synth {

namespace {

// A 256 x 256 tile map: sea with islands of land, forest and mountains.
std::vector<uint8_t> MakeWorldMap(Rng& rng, int islands)
{
    std::vector<uint8_t> map(256 * 256, 0x11);
    for (int n = 0; n < islands; ++n) {
        const int cx = static_cast<int>(rng.Range(16, 240)), cy = static_cast<int>(rng.Range(16, 240));
        const int r = static_cast<int>(rng.Range(6, 20));
        const uint8_t land = static_cast<uint8_t>(rng.Range(0x20, 0x60));
        for (int y = std::max(0, cy - r); y < std::min(256, cy + r); ++y)
            for (int x = std::max(0, cx - r); x < std::min(256, cx + r); ++x)
                if ((x - cx) * (x - cx) + (y - cy) * (y - cy) < r * r)
                    map[static_cast<size_t>(y * 256 + x)] = land + ((x / 5 + y / 3) & 3);
    }
    return map;
}

// Tile graphics with a handful of recurring rows.
std::vector<uint8_t> MakeTiles(Rng& rng, size_t bytes, bool noisy)
{
    std::vector<uint8_t> rows(64);
    for (auto& b : rows)
        b = rng.Byte();
    std::vector<uint8_t> tiles(bytes);
    for (size_t i = 0; i < bytes; ++i)
        tiles[i] = noisy ? rng.Byte() : rows[(i / 32 * 7 + i % 32) % (i % 96 < 64 ? 16 : 64)];
    return tiles;
}

std::vector<uint8_t> MakeMiniMap(Rng& rng)
{
    std::vector<uint8_t> m(0x800, 0);
    for (size_t i = 0; i < m.size(); ++i)
        m[i] = ((i / 64) % 5 == 0) ? static_cast<uint8_t>(rng.Range(0, 3)) : 0x44;
    return m;
}

// Each area's two blocks the other way round from the rule where the
// North American release has them so (the second world: tiles at the
// area's start, map after them) and a few bytes apart: the first world's
// map after a gap, its tiles after another; the second world's mini-map
// before the first's.
std::array<uint32_t, kWorldBlockCount> TilesFirstLayout(const std::array<uint32_t, kWorldBlockCount>& sizes)
{
    std::array<uint32_t, kWorldBlockCount> place{};
    auto lay = [&](const WorldMapArea& area, WorldBlock first, WorldBlock second, uint32_t lead, uint32_t gap) {
        // The gaps shrink away when the area has no room for them.
        if (lead + sizes[first] + gap + sizes[second] > area.size)
            lead = gap = 0;
        place[first] = area.snesStart + lead;
        place[second] = place[first] + sizes[first] + gap;
    };
    lay(kWobArea, kWobMapData, kWobMapTiles, 0x30, 0x45);
    lay(kWorArea, kWorMapTiles, kWorMapData, 0, 0x21);
    lay(kMiniMapArea, kWorMiniMap, kWobMiniMap, 0, 0x07);
    return place;
}

} // namespace

void FillWorldMaps(SynthImage& img)
{
    const SynthOptions& o = img.opts;
    std::array<std::vector<uint8_t>, kWorldBlockCount> blocks;
    blocks[kWobMapData] = LzCompress(MakeWorldMap(img.rng, 14));
    blocks[kWobMapTiles] = o.mapInExpanded ? LzStoreLiterals(MakeTiles(img.rng, 0x5000, true))
                                           : LzCompress(MakeTiles(img.rng, 0x2000, false));
    blocks[kWorMapData] = LzCompress(MakeWorldMap(img.rng, 10));
    blocks[kWorMapTiles] = LzCompress(MakeTiles(img.rng, 0x2000, false));
    blocks[kWobMiniMap] = LzCompress(MakeMiniMap(img.rng));
    blocks[kWorMiniMap] = LzCompress(MakeMiniMap(img.rng));
    // The document reads and lays out size word + 2 bytes per block (the
    // word counts itself), so each block is followed by two spare bytes.
    for (auto& b : blocks) {
        b.push_back(0xFF);
        b.push_back(0xFF);
    }

    // Pointers that lead to other map graphics: inside bank $EE, never into
    // the expanded section.
    std::array<uint32_t, kMapGfxPointerCount> ptr{};
    for (int i = 0; i < kMapGfxPointerCount; ++i)
        ptr[static_cast<size_t>(i)] = 0xEE0000 + 0x580 * static_cast<uint32_t>(i);

    // A missing block: its pointer leads to a zero size word kept at the end
    // of the regular area.
    int missing = -1;
    switch (o.missingMap) {
    case MissingMapBlock::MiniMap: missing = kWorMiniMap; break;
    case MissingMapBlock::MapData: missing = kWobMapData; break;
    case MissingMapBlock::MapTiles: missing = kWorMapTiles; break;
    case MissingMapBlock::None: break;
    }

    // Laid out by the document's own rule, or in the other order with gaps.
    std::array<uint32_t, kWorldBlockCount> sizes{};
    for (int b = 0; b < kWorldBlockCount; ++b)
        sizes[b] = b == missing ? 0 : static_cast<uint32_t>(blocks[b].size());
    const uint32_t expandedEnd = o.mbit > 24 ? static_cast<uint32_t>(0xC00000 + img.rom.size()) : 0;
    const auto place = o.mapTilesFirst ? TilesFirstLayout(sizes)
                                       : LayOutWorldMapBlocks(sizes, 0xF00000 + SynthThirdPageUsed(img), expandedEnd);
    const std::array<WorldMapArea, kWorldBlockCount> area = {kWobArea, kWobArea, kWorArea, kWorArea, kMiniMapArea,
                                                             kMiniMapArea};
    for (int b = 0; b < kWorldBlockCount; ++b) {
        uint32_t at = place[b];
        if (b == missing) {
            at = area[b].snesStart + area[b].size - 2;
            img.Put16(SnesToRom(at), 0);
        } else {
            img.Put(SnesToRom(at), blocks[b]);
        }
        ptr[static_cast<size_t>(kWorldBlockEntry[b])] = at;
    }
    uint8_t raw[kMapGfxPointerCount * 3];
    Write24BitTable(std::vector<uint32_t>(ptr.begin(), ptr.end()), raw);
    img.Put(kMapGfxPointerTable, raw, sizeof raw);
}

} // namespace quorvex::synth
