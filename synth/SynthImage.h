#pragma once
// Building blocks shared by the parts of the synthetic image builder. Each
// subsystem fills its own tables from its own file (SynthText.cpp,
// SynthGraphics.cpp, ...), so the parts grow independently.
#include <cstdint>
#include <string>
#include <vector>

#include "SyntheticImage.h"

namespace quorvex::synth {

// Deterministic pseudo-random numbers (xorshift32).
class Rng {
public:
    explicit Rng(uint32_t seed) : m_state(seed ? seed : 1) {}
    uint32_t Next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    // Uniform in [lo, hi].
    uint32_t Range(uint32_t lo, uint32_t hi) { return lo + Next() % (hi - lo + 1); }
    uint8_t Byte() { return static_cast<uint8_t>(Next() >> 11); }

private:
    uint32_t m_state;
};

// The image under construction, addressed by ROM offset (no header).
struct SynthImage {
    std::vector<uint8_t> rom;
    const SynthOptions& opts;
    Rng rng;

    SynthImage(size_t size, const SynthOptions& o) : rom(size), opts(o), rng(o.seed) {}

    bool Jp() const { return opts.romType == 2; }
    void Put(uint32_t romOffset, const std::vector<uint8_t>& bytes);
    void Put(uint32_t romOffset, const uint8_t* bytes, size_t n);
    void Fill(uint32_t romOffset, size_t n, uint8_t value);
    void Put16(uint32_t romOffset, uint16_t v);
    void Put24(uint32_t romOffset, uint32_t v);
    bool Holds(uint32_t romOffset, size_t n) const { return romOffset + n <= rom.size(); }
};

// Bytes of third town-dialogue page that the dialogue part used; the
// world-map part lays expanded blocks after them.
uint32_t SynthThirdPageUsed(const SynthImage& img);

// The parts, in the order they are applied.
void FillCodeAndHeader(SynthImage& img);   // title, version, detected code sequences
void FillBattleScripts(SynthImage& img);
void FillNames(SynthImage& img);           // name lists
void FillText(SynthImage& img);            // text blocks, dual-tile table, dialogue
void FillGraphics(SynthImage& img);        // fonts, palettes, monster graphics, backgrounds
void FillSpritesAndWallpapers(SynthImage& img); // field sprites and window wallpapers (part of FillGraphics)
void FillAudio(SynthImage& img);           // instrument samples
void FillGameData(SynthImage& img);        // monsters, formations, items, spells, actors...
void FillBattleAnimations(SynthImage& img); // battle animation records and palettes
void FillWorldMaps(SynthImage& img);       // compressed world-map blocks and their pointers

} // namespace quorvex::synth
