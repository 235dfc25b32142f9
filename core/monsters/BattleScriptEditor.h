#pragma once
// The editing rules of the "Battle Script" page, without the window: every
// operation works on the document's script set, keeps the scripts within
// their byte budget, and either succeeds or leaves the script as it was and
// says why. The page, the command line and the tests drive these.
//
// A script must keep exactly its two break points (0xFF), the second one
// last: no operation inserts another 0xFF, deletes or edits one, or moves
// the final one. A third 0xFF would end the script early when the game (or
// a reopened image) reads it, losing the commands after it.
#include <cstdint>
#include <string>
#include <vector>

#include "monsters/BattleScript.h"

namespace quorvex {

struct RomData;
class BattleScriptSet;

namespace scripttext {
constexpr const char* kCannotInsertBreak = "Cannot insert a break point (0xFF)";
constexpr const char* kInsertAfterEnd = "Cannot insert command after second break point (0xFF)";
constexpr const char* kNotEnoughBytes = "Not enough bytes for insertion!!";
constexpr const char* kCannotEdit = "This opcode cannot be edited";
constexpr const char* kCannotDelete = "This opcode cannot be deleted";
constexpr const char* kEraseAllQuestion =
    "This action gets useful before importing all the Battle Scripts.\nDo you want to erase all Battle Scripts?";
constexpr const char* kCannotCompile =
    "Quorvex cannot compile Battle Scripts that are overlaped,\nhave shared pointers or that are switching "
    "banks.\nBattle Script Edition will not be available.";
constexpr const char* kMagRoaderQuestion =
    "There is a bug in the Mag Roader Battle Script.\nThe Battle Script Editor cannot work with it.\nWill you let "
    "Quorvex fix this bug?";
// "Current length: %d\r\nAvail. bytes: %d"
constexpr const char* kStatusFormat = "Current length: %d\r\nAvail. bytes: %d";
} // namespace scripttext

// Whether the script page may be offered for the set's load status.
enum class ScriptPageAdmission {
    Open,        // the set loaded cleanly (or was repaired)
    Refuse,      // overlapping, shared or bank-switching scripts: kCannotCompile
    AskRepair,   // the Mag Roader defect: kMagRoaderQuestion, then RepairMagRoader
};
ScriptPageAdmission ScriptPageAdmissionFor(const BattleScriptSet& set);
// Replaces the defective script 243 by its repaired form; false when the set
// does not have the defect.
bool RepairMagRoader(BattleScriptSet& set);

class BattleScriptEditor {
public:
    explicit BattleScriptEditor(BattleScriptSet& set) : m_set(set) {}

    // Each returns "" when done, otherwise the message that refused it
    // (and the script is as it was). k is the selected command.

    // Inserts command c before command k. c holds at least the command's
    // bytes (its length comes from its opcode; bytes after it are ignored).
    std::string Insert(int i, int k, const std::vector<uint8_t>& c);
    // Replaces command k by c (Hex Edit and the spell dialog).
    std::string Replace(int i, int k, const std::vector<uint8_t>& c);
    std::string Delete(int i, int k);
    // Moves command k one place up or down; returns the command's new index
    // (k when it does not move).
    int MoveUp(int i, int k);
    int MoveDown(int i, int k);

    // The one-command clipboard.
    void Copy(int i, int k);
    std::string Cut(int i, int k);
    std::string Paste(int i, int k);
    bool HasCommand() const { return !m_command.empty(); }
    const std::vector<uint8_t>& Clipboard() const { return m_command; }

    // The whole-script clipboard.
    void CopyScript(int i);
    std::string PasteScript(int i);
    bool HasScript() const { return m_hasScript; }

    void EraseScript(int i);
    void EraseAll();

    // "Current length: %d\r\nAvail. bytes: %d" for script i.
    std::string StatusText(int i) const;

private:
    BattleScriptSet& m_set;
    std::vector<uint8_t> m_command;
    BattleScript m_script;
    bool m_hasScript = false;
};

} // namespace quorvex
