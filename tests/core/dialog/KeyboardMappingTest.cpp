// The keyboard mapping: key names, shortcut text both ways, legend, apply.
#include <gtest/gtest.h>

#include "text/TextConvWizard.h"
#include "text/TextPage.h"

using namespace quorvex;

TEST(KeyboardMapping, KeyNameTable)
{
    const auto& t = KeyNameTable();
    ASSERT_EQ(t.size(), 96u); // 95 names and the end mark
    EXPECT_EQ(t.back().code, 0xFF);
    EXPECT_STREQ(t[0].name, "TAB");
    EXPECT_EQ(ShortcutText(0x0370), "SHIFT+CTRL+F1");
    EXPECT_EQ(ShortcutText(0x0487), "ALT+F24");
    EXPECT_EQ(ShortcutText(0x00DE), "'");
    EXPECT_EQ(ShortcutText(kNoKey), "");
}

TEST(KeyboardMapping, ReadingShortcuts)
{
    EXPECT_EQ(ParseShortcut("SHIFT+CTRL+F1"), 0x0370);
    EXPECT_EQ(ParseShortcut("shift+F1"), 0x00FF);
    EXPECT_EQ(ParseShortcut(""), 0x00FF);
    EXPECT_EQ(ParseShortcut("CTRL+ENTER"), 0x020D);
    EXPECT_EQ(ParseShortcut("PG DOWN"), 0x0022);
    EXPECT_EQ(ParseShortcut("ALT+Num/"), 0x046F);
    EXPECT_EQ(ParseShortcut("SHIFT+Nope"), 0x01FF);
    for (const KeyName& k : KeyNameTable()) {
        if (k.code != 0xFF) {
            EXPECT_EQ(ParseShortcut(ShortcutText(static_cast<uint16_t>(0x0500 | k.code))), 0x0500 | k.code) << k.name;
        }
    }
}

TEST(KeyboardMapping, LegendTexts)
{
    const std::string d = MappingLegend(kStyleDialogue);
    EXPECT_EQ(d.rfind("Legend:\n  <EOC>: end of caption, optional\n  <A0> - <A12>: use the name", 0), 0u);
    EXPECT_NE(d.find("  <EOP>: end of page\n"), std::string::npos);
    EXPECT_EQ(d.substr(d.size() - 25), "  <$xx>: a raw hex entry\n");
    const std::string b = MappingLegend(kStyleBattle);
    EXPECT_NE(b.find("  <P>: waits for user to press A\n"), std::string::npos);
    EXPECT_EQ(b.find("<EOP>"), std::string::npos);
    EXPECT_NE(b.find("(FF6J only)\n  <$xx>: a raw hex entry\n"), std::string::npos);
}

TEST(KeyboardMapping, ApplyChangesEncodingAndDecoding)
{
    CharTable t = DefaultPageTable(kKindTownDialogue, 1);
    std::vector<MappingRow> rows;
    for (int i = 0; i < 128; ++i)
        rows.push_back({ShortcutText(t[i].key), t[i].text});
    rows[0x74].display = L"\u00e9"; // a character no lower code shows
    rows[0x74].keypress = "ALT+E";
    rows[0x10].display = std::wstring(60, L'x');
    ApplyMapping(t, rows);
    EXPECT_EQ(t[0x74].key, 0x0445);
    EXPECT_EQ(t[0x10].text.size(), 49u);
    EXPECT_EQ(t[0x01].key, 0x000D); // unchanged rows read back the same
    EXPECT_EQ(t[0x20].key, 0x0141);
    const EncodeResult e = EncodeDialogue(L"\u00e9", t, 5000);
    ASSERT_FALSE(e.IsError());
    EXPECT_EQ(e.bytes, (std::vector<uint8_t>{0x74}));
    const std::vector<uint8_t> code = {0x74};
    EXPECT_EQ(DecodeDialogue(code, t, 1).text, L"\u00e9");
}
