#pragma once
// The rules of the bitmap editor's pages that do not need a window: the
// remembered option bits, which tiles and palette a page shows, PNG export
// and import of wallpapers and sprites, and the text form of a font glyph.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/Arrangement.h"
#include "graphics/Color.h"
#include "graphics/Png.h"

namespace quorvex {

struct RomData;

// "m_bmpWallPaperOptions": bit 0 "Grid", bit 1 "Show tile index", bit 2
// "Import palette". Other bits are not options and are dropped.
struct WallpaperOptions {
    bool grid = false;
    bool showTileIndex = false;
    bool importPalette = false;

    static WallpaperOptions FromBits(int bits);
    int Bits() const;
};

// "m_bmpSpriteOptions": bits 0-4 the view options, bit 5 "New sprite sheet
// format", bit 6 "Import town palette", bit 7 "Import battle palette".
struct SpriteOptions {
    bool grid = false;
    bool highlight = false;     // "Highlight sel. tile"
    bool showTileIndex = false;
    bool animate = false;
    bool largePreview = false;  // "Zoom preview"
    bool newFormat = false;
    bool importTown = false;
    bool importBattle = false;

    static SpriteOptions FromBits(int bits);
    int Bits() const;
};

// A sprite as the Sprites page shows it: its sheet, and the town or the
// battle palette it is drawn with.
struct SpriteView {
    int sprite = 0;
    bool newFormat = false;
    int townPalette = 0;   // 0-31
    int battlePalette = 0; // 0-7
    bool battle = false;   // drawn with the battle palette
};

// Tiles of a graphic: a pointer to tile 0 and the number of tiles.
uint8_t* WallpaperTiles(RomData& rd, int wallpaper);
const uint8_t* WallpaperTiles(const RomData& rd, int wallpaper);
uint8_t* SpriteTiles(RomData& rd, int sprite);
const uint8_t* SpriteTiles(const RomData& rd, int sprite);
int SpriteTileCount(int sprite);

std::array<SnesColor, 16> WallpaperPalette(const RomData& rd, int wallpaper);
void SetWallpaperPalette(RomData& rd, int wallpaper, const std::array<SnesColor, 16>& colors);
std::array<SnesColor, 16> SpritePalette(const RomData& rd, const SpriteView& view);
void SetSpritePalette(RomData& rd, const SpriteView& view, const std::array<SnesColor, 16>& colors);

// Export as the window's Export writes it ("wallpaper%03d.png",
// "sprite%03d.png"); 0 on success.
int ExportWallpaperPng(const RomData& rd, int wallpaper, const std::string& path);
int ExportSpritePng(const RomData& rd, const SpriteView& view, const std::string& path);
std::string WallpaperPngName(int wallpaper);
std::string SpritePngName(int sprite);

// The outcome of an import: the status of ImportPng (0, -1 or 1), its
// error text, and the tiles that were replaced.
struct BitmapImport {
    int status = kPngOk;
    std::string error;
    std::vector<int> changedTiles;
};

// Image cell (x, y) feeds the graphic's cell (x, y). A cell that shows a
// tile replaces that tile with the imported one, turned back by the cell's
// mirror and flip bits so that the stored tile keeps its own orientation;
// when several cells show one tile, the last one wins. The palette options
// replace the first colours of the palette with the image's colours.
// Nothing changes unless the whole image was read.
BitmapImport ImportWallpaperPng(RomData& rd, int wallpaper, const std::string& path, bool importPalette);
BitmapImport ImportSpritePng(RomData& rd, const SpriteView& view, const std::string& path, bool importTown,
                             bool importBattle);
// The same with an image already read (tests and the command line).
BitmapImport ApplyWallpaperImport(RomData& rd, int wallpaper, const PngImportResult& png, bool importPalette);
BitmapImport ApplySpriteImport(RomData& rd, const SpriteView& view, const PngImportResult& png, bool importTown,
                               bool importBattle);

// A glyph or small-font tile as text: one row per line, one character per
// pixel, '.' for 0 and the colour index's digit otherwise; the big font's
// starts with "width: W". Empty when n is outside the font.
std::string FontGlyphText(const RomData& rd, bool big, int n);

} // namespace quorvex
