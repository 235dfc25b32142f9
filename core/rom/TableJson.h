#pragma once
// The game's tables as one JSON document, and the checks that keep an
// import or an assignment from changing anything unless all of it is sound.
//
//   {"format": "quorvex-tables", "version": 1,
//    "image": {"release": "FF3us", "version": 0, "size_mbit": 24, "headered": false},
//    "tables": {"monsters": [{"index": 0, "name": "...", "hp": 1200, ...}, ...], ...}}
//
// A record's first key is "index". On import a record may carry only some
// keys (only those fields change) and may name its record by "index"
// instead of by its place in the array. Errors name their place
// ("tables.monsters[12].hp: 70000 is above 65535").
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "rom/TableDesc.h"

namespace quorvex {

using Json = nlohmann::ordered_json;

constexpr const char* kTablesFormat = "quorvex-tables";
constexpr int kTablesVersion = 1;
// At most this many errors are listed; the rest are counted.
constexpr size_t kMaxListedErrors = 20;

// Collected error lines, at most kMaxListedErrors of them listed.
class ErrorList {
public:
    void Add(const std::string& place, const std::string& what);
    bool Empty() const { return m_total == 0; }
    size_t Count() const { return m_total; }
    // The listed lines, and a last line counting those left out.
    std::vector<std::string> Lines() const;

private:
    std::vector<std::string> m_lines;
    size_t m_total = 0;
};

// The tables this image has, in the fixed order.
std::vector<const TableDesc*> ImageTables(const RomData& rd);
// Looks up table names given as "a,b,c"; unknown names go to `errors`.
std::vector<const TableDesc*> TablesByName(const RomData& rd, const std::string& names, ErrorList& errors);

Json RecordToJson(const RomData& rd, const TableDesc& table, int record);
Json TableToJson(const RomData& rd, const TableDesc& table);
Json ExportTables(const RomData& rd, const std::vector<const TableDesc*>& tables);

// The document as text for people and version control: nested objects and
// arrays one level per line, each record (and each array of numbers) on a
// line of its own, so that a changed field shows as one changed line.
std::string FormatJson(const Json& value);

// Parses text as a JSON document; false with the parser's complaint.
bool ParseJson(const std::string& text, Json& out, std::string& error);

// Checks the whole document and stores it. On any error nothing is changed
// (the tables are put back as they were) and false is returned.
bool ImportTables(RomData& rd, const Json& document, ErrorList& errors);

// Applies "KEY=VALUE" assignments to one record, all or nothing. VALUE is a
// decimal number, a hexadecimal one written 0x.. or $.., an array written
// [a,b,...], or for a text key any text. "KEY[N]=VALUE" sets one element.
bool SetAssignments(RomData& rd, const TableDesc& table, int record, const std::vector<std::string>& assignments,
                    ErrorList& errors);

} // namespace quorvex
