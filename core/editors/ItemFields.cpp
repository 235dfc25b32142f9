#include "editors/ItemFields.h"

#include "text/TextPage.h"

namespace quorvex {

namespace {

// Evade nibble -> slider position; the slider is a permutation of 0-15.
constexpr int kEvadeSlider[16] = {8, 9, 10, 11, 12, 13, 7, 6, 5, 4, 3, 2, 1, 0, 14, 15};
constexpr const char* kEvadeText[11] = {"0", "+10", "+20", "+30", "+40", "+50", "-10", "-20", "-30", "-40", "-50"};

const ItemCaptions kCaptionSets[4] = {
    {"Weak", "50% absorb", "No effects", "Absorb HP", "Magic effect", "Byte 19",
     {"Special 1", "Special 2", "Special 3", "Special 4"}},
    {"Sp. status 1", "Sp. status 2", "Sp. status 3", "Btl. Status", "", "Attributes",
     {"Byte 10", "Byte 11", "Byte 12", "Byte 13"}},
    {"Sp. status 1", "Sp. status 2", "Sp. status 3", "Sp. status 4", "", "Sp. status 5",
     {"Byte 10", "Byte 11", "Byte 12", "Byte 13"}},
    {"Byte 24", "Attack", "Byte 23", "Byte 22", "Magic Effect", "Properties",
     {"Special 1", "Special 2", "Special 3", "Special 4"}},
};

const char* const kExtraEffects[16] = {
    "0x0: Normal",
    "0x1: Randomly steal",
    "0x2: Atma wpn. gfx. at high lev.",
    "0x3: Randomly kill",
    "0x4: 2x damage for humans",
    "0x5: Drain HP",
    "0x6: Drain MP",
    "0x7: Uses MP for mortal blow",
    "0x8: Randomly throw weapon",
    "0x9: Replace gfx. with dices throw",
    "0xA: Stronger on low HP",
    "0xB: Randomly cast wind slash",
    "0xC: Curative attributes",
    "0xD: Randomly slice",
    "0xE: ? (ogre nix breaks)",
    "0xF: ?",
};

const char* const kEvadeAnims[16] = {
    "0x0: Nothing",          "0x1: Nothing",          "0x2: Nothing",
    "0x3: Nothing",          "0x4: Knife (evade)",    "0x5: Sword (evade)",
    "0x6: Buckler (evade)",  "0x7: Red cape swirl (evade)", "0x8: Nothing",
    "0x9: Nothing",          "0xA: Buckler (Mblock)", "0xB: Nothing",
    "0xC: Knife (evade)",    "0xD: Sword (evade)",    "0xE: Buckler (evade & Mblock)",
    "0xF: Red cape swirl (evade)",
};

const char* const kShopKinds[8] = {"0: blank", "1: weapon", "2: armor",   "3: item",
                                   "4: relic", "5: vendor", "6: unknown", "7: unknown"};
const char* const kShopPricing[8] = {"0: regular",
                                     "1: 1.5x",
                                     "2: 2x",
                                     "3: half if male lead, else 1.5x",
                                     "4: half if female lead, else 1.5x",
                                     "5: half if male lead, else 1.5x",
                                     "6: half if Edgar lead, else reg.",
                                     "7: illegal (makes the game bug)"};

} // namespace

const char* const kItemKindFlagLabels[4] = {"Can be thrown", "Usable in battle", "Usable in menu", "Bit 7"};
const char* const kItemEffectLabels[8] = {"Bit 0", "1/2 encounters", "No encounters", "Bit 3",
                                          "Bit 4", "Sprint shoes",   "Bit 6",         "Bit 7"};
const char* const kItemBonusLabels[8] = {"Raise fight dmg.", "Raise magic dmg.", "HP +25%", "HP +50%",
                                         "HP +12.5%",        "MP +25%",          "MP +50%", "MP +12.5%"};
const char* const kItemStatusLabels[8] = {"Bit 0", "Bit 1", "Bit 2", "Bit 3", "Bit 4", "Bit 5", "Bit 6", "Bit 7"};
const char* const kWeaponPropertyLabels[8] = {"Bit 0", "SwdTech",        "Bit 2",    "Bit 3",
                                              "Bit 4", "Same dmg. back", "Two hand", "Runic"};
const char* const kTargetingLabels[8] = {"Cursor moveable",  "One side only",    "Auto sel. both parties",
                                         "Auto sel. one party", "Auto accept", "Multiple sel. possible",
                                         "Enemy by default", "Random target"};
const char* const kStatus4Labels[8] = {"Rage", "Freeze", "Life 3", "Morph", "Chant", "Disappear", "Dog block", "Float"};

std::string StatNibbleText(int nibble)
{
    nibble &= 0xF;
    return nibble < 8 ? Format("+%d", nibble) : Format("-%d", nibble - 8);
}

int StatNibbleToSlider(int nibble)
{
    nibble &= 0xF;
    return nibble < 8 ? nibble + 8 : 15 - nibble;
}

int StatSliderToNibble(int slider)
{
    slider &= 0xF;
    return slider >= 8 ? slider - 8 : 15 - slider;
}

std::string EvadeNibbleText(int nibble)
{
    nibble &= 0xF;
    return nibble <= 10 ? kEvadeText[nibble] : "NA";
}

int EvadeNibbleToSlider(int nibble) { return kEvadeSlider[nibble & 0xF]; }

int EvadeSliderToNibble(int slider)
{
    for (int n = 0; n < 16; ++n)
        if (kEvadeSlider[n] == (slider & 0xF))
            return n;
    return 0;
}

const char* ItemPowerLabel(int kind)
{
    if (kind == 0 || kind == 1)
        return "Bat power";
    return kind == 6 ? "Give/lift HP/MP" : "Def. points";
}

const char* ItemHitLabel(int kind)
{
    if (kind == 0 || kind == 1)
        return "Hit rate";
    return kind == 6 ? "Bit wize" : "Magic def.";
}

int ItemCaptionSet(int kind)
{
    switch (kind) {
    case 0:
    case 1: return 3;
    case 2:
    case 3:
    case 4: return 0;
    case 5: return 2;
    default: return 1;
    }
}

const ItemCaptions& ItemCaptionsOf(int set) { return kCaptionSets[set & 3]; }

const char* ItemExtraEffectText(int value) { return kExtraEffects[value & 0xF]; }
const char* ItemEvadeAnimText(int value) { return kEvadeAnims[value & 0xF]; }

const char* ShopKindText(int kind) { return kShopKinds[kind & 7]; }
const char* ShopPricingText(int pricing) { return kShopPricing[pricing & 7]; }

} // namespace quorvex
