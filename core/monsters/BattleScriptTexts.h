#pragma once
// The built-in English texts battle-script descriptions are made of: who a
// targeting value means, how monsters enter and leave (F5), the animation
// effects (FA), the special effects (FB), the scripted battle events (F7),
// the sound effects (FA 09), and the element and status names.
#include <string>

namespace quorvex {

// Each lookup returns "???" past the end of its table.
constexpr int kScriptTargetCount = 78;
constexpr int kScriptEventCount = 33;
const char* ScriptTargetText(int n);
const char* ScriptF5EntryText(int n);
const char* ScriptF5ChangeText(int n);
const char* ScriptFAText(int n);
const char* ScriptFBText(int n);
// Event n; null for n past 0x20.
const char* ScriptEventText(int n);
// The sound effect of FA 09, found by its code (the table is not in code
// order past 0x63); "???" when no entry has that code.
std::string ScriptSoundText(int code);
// Element bit 0-7 and status bit 0-23.
const char* ElementName(int bit);
const char* StatusName(int bit);

} // namespace quorvex
