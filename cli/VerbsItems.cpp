// The item editor's repair without a window: the game's own item
// descriptions run over one another at the eight tools 163-170, so no
// description can be edited until those end before their "Use with Tools
// command" line.
#include <iostream>

#include "CliCommon.h"
#include "CliRegistry.h"
#include "editors/ItemTables.h"
#include "rom/RomData.h"

namespace quorvex::cli {

namespace {

int RunRepairDescriptions(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return UsageError("items repair-descriptions IMAGE");
    return EditAndSave(
        OpenKnownImage(args[0]),
        [](CQuorvexDoc& doc) {
            if (!RepairItemDescriptions(doc.Rom())) {
                PrintLines(std::cerr, kItemDescProblem);
                return EditStatus::Failed;
            }
            return EditStatus::Changed;
        },
        [] { std::cout << "Tools items #163 to #170 trimmed down: the item descriptions can be edited.\n"; });
}

const CliVerb kRepair{"items repair-descriptions", "items repair-descriptions IMAGE",
                      "trim the game's own descriptions of the tools 163-170 so that item descriptions can be edited",
                      RunRepairDescriptions, kChangesImage};

} // namespace

} // namespace quorvex::cli
