#pragma once
// One page of an editor sheet that shows one record of a table at a time:
// its controls are bound to the table's fields, so that a field's range and
// bits are stated once, in the table's description. A page is its layout
// plus a list of Bind calls; special cases go in the page's own Show and
// Store overrides.
//
// Selecting another record stores the shown one first. A control the user
// did not change is not stored, so a value the controls cannot show (a
// hand-edited number outside the list or the range) stays as it is until
// the user really changes it.
#include <QWidget>
#include <functional>
#include <vector>

#include "EditorSheet.h"
#include "Settings.h"

namespace quorvex {
struct FieldDesc;
struct TableDesc;
struct RomData;
} // namespace quorvex
class CNumberField;
class CHexField;
class CCheckListControl;
class QCheckBox;
class QComboBox;

class CRecordPage : public QWidget, public CSheetPage {
    Q_OBJECT
public:
    // `setting` names the remembered record ("m_btlCmdIdx"); null when the
    // page remembers none.
    CRecordPage(CEditorSheet* sheet, const quorvex::TableDesc& table, const char* setting, QWidget* parent = nullptr);

    int Current() const { return m_current; }
    int Count() const;
    // Stores the shown record, then shows record i (clamped to the table).
    void Select(int i);
    // Shows the current record again (after something else changed it).
    void Refresh() { Show(m_current); }

    void StoreShown() override { Store(m_current); }
    void RememberSelection() override;

protected:
    quorvex::RomData& Rom() { return m_sheet->Rom(); }
    CEditorSheet* Sheet() const { return m_sheet; }
    const quorvex::TableDesc& Table() const { return m_table; }
    const quorvex::FieldDesc& Field(const char* key) const;
    // The record to show first: the remembered one, clamped.
    int RememberedIndex() const;
    // Shows record i (clamped) as the first record of a page whose rule for
    // the remembered record differs; nothing is stored, since nothing was
    // shown before.
    void ShowFirst(int i);

    // A number field bound to a field (element of an array field).
    void Bind(CNumberField* w, const char* key, int element = 0);
    void Bind(CHexField* w, const char* key, int element = 0);
    // A combo box whose items carry their value as item data (or, without
    // data, their position).
    void Bind(QComboBox* w, const char* key, int element = 0);
    // A check box for a 0/1 field.
    void Bind(QCheckBox* w, const char* key, int element = 0);
    // A check-list column: row r is bit r of the field's value.
    void Bind(CCheckListControl* w, int column, const char* key);
    // Anything else: how record i is shown, and how it is stored.
    void Bind(std::function<void(int)> show, std::function<void(int)> store);

    // Every binding: controls from record i.
    virtual void Show(int i);
    // Every binding: record i from the controls the user changed.
    virtual void Store(int i);
    // Stores one value (a checked, clamped value); marks the sheet edited
    // when it differs from what the record held.
    void StoreValue(const quorvex::FieldDesc& f, int record, int element, int64_t value);
    int64_t Value(const quorvex::FieldDesc& f, int record, int element = 0) const;

private:
    struct Binding {
        std::function<void(int)> show;
        std::function<void(int)> store;
    };

    CEditorSheet* m_sheet;
    const quorvex::TableDesc& m_table;
    const char* m_setting;
    std::vector<Binding> m_bindings;
    int m_current = 0;
};
