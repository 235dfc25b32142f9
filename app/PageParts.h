#pragma once
// Small pieces the item and magic pages share: flag lists with a titled
// label column, and the selector of a record (a list of names, the index
// field beside it and a rename button).
#include <QStringList>
#include <QWidget>
#include <utility>
#include <vector>

#include "rom/PreprocRomData.h"

class CCheckListControl;
class CFF6Combo;
class CSpinField;
class QPushButton;
class QStandardItemModel;

QStringList LabelList(const char* const* names, int count);
// "Bit 0" ... "Bit n-1".
QStringList BitLabels(int count);

namespace quorvex {
struct FieldDesc;
struct RomData;
} // namespace quorvex

// The names of a picture list (items, spells) for every combo of a sheet:
// made once per sheet, so that its pages share one model.
class CEditorSheet;
class CNameListModel;
class CProgressWindow;
CNameListModel* SheetNameList(CEditorSheet* sheet, quorvex::PreprocList list, int count, CProgressWindow* progress);

// A text field of record i (a description), or "" when the record has none.
QString FieldText(const quorvex::RomData& rd, const quorvex::FieldDesc& field, int record);

// A check list of one column of flags whose label column is titled `title`.
CCheckListControl* FlagList(const QStringList& rows, const QString& title, QWidget* parent);

// The check lists of a page by the key of the field each shows.
class CKeyedLists {
public:
    void Add(const char* key, CCheckListControl* list) { m_lists.push_back({key, list}); }
    CCheckListControl* Find(const char* key) const;

private:
    std::vector<std::pair<const char*, CCheckListControl*>> m_lists;
};

// The record picker of a page: names, index and (unless renameText is
// empty) a rename button. `picked` reports a record chosen in either.
class CNamedRecordPicker : public QWidget {
    Q_OBJECT
public:
    CNamedRecordPicker(QStandardItemModel* names, int count, const QString& renameText, QWidget* parent);
    // Shows record i without reporting it.
    void ShowRecord(int i);
    CFF6Combo* Names() const { return m_names; }
    CSpinField* Index() const { return m_index; }
    QPushButton* Rename() const { return m_rename; }

signals:
    void picked(int record);

private:
    CFF6Combo* m_names = nullptr;
    CSpinField* m_index = nullptr;
    QPushButton* m_rename = nullptr;
};
