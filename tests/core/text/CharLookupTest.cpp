// The encoders' character lookup answers as the search of the table does:
// the first entry from 0x20 on whose text starts with the character.
#include <gtest/gtest.h>

#include "text/CharLookup.h"

using namespace quorvex;

namespace {

void ExpectSameAsScan(const CharTable& table)
{
    const CharLookup lookup(table);
    for (wchar_t ch = 0; ch < 0x3100; ++ch)
        ASSERT_EQ(lookup.Find(ch), CharLookup::Scan(table, ch)) << static_cast<int>(ch);
    for (int i = 0; i < kCharTableSize; ++i) {
        if (table[i].Empty())
            continue;
        ASSERT_EQ(lookup.Find(table[i].text[0]), CharLookup::Scan(table, table[i].text[0])) << i;
    }
}

} // namespace

TEST(CharLookup, AgreesWithTheTableSearch)
{
    ExpectSameAsScan(DialogueCharTable());
    ExpectSameAsScan(BattleCharTable());

    // Several entries starting with one character, in bank 0's control
    // codes, in a Kanji bank and after an empty entry.
    CharTable t;
    t.Clear();
    t[0x05].SetText(L"A");     // a control code: never matched
    t[0x30].SetText(L"Ab");
    t[0x31].SetText(L"A");
    t[0x2FF].SetText(L"k");
    t[0x100].SetText(L"k2");
    t[0x4FF].SetText(L"z");
    const CharLookup lookup(t);
    EXPECT_EQ(lookup.Find(L'A'), 0x30);
    EXPECT_EQ(lookup.Find(L'k'), 0x100);
    EXPECT_EQ(lookup.Find(L'z'), 0x4FF);
    EXPECT_EQ(lookup.Find(L'q'), -1);
    ExpectSameAsScan(t);
}
