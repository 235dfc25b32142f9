#include "rom/TableJson.h"

#include <charconv>

#include "rom/RomData.h"
#include "rom/TableSnapshot.h"

namespace quorvex {

void ErrorList::Add(const std::string& place, const std::string& what)
{
    if (m_lines.size() < kMaxListedErrors)
        m_lines.push_back(place.empty() ? what : place + ": " + what);
    ++m_total;
}

std::vector<std::string> ErrorList::Lines() const
{
    std::vector<std::string> lines = m_lines;
    if (m_total > m_lines.size())
        lines.push_back("... and " + std::to_string(m_total - m_lines.size()) + " more errors");
    return lines;
}

std::vector<const TableDesc*> ImageTables(const RomData& rd)
{
    std::vector<const TableDesc*> tables;
    for (const TableDesc& t : AllTables())
        if (t.IsAvailable(rd))
            tables.push_back(&t);
    return tables;
}

std::vector<const TableDesc*> TablesByName(const RomData& rd, const std::string& names, ErrorList& errors)
{
    std::vector<const TableDesc*> tables;
    size_t start = 0;
    while (start <= names.size()) {
        size_t end = names.find(',', start);
        if (end == std::string::npos)
            end = names.size();
        const std::string name = names.substr(start, end - start);
        const TableDesc* t = FindTable(name);
        if (!t)
            errors.Add(name, "no such table");
        else if (!t->IsAvailable(rd))
            errors.Add(name, "this image has no such table");
        else
            tables.push_back(t);
        start = end + 1;
    }
    return tables;
}

namespace {

Json ValueToJson(const FieldValue& v)
{
    if (const auto* n = std::get_if<int64_t>(&v))
        return *n;
    if (const auto* a = std::get_if<std::vector<int64_t>>(&v))
        return Json(*a);
    return std::get<std::string>(v);
}

std::string RecordPlace(const std::string& prefix, const TableDesc& t, int record)
{
    return prefix + t.name + "[" + std::to_string(record) + "]";
}

// A JSON value as a field value of the kind the field expects; false with
// what is wrong.
bool JsonToValue(const FieldDesc& f, const Json& j, FieldValue& out, std::string& error)
{
    if (f.IsText()) {
        if (!j.is_string()) {
            error = "expects a text";
            return false;
        }
        out = j.get<std::string>();
        return true;
    }
    auto number = [&error](const Json& n, int64_t& v) {
        if (!n.is_number_integer()) {
            error = "expects a whole number";
            return false;
        }
        if (n.is_number_unsigned() && n.get<uint64_t>() > static_cast<uint64_t>(INT64_MAX)) {
            error = "is too large";
            return false;
        }
        v = n.get<int64_t>();
        return true;
    };
    if (!f.IsArray()) {
        int64_t v = 0;
        if (!number(j, v))
            return false;
        out = v;
        return true;
    }
    if (!j.is_array()) {
        error = "expects an array of " + std::to_string(f.count) + " numbers";
        return false;
    }
    std::vector<int64_t> values;
    for (const Json& e : j) {
        int64_t v = 0;
        if (!number(e, v))
            return false;
        values.push_back(v);
    }
    out = std::move(values);
    return true;
}

bool SameValue(const RomData& rd, const FieldDesc& f, int record, const FieldValue& v)
{
    return GetField(rd, f, record) == v;
}

// Stores one field of one record, with the checks every path shares.
void StoreValue(RomData& rd, const TableDesc& t, const FieldDesc& f, int record, const FieldValue& v,
                const std::string& place, ErrorList& errors)
{
    if (!f.Has(rd, record)) {
        errors.Add(place, "record " + std::to_string(record) + " has no such field");
        return;
    }
    if (SameValue(rd, f, record, v))
        return;
    if (const std::string refusal = t.Refusal(rd); !refusal.empty()) {
        errors.Add(place, refusal);
        return;
    }
    if (const std::string e = SetField(rd, f, record, v); !e.empty())
        errors.Add(place, e);
}

bool ParseInteger(const std::string& text, int64_t& v)
{
    std::string_view s = text;
    bool negative = false;
    if (!s.empty() && s[0] == '-') {
        negative = true;
        s.remove_prefix(1);
    }
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    } else if (s.size() > 1 && s[0] == '$') {
        base = 16;
        s.remove_prefix(1);
    }
    if (s.empty() || s[0] == '-' || s[0] == '+')
        return false;
    uint64_t u = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), u, base);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || u > static_cast<uint64_t>(INT64_MAX))
        return false;
    v = negative ? -static_cast<int64_t>(u) : static_cast<int64_t>(u);
    return true;
}

// "[1, 2, $3]" or "1,2,3" as numbers.
bool ParseIntegerList(std::string text, std::vector<int64_t>& out)
{
    if (!text.empty() && text.front() == '[') {
        if (text.back() != ']')
            return false;
        text = text.substr(1, text.size() - 2);
    }
    out.clear();
    size_t start = 0;
    while (true) {
        size_t end = text.find(',', start);
        std::string item = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const size_t first = item.find_first_not_of(" \t");
        const size_t last = item.find_last_not_of(" \t");
        item = first == std::string::npos ? std::string() : item.substr(first, last - first + 1);
        int64_t v = 0;
        if (item.empty() && out.empty() && end == std::string::npos)
            return true; // "[]"
        if (!ParseInteger(item, v))
            return false;
        out.push_back(v);
        if (end == std::string::npos)
            return true;
        start = end + 1;
    }
}

} // namespace

Json RecordToJson(const RomData& rd, const TableDesc& t, int record)
{
    Json j = Json::object();
    j["index"] = record;
    for (const FieldDesc& f : t.fields)
        if (f.Has(rd, record))
            j[f.key] = ValueToJson(GetField(rd, f, record));
    return j;
}

Json TableToJson(const RomData& rd, const TableDesc& t)
{
    Json a = Json::array();
    for (int i = 0; i < t.count; ++i)
        a.push_back(RecordToJson(rd, t, i));
    return a;
}

Json ExportTables(const RomData& rd, const std::vector<const TableDesc*>& tables)
{
    Json doc = Json::object();
    doc["format"] = kTablesFormat;
    doc["version"] = kTablesVersion;
    Json image = Json::object();
    image["release"] = rd.romType == kRomFF6j ? "FF6j" : "FF3us";
    image["version"] = rd.version;
    image["size_mbit"] = rd.imageSize == kImageSize24 ? 24 : rd.imageSize == kImageSize28 ? 28 : rd.imageSize == kImageSize32 ? 32 : 0;
    image["headered"] = !rd.IsHeaderless();
    doc["image"] = image;
    Json all = Json::object();
    for (const TableDesc* t : tables)
        all[t->name] = TableToJson(rd, *t);
    doc["tables"] = all;
    return doc;
}

namespace {

bool IsFlat(const Json& v)
{
    if (!v.is_structured())
        return true;
    for (const Json& e : v)
        if (e.is_object() || (e.is_array() && !IsFlat(e)))
            return false;
    return true;
}

void Format(const Json& v, int depth, std::string& out)
{
    if (IsFlat(v)) {
        out += v.dump(-1, ' ', false, Json::error_handler_t::replace);
        return;
    }
    const std::string inner(static_cast<size_t>(depth + 1), ' ');
    const bool object = v.is_object();
    out += object ? "{\n" : "[\n";
    bool first = true;
    for (auto it = v.begin(); it != v.end(); ++it) {
        out += first ? "" : ",\n";
        first = false;
        out += inner;
        if (object)
            out += Json(it.key()).dump() + ": ";
        Format(*it, depth + 1, out);
    }
    out += "\n" + std::string(static_cast<size_t>(depth), ' ') + (object ? "}" : "]");
}

} // namespace

std::string FormatJson(const Json& value)
{
    std::string out;
    Format(value, 0, out);
    return out;
}

bool ParseJson(const std::string& text, Json& out, std::string& error)
{
    try {
        out = Json::parse(text);
        return true;
    } catch (const Json::parse_error& e) {
        // The library's own prefix ("[json.exception.parse_error.101] ")
        // means nothing to a user.
        std::string what = e.what();
        if (const size_t at = what.find("] "); at != std::string::npos)
            what = what.substr(at + 2);
        error = "malformed JSON: " + what;
        return false;
    }
}

bool ImportTables(RomData& rd, const Json& doc, ErrorList& errors)
{
    if (!doc.is_object()) {
        errors.Add("", "the document is not a JSON object");
        return false;
    }
    if (!doc.contains("format") || doc["format"] != kTablesFormat)
        errors.Add("format", std::string("expects \"") + kTablesFormat + "\"");
    if (!doc.contains("version") || doc["version"] != kTablesVersion)
        errors.Add("version", "expects " + std::to_string(kTablesVersion));
    if (!doc.contains("tables") || !doc["tables"].is_object())
        errors.Add("tables", "expects an object of tables");
    if (!errors.Empty())
        return false;

    const TableSnapshot before(rd);
    for (const auto& [name, records] : doc["tables"].items()) {
        const std::string tablePlace = "tables." + name;
        const TableDesc* t = FindTable(name);
        if (!t) {
            errors.Add(tablePlace, "no such table");
            continue;
        }
        if (!t->IsAvailable(rd)) {
            errors.Add(tablePlace, "this image has no such table");
            continue;
        }
        if (!records.is_array()) {
            errors.Add(tablePlace, "expects an array of records");
            continue;
        }
        for (size_t pos = 0; pos < records.size(); ++pos) {
            const Json& rec = records[pos];
            std::string place = tablePlace + "[" + std::to_string(pos) + "]";
            if (!rec.is_object()) {
                errors.Add(place, "expects a record object");
                continue;
            }
            int64_t index = static_cast<int64_t>(pos);
            if (rec.contains("index")) {
                if (!rec["index"].is_number_integer()) {
                    errors.Add(place + ".index", "expects a whole number");
                    continue;
                }
                index = rec["index"].get<int64_t>();
                place = tablePlace + "[" + std::to_string(index) + "]";
            }
            if (index < 0 || index >= t->count) {
                errors.Add(place, "index is out of range (0-" + std::to_string(t->count - 1) + ")");
                continue;
            }
            const int record = static_cast<int>(index);
            for (const auto& [key, value] : rec.items()) {
                if (key == "index")
                    continue;
                const std::string fieldPlace = place + "." + key;
                const FieldDesc* f = t->Field(key, rd, record);
                if (!f) {
                    errors.Add(fieldPlace, "no such key");
                    continue;
                }
                FieldValue v;
                std::string e;
                if (!JsonToValue(*f, value, v, e)) {
                    errors.Add(fieldPlace, e);
                    continue;
                }
                StoreValue(rd, *t, *f, record, v, fieldPlace, errors);
            }
        }
    }
    if (!errors.Empty()) {
        before.Restore(rd);
        return false;
    }
    return true;
}

bool SetAssignments(RomData& rd, const TableDesc& t, int record, const std::vector<std::string>& assignments,
                    ErrorList& errors)
{
    const std::string recordPlace = RecordPlace("", t, record);
    if (record < 0 || record >= t.count) {
        errors.Add(recordPlace, "index is out of range (0-" + std::to_string(t.count - 1) + ")");
        return false;
    }
    const TableSnapshot before(rd);
    for (const std::string& a : assignments) {
        const size_t eq = a.find('=');
        if (eq == std::string::npos || eq == 0) {
            errors.Add(a, "expects KEY=VALUE");
            continue;
        }
        std::string key = a.substr(0, eq);
        const std::string text = a.substr(eq + 1);
        int element = -1;
        if (const size_t open = key.find('['); open != std::string::npos && key.back() == ']') {
            int64_t e = 0;
            if (!ParseInteger(key.substr(open + 1, key.size() - open - 2), e) || e < 0 || e > 0xFFFF) {
                errors.Add(recordPlace + "." + key, "expects an element number");
                continue;
            }
            element = static_cast<int>(e);
            key = key.substr(0, open);
        }
        const std::string place = recordPlace + "." + key;
        const FieldDesc* f = t.Field(key, rd, record);
        if (!f) {
            errors.Add(place, "no such key");
            continue;
        }
        if (element >= 0) {
            if (!f->IsArray() || element >= f->count) {
                errors.Add(place + "[" + std::to_string(element) + "]", "no such element");
                continue;
            }
            int64_t v = 0;
            if (!ParseInteger(text, v)) {
                errors.Add(place + "[" + std::to_string(element) + "]", "expects a number, not \"" + text + "\"");
                continue;
            }
            FieldValue whole = GetField(rd, *f, record);
            std::get<std::vector<int64_t>>(whole)[static_cast<size_t>(element)] = v;
            StoreValue(rd, t, *f, record, whole, place + "[" + std::to_string(element) + "]", errors);
            continue;
        }
        FieldValue v;
        if (f->IsText()) {
            v = text;
        } else if (f->IsArray()) {
            std::vector<int64_t> values;
            if (!ParseIntegerList(text, values)) {
                errors.Add(place, "expects numbers like [1,2,3], not \"" + text + "\"");
                continue;
            }
            v = std::move(values);
        } else {
            int64_t n = 0;
            if (!ParseInteger(text, n)) {
                errors.Add(place, "expects a number, not \"" + text + "\"");
                continue;
            }
            v = n;
        }
        StoreValue(rd, t, *f, record, v, place, errors);
    }
    if (!errors.Empty()) {
        before.Restore(rd);
        return false;
    }
    return true;
}

} // namespace quorvex
