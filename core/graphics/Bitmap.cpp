#include "graphics/Bitmap.h"

#include <cstdio>

#include "rom/ImageFile.h"

namespace quorvex {

void CFF6Bitmap::Create(int width, int height)
{
    m_width = width > 0 ? (width + 3) & ~3 : 0;
    m_height = height > 0 ? (height + 3) & ~3 : 0;
    m_pixels.assign(static_cast<size_t>(m_width) * m_height, 0);
}

void CFF6Bitmap::FillColor(uint32_t bgr)
{
    for (uint32_t& p : m_pixels)
        p = bgr & 0xFFFFFF;
}

void CFF6Bitmap::Fill(BitmapFill style)
{
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            uint32_t c = 0;
            switch (style) {
            case BitmapFill::Black:
                break;
            case BitmapFill::Dither:
                c = ((x ^ y) & 1) ? 0x302828 : 0x201818;
                break;
            case BitmapFill::Gradient: {
                const uint32_t v = m_height > 1 ? static_cast<uint32_t>(40 + 120 * y / (m_height - 1)) : 40;
                c = (v << 16) | ((v / 2) << 8) | (v / 4);
                break;
            }
            }
            m_pixels[static_cast<size_t>(y) * m_width + x] = c;
        }
    }
}

namespace {

void Put16(std::vector<uint8_t>& v, uint32_t x)
{
    v.push_back(static_cast<uint8_t>(x));
    v.push_back(static_cast<uint8_t>(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x)
{
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}

} // namespace

std::vector<uint8_t> CFF6Bitmap::BmpBytes() const
{
    const uint32_t imageSize = static_cast<uint32_t>(m_width) * m_height * 3;
    std::vector<uint8_t> v;
    v.reserve(54 + imageSize);
    v.push_back('B');
    v.push_back('M');
    Put32(v, 54 + imageSize);
    Put16(v, 0);
    Put16(v, 0);
    Put32(v, 54);
    Put32(v, 40);
    Put32(v, static_cast<uint32_t>(m_width));
    Put32(v, static_cast<uint32_t>(m_height)); // positive: rows bottom-up
    Put16(v, 1);
    Put16(v, 24);
    Put32(v, 0);
    Put32(v, imageSize);
    for (int i = 0; i < 4; ++i)
        Put32(v, 0);
    for (int y = m_height - 1; y >= 0; --y) {
        for (int x = 0; x < m_width; ++x) {
            const uint32_t p = m_pixels[static_cast<size_t>(y) * m_width + x];
            v.push_back(static_cast<uint8_t>(p >> 16)); // blue
            v.push_back(static_cast<uint8_t>(p >> 8));  // green
            v.push_back(static_cast<uint8_t>(p));       // red
        }
    }
    return v;
}

bool CFF6Bitmap::SaveBmp(const std::string& path) const
{
    const std::vector<uint8_t> bytes = BmpBytes();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool closed = std::fclose(f) == 0;
    if (!ok || !closed) {
        RemoveFailedOutput(path);
        return false;
    }
    return true;
}

void DrawTileIndices(CFF6Bitmap& bmp, const uint8_t idx[64], int x0, int y0, const uint32_t* colors, int colorCount,
                     int scale)
{
    if (scale < 1)
        scale = 1;
    for (int y = 0; y < 8; y += scale) {
        for (int x = 0; x < 8; x += scale) {
            const uint8_t i = idx[y * 8 + x];
            if (i == 0 || i >= colorCount)
                continue;
            bmp.SetPixel(x0 + x / scale, y0 + y / scale, colors[i]);
        }
    }
}

} // namespace quorvex
