#pragma once
// Small pieces the item and magic pages share: flag lists with a titled
// label column, the shared name lists, and the texts of records.
#include <QStringList>
#include <QWidget>
#include <utility>
#include <vector>

#include "rom/PreprocRomData.h"

class CCheckListControl;

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
