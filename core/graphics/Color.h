#pragma once
// SNES colour words and their conversions. A palette entry in the image is a
// little-endian word: bits 0-4 red, 5-9 green, 10-14 blue, bit 15 unused.
// Inside the program 24-bit colours travel as 0x00BBGGRR (red in the low
// byte); picture files want 0x00RRGGBB.
#include <array>
#include <cstdint>

namespace quorvex {

using SnesColor = uint16_t;

// Word to 0x00BBGGRR; each 5-bit channel c becomes (c << 3) | (c >> 2).
uint32_t SnesToRgb(SnesColor c);
// Word to 0x00RRGGBB (file order).
uint32_t SnesToRgbFile(SnesColor c);
// 0x00BBGGRR to a word: each channel keeps its top five bits (no rounding).
SnesColor RgbToSnes(uint32_t rgb);
// Exchanges the low and the third byte (one order to the other).
uint32_t SwapRedBlue(uint32_t rgb);

struct Hsl {
    double h = 0, s = 0, l = 0; // each in [0, 1]
};
Hsl SnesToHsl(SnesColor c);
// Channels truncated toward zero after scaling by 255 / 31.
uint32_t HslToRgb(double h, double s, double l);
SnesColor HslToSnes(double h, double s, double l);

// Palette words as stored: little-endian, bit 15 cleared on reading.
inline SnesColor ReadSnesColor(const uint8_t* p) { return static_cast<SnesColor>((p[0] | (p[1] << 8)) & 0x7FFF); }

// A 16-colour palette made of two 8-colour halves, with every entry also
// expanded to 8-bit channels for drawing. Index 0 is transparent.
struct SnesPalette16 {
    std::array<SnesColor, 16> words{};
    std::array<uint32_t, 16> rgb{}; // 0x00BBGGRR

    // Words 0-7 from `first`, 8-15 from `second` (8 little-endian words each).
    void Load(const uint8_t* first, const uint8_t* second);
    void Set(int index, SnesColor c)
    {
        words[index & 15] = static_cast<SnesColor>(c & 0x7FFF);
        rgb[index & 15] = SnesToRgb(c);
    }
};

} // namespace quorvex
