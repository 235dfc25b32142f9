#include "graphics/BitmapTables.h"

#include "rom/RomData.h"

namespace quorvex {

namespace {

constexpr uint32_t kSmallFontRom = 0x47FC0;
constexpr uint32_t kBigWidthsRom = 0x48FC0;
constexpr uint32_t kBigGlyphsUsRom = 0x490C0;
constexpr uint32_t kBigGlyphsJpRom = 0x49200;
constexpr uint32_t kWallpaperTilesRom = 0x2D0000;
constexpr uint32_t kWallpaperPalettesRom = 0x2D1C00;
constexpr uint32_t kSpriteTilesRom = 0x150000;
constexpr uint32_t kTownPalettesRom = 0x268000;
constexpr uint32_t kBattlePalettesRom = 0x2D6300;
// Japanese width tables 0 and 1 end where table 2 begins, at 0x491C0; from
// there on the bytes belong to glyph block 0 as far as anything is proven.
constexpr int kWritableWidthTablesJp = 2;

bool Jp(const RomData& rd) { return rd.romType == kRomFF6j; }

void StoreBytes(ImageFile& f, uint32_t rom, const std::vector<uint8_t>& bytes, size_t n)
{
    if (bytes.size() >= n && n > 0)
        f.WriteRom(rom, bytes.data(), n);
}

} // namespace

void LoadBitmapTables(ImageFile& f, RomData& rd)
{
    BitmapTables& b = rd.gfx.bitmaps;
    b.smallFont = f.ReadRom(kSmallFontRom, kSmallFontTiles * 16);
    if (Jp(rd)) {
        b.bigFontWidths = f.ReadRom(kBigWidthsRom, kBigFontBlocksJp * 256);
        b.bigFontGlyphs = f.ReadRom(kBigGlyphsJpRom, kBigFontBlocksJp * kBigFontBlockBytes);
    } else {
        b.bigFontWidths = f.ReadRom(kBigWidthsRom, 256);
        b.bigFontGlyphs = f.ReadRom(kBigGlyphsUsRom, kBigFontGlyphsUs * 22);
    }
    b.wallpaperTiles = f.ReadRom(kWallpaperTilesRom, kWallpaperCount * kWallpaperTiles * 32);
    b.wallpaperPalettes = f.ReadRom(kWallpaperPalettesRom, kWallpaperCount * 32);
    b.spriteTiles = f.ReadRom(kSpriteTilesRom, static_cast<size_t>(kSpritePoolTiles) * 32);
    b.spriteTownPalettes = f.ReadRom(kTownPalettesRom, kTownPaletteCount * 32);
    b.spriteBattlePalettes = f.ReadRom(kBattlePalettesRom, kBattlePaletteCount * 32);
}

void StoreBitmapTables(ImageFile& f, const RomData& rd)
{
    const BitmapTables& b = rd.gfx.bitmaps;
    StoreBytes(f, kSmallFontRom, b.smallFont, kSmallFontTiles * 16);
    if (Jp(rd)) {
        StoreBytes(f, kBigWidthsRom, b.bigFontWidths, kWritableWidthTablesJp * 256);
        StoreBytes(f, kBigGlyphsJpRom, b.bigFontGlyphs, kBigFontBlocksJp * kBigFontBlockBytes);
    } else {
        StoreBytes(f, kBigWidthsRom, b.bigFontWidths, 256);
        StoreBytes(f, kBigGlyphsUsRom, b.bigFontGlyphs, kBigFontGlyphsUs * 22);
    }
    StoreBytes(f, kWallpaperTilesRom, b.wallpaperTiles, kWallpaperCount * kWallpaperTiles * 32);
    StoreBytes(f, kWallpaperPalettesRom, b.wallpaperPalettes, kWallpaperCount * 32);
    StoreBytes(f, kSpriteTilesRom, b.spriteTiles, static_cast<size_t>(kSpritePoolTiles) * 32);
    StoreBytes(f, kTownPalettesRom, b.spriteTownPalettes, kTownPaletteCount * 32);
    StoreBytes(f, kBattlePalettesRom, b.spriteBattlePalettes, kBattlePaletteCount * 32);
}

int BigFontGlyphCount(const RomData& rd)
{
    return static_cast<int>(rd.gfx.bitmaps.bigFontGlyphs.size() / 22);
}

uint8_t* BigFontGlyph(RomData& rd, int n)
{
    if (n < 0 || n >= BigFontGlyphCount(rd))
        return nullptr;
    return rd.gfx.bitmaps.bigFontGlyphs.data() + static_cast<size_t>(n) * 22;
}

const uint8_t* BigFontGlyph(const RomData& rd, int n)
{
    if (n < 0 || n >= BigFontGlyphCount(rd))
        return nullptr;
    return rd.gfx.bitmaps.bigFontGlyphs.data() + static_cast<size_t>(n) * 22;
}

int BigFontWidthIndex(const RomData& rd, int n)
{
    // The North American width table is indexed by the character code,
    // which is the glyph number plus 0x20.
    if (!Jp(rd))
        return (n + 0x20) & 0xFF;
    return ((n >> 8) << 8) | (n & 0xFF);
}

int BigFontWidth(const RomData& rd, int n)
{
    const int i = BigFontWidthIndex(rd, n);
    if (n < 0 || i < 0 || static_cast<size_t>(i) >= rd.gfx.bitmaps.bigFontWidths.size())
        return 0;
    return rd.gfx.bitmaps.bigFontWidths[static_cast<size_t>(i)];
}

bool BigFontWidthWritable(const RomData& rd, int n)
{
    if (n < 0 || n >= BigFontGlyphCount(rd))
        return false;
    return !Jp(rd) || (n >> 8) < kWritableWidthTablesJp;
}

bool SetBigFontWidth(RomData& rd, int n, int width)
{
    if (!BigFontWidthWritable(rd, n))
        return false;
    rd.gfx.bitmaps.bigFontWidths[static_cast<size_t>(BigFontWidthIndex(rd, n))] = static_cast<uint8_t>(width);
    return true;
}

std::array<SnesColor, 16> ReadPalette16(const std::vector<uint8_t>& table, int palette)
{
    std::array<SnesColor, 16> out{};
    const size_t at = static_cast<size_t>(palette) * 32;
    if (palette < 0 || at + 32 > table.size())
        return out;
    for (size_t i = 0; i < 16; ++i)
        out[i] = ReadSnesColor(&table[at + 2 * i]);
    return out;
}

void WritePalette16(std::vector<uint8_t>& table, int palette, const std::array<SnesColor, 16>& colors)
{
    const size_t at = static_cast<size_t>(palette) * 32;
    if (palette < 0 || at + 32 > table.size())
        return;
    for (size_t i = 0; i < 16; ++i) {
        // An unchanged colour keeps its stored bit 15.
        if (ReadSnesColor(&table[at + 2 * i]) == (colors[i] & 0x7FFF))
            continue;
        WriteLe16(&table[at + 2 * i], static_cast<uint16_t>(colors[i] & 0x7FFF));
    }
}

} // namespace quorvex
