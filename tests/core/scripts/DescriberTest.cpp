// The describer, one table of commands per family, each with the sentence
// it must give. Names come from a stand-in list, so the expected texts can
// be written out by hand.
#include <gtest/gtest.h>

#include "monsters/BattleScriptDescriber.h"
#include "monsters/BattleScriptSet.h"
#include "monsters/ScriptNames.h"

namespace quorvex {
namespace {

class StandInNames : public ScriptNames {
public:
    std::string Attack(int n) const override { return "atk" + std::to_string(n); }
    std::string Command(int n) const override { return n < 32 ? "cmd" + std::to_string(n) : "???"; }
    std::string Item(int n) const override { return "item" + std::to_string(n); }
    std::string Monster(int n) const override { return "mon" + std::to_string(n); }
    bool FormationMonsters(int f, std::vector<std::string>& names) const override
    {
        if (f >= 576)
            return false;
        names = f == 517 ? std::vector<std::string>{"mon7", "mon300"} : std::vector<std::string>{};
        return true;
    }
    bool SmallQuote(int n, std::string& text) const override
    {
        if (n != 0x0103)
            return false;
        text = "Ha ha ha!";
        return true;
    }
};

struct Row {
    std::vector<uint8_t> command;
    const char* text;
};

// Describes `command` as the first command of a script that goes on after
// it (so that a control command is not the script's last).
std::string First(const std::vector<uint8_t>& command)
{
    std::vector<uint8_t> bytes = command;
    bytes.insert(bytes.end(), {0xFF, 0xFF});
    BattleScript s;
    EXPECT_TRUE(s.Split(bytes));
    return DescribeCommand(s, 0, StandInNames());
}

void Check(const std::vector<Row>& rows)
{
    for (const Row& r : rows) {
        std::string hex;
        for (uint8_t b : r.command)
            hex += std::to_string(b) + " ";
        EXPECT_EQ(First(r.command), r.text) << "command " << hex;
    }
}

TEST(Describe, PlainAttacksAreNamed)
{
    Check({{{0x00}, "atk0"}, {{0x35}, "atk53"}, {{0x36}, "atk54"}, {{0xEF}, "atk239"}});
}

TEST(Describe, ScriptEdgesAndBreakPoints)
{
    BattleScript s;
    ASSERT_TRUE(s.Split(std::vector<uint8_t>{0xFF, 0xFF}));
    StandInNames names;
    EXPECT_EQ(s.CommandCount(), 2);
    EXPECT_EQ(DescribeCommand(s, 0, names), "End first wave of attack");
    EXPECT_EQ(DescribeCommand(s, 1, names), "End");
    EXPECT_EQ(DescribeCommand(s, 1, names, true), "End\n");
    EXPECT_EQ(DescribeCommand(s, 2, names), "");
    EXPECT_EQ(DescribeCommand(s, -1, names), "");

    ASSERT_TRUE(s.Split(std::vector<uint8_t>{0x00, 0xFF, 0xFF}));
    EXPECT_EQ(DescribeCommand(s, 0, names), "atk0");
    EXPECT_EQ(DescribeCommand(s, 1, names), "End first wave of attack");
    EXPECT_EQ(DescribeCommand(s, 2, names), "End");
    // The set's own entry point: an empty text past the end.
    BattleScriptSet set;
    EXPECT_EQ(Describe(set, 0, 1, names), "End");
    EXPECT_EQ(Describe(set, 0, 2, names), "");
}

TEST(Describe, RandomChoices)
{
    Check({
        {{0xF0, 0x01, 0xFE, 0xF5}, "Rand. spell: atk1 or Nothing or ??? (undocumented)"},
        {{0xF0, 0xEF, 0xF0, 0xFF}, "Rand. spell: atk239 or ??? (undocumented) or ??? (undocumented)"},
        {{0xF4, 0x00, 0x1F, 0xFE}, "Rand. cmd.: cmd0 or cmd31 or Nothing"},
        {{0xF4, 0x20, 0x05, 0x80}, "Rand. cmd.: ??? (undocumented) or cmd5 or ??? (undocumented)"},
        {{0xF6, 0x00, 0x10, 0x11}, "Use random item: item16 or item17"},
        {{0xF6, 0x07, 0x00, 0xFF}, "Throw random item: item0 or item255"},
    });
}

TEST(Describe, TargetingTableAndItsEnd)
{
    Check({
        {{0xF1, 0x00}, "Targeting: Terra (all allies if N/A)"},
        {{0xF1, 0x0F}, "Targeting: Leo (all allies if N/A)"},
        {{0xF1, 0x10}, "Targeting: ???"},
        {{0xF1, 0x11}, "Targeting: allies (???, Larry, Curly & Moe)"},
        {{0xF1, 0x2B}, "Targeting: ??? (used by Esper vs Kefka)"},
        {{0xF1, 0x2F}, "Targeting: ???"},
        {{0xF1, 0x30}, "Targeting: monster #1 (random ally if N/A)"},
        {{0xF1, 0x35}, "Targeting: monster #6 (random ally if N/A)"},
        {{0xF1, 0x36}, "Targeting: self"},
        {{0xF1, 0x45}, "Targeting: last ally/monster who attacked (random ally if N/A)"},
        {{0xF1, 0x4C}, "Targeting: 50% chance all targets (except self), 50% one random target (not self)"},
        {{0xF1, 0x4D}, "Targeting: that was last targeted by Targeting"},
        {{0xF1, 0x4E}, "Targeting: ???"},
        {{0xF1, 0xFF}, "Targeting: ???"},
    });
}

TEST(Describe, FormationsAndQuotes)
{
    Check({
        // 0x205 & 0x7FFF = 517; bit 7 of the third byte gives max HP.
        {{0xF2, 0x00, 0x05, 0x82}, "Call form. #517 (mon7, mon300), gets max HP"},
        {{0xF2, 0x00, 0x05, 0x02}, "Call form. #517 (mon7, mon300), retains HP"},
        {{0xF2, 0x00, 0x10, 0x00}, "Call form. #16 (), retains HP"},
        {{0xF2, 0x00, 0x34, 0x12}, "Call form. #4660 (?\?\?), retains HP"},
        {{0xF3, 0x03, 0x01}, "Text: \"Ha ha ha!\""},
        {{0xF3, 0x04, 0x01}, "Text: \"???\""},
    });
}

TEST(Describe, MonsterEntriesAndEvents)
{
    Check({
        {{0xF5, 0x00, 0x01, 0x05}, "Monsters #1, #3 are killed, suddently"},
        {{0xF5, 0x11, 0x00, 0x3F},
         "Monsters #1, #2, #3, #4, #5, #6 , if hidden/dead, brought in with their HP restored, disintegrates, "
         "background may corrupt, screen goes black (final Kefka's death)"},
        {{0xF5, 0x12, 0x05, 0x40}, "Monsters  ???, ???"},
        {{0xF7, 0x00}, "Trigger event: party jump in"},
        {{0xF7, 0x20}, "Trigger event: final Kefka mojo"},
        {{0xF7, 0x21}, "Trigger event: ??? (undocumented)"},
    });
}

TEST(Describe, VariablesAndBits)
{
    Check({
        {{0xF8, 0x07, 0x85}, "5 added to VAR007"},
        {{0xF8, 0x07, 0xC5}, "5 subtracted from VAR007"},
        {{0xF8, 0x07, 0x45}, "Set VAR007 to 5"},
        {{0xF8, 0x2A, 0x3F}, "Set VAR042 to 63"},
        {{0xF9, 0x00, 0x03, 0x07}, "VAR003 toggle bit: 7"},
        {{0xF9, 0x01, 0x03, 0x00}, "VAR003 set bit: 0"},
        {{0xF9, 0x02, 0x03, 0x04}, "VAR003 clear bit: 4"},
        {{0xF9, 0x03, 0x03, 0x04}, "VAR003 <unsupported bit operation> for bit: 4"},
        {{0xF9, 0x00, 0x03, 0x08}, "VAR003 toggle bit: <unsupported bit operation>"},
        {{0xF9, 0x01, 0x03, 0x10}, "VAR003 set bit: <unsupported bit operation>"},
        {{0xF9, 0x02, 0x03, 0xFF}, "VAR003 clear bit: <unsupported bit operation>"},
        {{0xF9, 0x05, 0x03, 0x08}, "VAR003 <unsupported bit operation DOUBLE FAULT!!>"},
    });
}

TEST(Describe, AnimationsAndSpecialEffects)
{
    Check({
        {{0xFA, 0x00, 0x03, 0x00}, "Monsters palette flashes to red"},
        {{0xFA, 0x01, 0x03, 0x00}, "Monsters #1, #2 moves back 1 step slowly"},
        {{0xFA, 0x08, 0x20, 0x00}, "Monsters #6 steps forward 3 steps quickly"},
        {{0xFA, 0x09, 0x00, 0x2D}, "Play sound: enemy death sound"},
        {{0xFA, 0x09, 0x00, 0xDA}, "Play sound: wha-thum! (Flail)"},
        {{0xFA, 0x09, 0x00, 0xFF}, "Play sound: Nothing)"},
        {{0xFA, 0x09, 0x00, 0x70}, "Play sound: ???"},
        {{0xFA, 0x0D, 0x00, 0x00}, "Background gets darker, sounds like boss dying"},
        {{0xFA, 0x0E, 0x00, 0x00}, "???"},
        {{0xFB, 0x00, 0x00}, "has battle timer set to 0"},
        {{0xFB, 0x01, 0x36}, "Target self becomes invincible"},
        {{0xFB, 0x07, 0x4E}, "Target ??? becomes untargetable"},
        {{0xFB, 0x0B, 0x04}, "Monster gains hidden status: Clear"},
        {{0xFB, 0x0C, 0x17}, "Monster loses status: Reflect"},
        {{0xFB, 0x0C, 0x18}, "Monster loses status: ???"},
        {{0xFB, 0x0D, 0x00}, "???"},
        {{0xFD}, "Wait until the attack sequence is called upon again, then continue (reset targeting)"},
        {{0xFE}, "End If and reset targeting"},
    });
}

TEST(Describe, EveryCondition)
{
    Check({
        {{0xFC, 0x00, 0x00, 0x00}, "??? (undocumented)"},
        {{0xFC, 0x01, 0x02, 0xFE}, "If monster has been attacked by cmd: cmd2 or Nothing, will target attacker"},
        {{0xFC, 0x02, 0x10, 0x60}, "If monster has been attacked by spell: atk16 or atk96, will target attacker"},
        {{0xFC, 0x03, 0x01, 0x02}, "If monster has been affected by item: item1 or item2, will target attacker"},
        {{0xFC, 0x04, 0x81, 0x00}, "If monster as been attacked by element: Fire, Water"},
        {{0xFC, 0x05, 0x00, 0x00}, "If monster has been attacked"},
        {{0xFC, 0x06, 0x36, 0x10}, "If target self has less or equal than 2048 HP"},
        {{0xFC, 0x07, 0x43, 0x10}, "If target allies has less or equal than 16 MP"},
        {{0xFC, 0x08, 0x36, 0x07}, "If target self is affected by status Death"},
        {{0xFC, 0x09, 0x36, 0x10}, "If target self is not affected by status Float"},
        {{0xFC, 0x0A, 0x00, 0x00}, "The commands following FC are never executed"},
        {{0xFC, 0x0B, 0x1E, 0x00}, "If timer has reached/passed 30 (locks timer)"},
        {{0xFC, 0x0B, 0x1E, 0x01}, "??? (undocumented)"},
        {{0xFC, 0x0C, 0x02, 0x03}, "If variable VAR002 is less than to 3"},
        {{0xFC, 0x0D, 0x02, 0x03}, "If variable VAR002 is greater than or equal to 3"},
        {{0xFC, 0x0E, 0x44, 0x14}, "If random ally's level is less than 20 (random target if many)"},
        {{0xFC, 0x0F, 0x44, 0x14}, "If random ally's level is greater or equal than 20 (random target if many)"},
        {{0xFC, 0x10, 0x00, 0x00}, "If only one type of monster is alive"},
        {{0xFC, 0x11, 0x06, 0x00}, "If following monster is/are alive: #2, #3"},
        {{0xFC, 0x11, 0x06, 0x01}, "??? (undocumented)"},
        {{0xFC, 0x12, 0x01, 0x00}, "If following monster is/are dead: #1"},
        {{0xFC, 0x13, 0x00, 0x02}, "If 2 ally(ies) or more remain"},
        {{0xFC, 0x13, 0x01, 0x02}, "If 2 monster(s) or less remain"},
        {{0xFC, 0x14, 0x09, 0x07}, "If VAR009 has all the following bit set: 7"},
        {{0xFC, 0x14, 0x09, 0x08}, "If VAR009 has all the following bit set: <unsupported bit operation>"},
        {{0xFC, 0x15, 0x09, 0x00}, "If VAR009 has all the following bit cleared: 0"},
        {{0xFC, 0x15, 0x09, 0x09}, "If VAR009 has all the following bit cleared: <unsupported bit operation>"},
        {{0xFC, 0x16, 0x40, 0x00}, "If the global battle timer is greater than 64"},
        {{0xFC, 0x17, 0x30, 0x00}, "If target monster #1 (random ally if N/A) is valid, set it, and"},
        {{0xFC, 0x18, 0x00, 0x00}, "If Gau has not joined the party"},
        {{0xFC, 0x19, 0x30, 0x00}, "If monster is in slot: #5, #6"},
        {{0xFC, 0x1A, 0x36, 0x0C}, "If target self is weak against elements: Lightn., Poison"},
        {{0xFC, 0x1B, 0x05, 0x02}, "If monster is in formation #517"},
        {{0xFC, 0x1C, 0x00, 0x00}, "Executes commands, even if Quick is in effect"},
        {{0xFC, 0x1D, 0x00, 0x00}, "??? (undocumented)"},
        {{0xFC, 0xFF, 0x00, 0x00}, "??? (undocumented)"},
    });
}

TEST(Describe, AControlCommandThatEndsAScriptIsTheEnd)
{
    // Whatever the last command is, when it is a control command it reads "End".
    BattleScript s;
    ASSERT_TRUE(s.Split(std::vector<uint8_t>{0xFD, 0xFF, 0xFF}));
    EXPECT_EQ(DescribeCommand(s, 0, StandInNames()),
              "Wait until the attack sequence is called upon again, then continue (reset targeting)");
    EXPECT_EQ(DescribeCommand(s, 2, StandInNames()), "End");
}

} // namespace
} // namespace quorvex
