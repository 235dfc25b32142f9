// The glyphs the keyboard mapping shows and the title the About box draws:
// each code of a character table in the game's own font, with its width.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "graphics/BitmapTables.h"
#include "graphics/CharGlyphs.h"
#include "graphics/Tiles.h"
#include "rom/Document.h"
#include "rom/RomData.h"

using namespace quorvex;
using namespace quorvex::test;

namespace {

constexpr uint32_t kBlue = 0x803010;
constexpr uint32_t kWhite = 0xF8F8F8;

struct Opened {
    TempDir dir;
    CQuorvexDoc doc;
    explicit Opened(uint8_t romType)
    {
        synth::SynthOptions o;
        o.romType = romType;
        EXPECT_TRUE(doc.OnOpenDocument(WriteImage(dir, o)).ok);
    }
    RomData& Rom() { return doc.Rom(); }
};

// Sets a big-font glyph to two ink pixels: (0, 2) and (15, 4). A row is a
// little-endian word with pixel 0 in bit 15.
void TwoPixelGlyph(RomData& rd, int glyph)
{
    uint8_t* g = rd.gfx.bitmaps.bigFontGlyphs.data() + static_cast<size_t>(glyph) * 22;
    std::fill(g, g + 22, 0);
    g[2 * 2 + 1] = 0x80;
    g[2 * 4] = 0x01;
}

} // namespace

TEST(CharGlyphs, DialogueCodesDrawTheirBigFontGlyphAndWidth)
{
    struct Case {
        uint8_t romType;
        int entry; // bank * 256 + code
        int glyph; // expected glyph number
    };
    const Case cases[] = {
        {kRomFF3us, 0x20, 0x00}, {kRomFF3us, 0x41, 0x21}, {kRomFF3us, 0x7F, 0x5F},
        {kRomFF6j, 0x20, 0x20},  {kRomFF6j, 0x95, 0x95},  {kRomFF6j, 0x1A3, 0x1A3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        Opened o(c.romType);
        TwoPixelGlyph(o.Rom(), c.glyph);
        const size_t wi = static_cast<size_t>(c.romType == kRomFF6j ? c.glyph : c.glyph + 0x20);
        o.Rom().gfx.bitmaps.bigFontWidths[wi] = 11;
        CFF6Bitmap bmp;
        int width = -1;
        ASSERT_TRUE(DrawCharGlyph(o.Rom(), kStyleDialogue, c.entry, bmp, width));
        EXPECT_EQ(width, 11);
        // Bitmaps keep whole groups of four rows: the 11 rows and a row of
        // the window's blue.
        ASSERT_EQ(bmp.Width(), 16);
        ASSERT_EQ(bmp.Height(), 12);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 16; ++x) {
                const bool ink = (x == 0 && y == 2) || (x == 15 && y == 4);
                EXPECT_EQ(bmp.GetPixel(x, y), ink ? kWhite : kBlue) << x << "," << y;
            }
    }
}

TEST(CharGlyphs, CodesWithoutAGlyphDrawNothing)
{
    Opened us(kRomFF3us);
    Opened jp(kRomFF6j);
    CFF6Bitmap bmp;
    int width = 77;
    for (int entry : {0x00, 0x01, 0x1F, 0x80, 0xC5, 0xFF, 0x141, -1, 5 * 256})
        EXPECT_FALSE(DrawCharGlyph(us.Rom(), kStyleDialogue, entry, bmp, width)) << entry;
    for (int entry : {0x00, 0x1F, 5 * 256 + 3, 9999})
        EXPECT_FALSE(DrawCharGlyph(jp.Rom(), kStyleDialogue, entry, bmp, width)) << entry;
    for (int entry : {0x00, 0x1F, 0x100, 0x2FF})
        EXPECT_FALSE(DrawCharGlyph(us.Rom(), kStyleBattle, entry, bmp, width)) << entry;
    EXPECT_EQ(width, 77);
    // A font cut short (a damaged image) is never read past its end.
    us.Rom().gfx.bitmaps.bigFontGlyphs.resize(22 * 3);
    EXPECT_TRUE(DrawCharGlyph(us.Rom(), kStyleDialogue, 0x22, bmp, width));
    EXPECT_FALSE(DrawCharGlyph(us.Rom(), kStyleDialogue, 0x23, bmp, width));
    us.Rom().gfx.bitmaps.smallFont.resize(16 * 0x90);
    EXPECT_TRUE(DrawCharGlyph(us.Rom(), kStyleName, 0x8F, bmp, width));
    EXPECT_FALSE(DrawCharGlyph(us.Rom(), kStyleName, 0x90, bmp, width));
}

TEST(CharGlyphs, BattleAndNameCodesDrawTheirSmallFontTile)
{
    Opened o(kRomFF3us);
    uint8_t* t = o.Rom().gfx.bitmaps.smallFont.data() + 0x9A * 16;
    std::fill(t, t + 16, 0);
    t[2] = 0x80; // row 1, pixel 0: colour 1
    t[3] = 0x01; // row 1, pixel 7: colour 2
    for (TextStyle style : {kStyleBattle, kStyleName}) {
        CFF6Bitmap bmp;
        int width = 0;
        ASSERT_TRUE(DrawCharGlyph(o.Rom(), style, 0x9A, bmp, width));
        EXPECT_EQ(width, 8);
        ASSERT_EQ(bmp.Width(), 8);
        ASSERT_EQ(bmp.Height(), 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                uint32_t want = kDefaultNameColors[0];
                if (y == 1 && x == 0)
                    want = kDefaultNameColors[1];
                if (y == 1 && x == 7)
                    want = kDefaultNameColors[2];
                EXPECT_EQ(bmp.GetPixel(x, y), want) << x << "," << y;
            }
    }
}

TEST(CharGlyphs, TitleInTheSmallFont)
{
    Opened o(kRomFF3us);
    // "A" is menu code 0x80 in the North American release; a character
    // without a code ('|') is left out.
    const NamePicture pic = DrawSmallFontText(o.Rom(), L"A|AA");
    EXPECT_EQ(pic.width, 3 * 8);
    EXPECT_EQ(pic.height, 8);
    const std::vector<uint8_t> a(3, 0x80);
    const NamePicture direct = DrawNamePicture(a.data(), a.size(), o.Rom().gfx.bitmaps.smallFont);
    EXPECT_EQ(pic.pixels, direct.pixels);
    EXPECT_TRUE(DrawSmallFontText(o.Rom(), L"|||").Empty());
}
