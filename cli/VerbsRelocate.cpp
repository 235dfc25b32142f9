// The data location manager without its window: what it shows, and the
// operations behind its buttons. An operation that succeeds saves the image
// (the data moves and the game's code is adjusted by the save); a refusal
// prints the manager's message and leaves the file as it was. "status"
// only reads: when the image cannot be opened it says so and nothing more.
#include <iostream>

#include "CliCommon.h"
#include "CliRegistry.h"
#include "rom/DataRelocation.h"
#include "rom/RelocationView.h"
#include "rom/RomData.h"

namespace quorvex::cli {

namespace {

constexpr const char* kUsage = "relocate IMAGE status | scripts|dialogue|attack-names apply [--bank HH] | "
                               "scripts|dialogue|attack-names remove";

// "F6" (as the manager's list shows banks) to the bank's headered offset.
bool ParseBank(const std::string& text, uint32_t& bank)
{
    unsigned long v = 0;
    if (text.size() != 2 || !ParseHex(text, v))
        return false;
    bank = BankHeadered(static_cast<int>(v));
    return true;
}

// "relocate IMAGE status": the one call that changes nothing.
bool IsStatusQuery(const std::vector<std::string>& args) { return args.size() >= 2 && args[1] == "status"; }

int RunRelocate(std::vector<std::string> args)
{
    std::string bankText;
    bool missing = false;
    const bool hasBank = TakeOption(args, "--bank", bankText, &missing);
    if (missing || args.size() < 2)
        return UsageError(kUsage);
    if (IsStatusQuery(args)) {
        if (args.size() != 2 || hasBank)
            return UsageError(kUsage);
        auto doc = OpenKnownImage(args[0], true);
        if (!doc)
            return 1;
        const RomData& rd = doc->Rom();
        std::cout << RelocationStatusText(BuildRelocationView(rd, InitialScriptBank(rd), InitialAttackNameBank(rd)));
        return 0;
    }
    const std::string& what = args[1];
    if (args.size() != 3 || (args[2] != "apply" && args[2] != "remove") ||
        (what != "scripts" && what != "dialogue" && what != "attack-names"))
        return UsageError(kUsage);
    const bool apply = args[2] == "apply";
    if (hasBank && (!apply || what == "dialogue"))
        return UsageError(kUsage);
    uint32_t bank = 0;
    if (hasBank && !ParseBank(bankText, bank)) {
        std::cerr << "\"" << bankText << "\" is not a bank: give two hexadecimal digits, e.g. F6\n";
        return 2;
    }

    return EditAndSave(OpenKnownImage(args[0]), [&](CQuorvexDoc& doc) {
        RomData& rd = doc.Rom();
        RelocationResult r;
        if (what == "scripts")
            r = apply ? ApplyScriptRelocation(rd, hasBank ? bank : InitialScriptBank(rd)) : RemoveScriptRelocation(rd);
        else if (what == "dialogue")
            r = apply ? ApplyDialogueExpansion(rd) : RemoveDialogueExpansion(rd);
        else
            r = apply ? ApplyAttackNameRelocation(rd, hasBank ? bank : InitialAttackNameBank(rd))
                      : RemoveAttackNameRelocation(rd);
        if (!r.ok) {
            PrintLines(std::cerr, r.message);
            return EditStatus::Failed;
        }
        // The save moves the data and adjusts the game's code.
        return EditStatus::Changed;
    });
}

const CliVerb kRelocate{"relocate", kUsage,
                        "show where the relocatable data lies, or move battle scripts, town dialogue or special "
                        "attack names into the expanded section (or back) and save",
                        RunRelocate, [](const std::vector<std::string>& args) { return !IsStatusQuery(args); }};

} // namespace

} // namespace quorvex::cli
