#pragma once
// Planar SNES tiles and the big font's 1bpp glyphs: per-pixel access and the
// in-place mirror/flip transforms the pixel editor uses.
//
// Every 8x8 format stores row r of plane 0 at byte 2r and of plane 1 at byte
// 2r+1; 3bpp adds plane 2 at byte 16+r, 4bpp adds planes 2 and 3 at bytes
// 16+2r and 17+2r. Pixel x of a row is bit (7 - x) of each plane byte.
#include <cstddef>
#include <cstdint>

namespace quorvex {

constexpr size_t kTile2bppBytes = 16;
constexpr size_t kTile3bppBytes = 24;
constexpr size_t kTile4bppBytes = 32;
constexpr size_t kGlyphBytes = 22; // 11 rows of a 16-bit word
constexpr int kGlyphWidth = 16;
constexpr int kGlyphRows = 11;

// 1bpp big-font glyph g of `font` (starting at byte 22g): x 0..15, row 0..10.
// Returns 1 for ink, 0 for paper, -1 when x or row is outside the glyph.
int GetGlyphPixel(const uint8_t* font, int glyph, int x, int row);
// Sets (bit != 0) or clears the pixel. Returns 0, or -1 outside the glyph.
int SetGlyphPixel(uint8_t* font, int glyph, int x, int row, int bit);

// 2bpp tile t of `tiles` (starting at byte 16t). Returns the colour index
// 0..3, or -1 when x or y is outside 0..7 (nothing changed then).
int GetTilePixel2bpp(const uint8_t* tiles, int tile, int x, int y);
// Writes index (0..3; higher bits ignored). Returns 0, or -1 outside the tile.
int SetTilePixel2bpp(uint8_t* tiles, int tile, int x, int y, int index);

// 3bpp tile (24 bytes): index 0..7, -1 outside the tile.
int GetTilePixel3bpp(const uint8_t* tile, int x, int y);

// One 32-byte 4bpp tile: index 0..15, -1 outside the tile.
int GetTilePixel4bpp(const uint8_t* tile, int x, int y);
int SetTilePixel4bpp(uint8_t* tile, int x, int y, int index);

// Decodes a whole tile into 64 indices, row-major.
void DecodeTile2bpp(const uint8_t* tile, uint8_t out[64]);
void DecodeTile3bpp(const uint8_t* tile, uint8_t out[64]);
void DecodeTile4bpp(const uint8_t* tile, uint8_t out[64]);

// Left-right mirror: reverses the bits of every byte.
void MirrorTile2bpp(uint8_t* tile);
void MirrorTile4bpp(uint8_t* tile);
// Top-bottom flip: row r swaps with row 7 - r (in 4bpp separately within
// bytes 0-15 and 16-31).
void FlipTile2bpp(uint8_t* tile);
void FlipTile4bpp(uint8_t* tile);

} // namespace quorvex
