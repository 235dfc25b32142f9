// The table descriptions and what walks them: every field changes only its
// own value, the JSON document round-trips without touching a byte, errors
// name their place and change nothing, and the diff names what differs.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "rom/Document.h"
#include "rom/TableDiff.h"
#include "rom/TableJson.h"
#include "rom/TableSnapshot.h"
#include "text/TextCodec.h"

namespace quorvex {
namespace {

class Tables : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir, opts)).ok); }
    RomData& Rd() { return doc.Rom(); }

    synth::SynthOptions opts;
    test::TempDir dir;
    CQuorvexDoc doc;
};

TEST(TableBits, ReadAndWriteOnlyTheirSpan)
{
    struct Row {
        BitSpan span;
        uint64_t value;
        std::vector<uint8_t> expected; // from four bytes of 0xA5
    };
    const Row rows[] = {
        {{0, 0, 8}, 0x3C, {0x3C, 0xA5, 0xA5, 0xA5}},
        {{1, 0, 16}, 0xBEEF, {0xA5, 0xEF, 0xBE, 0xA5}},
        {{0, 5, 3}, 0x0, {0x05, 0xA5, 0xA5, 0xA5}},   // morph rate in bits 5-7
        {{0, 0, 5}, 0x1F, {0xBF, 0xA5, 0xA5, 0xA5}},  // morph pack in bits 0-4
        {{0, 6, 4}, 0xF, {0xE5, 0xA7, 0xA5, 0xA5}},   // a nibble across a byte boundary
        {{1, 0, 24}, 0x123456, {0xA5, 0x56, 0x34, 0x12}},
    };
    for (const Row& r : rows) {
        std::vector<uint8_t> rec(4, 0xA5);
        WriteBits(rec.data(), r.span, r.value);
        EXPECT_EQ(rec, r.expected) << int(r.span.byte) << "/" << int(r.span.shift);
        EXPECT_EQ(ReadBits(rec.data(), r.span), r.value);
    }
}

// Every value of every record of every table, in one list: what a JSON
// export holds, without building the document (the test below takes it
// once per field).
std::vector<FieldValue> AllValues(const RomData& rd, const std::vector<const TableDesc*>& tables)
{
    std::vector<FieldValue> values;
    for (const TableDesc* t : tables)
        for (int record = 0; record < t->count; ++record)
            for (const FieldDesc& f : t->fields)
                values.push_back(f.Has(rd, record) ? GetField(rd, f, record) : FieldValue());
    return values;
}

// "table[record].key" of place i of that list.
std::string PlaceOf(const std::vector<const TableDesc*>& tables, size_t i)
{
    for (const TableDesc* t : tables) {
        const size_t size = static_cast<size_t>(t->count) * t->fields.size();
        if (i < size)
            return t->name + "[" + std::to_string(i / t->fields.size()) + "]." + t->fields[i % t->fields.size()].key;
        i -= size;
    }
    return "?";
}

// Setting any field of any table to another value in range changes that
// value and no other value of any table.
TEST_F(Tables, EveryFieldChangesOnlyItself)
{
    const std::vector<const TableDesc*> tables = ImageTables(Rd());
    const std::vector<FieldValue> before = AllValues(Rd(), tables);
    size_t tableStart = 0;
    for (const TableDesc* t : tables) {
        for (size_t k = 0; k < t->fields.size(); ++k) {
            const FieldDesc& f = t->fields[k];
            if (f.IsText())
                continue;
            for (int record : {0, t->count - 1}) {
                if (!f.Has(Rd(), record))
                    continue;
                SCOPED_TRACE(t->name + "[" + std::to_string(record) + "]." + f.key);
                const FieldValue old = GetField(Rd(), f, record);
                const int64_t first = f.IsArray() ? std::get<std::vector<int64_t>>(old)[0] : std::get<int64_t>(old);
                const int64_t other = first == f.maximum ? f.minimum : f.maximum;
                TableSnapshot snapshot(Rd());
                ASSERT_EQ(SetFieldElement(Rd(), f, record, 0, other), "");
                std::vector<FieldValue> after = AllValues(Rd(), tables);
                FieldValue& changed = after[tableStart + static_cast<size_t>(record) * t->fields.size() + k];
                if (f.IsArray())
                    EXPECT_EQ(std::get<std::vector<int64_t>>(changed)[0], other);
                else
                    EXPECT_EQ(std::get<int64_t>(changed), other);
                changed = before[tableStart + static_cast<size_t>(record) * t->fields.size() + k];
                if (after != before) {
                    for (size_t i = 0; i < after.size(); ++i)
                        if (after[i] != before[i]) {
                            ADD_FAILURE() << PlaceOf(tables, i) << " changed too";
                            break;
                        }
                }
                snapshot.Restore(Rd());
            }
        }
        tableStart += static_cast<size_t>(t->count) * t->fields.size();
    }
}

TEST(TablesRoundTrip, ExportThenImportKeepsEveryVariantByteIdentical)
{
    for (const synth::Variant& v : synth::AllVariants()) {
        SCOPED_TRACE(v.name);
        test::TempDir dir;
        const std::string path = test::WriteImage(dir, v.options);
        const std::vector<uint8_t> original = test::ReadFileBytes(path);
        CQuorvexDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path).ok);
        if (!doc.Rom().IsKnown())
            continue;
        const std::string text = FormatJson(ExportTables(doc.Rom(), ImageTables(doc.Rom())));
        Json parsed;
        std::string error;
        ASSERT_TRUE(ParseJson(text, parsed, error)) << error;
        ErrorList errors;
        ASSERT_TRUE(ImportTables(doc.Rom(), parsed, errors)) << (errors.Lines().empty() ? "" : errors.Lines()[0]);
        ASSERT_TRUE(doc.OnSaveDocument(path).ok);
        EXPECT_EQ(test::ReadFileBytes(path), original);
    }
}

TEST_F(Tables, ImportErrorsNameTheirPlaceAndChangeNothing)
{
    const RomData kept = Rd();
    Json doc = ExportTables(Rd(), ImageTables(Rd()));
    Json& packs = doc["tables"]["morph_packs"];
    packs[1]["items"] = Json::array({1, 2, 3, 300});
    packs[2]["items"] = Json::array({1, 2});
    packs[3]["colour"] = 4;
    packs[4]["items"] = "four";
    packs[5]["index"] = 40;
    packs[6]["items"] = Json::array({7, 7, 7, 7}); // sound, but the import fails as a whole
    doc["tables"]["no_such"] = Json::array();
    ErrorList errors;
    EXPECT_FALSE(ImportTables(Rd(), doc, errors));
    const std::vector<std::string> expected = {
        "tables.morph_packs[1].items: 300 is above 255",
        "tables.morph_packs[2].items: expects 4 numbers, not 2",
        "tables.morph_packs[3].colour: no such key",
        "tables.morph_packs[4].items: expects an array of 4 numbers",
        "tables.morph_packs[40]: index is out of range (0-31)",
        "tables.no_such: no such table",
    };
    EXPECT_EQ(errors.Lines(), expected);
    EXPECT_EQ(Rd().editors.morphPacks.bytes, kept.editors.morphPacks.bytes);
}

TEST_F(Tables, DocumentLevelErrorsAndTheErrorCap)
{
    ErrorList errors;
    EXPECT_FALSE(ImportTables(Rd(), Json::parse(R"({"format":"other","version":2})"), errors));
    EXPECT_EQ(errors.Lines(), (std::vector<std::string>{"format: expects \"quorvex-tables\"", "version: expects 1",
                                                        "tables: expects an object of tables"}));
    Json doc = ExportTables(Rd(), ImageTables(Rd()));
    for (Json& rec : doc["tables"]["morph_packs"])
        rec["items"] = Json::array({-1, 0, 0, 0});
    ErrorList many;
    EXPECT_FALSE(ImportTables(Rd(), doc, many));
    EXPECT_EQ(many.Count(), 32u);
    ASSERT_EQ(many.Lines().size(), kMaxListedErrors + 1);
    EXPECT_EQ(many.Lines().front(), "tables.morph_packs[0].items: -1 is below 0");
    EXPECT_EQ(many.Lines().back(), "... and 12 more errors");

    Json parsed;
    std::string error;
    EXPECT_FALSE(ParseJson("{\"format\": \n  [1, 2", parsed, error));
    EXPECT_EQ(error.rfind("malformed JSON: parse error at line 2", 0), 0u) << error;
}

TEST_F(Tables, ARecordMayCarryOnlySomeKeysAndNameItsIndex)
{
    const TableDesc& packs = *FindTable("morph_packs");
    const FieldValue keep = GetField(Rd(), packs.fields[0], 0);
    Json doc = Json::parse(R"({"format":"quorvex-tables","version":1,"tables":{"morph_packs":[{"index":9,"items":[1,2,3,4]},{}]}})");
    ErrorList errors;
    ASSERT_TRUE(ImportTables(Rd(), doc, errors));
    EXPECT_EQ(GetField(Rd(), packs.fields[0], 9), FieldValue(std::vector<int64_t>{1, 2, 3, 4}));
    EXPECT_EQ(GetField(Rd(), packs.fields[0], 0), keep);
}

TEST_F(Tables, AssignmentsCheckEverythingFirst)
{
    const TableDesc& packs = *FindTable("morph_packs");
    struct Row {
        std::vector<std::string> assignments;
        std::vector<std::string> errors;
        std::vector<int64_t> items; // empty: unchanged
    };
    const Row rows[] = {
        {{"items=[1,2,3,4]"}, {}, {1, 2, 3, 4}},
        {{"items=$10, 0x20,3,4", "items[3]=255"}, {}, {16, 32, 3, 255}},
        {{"items[1]=9", "items=[1,2,3,400]"}, {"morph_packs[5].items: 400 is above 255"}, {}},
        {{"items[4]=1"}, {"morph_packs[5].items[4]: no such element"}, {}},
        {{"items=many"}, {"morph_packs[5].items: expects numbers like [1,2,3], not \"many\""}, {}},
        {{"weight=3", "items"}, {"morph_packs[5].weight: no such key", "items: expects KEY=VALUE"}, {}},
    };
    for (const Row& r : rows) {
        const FieldValue old = GetField(Rd(), packs.fields[0], 5);
        ErrorList errors;
        EXPECT_EQ(SetAssignments(Rd(), packs, 5, r.assignments, errors), r.errors.empty());
        EXPECT_EQ(errors.Lines(), r.errors);
        EXPECT_EQ(GetField(Rd(), packs.fields[0], 5), r.items.empty() ? old : FieldValue(r.items));
    }
    ErrorList errors;
    EXPECT_FALSE(SetAssignments(Rd(), packs, 32, {"items[0]=1"}, errors));
    EXPECT_EQ(errors.Lines(), std::vector<std::string>{"morph_packs[32]: index is out of range (0-31)"});
}

TEST_F(Tables, DiffNamesRecordsAndStrings)
{
    CQuorvexDoc other;
    ASSERT_TRUE(other.OnOpenDocument(Rd().path).ok);
    EXPECT_TRUE(DiffTables(Rd(), other.Rom()).empty());
    const TableDesc& packs = *FindTable("morph_packs");
    for (int i : {3, 17})
        ASSERT_EQ(SetFieldElement(Rd(), packs.fields[0], i, 2, (std::get<std::vector<int64_t>>(GetField(Rd(), packs.fields[0], i))[2] + 1) % 256), "");
    ASSERT_GE(Rd().text.townDialogue.ReplaceString(4, {0x41, 0x00}), 0);
    ASSERT_GE(Rd().text.townDialogue.ReplaceString(9, {0x42, 0x00}), 0);
    EXPECT_EQ(DiffTables(Rd(), other.Rom()), (std::vector<std::string>{"morph_packs 3, 17", "town dialogue 2 strings"}));
}

// Every name of every list decodes to text that encodes back to the name
// (the padding aside), in both releases.
TEST(NameText, EveryNameRoundTripsThroughTheTagLanguage)
{
    for (uint8_t romType : {1, 2}) {
        test::TempDir dir;
        synth::SynthOptions o;
        o.romType = romType;
        CQuorvexDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir, o)).ok);
        for (NameListId id : {NameListId::Monster, NameListId::Item, NameListId::Spell, NameListId::Esper,
                              NameListId::Attack, NameListId::RareItem, NameListId::Actor}) {
            const NameList& list = GetNameList(doc.Rom(), id);
            for (uint32_t i = 0; i < list.stored; ++i) {
                std::vector<uint8_t> name = list.Get(i);
                if (!name.empty() && name[0] == 0xFF)
                    continue; // a leading pad shows as a space, which types as the space code
                const size_t end = std::find_if(name.begin(), name.end(), [](uint8_t c) { return c == 0xFF || c == 0; }) - name.begin();
                name.resize(end);
                std::vector<uint8_t> back;
                ASSERT_TRUE(EncodeName(list.Decode(i, romType), romType, back));
                EXPECT_EQ(back, name) << int(romType) << " list " << int(id) << " name " << i;
            }
        }
    }
}

TEST_F(Tables, NameFieldsRefuseWhatDoesNotFit)
{
    FieldDesc item = NameListField("name", NameListId::Item);
    const uint32_t len = GetNameList(Rd(), NameListId::Item).nameLen;
    const std::string tooLong(len + 1, 'A');
    EXPECT_EQ(SetField(Rd(), item, 3, FieldValue(tooLong)),
              "\"" + tooLong + "\" does not fit: this name holds " + std::to_string(len) + " characters");
    EXPECT_EQ(SetField(Rd(), item, 3, FieldValue(std::string("Pot\xc3\xa9"))),
              "character 4 of \"Pot\xc3\xa9\" has no code in names");
    EXPECT_EQ(SetField(Rd(), item, 3, FieldValue(std::string("Tonic<$E1>"))), "");
    const std::vector<uint8_t> bytes = GetNameList(Rd(), NameListId::Item).Get(3);
    EXPECT_EQ(bytes[5], 0xE1);
    EXPECT_EQ(bytes.back(), 0xFF);
}

} // namespace
} // namespace quorvex
