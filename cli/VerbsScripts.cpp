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

int Refuse(const std::string& message)
{
    std::cerr << message << (message.ends_with('\n') ? "" : "\n");
    return 1;
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
    if (m.kind == MsgKind::Error)
        return Refuse(m.text);
    std::cout << m.text << "\n";
    return 0;
}

int RunImport(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return UsageError("script import IMAGE FILE");
    auto doc = OpenKnownImage(args[0]);
    if (!doc)
        return 1;
    const std::string refusal = EditRefusal(doc->Rom(), false);
    if (!refusal.empty())
        return Refuse(refusal);
    const PageMessage m = ImportScripts(doc->Rom(), args[1], 0);
    if (m.kind != MsgKind::Information)
        return Refuse(m.text); // the image is not saved: nothing of the import reaches it
    doc->SetModifiedFlag();
    if (!SaveImage(*doc))
        return 1;
    std::cout << m.text << "\n";
    return 0;
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
    if (takesHex && !ParseCommand(args[4], command, error))
        return Refuse(error);

    auto doc = OpenKnownImage(args[0]);
    if (!doc)
        return 1;
    RomData& rd = doc->Rom();
    const std::string refusal = EditRefusal(rd, op == "repair");
    if (!refusal.empty())
        return Refuse(refusal);
    BattleScriptSet& set = rd.scripts.set;
    BattleScriptEditor editor(set);
    const int kk = static_cast<int>(k);
    if ((op == "delete" || op == "replace") && kk >= set.CommandCount(index))
        return Refuse(Format("Script #%d has no command %d (it has %d).", index, kk, set.CommandCount(index)));
    if (op == "insert")
        error = editor.Insert(index, kk, command);
    else if (op == "delete")
        error = editor.Delete(index, kk);
    else if (op == "replace")
        error = editor.Replace(index, kk, command);
    else if (op == "erase")
        editor.EraseScript(index);
    else if (op == "erase-all")
        editor.EraseAll();
    else if (!RepairMagRoader(set))
        error = kNothingToRepair;
    if (!error.empty())
        return Refuse(error);
    doc->SetModifiedFlag();
    if (!SaveImage(*doc))
        return 1;
    if (op != "erase-all")
        std::cout << ScriptBlockText(rd, op == "repair" ? kMagRoaderScript : index, RomScriptNames(rd));
    return 0;
}

const CliVerb kStatus{"script status", "script status IMAGE",
                      "print the battle scripts' load status, used bytes, capacity and available bytes", RunStatus};
const CliVerb kShow{"script show", "script show IMAGE N", "print script N as the script file writes it", RunShow};
const CliVerb kExport{"script export", "script export IMAGE [N] [-o FILE]",
                      "write all 384 battle scripts (or script N) to a script file", RunExport};
const CliVerb kImport{"script import", "script import IMAGE FILE",
                      "import a battle script file and save the image when all of it was imported", RunImport};
const CliVerb kEdit{"script edit",
                    "script edit IMAGE N insert K HEX | delete K | replace K HEX | erase | erase-all | repair",
                    "edit battle script N as the script page does, and save", RunEdit};

} // namespace

} // namespace quorvex::cli
