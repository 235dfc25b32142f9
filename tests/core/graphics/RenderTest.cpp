// Monster sprites, battle backgrounds, formations and BMP files, on hand-made
// tables and on the synthetic image.
#include <gtest/gtest.h>

#include <memory>

#include "SynthImage.h"
#include "TestSupport.h"
#include "graphics/Backgrounds.h"
#include "graphics/Color.h"
#include "graphics/MonsterRender.h"
#include "graphics/Tiles.h"
#include "rom/Document.h"

using namespace quorvex;

namespace {

// A RomData with one 4bpp small monster: mapping 0 places two tiles, at
// column 0 row 0 and column 7 row 7; tile 1 is solid colour 9, tile 2 has
// colour 1 at (0,0) only.
std::unique_ptr<RomData> HandMade()
{
    auto rd = std::make_unique<RomData>();
    GraphicsTables& g = rd->gfx;
    g.monsterGraphics.assign(kMonsterGfxSize, 0);
    g.monsterPalettes.assign(kMonsterPaletteCount * 8, 0);
    g.monsterGfxRecords.assign(kMonsterGfxRecordCount, {});
    g.smallMappings[0][0] = 0x80;
    g.smallMappings[0][7] = 0x01;
    CountMappingTiles(g);
    uint8_t* t = &g.monsterGraphics[0x100 * 8];
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            SetTilePixel4bpp(t, x, y, 9);
    SetTilePixel4bpp(t + 32, 0, 0, 1);
    // Palette 4: colour 1 red; palette 5 colour 1 (index 9) green.
    g.monsterPalettes[4 * 8 + 1] = 0x001F;
    g.monsterPalettes[5 * 8 + 1] = 0x03E0;
    MonsterGfxRecord& r = g.monsterGfxRecords[0];
    r.bytes = {0x00, 0x01, 0x00, 0x04, 0x00};
    return rd;
}

} // namespace

TEST(RenderMonster, KnownPixelsAtScaleOneAndTwo)
{
    auto rd = HandMade();
    CFF6Bitmap bmp;
    ASSERT_TRUE(RenderMonster(*rd, 0, bmp, 1));
    EXPECT_EQ(bmp.Width(), 64);
    EXPECT_EQ(bmp.GetPixel(0, 0), 0x00FF00u);
    EXPECT_EQ(bmp.GetPixel(7, 7), 0x00FF00u);
    EXPECT_EQ(bmp.GetPixel(8, 0), 0u);
    EXPECT_EQ(bmp.GetPixel(56, 56), 0x0000FFu);
    EXPECT_EQ(bmp.GetPixel(57, 56), 0u); // index 0 transparent
    ASSERT_TRUE(RenderMonster(*rd, 0, bmp, 2));
    EXPECT_EQ(bmp.Width(), 32);
    EXPECT_EQ(bmp.GetPixel(3, 3), 0x00FF00u);
    EXPECT_EQ(bmp.GetPixel(4, 0), 0u);
    EXPECT_EQ(bmp.GetPixel(28, 28), 0x0000FFu);

    // 3bpp: the same tile bytes read as 24-byte tiles with palette p only.
    rd->gfx.monsterGfxRecords[0].bytes[1] |= 0x80;
    ASSERT_TRUE(RenderMonster(*rd, 0, bmp, 1));
    EXPECT_EQ(bmp.GetPixel(0, 0), 0x0000FFu); // index 9 -> 3bpp planes give 1 on rows 0-3
    // Palette 0x2FF repeats its eight colours.
    rd->gfx.monsterGfxRecords[0].bytes = {0x00, 0x01, 0x02, 0xFF, 0x00};
    rd->gfx.monsterPalettes[0x2FF * 8 + 1] = 0x7C00;
    ASSERT_TRUE(RenderMonster(*rd, 0, bmp, 1));
    EXPECT_EQ(bmp.GetPixel(0, 0), 0xFF0000u); // index 9 = second half colour 1 = same palette
    EXPECT_EQ(bmp.GetPixel(56, 56), 0xFF0000u);

    // Empty mapping: nothing drawn; large mapping gives 128 pixels.
    rd->gfx.monsterGfxRecords[1].bytes = {0, 0, 0x80, 0, 5};
    ASSERT_TRUE(RenderMonster(*rd, 1, bmp, 1));
    EXPECT_EQ(bmp.Width(), 128);
    for (uint32_t p : bmp.Pixels())
        ASSERT_EQ(p, 0u);
    // Unknown monster and tile data past the area: no crash.
    EXPECT_FALSE(RenderMonster(*rd, 416, bmp, 1));
    rd->gfx.monsterGfxRecords[2].bytes = {0xFF, 0x7F, 0, 0, 0};
    EXPECT_TRUE(RenderMonster(*rd, 2, bmp, 1));
    EXPECT_EQ(bmp.GetPixel(0, 0), 0u);
}

TEST(RenderMonster, TilesStudioText)
{
    auto rd = HandMade();
    EXPECT_EQ(TilesStudioText(*rd, 0), "Struct: <0001><00><04><00>\nTile strt rel: 0x100\nTile strt abs: 0xE97800\n"
                                        "Tile stop rel: 0x108\nTile stop abs: 0xE97840\n8x8 tiles: 2 (64 bytes)\n"
                                        "Nb colors: 16\nPal idx: 4\nMapping idx: 0");
    EXPECT_EQ(TilesStudioText(*rd, -1), "");
}

TEST(Bitmap, SizesAndBmpFile)
{
    CFF6Bitmap b(5, 147);
    EXPECT_EQ(b.Width(), 8);
    EXPECT_EQ(b.Height(), 148);
    b.Create(4, 2);
    EXPECT_EQ(b.Height(), 4);
    b.SetPixel(0, 0, 0x0000FF);          // red, top left
    b.SetPixel(3, 3, 0xFF0000);          // blue, bottom right
    b.SetPixel(-1, 0, 1);                // ignored
    b.SetPixel(4, 0, 1);
    const std::vector<uint8_t> bmp = b.BmpBytes();
    ASSERT_EQ(bmp.size(), 54u + 4 * 4 * 3);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[2], 54 + 48);
    EXPECT_EQ(bmp[10], 54);
    EXPECT_EQ(bmp[14], 40);
    EXPECT_EQ(bmp[18], 4);
    EXPECT_EQ(bmp[22], 4);
    EXPECT_EQ(bmp[28], 24);
    EXPECT_EQ(bmp[34], 48);
    // First stored row is the bottom one: pixel (3,3) blue = bytes FF 00 00.
    EXPECT_EQ(bmp[54 + 9], 0xFF);
    EXPECT_EQ(bmp[54 + 10], 0);
    // Last stored row is the top: pixel (0,0) red = 00 00 FF.
    EXPECT_EQ(bmp[54 + 36 + 2], 0xFF);
    test::TempDir dir;
    ASSERT_TRUE(b.SaveBmp(dir.File("x.bmp")));
    EXPECT_EQ(test::ReadFileBytes(dir.File("x.bmp")), bmp);
    EXPECT_FALSE(b.SaveBmp(dir.File("no/such/dir/x.bmp")));
}

class SynthRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = test::WriteImage(dir);
        auto r = doc.OnOpenDocument(path);
        ASSERT_TRUE(r.ok) << r.error;
    }
    test::TempDir dir;
    std::string path;
    CQuorvexDoc doc;
};

TEST_F(SynthRender, MonstersDrawAndScaleTwoSamplesEvenPixels)
{
    const RomData& rd = doc.Rom();
    for (int m : {0, 4, 47, 50, 383}) {
        CFF6Bitmap one, two;
        ASSERT_TRUE(RenderMonster(rd, m, one, 1));
        ASSERT_TRUE(RenderMonster(rd, m, two, 2));
        ASSERT_EQ(two.Width() * 2, one.Width());
        int drawn = 0;
        for (int y = 0; y < two.Height(); ++y)
            for (int x = 0; x < two.Width(); ++x) {
                ASSERT_EQ(two.GetPixel(x, y), one.GetPixel(2 * x, 2 * y)) << m;
                drawn += two.GetPixel(x, y) != 0;
            }
        EXPECT_GT(drawn, 100) << m;
    }
    CFF6Bitmap empty;
    ASSERT_TRUE(RenderMonster(rd, 415, empty, 1)); // the empty mapping
    for (uint32_t p : empty.Pixels())
        ASSERT_EQ(p, 0u);
}

TEST_F(SynthRender, BackgroundsAssembleWithTheirTexts)
{
    const RomData& rd = doc.Rom();
    std::vector<uint8_t> buf;
    std::string text = BuildBackground(rd, 0, buf, false);
    ASSERT_EQ(buf.size(), kBackgroundBufferBytes);
    EXPECT_EQ(text.rfind("gfx 1 idx: 0x00 (may or may not be compressed),\ngfx 2 idx: 0x03 (may or may not be "
                         "compressed),\ngfx 3 idx: 0x0B (may or may not be compressed),\nassembly 1 idx: 0x00, "
                         "assembly 2 idx(?): 0x38,\npalettes idx start = 0x00 x6,\nmirages = 0\n\nassembly 1 @ "
                         "0xE71928: comp. size ",
                         0),
              0u);
    EXPECT_NE(text.find("decomp. size 2048d/800h\ngfx 1 @ 0x"), std::string::npos);
    EXPECT_NE(text.find("decomp. size 4096d/1000h\n"), std::string::npos);
    EXPECT_NE(text.find("\nLine 1 data: 0104 0104 "), std::string::npos);

    text = BuildBackground(rd, 55, buf, false);
    EXPECT_NE(text.find("gfx 1 @ 0x"), std::string::npos);
    EXPECT_NE(text.find(": using dummy data since no prev. bank\n"), std::string::npos);
    for (size_t i = 0; i < kBackgroundBankBytes; ++i)
        ASSERT_EQ(buf[kBackgroundMapBytes + i], 0xFF);
    text = BuildBackground(rd, 54, buf, false);
    EXPECT_NE(text.find("gfx 3 @ 0x"), std::string::npos);
    EXPECT_NE(text.find(": using dummy data since prev. bank compr.\n"), std::string::npos);
    text = BuildBackground(rd, 53, buf, false);
    EXPECT_NE(text.find("gfx 1 @ 0x"), std::string::npos);
    EXPECT_NE(text.find(": Uncompressed bank\ngfx 2 @ 0x"), std::string::npos);
    EXPECT_NE(text.find(": 0x1000 after previous bank start\n"), std::string::npos);
    EXPECT_NE(BuildBackground(rd, 3, buf, false).find("mirages = 1\n"), std::string::npos);
    // Bank 1 of background 53 is stored data read from the file: it equals
    // the graphics the record names, found in the compressed-data area.
    const uint32_t ptr = rd.gfx.backgroundGfxPointers[rd.gfx.backgrounds[53].Gfx(0) & 0x7F];
    BuildBackground(rd, 53, buf, false);
    EXPECT_TRUE(std::equal(buf.begin() + kBackgroundMapBytes, buf.begin() + kBackgroundMapBytes + 0x2000,
                           rd.gfx.backgroundData.begin() + (ptr - kBackgroundDataSnes)));
    EXPECT_EQ(BuildBackground(rd, 56, buf, false), "");
}

TEST_F(SynthRender, BackgroundPixelsFollowMapAndPalettes)
{
    RomData& rd = doc.Rom();
    CFF6Bitmap one, two, dummy;
    RenderBackground(rd, 0, one, 1, 0, false);
    EXPECT_EQ(one.Width(), 256);
    EXPECT_EQ(one.Height(), 152);
    RenderBackground(rd, 0, two, 2, 0, false);
    EXPECT_EQ(two.Width(), 128);
    EXPECT_EQ(two.Height(), 76);
    for (int y = 0; y < 76; ++y)
        for (int x = 0; x < 128; ++x)
            ASSERT_EQ(two.GetPixel(x, y), one.GetPixel(2 * x, 2 * y));
    RenderBackground(rd, 0, dummy, 1, 0, true);
    EXPECT_EQ(dummy.Height(), 96);
    // The top-left entry is 0x0401: bank 1 tile 1 (solid colour 1 in the
    // first rows) with palette 1 = palettes 0 and 1.
    const SnesColor c1 = ReadSnesColor(&rd.gfx.backgroundPalettes[2]);
    EXPECT_EQ(one.GetPixel(0, 0), SnesToRgb(c1));
    // Variant 1 shifts by two palettes.
    CFF6Bitmap v1;
    RenderBackground(rd, 0, v1, 1, 1, false);
    EXPECT_EQ(v1.GetPixel(0, 0), SnesToRgb(ReadSnesColor(&rd.gfx.backgroundPalettes[2 * 16 + 2])));
    CFF6Bitmap v9;
    RenderBackground(rd, 0, v9, 1, 9, false);
    EXPECT_EQ(v9.Pixels(), one.Pixels());

    // A map with palette bits 0 and tile numbers 0x100-0x17F leaves the fill.
    std::vector<uint8_t> buf;
    BuildBackground(rd, 0, buf, false);
    buf[0] = 0x01; buf[1] = 0x00;             // palette 0
    buf[2] = 0x20; buf[3] = 0x05;             // tile 0x120, palette 1
    buf[4] = 0x01; buf[5] = 0x04 | 0x40;      // mirrored
    CFF6Bitmap b;
    RenderBackgroundBuffer(rd, 0, buf, b, 1, 0, kBackgroundRows);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(b.GetPixel(x, y), 0u);
    EXPECT_EQ(b.GetPixel(16, 0), SnesToRgb(c1));
    // Out-of-range palette sets draw black instead of reading past the table.
    rd.gfx.backgrounds[0].bytes[5] = 0x7F;
    RenderBackgroundBuffer(rd, 0, buf, b, 1, 2, kBackgroundRows);
    EXPECT_EQ(b.GetPixel(16, 0), 0u);
}

TEST_F(SynthRender, AllBackgroundsOnceAndFormations)
{
    RomData& rd = doc.Rom();
    int calls = 0;
    std::string caption;
    RenderAllBackgrounds(rd, [&](const char* c, int, int) {
        ++calls;
        caption = c;
    });
    EXPECT_EQ(caption, "Decompressing background graphics");
    EXPECT_GT(calls, 0);
    ASSERT_EQ(rd.gfx.backgroundCache.large.size(), 56u);
    EXPECT_EQ(rd.gfx.backgroundCache.small[10].Width(), 128);
    calls = 0;
    RenderAllBackgrounds(rd, [&](const char*, int, int) { ++calls; });
    EXPECT_EQ(calls, 0);

    // A formation with monster 0 in slot 1 at X=2, Y=3 and mould 0.
    uint8_t* f = rd.formations.records.bytes.data();
    std::fill(f, f + 15, 0);
    f[1] = 0x01;
    f[2] = 0;
    f[8] = 0x23;
    CFF6Bitmap sprite, form;
    RenderMonster(rd, 0, sprite, 1);
    RenderFormation(rd, 0, -1, -1, 1, form);
    EXPECT_EQ(form.Width(), 240);
    EXPECT_EQ(form.Height(), 148);
    int same = 0, drawn = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (sprite.GetPixel(x, y)) {
                ++drawn;
                same += form.GetPixel(16 + x, 25 + y) == sprite.GetPixel(x, y);
            }
    EXPECT_EQ(same, drawn);
    // With a background: its copy, the border and the mould frame.
    RenderFormation(rd, 0, 7, 0, 1, form);
    EXPECT_EQ(form.Width(), 256);
    EXPECT_EQ(form.GetPixel(0, 100), kFormationBorderColor);
    EXPECT_EQ(form.GetPixel(250, 100), kFormationBorderColor);
    EXPECT_EQ(form.GetPixel(100, 2), kFormationBorderColor);
    EXPECT_EQ(form.GetPixel(16, 25), 0xFF0000u); // frame of slot 1
    EXPECT_EQ(form.GetPixel(17, 26), 0xFF0000u);
    EXPECT_EQ(form.GetPixel(16 + 63, 25 + 63), 0xFF0000u);
    EXPECT_EQ(form.GetPixel(200, 120), rd.gfx.backgroundCache.large[7].GetPixel(200, 120));
    // Absent slot or monster 384+: nothing; scale 2 uses the small picture.
    f[1] = 0;
    RenderFormation(rd, 0, 7, -1, 2, form);
    EXPECT_EQ(form.Pixels(), rd.gfx.backgroundCache.small[7].Pixels());
    f[1] = 1;
    f[14] = 1;
    f[2] = 0x80; // 384
    RenderFormation(rd, 0, 7, -1, 2, form);
    EXPECT_EQ(form.Pixels(), rd.gfx.backgroundCache.small[7].Pixels());
    // Off-field positions and unknown formations do not crash.
    f[14] = 0;
    f[2] = 50;
    f[8] = 0xFF;
    RenderFormation(rd, 0, -1, 12, 1, form);
    RenderFormation(rd, 9999, 3, 3, 3, form);
}

TEST(BackgroundList, FiftyFiveEntries)
{
    const auto& list = BattleBackgroundList();
    ASSERT_EQ(list.size(), 55u);
    EXPECT_STREQ(list[0].label, "WoB - Forest");
    EXPECT_EQ(list[53].id, 39);
    EXPECT_STREQ(list[53].label, "Quorvex background");
    EXPECT_EQ(list[54].id, -1);
    EXPECT_EQ(BattleBackgroundListIndex(47), 6);
    EXPECT_EQ(BattleBackgroundListIndex(99), 54);
    std::vector<bool> seen(56, false);
    for (const auto& e : list)
        if (e.id >= 0)
            seen[static_cast<size_t>(e.id)] = true;
    // Every background but 49 and 50 is offered.
    for (int i = 0; i < 56; ++i)
        EXPECT_EQ(seen[static_cast<size_t>(i)], i != 49 && i != 50) << i;
}

TEST(GraphicsLoad, RoundTripOnEveryVariantAndDamagedTables)
{
    for (const auto& v : synth::AllVariants()) {
        test::TempDir dir;
        const std::string path = test::WriteImage(dir, v.options);
        const auto before = test::ReadFileBytes(path);
        CQuorvexDoc doc;
        auto r = doc.OnOpenDocument(path);
        ASSERT_TRUE(r.ok) << v.name;
        if (!doc.Rom().IsKnown())
            continue;
        EXPECT_EQ(doc.Rom().gfx.monsterGfxRecords.size(), 416u);
        EXPECT_EQ(doc.Rom().gfx.backgrounds.size(), 56u);
        ASSERT_TRUE(doc.OnSaveDocument(path).ok) << v.name;
        EXPECT_EQ(test::ReadFileBytes(path), before) << v.name;
        // Damaged background tables: every background still assembles.
        RomData& rd = doc.Rom();
        synth::Rng rng(5);
        for (auto& p : rd.gfx.backgroundGfxPointers)
            p = rng.Next() & 0xFFFFFF;
        for (auto& p : rd.gfx.backgroundTileMapPointers)
            p = static_cast<uint16_t>(rng.Next());
        for (auto& b : rd.gfx.backgrounds)
            for (auto& x : b.bytes)
                x = rng.Byte();
        std::vector<uint8_t> buf;
        for (int i = 0; i < 56; ++i) {
            BuildBackground(rd, i, buf, false);
            CFF6Bitmap bmp;
            RenderBackgroundBuffer(rd, i, buf, bmp, 1, 2, kBackgroundRows);
        }
        for (auto& m : rd.gfx.monsterGfxRecords)
            for (auto& x : m.bytes)
                x = rng.Byte();
        for (int i = 0; i < 416; ++i) {
            CFF6Bitmap bmp;
            RenderMonster(rd, i, bmp, 1);
        }
        break; // one damaged pass is enough
    }
}

TEST(RenderMonster, LargeRecordWrappingToASmallMappingReadsOnlyItsEightBytes)
{
    // Flagged large with byte 4 = 0xFF: the combined number wraps to small
    // mapping 0x7F. Its 8 bytes are empty; the large mappings that follow
    // it in memory are full and must not be taken for its rows 8..15.
    auto rd = HandMade();
    GraphicsTables& g = rd->gfx;
    g.smallMappings[127].fill(0);
    for (auto& m : g.largeMappings)
        m.fill(0xFF);
    CountMappingTiles(g);
    g.monsterGfxRecords[1].bytes = {0x00, 0x01, 0x80, 0x04, 0xFF};
    CFF6Bitmap bmp;
    ASSERT_TRUE(RenderMonster(*rd, 1, bmp, 1));
    EXPECT_EQ(bmp.Width(), 128);
    for (uint32_t p : bmp.Pixels())
        ASSERT_EQ(p, 0u);
    EXPECT_NE(TilesStudioText(*rd, 1).find("8x8 tiles: 0 (0 bytes)"), std::string::npos);

    // Byte 4 = 0x80 wraps to small mapping 0 (two tiles, small layout): the
    // second tile lands at column 7, row 7 of the 8-column grid.
    g.monsterGfxRecords[1].bytes = {0x00, 0x01, 0x80, 0x04, 0x80};
    ASSERT_TRUE(RenderMonster(*rd, 1, bmp, 1));
    EXPECT_EQ(bmp.GetPixel(0, 0), 0x00FF00u);
    EXPECT_EQ(bmp.GetPixel(56, 56), 0x0000FFu);
}

TEST_F(SynthRender, FormationReportsItsOwnCaptionFirst)
{
    RomData& rd = doc.Rom();
    std::vector<std::string> captions;
    CFF6Bitmap bmp;
    RenderFormation(rd, 0, 7, -1, 1, bmp, [&](const char* c, int, int) {
        if (captions.empty() || captions.back() != c)
            captions.push_back(c);
    });
    ASSERT_EQ(captions.size(), 2u);
    EXPECT_EQ(captions[0], "Loading Formation Graphics");
    EXPECT_EQ(captions[1], "Decompressing background graphics");
    // Backgrounds are drawn once: a second preview only names the formation.
    captions.clear();
    RenderFormation(rd, 0, 7, -1, 1, bmp, [&](const char* c, int, int) { captions.push_back(c); });
    ASSERT_EQ(captions.size(), 1u);
    EXPECT_EQ(captions[0], "Loading Formation Graphics");
}
