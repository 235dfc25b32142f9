// The actors' growth tables without a window: growth export, growth import,
// growth formula and growth info, as the Actors Evolution page and its
// wizard do them.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "CliCommon.h"
#include "CliRegistry.h"
#include "editors/EvolutionWizard.h"
#include "editors/Growth.h"

namespace quorvex::cli {

namespace {

const char* kExportUsage = "growth export IMAGE hp|mp|exp inc|abs [-o FILE]";
const char* kImportUsage = "growth import IMAGE hp|mp|exp inc|abs FILE";
const char* kFormulaUsage = "growth formula IMAGE hp|mp|exp --kind K --initial C --final F --first f --last l "
                            "[--power n] [--view abs|inc]";
const char* kInfoUsage = "growth info IMAGE hp|mp|exp";

std::string Created(const std::string& name)
{
    char text[600];
    std::snprintf(text, sizeof text, kGrowthCreated, name.c_str());
    return text;
}

int RunExport(std::vector<std::string> args)
{
    std::string out;
    bool missing = false;
    const bool hasOut = TakeOption(args, "-o", out, &missing);
    GrowthTable table;
    GrowthView view;
    if (args.size() != 3 || missing || !ParseGrowthTable(args[1], table) || !ParseGrowthView(args[2], view))
        return UsageError(kExportUsage);
    auto doc = OpenKnownImage(args[0], true);
    if (!doc)
        return 1;
    const std::string name = hasOut ? out : GrowthFileName(table, view);
    std::ofstream file(name, std::ios::binary | std::ios::trunc);
    if (!file || !(file << GrowthExportText(doc->Rom(), table, view)) || !file.flush()) {
        std::cerr << kGrowthCantCreate << "\n";
        return 1;
    }
    std::cout << Created(name) << "\n";
    return 0;
}

int RunImport(const std::vector<std::string>& args)
{
    GrowthTable table;
    GrowthView view;
    if (args.size() != 4 || !ParseGrowthTable(args[1], table) || !ParseGrowthView(args[2], view))
        return UsageError(kImportUsage);
    // A read-only image is refused before the file is read.
    return EditAndSave(
        OpenKnownImage(args[0]),
        [&](CQuorvexDoc& doc) {
            std::ifstream file(args[3], std::ios::binary);
            std::stringstream text;
            if (!file || !(text << file.rdbuf())) {
                std::cerr << kGrowthCantRead << "\n";
                return EditStatus::Failed;
            }
            const GrowthImport result = ImportGrowth(doc.Rom(), table, view, text.str());
            if (!result.ok) {
                std::cerr << result.message << "\n";
                return EditStatus::Failed;
            }
            doc.SetModifiedFlag();
            return EditStatus::Changed;
        },
        [] { std::cout << kGrowthImported << "\n"; });
}

// One option's number, checked against the wizard field's range. Returns
// 0 when taken, 1 when refused (message printed), 2 on wrong usage.
int TakeNumber(std::vector<std::string>& args, const std::string& name, long minimum, long maximum, long& value,
               bool required = true)
{
    std::string text;
    bool missing = false;
    if (!TakeOption(args, name, text, &missing))
        return missing || required ? 2 : 0;
    if (!ParseNumber(text, value))
        return 2;
    if (value < minimum || value > maximum) {
        std::cerr << name << ": " << value << " is " << (value < minimum ? "below " : "above ")
                  << (value < minimum ? minimum : maximum) << "\n";
        return 1;
    }
    return 0;
}

int RunFormula(std::vector<std::string> args)
{
    if (args.size() < 2)
        return UsageError(kFormulaUsage);
    GrowthTable table;
    GrowthView view = GrowthView::Absolute;
    if (!ParseGrowthTable(args[1], table))
        return UsageError(kFormulaUsage);
    std::string viewWord;
    bool missingView = false;
    if (TakeOption(args, "--view", viewWord, &missingView) && !ParseGrowthView(viewWord, view))
        return UsageError(kFormulaUsage);
    if (missingView)
        return UsageError(kFormulaUsage);

    EvolutionWizard wizard(table);
    long kind = 0, initial = 0, final = 0, first = 0, last = 0, power = wizard.Power();
    int status = TakeNumber(args, "--kind", 0, kWizardKinds - 1, kind);
    const long top = static_cast<long>(wizard.ValueMax());
    for (int s : {TakeNumber(args, "--initial", 0, top, initial), TakeNumber(args, "--final", 0, top, final, kind != 0),
                  TakeNumber(args, "--first", EvolutionWizard::kFirstLevelMin, EvolutionWizard::kFirstLevelMax, first),
                  TakeNumber(args, "--last", EvolutionWizard::kLastLevelMin, EvolutionWizard::kLastLevelMax, last),
                  TakeNumber(args, "--power", EvolutionWizard::kPowerMin, EvolutionWizard::kPowerMax, power,
                             kind == kWizardFreePower)})
        status = std::max(status, s);
    if (status == 2 || args.size() != 2)
        return UsageError(kFormulaUsage);
    if (status == 1)
        return 1;

    return EditAndSave(
        OpenKnownImage(args[0]),
        [&](CQuorvexDoc& doc) {
            RomData& rd = doc.Rom();
            wizard.Load(GrowthShown(rd, table, view));
            wizard.SetKind(static_cast<int>(kind));
            wizard.SetInitial(initial);
            wizard.SetFinal(final);
            wizard.SetFirstLevel(static_cast<int>(first));
            wizard.SetLastLevel(static_cast<int>(last));
            wizard.SetPower(static_cast<int>(power));
            wizard.Apply();
            StoreGrowthValues(rd, table, view, wizard.Working());
            doc.SetModifiedFlag();
            return EditStatus::Changed;
        },
        [&] {
            char gain[64];
            std::snprintf(gain, sizeof gain, "%0.5f", wizard.Gain());
            std::cout << "gain needed (g): " << gain << "\n";
        });
}

int RunInfo(const std::vector<std::string>& args)
{
    GrowthTable table;
    if (args.size() != 2 || !ParseGrowthTable(args[1], table))
        return UsageError(kInfoUsage);
    auto doc = OpenKnownImage(args[0], true);
    if (!doc)
        return 1;
    std::cout << GrowthQuickInfo(doc->Rom(), table) << "\n";
    return 0;
}

const CliVerb kGrowthExport{"growth export", kExportUsage,
                            "write a growth table as the Actors Evolution page exports it", RunExport};
const CliVerb kGrowthImport{"growth import", kImportUsage,
                            "read 98 values into a growth table as the page imports them, then save", RunImport,
                            kChangesImage};
const CliVerb kGrowthFormula{"growth formula", kFormulaUsage,
                             "apply the evolution wizard's formula once, as Apply does, then save", RunFormula,
                             kChangesImage};
const CliVerb kGrowthInfo{"growth info", kInfoUsage, "print the quick info of a growth table", RunInfo};

} // namespace

} // namespace quorvex::cli
