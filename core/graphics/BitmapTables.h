#pragma once
// The graphics the bitmap editor paints: the two fonts, the window
// wallpapers and the field sprites, with their palettes.
//
// Small font: 256 tiles of 2bpp (16 bytes) at 0x47FC0.
// Big font: 16 x 11 1bpp glyphs of 22 bytes with one width byte per glyph.
//   North American release: 160 glyphs at 0x490C0 (codes 0x20-0xBF) and one
//   width table at 0x48FC0, indexed by the code, so glyph g's width is entry
//   (g + 0x20) & 0xFF.
//   Japanese release: five blocks of 256 glyphs, 0x1600 bytes each, from
//   0x49200, and five width tables from 0x48FC0. Width tables 2-4
//   (0x491C0-0x494BF) would lie on top of glyph block 0, so their positions
//   are unproven: they are read and shown but never written, and the glyph
//   block owns the bytes they share.
// Wallpapers: 8 of 28 4bpp tiles at 0x2D0000, their 16-colour palettes at
//   0x2D1C00.
// Sprites: a pool of 6,784 4bpp tiles at 0x150000, 32 town palettes at
//   0x268000 and 8 battle palettes at 0x2D6300.
// Palettes are kept as the bytes read, so that bit 15 of a colour word, which
// the console ignores, survives a save; an edited colour is written with
// bit 15 clear.
#include <array>
#include <cstdint>
#include <vector>

#include "graphics/Color.h"
#include "rom/ImageFile.h"

namespace quorvex {

struct RomData;

constexpr int kSmallFontTiles = 256;
constexpr int kBigFontGlyphsUs = 160;
constexpr int kBigFontBlocksJp = 5;
constexpr int kBigFontBlockBytes = 0x1600; // 256 glyphs of 22 bytes
constexpr int kWallpaperCount = 8;
constexpr int kWallpaperTiles = 28;
constexpr int kSpritePoolTiles = 6784;
constexpr int kTownPaletteCount = 32;
constexpr int kBattlePaletteCount = 8;

struct BitmapTables {
    std::vector<uint8_t> smallFont;            // 256 x 16 bytes
    std::vector<uint8_t> bigFontGlyphs;        // 160 or 5 x 256 glyphs of 22 bytes
    std::vector<uint8_t> bigFontWidths;        // 256 or 5 x 256 bytes
    std::vector<uint8_t> wallpaperTiles;       // 8 x 28 x 32 bytes
    std::vector<uint8_t> wallpaperPalettes;    // 8 x 32 bytes
    std::vector<uint8_t> spriteTiles;          // 6784 x 32 bytes
    std::vector<uint8_t> spriteTownPalettes;   // 32 x 32 bytes
    std::vector<uint8_t> spriteBattlePalettes; // 8 x 32 bytes
};

void LoadBitmapTables(ImageFile& f, RomData& rd);
void StoreBitmapTables(ImageFile& f, const RomData& rd);

// Big font addressing. Glyph number n selects block n >> 8 and glyph
// n & 0xFF of it (the North American font has one block of 160 glyphs).
int BigFontGlyphCount(const RomData& rd);
uint8_t* BigFontGlyph(RomData& rd, int n);
const uint8_t* BigFontGlyph(const RomData& rd, int n);
// Position of glyph n's width byte within bigFontWidths.
int BigFontWidthIndex(const RomData& rd, int n);
int BigFontWidth(const RomData& rd, int n);
// False for the glyphs whose width table is never written (Japanese blocks
// 2-4); SetBigFontWidth then changes nothing and returns false.
bool BigFontWidthWritable(const RomData& rd, int n);
bool SetBigFontWidth(RomData& rd, int n, int width);

// 16-colour palettes: entry i of a palette as a colour word (bit 15 masked),
// and its replacement.
std::array<SnesColor, 16> ReadPalette16(const std::vector<uint8_t>& table, int palette);
void WritePalette16(std::vector<uint8_t>& table, int palette, const std::array<SnesColor, 16>& colors);

} // namespace quorvex
