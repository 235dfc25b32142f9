#include "monsters/BattleScriptDescriber.h"

#include <vector>

#include "monsters/BattleScriptSet.h"
#include "monsters/BattleScriptTexts.h"
#include "monsters/ScriptNames.h"
#include "text/TextPage.h"

namespace quorvex {

namespace {

constexpr const char* kUndocumented = "??? (undocumented)";
constexpr const char* kUnsupportedBit = "<unsupported bit operation>";

// A command's operands and the names it may quote.
struct Cmd {
    int o1, o2, o3;
    const ScriptNames& names;
};
using DescribeFn = std::string (*)(const Cmd&);

// "#1, #3": the monster slots whose bits 0-5 are set.
std::string MonsterMask(int m)
{
    std::string out;
    for (int b = 0; b < 6; ++b)
        if (m & (1 << b))
            out += (out.empty() ? "#" : ", #") + std::to_string(b + 1);
    return out;
}

std::string ElementMask(int m)
{
    std::string out;
    for (int b = 0; b < 8; ++b)
        if (m & (1 << b))
            out += (out.empty() ? "" : ", ") + std::string(ElementName(b));
    return out;
}

// An operand naming an attack of a random choice: 0xFE is the empty choice.
std::string AttackChoice(const Cmd& c, int v)
{
    if (v == 0xFE)
        return "Nothing";
    return v < 0xF0 ? c.names.Attack(v) : kUndocumented;
}

// An operand naming a battle command; only 0x00-0x1F are commands.
std::string CommandChoice(const Cmd& c, int v)
{
    if (v == 0xFE)
        return "Nothing";
    return v <= 0x1F ? c.names.Command(v) : kUndocumented;
}

std::string Target(int n) { return ScriptTargetText(n); }

bool OneOf(int v, std::initializer_list<int> set)
{
    for (int s : set)
        if (v == s)
            return true;
    return false;
}

// The conditions of 0xFC, by their first operand.
struct ConditionRow {
    int code;
    DescribeFn describe;
};
const ConditionRow kConditions[] = {
    {0x01, [](const Cmd& c) {
         return "If monster has been attacked by cmd: " + CommandChoice(c, c.o2) + " or " + CommandChoice(c, c.o3) +
                ", will target attacker";
     }},
    {0x02, [](const Cmd& c) {
         return "If monster has been attacked by spell: " + c.names.Attack(c.o2) + " or " + c.names.Attack(c.o3) +
                ", will target attacker";
     }},
    {0x03, [](const Cmd& c) {
         return "If monster has been affected by item: " + c.names.Item(c.o2) + " or " + c.names.Item(c.o3) +
                ", will target attacker";
     }},
    {0x04, [](const Cmd& c) { return "If monster as been attacked by element: " + ElementMask(c.o2); }},
    {0x05, [](const Cmd&) { return std::string("If monster has been attacked"); }},
    {0x06, [](const Cmd& c) {
         return Format("If target %s has less or equal than %d HP", Target(c.o2).c_str(), c.o3 * 128);
     }},
    {0x07, [](const Cmd& c) {
         return Format("If target %s has less or equal than %d MP", Target(c.o2).c_str(), c.o3);
     }},
    {0x08, [](const Cmd& c) {
         return Format("If target %s is affected by status %s", Target(c.o2).c_str(), StatusName(c.o3));
     }},
    {0x09, [](const Cmd& c) {
         return Format("If target %s is not affected by status %s", Target(c.o2).c_str(), StatusName(c.o3));
     }},
    {0x0A, [](const Cmd&) { return std::string("The commands following FC are never executed"); }},
    {0x0B, [](const Cmd& c) {
         return c.o3 == 0 ? Format("If timer has reached/passed %d (locks timer)", c.o2) : std::string(kUndocumented);
     }},
    {0x0C, [](const Cmd& c) { return Format("If variable VAR%03d is less than to %d", c.o2, c.o3); }},
    {0x0D, [](const Cmd& c) { return Format("If variable VAR%03d is greater than or equal to %d", c.o2, c.o3); }},
    {0x0E, [](const Cmd& c) {
         return Format("If %s's level is less than %d (random target if many)", Target(c.o2).c_str(), c.o3);
     }},
    {0x0F, [](const Cmd& c) {
         return Format("If %s's level is greater or equal than %d (random target if many)", Target(c.o2).c_str(),
                       c.o3);
     }},
    {0x10, [](const Cmd&) { return std::string("If only one type of monster is alive"); }},
    {0x11, [](const Cmd& c) {
         return c.o3 == 0 ? "If following monster is/are alive: " + MonsterMask(c.o2) : std::string(kUndocumented);
     }},
    {0x12, [](const Cmd& c) { return "If following monster is/are dead: " + MonsterMask(c.o2); }},
    {0x13, [](const Cmd& c) {
         return c.o2 == 0 ? Format("If %d ally(ies) or more remain", c.o3)
                          : Format("If %d monster(s) or less remain", c.o3);
     }},
    {0x14, [](const Cmd& c) {
         return c.o3 < 8 ? Format("If VAR%03d has all the following bit set: %d", c.o2, c.o3)
                         : Format("If VAR%03d has all the following bit set: %s", c.o2, kUnsupportedBit);
     }},
    {0x15, [](const Cmd& c) {
         return c.o3 < 8 ? Format("If VAR%03d has all the following bit cleared: %d", c.o2, c.o3)
                         : Format("If VAR%03d has all the following bit cleared: %s", c.o2, kUnsupportedBit);
     }},
    {0x16, [](const Cmd& c) { return Format("If the global battle timer is greater than %d", c.o2); }},
    {0x17, [](const Cmd& c) { return Format("If target %s is valid, set it, and", Target(c.o2).c_str()); }},
    {0x18, [](const Cmd&) { return std::string("If Gau has not joined the party"); }},
    {0x19, [](const Cmd& c) { return "If monster is in slot: " + MonsterMask(c.o2); }},
    {0x1A, [](const Cmd& c) {
         return Format("If target %s is weak against elements: %s", Target(c.o2).c_str(), ElementMask(c.o3).c_str());
     }},
    {0x1B, [](const Cmd& c) { return Format("If monster is in formation #%d", c.o2 + 256 * c.o3); }},
    {0x1C, [](const Cmd&) { return std::string("Executes commands, even if Quick is in effect"); }},
};

// The control commands, by opcode.
struct OpcodeRow {
    int opcode;
    DescribeFn describe;
};
const OpcodeRow kOpcodes[] = {
    {0xF0, [](const Cmd& c) {
         return "Rand. spell: " + AttackChoice(c, c.o1) + " or " + AttackChoice(c, c.o2) + " or " +
                AttackChoice(c, c.o3);
     }},
    {0xF1, [](const Cmd& c) { return "Targeting: " + Target(c.o1); }},
    {0xF2, [](const Cmd& c) {
         const int f = (c.o2 + 256 * c.o3) & 0x7FFF;
         std::vector<std::string> monsters;
         std::string list;
         if (c.names.FormationMonsters(f, monsters)) {
             for (const std::string& m : monsters)
                 list += (list.empty() ? "" : ", ") + m;
         } else {
             list = "???";
         }
         return Format("Call form. #%d (", f) + list + ")" + ((c.o3 & 0x80) ? ", gets max HP" : ", retains HP");
     }},
    {0xF3, [](const Cmd& c) {
         std::string quote;
         if (!c.names.SmallQuote(c.o1 + 256 * c.o2, quote))
             quote = "???";
         return "Text: \"" + quote + "\"";
     }},
    {0xF4, [](const Cmd& c) {
         return "Rand. cmd.: " + CommandChoice(c, c.o1) + " or " + CommandChoice(c, c.o2) + " or " +
                CommandChoice(c, c.o3);
     }},
    {0xF5, [](const Cmd& c) {
         return Format("Monsters %s %s, %s", MonsterMask(c.o3).c_str(), ScriptF5ChangeText(c.o2),
                       ScriptF5EntryText(c.o1));
     }},
    {0xF6, [](const Cmd& c) {
         return std::string(c.o1 == 0 ? "Use" : "Throw") + " random item: " + c.names.Item(c.o2) + " or " +
                c.names.Item(c.o3);
     }},
    {0xF7, [](const Cmd& c) {
         const char* event = ScriptEventText(c.o1);
         return std::string("Trigger event: ") + (event ? event : kUndocumented);
     }},
    {0xF8, [](const Cmd& c) {
         switch (c.o2 >> 6) {
         case 2: return Format("%d added to VAR%03d", c.o2 & 0x3F, c.o1);
         case 3: return Format("%d subtracted from VAR%03d", c.o2 & 0x3F, c.o1);
         default: return Format("Set VAR%03d to %d", c.o1, c.o2 & 0x3F);
         }
     }},
    {0xF9, [](const Cmd& c) {
         static const char* const kOps[3] = {"toggle bit", "set bit", "clear bit"};
         if (c.o3 < 8)
             return c.o1 < 3 ? Format("VAR%03d %s: %d", c.o2, kOps[c.o1], c.o3)
                             : Format("VAR%03d %s for bit: %d", c.o2, kUnsupportedBit, c.o3);
         return c.o1 < 3 ? Format("VAR%03d %s: %s", c.o2, kOps[c.o1], kUnsupportedBit)
                         : Format("VAR%03d <unsupported bit operation DOUBLE FAULT!!>", c.o2);
     }},
    {0xFA, [](const Cmd& c) {
         if (OneOf(c.o1, {1, 2, 3, 4, 7, 8}))
             return Format("Monsters %s %s", MonsterMask(c.o2).c_str(), ScriptFAText(c.o1));
         if (c.o1 == 9)
             return Format("%s: %s", ScriptFAText(c.o1), ScriptSoundText(c.o3).c_str());
         return std::string(ScriptFAText(c.o1));
     }},
    {0xFB, [](const Cmd& c) {
         if (OneOf(c.o1, {0x0B, 0x0C}))
             return Format("%s: %s", ScriptFBText(c.o1), StatusName(c.o2));
         if (OneOf(c.o1, {1, 5, 6, 7}))
             return Format("Target %s %s", Target(c.o2).c_str(), ScriptFBText(c.o1));
         return std::string(ScriptFBText(c.o1));
     }},
    {0xFC, [](const Cmd& c) {
         for (const ConditionRow& row : kConditions)
             if (row.code == c.o1)
                 return row.describe(c);
         return std::string(kUndocumented);
     }},
    {0xFD, [](const Cmd&) {
         return std::string("Wait until the attack sequence is called upon again, then continue (reset targeting)");
     }},
    {0xFE, [](const Cmd&) { return std::string("End If and reset targeting"); }},
    {0xFF, [](const Cmd&) { return std::string("End first wave of attack"); }},
};

} // namespace

std::string DescribeCommand(const BattleScript& script, int k, const ScriptNames& names, bool lineFeed)
{
    if (k < 0 || k >= script.CommandCount())
        return {};
    const int op = script.Opcode(k);
    const Cmd c{script.Operand(k, 0), script.Operand(k, 1), script.Operand(k, 2), names};
    std::string text;
    if (op < 0xF0) {
        text = names.Attack(op);
    } else if (k == script.CommandCount() - 1) {
        text = "End";
    } else {
        for (const OpcodeRow& row : kOpcodes)
            if (row.opcode == op)
                text = row.describe(c);
    }
    return lineFeed ? text + "\n" : text;
}

std::string Describe(const BattleScriptSet& set, int i, int k, const ScriptNames& names, bool lineFeed)
{
    if (i < 0 || i >= set.Count())
        return {};
    return DescribeCommand(set.Script(i), k, names, lineFeed);
}

} // namespace quorvex
