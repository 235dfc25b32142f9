// PNG export and import: what the exporter writes, PNGs written by another
// encoder in every form, and bad files.
#include <gtest/gtest.h>

#include <cstring>

#include "PngTestUtil.h"
#include "TestSupport.h"
#include "graphics/Png.h"
#include "graphics/Tiles.h"

using namespace quorvex;
using namespace quorvex::test;

namespace {

// The expected tile of cell (cx, cy) from per-pixel indices.
std::array<uint8_t, 32> TileOf(const std::vector<int>& idx, int width, int cx, int cy)
{
    std::array<uint8_t, 32> t{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            SetTilePixel4bpp(t.data(), x, y, idx[static_cast<size_t>((cy * 8 + y) * width + cx * 8 + x)]);
    return t;
}

// A 16 x 16 picture of colour numbers 0..n-1 laid out so that every row
// differs from the one above (the filters then have work to do).
std::vector<int> Indices(int n, int w = 16, int h = 16)
{
    std::vector<int> v(static_cast<size_t>(w * h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            v[static_cast<size_t>(y * w + x)] = (x * 3 + y * 5 + (x * y) % 7) % n;
    return v;
}

const uint8_t kRgb[16][3] = {{0, 0, 0},     {248, 0, 0},   {0, 248, 0},   {0, 0, 248},   {248, 248, 0},
                             {0, 248, 248}, {248, 0, 248}, {128, 64, 32}, {32, 64, 128}, {200, 200, 200},
                             {8, 16, 24},   {56, 48, 40},  {96, 104, 112}, {160, 8, 80}, {240, 160, 0},
                             {248, 248, 248}};

SnesColor Snes(const uint8_t c[3]) { return RgbToSnes(c[0] | (c[1] << 8) | (c[2] << 16)); }

int Import(const std::vector<uint8_t>& bytes, PngImportResult& r, int cols = 4, int rows = 4)
{
    return ImportPngBytes(bytes.data(), bytes.size(), cols, rows, 16, r);
}

} // namespace

TEST(Png, ExportedImageIsIndexedWithTransparentZero)
{
    // Two cells: tile 0 and tile 0 mirrored, then an empty cell.
    uint8_t tiles[2 * 32] = {};
    for (int x = 0; x < 8; ++x)
        SetTilePixel4bpp(tiles, x, 0, x + 1);
    const Arrangement arr{3, 1, {0, kCellMirror, kEmptyCell}};
    std::array<SnesColor, 16> pal{};
    for (int i = 0; i < 16; ++i)
        pal[static_cast<size_t>(i)] = static_cast<SnesColor>(i * 0x0421);
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(EncodePng(AssembleArrangement(tiles, 2, arr), pal, PngSoftwareText(6, 7, 1), bytes));
    // Read back with libpng directly, untransformed.
    png_image img{};
    img.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&img, bytes.data(), bytes.size()));
    EXPECT_EQ(img.width, 24u);
    EXPECT_EQ(img.height, 8u);
    EXPECT_TRUE(img.format & PNG_FORMAT_FLAG_COLORMAP);
    EXPECT_EQ(img.colormap_entries, 16u);
    img.format = PNG_FORMAT_RGBA_COLORMAP;
    std::vector<uint8_t> px(PNG_IMAGE_SIZE(img)), map(PNG_IMAGE_COLORMAP_SIZE(img));
    ASSERT_TRUE(png_image_finish_read(&img, nullptr, px.data(), 0, map.data()));
    EXPECT_EQ(map[3], 0);           // entry 0 transparent
    EXPECT_EQ(map[4 * 5 + 3], 255); // the others opaque
    EXPECT_EQ(map[4 * 31 / 31 * 1 + 0], 8); // entry 1 = 0x0421: each channel 1 -> 8
    EXPECT_EQ(px[0], 1);
    EXPECT_EQ(px[7], 8);
    EXPECT_EQ(px[8], 8); // the mirrored cell starts with the last pixel
    EXPECT_EQ(px[15], 1);
    EXPECT_EQ(px[16], 0); // the empty cell
    // The software text names the program.
    const std::string all(bytes.begin(), bytes.end());
    EXPECT_NE(all.find(std::string("Software\0Quorvex version 6.7.1", 30)), std::string::npos);
}

TEST(Png, ImportsEveryFormAnotherEncoderWrites)
{
    const std::vector<int> idx = Indices(16);
    struct Case {
        const char* name;
        int type, depth, interlace, filters;
    } cases[] = {
        {"palette 8-bit, all filters", PNG_COLOR_TYPE_PALETTE, 8, PNG_INTERLACE_NONE, PNG_ALL_FILTERS},
        {"palette 8-bit, Paeth, interlaced", PNG_COLOR_TYPE_PALETTE, 8, PNG_INTERLACE_ADAM7, PNG_FILTER_PAETH},
        {"palette 4-bit, sub", PNG_COLOR_TYPE_PALETTE, 4, PNG_INTERLACE_NONE, PNG_FILTER_SUB},
        {"palette 4-bit, average, interlaced", PNG_COLOR_TYPE_PALETTE, 4, PNG_INTERLACE_ADAM7, PNG_FILTER_AVG},
        {"RGB 8-bit, up", PNG_COLOR_TYPE_RGB, 8, PNG_INTERLACE_NONE, PNG_FILTER_UP},
        {"RGB 8-bit, all filters, interlaced", PNG_COLOR_TYPE_RGB, 8, PNG_INTERLACE_ADAM7, PNG_ALL_FILTERS},
        {"RGBA 8-bit", PNG_COLOR_TYPE_RGB_ALPHA, 8, PNG_INTERLACE_NONE, PNG_ALL_FILTERS},
        {"RGB 16-bit", PNG_COLOR_TYPE_RGB, 16, PNG_INTERLACE_NONE, PNG_ALL_FILTERS},
        {"RGBA 16-bit, interlaced", PNG_COLOR_TYPE_RGB_ALPHA, 16, PNG_INTERLACE_ADAM7, PNG_ALL_FILTERS},
    };
    for (const Case& c : cases) {
        PngSpec spec;
        spec.colorType = c.type;
        spec.bitDepth = c.depth;
        spec.interlace = c.interlace;
        spec.filters = c.filters;
        std::vector<int> samples;
        const bool palette = c.type == PNG_COLOR_TYPE_PALETTE;
        if (palette)
            for (const auto& rgb : kRgb)
                spec.palette.push_back({rgb[0], rgb[1], rgb[2]});
        for (int i : idx) {
            if (palette) {
                samples.push_back(i);
                continue;
            }
            for (int ch = 0; ch < 3; ++ch)
                samples.push_back(c.depth == 16 ? kRgb[i][ch] * 257 : kRgb[i][ch]);
            if (c.type == PNG_COLOR_TYPE_RGB_ALPHA)
                samples.push_back(i == 0 ? 0 : (c.depth == 16 ? 65535 : 255));
        }
        const std::vector<uint8_t> bytes = WritePng(spec, samples);
        PngImportResult r;
        ASSERT_EQ(Import(bytes, r), kPngOk) << c.name << ": " << r.error;
        ASSERT_EQ(r.Cells(), 4) << c.name;
        ASSERT_EQ(r.ColorCount(), 16) << c.name;
        // Palette images keep their indices; others number colours in the
        // order met, so map expected indices through the colours.
        for (int cy = 0; cy < 2; ++cy)
            for (int cx = 0; cx < 2; ++cx) {
                std::array<uint8_t, 32> got = r.tiles[static_cast<size_t>(cy * 2 + cx)];
                for (int y = 0; y < 8; ++y)
                    for (int x = 0; x < 8; ++x) {
                        const int want = idx[static_cast<size_t>((cy * 8 + y) * 16 + cx * 8 + x)];
                        const int have = GetTilePixel4bpp(got.data(), x, y);
                        const SnesColor shown = palette ? r.palette[static_cast<size_t>(want)]
                                                        : r.palette[static_cast<size_t>(have)];
                        ASSERT_EQ(shown, Snes(kRgb[want])) << c.name;
                        if (palette) {
                            ASSERT_EQ(have, want) << c.name;
                        }
                    }
            }
        for (int i = 0; palette && i < 16; ++i)
            EXPECT_EQ(r.palette[static_cast<size_t>(i)], Snes(kRgb[i])) << c.name;
    }
}

TEST(Png, GreyscaleAndLowDepthPalettesImport)
{
    PngSpec grey;
    grey.colorType = PNG_COLOR_TYPE_GRAY;
    grey.bitDepth = 2;
    const std::vector<int> four = Indices(4);
    PngImportResult r;
    ASSERT_EQ(Import(WritePng(grey, four), r), kPngOk) << r.error;
    EXPECT_EQ(r.ColorCount(), 4);
    // Grey levels 0..3 at 2 bits become 0, 85, 170, 255.
    for (SnesColor c : r.palette) {
        const int ch = c & 31;
        EXPECT_TRUE(ch == 0 || ch == 10 || ch == 21 || ch == 31) << ch;
    }
    PngSpec pal1;
    pal1.colorType = PNG_COLOR_TYPE_PALETTE;
    pal1.bitDepth = 1;
    pal1.palette = {{0, 0, 0}, {255, 255, 255}};
    const std::vector<int> two = Indices(2);
    ASSERT_EQ(Import(WritePng(pal1, two), r), kPngOk) << r.error;
    EXPECT_EQ(r.ColorCount(), 2);
    EXPECT_EQ(GetTilePixel4bpp(r.tiles[0].data(), 1, 0), two[1]);
}

TEST(Png, ColoursDifferingOnlyInLowBitsCountAsOne)
{
    PngSpec spec;
    std::vector<int> samples;
    for (int i = 0; i < 256; ++i)
        for (int ch = 0; ch < 3; ++ch)
            samples.push_back(i % 2 ? 0x87 : 0x80); // 0x80 and 0x87 share the top five bits
    PngImportResult r;
    ASSERT_EQ(Import(WritePng(spec, samples), r), kPngOk);
    EXPECT_EQ(r.ColorCount(), 1);
}

TEST(Png, SeventeenColoursAreRefused)
{
    PngSpec spec;
    std::vector<int> samples;
    for (int i = 0; i < 256; ++i) {
        const int c = i % 17;
        samples.insert(samples.end(), {c * 8, 0, 255 - c * 8});
    }
    PngImportResult r;
    EXPECT_EQ(Import(WritePng(spec, samples), r), kPngTooManyColors);
    EXPECT_EQ(r.error, "Pixel data deeper than what SNES palette can hold");
    EXPECT_TRUE(r.tiles.empty());
    // A palette image whose pixels use entry 16 or beyond, likewise.
    PngSpec pal;
    pal.colorType = PNG_COLOR_TYPE_PALETTE;
    for (int i = 0; i < 20; ++i)
        pal.palette.push_back({static_cast<png_byte>(i * 10), 0, 0});
    EXPECT_EQ(Import(WritePng(pal, Indices(20)), r), kPngTooManyColors);
    // A large palette whose pixels keep to the first 16 entries is fine.
    EXPECT_EQ(Import(WritePng(pal, Indices(16)), r), kPngOk);
    EXPECT_EQ(r.ColorCount(), 16);
}

TEST(Png, SizesAndBadFiles)
{
    PngSpec ok;
    const std::vector<uint8_t> good = WritePng(ok, std::vector<int>(16 * 16 * 3, 9));
    PngSpec odd;
    odd.width = 12;
    odd.height = 8;
    PngSpec big;
    big.width = 40;
    big.height = 8;
    std::vector<uint8_t> crc = good;
    crc[30] ^= 1; // inside the IHDR data
    // An ancillary chunk with a bad CRC before the image data.
    std::vector<uint8_t> text = good;
    std::vector<uint8_t> tEXt = Chunk("tEXt", {'a', 0, 'b'});
    tEXt.back() ^= 0xFF;
    text.insert(text.begin() + 33, tEXt.begin(), tEXt.end());
    // A header declaring 100000 x 100000 pixels and nothing else.
    std::vector<uint8_t> huge(good.begin(), good.begin() + 8);
    const std::vector<uint8_t> ihdr =
        Chunk("IHDR", {0, 1, 0x86, 0xA0, 0, 1, 0x86, 0xA0, 8, 2, 0, 0, 0});
    huge.insert(huge.end(), ihdr.begin(), ihdr.end());
    huge.resize(huge.size() + 16, 0);
    std::vector<uint8_t> textFile(100, 'x');
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* error;
    } cases[] = {
        {"12 x 8", WritePng(odd, std::vector<int>(12 * 8 * 3, 1)), "Error: dimensions must be a multiple of 8"},
        {"larger than the graphic", WritePng(big, std::vector<int>(40 * 8 * 3, 1)), "larger than the graphic"},
        {"empty", {}, "Error: file is smaller than it should be"},
        {"truncated", std::vector<uint8_t>(good.begin(), good.begin() + good.size() / 2), "not a readable PNG"},
        {"bad CRC in the header", crc, "CRC error while parsing file"},
        {"bad CRC in a text chunk", text, "CRC error while parsing file"},
        {"100000 x 100000", huge, "Error: the image (100000x100000) is larger than the graphic"},
        {"a text file", textFile, "Error: not a PNG file"},
    };
    for (const Case& c : cases) {
        PngImportResult r;
        EXPECT_EQ(ImportPngBytes(c.bytes.data(), c.bytes.size(), 4, 4, 16, r), kPngFailed) << c.name;
        EXPECT_NE(r.error.find(c.error), std::string::npos) << c.name << ": " << r.error;
        EXPECT_TRUE(r.tiles.empty()) << c.name;
    }
    PngImportResult r;
    ASSERT_EQ(ImportPngBytes(good.data(), good.size(), 2, 2, 16, r), kPngOk) << r.error;
    EXPECT_EQ(r.Cells(), 4); // 16 x 16 pixels
}

TEST(Png, ImageDataSplitOverSeveralChunksImports)
{
    // libpng writes IDAT chunks of at most the compression buffer's size;
    // a small buffer splits the data.
    PngSpec spec;
    spec.width = spec.height = 32;
    const std::vector<int> idx = Indices(16, 32, 32);
    std::vector<int> samples;
    for (int i : idx)
        samples.insert(samples.end(), {kRgb[i][0], kRgb[i][1], kRgb[i][2]});
    std::vector<uint8_t> bytes = WritePng(spec, samples);
    // Split the one IDAT chunk into two by hand.
    size_t at = 8;
    while (at + 8 < bytes.size() && std::memcmp(&bytes[at + 4], "IDAT", 4) != 0)
        at += 12 + (static_cast<size_t>(bytes[at]) << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3]);
    const size_t len = static_cast<size_t>(bytes[at]) << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3];
    const std::vector<uint8_t> data(bytes.begin() + static_cast<long>(at) + 8,
                                    bytes.begin() + static_cast<long>(at + 8 + len));
    const std::vector<uint8_t> a = Chunk("IDAT", {data.begin(), data.begin() + static_cast<long>(len / 2)});
    const std::vector<uint8_t> b = Chunk("IDAT", {data.begin() + static_cast<long>(len / 2), data.end()});
    std::vector<uint8_t> split(bytes.begin(), bytes.begin() + static_cast<long>(at));
    split.insert(split.end(), a.begin(), a.end());
    split.insert(split.end(), b.begin(), b.end());
    split.insert(split.end(), bytes.begin() + static_cast<long>(at + 12 + len), bytes.end());
    PngImportResult r;
    ASSERT_EQ(Import(split, r), kPngOk) << r.error;
    EXPECT_EQ(r.Cells(), 16);
    PngImportResult whole;
    ASSERT_EQ(Import(bytes, whole), kPngOk);
    EXPECT_EQ(r.tiles, whole.tiles);
    EXPECT_EQ(r.palette, whole.palette);
    // Colours are numbered in the order met; map the expected colours
    // through that numbering.
    EXPECT_EQ(r.tiles[5], TileOf([&] {
                  std::vector<int> m(idx.size());
                  for (size_t i = 0; i < idx.size(); ++i)
                      for (int k = 0; k < whole.ColorCount(); ++k)
                          if (whole.palette[static_cast<size_t>(k)] == Snes(kRgb[idx[i]]))
                              m[i] = k;
                  return m;
              }(), 32, 1, 1));
}

TEST(Png, FilesOnDisk)
{
    TempDir dir;
    PngImportResult r;
    WriteFileBytes(dir.File("empty.png"), {});
    EXPECT_EQ(ImportPng(dir.File("empty.png"), 4, 4, 16, r), kPngFailed);
    EXPECT_EQ(r.error, "Error: file is smaller than it should be");
    EXPECT_EQ(ImportPng(dir.File("missing.png"), 4, 4, 16, r), kPngFailed);
    EXPECT_EQ(r.error, "Error: could not read file completely");
    WriteFileText(dir.File("notes.png"), "These are notes, not a picture at all.\n");
    EXPECT_EQ(ImportPng(dir.File("notes.png"), 4, 4, 16, r), kPngFailed);
    EXPECT_EQ(r.error, "Error: not a PNG file");
    // Export into a folder that does not exist fails and leaves nothing.
    uint8_t tile[32] = {};
    EXPECT_NE(ExportPng(dir.File("no/such/folder.png"), tile, 1, Arrangement{1, 1, {0}}, {}, "x"), 0);
    EXPECT_EQ(ExportPng(dir.File("one.png"), tile, 1, Arrangement{1, 1, {0}}, {}, "x"), 0);
    EXPECT_EQ(ImportPng(dir.File("one.png"), 1, 1, 16, r), kPngOk);
}
