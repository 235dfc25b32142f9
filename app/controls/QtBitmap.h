#pragma once
// Showing a CFF6Bitmap: its 0x00BBGGRR pixels as a QImage.
#include <QImage>

#include "graphics/Bitmap.h"

inline QImage ToQImage(const quorvex::CFF6Bitmap& bmp)
{
    QImage img(bmp.Width(), bmp.Height(), QImage::Format_RGB32);
    for (int y = 0; y < bmp.Height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < bmp.Width(); ++x) {
            const uint32_t p = bmp.GetPixel(x, y);
            line[x] = qRgb(p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF);
        }
    }
    return img;
}
