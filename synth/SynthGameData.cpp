// Monsters, formations, packs, zones, items, spells, actors and the other
// game tables of the synthetic image: records with plausible values in
// every field, so the editors have something real-looking to show.
#include <algorithm>

#include "SynthImage.h"

namespace quorvex::synth {

namespace {

void FillMonsters(SynthImage& img)
{
    Rng& r = img.rng;
    for (uint32_t m = 0; m < 384; ++m) {
        uint8_t rec[32] = {};
        const uint32_t tier = m / 32; // later monsters are stronger
        rec[0] = static_cast<uint8_t>(r.Range(20, 40) + tier * 4);           // speed
        rec[1] = static_cast<uint8_t>(r.Range(5, 15) + tier * 6);            // battle power
        rec[2] = static_cast<uint8_t>(r.Range(90, 160));                     // hit rate
        rec[3] = static_cast<uint8_t>(r.Range(0, 30));                       // attack block
        rec[4] = static_cast<uint8_t>(r.Range(0, 30));                       // magic block
        rec[5] = static_cast<uint8_t>(r.Range(50, 140));                     // defence
        rec[6] = static_cast<uint8_t>(r.Range(50, 160));                     // magic defence
        rec[7] = static_cast<uint8_t>(r.Range(3, 12) + tier);                // magic power
        const uint32_t hp = std::min<uint32_t>(65535, 40 + m * m / 3 + r.Range(0, 200));
        rec[8] = static_cast<uint8_t>(hp);
        rec[9] = static_cast<uint8_t>(hp >> 8);
        const uint32_t mp = r.Range(0, 30) * (tier + 1) * 10;
        rec[10] = static_cast<uint8_t>(mp);
        rec[11] = static_cast<uint8_t>(mp >> 8);
        const uint32_t exp = std::min<uint32_t>(65535, 20 + m * 40);
        rec[12] = static_cast<uint8_t>(exp);
        rec[13] = static_cast<uint8_t>(exp >> 8);
        const uint32_t gold = std::min<uint32_t>(65535, 10 + m * 25);
        rec[14] = static_cast<uint8_t>(gold);
        rec[15] = static_cast<uint8_t>(gold >> 8);
        rec[16] = static_cast<uint8_t>(std::min<uint32_t>(99, 1 + m / 4));   // level
        rec[17] = static_cast<uint8_t>(r.Range(0, 31) | (r.Range(0, 7) << 5)); // morph pack and rate
        rec[18] = static_cast<uint8_t>(r.Next() & r.Next());                 // sparse flags
        rec[19] = static_cast<uint8_t>(r.Next() & r.Next() & r.Next());
        for (int i = 20; i < 32; ++i)
            rec[i] = static_cast<uint8_t>(r.Next() & r.Next() & r.Next());
        img.Put(0xF0000 + 32 * m, rec, 32);

        // Items: steal rare/common, win rare/common (0xFF = none).
        uint8_t items[4];
        for (uint8_t& it : items)
            it = r.Range(0, 3) == 0 ? 0xFF : static_cast<uint8_t>(r.Range(0, 0xFE));
        img.Put(0xF3000 + 4 * m, items, 4);
        img.rom[0xF37C0 + m] = static_cast<uint8_t>(r.Range(0, 0x7F));

        // Control (4 attacks), sketch (2), rage (2, monsters 0-255).
        for (int k = 0; k < 4; ++k)
            img.rom[0xF3D00 + 4 * m + k] = static_cast<uint8_t>(r.Range(0xEE, 0xFE));
        for (int k = 0; k < 2; ++k)
            img.rom[0xF4300 + 2 * m + k] = static_cast<uint8_t>(r.Range(0xEE, 0xFE));
        if (m < 256)
            for (int k = 0; k < 2; ++k)
                img.rom[0xF4600 + 2 * m + k] = static_cast<uint8_t>(r.Range(0xEE, 0xFE));
    }
}

void FillFormations(SynthImage& img)
{
    Rng& r = img.rng;
    for (uint32_t f = 0; f < 576; ++f) {
        uint8_t rec[15] = {};
        const uint32_t slots = r.Range(1, 6);
        rec[0] = static_cast<uint8_t>(r.Range(0, 15) << 4);
        uint8_t high = 0;
        const uint32_t species = r.Range(0, 383);
        for (uint32_t s = 0; s < 6; ++s) {
            uint32_t monster = 511; // the game's empty slot
            if (s < slots) {
                rec[1] |= static_cast<uint8_t>(1u << s);
                // Line-ups mostly repeat one species, sometimes mix another.
                monster = r.Range(0, 3) == 0 ? r.Range(0, 383) : species;
            }
            rec[2 + s] = static_cast<uint8_t>(monster);
            high |= static_cast<uint8_t>(((monster >> 8) & 1) << s);
            const uint32_t x = r.Range(0, 12), y = r.Range(1, 12);
            rec[8 + s] = static_cast<uint8_t>((x << 4) | y);
        }
        rec[14] = high;
        img.Put(0xF6200 + 15 * f, rec, 15);

        uint8_t opts[4];
        opts[0] = static_cast<uint8_t>(r.Range(0, 55));     // background
        opts[1] = static_cast<uint8_t>(r.Next() & 0x0F);
        opts[2] = static_cast<uint8_t>(r.Range(0, 3));
        opts[3] = static_cast<uint8_t>(r.Next() & r.Next());
        img.Put(0xF5900 + 4 * f, opts, 4);
    }
    const uint32_t magicPts = img.Jp() ? 0x10FE00 : 0x1FB400;
    for (uint32_t f = 0; f < 512; ++f)
        img.rom[magicPts + f] = static_cast<uint8_t>(r.Range(0, 3) == 0 ? r.Range(1, 10) : 0);

    // Packs of four and of two: formation numbers.
    for (uint32_t p = 0; p < 256; ++p) {
        for (int k = 0; k < 4; ++k)
            img.Put16(0xF4800 + 8 * p + 2 * k, static_cast<uint16_t>(r.Range(0, 575)));
        for (int k = 0; k < 2; ++k)
            img.Put16(0xF5000 + 4 * p + 2 * k, static_cast<uint16_t>(r.Range(0, 575)));
        // Zones: a pack per terrain, and the encounter rates.
        for (int k = 0; k < 4; ++k)
            img.rom[0xF5400 + 4 * p + k] = static_cast<uint8_t>(r.Range(0, 255));
        img.rom[0xF5800 + p] = static_cast<uint8_t>(r.Next() & 0xFF);
    }
    // Colosseum: item wagered, monster fought, prize, hidden prize flag.
    const uint32_t colosseum = img.Jp() ? 0x10F200 : 0x1FB600;
    for (uint32_t i = 0; i < 256; ++i) {
        const uint8_t entry[4] = {static_cast<uint8_t>(r.Range(0, 0xFE)), static_cast<uint8_t>(r.Range(0, 255)),
                                  static_cast<uint8_t>(r.Range(0, 0xFE)), static_cast<uint8_t>(r.Range(0, 1) ? 0xFF : 0)};
        img.Put(colosseum + 4 * i, entry, 4);
    }
}

void FillItemsSpellsActors(SynthImage& img)
{
    Rng& r = img.rng;
    for (uint32_t i = 0; i < 256; ++i) {
        uint8_t rec[30];
        for (uint8_t& b : rec)
            b = static_cast<uint8_t>(r.Next() & r.Next());
        rec[0] = static_cast<uint8_t>(r.Range(0, 6)); // item type
        img.Put(0x185000 + 30 * i, rec, 30);
    }
    for (uint32_t s = 0; s < 128; ++s) {
        uint8_t shop[9];
        shop[0] = static_cast<uint8_t>(r.Range(0, 5));
        for (int k = 1; k < 9; ++k)
            shop[k] = k < 1 + static_cast<int>(r.Range(2, 8)) ? static_cast<uint8_t>(r.Range(0, 0xFE)) : 0xFF;
        img.Put(0x47AC0 + 9 * s, shop, 9);
    }
    for (uint32_t p = 0; p < 32; ++p)
        for (int k = 0; k < 4; ++k)
            img.rom[0x47F40 + 4 * p + k] = static_cast<uint8_t>(r.Range(0, 0xFE));
    for (uint32_t s = 0; s < 256; ++s)
        for (int k = 0; k < 14; ++k)
            img.rom[0x46AC0 + 14 * s + k] = static_cast<uint8_t>(k < 2 ? r.Range(0, 99) : (r.Next() & r.Next()));
    // Actor startup records: extra HP and MP, four commands, nine
    // statistics, six pieces of equipment and the flags byte.
    static const uint32_t kLow[22] = {10, 0, 0, 0, 0, 0, 20, 20, 20, 20, 10, 40, 30, 0, 0, 0, 90, 120, 160, 200, 200, 0};
    static const uint32_t kHigh[22] = {60, 30, 31, 31, 31, 31, 60, 60, 60, 60, 60, 120, 110, 40, 30, 89, 119, 159, 199, 255, 255, 255};
    for (uint32_t a = 0; a < 64; ++a)
        for (int k = 0; k < 22; ++k)
            img.rom[0x2D7CA0 + 22 * a + k] = static_cast<uint8_t>(r.Range(kLow[k], kHigh[k]));
    // Growth per level: HP and MP gains, and the experience table rising.
    for (uint32_t l = 0; l < 98; ++l) {
        img.rom[0x26F4A0 + l] = static_cast<uint8_t>(20 + l / 3 + r.Range(0, 5));
        img.rom[0x26F502 + l] = static_cast<uint8_t>(3 + l / 10 + r.Range(0, 2));
        img.Put16(0x2D8220 + 2 * l, static_cast<uint16_t>(std::min<uint32_t>(65535, 32 + l * l * 6)));
    }
}

} // namespace

void FillGameData(SynthImage& img)
{
    FillMonsters(img);
    FillFormations(img);
    FillItemsSpellsActors(img);
}

} // namespace quorvex::synth
