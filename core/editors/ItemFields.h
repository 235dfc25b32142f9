#pragma once
// How the item editor shows the fields of an item record and of a shop: the
// signed nibbles of the stat and evade bonuses with their sliders, the
// captions that change with the item's kind, and the fixed lists.
//
// Item kinds (byte 0, bits 0-3): 0 tool, 1 weapon, 2 armour, 3 shield,
// 4 helmet, 5 relic, 6 item; the other values are not used by the game.
#include <string>

namespace quorvex {

// Stat bonus nibble (vigor, speed, stamina, magic power): 0-7 add 0-7,
// 8-15 take 0-7 away. The slider runs 0-15 with +0 in the middle at 8.
std::string StatNibbleText(int nibble); // "+3", "-1"
int StatNibbleToSlider(int nibble);
int StatSliderToNibble(int slider);

// Evade and magic block nibble: 0-5 add 0-50 %, 6-10 take 10-50 % away,
// 11-15 are not used ("NA"). The slider keeps +0 at 8, the bonuses above
// it, the maluses below, and the unused values at both ends.
std::string EvadeNibbleText(int nibble); // "0", "+10", "-20", "NA"
int EvadeNibbleToSlider(int nibble);
int EvadeSliderToNibble(int slider);

// Bytes 20 and 21: what they mean for this kind.
const char* ItemPowerLabel(int kind);  // "Bat power", "Give/lift HP/MP", "Def. points"
const char* ItemHitLabel(int kind);    // "Hit rate", "Bit wize", "Magic def."

// The captions of the advanced page, in four sets chosen by the kind.
struct ItemCaptions {
    const char* byte24;
    const char* byte15;
    const char* byte23;
    const char* byte22;
    const char* magicEffect;
    const char* byte19;
    const char* special[4]; // bytes 10-13
};
// 0: armour, shields and helmets; 1: items; 2: relics; 3: tools and weapons.
int ItemCaptionSet(int kind);
const ItemCaptions& ItemCaptionsOf(int set);

// Byte 27: the extra effect (bits 4-7) and the evade and magic block
// animation (bits 0-3), 16 entries each.
const char* ItemExtraEffectText(int value);
const char* ItemEvadeAnimText(int value);

// Row labels of the item's flag lists.
extern const char* const kItemKindFlagLabels[4];   // byte 0, bits 4-7
extern const char* const kItemEffectLabels[8];     // byte 5
extern const char* const kItemBonusLabels[8];      // byte 9
extern const char* const kItemStatusLabels[8];     // byte 21 as bits
extern const char* const kWeaponPropertyLabels[8]; // byte 19 of tools and weapons
extern const char* const kTargetingLabels[8];      // targeting byte of items and spells
extern const char* const kStatus4Labels[8];        // the fourth status byte

// Shop byte 0: kind (bits 0-2), pricing (bits 3-5), two unused bits.
const char* ShopKindText(int kind);
const char* ShopPricingText(int pricing);

} // namespace quorvex
