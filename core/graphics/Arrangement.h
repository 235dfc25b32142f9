#pragma once
// The arrangement of a wallpaper or a sprite sheet: a grid of 8 x 8 cells,
// row-major, each one 32-bit word. A cell is either empty (0xFFFFFFFF) or a
// tile reference: bits 0-7 the tile number within the graphic's tiles, bit 8
// mirrored left to right, bit 9 flipped top to bottom.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "graphics/PixelBuffer.h"

namespace quorvex {

constexpr uint32_t kEmptyCell = 0xFFFFFFFF;
constexpr uint32_t kCellMirror = 0x100;
constexpr uint32_t kCellFlip = 0x200;

struct Arrangement {
    int width = 0;  // in cells
    int height = 0; // in cells
    std::vector<uint32_t> cells;

    uint32_t At(int cx, int cy) const
    {
        if (cx < 0 || cy < 0 || cx >= width || cy >= height)
            return kEmptyCell;
        return cells[static_cast<size_t>(cy) * static_cast<size_t>(width) + static_cast<size_t>(cx)];
    }
    int CellCount() const { return width * height; }
};

inline bool IsTileCell(uint32_t cell) { return cell != kEmptyCell; }
inline int CellTile(uint32_t cell) { return static_cast<int>(cell & 0xFF); }

// The 4bpp tile of a cell as it is shown: the stored tile, mirrored and/or
// flipped by the cell's bits. `tiles` holds `tileCount` tiles of 32 bytes;
// a cell referring beyond them shows as blank.
void CellTile4bpp(const uint8_t* tiles, int tileCount, uint32_t cell, uint8_t out[32]);

// The whole arrangement as colour indices, (width x 8) x (height x 8);
// empty cells are index 0.
PixelBuffer AssembleArrangement(const uint8_t* tiles, int tileCount, const Arrangement& arr);

} // namespace quorvex
