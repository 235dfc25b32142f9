// Field sprites and window wallpapers of the synthetic image, drawn through
// the sheets the bitmap editor shows them with, so that every pose and every
// wallpaper looks assembled the way the editor assembles it.
#include <cmath>
#include <cstring>

#include "SynthImage.h"
#include "graphics/BitmapTables.h"
#include "graphics/Color.h"
#include "graphics/PixelBuffer.h"
#include "graphics/SpriteSheets.h"
#include "graphics/Tiles.h"

namespace quorvex::synth {

namespace {

// Sprite colours: 1 outline, 2 shadow, 3 skin, 4-9 clothes, 10-14 hair, 15 white.
void PutSpritePalette(SynthImage& img, uint32_t at, int n)
{
    const double hue = (n * 0.173) - std::floor(n * 0.173);
    const SnesColor colors[16] = {
        0,
        HslToSnes(0.0, 0.0, 0.08),
        HslToSnes(0.6, 0.2, 0.25),
        HslToSnes(0.07, 0.6, 0.72),
        HslToSnes(hue, 0.7, 0.25), HslToSnes(hue, 0.7, 0.35), HslToSnes(hue, 0.7, 0.45),
        HslToSnes(hue, 0.7, 0.55), HslToSnes(hue, 0.7, 0.65), HslToSnes(hue, 0.7, 0.75),
        HslToSnes(hue + 0.5 > 1 ? hue - 0.5 : hue + 0.5, 0.6, 0.3), HslToSnes(0.1, 0.8, 0.35),
        HslToSnes(0.13, 0.9, 0.55), HslToSnes(0.0, 0.7, 0.4), HslToSnes(0.75, 0.5, 0.5),
        0x7FFF,
    };
    for (int i = 0; i < 16; ++i)
        img.Put16(at + 2u * i, colors[i]);
}

enum class Facing { Down, Up, Left, Right };

// A 16 x 24 person: head rows 0-7, body 8-15, legs 16-23.
PixelBuffer DrawPerson(int sprite, Facing facing, int step, int action)
{
    PixelBuffer px(16, 24);
    const uint8_t hair = static_cast<uint8_t>(10 + sprite % 5), cloth = static_cast<uint8_t>(4 + sprite % 6);
    for (int y = 1; y < 8; ++y)
        for (int x = 4; x < 12; ++x) {
            const bool hairPart = y < 3 || facing == Facing::Up || (facing == Facing::Left && x > 8) ||
                                  (facing == Facing::Right && x < 7) || x == 4 || x == 11;
            px.Set(x, y, hairPart ? hair : 3);
        }
    if (facing == Facing::Down && action != 1)
        px.Set(6, 4, 1), px.Set(9, 4, 1);
    if (facing == Facing::Left)
        px.Set(5, 4, 1);
    if (facing == Facing::Right)
        px.Set(10, 4, 1);
    for (int y = 8; y < 16; ++y)
        for (int x = 3; x < 13; ++x)
            px.Set(x, y, (x == 3 || x == 12) ? 2 : static_cast<uint8_t>(cloth + (y > 12 ? 1 : 0)));
    if (action == 2) // arms raised
        for (int y = 4; y < 9; ++y)
            px.Set(2, y, 3), px.Set(13, y, 3);
    for (int y = 16; y < 23; ++y) {
        const int swing = step ? (y - 16) / 2 : 0;
        px.Set(5 - swing, y, 2), px.Set(6 - swing, y, 2);
        px.Set(9, y, 2), px.Set(10, y, 2);
    }
    px.Set(4, 23, 1), px.Set(5, 23, 1), px.Set(10, 23, 1), px.Set(11, 23, 1);
    return px;
}

// Writes the picture of one cell into the tile it shows, turned back by
// the cell's mirror and flip bits.
void StoreCell(std::vector<uint8_t>& pool, uint32_t firstTile, uint32_t cell, const PixelBuffer& picture, int cx,
               int cy)
{
    if (!IsTileCell(cell))
        return;
    PixelBuffer t = picture.Crop(cx * 8, cy * 8, 8, 8);
    if (cell & kCellMirror)
        t.MirrorHorizontal();
    if (cell & kCellFlip)
        t.FlipVertical();
    PixelsToTile4bpp(t, &pool[(firstTile + CellTile(cell)) * kTile4bppBytes]);
}

void DrawCharacter(std::vector<uint8_t>& pool, int sprite, const SpriteRecord& rec)
{
    const Arrangement sheet = SpriteLayout(sprite, true);
    // Later poses first: the first poses, which the others share tiles
    // with, are drawn last and so decide the shared tiles.
    for (int p = 47; p >= 0; --p) {
        static const Facing kFacing[12] = {Facing::Down, Facing::Down, Facing::Down, Facing::Up,
                                           Facing::Up,   Facing::Up,   Facing::Left, Facing::Left,
                                           Facing::Right, Facing::Right, Facing::Down, Facing::Up};
        const Facing f = p < 12 ? kFacing[p] : static_cast<Facing>(p % 4);
        const int step = (p == 1 || p == 4 || p == 7 || p == 9) ? 1 : 0;
        const int action = p == 10 ? 1 : p >= 12 ? 2 : 0;
        const PixelBuffer person = DrawPerson(sprite, f, step, action);
        for (int c = 0; c < 6; ++c) {
            const int cx = (p % 8) * 2 + c % 2, cy = (p / 8) * 3 + c / 2;
            StoreCell(pool, rec.firstTile, sheet.At(cx, cy), person, c % 2, c / 2);
        }
    }
}

// Any other sprite: one object filling its sheet, an outlined rounded body
// with bands of colour.
void DrawObject(std::vector<uint8_t>& pool, int sprite, const SpriteRecord& rec)
{
    const Arrangement sheet = SpriteLayout(sprite, false);
    const int w = sheet.width * 8, h = sheet.height * 8;
    PixelBuffer px(w, h);
    const double cx = (w - 1) / 2.0, cy = (h - 1) / 2.0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double dx = (x - cx) / (w / 2.0), dy = (y - cy) / (h / 2.0);
            const double d = dx * dx + dy * dy;
            if (d > 0.95)
                continue;
            uint8_t v = static_cast<uint8_t>(4 + ((y * 6) / h + sprite) % 6);
            if (d > 0.75)
                v = 1;
            else if (dx < -0.3 && dy < -0.3)
                v = 15;
            px.Set(x, y, v);
        }
    for (int y = 0; y < sheet.height; ++y)
        for (int x = 0; x < sheet.width; ++x)
            StoreCell(pool, rec.firstTile, sheet.At(x, y), px, x, y);
}

// Wallpaper tiles: 0-15 a 32 x 32 pattern that repeats seamlessly, 16 the
// top-left corner, 17-18 the top edge, 19-20 the left edge, 21-27 the
// window's small ornaments.
void DrawWallpaper(std::vector<uint8_t>& tiles, int w)
{
    uint8_t* base = &tiles[static_cast<size_t>(w) * kWallpaperTiles * kTile4bppBytes];
    PixelBuffer pattern(32, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            int v = 0;
            switch (w % 4) {
            case 0: v = 2 + ((x + y) / 4) % 8; break;
            case 1: v = 2 + (((x / 8) ^ (y / 8)) & 1) * 4 + y / 11; break;
            case 2: v = 5 + static_cast<int>(std::lround(3 * std::sin((x + 2 * y) * 3.14159265 / 16))); break;
            default: v = 2 + (y * 9) / 32; break;
            }
            pattern.Set(x, y, static_cast<uint8_t>(v));
        }
    for (int t = 0; t < 16; ++t)
        PixelsToTile4bpp(pattern.Crop((t % 4) * 8, (t / 4) * 8, 8, 8), base + t * kTile4bppBytes);
    // The frame: a light outer line (13), a mid line (12) and a dark inner
    // line (11) over the pattern.
    auto frame = [&](int t, bool corner, bool vertical, int phase) {
        PixelBuffer px = pattern.Crop(phase * 8, phase * 8, 8, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const int d = corner ? std::min(x, y) : vertical ? x : y;
                if (corner && x + y < 3)
                    px.Set(x, y, 0);
                else if (d < 3)
                    px.Set(x, y, static_cast<uint8_t>(13 - d));
            }
        PixelsToTile4bpp(px, base + t * kTile4bppBytes);
    };
    frame(16, true, false, 0);
    frame(17, false, false, 1);
    frame(18, false, false, 2);
    frame(19, false, true, 1);
    frame(20, false, true, 2);
    for (int t = 21; t < 28; ++t) {
        PixelBuffer px(8, 8);
        for (int y = 1; y < 7; ++y)
            for (int x = 1; x < 7; ++x)
                if (std::abs(x - 3.5) + std::abs(y - 3.5) < 1 + (t - 21) * 0.4)
                    px.Set(x, y, static_cast<uint8_t>(14 + (x + y) % 2));
        PixelsToTile4bpp(px, base + t * kTile4bppBytes);
    }
}

} // namespace

void FillSpritesAndWallpapers(SynthImage& img)
{
    std::vector<uint8_t> pool(static_cast<size_t>(kSpritePoolTiles) * kTile4bppBytes, 0);
    for (int s = 0; s < kSpriteCount; ++s) {
        const SpriteRecord& rec = SpriteRecords()[static_cast<size_t>(s)];
        if (s < kCharacterSprites)
            DrawCharacter(pool, s, rec);
        else
            DrawObject(pool, s, rec);
    }
    // The pool's unused end keeps a faint pattern, as spare tiles would.
    const uint32_t used = SpriteRecords().back().firstTile + SpriteRecords().back().tileCount;
    for (size_t i = used * kTile4bppBytes; i < pool.size(); ++i)
        pool[i] = img.rng.Byte() & 0x11;
    img.Put(0x150000, pool);
    for (int p = 0; p < kTownPaletteCount; ++p)
        PutSpritePalette(img, 0x268000 + 32u * p, p);
    for (int p = 0; p < kBattlePaletteCount; ++p)
        PutSpritePalette(img, 0x2D6300 + 32u * p, p * 5 + 3);

    std::vector<uint8_t> wall(static_cast<size_t>(kWallpaperCount) * kWallpaperTiles * kTile4bppBytes, 0);
    for (int w = 0; w < kWallpaperCount; ++w) {
        DrawWallpaper(wall, w);
        // 0 black, 1 unused, 2-10 a ramp of the window's hue, 11-13 the
        // frame's dark, mid and light lines, 14-15 the ornaments.
        const uint32_t at = 0x2D1C00 + 32u * w;
        const double hue = 0.58 + 0.05 * w - std::floor(0.58 + 0.05 * w);
        img.Put16(at, 0);
        img.Put16(at + 2, HslToSnes(hue, 0.3, 0.1));
        for (int i = 2; i <= 10; ++i)
            img.Put16(at + 2u * i, HslToSnes(hue, 0.55, 0.12 + 0.035 * i));
        img.Put16(at + 22, HslToSnes(hue, 0.2, 0.3));
        img.Put16(at + 24, HslToSnes(hue, 0.1, 0.6));
        img.Put16(at + 26, HslToSnes(hue, 0.05, 0.9));
        img.Put16(at + 28, HslToSnes(0.14, 0.9, 0.6));
        img.Put16(at + 30, HslToSnes(0.14, 0.9, 0.85));
    }
    img.Put(0x2D0000, wall);
}

} // namespace quorvex::synth
