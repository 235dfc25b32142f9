// The pixel grid's operations on an indexed picture, and the conversions
// between pictures and the game's glyph and tile formats.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "graphics/PixelBuffer.h"
#include "graphics/Tiles.h"

using namespace quorvex;

namespace {

// A picture from rows of digits ('.' = 0).
PixelBuffer Pic(const std::vector<std::string>& rows)
{
    PixelBuffer p(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            p.Set(static_cast<int>(x), static_cast<int>(y), rows[y][x] == '.' ? 0 : static_cast<uint8_t>(rows[y][x] - '0'));
    return p;
}

std::vector<std::string> Rows(const PixelBuffer& p)
{
    std::vector<std::string> out;
    for (int y = 0; y < p.Height(); ++y) {
        std::string r;
        for (int x = 0; x < p.Width(); ++x)
            r += p.Get(x, y) == 0 ? '.' : static_cast<char>('0' + p.Get(x, y));
        out.push_back(r);
    }
    return out;
}

const std::vector<std::string> kSample = {"12.", "3.4", "..5"};

} // namespace

TEST(PixelBuffer, WholePictureOperations)
{
    struct Case {
        const char* name;
        void (*op)(PixelBuffer&);
        std::vector<std::string> expected;
    } cases[] = {
        {"shift left", [](PixelBuffer& p) { p.ShiftLeft(); }, {"2.1", ".43", ".5."}},
        {"shift right", [](PixelBuffer& p) { p.ShiftRight(); }, {".12", "43.", "5.."}},
        {"shift up", [](PixelBuffer& p) { p.ShiftUp(); }, {"3.4", "..5", "12."}},
        {"shift down", [](PixelBuffer& p) { p.ShiftDown(); }, {"..5", "12.", "3.4"}},
        {"mirror", [](PixelBuffer& p) { p.MirrorHorizontal(); }, {".21", "4.3", "5.."}},
        {"flip", [](PixelBuffer& p) { p.FlipVertical(); }, {"..5", "3.4", "12."}},
        {"rotate clockwise", [](PixelBuffer& p) { p.RotateClockwise(); }, {".31", "..2", "54."}},
        {"rotate counter", [](PixelBuffer& p) { p.RotateCounterClockwise(); }, {".45", "2..", "13."}},
        {"clear", [](PixelBuffer& p) { p.Clear(7); }, {"777", "777", "777"}},
    };
    for (const Case& c : cases) {
        PixelBuffer p = Pic(kSample);
        c.op(p);
        EXPECT_EQ(Rows(p), c.expected) << c.name;
    }
}

TEST(PixelBuffer, OperationsUndoEachOther)
{
    const PixelBuffer start = Pic({"1234", "5678", "9.12", "3456"});
    PixelBuffer p = start;
    p.RotateClockwise();
    p.RotateCounterClockwise();
    EXPECT_EQ(p, start);
    for (int i = 0; i < 4; ++i)
        p.RotateClockwise();
    EXPECT_EQ(p, start);
    p.MirrorHorizontal();
    p.MirrorHorizontal();
    p.FlipVertical();
    p.FlipVertical();
    EXPECT_EQ(p, start);
    p.ShiftLeft();
    p.ShiftRight();
    p.ShiftUp();
    p.ShiftDown();
    EXPECT_EQ(p, start);
}

TEST(PixelBuffer, OnlySquarePicturesRotate)
{
    PixelBuffer p = Pic({"12", "34", "56"});
    const PixelBuffer before = p;
    EXPECT_FALSE(p.RotateClockwise());
    EXPECT_FALSE(p.RotateCounterClockwise());
    EXPECT_EQ(p, before);
}

TEST(PixelBuffer, SixteenLeftShiftsGiveTheSameGlyph)
{
    uint8_t glyph[kGlyphBytes];
    for (size_t i = 0; i < kGlyphBytes; ++i)
        glyph[i] = static_cast<uint8_t>(i * 37 + 11);
    PixelBuffer p = GlyphToPixels(glyph);
    const PixelBuffer start = p;
    for (int i = 1; i <= 16; ++i) {
        p.ShiftLeft();
        if (i < 16) {
            EXPECT_NE(p, start) << i;
        }
    }
    EXPECT_EQ(p, start);
    uint8_t back[kGlyphBytes] = {};
    PixelsToGlyph(p, back);
    EXPECT_TRUE(std::equal(glyph, glyph + kGlyphBytes, back));
}

TEST(PixelBuffer, FillIsFourConnected)
{
    // The two 1-regions touch only at a corner: filling one leaves the other.
    PixelBuffer p = Pic({"11..", "11..", "..11", "..11"});
    EXPECT_EQ(p.Fill(0, 0, 3), 4);
    EXPECT_EQ(Rows(p), (std::vector<std::string>{"33..", "33..", "..11", "..11"}));
    // The zeros form two regions as well.
    EXPECT_EQ(p.Fill(3, 0, 5), 4);
    EXPECT_EQ(Rows(p), (std::vector<std::string>{"3355", "3355", "..11", "..11"}));
}

TEST(PixelBuffer, FillWithTheClickedColourChangesNothing)
{
    PixelBuffer p = Pic(kSample);
    EXPECT_EQ(p.Fill(0, 0, 1), 0);
    EXPECT_EQ(Rows(p), kSample);
    EXPECT_EQ(p.Fill(-1, 0, 4), 0);
    EXPECT_EQ(p.Fill(0, 3, 4), 0);
    EXPECT_EQ(Rows(p), kSample);
}

TEST(PixelBuffer, FillCoversALargeRegionWithoutDeepRecursion)
{
    PixelBuffer p(1024, 1024);
    EXPECT_EQ(p.Fill(512, 512, 9), 1024 * 1024);
}

TEST(PixelBuffer, GetColourAndPaintingOutsideThePicture)
{
    PixelBuffer p = Pic(kSample);
    EXPECT_EQ(p.Get(2, 1), 4);
    EXPECT_EQ(p.Get(3, 0), -1);
    EXPECT_EQ(p.Get(0, -1), -1);
    EXPECT_FALSE(p.Set(3, 0, 9));
    EXPECT_TRUE(p.Set(1, 1, 9));
    EXPECT_EQ(p.Get(1, 1), 9);
}

TEST(PixelBuffer, PaintingTheShadedColumnsOfAGlyphChangesItsBits)
{
    // The big-font page shades columns 0-3 and those from 4 + width on; they
    // are still part of the glyph and paint like any other.
    uint8_t glyph[kGlyphBytes] = {};
    PixelBuffer p = GlyphToPixels(glyph);
    p.Set(0, 0, 1);   // shaded on the left
    p.Set(15, 10, 1); // beyond any width up to 11
    PixelsToGlyph(p, glyph);
    EXPECT_EQ(GetGlyphPixel(glyph, 0, 0, 0), 1);
    EXPECT_EQ(GetGlyphPixel(glyph, 0, 15, 10), 1);
    // Pixel 0 is bit 7 of the row's second byte, pixel 15 bit 0 of the first.
    EXPECT_EQ(glyph[1], 0x80);
    EXPECT_EQ(glyph[20], 0x01);
}

TEST(PixelBuffer, TilesRoundTripThroughPictures)
{
    uint8_t t4[kTile4bppBytes], t2[kTile2bppBytes];
    for (size_t i = 0; i < kTile4bppBytes; ++i)
        t4[i] = static_cast<uint8_t>(i * 73 + 5);
    for (size_t i = 0; i < kTile2bppBytes; ++i)
        t2[i] = static_cast<uint8_t>(i * 91 + 3);
    const PixelBuffer p4 = Tile4bppToPixels(t4), p2 = Tile2bppToPixels(t2);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(p4.Get(x, y), GetTilePixel4bpp(t4, x, y));
            EXPECT_EQ(p2.Get(x, y), GetTilePixel2bpp(t2, 0, x, y));
        }
    uint8_t b4[kTile4bppBytes] = {}, b2[kTile2bppBytes] = {};
    PixelsToTile4bpp(p4, b4);
    PixelsToTile2bpp(p2, b2);
    EXPECT_TRUE(std::equal(t4, t4 + kTile4bppBytes, b4));
    EXPECT_TRUE(std::equal(t2, t2 + kTile2bppBytes, b2));
}

TEST(PixelBuffer, CopyAndPasteBetweenGraphics)
{
    // A tile copied from one graphic (a wallpaper tile) and pasted into
    // another (a sprite tile) brings its indices; the low four bits count.
    uint8_t wall[kTile4bppBytes], sprite[kTile4bppBytes] = {};
    for (size_t i = 0; i < kTile4bppBytes; ++i)
        wall[i] = static_cast<uint8_t>(0xC3 ^ i);
    const PixelBuffer clip = Tile4bppToPixels(wall).Crop(0, 0, 8, 8);
    PixelBuffer target = Tile4bppToPixels(sprite);
    target.Paste(clip, 0, 0, 8, 8, 0, 0);
    PixelsToTile4bpp(target, sprite);
    EXPECT_TRUE(std::equal(wall, wall + kTile4bppBytes, sprite));
    // A paste that hangs over the edge keeps what fits.
    PixelBuffer small = Pic({"..", ".."});
    small.Paste(Pic({"12", "34"}), 0, 0, 2, 2, 1, 1);
    EXPECT_EQ(Rows(small), (std::vector<std::string>{"..", ".1"}));
}
