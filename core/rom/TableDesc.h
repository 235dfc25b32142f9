#pragma once
// Every table an editor edits, described once: its name, how many records it
// has, and each field's key, place, width, range and kind. The command line's
// table verbs, the JSON document, the table-level diff and the generic field
// tests all walk these descriptions; the editors' pages bind their controls
// to the same fields, so a field's range and bit layout are stated in one
// place. The document still loads and stores the tables in the image's own
// order: a description only says where a field lies inside the bytes that
// the document already holds.
#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace quorvex {

struct RomData;

enum class FieldKind : uint8_t {
    Number,    // a plain quantity
    Bits,      // a bit set, held as one integer of the raw bits
    Reference, // the number of a record of another table (item, spell, ...)
    Text,      // game text in the tag language
};

// A run of bits of a record: `width` bits from bit `shift` of the
// little-endian value that starts at byte `byte`.
struct BitSpan {
    uint16_t byte = 0;
    uint8_t shift = 0;
    uint8_t width = 8;
};

// Reads and writes a run of bits; every other bit stays as it is.
uint64_t ReadBits(const uint8_t* record, BitSpan span);
void WriteBits(uint8_t* record, BitSpan span, uint64_t value);

// The bytes of record `record` of a table, or null when the image does not
// hold them (not loaded, or the record lies beyond what was read).
using RecordBytesFn = uint8_t* (*)(RomData& rd, int record);

// One field of a record. A number either lies in the record's bytes (through
// `source` and `parts`) or is reached through `get`/`set` (a value stored by a
// rule, or spread over other tables); a text is reached through
// `getText`/`setText`.
struct FieldDesc {
    std::string key;
    FieldKind kind = FieldKind::Number;
    int64_t minimum = 0;
    int64_t maximum = 255; // inclusive
    // 0: one value; otherwise an array of `count` values.
    int count = 0;

    // Numbers in the record's bytes: the value is the concatenation of the
    // parts, the first part giving the lowest bits. Element e of an array
    // lies `stride` bytes after element e - 1.
    RecordBytesFn source = nullptr;
    std::vector<BitSpan> parts;
    int stride = 1;

    // Numbers reached another way (`element` is 0 for a single value).
    std::function<int64_t(const RomData& rd, int record, int element)> get;
    std::function<void(RomData& rd, int record, int element, int64_t value)> set;

    // Texts, in UTF-8. `setText` stores the text or returns why it cannot
    // (then nothing changed): a character without a code, or a text longer
    // than its field or block.
    std::function<std::string(const RomData& rd, int record)> getText;
    std::function<std::string(RomData& rd, int record, const std::string& text)> setText;

    // Whether a record has this field at all (null: every record has it).
    std::function<bool(const RomData& rd, int record)> present;

    bool IsText() const { return kind == FieldKind::Text; }
    bool IsArray() const { return count > 0; }
    bool Has(const RomData& rd, int record) const { return !present || present(rd, record); }
};

struct TableDesc {
    std::string name;
    int count = 0;
    std::vector<FieldDesc> fields;
    // Whether this image has the table (null: every image of a known
    // release). A table whose place is not known for a release is left out.
    std::function<bool(const RomData& rd)> available;
    // Why the table cannot be changed in this image (empty: it can): the
    // refusal of the editor that owns it, e.g. a block with hand-edited
    // pointers. Reading still works.
    std::function<std::string(const RomData& rd)> refusal;

    bool IsAvailable(const RomData& rd) const;
    std::string Refusal(const RomData& rd) const { return refusal ? refusal(rd) : std::string(); }
    const FieldDesc* Field(const std::string& key) const;
    // The field a record has under this key: a table whose records differ
    // in shape (four entries or two) describes a key once per shape.
    const FieldDesc* Field(const std::string& key, const RomData& rd, int record) const;
};

// Field builders for the common shapes.
// A number of `width` bits from bit `shift` of byte `byte`; its range is
// what the bits hold unless given.
FieldDesc NumberField(std::string key, RecordBytesFn source, int byte, int shift = 0, int width = 8);
FieldDesc NumberField(std::string key, RecordBytesFn source, int byte, int shift, int width, int64_t minimum,
                      int64_t maximum);
// The same, as a bit set or as a reference to another table's records.
FieldDesc BitsField(std::string key, RecordBytesFn source, int byte, int shift = 0, int width = 8);
FieldDesc ReferenceField(std::string key, RecordBytesFn source, int byte, int64_t maximum, int width = 8);
// An array of `count` numbers, `stride` bytes apart.
FieldDesc ArrayField(FieldDesc field, int count, int stride);
// A number concatenated from several runs of bits, the first the lowest.
FieldDesc SplitField(std::string key, FieldKind kind, RecordBytesFn source, std::vector<BitSpan> parts);

// A field's value: a number, an array of numbers or a text.
using FieldValue = std::variant<int64_t, std::vector<int64_t>, std::string>;

FieldValue GetField(const RomData& rd, const FieldDesc& field, int record);
// Checks the value against the field and stores it; empty on success,
// otherwise what is wrong (nothing changed then). A value equal to the one
// held changes nothing, so bytes that do not decode to what the field shows
// (name padding, unusual codes) survive an export followed by an import.
std::string SetField(RomData& rd, const FieldDesc& field, int record, const FieldValue& value);
// Checks one array element and stores it.
std::string SetFieldElement(RomData& rd, const FieldDesc& field, int record, int element, int64_t value);

// Every table, in the fixed order the command line lists them.
const std::vector<TableDesc>& AllTables();
const TableDesc* FindTable(const std::string& name);

} // namespace quorvex
