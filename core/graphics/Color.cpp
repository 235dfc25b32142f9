#include "graphics/Color.h"

#include <algorithm>

namespace quorvex {

namespace {

uint32_t Expand5(uint32_t c) { return (c << 3) | (c >> 2); }

double HueChannel(double m1, double m2, double t)
{
    if (t < 0)
        t += 1;
    if (t > 1)
        t -= 1;
    if (6 * t < 1)
        return m1 + (m2 - m1) * 6 * t;
    if (2 * t < 1)
        return m2;
    if (3 * t < 2)
        return m1 + (m2 - m1) * (2.0 / 3.0 - t) * 6;
    return m1;
}

void HslChannels(double h, double s, double l, double out[3])
{
    if (s == 0) {
        out[0] = out[1] = out[2] = l;
        return;
    }
    const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
    const double m1 = 2 * l - m2;
    out[0] = HueChannel(m1, m2, h + 1.0 / 3.0);
    out[1] = HueChannel(m1, m2, h);
    out[2] = HueChannel(m1, m2, h - 1.0 / 3.0);
}

// Truncates toward zero and keeps the result inside the channel's range, so
// that inputs slightly outside [0, 1] cannot spill into the next channel.
uint32_t Channel(double v, double scale)
{
    const double x = v * scale;
    if (!(x > 0))
        return 0;
    return static_cast<uint32_t>(std::min(x, scale));
}

} // namespace

uint32_t SnesToRgb(SnesColor c)
{
    const uint32_t r = c & 31, g = (c >> 5) & 31, b = (c >> 10) & 31;
    return Expand5(r) | (Expand5(g) << 8) | (Expand5(b) << 16);
}

uint32_t SnesToRgbFile(SnesColor c) { return SwapRedBlue(SnesToRgb(c)); }

SnesColor RgbToSnes(uint32_t rgb)
{
    const uint32_t r = (rgb & 0xFF) >> 3, g = ((rgb >> 8) & 0xFF) >> 3, b = ((rgb >> 16) & 0xFF) >> 3;
    return static_cast<SnesColor>(r | (g << 5) | (b << 10));
}

uint32_t SwapRedBlue(uint32_t rgb)
{
    return (rgb & 0xFF00FF00u) | ((rgb & 0xFF) << 16) | ((rgb >> 16) & 0xFF);
}

Hsl SnesToHsl(SnesColor c)
{
    const double r = (c & 31) / 31.0, g = ((c >> 5) & 31) / 31.0, b = ((c >> 10) & 31) / 31.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    Hsl out;
    out.l = (mx + mn) / 2;
    if (mx == mn)
        return out;
    const double d = mx - mn;
    out.s = out.l < 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
    double h;
    if (r == mx)
        h = (g - b) / d;
    else if (g == mx)
        h = 2 + (b - r) / d;
    else
        h = 4 + (r - g) / d;
    h /= 6;
    if (h < 0)
        h += 1;
    out.h = h;
    return out;
}

uint32_t HslToRgb(double h, double s, double l)
{
    double ch[3];
    HslChannels(h, s, l, ch);
    return Channel(ch[0], 255.0) | (Channel(ch[1], 255.0) << 8) | (Channel(ch[2], 255.0) << 16);
}

SnesColor HslToSnes(double h, double s, double l)
{
    double ch[3];
    HslChannels(h, s, l, ch);
    return static_cast<SnesColor>((Channel(ch[2], 31.0) << 10) | (Channel(ch[1], 31.0) << 5) | Channel(ch[0], 31.0));
}

void SnesPalette16::Load(const uint8_t* first, const uint8_t* second)
{
    for (int i = 0; i < 8; ++i) {
        Set(i, ReadSnesColor(first + 2 * i));
        Set(8 + i, ReadSnesColor(second + 2 * i));
    }
}

} // namespace quorvex
