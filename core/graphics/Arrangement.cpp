#include "graphics/Arrangement.h"

#include <cstring>

#include "graphics/Tiles.h"

namespace quorvex {

void CellTile4bpp(const uint8_t* tiles, int tileCount, uint32_t cell, uint8_t out[32])
{
    std::memset(out, 0, kTile4bppBytes);
    if (!IsTileCell(cell) || CellTile(cell) >= tileCount)
        return;
    std::memcpy(out, tiles + static_cast<size_t>(CellTile(cell)) * kTile4bppBytes, kTile4bppBytes);
    if (cell & kCellMirror)
        MirrorTile4bpp(out);
    if (cell & kCellFlip)
        FlipTile4bpp(out);
}

PixelBuffer AssembleArrangement(const uint8_t* tiles, int tileCount, const Arrangement& arr)
{
    PixelBuffer px(arr.width * 8, arr.height * 8);
    uint8_t tile[kTile4bppBytes];
    for (int cy = 0; cy < arr.height; ++cy)
        for (int cx = 0; cx < arr.width; ++cx) {
            const uint32_t cell = arr.At(cx, cy);
            if (!IsTileCell(cell))
                continue;
            CellTile4bpp(tiles, tileCount, cell, tile);
            px.Paste(Tile4bppToPixels(tile), 0, 0, 8, 8, cx * 8, cy * 8);
        }
    return px;
}

} // namespace quorvex
