#include "graphics/PixelBuffer.h"

#include <algorithm>
#include <utility>

#include "graphics/Tiles.h"

namespace quorvex {

void PixelBuffer::Resize(int width, int height, uint8_t fill)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_px.assign(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), fill);
}

bool PixelBuffer::Set(int x, int y, uint8_t index)
{
    if (!Inside(x, y))
        return false;
    m_px[Pos(x, y)] = index;
    return true;
}

void PixelBuffer::Clear(uint8_t index) { std::fill(m_px.begin(), m_px.end(), index); }

void PixelBuffer::ShiftLeft()
{
    for (int y = 0; y < m_height; ++y) {
        auto row = m_px.begin() + static_cast<long>(Pos(0, y));
        std::rotate(row, row + 1, row + m_width);
    }
}

void PixelBuffer::ShiftRight()
{
    for (int y = 0; y < m_height; ++y) {
        auto row = m_px.begin() + static_cast<long>(Pos(0, y));
        std::rotate(row, row + m_width - 1, row + m_width);
    }
}

void PixelBuffer::ShiftUp()
{
    if (m_height > 0)
        std::rotate(m_px.begin(), m_px.begin() + m_width, m_px.end());
}

void PixelBuffer::ShiftDown()
{
    if (m_height > 0)
        std::rotate(m_px.begin(), m_px.end() - m_width, m_px.end());
}

void PixelBuffer::MirrorHorizontal()
{
    for (int y = 0; y < m_height; ++y) {
        auto row = m_px.begin() + static_cast<long>(Pos(0, y));
        std::reverse(row, row + m_width);
    }
}

void PixelBuffer::FlipVertical()
{
    for (int y = 0; y < m_height / 2; ++y)
        std::swap_ranges(m_px.begin() + static_cast<long>(Pos(0, y)), m_px.begin() + static_cast<long>(Pos(0, y + 1)),
                         m_px.begin() + static_cast<long>(Pos(0, m_height - 1 - y)));
}

bool PixelBuffer::RotateClockwise()
{
    if (m_width != m_height)
        return false;
    const int n = m_width;
    std::vector<uint8_t> out(m_px.size());
    // The new pixel (x, y) comes from the old (y, n-1-x): the left column,
    // read bottom to top, becomes the top row.
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            out[Pos(x, y)] = m_px[Pos(y, n - 1 - x)];
    m_px = std::move(out);
    return true;
}

bool PixelBuffer::RotateCounterClockwise()
{
    if (m_width != m_height)
        return false;
    const int n = m_width;
    std::vector<uint8_t> out(m_px.size());
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            out[Pos(x, y)] = m_px[Pos(n - 1 - y, x)];
    m_px = std::move(out);
    return true;
}

int PixelBuffer::Fill(int x, int y, uint8_t index)
{
    if (!Inside(x, y) || m_px[Pos(x, y)] == index)
        return 0;
    const uint8_t from = m_px[Pos(x, y)];
    // An explicit stack rather than recursion: a large picture filled from
    // one corner would otherwise nest once per pixel.
    std::vector<std::pair<int, int>> todo{{x, y}};
    m_px[Pos(x, y)] = index;
    int changed = 1;
    while (!todo.empty()) {
        const auto [cx, cy] = todo.back();
        todo.pop_back();
        const std::pair<int, int> next[4] = {{cx - 1, cy}, {cx + 1, cy}, {cx, cy - 1}, {cx, cy + 1}};
        for (const auto& [nx, ny] : next)
            if (Inside(nx, ny) && m_px[Pos(nx, ny)] == from) {
                m_px[Pos(nx, ny)] = index;
                ++changed;
                todo.push_back({nx, ny});
            }
    }
    return changed;
}

void PixelBuffer::Paste(const PixelBuffer& from, int sx, int sy, int w, int h, int dx, int dy)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int v = from.Get(sx + x, sy + y);
            if (v >= 0)
                Set(dx + x, dy + y, static_cast<uint8_t>(v));
        }
}

PixelBuffer PixelBuffer::Crop(int x, int y, int w, int h) const
{
    PixelBuffer out(w, h);
    out.Paste(*this, x, y, w, h, 0, 0);
    return out;
}

PixelBuffer GlyphToPixels(const uint8_t* glyph22)
{
    PixelBuffer px(kGlyphWidth, kGlyphRows);
    for (int y = 0; y < kGlyphRows; ++y)
        for (int x = 0; x < kGlyphWidth; ++x)
            px.Set(x, y, static_cast<uint8_t>(GetGlyphPixel(glyph22, 0, x, y)));
    return px;
}

void PixelsToGlyph(const PixelBuffer& px, uint8_t* glyph22)
{
    for (int y = 0; y < kGlyphRows; ++y)
        for (int x = 0; x < kGlyphWidth; ++x)
            SetGlyphPixel(glyph22, 0, x, y, px.Get(x, y) & 1);
}

PixelBuffer Tile2bppToPixels(const uint8_t* tile16)
{
    PixelBuffer px(8, 8);
    DecodeTile2bpp(tile16, px.Pixels().data());
    return px;
}

void PixelsToTile2bpp(const PixelBuffer& px, uint8_t* tile16)
{
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            SetTilePixel2bpp(tile16, 0, x, y, std::max(px.Get(x, y), 0));
}

PixelBuffer Tile4bppToPixels(const uint8_t* tile32)
{
    PixelBuffer px(8, 8);
    DecodeTile4bpp(tile32, px.Pixels().data());
    return px;
}

void PixelsToTile4bpp(const PixelBuffer& px, uint8_t* tile32)
{
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            SetTilePixel4bpp(tile32, x, y, std::max(px.Get(x, y), 0));
}

} // namespace quorvex
