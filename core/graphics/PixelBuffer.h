#pragma once
// An indexed pixel picture: the glyph, tile or sprite frame that a pixel grid
// edits, one colour index per pixel, row-major. Every editor that paints
// pixels (fonts, wallpapers, sprites, animation frames) works on one of
// these and writes it back into its table in the table's own format, so the
// painting rules exist once.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorvex {

class PixelBuffer {
public:
    PixelBuffer() = default;
    PixelBuffer(int width, int height, uint8_t fill = 0) { Resize(width, height, fill); }

    // Negative sizes count as 0; every pixel becomes `fill`.
    void Resize(int width, int height, uint8_t fill = 0);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    // The index at (x, y), or -1 outside the picture.
    int Get(int x, int y) const { return Inside(x, y) ? m_px[Pos(x, y)] : -1; }
    // Writes the index; false (nothing changed) outside the picture.
    bool Set(int x, int y, uint8_t index);

    const std::vector<uint8_t>& Pixels() const { return m_px; }
    std::vector<uint8_t>& Pixels() { return m_px; }

    bool operator==(const PixelBuffer& o) const = default;

    // Whole-picture operations of the pixel grid's tool buttons.
    void Clear(uint8_t index);
    // By one pixel with wrap-around: what leaves one edge re-enters at the other.
    void ShiftLeft();
    void ShiftRight();
    void ShiftUp();
    void ShiftDown();
    // Left-right mirror (x swaps with width-1-x) and top-bottom flip.
    void MirrorHorizontal();
    void FlipVertical();
    // A quarter turn. Only a square picture turns; others stay as they are
    // and the result is false.
    bool RotateClockwise();
    bool RotateCounterClockwise();

    // Recolours the region of pixels that share the colour of (x, y) and are
    // joined to it through left, right, up and down neighbours. Returns the
    // number of pixels changed: 0 when (x, y) is outside or already has
    // `index`.
    int Fill(int x, int y, uint8_t index);

    // Copies the w x h block at (sx, sy) of `from` to (dx, dy); parts outside
    // either picture are skipped. Used for tile copy and paste.
    void Paste(const PixelBuffer& from, int sx, int sy, int w, int h, int dx, int dy);
    PixelBuffer Crop(int x, int y, int w, int h) const;

private:
    size_t Pos(int x, int y) const { return static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x); }
    int m_width = 0;
    int m_height = 0;
    std::vector<uint8_t> m_px;
};

// The formats the game stores pixels in, to and from a picture.
// A 16 x 11 big-font glyph (1bpp: index 0 paper, 1 ink).
PixelBuffer GlyphToPixels(const uint8_t* glyph22);
// Writes bit (index & 1) of each pixel; the picture must be 16 x 11.
void PixelsToGlyph(const PixelBuffer& px, uint8_t* glyph22);
// One 8 x 8 tile in 2bpp (16 bytes) or 4bpp (32 bytes); the writers keep
// the low two or four bits of each index.
PixelBuffer Tile2bppToPixels(const uint8_t* tile16);
void PixelsToTile2bpp(const PixelBuffer& px, uint8_t* tile16);
PixelBuffer Tile4bppToPixels(const uint8_t* tile32);
void PixelsToTile4bpp(const PixelBuffer& px, uint8_t* tile32);

} // namespace quorvex
