// The three reports on the synthetic image: each whole file is compared
// with a text built here from the records, column by column, plus the
// edge cases of each layout, the release refusals and the file failures.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "monsters/FormationTables.h"
#include "monsters/Reports.h"
#include "rom/Document.h"
#include "text/TextCodec.h"

namespace quorvex {
namespace {

// `text` right-aligned in `width` columns (never cut).
std::string Right(const std::string& text, size_t width, char fill = ' ')
{
    return text.size() >= width ? text : std::string(width - text.size(), fill) + text;
}
std::string Dec(int v, size_t width, char fill = ' ') { return Right(std::to_string(v), width, fill); }

class Reports : public ::testing::Test {
protected:
    void Open(const synth::SynthOptions& o = {})
    {
        ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir, o)).ok);
    }
    RomData& Rd() { return doc.Rom(); }
    std::string Name(NameListId list, int i)
    {
        return WideToUtf8(GetNameList(Rd(), list).Decode(static_cast<uint32_t>(i), Rd().romType));
    }
    const uint8_t* Monster(int m) { return &Rd().monsters.monsters.bytes[static_cast<size_t>(m) * 32]; }
    static int Word(const uint8_t* p) { return p[0] | p[1] << 8; }
    static std::string Elements(int bits)
    {
        const std::string letters = "FILPWpEw";
        std::string s;
        for (int b = 0; b < 8; ++b)
            s += bits & (1 << b) ? letters[static_cast<size_t>(b)] : '-';
        return s;
    }

    std::string ExpectedMonsterReport()
    {
        std::string t = "Quorvex Monsters Editor, Coded by Orvan\n- Monsters Specs Report V1.0 -\n\n"
                        "F=fire, I=ice, L=lightning, P=poison, W=wind, p=pearl, E=earth, w=water\n\n"
                        "Mst#        Name    HP    MP Lev   Exp  Gold   Absorb    No_FX     Weak  Steal_item 1"
                        "      Steal_item 2       Drop_item 1       Drop_item 2\n";
        for (int m = 0; m < 384; ++m) {
            const uint8_t* r = Monster(m);
            t += " " + Dec(m, 3, '0') + "  " + Right(Name(NameListId::Monster, m), 10) + " " + Dec(Word(r + 8), 5) +
                 " " + Dec(Word(r + 10), 5) + " " + Dec(r[16], 3) + " " + Dec(Word(r + 12), 5) + " " +
                 Dec(Word(r + 14), 5) + " ";
            t += Elements(r[23]) + " " + Elements(r[24]) + " " + Elements(r[25]) + " ";
            for (int i = 0; i < 4; ++i)
                t += Right(Name(NameListId::Item, Rd().monsters.monsterItems.bytes[static_cast<size_t>(m * 4 + i)]),
                           17) +
                     " ";
            t += "\n";
        }
        return t;
    }

    std::string ExpectedFormationReport()
    {
        std::string t = "Quorvex Monsters Editor, Coded by Orvan\n- Monsters Formations Report V1.2 -\n\n"
                        "A (E) means the monster is enabled, a (D) means the monster is disabled\n\n"
                        "Tmp#\tMould\tEnemy #1\tEnemy #2\tEnemy #3\tEnemy #4\tEnemy #5\tEnemy #6\n";
        const std::vector<uint8_t>& all = Rd().formations.records.bytes;
        for (int f = 0; f < 576; ++f) {
            const uint8_t* r = &all[static_cast<size_t>(f) * 15];
            t += Dec(f, 3, '0') + "\t" + Dec(r[0] >> 4, 2, '0') + "\t";
            for (int s = 0; s < 6; ++s) {
                const int monster = r[2 + s] + ((r[14] >> s) & 1) * 256;
                const std::string mark = (r[1] >> s) & 1 ? "(E)" : "(D)";
                if (monster == 511) {
                    t += "    ";
                } else if (monster < 384) {
                    t += Name(NameListId::Monster, monster) + mark;
                } else {
                    const char hex[] = "0123456789ABCDEF";
                    t += std::string("illegal#") + hex[r[2 + s] >> 4] + hex[r[2 + s] & 15] + mark;
                }
                t += s < 5 ? "\t" : "\n";
            }
        }
        return t;
    }

    std::string ExpectedColosseumReport()
    {
        std::string t = "Quorvex Monsters Editor, Coded by Orvan\n- Colosseum Betting System Report V1.1 -\n\n"
                        "** Note: Bosses can't be fought in the colosseum (enemy index > 0xFF)\n\n"
                        "Item bet          Enemy fought Item won          Prize is hidden\n";
        const std::vector<uint8_t>& bets = Rd().formations.colosseum.bytes;
        for (int i = 0; i < 256; ++i) {
            const uint8_t* b = &bets[static_cast<size_t>(i) * 4];
            t += Right(Name(NameListId::Item, i), 17) + " " + Right(Name(NameListId::Monster, b[0]), 12) + " " +
                 Right(Name(NameListId::Item, b[2]), 17) + " " + (b[3] ? "TRUE" : "FALSE") + "\n";
        }
        return t;
    }

    static size_t Lines(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

    test::TempDir dir;
    CQuorvexDoc doc;
};

TEST_F(Reports, MonsterReportIsTheRecordsLineByLine)
{
    Open();
    // Fire and water absorbed, nothing weak.
    uint8_t* m5 = &Rd().monsters.monsters.bytes[5 * 32];
    m5[23] = 0x81;
    m5[25] = 0x00;
    const std::string text = MonsterReport(Rd());
    EXPECT_EQ(text, ExpectedMonsterReport());
    EXPECT_EQ(Lines(text), 6u + 384u);
    const std::string line5 = text.substr(text.find("\n 005  "), 200);
    EXPECT_NE(line5.find(" F------w "), std::string::npos) << line5;
    EXPECT_NE(line5.find(" -------- "), std::string::npos) << line5;
}

TEST_F(Reports, FormationReportMarksEmptyAndIllegalSlots)
{
    Open();
    uint8_t* f7 = FormationBytes(Rd(), 7);
    f7[0] = 0x90;
    f7[1] = 0x02 | 0x04; // slots 2 and 3 present
    SetFormationSlotMonster(f7, 0, 0x1FF);
    SetFormationSlotMonster(f7, 1, 0x1A5);
    SetFormationSlotMonster(f7, 2, 0x1A5);
    SetFormationSlotMonster(f7, 3, 3);
    const std::string text = FormationReport(Rd());
    EXPECT_EQ(text, ExpectedFormationReport());
    EXPECT_EQ(Lines(text), 6u + 576u);
    const std::string line7 = text.substr(text.find("\n007\t") + 1);
    EXPECT_EQ(line7.rfind("007\t09\t    \tillegal#A5(E)\tillegal#A5(E)\t", 0), 0u) << line7.substr(0, 60);
    EXPECT_NE(line7.find("\t" + Name(NameListId::Monster, 3) + "(D)\t"), std::string::npos);
}

TEST_F(Reports, ColosseumReportNamesBetMonsterAndPrize)
{
    Open();
    ColosseumBytes(Rd(), 9)[3] = 0x80;
    ColosseumBytes(Rd(), 10)[3] = 0x00;
    const std::string text = ColosseumReport(Rd());
    EXPECT_EQ(text, ExpectedColosseumReport());
    EXPECT_EQ(Lines(text), 6u + 256u);
    const size_t at9 = text.find(Right(Name(NameListId::Item, 9), 17) + " ");
    ASSERT_NE(at9, std::string::npos);
    EXPECT_EQ(text.substr(text.find('\n', at9) - 5, 5), " TRUE");
}

TEST_F(Reports, WrittenWholeOrNotAtAll)
{
    Open();
    for (ReportKind kind : {ReportKind::Monsters, ReportKind::Formations, ReportKind::Colosseum}) {
        const std::string path = dir.File(ReportFileName(kind));
        test::WriteFileText(path, "an older, longer report that must go away entirely\n");
        EXPECT_EQ(WriteReport(Rd(), kind, path), "");
        EXPECT_EQ(test::ReadFileText(path), ReportText(Rd(), kind));
        const std::string nowhere = dir.File("no/such/folder/report.txt");
        EXPECT_EQ(WriteReport(Rd(), kind, nowhere), "Can't create dump file!!");
        EXPECT_TRUE(test::ReadFileBytes(nowhere).empty());
    }
    EXPECT_STREQ(ReportFileName(ReportKind::Monsters), "ME_Monst.txt");
    EXPECT_STREQ(ReportFileName(ReportKind::Formations), "ME_Form.txt");
    EXPECT_STREQ(ReportFileName(ReportKind::Colosseum), "ME_Colos.txt");
    EXPECT_EQ(ReportCreatedText("ME_Form.txt"), "`ME_Form.txt' created");
}

TEST_F(Reports, TheJapaneseReleaseOnlyHasTheFormationReport)
{
    Open(test::Variant("jp"));
    EXPECT_FALSE(ReportAvailable(Rd(), ReportKind::Monsters));
    EXPECT_FALSE(ReportAvailable(Rd(), ReportKind::Colosseum));
    EXPECT_NE(ReportRefusal(Rd(), ReportKind::Monsters), "");
    EXPECT_TRUE(ReportAvailable(Rd(), ReportKind::Formations));
    EXPECT_EQ(FormationReport(Rd()), ExpectedFormationReport());
}

} // namespace
} // namespace quorvex
