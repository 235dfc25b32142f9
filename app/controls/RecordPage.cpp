#include "RecordPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <memory>

#include "FieldControls.h"
#include "rom/TableDesc.h"

using namespace quorvex;

CRecordPage::CRecordPage(CEditorSheet* sheet, const TableDesc& table, const char* setting, QWidget* parent)
    : QWidget(parent), m_sheet(sheet), m_table(table), m_setting(setting)
{
    m_current = RememberedIndex();
}

int CRecordPage::Count() const { return m_table.count; }

int CRecordPage::RememberedIndex() const { return m_setting ? IndexSetting(m_setting).Get(Count()) : 0; }

void CRecordPage::RememberSelection()
{
    if (m_setting)
        IndexSetting(m_setting).Set(m_current);
}

const FieldDesc& CRecordPage::Field(const char* key) const
{
    const FieldDesc* f = m_table.Field(key);
    if (!f)
        qFatal("table %s has no field %s", m_table.name.c_str(), key);
    return *f;
}

void CRecordPage::Select(int i)
{
    Store(m_current);
    m_current = std::clamp(i, 0, std::max(0, Count() - 1));
    Show(m_current);
}

void CRecordPage::ShowFirst(int i)
{
    m_current = std::clamp(i, 0, std::max(0, Count() - 1));
    Show(m_current);
}

int64_t CRecordPage::Value(const FieldDesc& f, int record, int element) const
{
    const FieldValue v = GetField(m_sheet->Rom(), f, record);
    if (const auto* a = std::get_if<std::vector<int64_t>>(&v))
        return (*a)[static_cast<size_t>(element)];
    if (const auto* n = std::get_if<int64_t>(&v))
        return *n;
    return 0;
}

void CRecordPage::StoreValue(const FieldDesc& f, int record, int element, int64_t value)
{
    if (Value(f, record, element) == value)
        return;
    if (SetFieldElement(m_sheet->Rom(), f, record, element, std::clamp(value, f.minimum, f.maximum)).empty())
        m_sheet->SetEdited();
}

void CRecordPage::Show(int i)
{
    for (const Binding& b : m_bindings)
        if (b.show)
            b.show(i);
}

void CRecordPage::Store(int i)
{
    for (const Binding& b : m_bindings)
        if (b.store)
            b.store(i);
}

void CRecordPage::Bind(std::function<void(int)> show, std::function<void(int)> store)
{
    m_bindings.push_back({std::move(show), std::move(store)});
}

void CRecordPage::Bind(CNumberField* w, const char* key, int element)
{
    const FieldDesc& f = Field(key);
    w->SetRange({static_cast<int32_t>(f.minimum), static_cast<int32_t>(f.maximum + 1)});
    // setText clears the edit's modified flag; only typing sets it.
    Bind([this, w, &f, element](int i) { w->SetValue(Value(f, i, element)); },
         [this, w, &f, element](int i) {
             if (w->isModified())
                 StoreValue(f, i, element, w->Read());
         });
}

void CRecordPage::Bind(CHexField* w, const char* key, int element)
{
    const FieldDesc& f = Field(key);
    Bind([this, w, &f, element](int i) { w->SetValue(static_cast<uint32_t>(Value(f, i, element))); },
         [this, w, &f, element](int i) {
             const int32_t v = w->Read();
             if (w->isModified() && v >= 0)
                 StoreValue(f, i, element, v);
         });
}

namespace {
int64_t ComboValue(const QComboBox* w, int index)
{
    const QVariant data = w->itemData(index);
    return data.isValid() ? data.toLongLong() : index;
}
} // namespace

void CRecordPage::Bind(QComboBox* w, const char* key, int element)
{
    const FieldDesc& f = Field(key);
    auto shown = std::make_shared<int>(-1);
    Bind(
        [this, w, &f, element, shown](int i) {
            const int64_t v = Value(f, i, element);
            int index = -1;
            for (int k = 0; k < w->count() && index < 0; ++k)
                if (ComboValue(w, k) == v)
                    index = k;
            w->setCurrentIndex(index);
            *shown = index;
        },
        [this, w, &f, element, shown](int i) {
            if (w->currentIndex() >= 0 && w->currentIndex() != *shown)
                StoreValue(f, i, element, ComboValue(w, w->currentIndex()));
        });
}

void CRecordPage::Bind(QCheckBox* w, const char* key, int element)
{
    const FieldDesc& f = Field(key);
    auto shown = std::make_shared<bool>(false);
    Bind(
        [this, w, &f, element, shown](int i) {
            *shown = Value(f, i, element) != 0;
            w->setChecked(*shown);
        },
        [this, w, &f, element, shown](int i) {
            if (w->isChecked() != *shown)
                StoreValue(f, i, element, w->isChecked() ? 1 : 0);
        });
}

void CRecordPage::Bind(CCheckListControl* w, int column, const char* key)
{
    const FieldDesc& f = Field(key);
    Bind(
        [this, w, &f, column](int i) {
            const uint64_t v = static_cast<uint64_t>(Value(f, i));
            CheckColumn& c = w->Column(column);
            for (int r = 0; r < c.Rows(); ++r)
                c.SetCell(r, (v >> r) & 1);
            w->Redraw();
        },
        [this, w, &f, column](int i) {
            uint64_t v = static_cast<uint64_t>(Value(f, i));
            const CheckColumn& c = w->Column(column);
            for (int r = 0; r < c.Rows() && r < 64; ++r)
                v = c.Cell(r) ? v | (uint64_t{1} << r) : v & ~(uint64_t{1} << r);
            StoreValue(f, i, 0, static_cast<int64_t>(v));
        });
}
