#include "rom/TableDesc.h"

#include <algorithm>

#include "rom/RomData.h"

namespace quorvex {

uint64_t ReadBits(const uint8_t* record, BitSpan span)
{
    const int bytes = (span.shift + span.width + 7) / 8;
    uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | record[span.byte + i];
    v >>= span.shift;
    return span.width >= 64 ? v : v & ((uint64_t{1} << span.width) - 1);
}

void WriteBits(uint8_t* record, BitSpan span, uint64_t value)
{
    for (int b = 0; b < span.width; ++b) {
        const int bit = span.shift + b;
        uint8_t& byte = record[span.byte + bit / 8];
        const uint8_t mask = static_cast<uint8_t>(1u << (bit % 8));
        byte = static_cast<uint8_t>(((value >> b) & 1) ? (byte | mask) : (byte & ~mask));
    }
}

bool TableDesc::IsAvailable(const RomData& rd) const { return rd.IsKnown() && (!available || available(rd)); }

const FieldDesc* TableDesc::Field(const std::string& key) const
{
    for (const FieldDesc& f : fields)
        if (f.key == key)
            return &f;
    return nullptr;
}

const FieldDesc* TableDesc::Field(const std::string& key, const RomData& rd, int record) const
{
    for (const FieldDesc& f : fields)
        if (f.key == key && f.Has(rd, record))
            return &f;
    return Field(key);
}

FieldDesc NumberField(std::string key, RecordBytesFn source, int byte, int shift, int width)
{
    const int64_t top = width >= 63 ? INT64_MAX : (int64_t{1} << width) - 1;
    return NumberField(std::move(key), source, byte, shift, width, 0, top);
}

FieldDesc NumberField(std::string key, RecordBytesFn source, int byte, int shift, int width, int64_t minimum,
                      int64_t maximum)
{
    FieldDesc f;
    f.key = std::move(key);
    f.source = source;
    f.parts = {BitSpan{static_cast<uint16_t>(byte), static_cast<uint8_t>(shift), static_cast<uint8_t>(width)}};
    f.minimum = minimum;
    f.maximum = maximum;
    return f;
}

FieldDesc BitsField(std::string key, RecordBytesFn source, int byte, int shift, int width)
{
    FieldDesc f = NumberField(std::move(key), source, byte, shift, width);
    f.kind = FieldKind::Bits;
    return f;
}

FieldDesc ReferenceField(std::string key, RecordBytesFn source, int byte, int64_t maximum, int width)
{
    FieldDesc f = NumberField(std::move(key), source, byte, 0, width, 0, maximum);
    f.kind = FieldKind::Reference;
    return f;
}

FieldDesc ArrayField(FieldDesc field, int count, int stride)
{
    field.count = count;
    field.stride = stride;
    return field;
}

FieldDesc SplitField(std::string key, FieldKind kind, RecordBytesFn source, std::vector<BitSpan> parts)
{
    FieldDesc f;
    f.key = std::move(key);
    f.kind = kind;
    f.source = source;
    int width = 0;
    for (const BitSpan& p : parts)
        width += p.width;
    f.parts = std::move(parts);
    f.minimum = 0;
    f.maximum = (int64_t{1} << width) - 1;
    return f;
}

namespace {

// The value of element `element` held in the record's bytes; 0 when the
// image does not hold the record.
int64_t ReadStored(const RomData& rd, const FieldDesc& f, int record, int element)
{
    if (f.get)
        return f.get(rd, record, element);
    const uint8_t* rec = f.source ? f.source(const_cast<RomData&>(rd), record) : nullptr;
    if (!rec)
        return 0;
    uint64_t v = 0;
    int at = 0;
    for (BitSpan p : f.parts) {
        p.byte = static_cast<uint16_t>(p.byte + element * f.stride);
        v |= ReadBits(rec, p) << at;
        at += p.width;
    }
    return static_cast<int64_t>(v);
}

void WriteStored(RomData& rd, const FieldDesc& f, int record, int element, int64_t value)
{
    if (f.set) {
        f.set(rd, record, element, value);
        return;
    }
    uint8_t* rec = f.source ? f.source(rd, record) : nullptr;
    if (!rec)
        return;
    uint64_t v = static_cast<uint64_t>(value);
    for (BitSpan p : f.parts) {
        p.byte = static_cast<uint16_t>(p.byte + element * f.stride);
        WriteBits(rec, p, v);
        v >>= p.width;
    }
}

std::string CheckRange(const FieldDesc& f, int64_t v)
{
    if (v > f.maximum)
        return std::to_string(v) + " is above " + std::to_string(f.maximum);
    if (v < f.minimum)
        return std::to_string(v) + " is below " + std::to_string(f.minimum);
    return {};
}

} // namespace

FieldValue GetField(const RomData& rd, const FieldDesc& f, int record)
{
    if (f.IsText())
        return f.getText ? f.getText(rd, record) : std::string();
    if (!f.IsArray())
        return ReadStored(rd, f, record, 0);
    std::vector<int64_t> values(static_cast<size_t>(f.count));
    for (int e = 0; e < f.count; ++e)
        values[static_cast<size_t>(e)] = ReadStored(rd, f, record, e);
    return values;
}

std::string SetFieldElement(RomData& rd, const FieldDesc& f, int record, int element, int64_t value)
{
    if (f.IsText() || element < 0 || element >= std::max(f.count, 1))
        return "no such element";
    if (std::string e = CheckRange(f, value); !e.empty())
        return e;
    if (ReadStored(rd, f, record, element) != value)
        WriteStored(rd, f, record, element, value);
    return {};
}

std::string SetField(RomData& rd, const FieldDesc& f, int record, const FieldValue& value)
{
    if (f.IsText()) {
        const std::string* text = std::get_if<std::string>(&value);
        if (!text)
            return "expects a text";
        if (!f.setText)
            return "cannot be changed";
        if (f.getText && f.getText(rd, record) == *text)
            return {};
        return f.setText(rd, record, *text);
    }
    if (!f.IsArray()) {
        const int64_t* v = std::get_if<int64_t>(&value);
        if (!v)
            return "expects a number";
        return SetFieldElement(rd, f, record, 0, *v);
    }
    const auto* values = std::get_if<std::vector<int64_t>>(&value);
    if (!values)
        return "expects an array of " + std::to_string(f.count) + " numbers";
    if (values->size() != static_cast<size_t>(f.count))
        return "expects " + std::to_string(f.count) + " numbers, not " + std::to_string(values->size());
    // Every element is checked before any is stored.
    for (int64_t v : *values)
        if (std::string e = CheckRange(f, v); !e.empty())
            return e;
    for (int e = 0; e < f.count; ++e)
        SetFieldElement(rd, f, record, e, (*values)[static_cast<size_t>(e)]);
    return {};
}

const TableDesc* FindTable(const std::string& name)
{
    for (const TableDesc& t : AllTables())
        if (t.name == name)
            return &t;
    return nullptr;
}

} // namespace quorvex
