// The script page's editing rules: every refusal leaves the script and the
// byte budget as they were, and no operation adds, removes or displaces a
// break point.
#include <gtest/gtest.h>

#include "monsters/BattleScriptEditor.h"
#include "monsters/BattleScriptSet.h"

namespace quorvex {
namespace {

class Editing : public ::testing::Test {
protected:
    void SetUp() override
    {
        set.InitSet(kScriptSpaceOwn);
        // Script 3: 05, F1 36, FF, 07, FF.
        ASSERT_TRUE(set.ReplaceScript(3, std::vector<uint8_t>{0x05, 0xF1, 0x36, 0xFF, 0x07, 0xFF}));
    }
    std::vector<uint8_t> Bytes(int i) const { return set.Script(i).Bytes(); }

    BattleScriptSet set;
    BattleScriptEditor ed{set};
};

TEST_F(Editing, InsertRefusesBreakPointsAndCommandsAfterTheEnd)
{
    const auto before = Bytes(3);
    const uint32_t used = set.Used();
    EXPECT_EQ(ed.Insert(3, 1, {0xFF}), scripttext::kCannotInsertBreak);
    EXPECT_EQ(ed.Insert(3, 5, {0x10}), scripttext::kInsertAfterEnd); // one past the final 0xFF
    EXPECT_EQ(Bytes(3), before);
    EXPECT_EQ(set.Used(), used);
    // Before the final 0xFF is fine; the bytes after a short command are ignored.
    EXPECT_EQ(ed.Insert(3, 4, {0x80, 0x12}), "");
    EXPECT_EQ(Bytes(3), (std::vector<uint8_t>{0x05, 0xF1, 0x36, 0xFF, 0x07, 0x80, 0xFF}));
    EXPECT_EQ(set.Used(), used + 1);
}

TEST_F(Editing, InsertBeyondTheBudgetIsTakenBack)
{
    // Fill the budget to 14670 of 14672 bytes.
    const int64_t room = set.Avail() - 2;
    std::vector<uint8_t> big(static_cast<size_t>(room), 0x01);
    big.insert(big.end(), {0xFF, 0xFF});
    ASSERT_TRUE(set.ReplaceScript(100, big));
    ASSERT_EQ(set.Used(), 14670u);
    ASSERT_EQ(set.Avail(), 2);
    const auto before = Bytes(3);
    EXPECT_EQ(ed.Insert(3, 0, {0xF0, 0x01, 0x02, 0x03}), scripttext::kNotEnoughBytes);
    EXPECT_EQ(set.Used(), 14670u);
    EXPECT_EQ(Bytes(3), before);
    EXPECT_EQ(ed.Insert(3, 0, {0xF1, 0x36}), "");
    EXPECT_EQ(set.Avail(), 0);

    // Paste checks the budget first, Paste script too.
    ed.Copy(3, 1);
    EXPECT_EQ(ed.Paste(3, 0), scripttext::kNotEnoughBytes);
    ed.CopyScript(100);
    EXPECT_EQ(ed.PasteScript(3), scripttext::kNotEnoughBytes);
    EXPECT_EQ(ed.PasteScript(100), ""); // replacing a script by itself fits
}

TEST_F(Editing, ReplaceKeepsTheKindOfRefusalAndRestores)
{
    const auto before = Bytes(3);
    EXPECT_EQ(ed.Replace(3, 2, {0x01}), scripttext::kCannotEdit);   // the first 0xFF
    EXPECT_EQ(ed.Replace(3, 4, {0x01}), scripttext::kCannotEdit);   // the final 0xFF
    EXPECT_EQ(ed.Replace(3, 1, {0xFF}), scripttext::kCannotInsertBreak);
    EXPECT_EQ(Bytes(3), before);
    EXPECT_EQ(ed.Replace(3, 1, {0xF0, 0x10, 0x11, 0x12}), "");
    EXPECT_EQ(Bytes(3), (std::vector<uint8_t>{0x05, 0xF0, 0x10, 0x11, 0x12, 0xFF, 0x07, 0xFF}));
    // Past the end, nothing happens.
    EXPECT_EQ(ed.Replace(3, 9, {0x01}), "");

    // A bigger command that does not fit puts the old one back.
    std::vector<uint8_t> big(static_cast<size_t>(set.Avail() - 1), 0x01);
    big.insert(big.end(), {0xFF, 0xFF});
    ASSERT_TRUE(set.ReplaceScript(200, big));
    ASSERT_EQ(set.Avail(), 1);
    const auto kept = Bytes(3);
    EXPECT_EQ(ed.Replace(3, 0, {0xF5, 0x01, 0x02, 0x03}), scripttext::kNotEnoughBytes);
    EXPECT_EQ(Bytes(3), kept);
    EXPECT_EQ(set.Avail(), 1);
}

TEST_F(Editing, DeleteAndCutNeverTakeABreakPoint)
{
    EXPECT_EQ(ed.Delete(3, 2), scripttext::kCannotDelete);
    EXPECT_EQ(ed.Delete(3, 4), scripttext::kCannotDelete);
    EXPECT_EQ(ed.Delete(0, 0), scripttext::kCannotDelete); // FF FF
    EXPECT_EQ(ed.Delete(3, 7), "");                        // no such command: nothing happens
    EXPECT_EQ(ed.Cut(3, 1), "");
    EXPECT_EQ(Bytes(3), (std::vector<uint8_t>{0x05, 0xFF, 0x07, 0xFF}));
    EXPECT_EQ(ed.Clipboard(), (std::vector<uint8_t>{0xF1, 0x36}));
    EXPECT_EQ(ed.Paste(3, 3), "");
    EXPECT_EQ(Bytes(3), (std::vector<uint8_t>{0x05, 0xFF, 0x07, 0xF1, 0x36, 0xFF}));
    // A copied break point never goes back in.
    ed.Copy(3, 1);
    EXPECT_EQ(ed.Paste(3, 0), scripttext::kCannotInsertBreak);
}

TEST_F(Editing, MovesKeepTheFinalBreakLast)
{
    // 05, F1 36, FF, 07, FF
    EXPECT_EQ(ed.MoveUp(3, 0), 0);
    EXPECT_EQ(ed.MoveUp(3, 4), 4); // the final 0xFF stays where it is
    EXPECT_EQ(ed.MoveDown(3, 4), 4);
    EXPECT_EQ(ed.MoveDown(3, 3), 3); // the command before the final 0xFF
    EXPECT_EQ(ed.MoveUp(3, 3), 2);
    EXPECT_EQ(Bytes(3), (std::vector<uint8_t>{0x05, 0xF1, 0x36, 0x07, 0xFF, 0xFF}));
    EXPECT_EQ(ed.MoveDown(3, 0), 1);
    EXPECT_EQ(Bytes(3), (std::vector<uint8_t>{0xF1, 0x36, 0x05, 0x07, 0xFF, 0xFF}));
    // The first break point may move: commands change waves.
    EXPECT_EQ(ed.MoveUp(3, 4), 4);
    EXPECT_EQ(ed.MoveUp(3, 3), 2);
    EXPECT_EQ(Bytes(3), (std::vector<uint8_t>{0xF1, 0x36, 0x05, 0xFF, 0x07, 0xFF}));
}

TEST_F(Editing, EraseAllLeavesTwoBytesPerMonster)
{
    ed.EraseAll();
    EXPECT_EQ(set.Used(), 768u);
    EXPECT_EQ(ed.StatusText(3), "Current length: 2\r\nAvail. bytes: 13904");
}

TEST(ScriptPage, AdmissionFollowsTheLoadStatusAndRepairFixesMagRoader)
{
    BattleScriptSet set;
    struct Row {
        int status;
        ScriptPageAdmission admission;
    };
    for (const Row& r : {Row{kScriptsGood, ScriptPageAdmission::Open},
                         Row{kScriptsUnsplittable, ScriptPageAdmission::Refuse},
                         Row{kScriptsOverCapacity, ScriptPageAdmission::Refuse},
                         Row{kScriptsMagRoader, ScriptPageAdmission::AskRepair}}) {
        set.SetStatus(r.status);
        EXPECT_EQ(ScriptPageAdmissionFor(set), r.admission) << r.status;
    }
    set.InitSet(kScriptSpaceOwn);
    EXPECT_FALSE(RepairMagRoader(set));
    set.SetStatus(kScriptsMagRoader);
    ASSERT_TRUE(RepairMagRoader(set));
    EXPECT_EQ(set.Script(243).Bytes(), kMagRoaderRepair);
    EXPECT_EQ(set.ScriptLength(243), 11);
    EXPECT_EQ(set.Status(), kScriptsGood);
}

} // namespace
} // namespace quorvex
