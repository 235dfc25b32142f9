// The game's tables without a window: tables, get, set, json export and
// json import. Every verb walks the table descriptions; none knows a table.
#include <fstream>
#include <iostream>
#include <sstream>

#include "CliCommon.h"
#include "CliRegistry.h"
#include "rom/TableJson.h"

namespace quorvex::cli {

namespace {

void PrintErrors(const ErrorList& errors)
{
    for (const std::string& line : errors.Lines())
        std::cerr << line << "\n";
}

// The record number as given: decimal or hexadecimal.
bool ParseIndex(const std::string& text, int& index)
{
    long v = 0;
    if (!ParseNumber(text, v) || v < INT32_MIN || v > INT32_MAX)
        return false;
    index = static_cast<int>(v);
    return true;
}

// The table of this image by name, or null with the error printed.
const TableDesc* ImageTable(const RomData& rd, const std::string& name)
{
    ErrorList errors;
    const auto tables = TablesByName(rd, name, errors);
    if (!errors.Empty() || tables.size() != 1) {
        PrintErrors(errors);
        return nullptr;
    }
    return tables[0];
}

int RunTables(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return UsageError("tables IMAGE");
    auto doc = OpenKnownImage(args[0], true);
    if (!doc)
        return 1;
    for (const TableDesc* t : ImageTables(doc->Rom()))
        std::cout << t->name << " " << t->count << "\n";
    return 0;
}

int RunGet(const std::vector<std::string>& args)
{
    const char* usage = "get IMAGE TABLE [INDEX]";
    if (args.size() != 2 && args.size() != 3)
        return UsageError(usage);
    int index = 0;
    if (args.size() == 3 && !ParseIndex(args[2], index))
        return UsageError(usage);
    auto doc = OpenKnownImage(args[0], true);
    if (!doc)
        return 1;
    const RomData& rd = doc->Rom();
    const TableDesc* t = ImageTable(rd, args[1]);
    if (!t)
        return 1;
    if (args.size() == 2) {
        std::cout << FormatJson(TableToJson(rd, *t)) << "\n";
        return 0;
    }
    if (index < 0 || index >= t->count) {
        std::cerr << t->name << "[" << index << "]: index is out of range (0-" << t->count - 1 << ")\n";
        return 1;
    }
    std::cout << FormatJson(RecordToJson(rd, *t, index)) << "\n";
    return 0;
}

int RunSet(const std::vector<std::string>& args)
{
    const char* usage = "set IMAGE TABLE INDEX KEY=VALUE [KEY=VALUE ...]";
    int index = 0;
    if (args.size() < 4 || !ParseIndex(args[2], index))
        return UsageError(usage);
    return EditAndSave(OpenKnownImage(args[0]), [&](CQuorvexDoc& doc) {
        RomData& rd = doc.Rom();
        const TableDesc* t = ImageTable(rd, args[1]);
        if (!t)
            return EditStatus::Failed;
        ErrorList errors;
        if (!SetAssignments(rd, *t, index, std::vector<std::string>(args.begin() + 3, args.end()), errors)) {
            PrintErrors(errors);
            return EditStatus::Failed;
        }
        doc.SetModifiedFlag();
        return EditStatus::Changed;
    });
}

int RunJsonExport(std::vector<std::string> args)
{
    const char* usage = "json export IMAGE [-o FILE] [--tables NAME,NAME,...]";
    std::string out, names;
    bool missingOut = false, missingNames = false;
    const bool hasOut = TakeOption(args, "-o", out, &missingOut);
    const bool hasNames = TakeOption(args, "--tables", names, &missingNames);
    if (args.size() != 1 || missingOut || missingNames)
        return UsageError(usage);
    auto doc = OpenKnownImage(args[0], true);
    if (!doc)
        return 1;
    const RomData& rd = doc->Rom();
    ErrorList errors;
    const auto tables = hasNames ? TablesByName(rd, names, errors) : ImageTables(rd);
    if (!errors.Empty()) {
        PrintErrors(errors);
        return 1;
    }
    const std::string text = FormatJson(ExportTables(rd, tables)) + "\n";
    if (!hasOut) {
        std::cout << text;
        return 0;
    }
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    if (!(file << text) || !file.flush()) {
        std::cerr << "Can't create file!!\n";
        return 1;
    }
    return 0;
}

int RunJsonImport(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return UsageError("json import IMAGE FILE");
    // A read-only image is refused before anything is read or checked.
    return EditAndSave(OpenKnownImage(args[0]), [&](CQuorvexDoc& doc) {
        std::ifstream file(args[1], std::ios::binary);
        std::stringstream text;
        if (!file || !(text << file.rdbuf())) {
            std::cerr << args[1] << ": Can't open file!!\n";
            return EditStatus::Failed;
        }
        Json json;
        std::string parseError;
        if (!ParseJson(text.str(), json, parseError)) {
            std::cerr << args[1] << ": " << parseError << "\n";
            return EditStatus::Failed;
        }
        ErrorList errors;
        if (!ImportTables(doc.Rom(), json, errors)) {
            PrintErrors(errors);
            return EditStatus::Failed;
        }
        doc.SetModifiedFlag();
        return EditStatus::Changed;
    });
}

const CliVerb kTables{"tables", "tables IMAGE", "list the image's tables: NAME COUNT", RunTables};
const CliVerb kGet{"get", "get IMAGE TABLE [INDEX]", "print one record, or every record, as JSON", RunGet};
const CliVerb kSet{"set", "set IMAGE TABLE INDEX KEY=VALUE [KEY=VALUE ...]",
                   "check every assignment, then store them and save the image once", RunSet, kChangesImage};
const CliVerb kJsonExport{"json export", "json export IMAGE [-o FILE] [--tables NAME,NAME,...]",
                          "write the tables as one JSON document", RunJsonExport};
const CliVerb kJsonImport{"json import", "json import IMAGE FILE",
                          "check a whole JSON document, then store it and save the image once", RunJsonImport,
                          kChangesImage};

} // namespace

} // namespace quorvex::cli
