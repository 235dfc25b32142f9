#pragma once
// Two images compared table by table, through the loaders the document
// uses: what `quorvex-cli diff` prints and what the restore point list
// shows beside each restore point.
#include <memory>
#include <string>
#include <vector>

#include "rom/Document.h"
#include "rom/RestorePoints.h"

namespace quorvex {

// Opens an image of known release for reading only; null, with the reason,
// when it cannot be opened or its release is unknown (no tables to compare).
std::unique_ptr<CQuorvexDoc> OpenImageForDiff(const std::string& path, std::string& error);

struct RestorePointRow {
    RestorePoint point;
    // "monsters 12, 40; town dialogue 3 strings", or what else tells it
    // apart from the image as it is now.
    std::string differences;
};

// The image's restore points, newest first, each compared with the image
// as it is on disk now.
std::vector<RestorePointRow> DescribeRestorePoints(const std::string& imagePath);

} // namespace quorvex
