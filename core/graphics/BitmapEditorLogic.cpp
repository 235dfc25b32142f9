#include "graphics/BitmapEditorLogic.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "graphics/BitmapTables.h"
#include "graphics/SpriteSheets.h"
#include "graphics/Tiles.h"
#include "rom/RomData.h"

namespace quorvex {

namespace {

bool Bit(int bits, int n) { return ((bits >> n) & 1) != 0; }

std::string Numbered(const char* pattern, int n)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, pattern, n);
    return buf;
}

bool ValidWallpaper(int w) { return w >= 0 && w < kWallpaperCount; }
bool ValidSprite(int s) { return s >= 0 && s < kSpriteCount; }

// Replaces the first colours of a palette with those of the image.
std::array<SnesColor, 16> Merged(std::array<SnesColor, 16> palette, const std::vector<SnesColor>& imported)
{
    for (size_t i = 0; i < imported.size() && i < palette.size(); ++i)
        palette[i] = imported[i];
    return palette;
}

// Writes the imported tiles through the arrangement. Cells are walked in
// row-major order, so the last cell that shows a tile decides it.
std::vector<int> StoreCells(uint8_t* tiles, int tileCount, const Arrangement& arr, const PngImportResult& png)
{
    std::vector<int> changed;
    for (int cy = 0; cy < png.rows; ++cy)
        for (int cx = 0; cx < png.columns; ++cx) {
            const uint32_t cell = arr.At(cx, cy);
            if (!IsTileCell(cell) || CellTile(cell) >= tileCount)
                continue;
            uint8_t tile[kTile4bppBytes];
            std::memcpy(tile, png.tiles[static_cast<size_t>(cy * png.columns + cx)].data(), kTile4bppBytes);
            // Mirroring and flipping are their own inverses and commute.
            if (cell & kCellMirror)
                MirrorTile4bpp(tile);
            if (cell & kCellFlip)
                FlipTile4bpp(tile);
            std::memcpy(tiles + static_cast<size_t>(CellTile(cell)) * kTile4bppBytes, tile, kTile4bppBytes);
            if (std::find(changed.begin(), changed.end(), CellTile(cell)) == changed.end())
                changed.push_back(CellTile(cell));
        }
    std::sort(changed.begin(), changed.end());
    return changed;
}

BitmapImport Refused(const PngImportResult& png, int status)
{
    return {status, png.error, {}};
}

} // namespace

WallpaperOptions WallpaperOptions::FromBits(int bits) { return {Bit(bits, 0), Bit(bits, 1), Bit(bits, 2)}; }

int WallpaperOptions::Bits() const { return (grid ? 1 : 0) | (showTileIndex ? 2 : 0) | (importPalette ? 4 : 0); }

SpriteOptions SpriteOptions::FromBits(int bits)
{
    return {Bit(bits, 0), Bit(bits, 1), Bit(bits, 2), Bit(bits, 3),
            Bit(bits, 4), Bit(bits, 5), Bit(bits, 6), Bit(bits, 7)};
}

int SpriteOptions::Bits() const
{
    const bool bits[8] = {grid, highlight, showTileIndex, animate, largePreview, newFormat, importTown, importBattle};
    int v = 0;
    for (int i = 0; i < 8; ++i)
        v |= bits[i] ? 1 << i : 0;
    return v;
}

uint8_t* WallpaperTiles(RomData& rd, int wallpaper)
{
    return const_cast<uint8_t*>(WallpaperTiles(static_cast<const RomData&>(rd), wallpaper));
}

const uint8_t* WallpaperTiles(const RomData& rd, int wallpaper)
{
    const std::vector<uint8_t>& t = rd.gfx.bitmaps.wallpaperTiles;
    const size_t at = static_cast<size_t>(wallpaper) * kWallpaperTiles * kTile4bppBytes;
    if (!ValidWallpaper(wallpaper) || at + kWallpaperTiles * kTile4bppBytes > t.size())
        return nullptr;
    return t.data() + at;
}

uint8_t* SpriteTiles(RomData& rd, int sprite)
{
    return const_cast<uint8_t*>(SpriteTiles(static_cast<const RomData&>(rd), sprite));
}

const uint8_t* SpriteTiles(const RomData& rd, int sprite)
{
    if (!ValidSprite(sprite))
        return nullptr;
    const SpriteRecord& r = SpriteRecords()[static_cast<size_t>(sprite)];
    const std::vector<uint8_t>& t = rd.gfx.bitmaps.spriteTiles;
    if ((static_cast<size_t>(r.firstTile) + r.tileCount) * kTile4bppBytes > t.size())
        return nullptr;
    return t.data() + static_cast<size_t>(r.firstTile) * kTile4bppBytes;
}

int SpriteTileCount(int sprite)
{
    return ValidSprite(sprite) ? static_cast<int>(SpriteRecords()[static_cast<size_t>(sprite)].tileCount) : 0;
}

std::array<SnesColor, 16> WallpaperPalette(const RomData& rd, int wallpaper)
{
    return ReadPalette16(rd.gfx.bitmaps.wallpaperPalettes, wallpaper);
}

void SetWallpaperPalette(RomData& rd, int wallpaper, const std::array<SnesColor, 16>& colors)
{
    WritePalette16(rd.gfx.bitmaps.wallpaperPalettes, wallpaper, colors);
}

std::array<SnesColor, 16> SpritePalette(const RomData& rd, const SpriteView& view)
{
    return view.battle ? ReadPalette16(rd.gfx.bitmaps.spriteBattlePalettes, view.battlePalette)
                       : ReadPalette16(rd.gfx.bitmaps.spriteTownPalettes, view.townPalette);
}

void SetSpritePalette(RomData& rd, const SpriteView& view, const std::array<SnesColor, 16>& colors)
{
    if (view.battle)
        WritePalette16(rd.gfx.bitmaps.spriteBattlePalettes, view.battlePalette, colors);
    else
        WritePalette16(rd.gfx.bitmaps.spriteTownPalettes, view.townPalette, colors);
}

std::string WallpaperPngName(int wallpaper) { return Numbered("wallpaper%03d.png", wallpaper); }
std::string SpritePngName(int sprite) { return Numbered("sprite%03d.png", sprite); }

int ExportWallpaperPng(const RomData& rd, int wallpaper, const std::string& path)
{
    const uint8_t* tiles = WallpaperTiles(rd, wallpaper);
    if (!tiles)
        return 1;
    return ExportPng(path, tiles, kWallpaperTiles, WallpaperLayout(), WallpaperPalette(rd, wallpaper),
                     PngSoftwareText(rd.versionMajor, rd.versionMinor, rd.versionBuild));
}

int ExportSpritePng(const RomData& rd, const SpriteView& view, const std::string& path)
{
    const uint8_t* tiles = SpriteTiles(rd, view.sprite);
    if (!tiles)
        return 1;
    return ExportPng(path, tiles, SpriteTileCount(view.sprite), SpriteLayout(view.sprite, view.newFormat),
                     SpritePalette(rd, view), PngSoftwareText(rd.versionMajor, rd.versionMinor, rd.versionBuild));
}

BitmapImport ApplyWallpaperImport(RomData& rd, int wallpaper, const PngImportResult& png, bool importPalette)
{
    uint8_t* tiles = WallpaperTiles(rd, wallpaper);
    if (!tiles)
        return {kPngFailed, "Error: no such wallpaper", {}};
    BitmapImport out;
    out.changedTiles = StoreCells(tiles, kWallpaperTiles, WallpaperLayout(), png);
    if (importPalette)
        SetWallpaperPalette(rd, wallpaper, Merged(WallpaperPalette(rd, wallpaper), png.palette));
    return out;
}

BitmapImport ApplySpriteImport(RomData& rd, const SpriteView& view, const PngImportResult& png, bool importTown,
                               bool importBattle)
{
    uint8_t* tiles = SpriteTiles(rd, view.sprite);
    if (!tiles)
        return {kPngFailed, "Error: no such sprite", {}};
    BitmapImport out;
    out.changedTiles = StoreCells(tiles, SpriteTileCount(view.sprite), SpriteLayout(view.sprite, view.newFormat), png);
    SpriteView v = view;
    if (importTown) {
        v.battle = false;
        SetSpritePalette(rd, v, Merged(SpritePalette(rd, v), png.palette));
    }
    if (importBattle) {
        v.battle = true;
        SetSpritePalette(rd, v, Merged(SpritePalette(rd, v), png.palette));
    }
    return out;
}

BitmapImport ImportWallpaperPng(RomData& rd, int wallpaper, const std::string& path, bool importPalette)
{
    const Arrangement& arr = WallpaperLayout();
    PngImportResult png;
    const int status = ImportPng(path, arr.width, arr.height, 16, png);
    if (status != kPngOk)
        return Refused(png, status);
    return ApplyWallpaperImport(rd, wallpaper, png, importPalette);
}

BitmapImport ImportSpritePng(RomData& rd, const SpriteView& view, const std::string& path, bool importTown,
                             bool importBattle)
{
    const Arrangement arr = SpriteLayout(view.sprite, view.newFormat);
    PngImportResult png;
    const int status = ImportPng(path, arr.width, arr.height, 16, png);
    if (status != kPngOk)
        return Refused(png, status);
    return ApplySpriteImport(rd, view, png, importTown, importBattle);
}

std::string FontGlyphText(const RomData& rd, bool big, int n)
{
    std::string out;
    auto row = [&out](auto pixel, int width) {
        for (int x = 0; x < width; ++x) {
            const int v = pixel(x);
            out += v == 0 ? '.' : static_cast<char>('0' + v);
        }
        out += '\n';
    };
    if (big) {
        const uint8_t* glyph = BigFontGlyph(rd, n);
        if (!glyph)
            return {};
        out = "width: " + std::to_string(BigFontWidth(rd, n)) + "\n";
        for (int y = 0; y < kGlyphRows; ++y)
            row([&](int x) { return GetGlyphPixel(glyph, 0, x, y); }, kGlyphWidth);
        return out;
    }
    const std::vector<uint8_t>& font = rd.gfx.bitmaps.smallFont;
    if (n < 0 || static_cast<size_t>(n + 1) * kTile2bppBytes > font.size())
        return {};
    for (int y = 0; y < 8; ++y)
        row([&](int x) { return GetTilePixel2bpp(font.data(), n, x, y); }, 8);
    return out;
}

} // namespace quorvex
