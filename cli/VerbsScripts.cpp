// The monster battle scripts: status, show, export, import and edit. Verbs
// that change the image save it only when the whole operation succeeded; on
// any refusal the image file stays as it was.
#include <iostream>

#include "CliCommon.h"
#include "CliRegistry.h"
#include "monsters/BattleScriptEditor.h"
#include "monsters/BattleScriptFile.h"
#include "monsters/BattleScriptTables.h"
#include "monsters/ScriptNames.h"
#include "rom/RomData.h"

namespace quorvex::cli {

namespace {

constexpr const char* kForeignPatch =
    "The Battle Scripts of this ROM belong to another program's patch: Quorvex never saves them there.\n"
    "Move them first: quorvex-cli relocate IMAGE scripts apply";
constexpr const char* kRepairFirst = "Repair it first: quorvex-cli script edit IMAGE 243 repair";
constexpr const char* kNothingToRepair = "The Mag Roader Battle Script has no bug to fix.";

bool ParseScriptIndex(const std::string& text, int& index)
{
    long v = 0;
    if (!ParseNumber(text, v) || v < 0 || v >= kBattleScriptCount)
        return false;
    index = static_cast<int>(v);
    return true;
}

// Why the scripts of this image cannot be edited from here, or "".
// `repairing` lets the Mag Roader repair itself through.
std::string EditRefusal(const RomData& rd, bool repairing)
{
    switch (ScriptPageAdmissionFor(rd.scripts.set)) {
    case ScriptPageAdmission::Refuse: return scripttext::kCannotCompile;
    case ScriptPageAdmission::AskRepair:
        if (!repairing)
            return std::string("There is a bug in the Mag Roader Battle Script.\nThe Battle Script Editor cannot work "
                               "with it.\n") +
                   kRepairFirst;
        break;
    case ScriptPageAdmission::Open: break;
    }
    if (rd.romFlags & kFlagScriptWarned)
        return kForeignPatch;
    return {};
}

// "F0 EE EE EF" or "F0EEEEEF": one command's bytes.
bool ParseCommand(const std::string& text, std::vector<uint8_t>& bytes, std::string& error)
{
    std::string digits;
    for (char c : text)
        if (c != ' ')
            digits += c;
    unsigned long v = 0;
    if (digits.empty() || digits.size() % 2 != 0 || digits.size() > 8 || !ParseHex(digits, v) ||
        digits.find_first_of("xX$") != std::string::npos) {
        error = "\"" + text + "\" is not a command: give 1 to 4 bytes as hexadecimal digits";
        return false;
    }
    bytes.clear();
    for (size_t i = 0; i < digits.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
    const int need = ScriptOperandCount(bytes[0]);
    if (static_cast<int>(bytes.size()) - 1 != need) {
        error = Format("Opcode %02X must take %d operand%s", bytes[0], need, need > 1 ? "s" : "");
        return false;
    }
    return true;
}

int RunStatus(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return UsageError("script status IMAGE");
    auto doc = OpenKnownImage(args[0], true);
    if (!doc)
        return 1;
    const BattleScriptSet& set = doc->Rom().scripts.set;
    std::cout << "status: " << set.Status() << "\nused: " << set.Used() << "\ncapacity: " << set.Capacity()
              << "\navail: " << set.Avail() << "\n";
    return 0;
}

int RunShow(const std::vector<std::string>& args)
{
    int index = 0;
    if (args.size() != 2 || !ParseScriptIndex(args[1], index))
        return UsageError("script show IMAGE N (N: 0-383)");
    auto doc = OpenKnownImage(args[0], true);
    if (!doc)
        return 1;
    std::cout << ScriptBlockText(doc->Rom(), index, RomScriptNames(doc->Rom()));
    return 0;
}

int RunExport(std::vector<std::string> args)
{
    const char* usage = "script export IMAGE [N] [-o FILE]";
    std::string out;
    bool missing = false;
    const bool hasOut = TakeOption(args, "-o", out, &missing);
    int index = -1;
    if (missing || args.empty() || args.size() > 2 || (args.size() == 2 && !ParseScriptIndex(args[1], index)))
        return UsageError(usage);
    auto doc = OpenKnownImage(args[0], true);
    if (!doc)
        return 1;
    if (!hasOut)
        out = index < 0 ? scripttext::kAllScriptsFile : ScriptFileName(index);
    const PageMessage m = ExportScripts(doc->Rom(), index, out);
    if (m.kind == MsgKind::Error) {
        PrintLines(std::cerr, m.text);
        return 1;
    }
    std::cout << m.text << "\n";
    return 0;
}

int RunImport(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return UsageError("script import IMAGE FILE");
    std::string done;
    return EditAndSave(
        OpenKnownImage(args[0]),
        [&](CQuorvexDoc& doc) {
            const std::string refusal = EditRefusal(doc.Rom(), false);
            if (!refusal.empty()) {
                PrintLines(std::cerr, refusal);
                return EditStatus::Failed;
            }
            const BattleScriptSet before = doc.Rom().scripts.set;
            const PageMessage m = ImportScripts(doc.Rom(), args[1], 0);
            // Blocks imported before a faulty one never reach the file.
            if (m.kind != MsgKind::Information) {
                PrintLines(std::cerr, m.text);
                return EditStatus::Failed;
            }
            done = m.text;
            return doc.Rom().scripts.set == before ? EditStatus::Unchanged : EditStatus::Changed;
        },
        [&] { std::cout << done << "\n"; });
}

// One of the page's operations on script `index`; "" or its refusal.
std::string EditScript(RomData& rd, int index, const std::string& op, int k, const std::vector<uint8_t>& command)
{
    BattleScriptSet& set = rd.scripts.set;
    BattleScriptEditor editor(set);
    if ((op == "delete" || op == "replace") && k >= set.CommandCount(index))
        return Format("Script #%d has no command %d (it has %d).", index, k, set.CommandCount(index));
    if (op == "insert")
        return editor.Insert(index, k, command);
    if (op == "delete")
        return editor.Delete(index, k);
    if (op == "replace")
        return editor.Replace(index, k, command);
    if (op == "erase")
        editor.EraseScript(index);
    else if (op == "erase-all")
        editor.EraseAll();
    else if (!RepairMagRoader(set))
        return kNothingToRepair;
    return {};
}

int RunEdit(const std::vector<std::string>& args)
{
    const char* usage =
        "script edit IMAGE N insert K HEX | delete K | replace K HEX | erase | erase-all | repair";
    int index = 0;
    if (args.size() < 3 || !ParseScriptIndex(args[1], index))
        return UsageError(usage);
    const std::string& op = args[2];
    const bool takesK = op == "insert" || op == "delete" || op == "replace";
    const bool takesHex = op == "insert" || op == "replace";
    const size_t want = 3 + (takesK ? 1 : 0) + (takesHex ? 1 : 0);
    if (args.size() != want || !(takesK || op == "erase" || op == "erase-all" || op == "repair"))
        return UsageError(usage);
    long k = 0;
    if (takesK && (!ParseNumber(args[3], k) || k < 0 || k > 0xFFFF))
        return UsageError(usage);
    std::vector<uint8_t> command;
    std::string error;
    if (takesHex && !ParseCommand(args[4], command, error)) {
        PrintLines(std::cerr, error);
        return 1;
    }
    const int shown = op == "repair" ? kMagRoaderScript : index;
    std::string block;
    return EditAndSave(
        OpenKnownImage(args[0]),
        [&](CQuorvexDoc& doc) {
            RomData& rd = doc.Rom();
            std::string refusal = EditRefusal(rd, op == "repair");
            const BattleScriptSet before = rd.scripts.set;
            if (refusal.empty())
                refusal = EditScript(rd, index, op, static_cast<int>(k), command);
            if (!refusal.empty()) {
                PrintLines(std::cerr, refusal);
                return EditStatus::Failed;
            }
            if (op != "erase-all")
                block = ScriptBlockText(rd, shown, RomScriptNames(rd));
            return rd.scripts.set == before && rd.scripts.set.Status() == before.Status() ? EditStatus::Unchanged
                                                                                            : EditStatus::Changed;
        },
        [&] { std::cout << block; });
}

const CliVerb kStatus{"script status", "script status IMAGE",
                      "print the battle scripts' load status, used bytes, capacity and available bytes", RunStatus};
const CliVerb kShow{"script show", "script show IMAGE N", "print script N as the script file writes it", RunShow};
const CliVerb kExport{"script export", "script export IMAGE [N] [-o FILE]",
                      "write all 384 battle scripts (or script N) to a script file", RunExport};
const CliVerb kImport{"script import", "script import IMAGE FILE",
                      "import a battle script file and save the image when all of it was imported", RunImport,
                      kChangesImage};
const CliVerb kEdit{"script edit",
                    "script edit IMAGE N insert K HEX | delete K | replace K HEX | erase | erase-all | repair",
                    "edit battle script N as the script page does, and save", RunEdit, kChangesImage};

} // namespace

} // namespace quorvex::cli
