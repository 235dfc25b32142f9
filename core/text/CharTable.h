#pragma once
// Character tables: what each game code displays as in the editors, and the
// keyboard shortcut that types it in the caption editor.
//
// A table has five banks of 256 entries. Bank 0 holds the single-byte codes;
// banks 1-4 hold the Kanji glyphs reached through the prefixes 0x1C-0x1F
// (bank = prefix - 0x1B). Entry index = bank * 256 + code.
#include <array>
#include <cstdint>
#include <string>

namespace quorvex {

// Keyboard shortcut of an entry: low byte = the virtual-key code, plus the
// modifier bits below; kNoKey when the entry has no shortcut.
constexpr uint16_t kNoKey = 0xFFFF;
constexpr uint16_t kKeyShift = 0x0100;
constexpr uint16_t kKeyCtrl = 0x0200;
constexpr uint16_t kKeyAlt = 0x0400;

// The virtual-key codes the built-in tables use (the classic desktop
// numbering: letters and digits are their upper-case ASCII codes).
namespace vk {
constexpr uint16_t kReturn = 0x0D;
constexpr uint16_t kSpace = 0x20;
constexpr uint16_t kMultiply = 0x6A; // numeric keypad *
constexpr uint16_t kAdd = 0x6B;      // numeric keypad +
constexpr uint16_t kSubtract = 0x6D; // numeric keypad -
constexpr uint16_t kDivide = 0x6F;   // numeric keypad /
constexpr uint16_t kF1 = 0x70;       // F1..F12 are 0x70..0x7B
constexpr uint16_t kSemicolon = 0xBA;
constexpr uint16_t kEquals = 0xBB;
constexpr uint16_t kComma = 0xBC;
constexpr uint16_t kMinus = 0xBD;
constexpr uint16_t kPeriod = 0xBE;
constexpr uint16_t kSlash = 0xBF;
constexpr uint16_t kGrave = 0xC0;
constexpr uint16_t kLeftBracket = 0xDB;
constexpr uint16_t kBackslash = 0xDC;
constexpr uint16_t kRightBracket = 0xDD;
constexpr uint16_t kApostrophe = 0xDE;
} // namespace vk

// Longest text an entry holds (the storage is one more, for a terminator).
constexpr size_t kCharTextMax = 49;

struct CharEntry {
    uint16_t key = kNoKey;
    std::wstring text; // at most kCharTextMax characters

    bool Empty() const { return text.empty(); }
    // Sets the text, cut to kCharTextMax characters.
    void SetText(const std::wstring& t) { text = t.substr(0, kCharTextMax); }
};

constexpr int kCharBanks = 5;
constexpr int kCharTableSize = kCharBanks * 256;

struct CharTable {
    std::array<CharEntry, kCharTableSize> entries;

    CharEntry& operator[](int index) { return entries[static_cast<size_t>(index)]; }
    const CharEntry& operator[](int index) const { return entries[static_cast<size_t>(index)]; }
    CharEntry& At(int bank, int code) { return entries[static_cast<size_t>(bank * 256 + code)]; }
    const CharEntry& At(int bank, int code) const { return entries[static_cast<size_t>(bank * 256 + code)]; }

    // Every key kNoKey, every text empty.
    void Clear();
    bool IsEmpty(int index) const { return entries[static_cast<size_t>(index)].text.empty(); }
    // Index of the first entry with this key, looking at the first `count`
    // entries; -1 when none.
    int FindKey(uint16_t key, int count = kCharTableSize) const;
};

// True when the text is "NULL" in any letter case: the caption editor types
// such an entry as if it were empty.
bool IsNullText(const std::wstring& text);

// The built-in tables. Editor pages copy one into their own CharTable.
const CharTable& DialogueCharTable(); // town dialogue, location names, dual-tile table
const CharTable& BattleCharTable();   // battle messages and descriptions
const CharTable& MenuCharTable();     // fixed-size names (North American release)
const CharTable& MenuCharTableJp();   // fixed-size names (Japanese release): only 0xFF "<EOS>"

} // namespace quorvex
