// The battle editor's and the actors editor's tables of the synthetic image:
// command attributes and targeting, MagiTek slots, blitz button sequences,
// dances, natural magic, technique levels, lores and rages, with names for
// the commands, statuses, dances and sword techniques. Filled last, from a
// generator of their own, so the other parts keep their data.
#include <algorithm>

#include "SynthImage.h"

namespace quorvex::synth {

namespace {

// Targeting bytes the game's commands and attacks use.
const uint8_t kTargetings[] = {0x00, 0x01, 0x03, 0x2A, 0x41, 0x43, 0x44, 0x48, 0x4B, 0x6A, 0xC0, 0x08, 0x21};

uint8_t AnyTargeting(Rng& r) { return kTargetings[r.Range(0, sizeof kTargetings - 1)]; }

void FillCommands(SynthImage& img, Rng& r)
{
    for (uint32_t c = 0; c < 32; ++c) {
        img.rom[0xFFE00 + 2 * c] = static_cast<uint8_t>(r.Range(0, 15) | (r.Range(0, 7) == 0 ? 0x10 : 0));
        img.rom[0xFFE00 + 2 * c + 1] = AnyTargeting(r);
    }
    // MagiTek: eight targeting bytes, the first actor's eight attacks, then
    // the other actors' four attacks and four empty slots.
    const uint32_t magitek = img.Jp() ? 0x190B7 : img.opts.version == 0 ? 0x19104 : 0x19101;
    for (uint32_t s = 0; s < 8; ++s) {
        img.rom[magitek + s] = AnyTargeting(r);
        img.rom[magitek + 8 + s] = static_cast<uint8_t>(s);
        img.rom[magitek + 16 + s] = static_cast<uint8_t>(s < 4 ? s : 0xFF);
    }
}

void FillBlitzes(SynthImage& img, Rng& r)
{
    for (uint32_t b = 0; b < 8; ++b) {
        uint8_t rec[12] = {};
        // One sequence uses all eleven presses; one has leftovers after its end.
        const uint32_t presses = b == 7 ? 11 : r.Range(2, 9);
        for (uint32_t i = 0; i < presses; ++i)
            rec[i] = static_cast<uint8_t>(r.Range(1, 14));
        if (b == 5)
            rec[presses + 1] = static_cast<uint8_t>(r.Range(1, 14));
        rec[11] = static_cast<uint8_t>(2 * presses);
        img.Put(0x47A40 + 12 * b, rec, 12);
    }
}

void FillDances(SynthImage& img, Rng& r)
{
    // Battle background identifiers, one of them the "???" byte.
    static const uint8_t kBackgrounds[8] = {0, 3, 6, 16, 28, 36, 45, 0xFF};
    for (uint32_t d = 0; d < 8; ++d) {
        for (uint32_t m = 0; m < 4; ++m)
            img.rom[0xFFE80 + 4 * d + m] = static_cast<uint8_t>(r.Range(101, 124));
        img.rom[0x11F9AB + d] = kBackgrounds[d];
    }
}

void FillActorAbilities(SynthImage& img, Rng& r)
{
    // Natural magic: sixteen spells each, learnt at rising levels.
    for (uint32_t a = 0; a < 2; ++a) {
        uint32_t level = 1;
        for (uint32_t k = 0; k < 16; ++k) {
            level = std::min<uint32_t>(99, level + r.Range(1, 6));
            img.rom[0x2CE3C0 + 32 * a + 2 * k] = static_cast<uint8_t>(r.Range(0, 53));
            img.rom[0x2CE3C0 + 32 * a + 2 * k + 1] = static_cast<uint8_t>(level);
        }
    }
    // Sword techniques, then blitzes: levels rising from 1.
    for (uint32_t group = 0; group < 2; ++group) {
        uint32_t level = 1;
        for (uint32_t k = 0; k < 8; ++k) {
            img.rom[0x26F490 + 8 * group + k] = static_cast<uint8_t>(level);
            level = std::min<uint32_t>(99, level + r.Range(3, 12));
        }
    }
    // Lores and rages known from the start.
    for (uint32_t i = 0; i < 3; ++i)
        img.rom[0x26F564 + i] = static_cast<uint8_t>(r.Next() & r.Next());
    img.rom[0x26F564] |= 0x01;
    for (uint32_t i = 0; i < 32; ++i)
        img.rom[0x47AA0 + i] = static_cast<uint8_t>(r.Next() & r.Next() & r.Next());
}

} // namespace

void FillBattleAndActors(SynthImage& img)
{
    Rng r(img.opts.seed ^ 0xBA77E);
    FillCommands(img, r);
    FillBlitzes(img, r);
    FillDances(img, r);
    FillActorAbilities(img, r);
    const bool jp = img.Jp();
    PutNameList(img, 0x2ADE1, 32, jp ? 7 : 10);           // statuses
    PutNameList(img, jp ? 0x2CE300 : 0x18CEA0, 32, jp ? 6 : 7); // battle commands
    PutNameList(img, jp ? 0x2D7C51 : 0x26FF9D, 8, jp ? 8 : 12); // dances
    PutNameList(img, jp ? 0x11F9D0 : 0xF3C40, 8, jp ? 6 : 12);  // sword techniques
}

} // namespace quorvex::synth
