// PNG import over arbitrary bytes: it must never crash, read outside the
// input or allocate without bound, and whatever it accepts must be a whole
// set of tiles within the graphic's size and a palette within its capacity.
// Accepted images are applied to a wallpaper and a sprite of a synthetic
// image, which must keep every table's size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "graphics/BitmapEditorLogic.h"
#include "graphics/SpriteSheets.h"
#include "rom/RomData.h"

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static RomData rd = [] {
        RomData r;
        r.romType = kRomFF3us;
        r.gfx.bitmaps.wallpaperTiles.assign(8 * 28 * 32, 0x11);
        r.gfx.bitmaps.wallpaperPalettes.assign(8 * 32, 0x22);
        r.gfx.bitmaps.spriteTiles.assign(6784 * 32, 0x33);
        r.gfx.bitmaps.spriteTownPalettes.assign(32 * 32, 0x44);
        r.gfx.bitmaps.spriteBattlePalettes.assign(8 * 32, 0x55);
        return r;
    }();
    const int capacity = size > 0 ? 1 + data[0] % 16 : 16;
    PngImportResult r;
    const int status = ImportPngBytes(data, size, 16, 18, capacity, r);
    if (status == kPngOk) {
        if (r.columns < 1 || r.columns > 16 || r.rows < 1 || r.rows > 18 ||
            static_cast<int>(r.tiles.size()) != r.Cells() || r.ColorCount() > capacity)
            std::abort();
        SpriteView v;
        v.sprite = r.Cells() % kSpriteCount;
        v.newFormat = true;
        ApplySpriteImport(rd, v, r, true, true);
        if (r.columns <= WallpaperLayout().width && r.rows <= WallpaperLayout().height)
            ApplyWallpaperImport(rd, r.Cells() % 8, r, true);
        if (rd.gfx.bitmaps.spriteTiles.size() != 6784 * 32 || rd.gfx.bitmaps.wallpaperTiles.size() != 8 * 28 * 32 ||
            rd.gfx.bitmaps.spriteTownPalettes.size() != 32 * 32)
            std::abort();
    } else if (r.error.empty() || !r.tiles.empty()) {
        std::abort();
    }
    return 0;
}
