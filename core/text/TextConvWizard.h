#pragma once
// The keyboard mapping of a text page's character table: showing and
// reading keyboard shortcuts as text, and the legend of the tag language.
#include <cstdint>
#include <string>
#include <vector>

#include "text/CharTable.h"
#include "text/TextCodec.h"

namespace quorvex {

struct KeyName {
    uint16_t code; // virtual-key code
    const char* name;
};
// The 95 named keys, in order; the list ends with code 0xFF.
const std::vector<KeyName>& KeyNameTable();

// "SHIFT+", "CTRL+", "ALT+" and the key's name; empty for kNoKey.
std::string ShortcutText(uint16_t key);
// Reads a shortcut cell: modifier prefixes found in order anywhere in the
// text, then the rest compared exactly with the key names; no match gives
// key code 0xFF.
uint16_t ParseShortcut(const std::string& text);

// The legend shown under the mapping, by style.
std::string MappingLegend(TextStyle style);

// One edited row of the mapping.
struct MappingRow {
    std::string keypress;
    std::wstring display;
};
// Stores the rows' keys and display texts (up to 49 characters) into the
// first rows.size() entries of the table.
void ApplyMapping(CharTable& table, const std::vector<MappingRow>& rows);

} // namespace quorvex
