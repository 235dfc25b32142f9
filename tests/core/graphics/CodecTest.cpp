// Colours, tiles and the LZ decompressor.
#include <gtest/gtest.h>

#include <vector>

#include "LzCompress.h"
#include "SynthImage.h"
#include "graphics/Color.h"
#include "graphics/Decompress.h"
#include "graphics/Tiles.h"

using namespace quorvex;

namespace {

int Decode(const std::vector<uint8_t>& block, std::vector<uint8_t>& out)
{
    out.assign(kDecompressMaxOutput, 0xAA);
    return DecompressBlock(block.data(), block.size(), 0, out.data());
}

std::vector<uint8_t> Block(std::vector<uint8_t> body)
{
    const size_t L = body.size() + 2;
    body.insert(body.begin(), {static_cast<uint8_t>(L), static_cast<uint8_t>(L >> 8)});
    return body;
}

void RoundTrip(const std::vector<uint8_t>& data)
{
    const std::vector<uint8_t> block = synth::LzCompress(data);
    std::vector<uint8_t> out;
    ASSERT_EQ(Decode(block, out), static_cast<int>(data.size()));
    EXPECT_TRUE(std::equal(data.begin(), data.end(), out.begin()));
}

} // namespace

TEST(Color, ExamplesAndRoundTrips)
{
    EXPECT_EQ(SnesToRgb(0x7FFF), 0xFFFFFFu);
    EXPECT_EQ(SnesToRgb(0x001F), 0x0000FFu);
    EXPECT_EQ(SnesToRgbFile(0x001F), 0xFF0000u);
    EXPECT_EQ(RgbToSnes(0x070707), 0);
    EXPECT_EQ(SnesToRgb(0), 0u);
    EXPECT_EQ(SwapRedBlue(0x112233), 0x332211u);
    EXPECT_EQ(SwapRedBlue(SwapRedBlue(0xABCDEF)), 0xABCDEFu);
    for (uint32_t w = 0; w < 0x10000; ++w)
        ASSERT_EQ(RgbToSnes(SnesToRgb(static_cast<SnesColor>(w))), w & 0x7FFF);
    EXPECT_EQ(HslToSnes(0.3, 0.7, 1.0), 0x7FFF);
    EXPECT_EQ(HslToSnes(0.0, 0.0, 0.5), 0x3DEF);
    EXPECT_EQ(HslToRgb(0.0, 0.0, 1.0), 0xFFFFFFu);
    // HSL round trip: within one step per channel (truncation).
    for (uint32_t w = 0; w < 0x8000; w += 37) {
        const Hsl h = SnesToHsl(static_cast<SnesColor>(w));
        const SnesColor back = HslToSnes(h.h, h.s, h.l);
        for (int ch = 0; ch < 3; ++ch) {
            const int a = (w >> (5 * ch)) & 31, b = (back >> (5 * ch)) & 31;
            ASSERT_LE(std::abs(a - b), 1) << std::hex << w;
        }
    }
    // Ties go to red, then green.
    Hsl h = SnesToHsl(0x03FF); // red = green = 31, blue 0
    EXPECT_NEAR(h.h, (0.0 - (-1.0)) / 6.0, 1e-9); // (g - b)/d = 1 -> 1/6
    h = SnesToHsl(0x7FE0); // green = blue
    EXPECT_NEAR(h.h, (2 + (1.0 - 0.0)) / 6.0, 1e-9);
}

TEST(Color, PaletteHalves)
{
    uint8_t a[16], b[16];
    for (int i = 0; i < 16; ++i) {
        a[i] = static_cast<uint8_t>(i);
        b[i] = static_cast<uint8_t>(0x80 | i); // bit 15 set on odd bytes
    }
    SnesPalette16 p;
    p.Load(a, b);
    EXPECT_EQ(p.words[0], 0x0100);
    EXPECT_EQ(p.words[8], (0x8180 & 0x7FFF));
    EXPECT_EQ(p.rgb[8], SnesToRgb(0x0180));
}

TEST(Tiles, PixelAccessAndBounds)
{
    std::vector<uint8_t> t2(32, 0);
    ASSERT_EQ(SetTilePixel2bpp(t2.data(), 1, 0, 0, 3), 0);
    EXPECT_EQ(t2[16], 0x80);
    EXPECT_EQ(t2[17], 0x80);
    EXPECT_EQ(GetTilePixel2bpp(t2.data(), 1, 0, 0), 3);
    ASSERT_EQ(SetTilePixel2bpp(t2.data(), 0, 7, 7, 2), 0);
    EXPECT_EQ(t2[14], 0);
    EXPECT_EQ(t2[15], 1);
    const std::vector<uint8_t> before = t2;
    for (auto [x, y] : {std::pair{-1, 0}, {8, 0}, {0, -1}, {0, 8}}) {
        EXPECT_EQ(GetTilePixel2bpp(t2.data(), 0, x, y), -1);
        EXPECT_EQ(SetTilePixel2bpp(t2.data(), 0, x, y, 3), -1);
    }
    EXPECT_EQ(t2, before);

    uint8_t t4[32] = {};
    for (int i = 0; i < 16; ++i)
        ASSERT_EQ(SetTilePixel4bpp(t4, i % 8, i / 8, i), 0);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(GetTilePixel4bpp(t4, i % 8, i / 8), i);
    EXPECT_EQ(t4[17 + 2], 0xFF); // row 1, plane 3: indices 8..15
    EXPECT_EQ(GetTilePixel4bpp(t4, 8, 0), -1);
    EXPECT_EQ(SetTilePixel4bpp(t4, 0, 9, 1), -1);

    uint8_t t3[24] = {};
    t3[16 + 2] = 0x01; // plane 2, row 2, pixel 7
    t3[4] = 0x01;
    EXPECT_EQ(GetTilePixel3bpp(t3, 7, 2), 5);

    // Glyph: pixels 0-7 in the second byte of the row word.
    uint8_t font[44] = {};
    ASSERT_EQ(SetGlyphPixel(font, 1, 0, 0, 1), 0);
    EXPECT_EQ(font[23], 0x80);
    ASSERT_EQ(SetGlyphPixel(font, 1, 15, 10, 1), 0);
    EXPECT_EQ(font[22 + 20], 0x01);
    EXPECT_EQ(GetGlyphPixel(font, 1, 15, 10), 1);
    EXPECT_EQ(GetGlyphPixel(font, 1, 16, 0), -1);
    EXPECT_EQ(GetGlyphPixel(font, 1, 0, 11), -1);
    EXPECT_EQ(SetGlyphPixel(font, 0, -1, 0, 1), -1);
    SetGlyphPixel(font, 1, 0, 0, 0);
    EXPECT_EQ(font[23], 0);
}

TEST(Tiles, MirrorAndFlip)
{
    synth::Rng rng(7);
    uint8_t t[32], orig[32];
    for (uint8_t& b : t)
        b = rng.Byte();
    std::copy(t, t + 32, orig);
    MirrorTile4bpp(t);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(GetTilePixel4bpp(t, x, y), GetTilePixel4bpp(orig, 7 - x, y));
    MirrorTile4bpp(t);
    EXPECT_TRUE(std::equal(t, t + 32, orig));
    FlipTile4bpp(t);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(GetTilePixel4bpp(t, x, y), GetTilePixel4bpp(orig, x, 7 - y));
    FlipTile4bpp(t);
    EXPECT_TRUE(std::equal(t, t + 32, orig));
    MirrorTile2bpp(t);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(GetTilePixel2bpp(t, 0, x, y), GetTilePixel2bpp(orig, 0, 7 - x, y));
    MirrorTile2bpp(t);
    FlipTile2bpp(t);
    for (int y = 0; y < 8; ++y)
        ASSERT_EQ(GetTilePixel2bpp(t, 0, 3, y), GetTilePixel2bpp(orig, 0, 3, 7 - y));
    FlipTile2bpp(t);
    EXPECT_TRUE(std::equal(t, t + 32, orig));
}

TEST(Decompress, EdgeCasesOfTheFormat)
{
    std::vector<uint8_t> out;
    // Empty block: 0, output untouched.
    EXPECT_EQ(Decode({0, 0, 0x55}, out), 0);
    EXPECT_EQ(out[0], 0xAA);
    // First reference reads the zero window: three zeros.
    ASSERT_EQ(Decode(Block({0x00, 0x00, 0x00}), out), 3);
    EXPECT_EQ(out[0] | out[1] | out[2], 0);
    EXPECT_EQ(out[3], 0xAA);
    // A literal then a copy from p - 1 repeats it: 0x7DE is where the
    // literal went.
    ASSERT_EQ(Decode(Block({0x01, 0x42, 0xDE, 0x07 | (4 << 3)}), out), 1 + 7);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(out[static_cast<size_t>(i)], 0x42);
    // w = 0xFFFF: 34 bytes from 0x7FF, wrapping to 0. Preload the window
    // with literals at 0x7DE.. so position 0x7FF and 0 hold known bytes.
    std::vector<uint8_t> body;
    std::vector<uint8_t> lits;
    for (int i = 0; i < 40; ++i)
        lits.push_back(static_cast<uint8_t>(i + 1));
    // 40 literals: window 0x7DE..0x7FF = 1..34, then 0x000..0x005 = 35..40.
    for (int c = 0; c < 5; ++c) {
        body.push_back(0xFF);
        for (int i = 0; i < 8; ++i)
            body.push_back(lits[static_cast<size_t>(c * 8 + i)]);
    }
    body.push_back(0x00);
    body.push_back(0xFF);
    body.push_back(0xFF);
    ASSERT_EQ(Decode(Block(body), out), 40 + 34);
    EXPECT_EQ(out[40], 34); // window 0x7FF
    EXPECT_EQ(out[41], 35); // window 0x000
    EXPECT_EQ(out[46], 40);
    // Wrapped-but-then-overwritten positions: the copy writes at 0x006..,
    // reading 0x7FF, 0x000.. : 0x006 is read as the 8th byte (i = 7).
    EXPECT_EQ(out[40 + 7], out[40]); // written by the same copy
}

TEST(Decompress, RoundTripsThroughTheCompressor)
{
    synth::Rng rng(99);
    std::vector<uint8_t> random(5000);
    for (uint8_t& b : random)
        b = rng.Byte();
    RoundTrip(random);
    RoundTrip(std::vector<uint8_t>(20000, 0x33)); // long runs
    std::vector<uint8_t> pattern;
    for (int i = 0; i < 9000; ++i)
        pattern.push_back(static_cast<uint8_t>("abcabcabd"[i % 9]));
    RoundTrip(pattern); // overlapping copies
    std::vector<uint8_t> far;
    for (int i = 0; i < 6000; ++i)
        far.push_back(static_cast<uint8_t>((i % 2047) * 31)); // copies at the window's far edge
    RoundTrip(far);
    RoundTrip({7});
    std::vector<uint8_t> out;
    const auto lits = synth::LzStoreLiterals(random);
    ASSERT_EQ(Decode(lits, out), 5000);
    EXPECT_TRUE(std::equal(random.begin(), random.end(), out.begin()));
}

TEST(Decompress, SizeLimits)
{
    std::vector<uint8_t> out;
    // 65,536 bytes accepted; 65,537 refused with nothing written.
    RoundTrip(std::vector<uint8_t>(65536, 0));
    std::vector<uint8_t> body;
    size_t produced = 0;
    auto addCopies = [&](size_t target) {
        while (produced < target) {
            body.push_back(0x00);
            for (int i = 0; i < 8 && produced < target; ++i) {
                const size_t k = std::min<size_t>(34, target - produced);
                if (k < 3)
                    break;
                const unsigned w = static_cast<unsigned>((k - 3) << 11);
                body.push_back(static_cast<uint8_t>(w));
                body.push_back(static_cast<uint8_t>(w >> 8));
                produced += k;
            }
            if (target - produced < 3 && produced < target) {
                // top up with literals in a fresh control byte
                body.push_back(0xFF);
                while (produced < target) {
                    body.push_back(0);
                    ++produced;
                }
                // pad the rest of this control byte's items
            }
        }
    };
    addCopies(65537);
    auto block = Block(body);
    // The last control byte may name items beyond the data; the end check
    // stops at E.
    ASSERT_EQ(Decode(block, out), -1);
    EXPECT_EQ(out[0], 0xAA);

    // Over 100,000 bytes while decoding: refused; the block's length word
    // is a wrapped value too (E is taken modulo 65,536).
    body.clear();
    produced = 0;
    addCopies(120000);
    block = Block(body);
    EXPECT_EQ(Decode(block, out), -1);
    EXPECT_EQ(out[0], 0xAA);
}

TEST(Decompress, BadInputNeverReadsOutside)
{
    std::vector<uint8_t> out(kDecompressMaxOutput);
    const std::vector<uint8_t> data(3000, 0x5A);
    std::vector<uint8_t> block = synth::LzCompress(data);
    // Truncated at every length: never crashes, and a short buffer fails.
    for (size_t n = 0; n < block.size(); ++n) {
        std::vector<uint8_t> cut(block.begin(), block.begin() + static_cast<long>(n));
        const int r = DecompressBlock(cut.data(), cut.size(), 0, out.data());
        if (n < 2)
            EXPECT_EQ(r, -1);
        else
            EXPECT_LE(r, static_cast<int>(data.size()));
    }
    // Offsets at and past the end.
    EXPECT_EQ(DecompressBlock(block.data(), block.size(), block.size(), out.data()), -1);
    EXPECT_EQ(DecompressBlock(block.data(), block.size(), block.size() + 10, out.data()), -1);
    EXPECT_EQ(DecompressBlock(block.data(), block.size(), block.size() - 1, out.data()), -1);
    // A length word that claims more than the buffer holds.
    std::vector<uint8_t> lying = {0xFF, 0xFF, 0xFF, 1, 2, 3};
    EXPECT_EQ(DecompressBlock(lying.data(), lying.size(), 0, out.data()), -1);
    // Random garbage: bounded results.
    synth::Rng rng(3);
    for (int t = 0; t < 300; ++t) {
        std::vector<uint8_t> g(rng.Range(0, 600));
        for (uint8_t& b : g)
            b = rng.Byte();
        const int r = DecompressBlock(g.data(), g.size(), 0, out.data());
        EXPECT_GE(r, -1);
        EXPECT_LE(r, 65536);
    }
}
