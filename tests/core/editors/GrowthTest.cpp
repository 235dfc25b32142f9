// The growth tables as the Actors Evolution page shows them: the two views,
// edits in either view, the quick info, the export file byte for byte, and
// imports that change nothing unless all 98 values were read.
#include <gtest/gtest.h>

#include "OpenedImage.h"
#include "editors/Growth.h"

namespace quorvex {
namespace {

class Growth : public ::testing::Test {
protected:
    RomData& Rd() { return image.doc.Rom(); }
    void Fill(GrowthTable table, int64_t increment)
    {
        GrowthValues v;
        v.fill(increment);
        StoreGrowthValues(Rd(), table, GrowthView::Increment, v);
    }
    test::OpenedImage image{test::Variant("us10-headerless")};
};

TEST_F(Growth, ViewsShowIncrementsAndRunningTotals)
{
    std::vector<uint8_t>& hp = Rd().actors.hpGrowth.bytes;
    std::vector<uint8_t>& exp = Rd().actors.experience.bytes;
    hp[0] = 10, hp[1] = 20, hp[2] = 5;
    exp[0] = 12, exp[1] = 0, exp[2] = 0x34, exp[3] = 0x12;
    const GrowthValues inc = GrowthShown(Rd(), GrowthTable::Hp, GrowthView::Increment);
    const GrowthValues abs = GrowthShown(Rd(), GrowthTable::Hp, GrowthView::Absolute);
    EXPECT_EQ((std::vector<int64_t>{inc[0], inc[1], inc[2]}), (std::vector<int64_t>{10, 20, 5}));
    EXPECT_EQ((std::vector<int64_t>{abs[0], abs[1], abs[2]}), (std::vector<int64_t>{10, 30, 35}));
    const GrowthValues e = GrowthShown(Rd(), GrowthTable::Exp, GrowthView::Absolute);
    EXPECT_EQ(e[0], 96);
    EXPECT_EQ(e[1], 96 + 0x1234 * 8);
}

TEST_F(Growth, EditsStoreIncrements)
{
    std::vector<uint8_t>& hp = Rd().actors.hpGrowth.bytes;
    Fill(GrowthTable::Hp, 30);
    // Absolute view: row 3 (level 5) after three rows of 30 holds 90.
    StoreGrowthRow(Rd(), GrowthTable::Hp, GrowthView::Absolute, 3, 100);
    EXPECT_EQ(hp[3], 10);
    // Below the running total: 0.
    StoreGrowthRow(Rd(), GrowthTable::Hp, GrowthView::Absolute, 3, 50);
    EXPECT_EQ(hp[3], 0);
    StoreGrowthRow(Rd(), GrowthTable::Hp, GrowthView::Increment, 97, 400);
    EXPECT_EQ(hp[97], 255);
    StoreGrowthRow(Rd(), GrowthTable::Mp, GrowthView::Increment, 0, -3);
    EXPECT_EQ(Rd().actors.mpGrowth.bytes[0], 0);

    // Experience is stored divided by 8.
    struct Row {
        int64_t typed;
        uint16_t word;
        int64_t shown;
    };
    const Row rows[] = {{100, 12, 96}, {600000, 65535, 524280}, {7, 0, 0}, {524287, 65535, 524280}};
    for (const Row& r : rows) {
        StoreGrowthRow(Rd(), GrowthTable::Exp, GrowthView::Increment, 4, r.typed);
        const std::vector<uint8_t>& exp = Rd().actors.experience.bytes;
        EXPECT_EQ(exp[8] | (exp[9] << 8), r.word) << r.typed;
        EXPECT_EQ(GrowthShown(Rd(), GrowthTable::Exp, GrowthView::Increment)[4], r.shown) << r.typed;
    }
}

TEST_F(Growth, QuickInfoReportsTheFirstLevelOfEachExtreme)
{
    Fill(GrowthTable::Mp, 0);
    EXPECT_EQ(GrowthQuickInfo(Rd(), GrowthTable::Mp),
              "Total at level 99: 0\nMaximum increase was 0 at level 0\nMinimum increase was 0 at level 2");
    Fill(GrowthTable::Mp, 4);
    std::vector<uint8_t>& mp = Rd().actors.mpGrowth.bytes;
    mp[10] = 9, mp[20] = 9, mp[30] = 1, mp[40] = 1;
    // 94 x 4 + 9 + 9 + 1 + 1 = 396.
    EXPECT_EQ(GrowthQuickInfo(Rd(), GrowthTable::Mp),
              "Total at level 99: 396\nMaximum increase was 9 at level 12\nMinimum increase was 1 at level 32");
    Fill(GrowthTable::Exp, 65535 * 8);
    EXPECT_EQ(GrowthQuickInfo(Rd(), GrowthTable::Exp), "Total at level 99: 51379440\nMaximum increase was 524280 at "
                                                        "level 2\nMinimum increase was 524280 at level 2");
}

TEST_F(Growth, ExportFileByteForByte)
{
    GrowthValues v;
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = static_cast<int64_t>(i % 7);
    StoreGrowthValues(Rd(), GrowthTable::Hp, GrowthView::Increment, v);
    std::string expected = "Quorvex Monsters Editor, Coded by Orvan\n- Actors HP absolute values report V1.0 -\n\n"
                           "Value\tLevel\n";
    int64_t total = 0;
    for (int level = 2; level <= 99; ++level) {
        total += (level - 2) % 7;
        expected += std::to_string(total) + "\t" + std::to_string(level) + "\n";
    }
    EXPECT_EQ(GrowthExportText(Rd(), GrowthTable::Hp, GrowthView::Absolute), expected);
    const std::string expHeader = "Quorvex Monsters Editor, Coded by Orvan\n- Actors experience points increments "
                                  "values report V1.0 -\n\nValue\tLevel\n";
    EXPECT_EQ(GrowthExportText(Rd(), GrowthTable::Exp, GrowthView::Increment).rfind(expHeader, 0), 0u);

    struct Row {
        GrowthTable table;
        GrowthView view;
        const char* name;
    };
    const Row names[] = {{GrowthTable::Hp, GrowthView::Increment, "HP_inc.txt"},
                         {GrowthTable::Mp, GrowthView::Increment, "MP_inc.txt"},
                         {GrowthTable::Exp, GrowthView::Increment, "EXP_inc.txt"},
                         {GrowthTable::Hp, GrowthView::Absolute, "HP_abs.txt"},
                         {GrowthTable::Mp, GrowthView::Absolute, "MP_abs.txt"},
                         {GrowthTable::Exp, GrowthView::Absolute, "EXP_abs.txt"}};
    for (const Row& r : names)
        EXPECT_EQ(GrowthFileName(r.table, r.view), r.name);
}

TEST_F(Growth, ExportThenImportGivesTheSameTable)
{
    for (GrowthTable table : {GrowthTable::Hp, GrowthTable::Mp, GrowthTable::Exp})
        for (GrowthView view : {GrowthView::Absolute, GrowthView::Increment}) {
            const RomData kept = Rd();
            const std::string text = GrowthExportText(Rd(), table, view);
            Fill(table, 1);
            const GrowthImport r = ImportGrowth(Rd(), table, view, text);
            EXPECT_TRUE(r.ok);
            EXPECT_EQ(r.message, "Succesfully imported values");
            EXPECT_EQ(Rd().actors.hpGrowth.bytes, kept.actors.hpGrowth.bytes);
            EXPECT_EQ(Rd().actors.mpGrowth.bytes, kept.actors.mpGrowth.bytes);
            EXPECT_EQ(Rd().actors.experience.bytes, kept.actors.experience.bytes);
        }
}

TEST_F(Growth, ImportReadsOnlyLinesThatStartWithADigit)
{
    std::string text = "any header\r\n\r\n-5\n 7\nValue\tLevel\n";
    for (int i = 0; i < 98; ++i)
        text += std::to_string(i * 2) + (i % 2 ? "\tjunk\r\n" : "\n");
    text += "99999\n"; // past the 98th value: not read
    const std::vector<int64_t> values = ReadGrowthFile(text);
    ASSERT_EQ(values.size(), 98u);
    EXPECT_EQ(values[0], 0);
    EXPECT_EQ(values[97], 194);

    // Absolute values: each less the one before (the first as it is), a
    // drop stored as 0, 255 at most.
    std::string abs;
    const int64_t shown[] = {5, 9, 4, 300, 600};
    for (int i = 0; i < 98; ++i)
        abs += std::to_string(i < 5 ? shown[i] : 600) + "\n";
    ASSERT_TRUE(ImportGrowth(Rd(), GrowthTable::Hp, GrowthView::Absolute, abs).ok);
    const std::vector<uint8_t>& hp = Rd().actors.hpGrowth.bytes;
    EXPECT_EQ((std::vector<uint8_t>(hp.begin(), hp.begin() + 6)), (std::vector<uint8_t>{5, 4, 0, 255, 255, 0}));
}

TEST_F(Growth, BadFilesChangeNothing)
{
    std::string lines97;
    for (int i = 0; i < 97; ++i)
        lines97 += "12\n";
    std::string overlong = lines97 + std::string(256, '7') + "\n";
    std::string lines98 = lines97 + "12\n";
    std::string huge = lines97 + "99999999999999999999999\n";
    struct Row {
        std::string text;
        std::string message;
    };
    const Row rows[] = {
        {lines97, "Only read 97 values / 98, canceling import"},
        {overlong, "Only read 97 values / 98, canceling import"},
        {"", "Only read 0 values / 98, canceling import"},
        {std::string("\x01\xFF garbage\n\n\n", 13), "Only read 0 values / 98, canceling import"},
    };
    for (const Row& r : rows) {
        const RomData kept = Rd();
        const GrowthImport result = ImportGrowth(Rd(), GrowthTable::Mp, GrowthView::Increment, r.text);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, r.message);
        EXPECT_EQ(Rd().actors.mpGrowth.bytes, kept.actors.mpGrowth.bytes);
    }
    // 255 characters is still a line; a number too large is clamped when stored.
    ASSERT_TRUE(ImportGrowth(Rd(), GrowthTable::Exp, GrowthView::Increment, lines97 + std::string(255, '9')).ok);
    const std::vector<uint8_t>& exp = Rd().actors.experience.bytes;
    EXPECT_EQ(exp[2 * 97] | (exp[2 * 97 + 1] << 8), 65535);
    ASSERT_TRUE(ImportGrowth(Rd(), GrowthTable::Hp, GrowthView::Increment, huge).ok);
    EXPECT_EQ(Rd().actors.hpGrowth.bytes[97], 255);
    EXPECT_EQ(Rd().actors.hpGrowth.bytes[0], 12);
}

TEST(GrowthWords, ParseTheCommandLineWords)
{
    GrowthTable t;
    GrowthView v;
    EXPECT_TRUE(ParseGrowthTable("exp", t));
    EXPECT_EQ(t, GrowthTable::Exp);
    EXPECT_FALSE(ParseGrowthTable("HP", t));
    EXPECT_TRUE(ParseGrowthView("abs", v));
    EXPECT_EQ(v, GrowthView::Absolute);
    EXPECT_FALSE(ParseGrowthView("absolute", v));
}

} // namespace
} // namespace quorvex
