#include "text/CharLookup.h"

namespace quorvex {

namespace {
constexpr int kFirstCharacterEntry = 0x20; // bank 0's control codes come before
} // namespace

CharLookup::CharLookup(const CharTable& table)
{
    // Walking backwards, an earlier entry overwrites a later one: each
    // character keeps the first entry that starts with it, as the search does.
    for (int index = kCharTableSize - 1; index >= kFirstCharacterEntry; --index)
        if (!table[index].Empty())
            m_first[table[index].text[0]] = index;
}

int CharLookup::Find(wchar_t ch) const
{
    const auto it = m_first.find(ch);
    return it == m_first.end() ? -1 : it->second;
}

int CharLookup::Scan(const CharTable& table, wchar_t ch)
{
    for (int index = kFirstCharacterEntry; index < kCharTableSize; ++index) {
        const CharEntry& e = table[index];
        if (!e.Empty() && e.text[0] == ch)
            return index;
    }
    return -1;
}

} // namespace quorvex
