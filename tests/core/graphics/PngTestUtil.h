#pragma once
// PNG files written for the import tests by libpng's own writer, in the
// forms other image editors produce: any colour type and depth, every row
// filter, Adam7 interlace.
#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdint>
#include <vector>

namespace quorvex::test {

struct PngSpec {
    int width = 16;
    int height = 16;
    int colorType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    int interlace = PNG_INTERLACE_NONE;
    int filters = PNG_ALL_FILTERS;
    std::vector<png_color> palette; // for palette images
};

// `samples` holds, per pixel, the channels of the colour type (palette
// index; grey; grey, alpha; r, g, b; r, g, b, a), each channel as an
// integer of the bit depth.
inline std::vector<uint8_t> WritePng(const PngSpec& spec, const std::vector<int>& samples)
{
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    const int channels = spec.colorType == PNG_COLOR_TYPE_RGB_ALPHA ? 4
                         : spec.colorType == PNG_COLOR_TYPE_RGB     ? 3
                         : spec.colorType == PNG_COLOR_TYPE_GRAY_ALPHA ? 2
                                                                      : 1;
    // Rows packed by hand at the file's bit depth.
    const size_t rowBytes = (static_cast<size_t>(spec.width) * channels * spec.bitDepth + 7) / 8;
    std::vector<uint8_t> data(rowBytes * spec.height, 0);
    for (int y = 0; y < spec.height; ++y)
        for (int x = 0; x < spec.width; ++x)
            for (int c = 0; c < channels; ++c) {
                const size_t s = (static_cast<size_t>(y) * spec.width + x) * channels + c;
                const int v = samples[s];
                const size_t bit = (static_cast<size_t>(x) * channels + c) * spec.bitDepth;
                uint8_t* row = &data[rowBytes * y];
                if (spec.bitDepth == 16) {
                    row[bit / 8] = static_cast<uint8_t>(v >> 8);
                    row[bit / 8 + 1] = static_cast<uint8_t>(v);
                } else if (spec.bitDepth == 8) {
                    row[bit / 8] = static_cast<uint8_t>(v);
                } else {
                    const int shift = 8 - spec.bitDepth - static_cast<int>(bit % 8);
                    row[bit / 8] = static_cast<uint8_t>(row[bit / 8] | (v << shift));
                }
            }
    std::vector<png_bytep> rows(spec.height);
    for (int y = 0; y < spec.height; ++y)
        rows[y] = &data[rowBytes * y];
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep d, png_size_t n) {
            auto* o = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
            o->insert(o->end(), d, d + n);
        },
        [](png_structp) {});
    png_set_IHDR(png, info, spec.width, spec.height, spec.bitDepth, spec.colorType, spec.interlace,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!spec.palette.empty())
        png_set_PLTE(png, info, spec.palette.data(), static_cast<int>(spec.palette.size()));
    png_set_filter(png, PNG_FILTER_TYPE_BASE, spec.filters);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

// The CRC of a chunk (type and data), as PNG stores it.
inline uint32_t ChunkCrc(const uint8_t* typeAndData, size_t n)
{
    return static_cast<uint32_t>(crc32(crc32(0, nullptr, 0), typeAndData, static_cast<uInt>(n)));
}

// A chunk with its length and CRC.
inline std::vector<uint8_t> Chunk(const char type[4], const std::vector<uint8_t>& data)
{
    std::vector<uint8_t> c;
    const uint32_t n = static_cast<uint32_t>(data.size());
    c.insert(c.end(), {static_cast<uint8_t>(n >> 24), static_cast<uint8_t>(n >> 16), static_cast<uint8_t>(n >> 8),
                       static_cast<uint8_t>(n)});
    c.insert(c.end(), type, type + 4);
    c.insert(c.end(), data.begin(), data.end());
    const uint32_t crc = ChunkCrc(&c[4], data.size() + 4);
    c.insert(c.end(), {static_cast<uint8_t>(crc >> 24), static_cast<uint8_t>(crc >> 16),
                       static_cast<uint8_t>(crc >> 8), static_cast<uint8_t>(crc)});
    return c;
}

} // namespace quorvex::test
