#pragma once
// The three growth tables as the Actors Editor shows them: HP and MP gained
// on reaching each level 2-99 (one byte each), and the experience needed for
// each level, stored divided by 8 (one word each). A table is shown either
// as the increments themselves or as absolute values (the running total up
// to each level). Edits, imports and the evolution wizard all store through
// the same conversion: absolute values become differences (a negative
// difference becomes 0), HP and MP are clamped to 255, experience is
// divided by 8 and clamped to 65535.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "editors/ActorTables.h"

namespace quorvex {

enum class GrowthTable { Hp, Mp, Exp };
enum class GrowthView { Absolute, Increment };
using GrowthValues = std::array<int64_t, kGrowthLevels>;

// "hp", "mp", "exp" and "abs", "inc"; false for any other word.
bool ParseGrowthTable(const std::string& word, GrowthTable& table);
bool ParseGrowthView(const std::string& word, GrowthView& view);

// Captions: the value column ("HP", "MP", "Exp."), the chart's title
// ("HP Evolution", ...) and its value axis ("HP pnts.", ...).
const char* GrowthColumnTitle(GrowthTable table);
const char* GrowthChartTitle(GrowthTable table);
const char* GrowthAxisTitle(GrowthTable table);

// The increment of each level as shown: the byte, or the word times 8.
GrowthValues GrowthIncrements(const RomData& rd, GrowthTable table);
// The values as shown in a view.
GrowthValues GrowthShown(const RomData& rd, GrowthTable table, GrowthView view);

// Stores a value typed into row `row` (level row + 2): in absolute view the
// increments of the earlier rows are subtracted first.
void StoreGrowthRow(RomData& rd, GrowthTable table, GrowthView view, int row, int64_t value);
// Stores a whole table given as shown in a view: in absolute view each value
// less the one before it (the first as it is).
void StoreGrowthValues(RomData& rd, GrowthTable table, GrowthView view, const GrowthValues& values);

// "Total at level 99: ...\nMaximum increase was ... at level ...\nMinimum
// increase was ... at level ...". The first level with an extreme wins; an
// all-zero table reports its maximum at level 0, its minimum at level 2.
std::string GrowthQuickInfo(const RomData& rd, GrowthTable table);

// The export file's default name ("HP_inc.txt", "EXP_abs.txt", ...) and
// its content.
std::string GrowthFileName(GrowthTable table, GrowthView view);
std::string GrowthExportText(const RomData& rd, GrowthTable table, GrowthView view);

// Reading an import file: every line that starts with a decimal digit gives
// one value, up to 98 values. A line longer than 255 characters gives none
// (it would otherwise be read as several lines and shift every value after
// it). A number too large for the table is kept at the largest int value
// and clamped when stored.
constexpr size_t kGrowthLineMax = 255;
std::vector<int64_t> ReadGrowthFile(const std::string& text);

// Imports the values of a file's text into a table. On success the message
// is "Succesfully imported values"; with fewer than 98 values it is "Only
// read %d values / %d, canceling import" and nothing changed.
struct GrowthImport {
    bool ok = false;
    std::string message;
};
GrowthImport ImportGrowth(RomData& rd, GrowthTable table, GrowthView view, const std::string& text);

constexpr const char* kGrowthCreated = "`%s' created";
constexpr const char* kGrowthCantCreate = "Can't create export file!!";
constexpr const char* kGrowthCantRead = "Can't read import file!!";
constexpr const char* kGrowthImported = "Succesfully imported values";

} // namespace quorvex
