// Fonts, palettes, monster graphics and battle backgrounds of the synthetic
// image. Everything is drawn here in code: a small hand-made 5x7 alphabet
// for the fonts, procedural creatures for the monster sprites and
// procedural landscapes for the battle backgrounds.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "LzCompress.h"
#include "SynthImage.h"

namespace quorvex::synth {

namespace {

// ---------------------------------------------------------------- encoders

using Pixels64 = std::array<uint8_t, 64>;

void EncodePlanes(const Pixels64& px, uint8_t* out, int bpp)
{
    std::memset(out, 0, static_cast<size_t>(bpp == 2 ? 16 : bpp == 3 ? 24 : 32));
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const int v = px[static_cast<size_t>(y * 8 + x)];
            const uint8_t bit = static_cast<uint8_t>(0x80 >> x);
            if (v & 1) out[2 * y] |= bit;
            if (v & 2) out[2 * y + 1] |= bit;
            if (bpp == 3 && (v & 4)) out[16 + y] |= bit;
            if (bpp == 4) {
                if (v & 4) out[16 + 2 * y] |= bit;
                if (v & 8) out[17 + 2 * y] |= bit;
            }
        }
    }
}

uint16_t Snes(int r, int g, int b)
{
    auto c = [](int v) { return v < 0 ? 0 : v > 31 ? 31 : v; };
    return static_cast<uint16_t>(c(r) | (c(g) << 5) | (c(b) << 10));
}

// A colour from hue (0..1), saturation and lightness, as a SNES word.
uint16_t Hsl(double h, double s, double l)
{
    auto hue = [](double m1, double m2, double t) {
        if (t < 0) t += 1;
        if (t > 1) t -= 1;
        if (6 * t < 1) return m1 + (m2 - m1) * 6 * t;
        if (2 * t < 1) return m2;
        if (3 * t < 2) return m1 + (m2 - m1) * (2.0 / 3.0 - t) * 6;
        return m1;
    };
    const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
    const double m1 = 2 * l - m2;
    return Snes(static_cast<int>(hue(m1, m2, h + 1.0 / 3) * 31), static_cast<int>(hue(m1, m2, h) * 31),
                static_cast<int>(hue(m1, m2, h - 1.0 / 3) * 31));
}

// Eight colours: 0 black, then a ramp of one hue from dark to light.
void PutRamp(SynthImage& img, uint32_t at, double hue, double sat)
{
    img.Put16(at, 0);
    for (int i = 1; i < 8; ++i)
        img.Put16(at + 2u * i, Hsl(hue, sat, 0.08 + 0.12 * i));
}

// ------------------------------------------------------------------ fonts

struct Glyph {
    uint8_t code;
    std::array<uint8_t, 7> rows; // bit 4 = leftmost of five columns
};

const Glyph kGlyphs[] = {
    {0x80, {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}}, // A
    {0x81, {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}}, // B
    {0x82, {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}}, // C
    {0x83, {0x1C, 0x12, 0x11, 0x11, 0x11, 0x12, 0x1C}}, // D
    {0x84, {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}}, // E
    {0x85, {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}}, // F
    {0x86, {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}}, // G
    {0x87, {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}}, // H
    {0x88, {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}}, // I
    {0x89, {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}}, // J
    {0x8A, {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}}, // K
    {0x8B, {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}}, // L
    {0x8C, {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}}, // M
    {0x8D, {0x11, 0x19, 0x15, 0x13, 0x11, 0x11, 0x11}}, // N
    {0x8E, {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, // O
    {0x8F, {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}}, // P
    {0x90, {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}}, // Q
    {0x91, {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}}, // R
    {0x92, {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}}, // S
    {0x93, {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}}, // T
    {0x94, {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, // U
    {0x95, {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}}, // V
    {0x96, {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}}, // W
    {0x97, {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}}, // X
    {0x98, {0x11, 0x11, 0x0A, 0x04, 0x04, 0x04, 0x04}}, // Y
    {0x99, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}}, // Z
    {0x9A, {0x00, 0x00, 0x0E, 0x01, 0x0F, 0x11, 0x0F}}, // a
    {0x9B, {0x10, 0x10, 0x16, 0x19, 0x11, 0x11, 0x1E}}, // b
    {0x9C, {0x00, 0x00, 0x0E, 0x10, 0x10, 0x11, 0x0E}}, // c
    {0x9D, {0x01, 0x01, 0x0D, 0x13, 0x11, 0x11, 0x0F}}, // d
    {0x9E, {0x00, 0x00, 0x0E, 0x11, 0x1F, 0x10, 0x0E}}, // e
    {0x9F, {0x06, 0x09, 0x08, 0x1C, 0x08, 0x08, 0x08}}, // f
    {0xA0, {0x00, 0x0F, 0x11, 0x11, 0x0F, 0x01, 0x0E}}, // g
    {0xA1, {0x10, 0x10, 0x16, 0x19, 0x11, 0x11, 0x11}}, // h
    {0xA2, {0x04, 0x00, 0x0C, 0x04, 0x04, 0x04, 0x0E}}, // i
    {0xA3, {0x02, 0x00, 0x06, 0x02, 0x02, 0x12, 0x0C}}, // j
    {0xA4, {0x10, 0x10, 0x12, 0x14, 0x18, 0x14, 0x12}}, // k
    {0xA5, {0x0C, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}}, // l
    {0xA6, {0x00, 0x00, 0x1A, 0x15, 0x15, 0x11, 0x11}}, // m
    {0xA7, {0x00, 0x00, 0x16, 0x19, 0x11, 0x11, 0x11}}, // n
    {0xA8, {0x00, 0x00, 0x0E, 0x11, 0x11, 0x11, 0x0E}}, // o
    {0xA9, {0x00, 0x00, 0x1E, 0x11, 0x1E, 0x10, 0x10}}, // p
    {0xAA, {0x00, 0x00, 0x0D, 0x13, 0x0F, 0x01, 0x01}}, // q
    {0xAB, {0x00, 0x00, 0x16, 0x19, 0x10, 0x10, 0x10}}, // r
    {0xAC, {0x00, 0x00, 0x0E, 0x10, 0x0E, 0x01, 0x1E}}, // s
    {0xAD, {0x08, 0x08, 0x1C, 0x08, 0x08, 0x09, 0x06}}, // t
    {0xAE, {0x00, 0x00, 0x11, 0x11, 0x11, 0x13, 0x0D}}, // u
    {0xAF, {0x00, 0x00, 0x11, 0x11, 0x11, 0x0A, 0x04}}, // v
    {0xB0, {0x00, 0x00, 0x11, 0x11, 0x15, 0x15, 0x0A}}, // w
    {0xB1, {0x00, 0x00, 0x11, 0x0A, 0x04, 0x0A, 0x11}}, // x
    {0xB2, {0x00, 0x00, 0x11, 0x11, 0x0F, 0x01, 0x0E}}, // y
    {0xB3, {0x00, 0x00, 0x1F, 0x02, 0x04, 0x08, 0x1F}}, // z
    {0xB4, {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}}, // 0
    {0xB5, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}}, // 1
    {0xB6, {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}}, // 2
    {0xB7, {0x1E, 0x01, 0x01, 0x0E, 0x01, 0x01, 0x1E}}, // 3
    {0xB8, {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}}, // 4
    {0xB9, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}}, // 5
    {0xBA, {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}}, // 6
    {0xBB, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}}, // 7
    {0xBC, {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}}, // 8
    {0xBD, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}}, // 9
    {0xBE, {0x04, 0x04, 0x04, 0x04, 0x04, 0x00, 0x04}}, // !
    {0xBF, {0x0E, 0x11, 0x01, 0x02, 0x04, 0x00, 0x04}}, // ?
    {0xC0, {0x01, 0x01, 0x02, 0x04, 0x08, 0x10, 0x10}}, // /
    {0xC1, {0x00, 0x04, 0x04, 0x00, 0x04, 0x04, 0x00}}, // :
    {0xC2, {0x0A, 0x0A, 0x0A, 0x00, 0x00, 0x00, 0x00}}, // "
    {0xC3, {0x04, 0x04, 0x08, 0x00, 0x00, 0x00, 0x00}}, // '
    {0xC4, {0x00, 0x00, 0x00, 0x0E, 0x00, 0x00, 0x00}}, // -
    {0xC5, {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}}, // .
    {0xC6, {0x00, 0x00, 0x00, 0x00, 0x0C, 0x04, 0x08}}, // ,
    {0xC7, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1F}}, // _
    {0xC8, {0x00, 0x0C, 0x0C, 0x00, 0x0C, 0x04, 0x08}}, // ;
    {0xC9, {0x0A, 0x0A, 0x1F, 0x0A, 0x1F, 0x0A, 0x0A}}, // #
    {0xCA, {0x00, 0x04, 0x04, 0x1F, 0x04, 0x04, 0x00}}, // +
    {0xCB, {0x02, 0x04, 0x08, 0x08, 0x08, 0x04, 0x02}}, // (
    {0xCC, {0x08, 0x04, 0x02, 0x02, 0x02, 0x04, 0x08}}, // )
    {0xCD, {0x19, 0x1A, 0x02, 0x04, 0x08, 0x0B, 0x13}}, // %
    {0xCE, {0x00, 0x00, 0x08, 0x15, 0x02, 0x00, 0x00}}, // ~
    {0xCF, {0x00, 0x04, 0x15, 0x0E, 0x15, 0x04, 0x00}}, // *
    {0xD2, {0x00, 0x00, 0x1F, 0x00, 0x1F, 0x00, 0x00}}, // =
    {0xD3, {0x04, 0x0A, 0x11, 0x00, 0x00, 0x00, 0x00}}, // ^
    {0xD7, {0x10, 0x10, 0x08, 0x04, 0x02, 0x01, 0x01}}, // backslash
};

void FillFonts(SynthImage& img)
{
    // Small font: 256 2bpp glyphs, ink colour 1 with a colour-2 shadow to
    // the lower right, the glyph in columns 1-5 and rows 0-6.
    std::vector<uint8_t> small(0x1000, 0);
    for (const Glyph& g : kGlyphs) {
        Pixels64 px{};
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 5; ++x)
                if (g.rows[static_cast<size_t>(y)] & (0x10 >> x))
                    px[static_cast<size_t>(y * 8 + x + 1)] = 1;
        for (int y = 7; y >= 0; --y)
            for (int x = 7; x >= 0; --x)
                if (px[static_cast<size_t>(y * 8 + x)] == 0 && x > 0 && y > 0 &&
                    px[static_cast<size_t>((y - 1) * 8 + x - 1)] == 1)
                    px[static_cast<size_t>(y * 8 + x)] = 2;
        EncodePlanes(px, &small[g.code * 16u], 2);
    }
    img.Put(0x47FC0, small);

    // Big font: 16x11 1bpp glyphs, the 5x7 design at rows 2-8 and columns
    // 4-10 with doubled strokes; the width counts from column 4, columns
    // 0-3 lie under the glyph before. The dialogue code of a character is
    // its small-font code minus 0x60; the North American font starts at
    // dialogue code 0x20 (glyph = code - 0x20), the Japanese blocks at
    // glyph 0 (glyph = code). Glyphs are 8 pixels wide, the space 5.
    auto bigGlyph = [](const Glyph& g, uint8_t* out) {
        for (int y = 0; y < 7; ++y) {
            uint16_t word = 0;
            for (int x = 0; x < 5; ++x)
                if (g.rows[static_cast<size_t>(y)] & (0x10 >> x))
                    word |= static_cast<uint16_t>(0x0C00 >> x); // pixels x+4 and x+5
            out[2 * (y + 2)] = static_cast<uint8_t>(word);          // pixels 8-15
            out[2 * (y + 2) + 1] = static_cast<uint8_t>(word >> 8); // pixels 0-7
        }
    };
    std::vector<uint8_t> widths(256, 8);
    if (img.Jp()) {
        widths[0xFF] = 5;
        std::vector<uint8_t> block(0x1600, 0);
        for (const Glyph& g : kGlyphs)
            bigGlyph(g, &block[(g.code - 0x60u) * 22u]);
        for (int t = 0; t < 5; ++t) {
            if (t > 0) {
                // Blocks 1-4 hold the Kanji: boxes crossed by strokes that
                // vary from glyph to glyph.
                Rng rng(0x6B00u + static_cast<uint32_t>(t));
                for (int k = 0; k < 256; ++k) {
                    uint8_t* o = &block[k * 22u];
                    std::memset(o, 0, 22);
                    const uint32_t bits = rng.Next();
                    for (int y = 0; y < 11; ++y) {
                        uint16_t word = 0x0802; // side strokes at pixels 4 and 14
                        if (y == 0 || y == 10 || (bits >> y & 1))
                            word = 0x0FFE;      // a full stroke across pixels 4-14
                        if (bits >> (11 + y % 8) & 1)
                            word |= 0x0040;     // the middle stroke at pixel 9
                        o[2 * y] = static_cast<uint8_t>(word);
                        o[2 * y + 1] = static_cast<uint8_t>(word >> 8);
                    }
                }
            }
            img.Put(0x49200 + 0x1600u * t, block);
        }
        // Written after the glyphs: width tables 2-4 share their bytes with
        // the first 32 glyphs of block 0, which are control codes and never
        // drawn, so the bytes there are widths.
        for (int t = 0; t < 5; ++t) {
            std::vector<uint8_t> w = widths;
            if (t > 0)
                std::fill(w.begin(), w.end(), static_cast<uint8_t>(12));
            img.Put(0x48FC0 + 256u * t, w);
        }
    } else {
        widths[0x7F] = 5;
        std::vector<uint8_t> glyphs(0xDC0, 0);
        for (const Glyph& g : kGlyphs)
            bigGlyph(g, &glyphs[(g.code - 0x80u) * 22u]);
        img.Put(0x48FC0, widths);
        img.Put(0x490C0, glyphs);
    }
}

// --------------------------------------------------------- monster sprites

constexpr uint32_t kMonsterGfx = 0x297000;
// The tile data ends where natural magic (0x2CE3C0) or, in the Japanese
// release, the battle command names (0x2CE300) begin.
constexpr size_t kMonsterGfxSize = 0x2CE3C0 - kMonsterGfx;
constexpr size_t kMonsterGfxSizeJp = 0x2CE300 - kMonsterGfx;
constexpr int kLargeMappingsInGame = 48;
constexpr int kSmallSprites = 48;
constexpr int kLargeSprites = 8;

// Draws a creature into an n x n grid of colour indices: an outlined, shaded
// body with eyes and, depending on the seed, legs, horns, wings or a tail.
// Shading uses 2-7 (first palette), markings 9-13, eyes 15 with a pupil of
// 1; 3bpp sprites stay within 0-7 (eyes 7).
std::vector<uint8_t> DrawCreature(Rng& rng, int n, bool threeBpp)
{
    std::vector<uint8_t> g(static_cast<size_t>(n * n), 0);
    auto at = [&](int x, int y) -> uint8_t& { return g[static_cast<size_t>(y * n + x)]; };
    const double cx = n * (0.40 + 0.2 * (rng.Next() % 100) / 100.0);
    const double cy = n * (0.48 + 0.1 * (rng.Next() % 100) / 100.0);
    const double rx = n * (0.22 + 0.12 * (rng.Next() % 100) / 100.0);
    const double ry = n * (0.20 + 0.12 * (rng.Next() % 100) / 100.0);
    const int kind = static_cast<int>(rng.Next() % 4);
    auto inside = [&](double x, double y) {
        const double dx = (x - cx) / rx, dy = (y - cy) / ry;
        if (dx * dx + dy * dy <= 1.0)
            return true;
        switch (kind) {
        case 0: // legs
            return y > cy && y < cy + ry * 1.6 &&
                   (std::fabs(x - (cx - rx * 0.5)) < n * 0.04 || std::fabs(x - (cx + rx * 0.5)) < n * 0.04);
        case 1: // horns
            return y < cy - ry * 0.6 && y > cy - ry * 1.5 &&
                   (std::fabs(x - (cx - rx * 0.5) + (cy - ry - y) * 0.3) < n * 0.03 ||
                    std::fabs(x - (cx + rx * 0.5) - (cy - ry - y) * 0.3) < n * 0.03);
        case 2: { // wings
            const double wy = cy - ry * 0.3;
            return std::fabs(y - wy) < (rx * 1.7 - std::fabs(x - cx)) * 0.5 && std::fabs(x - cx) < rx * 1.7;
        }
        default: // tail
            return x > cx && x < cx + rx * 1.8 && std::fabs(y - (cy + ry * 0.4 - (x - cx) * 0.3)) < n * 0.035;
        }
    };
    for (int y = 1; y < n - 1; ++y)
        for (int x = 1; x < n - 1; ++x)
            if (inside(x + 0.5, y + 0.5)) {
                // Light from the upper left.
                const double d = ((x - cx) + (y - cy)) / (rx + ry);
                const int shade = 7 - static_cast<int>((d + 1.0) * 2.6);
                at(x, y) = static_cast<uint8_t>(shade < 2 ? 2 : shade > 7 ? 7 : shade);
            }
    // Outline: body pixels next to empty ones.
    const std::vector<uint8_t> copy = g;
    auto was = [&](int x, int y) { return copy[static_cast<size_t>(y * n + x)] != 0; };
    for (int y = 1; y < n - 1; ++y)
        for (int x = 1; x < n - 1; ++x)
            if (was(x, y) && (!was(x - 1, y) || !was(x + 1, y) || !was(x, y - 1) || !was(x, y + 1)))
                at(x, y) = 1;
    // Eyes.
    const int er = n / 24 + 1;
    for (int e = -1; e <= 1; e += 2) {
        const int ex = static_cast<int>(cx + e * rx * 0.35), ey = static_cast<int>(cy - ry * 0.25);
        for (int y = -er; y <= er; ++y)
            for (int x = -er; x <= er; ++x)
                if (x * x + y * y <= er * er && ex + x > 0 && ex + x < n && ey + y > 0 && ey + y < n)
                    at(ex + x, ey + y) = (x == 0 && y == 0) ? 1 : (threeBpp ? 7 : 15);
    }
    // Belly markings in the second palette.
    if (!threeBpp)
        for (int y = static_cast<int>(cy + ry * 0.2); y < static_cast<int>(cy + ry * 0.7); ++y)
            for (int x = static_cast<int>(cx - rx * 0.3); x < static_cast<int>(cx + rx * 0.3); ++x)
                if (x > 0 && y > 0 && x < n && y < n && at(x, y) > 1)
                    at(x, y) = static_cast<uint8_t>(9 + (x + y) % 5);
    return g;
}

void FillMonsterGraphics(SynthImage& img)
{
    Rng rng(img.opts.seed ^ 0x6D6F6E);
    std::vector<uint8_t> area(img.Jp() ? kMonsterGfxSizeJp : kMonsterGfxSize, 0);
    size_t used = 0;
    std::vector<uint8_t> smallMaps(128 * 8, 0), largeMaps(kLargeMappingsInGame * 32, 0);
    struct Sprite {
        uint32_t units;
        bool large, threeBpp;
        int mapping;
    };
    std::vector<Sprite> sprites;
    for (int k = 0; k < kSmallSprites + kLargeSprites; ++k) {
        const bool large = k >= kSmallSprites;
        const bool threeBpp = !large && k % 5 == 4;
        const int n = large ? 128 : 64;
        const int mapping = large ? k - kSmallSprites : k;
        const std::vector<uint8_t> px = DrawCreature(rng, n, threeBpp);
        const size_t tileBytes = threeBpp ? 24 : 32;
        used = (used + 7) & ~size_t(7); // starts count in 8-byte units
        sprites.push_back({static_cast<uint32_t>(used / 8), large, threeBpp, mapping});
        const int tilesPerRow = n / 8;
        for (int tr = 0; tr < tilesPerRow; ++tr) {
            for (int tc = 0; tc < tilesPerRow; ++tc) {
                Pixels64 t{};
                bool any = false;
                for (int y = 0; y < 8; ++y)
                    for (int x = 0; x < 8; ++x) {
                        t[static_cast<size_t>(y * 8 + x)] = px[static_cast<size_t>((tr * 8 + y) * n + tc * 8 + x)];
                        any = any || t[static_cast<size_t>(y * 8 + x)];
                    }
                if (!any || used + tileBytes > area.size())
                    continue;
                EncodePlanes(t, &area[used], threeBpp ? 3 : 4);
                used += tileBytes;
                if (large)
                    largeMaps[static_cast<size_t>(mapping * 32 + tr * 2 + tc / 8)] |=
                        static_cast<uint8_t>(0x80 >> (tc % 8));
                else
                    smallMaps[static_cast<size_t>(mapping * 8 + tr)] |= static_cast<uint8_t>(0x80 >> tc);
            }
        }
    }
    img.Put(kMonsterGfx, area);
    img.Put(0x12A824, smallMaps); // small mapping 127 stays empty
    img.Put(0x12AC24, largeMaps);

    // 416 records: monster i uses sprite i % 56 with its own palette.
    for (int i = 0; i < 416; ++i) {
        const Sprite& s = sprites[static_cast<size_t>(i) % sprites.size()];
        int palette = (i * 2) % 766;
        if (i == 383)
            palette = 0x2FF; // the last palette, repeated in both halves
        uint8_t rec[5];
        const uint16_t word = static_cast<uint16_t>(s.units | (s.threeBpp ? 0x8000 : 0));
        rec[0] = static_cast<uint8_t>(word);
        rec[1] = static_cast<uint8_t>(word >> 8);
        rec[2] = static_cast<uint8_t>(((palette >> 8) & 3) | (s.large ? 0x80 : 0));
        rec[3] = static_cast<uint8_t>(palette);
        rec[4] = static_cast<uint8_t>(s.mapping);
        if (i == 415) {
            rec[2] = 0;
            rec[4] = 127; // an empty mapping: nothing is drawn
        }
        img.Put(0x127000 + 5u * i, rec, 5);
    }

    // 768 palettes of eight colours: ramps of varied hues.
    for (int p = 0; p < 768; ++p)
        PutRamp(img, 0x127820 + 16u * p, (p * 0.137) - std::floor(p * 0.137), 0.45 + 0.4 * ((p * 7) % 10) / 10.0);
    for (int p = 0; p < 32; ++p)
        PutRamp(img, 0x12EE00 + 16u * p, p / 32.0, 0.6);
}

// ------------------------------------------------------ battle backgrounds

constexpr uint32_t kBgArea = 0x271928; // ROM offset of $E71928
constexpr size_t kBgAreaSize = 0x249D8;
constexpr int kCompressedGfx = 32;
constexpr int kRawGfx = 6;

// One bank of 128 4bpp tiles for graphics number gn:
//   0-15    sky: solid bands of colour 1-15 with a dithered lower edge
//   16-47   ground: speckled textures
//   48-79   rock and brick courses
//   80-111  slopes (mountain edges), mirrored by the map for the other side
//   112-127 details: stars, grass tufts, pebbles
std::vector<uint8_t> MakeBank(int gn)
{
    std::vector<uint8_t> bank(0x1000, 0);
    for (int t = 0; t < 128; ++t) {
        Pixels64 p{};
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                int v;
                if (t < 16) {
                    v = t == 0 ? 1 : t;
                    if (y >= 5 && ((x + y) & 1) && t < 15)
                        v = t + 1;
                } else if (t < 48) {
                    const int h = (x * 7 + y * 13 + t * 5 + gn * 3) % 11;
                    v = 4 + (h < 6 ? (t % 3) : h % 9);
                } else if (t < 80) {
                    const int course = (y / 4 + (t & 1)) & 1;
                    const bool mortar = y % 4 == 3 || (x + course * 4) % 8 == 0;
                    v = mortar ? 2 : 5 + (t + gn) % 6;
                } else if (t < 112) {
                    const int slope = (t - 80) % 8; // 8 steepnesses
                    v = (y * 8 >= (7 - x) * (slope + 1)) ? 6 + (y + (t & 3)) % 4 : 0;
                } else {
                    const int kind = t % 4;
                    v = 0;
                    if (kind == 0 && x == 3 && y == 3) v = 15;
                    if (kind == 1 && y > 3 && (x == 2 || x == 4 || x == 6) && y > 7 - (x % 3) * 2) v = 9;
                    if (kind == 2 && (x - 4) * (x - 4) + (y - 5) * (y - 5) < 5) v = 3 + (x + y) % 3;
                    if (kind == 3 && (x + y * 3 + gn) % 9 == 0) v = 13;
                }
                p[static_cast<size_t>(y * 8 + x)] = static_cast<uint8_t>(v & 15);
            }
        EncodePlanes(p, &bank[t * 32u], 4);
    }
    return bank;
}

// The tile map of background b: sky (or walls indoors), a ridge, then ground.
std::vector<uint8_t> MakeTileMap(int b)
{
    std::vector<uint8_t> map(0x800, 0);
    Rng rng(0xB6 + static_cast<uint32_t>(b) * 977);
    const int horizon = 7 + b % 5;
    const bool indoor = b % 6 == 5;
    int ridge = horizon - 2;
    for (int c = 0; c < 32; ++c) {
        // The ridge walks up and down by one row.
        const int step = static_cast<int>(rng.Next() % 3) - 1;
        ridge = ridge + step < horizon - 4 ? horizon - 4 : ridge + step > horizon ? horizon : ridge + step;
        for (int r = 0; r < 32; ++r) {
            uint16_t e;
            if (r < ridge) {
                e = static_cast<uint16_t>(indoor ? 48 + (r + c) % 32 : 1 + r * 14 / horizon);
                e |= 1 << 10; // palette 1: sky or walls
            } else if (r == ridge) {
                e = static_cast<uint16_t>(0x80 + 80 + (c % 8));
                if (step < 0)
                    e |= 0x4000; // the ridge falls: mirror the slope
                e |= 2 << 10;
            } else if (r < horizon + 1) {
                e = static_cast<uint16_t>((0x80 + 48 + (r * 3 + c) % 32) | (2 << 10));
            } else {
                // Ground repeats every eight columns (tile maps are addressed
                // by 16-bit pointers, so all 56 must stay small).
                const uint32_t h = static_cast<uint32_t>((c % 8) * 2654435761u + static_cast<uint32_t>(r) * 40503u +
                                                         static_cast<uint32_t>(b) * 97u) >> 7;
                e = static_cast<uint16_t>((0x80 + 16 + h % 32) | (2 << 10));
                if (h & 0x100)
                    e |= 0x4000;
                if (h & 0x200)
                    e |= 0x8000;
                if (h % 17 == 0)
                    e = static_cast<uint16_t>((0x180 + 112 + (h >> 4) % 16) | (3 << 10)); // detail from bank 3
            }
            map[static_cast<size_t>(2 * (r * 32 + c))] = static_cast<uint8_t>(e);
            map[static_cast<size_t>(2 * (r * 32 + c) + 1)] = static_cast<uint8_t>(e >> 8);
        }
    }
    return map;
}

void FillBackgrounds(SynthImage& img)
{
    std::vector<uint8_t> area(kBgAreaSize, 0);
    size_t used = 0;
    auto place = [&](const std::vector<uint8_t>& bytes) -> uint32_t {
        if (used + bytes.size() > area.size())
            return 0; // never happens with these sizes; a test checks the fit
        std::memcpy(&area[used], bytes.data(), bytes.size());
        const uint32_t at = static_cast<uint32_t>(used);
        used += bytes.size();
        return at;
    };
    // Tile maps, then compressed graphics, then stored graphics.
    std::vector<uint16_t> mapPtr(112);
    for (int b = 0; b < 56; ++b)
        mapPtr[static_cast<size_t>(b)] = static_cast<uint16_t>(0x1928 + place(LzCompress(MakeTileMap(b))));
    for (int m = 56; m < 112; ++m)
        mapPtr[static_cast<size_t>(m)] = mapPtr[static_cast<size_t>(m - 56)];
    std::vector<uint32_t> gfxPtr(168, 0);
    for (int gn = 0; gn < kCompressedGfx; ++gn)
        gfxPtr[static_cast<size_t>(gn)] = 0xE71928 + place(LzCompress(MakeBank(gn)));
    for (int k = 0; k < kRawGfx; ++k)
        gfxPtr[static_cast<size_t>(kCompressedGfx + k)] = 0xE71928 + place(MakeBank(kCompressedGfx + k));
    for (int gn = kCompressedGfx + kRawGfx; gn < 168; ++gn)
        gfxPtr[static_cast<size_t>(gn)] = gfxPtr[static_cast<size_t>(gn % kCompressedGfx)];
    img.Put(kBgArea, area);
    for (int m = 0; m < 112; ++m)
        img.Put16(0x271848 + 2u * m, mapPtr[static_cast<size_t>(m)]);
    for (int gn = 0; gn < 168; ++gn)
        img.Put24(0x271650 + 3u * gn, gfxPtr[static_cast<size_t>(gn)]);

    for (int b = 0; b < 56; ++b) {
        uint8_t rec[6];
        rec[0] = static_cast<uint8_t>(b % kCompressedGfx);
        rec[1] = static_cast<uint8_t>((b * 7 + 3) % kCompressedGfx);
        rec[2] = static_cast<uint8_t>((b * 5 + 11) % kCompressedGfx);
        rec[3] = static_cast<uint8_t>(b);
        rec[4] = static_cast<uint8_t>(56 + b);
        rec[5] = static_cast<uint8_t>(b | (b % 7 == 3 ? 0x80 : 0));
        if (b % 9 == 4) // a stored (uncompressed) ground bank
            rec[1] = static_cast<uint8_t>(0x80 | (kCompressedGfx + b % kRawGfx));
        switch (b) {
        case 53: // stored bank 1, bank 2 the 0x1000 bytes after it
            rec[0] = static_cast<uint8_t>(0x80 | kCompressedGfx);
            rec[1] = 0xFF;
            break;
        case 54: // bank 3 after a compressed bank 2: dummy data
            rec[2] = 0xFF;
            break;
        case 55: // no bank 1 at all
            rec[0] = 0xFF;
            break;
        default:
            break;
        }
        img.Put(0x270000 + 6u * b, rec, 6);
    }

    // Palettes: 336 eight-colour palettes; set b uses 6b .. 6b + 5 (the
    // variants reach up to 6b + 9). Each
    // pair runs from dark (colour 1) to light (colour 15) in one hue.
    for (int q = 0; q < 0x150; ++q) {
        const int b = q / 6, role = (q % 6) / 2;
        const double hue = role == 0 ? 0.55 + 0.01 * (b % 10) : role == 1 ? 0.08 + 0.03 * (b % 8) : 0.3;
        const double sat = role == 0 ? 0.6 : 0.45;
        const uint32_t at = 0x270150 + 16u * q;
        const bool second = q % 2 == 1;
        img.Put16(at, 0);
        for (int i = 1; i < 8; ++i) {
            const int level = second ? 7 + i : i;
            img.Put16(at + 2u * i, Hsl(hue + (second ? 0.04 : 0), sat, 0.12 + 0.05 * level));
        }
    }
}

} // namespace

void FillGraphics(SynthImage& img)
{
    FillFonts(img);
    FillMonsterGraphics(img);
    FillSpritesAndWallpapers(img);
    FillBackgrounds(img);
}

} // namespace quorvex::synth
