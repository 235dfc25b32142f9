#pragma once
// A record page whose records have names: the selector lists them by name
// beside an index spin, and, for names kept in a name list, a "Rename"
// button opens the names editor on the shown record's name.
#include <QString>
#include <functional>
#include <optional>

#include "controls/RecordPage.h"
#include "rom/NameLists.h"

class CRecordSelector;

// Opens the names editor on a name of a list; true when the name changed.
bool RenameChangesName(QWidget* parent, quorvex::RomData& rd, quorvex::NameListId id, int index);

class QHBoxLayout;
class QPushButton;

class CNamedRecordPage : public CRecordPage {
    Q_OBJECT
public:
    using NameFn = std::function<QString(const quorvex::RomData& rd, int index)>;
    // `names` gives each record's name; `renamable` names the list Rename
    // changes (none: no Rename button).
    CNamedRecordPage(CEditorSheet* sheet, const quorvex::TableDesc& table, const char* setting, NameFn names,
                     std::optional<quorvex::NameListId> renamable, QWidget* parent = nullptr);

    CRecordSelector* Selector() const { return m_selector; }
    QPushButton* RenameButton() const { return m_rename; }
    // Renames the shown record as the Rename button does.
    void Rename();

protected:
    // The selector with its Rename button, for the page's layout.
    QHBoxLayout* SelectorRow() const { return m_row; }
    void Show(int i) override;
    // After a rename, for pages that show the name elsewhere too.
    virtual void Renamed() {}

private:
    void FillNames();

    NameFn m_names;
    std::optional<quorvex::NameListId> m_renamable;
    CRecordSelector* m_selector;
    QPushButton* m_rename = nullptr;
    QHBoxLayout* m_row;
};
