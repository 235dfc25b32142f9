#pragma once
// Graphics tables of the image: monster palettes (step 9.2), fonts, monster
// graphics and tile sets (9.3), battle backgrounds (9.19).
#include "rom/RawTable.h"

namespace quorvex {

struct RomData;

struct GraphicsTables {
    RawTable monsterPalettes;      // 768 x 16 bytes
    RawTable extraPalettes;        // 32 x 16 bytes
    RawTable smallFont;            // 0x1000 bytes of 2bpp glyphs
    RawTable bigFontWidths;        // FF3us: 256 widths; FF6j: five tables
    RawTable bigFontGlyphs;        // FF3us: 0xDC0 bytes; FF6j: five blocks of 0x1600
    RawTable monsterGraphics;      // 0x39000 bytes
    RawTable monsterDescriptors;   // 416 x 5 bytes
    RawTable spriteTiles;          // 6784 tiles x 32 bytes
    RawTable spriteTownPalettes;   // 32 x 32 bytes
    RawTable wallpaperTiles;       // 8 x 28 tiles x 32 bytes
    RawTable wallpaperPalettes;    // 8 x 32 bytes
    RawTable spriteBattlePalettes; // 8 x 32 bytes
    RawTable backgroundRecords;    // 56 x 6 bytes
    RawTable backgroundPalettes;   // 0x1500 bytes
    RawTable backgroundGfxPointers;// 168 x 3 bytes
    RawTable backgroundTileMaps;   // 112 x 2 bytes
    RawTable backgroundGfxData;    // 0x249D8 bytes
};

void LoadMonsterPalettes(ImageFile& f, RomData& rd);
void StoreMonsterPalettes(ImageFile& f, RomData& rd);
void LoadGraphics(ImageFile& f, RomData& rd);
void StoreGraphics(ImageFile& f, RomData& rd);
void LoadBattleBackgrounds(ImageFile& f, RomData& rd);
void StoreBattleBackgrounds(ImageFile& f, RomData& rd);

} // namespace quorvex
