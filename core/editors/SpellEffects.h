#pragma once
// What the magic editor shows for a spell's bytes: the labels of its flag
// bytes and the list of special effects (byte 9). Each effect the game
// knows is one text: the code as two hexadecimal digits, " = ", what it does
// and the examples in parentheses. The list shows one row per code 0x00-0xFF:
// the description up to the first " (" and the examples inside the
// parentheses; a code the game does not use shows "? (0x%02X)".
#include <string>

namespace quorvex {

extern const char* const kSpellSpecial1Labels[8];  // byte 2
extern const char* const kSpellDamageLabels[8];    // byte 3
extern const char* const kSpellSpecial2Labels[8];  // byte 4
extern const char* const kSpellSpecial3Labels[8];  // byte 7

// The built-in effect texts (63 of them), in code order.
int SpecialEffectTextCount();
const char* SpecialEffectText(int row);

struct SpecialEffectRow {
    std::string description;
    std::string examples;
};
// The row of code 0x00-0xFF, by the split rule above.
SpecialEffectRow SpecialEffectRowOf(int code);

} // namespace quorvex
