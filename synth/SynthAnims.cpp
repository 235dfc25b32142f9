// Battle animation records and their palettes in the synthetic image: the
// five 14-byte tables back to back from the release's start, the weapon
// and enemy-special 8-byte records, and 240 eight-colour palettes of
// smooth ramps.
#include <algorithm>

#include "SynthImage.h"

namespace quorvex::synth {

namespace {

// A 14-byte record: three graphics indices (0xFFFF: none), three
// palettes, a sound, an unnamed byte, a fourth index and a speed.
void Put14(SynthImage& img, uint32_t at)
{
    Rng& r = img.rng;
    for (int k = 0; k < 3; ++k)
        img.Put16(at + 2 * k, static_cast<uint16_t>(k > 0 && r.Range(0, 2) == 0 ? 0xFFFF : r.Range(0, 0x1FF)));
    for (int k = 0; k < 3; ++k)
        img.rom[at + 6 + k] = static_cast<uint8_t>(r.Range(0, 239));
    img.rom[at + 9] = static_cast<uint8_t>(r.Range(0, 255));
    img.rom[at + 10] = static_cast<uint8_t>(r.Next() & 0x13);
    img.Put16(at + 11, static_cast<uint16_t>(r.Range(0, 3) == 0 ? 0xFFFF : r.Range(0, 0x1FF)));
    img.rom[at + 13] = static_cast<uint8_t>(r.Range(1, 16));
}

// An 8-byte record: hand animations, weapon palette, attack, attack
// palette, sparse flags, sound and an unnamed byte.
void Put8(SynthImage& img, uint32_t at)
{
    Rng& r = img.rng;
    const uint8_t rec[8] = {static_cast<uint8_t>(r.Range(0, 0x7F)), static_cast<uint8_t>(r.Range(0, 0x7F)),
                            static_cast<uint8_t>(r.Range(0, 239)),  static_cast<uint8_t>(r.Range(0, 0xFF)),
                            static_cast<uint8_t>(r.Range(0, 239)),  static_cast<uint8_t>(r.Next() & r.Next() & 0xFF),
                            static_cast<uint8_t>(r.Range(0, 255)),  static_cast<uint8_t>(r.Next() & 0x0F)};
    img.Put(at, rec, 8);
}

} // namespace

void FillBattleAnimations(SynthImage& img)
{
    // Spells 256, block 1 72, tools 9, items 23, block 2 46.
    uint32_t at = img.Jp() ? 0x107F8F : 0x107FB2;
    for (int i = 0; i < 256 + 72 + 9 + 23 + 46; ++i, at += 14)
        Put14(img, at);
    for (int i = 0; i < 93 + 35; ++i)
        Put8(img, 0x2CE400 + 8 * static_cast<uint32_t>(i));
    // Palettes: a dark-to-light ramp of one hue each, colour 0 black.
    Rng& r = img.rng;
    for (uint32_t p = 0; p < 240; ++p) {
        const uint32_t red = r.Range(0, 3), green = r.Range(0, 3), blue = r.Range(0, 3);
        img.Put16(0x126000 + 16 * p, 0);
        for (uint32_t c = 1; c < 8; ++c) {
            const uint32_t step = c * 4 + 3;
            const uint32_t rr = std::min<uint32_t>(31, step * (red + 1) / 3);
            const uint32_t gg = std::min<uint32_t>(31, step * (green + 1) / 3);
            const uint32_t bb = std::min<uint32_t>(31, step * (blue + 1) / 3);
            img.Put16(0x126000 + 16 * p + 2 * c, static_cast<uint16_t>(rr | (gg << 5) | (bb << 10)));
        }
    }
}

} // namespace quorvex::synth
