#include "graphics/GraphicsTables.h"

#include "rom/RomData.h"

namespace quorvex {

void LoadMonsterPalettes(ImageFile& f, RomData& rd)
{
    rd.gfx.monsterPalettes.Load(f, 0x127820, 768 * 16);
    rd.gfx.extraPalettes.Load(f, 0x12EE00, 32 * 16);
}
void StoreMonsterPalettes(ImageFile& f, RomData& rd)
{
    rd.gfx.monsterPalettes.Store(f);
    rd.gfx.extraPalettes.Store(f);
}

void LoadGraphics(ImageFile& f, RomData& rd)
{
    GraphicsTables& g = rd.gfx;
    g.smallFont.Load(f, 0x47FC0, 0x1000);
    if (rd.romType == kRomFF6j) {
        g.bigFontWidths.Load(f, 0x48FC0, 5 * 256);
        g.bigFontGlyphs.Load(f, 0x49200, 5 * 0x1600);
    } else {
        g.bigFontWidths.Load(f, 0x48FC0, 256);
        g.bigFontGlyphs.Load(f, 0x490C0, 0xDC0);
    }
    g.monsterGraphics.Load(f, 0x297000, 0x39000);
    g.monsterDescriptors.Load(f, 0x127000, 416 * 5);
    g.spriteTiles.Load(f, 0x150000, 6784 * 32);
    g.spriteTownPalettes.Load(f, 0x268000, 32 * 32);
    g.wallpaperTiles.Load(f, 0x2D0000, 8 * 28 * 32);
    g.wallpaperPalettes.Load(f, 0x2D1C00, 8 * 32);
    g.spriteBattlePalettes.Load(f, 0x2D6300, 8 * 32);
}
void StoreGraphics(ImageFile& f, RomData& rd)
{
    GraphicsTables& g = rd.gfx;
    for (RawTable* t : {&g.smallFont, &g.bigFontWidths, &g.bigFontGlyphs, &g.monsterGraphics,
                        &g.monsterDescriptors, &g.spriteTiles, &g.spriteTownPalettes, &g.wallpaperTiles,
                        &g.wallpaperPalettes, &g.spriteBattlePalettes})
        t->Store(f);
}

void LoadBattleBackgrounds(ImageFile& f, RomData& rd)
{
    GraphicsTables& g = rd.gfx;
    g.backgroundRecords.Load(f, 0x270000, 56 * 6);
    g.backgroundPalettes.Load(f, 0x270150, 0x1500);
    g.backgroundGfxPointers.Load(f, 0x271650, 168 * 3);
    g.backgroundTileMaps.Load(f, 0x271848, 112 * 2);
    g.backgroundGfxData.Load(f, 0x271928, 0x249D8);
}
void StoreBattleBackgrounds(ImageFile& f, RomData& rd)
{
    GraphicsTables& g = rd.gfx;
    for (RawTable* t : {&g.backgroundRecords, &g.backgroundPalettes, &g.backgroundGfxPointers,
                        &g.backgroundTileMaps, &g.backgroundGfxData})
        t->Store(f);
}

} // namespace quorvex
