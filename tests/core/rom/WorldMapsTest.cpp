// Where the world-map blocks go on save: each stays where it is while it
// still fits there, whatever order and gaps the image has them in, and only
// a block that no longer fits moves (into the first gap of its area that
// holds it, else into the expanded section after the third dialogue page),
// with its pointer.
#include <gtest/gtest.h>

#include "LzCompress.h"
#include "TestSupport.h"
#include "graphics/Decompress.h"
#include "rom/Document.h"
#include "rom/RomAddress.h"
#include "rom/WorldMaps.h"
#include "text/TextTables.h"

using namespace quorvex;
using quorvex::test::TempDir;

namespace {

using Places = std::array<uint32_t, kWorldBlockCount>;

// Area starts and ends, written out as the game has them.
constexpr uint32_t kWob = 0xEED434, kWobEnd = 0xEF3250;
constexpr uint32_t kWor = 0xEF4A46, kWorEnd = 0xEF9D17;
constexpr uint32_t kMini = 0xEFE49B;
constexpr uint32_t kExp = 0xF00000, kExpEnd28 = 0xF80000;

// Order: WoB map, WoB tiles, WoR map, WoR tiles, WoB mini-map, WoR mini-map.
const Places kSizes = {9000, 8000, 7000, 0x2010, 900, 1000};
// As the North American release lays them out: the second world's tiles
// first ($EF4A46) and its map after them ($EF6A56); here with gaps too.
const Places kTilesFirst = {kWob + 0x30, kWob + 0x30 + 9000 + 0x45, kWor + 0x2010, kWor, kMini + 1007, kMini};

// Blocks lying at `at`, taking `bytes` there.
WorldMapSpots Spots(const Places& at, const Places& bytes = kSizes)
{
    WorldMapSpots s{};
    for (size_t b = 0; b < s.size(); ++b)
        s[b] = {at[b], bytes[b]};
    return s;
}

} // namespace

TEST(WorldMapPlaces, WithoutPlacesTheRuleLaysEachAreaOutFromItsStart)
{
    EXPECT_EQ(PlaceWorldMapBlocks(kSizes, {}, kExp, 0),
              (Places{kWob, kWob + 9000, kWor, kWor + 7000, kMini, kMini + 900}));
    EXPECT_EQ(LayOutWorldMapBlocks(kSizes, kExp, 0), PlaceWorldMapBlocks(kSizes, {}, kExp, 0));
    // A map block too big for its area goes to the expanded section (after
    // the third page's bytes) and the tiles take the area's start; without
    // an expanded section it has no place.
    Places big = kSizes;
    big[kWobMapData] = 24093;
    big[kWorMapData] = 21201;
    EXPECT_EQ(LayOutWorldMapBlocks(big, kExp + 0x700, kExpEnd28),
              (Places{kExp + 0x700, kWob, kWor, kExp + 0x700 + 24093, kMini, kMini + 900}));
    EXPECT_EQ(LayOutWorldMapBlocks(big, kExp, 0), (Places{0, kWob, kWor, 0, kMini, kMini + 900}));
}

TEST(WorldMapPlaces, BlocksThatStillFitKeepTheirPlaces)
{
    EXPECT_EQ(PlaceWorldMapBlocks(kSizes, Spots(kTilesFirst), kExp, 0), kTilesFirst);
    EXPECT_EQ(PlaceWorldMapBlocks(kSizes, Spots(kTilesFirst), kExp, kExpEnd28), kTilesFirst);
    // Grown into the gap after it, or shrunk: still in place.
    Places grown = kSizes;
    grown[kWobMapData] += 0x45;
    grown[kWobMapTiles] = kWobEnd - kTilesFirst[kWobMapTiles];
    grown[kWorMapData] = kWorEnd - kTilesFirst[kWorMapData];
    grown[kWorMapTiles] = 100;
    EXPECT_EQ(PlaceWorldMapBlocks(grown, Spots(kTilesFirst), kExp, 0), kTilesFirst);
    // Kept in the expanded section past the third page.
    Places expanded = kTilesFirst;
    expanded[kWorMapData] = kExp + 0x4000;
    EXPECT_EQ(PlaceWorldMapBlocks(kSizes, Spots(expanded), kExp + 0x4000, kExpEnd28), expanded);
}

TEST(WorldMapPlaces, OnlyABlockThatNoLongerFitsMoves)
{
    // One byte into the tiles: the map moves to the lowest gap that holds
    // it, the area's start (0x30 + 9000 + 0x45 bytes before the tiles).
    Places sizes = kSizes;
    sizes[kWobMapData] += 0x46;
    Places expect = kTilesFirst;
    expect[kWobMapData] = kWob;
    EXPECT_EQ(PlaceWorldMapBlocks(sizes, Spots(kTilesFirst), kExp, 0), expect);

    // Past its area's end with no gap to hold it: the expanded section,
    // after the third page; without one, nowhere.
    sizes = kSizes;
    sizes[kWorMapData] = kWorEnd - kTilesFirst[kWorMapData] + 1;
    expect = kTilesFirst;
    expect[kWorMapData] = kExp + 0x1234;
    EXPECT_EQ(PlaceWorldMapBlocks(sizes, Spots(kTilesFirst), kExp + 0x1234, kExpEnd28), expect);
    expect[kWorMapData] = 0;
    EXPECT_EQ(PlaceWorldMapBlocks(sizes, Spots(kTilesFirst), kExp, 0), expect);

    // The third page grew over a block kept in the expanded section: it
    // moves after the page and past a block still kept there.
    sizes = kSizes;
    sizes[kWobMapTiles] = 20000; // cannot go back into its area
    Places current = kTilesFirst;
    current[kWobMapTiles] = kExp + 0x100;
    current[kWorMapData] = kExp + 0x5000;
    expect = current;
    expect[kWobMapTiles] = kExp + 0x5000 + 7000;
    EXPECT_EQ(PlaceWorldMapBlocks(sizes, Spots(current, sizes), kExp + 0x200, kExpEnd28), expect);
    // Before the page grew, both stayed.
    EXPECT_EQ(PlaceWorldMapBlocks(sizes, Spots(current, sizes), kExp + 0x100, kExpEnd28), current);
}

TEST(WorldMapPlaces, OddPointersAndMissingBlocks)
{
    // Two blocks at one place: the second moves; a block outside every
    // area is laid out by the rule.
    Places current = kTilesFirst;
    current[kWobMapTiles] = current[kWobMapData];
    current[kWobMiniMap] = 0xEE1000;
    Places expect = kTilesFirst;
    expect[kWobMapTiles] = kTilesFirst[kWobMapData] + 9000;
    expect[kWobMiniMap] = kMini + 1000;
    EXPECT_EQ(PlaceWorldMapBlocks(kSizes, Spots(current), kExp, 0), expect);

    // A missing block's zero size word at the area's end stays clear.
    Places sizes = kSizes;
    sizes[kWobMapTiles] = 0;
    current = kTilesFirst;
    current[kWobMapTiles] = kWobEnd - 2;
    current[kWobMapData] = 0xEE0000;
    sizes[kWobMapData] = kWobEnd - kWob - 2;
    EXPECT_EQ(PlaceWorldMapBlocks(sizes, Spots(current, sizes), kExp, 0)[kWobMapData], kWob);
    sizes[kWobMapData] += 1;
    EXPECT_EQ(PlaceWorldMapBlocks(sizes, Spots(current, sizes), kExp, 0)[kWobMapData], 0u);
    EXPECT_EQ(PlaceWorldMapBlocks(sizes, Spots(current, sizes), kExp, 0)[kWobMapTiles], 0u);
}

// On an image with the North American order and gaps: a block that grew
// but still fits stays, one that no longer fits moves to the expanded
// section with its pointer, and nothing else in the file changes.
TEST(WorldMapSave, GrownBlocksStayOrMoveWithTheirPointers)
{
    TempDir dir;
    synth::SynthOptions o = test::Variant("map-tiles-first");
    o.mbit = 28;
    const std::string path = test::WriteImage(dir, o);
    const auto before = test::ReadFileBytes(path);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    RomData& rd = doc.Rom();
    ASSERT_EQ(ThirdPageUsedBytes(rd), 0u);
    const auto pointers = rd.mapGfxPointers;
    ASSERT_EQ(pointers[3], kWor); // the second world's tiles first
    ASSERT_GT(pointers[2], kWor);

    // The first world's tiles stored as literals only: larger, but there is
    // room after them in the area.
    const std::vector<uint8_t> tilesData = rd.maps.unpacked[kWobMapTiles];
    std::vector<uint8_t> tiles = synth::LzStoreLiterals(tilesData);
    tiles.insert(tiles.end(), {0xFF, 0xFF});
    ASSERT_GT(tiles.size(), rd.maps.blocks[kWobMapTiles].size());
    ASSERT_LE(pointers[1] + tiles.size(), kWobEnd);
    rd.maps.blocks[kWobMapTiles] = tiles;
    // The second world's map grown past its area's end.
    std::vector<uint8_t> noise(0x5400);
    uint32_t x = 99;
    for (auto& b : noise) {
        x = x * 1664525 + 1013904223;
        b = static_cast<uint8_t>(x >> 24);
    }
    std::vector<uint8_t> map = synth::LzStoreLiterals(noise);
    map.insert(map.end(), {0xFF, 0xFF});
    ASSERT_GT(pointers[2] + map.size(), kWorEnd);
    rd.maps.blocks[kWorMapData] = map;
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnSaveDocument(path).ok);

    CQuorvexDoc again;
    ASSERT_TRUE(again.OnOpenDocument(path).ok);
    auto expectPointers = pointers;
    expectPointers[2] = kExp;
    EXPECT_EQ(again.Rom().mapGfxPointers, expectPointers);
    EXPECT_EQ(again.Rom().maps.blocks[kWobMapTiles], tiles);
    EXPECT_EQ(again.Rom().maps.unpacked[kWobMapTiles], tilesData);
    EXPECT_EQ(again.Rom().maps.blocks[kWorMapData], map);
    EXPECT_EQ(again.Rom().maps.unpacked[kWorMapData], noise);
    for (int b : {kWobMapData, kWorMapTiles, kWobMiniMap, kWorMiniMap})
        EXPECT_EQ(again.Rom().maps.blocks[b], doc.Rom().maps.blocks[b]) << b;

    // Only the tiles' span, the moved map and its pointer changed.
    const auto after = test::ReadFileBytes(path);
    ASSERT_EQ(after.size(), before.size());
    const uint32_t tilesAt = SnesToRom(pointers[1]);
    const uint32_t mapAt = SnesToRom(kExp);
    const uint32_t entry2 = kMapGfxPointerTable + 2 * 3;
    for (size_t i = 0; i < before.size(); ++i) {
        const bool expected = (i >= tilesAt && i < tilesAt + tiles.size()) || (i >= mapAt && i < mapAt + map.size()) ||
                              (i >= entry2 && i < entry2 + 3);
        if (expected)
            continue;
        ASSERT_EQ(after[i], before[i]) << "file offset 0x" << std::hex << i;
    }
    EXPECT_TRUE(std::equal(map.begin(), map.end(), after.begin() + mapAt));
}
