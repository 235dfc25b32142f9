#include "rom/RecordFields.h"

namespace quorvex {

FieldDesc TextField(std::string key, decltype(FieldDesc::getText) getText, decltype(FieldDesc::setText) setText)
{
    FieldDesc f;
    f.key = std::move(key);
    f.kind = FieldKind::Text;
    f.getText = std::move(getText);
    f.setText = std::move(setText);
    return f;
}

FieldDesc RuleField(std::string key, int64_t maximum, int count, decltype(FieldDesc::get) get,
                    decltype(FieldDesc::set) set, FieldKind kind)
{
    FieldDesc f;
    f.key = std::move(key);
    f.kind = kind;
    f.maximum = maximum;
    f.count = count;
    f.get = std::move(get);
    f.set = std::move(set);
    return f;
}

FieldDesc PresentWhen(FieldDesc field, decltype(FieldDesc::present) present)
{
    field.present = std::move(present);
    return field;
}

} // namespace quorvex
