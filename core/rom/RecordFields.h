#pragma once
// Builders for the shapes of field that the table descriptions repeat.
//
// `RecordFields` is bound to one record source, so that a table's field list
// reads like the record's byte layout:
//
//   const RecordFields item(ItemRecord);
//   t.fields = {item.Number("power", 20), item.Flags("elements", 15),
//               item.Nibble("speed", 16, true), item.Bit("random_cast", 18, 6)};
//
// The free builders cover the fields that do not lie in one record's bytes:
// a text reached through its own functions, a number stored by a rule, and a
// field that only some records have.
#include "rom/TableDesc.h"

namespace quorvex {

class RecordFields {
public:
    explicit RecordFields(RecordBytesFn source) : m_source(source) {}

    // `width` bits from bit `shift` of byte `byte`, as a number, a bit set
    // or the number of another table's record.
    FieldDesc Number(std::string key, int byte, int shift = 0, int width = 8) const
    {
        return NumberField(std::move(key), m_source, byte, shift, width);
    }
    FieldDesc Flags(std::string key, int byte, int shift = 0, int width = 8) const
    {
        return BitsField(std::move(key), m_source, byte, shift, width);
    }
    FieldDesc Reference(std::string key, int byte, int64_t maximum, int width = 8) const
    {
        return ReferenceField(std::move(key), m_source, byte, maximum, width);
    }
    // The high or the low four bits of a byte, as a number.
    FieldDesc Nibble(std::string key, int byte, bool high) const { return Number(std::move(key), byte, high ? 4 : 0, 4); }
    // One bit, as the number 0 or 1.
    FieldDesc Bit(std::string key, int byte, int bit) const { return Number(std::move(key), byte, bit, 1); }

private:
    RecordBytesFn m_source;
};

// A text reached through its own functions (no `present`: every record has
// it).
FieldDesc TextField(std::string key, decltype(FieldDesc::getText) getText, decltype(FieldDesc::setText) setText);

// A number from 0 to `maximum` stored by a rule, or an array of `count` of
// them (0: one value), reached through `get`/`set`.
FieldDesc RuleField(std::string key, int64_t maximum, int count, decltype(FieldDesc::get) get,
                    decltype(FieldDesc::set) set, FieldKind kind = FieldKind::Number);

// The field, for the records `present` picks only.
FieldDesc PresentWhen(FieldDesc field, decltype(FieldDesc::present) present);

} // namespace quorvex
