#pragma once
// The game's text codec: game byte strings <-> the tag language the editors
// show (plain characters mixed with tags such as <EOP>, <E$1F>, <D4>,
// <BK1$20> and raw codes <$xx>).
//
// Two tag families exist. The dialogue family serves town dialogue, location
// names and the dual-tile table; the battle family serves battle messages and
// every description. Names use the menu table and are only decoded here; the
// names editor types them back into codes.
//
// All functions are pure: no messages, no exceptions for bad input.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "text/CharLookup.h"
#include "text/CharTable.h"

namespace quorvex {

// The style of a text kind: which codec and which caption-editor insertions.
enum TextStyle : int {
    kStyleDialogue = 0,
    kStyleBattle = 1,
    kStyleName = 2, // battle-style codec, for fixed-size names
};

// Decode statuses: 0 complete, -1 an operand lies beyond the input, a
// positive value is the index of the byte at which decoding stopped (a delay
// code without its trailing 0x12).
constexpr int kDecodeComplete = 0;
constexpr int kDecodeTruncated = -1;

struct DecodeResult {
    std::wstring text; // line breaks are "\n"
    int status = kDecodeComplete;
};

// romType: 1 North American, 2 Japanese (decides the space used by the
// space-run code 0x14: entry 0x7F for 1, entry 0xFF otherwise).
DecodeResult DecodeDialogue(const uint8_t* bytes, size_t length, const CharTable& table, uint8_t romType);
inline DecodeResult DecodeDialogue(const std::vector<uint8_t>& bytes, const CharTable& table, uint8_t romType)
{
    return DecodeDialogue(bytes.data(), bytes.size(), table, romType);
}

// table may be null: a default battle table is used (for romType 2 only
// the control codes 0x00-0x1F, otherwise the whole built-in battle table).
DecodeResult DecodeBattle(const uint8_t* bytes, size_t length, const CharTable* table, uint8_t romType = 1);
inline DecodeResult DecodeBattle(const std::vector<uint8_t>& bytes, const CharTable* table, uint8_t romType = 1)
{
    return DecodeBattle(bytes.data(), bytes.size(), table, romType);
}

// A fixed-size name in the menu encoding (the Japanese menu table when
// romType is 2). 0xFF pads: at index 0 it shows as a space, later it ends
// the name.
std::wstring DecodeName(const uint8_t* bytes, size_t length, uint8_t romType);
inline std::wstring DecodeName(const std::vector<uint8_t>& bytes, uint8_t romType)
{
    return DecodeName(bytes.data(), bytes.size(), romType);
}

// Encodes a name in the menu encoding of the release: each character by its
// menu-table entry (the longest entry that matches), "<$XX>" as that byte.
// No padding is added. False, with the position of the first character that
// has no code in `badPos`, when the text cannot be encoded.
bool EncodeName(const std::wstring& text, uint8_t romType, std::vector<uint8_t>& out, size_t* badPos = nullptr);

// Encoder results. `result` below kEncodeError is the number of bytes
// produced, or, when it exceeds maxBytes, the number that would have been
// needed (the bytes then hold only what fitted). A result of kEncodeError or
// more is an error: low 16 bits the character position p of the fault, high
// 16 bits p + 1 (the end of the selection the editor highlights).
constexpr uint32_t kEncodeError = 0x10000;
constexpr uint32_t kEncodeMaxBytes = 5000; // what the editors pass

struct EncodeResult {
    std::vector<uint8_t> bytes; // no terminator unless the text held <EOC>
    uint32_t result = 0;

    bool IsError() const { return result >= kEncodeError; }
    // Character position of the fault (only meaningful when IsError()).
    uint32_t ErrorPos() const { return result & 0xFFFF; }
    uint32_t ErrorEnd() const { return result >> 16; }
    bool TooLong(uint32_t maxBytes) const { return !IsError() && result > maxBytes; }
};

// Positions past 0xFFFE are reported as 0xFFFE: the packed form has only 16
// bits for each half, and a wrapped p + 1 would turn the error into a value
// below kEncodeError, which callers would take for a byte count.
inline uint32_t MakeEncodeError(uint32_t pos)
{
    if (pos > 0xFFFE)
        pos = 0xFFFE;
    return ((pos + 1) << 16) | pos;
}

EncodeResult EncodeDialogue(const std::wstring& text, const CharTable& table, uint32_t maxBytes = kEncodeMaxBytes);
EncodeResult EncodeBattle(const std::wstring& text, const CharTable& table, uint32_t maxBytes = kEncodeMaxBytes);
// The same with the table's character lookup made beforehand (it must have
// been made from this table): for many texts encoded with one table.
EncodeResult EncodeDialogue(const std::wstring& text, const CharTable& table, const CharLookup& lookup,
                            uint32_t maxBytes = kEncodeMaxBytes);
EncodeResult EncodeBattle(const std::wstring& text, const CharTable& table, const CharLookup& lookup,
                          uint32_t maxBytes = kEncodeMaxBytes);

// The caption editor: the text typed when the user presses the key of entry
// `index` (bank * 256 + code) in a text of the given style.
std::wstring DefaultInsertion(const CharTable& table, int index, TextStyle style);
// The entry whose key is `key` (kKeyShift/kKeyCtrl/kKeyAlt | virtual key),
// searched where the caption editor looks for this style and release (bank 0
// only for release 1: its first 128 entries in dialogue style, all 256
// otherwise; all five banks for any other release). -1 when none.
int FindEntryForKey(const CharTable& table, uint16_t key, TextStyle style, uint8_t romType);

// UTF-8 <-> wide text, for files and the command line.
std::string WideToUtf8(const std::wstring& text);
std::wstring Utf8ToWide(const std::string& text);

} // namespace quorvex
