// Name lists of the synthetic image: made-up names built from syllables,
// written in the menu encoding at each list's place and width for the
// release, padded with 0xFF.
#include <string>

#include "SynthImage.h"

namespace quorvex::synth {

namespace {

// Menu codes of the characters the generator uses (the names editor's
// typing table, so every name can be typed back).
int MenuCode(char ch)
{
    if (ch >= 'A' && ch <= 'Z')
        return 0x80 + (ch - 'A');
    if (ch >= 'a' && ch <= 'z')
        return 0x9A + (ch - 'a');
    if (ch >= '0' && ch <= '9')
        return 0xB4 + (ch - '0');
    switch (ch) {
    case '!': return 0xBE;
    case '?': return 0xBF;
    case '\'': return 0xC3;
    case '-': return 0xC4;
    case '.': return 0xC5;
    case ' ': return 0xFE;
    default: return 0xFE;
    }
}

const char* const kSyllables[] = {"ga", "lo", "mor", "fen", "dra", "ke", "zu", "rin", "tol", "va", "shi",
                                  "bel", "cro", "an", "ur", "ix", "pe", "sa", "gor", "ny", "le", "qua",
                                  "ho", "ma", "ter", "bo", "win", "sel", "dy", "ra", "om", "kle"};
const char* const kSuffixes[] = {"", "", "", " 2", "-X", "!", "er", "oid", "'s", " Jr.", "an", "ite"};

// A word of one to four syllables, capitalised, at most maxLen characters.
std::string MakeWord(Rng& rng, size_t maxLen)
{
    std::string w;
    const uint32_t parts = rng.Range(1, 4);
    for (uint32_t i = 0; i < parts; ++i)
        w += kSyllables[rng.Range(0, sizeof kSyllables / sizeof kSyllables[0] - 1)];
    w += kSuffixes[rng.Range(0, sizeof kSuffixes / sizeof kSuffixes[0] - 1)];
    if (rng.Range(0, 5) == 0)
        w.insert(0, std::string("Mag ")); // some names carry a space inside
    w[0] = static_cast<char>(w[0] >= 'a' && w[0] <= 'z' ? w[0] - 'a' + 'A' : w[0]);
    if (w.size() > maxLen)
        w.resize(maxLen);
    while (!w.empty() && w.back() == ' ')
        w.pop_back();
    // (w is empty here: appending, not assigning a literal, keeps g++ 12's
    // optimiser from a false overlap warning.)
    if (w.empty())
        w.push_back('X');
    return w;
}

// One name of `len` bytes; `icon` (0 for none) goes first, as the game
// shows item and spell kinds.
std::vector<uint8_t> MakeName(SynthImage& img, uint32_t len, uint8_t icon)
{
    std::vector<uint8_t> name(len, 0xFF);
    size_t at = 0;
    if (icon != 0 && len > 1)
        name[at++] = icon;
    if (img.Jp()) {
        // The Japanese menu characters: codes the menu font draws, never
        // the 0x00 end or the 0xFF padding.
        const uint32_t n = img.rng.Range(2, len - static_cast<uint32_t>(at));
        for (uint32_t i = 0; i < n; ++i)
            name[at++] = static_cast<uint8_t>(img.rng.Range(0x20, 0xD2));
        return name;
    }
    const std::string word = MakeWord(img.rng, len - at);
    for (char ch : word)
        name[at++] = static_cast<uint8_t>(MenuCode(ch));
    return name;
}

void PutList(SynthImage& img, uint32_t romOffset, uint32_t count, uint32_t len, uint8_t iconFirst = 0,
             uint8_t iconLast = 0)
{
    if (!img.Holds(romOffset, static_cast<size_t>(count) * len))
        return;
    for (uint32_t i = 0; i < count; ++i) {
        uint8_t icon = 0;
        if (iconFirst != 0 && img.rng.Range(0, 3) != 0)
            icon = static_cast<uint8_t>(img.rng.Range(iconFirst, iconLast));
        std::vector<uint8_t> name = MakeName(img, len, icon);
        // Now and then an entry is left blank, as unused slots are.
        if (img.rng.Range(0, 40) == 0)
            name.assign(len, 0xFF);
        img.Put(romOffset + i * len, name);
    }
}

} // namespace

void PutNameList(SynthImage& img, uint32_t romOffset, uint32_t count, uint32_t len)
{
    PutList(img, romOffset, count, len);
}

void FillNames(SynthImage& img)
{
    const bool jp = img.Jp();
    if (jp) {
        PutList(img, 0xFC800, 384, 8);
        PutList(img, 0x26F700, 256, 9);
        PutList(img, 0x2D7400, 54, 5);
        PutList(img, 0x2D750E, 27, 8);
        PutList(img, 0x2D75E6, 175, 8);
    } else {
        PutList(img, 0xFC050, 384, 10);
        PutList(img, 0x12B300, 256, 13, 0xD8, 0xE7); // weapon and armour icons
        PutList(img, 0x26F567, 54, 7, 0xE8, 0xEA);   // white, black and grey magic
        PutList(img, 0x26F6E1, 27, 8);
        PutList(img, 0x26F7B9, 175, 10);
    }
    PutList(img, 0xEFBA0, 20, jp ? 12 : 13);
    PutList(img, 0x478C0, 64, 6);

    // Monster special attack names, where the name routine says they are.
    uint32_t at = 0;
    uint32_t len = 0;
    if (jp) {
        at = 0xFD400;
        len = 8;
    } else {
        const uint32_t bankRom = static_cast<uint32_t>((img.opts.mbit == 32 ? 0xFD : 0xF5) - 0xC0) << 16;
        switch (img.opts.attackNames) {
        case AttackNameRoutine::Own: at = 0xFD0D0; len = 10; break;
        case AttackNameRoutine::ExpA: at = bankRom; len = 16; break;
        case AttackNameRoutine::ExpB: at = bankRom + 0x1000; len = 16; break;
        case AttackNameRoutine::Unknown: break;
        }
    }
    if (len != 0)
        PutList(img, at, 384, len);

    // The battle command names (North American release: 32 of 7 characters).
    if (!jp)
        PutList(img, 0x18CEA0, 32, 7);
}

} // namespace quorvex::synth
