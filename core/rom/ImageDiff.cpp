#include "rom/ImageDiff.h"

#include "rom/PatchResult.h"
#include "rom/TableDiff.h"
#include "rom/WholeFile.h"

namespace quorvex {

std::unique_ptr<CQuorvexDoc> OpenImageForDiff(const std::string& path, std::string& error)
{
    auto doc = std::make_unique<CQuorvexDoc>();
    const OpenResult r = doc->OnOpenDocument(path, true);
    if (!r.ok) {
        error = r.error;
        return nullptr;
    }
    if (!doc->Rom().IsKnown()) {
        error = "Unkown type: \"" + doc->Rom().internalName + "\" is not a known release of the game.";
        return nullptr;
    }
    return doc;
}

std::vector<RestorePointRow> DescribeRestorePoints(const std::string& imagePath)
{
    std::vector<RestorePointRow> rows;
    std::string currentError;
    const auto current = OpenImageForDiff(imagePath, currentError);
    std::vector<uint8_t> currentBytes;
    std::string ignored;
    ReadWholeFile(imagePath, currentBytes, ignored, kMaxPatchedSize);
    for (const RestorePoint& p : ListRestorePoints(imagePath)) {
        RestorePointRow row{p, {}};
        std::vector<uint8_t> bytes;
        std::string error;
        if (ReadWholeFile(p.path, bytes, error, kMaxPatchedSize) && bytes == currentBytes) {
            row.differences = "the same as the image";
        } else if (!current) {
            row.differences = "tables not compared: " + currentError;
        } else if (const auto old = OpenImageForDiff(p.path, error); !old) {
            row.differences = "tables not compared: " + error;
        } else {
            const std::vector<std::string> lines = DiffTables(old->Rom(), current->Rom());
            for (const std::string& line : lines)
                row.differences += (row.differences.empty() ? "" : "; ") + line;
            if (lines.empty())
                row.differences = "no table differs (other bytes do)";
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace quorvex
