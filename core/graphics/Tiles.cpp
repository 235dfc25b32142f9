#include "graphics/Tiles.h"

#include <utility>

namespace quorvex {

namespace {

bool Inside8(int x, int y) { return x >= 0 && x < 8 && y >= 0 && y < 8; }

int Bit(uint8_t b, int x) { return (b >> (7 - x)) & 1; }

void Put(uint8_t& b, int x, int v)
{
    const uint8_t mask = static_cast<uint8_t>(0x80u >> x);
    b = v ? static_cast<uint8_t>(b | mask) : static_cast<uint8_t>(b & ~mask);
}

uint8_t ReverseBits(uint8_t b)
{
    b = static_cast<uint8_t>(((b & 0xF0) >> 4) | ((b & 0x0F) << 4));
    b = static_cast<uint8_t>(((b & 0xCC) >> 2) | ((b & 0x33) << 2));
    b = static_cast<uint8_t>(((b & 0xAA) >> 1) | ((b & 0x55) << 1));
    return b;
}

} // namespace

int GetGlyphPixel(const uint8_t* font, int glyph, int x, int row)
{
    if (glyph < 0 || x < 0 || x >= kGlyphWidth || row < 0 || row >= kGlyphRows)
        return -1;
    const uint8_t* g = font + static_cast<size_t>(glyph) * kGlyphBytes;
    // The row word is little-endian with pixel 0 in bit 15: the left half
    // lives in the second byte.
    const uint8_t b = x < 8 ? g[2 * row + 1] : g[2 * row];
    return Bit(b, x & 7);
}

int SetGlyphPixel(uint8_t* font, int glyph, int x, int row, int bit)
{
    if (glyph < 0 || x < 0 || x >= kGlyphWidth || row < 0 || row >= kGlyphRows)
        return -1;
    uint8_t* g = font + static_cast<size_t>(glyph) * kGlyphBytes;
    Put(x < 8 ? g[2 * row + 1] : g[2 * row], x & 7, bit != 0);
    return 0;
}

int GetTilePixel2bpp(const uint8_t* tiles, int tile, int x, int y)
{
    if (tile < 0 || !Inside8(x, y))
        return -1;
    const uint8_t* t = tiles + static_cast<size_t>(tile) * kTile2bppBytes;
    return Bit(t[2 * y], x) | (Bit(t[2 * y + 1], x) << 1);
}

int SetTilePixel2bpp(uint8_t* tiles, int tile, int x, int y, int index)
{
    if (tile < 0 || !Inside8(x, y))
        return -1;
    uint8_t* t = tiles + static_cast<size_t>(tile) * kTile2bppBytes;
    Put(t[2 * y], x, index & 1);
    Put(t[2 * y + 1], x, (index >> 1) & 1);
    return 0;
}

int GetTilePixel3bpp(const uint8_t* t, int x, int y)
{
    if (!Inside8(x, y))
        return -1;
    return Bit(t[2 * y], x) | (Bit(t[2 * y + 1], x) << 1) | (Bit(t[16 + y], x) << 2);
}

int GetTilePixel4bpp(const uint8_t* t, int x, int y)
{
    if (!Inside8(x, y))
        return -1;
    return Bit(t[2 * y], x) | (Bit(t[2 * y + 1], x) << 1) | (Bit(t[16 + 2 * y], x) << 2) |
           (Bit(t[17 + 2 * y], x) << 3);
}

int SetTilePixel4bpp(uint8_t* t, int x, int y, int index)
{
    if (!Inside8(x, y))
        return -1;
    Put(t[2 * y], x, index & 1);
    Put(t[2 * y + 1], x, (index >> 1) & 1);
    Put(t[16 + 2 * y], x, (index >> 2) & 1);
    Put(t[17 + 2 * y], x, (index >> 3) & 1);
    return 0;
}

void DecodeTile2bpp(const uint8_t* tile, uint8_t out[64])
{
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            out[y * 8 + x] = static_cast<uint8_t>(GetTilePixel2bpp(tile, 0, x, y));
}

void DecodeTile3bpp(const uint8_t* tile, uint8_t out[64])
{
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            out[y * 8 + x] = static_cast<uint8_t>(GetTilePixel3bpp(tile, x, y));
}

void DecodeTile4bpp(const uint8_t* tile, uint8_t out[64])
{
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            out[y * 8 + x] = static_cast<uint8_t>(GetTilePixel4bpp(tile, x, y));
}

void MirrorTile2bpp(uint8_t* tile)
{
    for (size_t i = 0; i < kTile2bppBytes; ++i)
        tile[i] = ReverseBits(tile[i]);
}

void MirrorTile4bpp(uint8_t* tile)
{
    for (size_t i = 0; i < kTile4bppBytes; ++i)
        tile[i] = ReverseBits(tile[i]);
}

void FlipTile2bpp(uint8_t* tile)
{
    for (int r = 0; r < 4; ++r) {
        std::swap(tile[2 * r], tile[2 * (7 - r)]);
        std::swap(tile[2 * r + 1], tile[2 * (7 - r) + 1]);
    }
}

void FlipTile4bpp(uint8_t* tile)
{
    FlipTile2bpp(tile);
    FlipTile2bpp(tile + 16);
}

} // namespace quorvex
