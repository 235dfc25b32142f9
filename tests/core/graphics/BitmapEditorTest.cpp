// The bitmap editor's rules without a window: font tables and their width
// rules, sprite sheets, option bits, and PNG export followed by import of
// every wallpaper and sprite of the synthetic images.
#include <gtest/gtest.h>

#include <dirent.h>
#include <unistd.h>

#include <set>

#include "TestSupport.h"
#include "graphics/BitmapEditorLogic.h"
#include "graphics/BitmapTables.h"
#include "graphics/SpriteSheets.h"
#include "graphics/Tiles.h"
#include "rom/Document.h"
#include "rom/RomData.h"

using namespace quorvex;
using namespace quorvex::test;

namespace {

struct Opened {
    TempDir dir;
    CQuorvexDoc doc;
    std::string path;
    explicit Opened(uint8_t romType)
    {
        synth::SynthOptions o;
        o.romType = romType;
        path = WriteImage(dir, o);
        EXPECT_TRUE(doc.OnOpenDocument(path).ok);
    }
    RomData& Rom() { return doc.Rom(); }
};

std::set<std::string> FolderNames(const std::string& path)
{
    std::set<std::string> names;
    if (DIR* d = opendir(path.c_str())) {
        while (dirent* e = readdir(d))
            names.insert(e->d_name);
        closedir(d);
    }
    return names;
}

} // namespace

TEST(BitmapOptions, BitsRestoreExactlyTheStoredOptions)
{
    const SpriteOptions battleOnly = SpriteOptions::FromBits(0x80);
    EXPECT_TRUE(battleOnly.importBattle);
    EXPECT_FALSE(battleOnly.importTown || battleOnly.newFormat || battleOnly.grid || battleOnly.highlight ||
                 battleOnly.showTileIndex || battleOnly.animate || battleOnly.largePreview);
    for (int bits = 0; bits < 256; ++bits)
        EXPECT_EQ(SpriteOptions::FromBits(bits).Bits(), bits);
    EXPECT_EQ(SpriteOptions::FromBits(0x120).Bits(), 0x20); // bits past 7 are no option
    for (int bits = 0; bits < 8; ++bits)
        EXPECT_EQ(WallpaperOptions::FromBits(bits).Bits(), bits);
    EXPECT_TRUE(WallpaperOptions::FromBits(4).importPalette);
    EXPECT_FALSE(WallpaperOptions::FromBits(4).grid);
    EXPECT_EQ(WallpaperOptions::FromBits(0xF8).Bits(), 0);
}

TEST(SpriteSheets, RecordsFillThePoolInOrder)
{
    const auto& r = SpriteRecords();
    uint32_t next = 0;
    for (int s = 0; s < kSpriteCount; ++s) {
        EXPECT_EQ(r[static_cast<size_t>(s)].firstTile, next) << s;
        next += r[static_cast<size_t>(s)].tileCount;
        const uint32_t kind = r[static_cast<size_t>(s)].kind;
        if (s < 16)
            EXPECT_TRUE(kind == 0 && r[static_cast<size_t>(s)].tileCount == 181) << s;
        else if (s < 22)
            EXPECT_TRUE(kind == 1 && r[static_cast<size_t>(s)].tileCount == 171) << s;
        else
            EXPECT_TRUE((kind >= 2 && kind <= 26) || kind == kSingleTileKind) << s;
    }
    EXPECT_LE(next, static_cast<uint32_t>(kSpritePoolTiles));
}

TEST(SpriteSheets, LayoutsByKind)
{
    struct Case {
        uint32_t kind;
        int w, h;
    } sizes[] = {{2, 16, 6},  {3, 16, 6},  {4, 16, 6},  {5, 16, 6},  {6, 6, 3},   {7, 4, 3},  {8, 2, 3},
                 {9, 4, 3},   {10, 2, 2},  {11, 2, 1},  {12, 2, 2},  {13, 2, 2},  {14, 4, 2}, {15, 8, 2},
                 {16, 4, 4},  {17, 8, 6},  {18, 4, 6},  {19, 4, 4},  {20, 4, 6},  {21, 6, 4}, {22, 12, 6},
                 {23, 4, 2},  {24, 8, 4},  {25, 12, 10}, {26, 12, 16}, {99, 1, 1}};
    for (const Case& c : sizes) {
        int w = 0, h = 0;
        LayoutSize(c.kind, w, h);
        EXPECT_EQ(w, c.w) << c.kind;
        EXPECT_EQ(h, c.h) << c.kind;
    }
    // The 16 x 18 character sheet's first row, and its third row with the
    // mirrored legs of the second walking step.
    const Arrangement fresh = SpriteLayout(0, true);
    ASSERT_EQ(fresh.width, 16);
    ASSERT_EQ(fresh.height, 18);
    const std::vector<uint32_t> first(fresh.cells.begin(), fresh.cells.begin() + 16);
    EXPECT_EQ(first, (std::vector<uint32_t>{0, 1, 0, 1, 0, 1, 0x0C, 0x0D, 0x0C, 0x0D, 0x0C, 0x0D, 0x18, 0x19,
                                            0x1E, 0x1F}));
    EXPECT_EQ(fresh.At(4, 2), 0x105u);
    EXPECT_EQ(fresh.At(5, 2), 0x104u);
    const Arrangement old = SpriteLayout(0, false);
    EXPECT_EQ(old.width, 16);
    EXPECT_EQ(old.height, 16);
    for (int x = 0; x < 16; ++x)
        EXPECT_EQ(old.At(x, 15), kEmptyCell); // 256 cells, of which 240 are used
    EXPECT_EQ(SpriteLayout(16, true).height, 18);
    // Kinds 8 and 12 number their cells in row order.
    for (int s = 0; s < kSpriteCount; ++s) {
        const uint32_t kind = SpriteRecords()[static_cast<size_t>(s)].kind;
        if (kind != 8 && kind != 12)
            continue;
        const Arrangement a = SpriteLayout(s, false);
        for (size_t i = 0; i < a.cells.size(); ++i)
            EXPECT_EQ(a.cells[i], i) << s;
    }
}

TEST(SpriteSheets, EverySpriteTileShowsInItsSheet)
{
    for (bool fresh : {false, true})
        for (int s = 0; s < kSpriteCount; ++s) {
            const Arrangement a = SpriteLayout(s, fresh);
            std::set<int> seen;
            for (uint32_t c : a.cells)
                if (IsTileCell(c)) {
                    EXPECT_LT(CellTile(c), SpriteTileCount(s)) << s;
                    seen.insert(CellTile(c));
                }
            EXPECT_EQ(static_cast<int>(seen.size()), SpriteTileCount(s)) << s << (fresh ? " new" : " old");
        }
}

TEST(BigFont, NorthAmericanWidthsAreIndexedByTheCode)
{
    Opened img(1);
    RomData& rd = img.Rom();
    ASSERT_EQ(BigFontGlyphCount(rd), kBigFontGlyphsUs);
    EXPECT_EQ(BigFontWidthIndex(rd, 0), 0x20);
    EXPECT_EQ(BigFontWidthIndex(rd, 0x5F), 0x7F);
    EXPECT_EQ(BigFontWidthIndex(rd, 159), 0xBF);
    ASSERT_TRUE(SetBigFontWidth(rd, 0x5F, 3));
    EXPECT_EQ(rd.gfx.bitmaps.bigFontWidths[0x7F], 3);
    EXPECT_EQ(BigFontWidth(rd, 0x5F), 3);
    ASSERT_TRUE(img.doc.OnSaveDocument(img.path).ok);
    EXPECT_EQ(ReadFileBytes(img.path)[0x48FC0 + 0x7F], 3);
    EXPECT_FALSE(SetBigFontWidth(rd, 160, 3));
}

TEST(BigFont, JapaneseWidthTablesTwoToFourAreShownButNeverWritten)
{
    Opened img(2);
    RomData& rd = img.Rom();
    ASSERT_EQ(BigFontGlyphCount(rd), 5 * 256);
    const std::vector<uint8_t> before = ReadFileBytes(img.path);
    // Shown: the width of glyph 0x2A5 is entry 0xA5 of table 2.
    EXPECT_EQ(BigFontWidth(rd, 0x2A5), before[0x491C0 + 0xA5]);
    EXPECT_TRUE(BigFontWidthWritable(rd, 0x1FF));
    EXPECT_FALSE(BigFontWidthWritable(rd, 0x200));
    EXPECT_FALSE(SetBigFontWidth(rd, 0x2A5, 1));
    // Even bytes changed behind the rules are not written: the glyph block
    // owns the bytes the tables share with it.
    for (size_t i = 2 * 256; i < 5 * 256; ++i)
        rd.gfx.bitmaps.bigFontWidths[i] ^= 0x5A;
    // A glyph of block 0 whose bytes lie where width table 3 would be.
    uint8_t* g = BigFontGlyph(rd, 20); // 0x49200 + 440 = 0x493B8
    g[0] ^= 0xFF;
    ASSERT_TRUE(SetBigFontWidth(rd, 0x141, 9)); // table 1 is written
    ASSERT_TRUE(img.doc.OnSaveDocument(img.path).ok);
    const std::vector<uint8_t> after = ReadFileBytes(img.path);
    for (size_t off = 0x491C0; off < 0x494C0; ++off) {
        const uint8_t expected = off == 0x49200 + 20 * 22 ? static_cast<uint8_t>(before[off] ^ 0xFF) : before[off];
        ASSERT_EQ(after[off], expected) << std::hex << off;
    }
    EXPECT_EQ(after[0x490C0 + 0x41], 9);
}

TEST(FontShow, GlyphsAsTextRows)
{
    Opened img(1);
    RomData& rd = img.Rom();
    uint8_t* g = BigFontGlyph(rd, 7);
    std::fill(g, g + kGlyphBytes, 0);
    SetGlyphPixel(g, 0, 0, 0, 1);
    SetGlyphPixel(g, 0, 15, 10, 1);
    SetBigFontWidth(rd, 7, 6);
    const std::string big = FontGlyphText(rd, true, 7);
    EXPECT_EQ(big.substr(0, 9), "width: 6\n");
    EXPECT_EQ(big.substr(9, 17), "1...............\n");
    EXPECT_EQ(big.substr(big.size() - 17), "...............1\n");
    std::vector<uint8_t>& small = rd.gfx.bitmaps.smallFont;
    std::fill(small.begin() + 16 * 3, small.begin() + 16 * 4, 0);
    SetTilePixel2bpp(small.data(), 3, 2, 0, 3);
    SetTilePixel2bpp(small.data(), 3, 7, 7, 2);
    const std::string tile = FontGlyphText(rd, false, 3);
    EXPECT_EQ(tile, "..3.....\n........\n........\n........\n........\n........\n........\n.......2\n");
    EXPECT_TRUE(FontGlyphText(rd, true, 160).empty());
    EXPECT_TRUE(FontGlyphText(rd, false, 256).empty());
}

class PngRoundTrip : public ::testing::TestWithParam<uint8_t> {};

TEST_P(PngRoundTrip, ExportThenImportKeepsEveryWallpaperAndSprite)
{
    Opened img(GetParam());
    RomData& rd = img.Rom();
    const BitmapTables before = rd.gfx.bitmaps;
    for (int w = 0; w < kWallpaperCount; ++w) {
        const std::string png = img.dir.File(WallpaperPngName(w));
        ASSERT_EQ(ExportWallpaperPng(rd, w, png), 0);
        const BitmapImport r = ImportWallpaperPng(rd, w, png, true);
        ASSERT_EQ(r.status, 0) << r.error;
        EXPECT_EQ(r.changedTiles.size(), 21u); // the tiles the layout shows
    }
    for (bool fresh : {false, true})
        for (int s = 0; s < kSpriteCount; ++s) {
            SpriteView v;
            v.sprite = s;
            v.newFormat = fresh;
            v.townPalette = s % kTownPaletteCount;
            v.battlePalette = s % kBattlePaletteCount;
            v.battle = s % 2 == 1;
            const std::string png = img.dir.File(SpritePngName(s));
            ASSERT_EQ(ExportSpritePng(rd, v, png), 0);
            const BitmapImport r = ImportSpritePng(rd, v, png, !v.battle, v.battle);
            ASSERT_EQ(r.status, 0) << r.error;
            EXPECT_EQ(static_cast<int>(r.changedTiles.size()), SpriteTileCount(s));
        }
    EXPECT_EQ(rd.gfx.bitmaps.wallpaperTiles, before.wallpaperTiles);
    EXPECT_EQ(rd.gfx.bitmaps.wallpaperPalettes, before.wallpaperPalettes);
    EXPECT_EQ(rd.gfx.bitmaps.spriteTiles, before.spriteTiles);
    EXPECT_EQ(rd.gfx.bitmaps.spriteTownPalettes, before.spriteTownPalettes);
    EXPECT_EQ(rd.gfx.bitmaps.spriteBattlePalettes, before.spriteBattlePalettes);
}

INSTANTIATE_TEST_SUITE_P(Releases, PngRoundTrip, ::testing::Values(uint8_t{1}, uint8_t{2}),
                         [](const auto& info) { return info.param == 1 ? "FF3us" : "FF6j"; });

TEST(WallpaperImport, UndoesTheCellsMirrorAndFlip)
{
    // An image whose every cell shows the same asymmetric tile (one pixel
    // in the top-left corner) as drawn on screen. The top-right corner cell
    // shows tile 16 mirrored, so the stored tile 16 must get the pixel in
    // its top-right corner; the bottom-right cell (mirrored and flipped) is
    // the last to show tile 16 and decides it: bottom-right as well.
    Opened img(1);
    RomData& rd = img.Rom();
    const Arrangement& layout = WallpaperLayout();
    PngImportResult png;
    png.columns = layout.width;
    png.rows = layout.height;
    png.tiles.assign(static_cast<size_t>(png.Cells()), {});
    for (auto& t : png.tiles)
        SetTilePixel4bpp(t.data(), 0, 0, 5);
    ApplyWallpaperImport(rd, 3, png, false);
    const uint8_t* corner = WallpaperTiles(rd, 3) + 16 * kTile4bppBytes;
    EXPECT_EQ(GetTilePixel4bpp(corner, 7, 7), 5);
    EXPECT_EQ(GetTilePixel4bpp(corner, 0, 0), 0);
    // Tile 19, the left edge, is shown unmirrored on the left and mirrored
    // on the right; the right column comes later in each row.
    const uint8_t* edge = WallpaperTiles(rd, 3) + 19 * kTile4bppBytes;
    EXPECT_EQ(GetTilePixel4bpp(edge, 7, 0), 5);
    // The plain pattern tiles keep the pixel where it was drawn.
    EXPECT_EQ(GetTilePixel4bpp(WallpaperTiles(rd, 3), 0, 0), 5);
}

TEST(BitmapImport, FailuresChangeNothingAndLeaveNoStrayFile)
{
    Opened img(1);
    RomData& rd = img.Rom();
    const BitmapTables before = rd.gfx.bitmaps;
    // Run in the image's folder: no "uncomp.bin" or other file may appear.
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(chdir(img.dir.Path().c_str()), 0);
    ASSERT_EQ(ExportWallpaperPng(rd, 0, "w.png"), 0);
    SpriteView v;
    v.newFormat = true;
    ASSERT_EQ(ExportSpritePng(rd, v, "s.png"), 0);
    const std::set<std::string> files = FolderNames(".");
    EXPECT_EQ(ImportWallpaperPng(rd, 0, "w.png", true).status, 0);
    // A 16 x 18 sheet does not fit the old 16 x 16 format.
    v.newFormat = false;
    const BitmapImport tooBig = ImportSpritePng(rd, v, "s.png", true, true);
    EXPECT_EQ(tooBig.status, kPngFailed);
    EXPECT_NE(tooBig.error.find("larger than the graphic"), std::string::npos) << tooBig.error;
    WriteFileText("bad.png", "not a picture, but long enough to be looked at\n");
    EXPECT_EQ(ImportSpritePng(rd, v, "bad.png", true, true).status, kPngFailed);
    std::set<std::string> now = FolderNames(".");
    now.erase("bad.png");
    EXPECT_EQ(now, files);
    ASSERT_EQ(chdir(cwd), 0);
    EXPECT_EQ(rd.gfx.bitmaps.spriteTiles, before.spriteTiles);
    EXPECT_EQ(rd.gfx.bitmaps.spriteTownPalettes, before.spriteTownPalettes);
    EXPECT_EQ(rd.gfx.bitmaps.wallpaperTiles, before.wallpaperTiles);
}

TEST(BitmapImport, PaletteOptionsReplaceOnlyTheChosenPalettes)
{
    Opened img(1);
    RomData& rd = img.Rom();
    PngImportResult png;
    png.columns = png.rows = 1;
    png.tiles.assign(1, {});
    png.palette = {0x7C00, 0x03E0}; // two colours: the first two entries change
    SpriteView v;
    v.sprite = 30;
    v.townPalette = 4;
    v.battlePalette = 6;
    const auto town = ReadPalette16(rd.gfx.bitmaps.spriteTownPalettes, 4);
    const auto battle = ReadPalette16(rd.gfx.bitmaps.spriteBattlePalettes, 6);
    ApplySpriteImport(rd, v, png, false, true);
    EXPECT_EQ(ReadPalette16(rd.gfx.bitmaps.spriteTownPalettes, 4), town);
    auto expected = battle;
    expected[0] = 0x7C00;
    expected[1] = 0x03E0;
    EXPECT_EQ(ReadPalette16(rd.gfx.bitmaps.spriteBattlePalettes, 6), expected);
    const auto wall = WallpaperPalette(rd, 2);
    ApplyWallpaperImport(rd, 2, png, false);
    EXPECT_EQ(WallpaperPalette(rd, 2), wall);
    ApplyWallpaperImport(rd, 2, png, true);
    EXPECT_EQ(WallpaperPalette(rd, 2)[1], 0x03E0);
    EXPECT_EQ(WallpaperPalette(rd, 2)[2], wall[2]);
}
