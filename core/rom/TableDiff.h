#pragma once
// Which tables differ between two images, read through the same loaders the
// document uses: "monsters 12, 40", "town dialogue 3 strings". Restore
// points and the command line's diff show these lines.
#include <functional>
#include <string>
#include <vector>

namespace quorvex {

struct RomData;

// Data that is not a table of records (text blocks, sample areas, pictures):
// `compare` returns an empty text when both images hold the same, otherwise
// what differs ("3 strings", "1 sample").
struct DataDiff {
    std::string name;
    std::function<std::string(const RomData& a, const RomData& b)> compare;
};
const std::vector<DataDiff>& AllDataDiffs();

// Record numbers shown before the rest are only counted.
constexpr size_t kDiffListedRecords = 20;

// One line per table or data block that differs, in the fixed table order
// and then the data order; empty when the two hold the same.
std::vector<std::string> DiffTables(const RomData& a, const RomData& b);

} // namespace quorvex
