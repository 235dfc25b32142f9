#pragma once
// The encoders' character search: the first entry of banks 0-4 whose text
// starts with a given character, skipping bank 0's control codes (0x00-0x1F)
// and empty entries. Searching the table itself takes up to 1,280 steps a
// character; a lookup made once for a table answers in one, which is what
// lets a whole script be encoded in time proportional to its length.
#include <unordered_map>

#include "text/CharTable.h"

namespace quorvex {

class CharLookup {
public:
    explicit CharLookup(const CharTable& table);
    // The entry index, or -1 when no entry starts with the character.
    int Find(wchar_t ch) const;
    // The same search straight on a table, for a single text.
    static int Scan(const CharTable& table, wchar_t ch);

private:
    std::unordered_map<wchar_t, int> m_first;
};

} // namespace quorvex
