#pragma once
// CFF6Bitmap: the off-screen 24-bit picture that tiles, monster sprites and
// battle backgrounds are drawn into. Pixels are 0x00BBGGRR. The app shows
// it through a QImage; core only fills and saves it.
#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {

enum class BitmapFill {
    Black,     // plain 0
    Dither,    // checker of two dark shades
    Gradient,  // vertical blue gradient
};

class CFF6Bitmap {
public:
    CFF6Bitmap() = default;
    CFF6Bitmap(int width, int height) { Create(width, height); }

    // Width and height are rounded up to multiples of 4 (so BMP rows need no
    // padding); the pixels are cleared to 0. Negative sizes count as 0.
    void Create(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_width == 0 || m_height == 0; }

    // Out-of-range coordinates are ignored (set) or read as 0 (get).
    void SetPixel(int x, int y, uint32_t bgr)
    {
        if (x >= 0 && y >= 0 && x < m_width && y < m_height)
            m_pixels[static_cast<size_t>(y) * m_width + x] = bgr & 0xFFFFFF;
    }
    uint32_t GetPixel(int x, int y) const
    {
        if (x >= 0 && y >= 0 && x < m_width && y < m_height)
            return m_pixels[static_cast<size_t>(y) * m_width + x];
        return 0;
    }

    void Fill(BitmapFill style);
    void FillColor(uint32_t bgr);
    // Becomes a copy of another bitmap, size included.
    void CopyFrom(const CFF6Bitmap& other) { *this = other; }

    // Row-major pixels, 0x00BBGGRR, top row first.
    const std::vector<uint32_t>& Pixels() const { return m_pixels; }

    // Writes an uncompressed bottom-up 24-bit BMP. False (nothing reported,
    // nothing left behind) when the file cannot be written.
    bool SaveBmp(const std::string& path) const;
    // The same file as bytes.
    std::vector<uint8_t> BmpBytes() const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<uint32_t> m_pixels;
};

// Draws 64 colour indices (row-major) at (x0, y0). Index 0 is transparent.
// With scale s > 1 only pixels at x, y multiples of s inside the tile are
// written, at (x / s, y / s) from the origin; pixels beyond the bitmap's
// edges are skipped.
void DrawTileIndices(CFF6Bitmap& bmp, const uint8_t idx[64], int x0, int y0, const uint32_t* colors, int colorCount,
                     int scale);

} // namespace quorvex
