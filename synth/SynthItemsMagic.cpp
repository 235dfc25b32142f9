// Items, shops, spells and espers of the synthetic image, with their menu
// descriptions, item type names, esper battle quotes and bonus texts:
// records whose fields hold what the game's own would (weapons with attack
// power and equippers, armour with defence, items that heal, spells with
// MP costs and effects), at each release's places. Blocks whose place a
// release does not have are left as the random bytes underneath.
#include <string>

#include "SynthImage.h"
#include "editors/ItemTables.h"
#include "editors/MagicTables.h"
#include "text/TextTables.h"

namespace quorvex::synth {

namespace {

// Item kinds by item number, laid out as the game lays them out.
uint8_t KindOf(uint32_t item)
{
    if (item < 90)
        return 1; // weapons
    if (item < 100)
        return 3; // shields
    if (item < 130)
        return 4; // helmets
    if (item < 163)
        return 2; // armour
    if (item < 171)
        return 0; // tools
    if (item < 176)
        return 1; // throwing weapons
    return item < 231 ? 5 : 6; // relics, then items
}

// A signed stat nibble: mostly none, sometimes +1..+3 or -1..-2.
uint8_t StatNibble(Rng& r)
{
    const uint32_t k = r.Range(0, 9);
    return static_cast<uint8_t>(k < 6 ? 0 : k < 9 ? r.Range(1, 3) : r.Range(9, 10));
}

uint8_t Sparse(Rng& r) { return static_cast<uint8_t>(r.Next() & r.Next() & r.Next()); }

void FillItems(SynthImage& img, Rng& r)
{
    for (uint32_t i = 0; i < 256; ++i) {
        uint8_t rec[30] = {};
        const uint8_t kind = KindOf(i);
        const bool weapon = kind == 1, item = kind == 6, tool = kind == 0;
        uint8_t flags = 0;
        if (weapon && r.Range(0, 5) == 0)
            flags |= 0x10; // can be thrown
        if (item || tool)
            flags |= item ? 0x60 : 0x20;
        rec[0] = static_cast<uint8_t>(kind | flags);
        const uint16_t equip = item ? 0 : static_cast<uint16_t>(r.Range(1, 0x3FFF));
        rec[1] = static_cast<uint8_t>(equip);
        rec[2] = static_cast<uint8_t>(equip >> 8);
        if ((kind == 2 || kind == 5) && r.Range(0, 3) == 0) {
            rec[3] = static_cast<uint8_t>(r.Range(1, 20)); // learn rate
            rec[4] = static_cast<uint8_t>(r.Range(0, 53)); // spell learnt
        } else {
            rec[4] = 0xFF;
        }
        for (int b = 5; b <= 13; ++b)
            rec[b] = kind == 5 || kind >= 2 ? Sparse(r) : 0;
        rec[14] = item || tool ? static_cast<uint8_t>(r.Range(0, 3) == 0 ? 0x41 : 0x01) : 0x01;
        rec[15] = Sparse(r);
        rec[16] = static_cast<uint8_t>(StatNibble(r) << 4 | StatNibble(r));
        rec[17] = static_cast<uint8_t>(StatNibble(r) << 4 | StatNibble(r));
        rec[18] = static_cast<uint8_t>(r.Range(0, 63));
        if (weapon && r.Range(0, 4) == 0)
            rec[18] |= 0x40; // randomly cast
        if (item)
            rec[18] |= 0x80; // used up
        rec[19] = weapon ? static_cast<uint8_t>(r.Next() & 0xE2) : Sparse(r);
        rec[20] = static_cast<uint8_t>(weapon || tool ? r.Range(10, 250) : item ? r.Range(0, 255) : r.Range(1, 100));
        rec[21] = static_cast<uint8_t>(weapon || tool ? r.Range(100, 222) : r.Range(0, 80));
        for (int b = 22; b <= 25; ++b)
            rec[b] = kind >= 2 ? Sparse(r) : 0;
        const uint8_t evade = static_cast<uint8_t>(r.Range(0, 3) == 0 ? r.Range(1, 10) : 0);
        const uint8_t block = static_cast<uint8_t>(r.Range(0, 3) == 0 ? r.Range(1, 10) : 0);
        rec[26] = static_cast<uint8_t>(block << 4 | evade);
        rec[27] = static_cast<uint8_t>(r.Range(0, 15) << 4 | r.Range(0, 15));
        const uint32_t price = i == 255 ? 0 : r.Range(1, 600) * (kind == 6 ? 10 : 100);
        rec[28] = static_cast<uint8_t>(price);
        rec[29] = static_cast<uint8_t>(price >> 8);
        img.Put(kItemRecordsRom + 30 * i, rec, 30);
    }
    for (uint32_t s = 0; s < 128; ++s) {
        uint8_t shop[9];
        const uint32_t kind = r.Range(0, 5);
        const uint32_t pricing = r.Range(0, 4) == 0 ? r.Range(1, 6) : 0;
        shop[0] = static_cast<uint8_t>(kind | pricing << 3 | (r.Range(0, 30) == 0 ? 0xC0 : 0));
        const int stock = kind == 0 ? 0 : static_cast<int>(r.Range(2, 8));
        for (int k = 1; k < 9; ++k)
            shop[k] = k <= stock ? static_cast<uint8_t>(r.Range(0, 0xFE)) : 0xFF;
        img.Put(kShopsRom + 9 * s, shop, 9);
    }
}

// The codes the battle and menu tables give letters and digits. The space
// is 0xFF in running text and 0xFE in fixed names, whose 0xFF fills.
uint8_t Letter(char c, uint8_t space)
{
    if (c >= '0' && c <= '9')
        return static_cast<uint8_t>(0xB4 + c - '0');
    if (c >= 'a' && c <= 'z')
        return static_cast<uint8_t>(0x9A + c - 'a');
    if (c >= 'A' && c <= 'Z')
        return static_cast<uint8_t>(0x80 + c - 'A');
    return space;
}

std::vector<uint8_t> Letters(const std::string& text, uint8_t space = 0xFF)
{
    std::vector<uint8_t> out;
    for (char c : text)
        out.push_back(Letter(c, space));
    return out;
}

// Plain text of exactly `len` letters and spaces, not ending in a space.
std::vector<uint8_t> TextOfLength(Rng& r, size_t len)
{
    static const char* const kWords[] = {"sharp", "blade", "heals", "all", "foes", "ally", "guards", "against",
                                         "fire", "cuts", "hp", "mp", "raises", "speed", "magic", "when", "worn"};
    std::string t;
    while (t.size() < len)
        t += std::string(t.empty() ? "" : " ") + kWords[r.Range(0, std::size(kWords) - 1)];
    t.resize(len);
    if (!t.empty() && t.back() == ' ')
        t.back() = 's';
    if (!t.empty())
        t[0] = static_cast<char>(t[0] - 'a' + 'A');
    return Letters(t);
}

// The North American item descriptions, laid out as the game's own are
// where the repair cuts them: the eight tools 163-170 end in the line
// "Use with Tools command", which starts exactly at the offsets the repair
// ends those descriptions at.
std::vector<std::vector<uint8_t>> UsItemDescriptions(Rng& r)
{
    static const uint32_t kCuts[] = {0x8E2, 0x913, 0x944, 0x97A, 0x9AD, 0x9E4, 0xA1C, 0xA4E};
    std::vector<uint8_t> line = {0x01};
    const std::vector<uint8_t> words = Letters("Use with Tools command");
    line.insert(line.end(), words.begin(), words.end());
    const uint32_t firstPrefix = 20;
    const uint32_t before = kCuts[0] - firstPrefix; // bytes items 0-162 use with their ends
    std::vector<std::vector<uint8_t>> strings;
    uint32_t used = 0;
    for (uint32_t i = 0; i < 163; ++i) {
        const uint32_t left = before - used, after = 162 - i;
        const uint32_t len = i == 162 ? left - 1 : std::min<uint32_t>(r.Range(3, 19), left - 1 - after);
        strings.push_back(TextOfLength(r, len));
        used += len + 1;
    }
    uint32_t start = before;
    for (uint32_t cut : kCuts) {
        std::vector<uint8_t> s = TextOfLength(r, cut - start);
        s.insert(s.end(), line.begin(), line.end());
        start = cut + static_cast<uint32_t>(line.size()) + 1;
        strings.push_back(std::move(s));
    }
    while (strings.size() < 256)
        strings.push_back(SynthBattleString(r, false, r.Range(1, 4)));
    return strings;
}

std::vector<std::vector<uint8_t>> Texts(Rng& r, bool jp, int count, uint32_t minWords, uint32_t maxWords)
{
    std::vector<std::vector<uint8_t>> v;
    for (int i = 0; i < count; ++i)
        v.push_back(SynthBattleString(r, jp, r.Range(minWords, maxWords)));
    return v;
}

// Fixed-size names padded with 0xFF.
void PutNames(SynthImage& img, uint32_t at, const std::vector<std::string>& names, size_t len)
{
    for (size_t i = 0; i < names.size(); ++i) {
        std::vector<uint8_t> n = Letters(names[i].substr(0, len), 0xFE);
        n.resize(len, 0xFF);
        img.Put(at + static_cast<uint32_t>(i * len), n);
    }
}

void FillTexts(SynthImage& img, Rng& r)
{
    const bool jp = img.Jp();
    const uint8_t romType = img.opts.romType;
    PutTextBlock16(img, ItemDescriptionPlace(romType), jp ? Texts(r, true, 256, 1, 4) : UsItemDescriptions(r));
    // Each block the release has, with texts of a plausible length.
    struct Block {
        const TextBlockPlace* at;
        uint32_t minWords, maxWords;
    };
    const Block blocks[] = {
        {SpellDescriptionPlace(romType, kMagicDesc), 2, 5},
        {SpellDescriptionPlace(romType, kEsperAttackDesc), 2, 5},
        {SpellDescriptionPlace(romType, kLoreDesc), 2, 4},
        {RareItemDescriptionPlace(romType), 3, 6},
        {EsperBonusDescriptionPlace(romType), 1, 3},
    };
    for (const Block& b : blocks)
        if (b.at)
            PutTextBlock16(img, *b.at, Texts(r, jp, b.at->count, b.minWords, b.maxWords));
    if (jp)
        return;
    PutNames(img, kBonusNamesRom,
             {"HP 10", "HP 30", "HP 50", "MP 10", "MP 30", "MP 50", "HP 100", "Lv up", "Vigor 1", "Vigor 2",
              "Speed 1", "Speed 2", "Stamina 1", "Stamina 2", "Magic 1", "Magic 2", "Evade 1"},
             kEsperBonusNameSize);
    PutNames(img, kItemTypeNamesRom,
             {"Tool", "Weapon", "Armor", "Shield", "Helmet", "Relic", "Item", "Kind 7", "Kind 8", "Kind 9",
              "Kind 10", "Kind 11", "Kind 12", "Kind 13", "Kind 14", "Kind 15"},
             kItemTypeNameLen);
    std::vector<std::string> quotes;
    for (int e = 0; e < 27; ++e)
        quotes.push_back(std::string(1, static_cast<char>('A' + e % 26)) + "storm " + std::to_string(e % 10));
    PutNames(img, kEsperQuotesRom, quotes, kEsperQuoteSize);
}

void FillSpellsAndEspers(SynthImage& img, Rng& r)
{
    static const uint8_t kEffects[] = {0x00, 0x00, 0x00, 0x01, 0x03, 0x1B, 0x1C, 0x1E, 0x19, 0x20, 0x21, 0x2F, 0x53};
    for (uint32_t s = 0; s < 256; ++s) {
        uint8_t rec[14] = {};
        const bool magic = s < 54;
        rec[0] = static_cast<uint8_t>(r.Range(0, 2) == 0 ? 0x2A : 0x21); // one or all, enemies by default
        rec[1] = static_cast<uint8_t>(r.Range(0, 2) == 0 ? 1u << r.Range(0, 7) : 0);
        rec[2] = Sparse(r);
        rec[3] = static_cast<uint8_t>(magic ? 0x01 | (r.Next() & 0x0A) : Sparse(r));
        rec[4] = Sparse(r);
        rec[5] = static_cast<uint8_t>(magic ? r.Range(1, 99) : s < 81 ? r.Range(20, 99) : 0);
        rec[6] = static_cast<uint8_t>(r.Range(0, 200));
        rec[7] = Sparse(r);
        rec[8] = static_cast<uint8_t>(r.Range(50, 150));
        rec[9] = kEffects[r.Range(0, std::size(kEffects) - 1)];
        for (int b = 10; b < 14; ++b)
            rec[b] = r.Range(0, 3) == 0 ? static_cast<uint8_t>(1u << r.Range(0, 7)) : 0;
        img.Put(kSpellsRom + 14 * s, rec, 14);
    }
    const uint32_t espers = img.Jp() ? kEspersRomJp : kEspersRomUs;
    for (uint32_t e = 0; e < 27; ++e) {
        uint8_t rec[11];
        for (int k = 0; k < 5; ++k) {
            const bool teaches = k < static_cast<int>(r.Range(1, 5));
            rec[2 * k] = static_cast<uint8_t>(teaches ? r.Range(1, 20) : 0);
            rec[2 * k + 1] = static_cast<uint8_t>(teaches ? r.Range(0, 53) : 0xFF);
        }
        rec[10] = static_cast<uint8_t>(r.Range(0, 3) == 0 ? 0xFF : r.Range(0, 16));
        img.Put(espers + 11 * e, rec, 11);
    }
}

} // namespace

void FillItemsAndMagic(SynthImage& img)
{
    // A generator of its own, so the other parts' random streams do not
    // depend on these tables.
    Rng r(img.opts.seed * 2246822519u + 0x17E5);
    FillItems(img, r);
    FillSpellsAndEspers(img, r);
    FillTexts(img, r);
}

} // namespace quorvex::synth
