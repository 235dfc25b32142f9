// Where a formation preview puts its monsters, with known pixels: tile
// (c, r) of a slot at position (X, Y) starts at ((X + c) * 8, (Y + r) * 8 + 1)
// divided by the scale, tiles starting outside the 240 x 147 field are
// skipped but still use up their tile data, and monsters 384 and above draw
// nothing.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "graphics/MonsterRender.h"
#include "graphics/Tiles.h"
#include "rom/Document.h"

namespace quorvex {
namespace {

constexpr uint32_t kRed = 0x0000FF;   // 0x00BBGGRR
constexpr uint32_t kGreen = 0x00FF00;

class FormationPreview : public ::testing::Test {
protected:
    // Monster 0 becomes a large sprite of two 4bpp tiles: the first, solid
    // green, at mapping column 15 of row 0; the second, solid red, at
    // column 0 of row 1. Formation 0 shows it alone in slot 1.
    void SetUp() override
    {
        ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir)).ok);
        GraphicsTables& g = doc.Rom().gfx;
        const uint32_t units = 0x6000; // byte 0x30000 of the tile area
        g.monsterGfxRecords[0].bytes = {static_cast<uint8_t>(units), static_cast<uint8_t>(units >> 8), 0x81, 0x00,
                                        0x00};
        g.largeMappings[0].fill(0);
        g.largeMappings[0][1] = 0x01; // row 0, column 15
        g.largeMappings[0][2] = 0x80; // row 1, column 0
        CountMappingTiles(g);
        uint8_t* tiles = &g.monsterGraphics[units * 8];
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                SetTilePixel4bpp(tiles, x, y, 9);      // second half, colour 1
                SetTilePixel4bpp(tiles + 32, x, y, 1); // first half, colour 1
            }
        g.monsterPalettes[0x100 * 8 + 1] = 0x001F; // palette 0x100 colour 1: red
        g.monsterPalettes[0x101 * 8 + 1] = 0x03E0; // palette 0x101 colour 1: green

        uint8_t* f = FormationBytes(doc.Rom(), 0);
        std::fill(f, f + kFormationBytes, 0);
        f[1] = 0x01;
        SetFormationSlotMonster(f, 0, 0);
        for (int s = 1; s < 6; ++s)
            SetFormationSlotMonster(f, s, kEmptySlotMonster);
    }
    void Place(int x, int y) { FormationBytes(doc.Rom(), 0)[8] = static_cast<uint8_t>(x << 4 | y); }
    // The pixels of a colour that the slot drew: those that differ from the
    // same preview without the slot, and their bounding box.
    struct Box {
        int count = 0, left = 9999, top = 9999, right = -1, bottom = -1;
    };
    Box Drawn(int background, int scale, uint32_t color)
    {
        uint8_t* f = FormationBytes(doc.Rom(), 0);
        const uint8_t present = f[1];
        CFF6Bitmap with, without;
        RenderFormation(doc.Rom(), 0, background, -1, scale, with);
        f[1] = 0;
        RenderFormation(doc.Rom(), 0, background, -1, scale, without);
        f[1] = present;
        Box b;
        for (int y = 0; y < with.Height(); ++y)
            for (int x = 0; x < with.Width(); ++x)
                if (with.GetPixel(x, y) != without.GetPixel(x, y) && with.GetPixel(x, y) == color) {
                    ++b.count;
                    b.left = std::min(b.left, x);
                    b.top = std::min(b.top, y);
                    b.right = std::max(b.right, x);
                    b.bottom = std::max(b.bottom, y);
                }
        return b;
    }

    test::TempDir dir;
    CQuorvexDoc doc;
};

TEST_F(FormationPreview, TilesSitOnEightPixelStepsOnePixelLower)
{
    struct Row {
        int x, y, scale;
        Box red;
    };
    // The red tile is mapping column 0 of row 1; the green one, column 15
    // of row 0, starts at (X + 15) * 8, outside the field for X = 15.
    const Row rows[] = {
        {15, 0, 1, {64, 120, 9, 127, 16}},
        {15, 0, 2, {16, 60, 4, 63, 7}},
        {0, 3, 1, {64, 0, 33, 7, 40}},
        {0, 3, 2, {16, 0, 16, 3, 19}},
        {2, 15, 1, {64, 16, 129, 23, 136}},
        {1, 1, 3, {9, 2, 5, 4, 7}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.x) + "," + std::to_string(r.y) + " scale " + std::to_string(r.scale));
        Place(r.x, r.y);
        const Box red = Drawn(-1, r.scale, kRed);
        EXPECT_EQ(red.count, r.red.count);
        EXPECT_EQ(red.left, r.red.left);
        EXPECT_EQ(red.top, r.red.top);
        EXPECT_EQ(red.right, r.red.right);
        EXPECT_EQ(red.bottom, r.red.bottom);
    }
}

TEST_F(FormationPreview, ATileOutsideTheFieldIsSkippedButUsesItsData)
{
    Place(15, 0);
    // On a background the bitmap is 256 pixels wide, yet the green tile at
    // x = 240 stays undrawn; the red tile after it still gets its own data.
    CFF6Bitmap bmp;
    RenderFormation(doc.Rom(), 0, 7, -1, 1, bmp);
    EXPECT_EQ(bmp.Width(), 256);
    EXPECT_EQ(Drawn(7, 1, kGreen).count, 0);
    EXPECT_EQ(Drawn(7, 1, kRed).count, 64);
    EXPECT_EQ(bmp.GetPixel(244, 7), doc.Rom().gfx.backgroundCache.large[7].GetPixel(244, 7));
    // Moved left by one step the green tile is inside the field.
    Place(14, 0);
    const Box green = Drawn(7, 1, kGreen);
    EXPECT_EQ(green.left, 232);
    EXPECT_EQ(green.right, 239);
    EXPECT_EQ(green.top, 5); // rows 1-4 lie under the top border
    EXPECT_EQ(green.bottom, 8);
}

TEST_F(FormationPreview, MonstersFrom384AndAbsentSlotsDrawNothing)
{
    Place(3, 3);
    CFF6Bitmap empty, bmp;
    FormationBytes(doc.Rom(), 0)[1] = 0;
    RenderFormation(doc.Rom(), 0, 7, -1, 1, empty);
    FormationBytes(doc.Rom(), 0)[1] = 0x3F;
    for (int monster : {384, 400, 510, kEmptySlotMonster}) {
        for (int s = 0; s < 6; ++s)
            SetFormationSlotMonster(FormationBytes(doc.Rom(), 0), s, monster);
        RenderFormation(doc.Rom(), 0, 7, -1, 1, bmp);
        EXPECT_EQ(bmp.Pixels(), empty.Pixels()) << monster;
    }
}

TEST_F(FormationPreview, LaterSlotsCoverEarlierOnes)
{
    // Monster 1: the same sprite, its first tile blue instead of red.
    GraphicsTables& g = doc.Rom().gfx;
    g.monsterGfxRecords[1].bytes = g.monsterGfxRecords[0].bytes;
    g.monsterGfxRecords[1].bytes[3] = 0x02;     // palette 0x102
    g.monsterPalettes[0x102 * 8 + 1] = 0x7C00; // blue
    const uint32_t blue = 0xFF0000;
    uint8_t* f = FormationBytes(doc.Rom(), 0);
    f[1] = 0x03;
    f[8] = 0x23; // slot 1 at (2, 3)
    f[9] = 0x23; // slot 2 at the same place
    SetFormationSlotMonster(f, 1, 1);
    EXPECT_EQ(Drawn(-1, 1, blue).count, 64);
    EXPECT_EQ(Drawn(-1, 1, kRed).count, 0);
    SetFormationSlotMonster(f, 0, 1);
    SetFormationSlotMonster(f, 1, 0);
    EXPECT_EQ(Drawn(-1, 1, blue).count, 0);
    const Box red = Drawn(-1, 1, kRed);
    EXPECT_EQ(red.count, 64);
    EXPECT_EQ(red.left, 16);
    EXPECT_EQ(red.top, 33);
}

} // namespace
} // namespace quorvex
