#pragma once
// One line of plain English per battle-script command, as the script page
// lists them and the script files carry them as comments. Plain attacks are
// named; every control command (0xF0-0xFE) has its own sentence, and the
// conditions of 0xFC one each. Operand values the game does not document
// are described with "???", "??? (undocumented)" or the
// "<unsupported bit operation>" texts; nothing fails.
#include <string>

namespace quorvex {

class BattleScript;
class BattleScriptSet;
class ScriptNames;

// Command k of a script; empty when k is not one of its commands. With
// lineFeed the text ends with "\n".
std::string DescribeCommand(const BattleScript& script, int k, const ScriptNames& names, bool lineFeed = false);
std::string Describe(const BattleScriptSet& set, int i, int k, const ScriptNames& names, bool lineFeed = false);

} // namespace quorvex
