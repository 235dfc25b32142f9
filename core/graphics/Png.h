#pragma once
// PNG files of wallpapers and sprite sheets, read and written through
// libpng.
//
// Export writes an 8-bit indexed PNG with the graphic's 16 colours, entry 0
// fully transparent, and a "Software" text naming the program.
//
// Import accepts every form an image editor writes (palette images of 1, 2,
// 4 or 8 bits, greyscale, RGB, RGBA, 16-bit channels, interlaced, any row
// filter). Each 8 x 8 cell of the image becomes one 4bpp tile, row-major.
// A palette image keeps its pixel indices and brings the first colours of
// its palette; any other image has its colours reduced to colour words and
// numbered in the order they are first met (rows top to bottom, pixels left
// to right). Nothing is allocated before the declared size has been checked
// against the graphic the tiles are meant for.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/Arrangement.h"
#include "graphics/Color.h"

namespace quorvex {

// Import statuses (ImportPng's return value).
constexpr int kPngOk = 0;
constexpr int kPngTooManyColors = -1; // more colours than the palette holds
constexpr int kPngFailed = 1;         // every other failure; see the error text

// Files larger than this are refused before they are read.
constexpr size_t kPngMaxFileBytes = 16u << 20;

struct PngImportResult {
    int columns = 0; // image width in cells
    int rows = 0;    // image height in cells
    std::vector<std::array<uint8_t, 32>> tiles; // columns x rows, row-major
    std::vector<SnesColor> palette;             // colourCount entries
    std::string error;

    int Cells() const { return columns * rows; }
    int ColorCount() const { return static_cast<int>(palette.size()); }
};

// Reads a PNG held in memory. The image may be at most maxColumns x maxRows
// cells (the graphic it is imported into) and hold at most paletteCapacity
// colours. Returns kPngOk, kPngTooManyColors, or kPngFailed; every failure
// leaves its text in result.error ("Pixel data deeper than what SNES
// palette can hold" for too many colours).
int ImportPngBytes(const uint8_t* data, size_t size, int maxColumns, int maxRows, int paletteCapacity,
                   PngImportResult& result);
// The same from a file: refuses files under 29 bytes, over kPngMaxFileBytes
// or that cannot be read whole.
int ImportPng(const std::string& path, int maxColumns, int maxRows, int paletteCapacity, PngImportResult& result);

// Encodes indexed pixels (each below 16) with a 16-colour palette. Returns
// false when encoding failed.
bool EncodePng(const PixelBuffer& pixels, const std::array<SnesColor, 16>& palette, const std::string& software,
               std::vector<uint8_t>& out);
// Export of an arrangement: the assembled pixels encoded and written to
// `path`. Returns 0 on success, non-zero when the file could not be written
// (nothing is left behind then).
int ExportPng(const std::string& path, const uint8_t* tiles, int tileCount, const Arrangement& arr,
              const std::array<SnesColor, 16>& palette, const std::string& software);

// "Quorvex version %d.%d.%d".
std::string PngSoftwareText(int major, int minor, int patch);

} // namespace quorvex
