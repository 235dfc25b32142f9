#include "rom/TableDiff.h"

#include "monsters/BattleScriptTables.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

namespace quorvex {

namespace {

// Strings that differ between two blocks, counting strings one block has
// and the other has not.
std::string StringsDiffer(const CFF6DynTextObj& a, const CFF6DynTextObj& b)
{
    const int n = std::max(a.Count(), b.Count());
    int differ = 0;
    for (int i = 0; i < n; ++i)
        if (i >= a.Count() || i >= b.Count() || a.GetString(i) != b.GetString(i))
            ++differ;
    if (differ == 0)
        return {};
    return std::to_string(differ) + (differ == 1 ? " string" : " strings");
}

DataDiff TextBlockDiff(std::string name, const CFF6DynTextObj TextTables::*block)
{
    return {std::move(name), [block](const RomData& a, const RomData& b) {
                return StringsDiffer(a.text.*block, b.text.*block);
            }};
}

std::string SamplesDiffer(const RomData& a, const RomData& b)
{
    int differ = 0;
    for (size_t i = 0; i < a.audio.samples.size(); ++i)
        if (a.audio.samples[i] != b.audio.samples[i])
            ++differ;
    if (differ == 0)
        return {};
    return std::to_string(differ) + (differ == 1 ? " sample" : " samples");
}

std::string DteEntriesDiffer(const RomData& a, const RomData& b)
{
    int differ = 0;
    for (int k = 0; k < kDteEntries; ++k)
        if (a.text.dte.Entry(k) != b.text.dte.Entry(k))
            ++differ;
    if (differ == 0)
        return {};
    return std::to_string(differ) + (differ == 1 ? " entry" : " entries");
}

bool RecordsDiffer(const RomData& a, const RomData& b, const TableDesc& t, int record)
{
    for (const FieldDesc& f : t.fields) {
        if (f.Has(a, record) != f.Has(b, record))
            return true;
        if (f.Has(a, record) && GetField(a, f, record) != GetField(b, f, record))
            return true;
    }
    return false;
}

} // namespace

const std::vector<DataDiff>& AllDataDiffs()
{
    static const std::vector<DataDiff> diffs = {
        TextBlockDiff("town dialogue", &TextTables::townDialogue),
        TextBlockDiff("location names", &TextTables::locationNames),
        TextBlockDiff("battle messages", &TextTables::battleMessages),
        TextBlockDiff("monster dialogue", &TextTables::monsterDialogue),
        TextBlockDiff("item descriptions", &TextTables::itemDescriptions),
        TextBlockDiff("multiple-tile table", &TextTables::multiTile),
        {"dual-tile table", DteEntriesDiffer},
        {"sound samples", SamplesDiffer},
        {"battle scripts", BattleScriptsDiffer},
    };
    return diffs;
}

std::vector<std::string> DiffTables(const RomData& a, const RomData& b)
{
    std::vector<std::string> lines;
    for (const TableDesc& t : AllTables()) {
        const bool inA = t.IsAvailable(a), inB = t.IsAvailable(b);
        if (!inA && !inB)
            continue;
        if (inA != inB) {
            lines.push_back(t.name + " only in one image");
            continue;
        }
        std::vector<int> differ;
        for (int i = 0; i < t.count; ++i)
            if (RecordsDiffer(a, b, t, i))
                differ.push_back(i);
        if (differ.empty())
            continue;
        std::string line = t.name + " ";
        for (size_t k = 0; k < differ.size() && k < kDiffListedRecords; ++k)
            line += (k ? ", " : "") + std::to_string(differ[k]);
        if (differ.size() > kDiffListedRecords)
            line += ", ... (" + std::to_string(differ.size()) + " records)";
        lines.push_back(line);
    }
    for (const DataDiff& d : AllDataDiffs())
        if (std::string what = d.compare(a, b); !what.empty())
            lines.push_back(d.name + " " + what);
    return lines;
}

} // namespace quorvex
