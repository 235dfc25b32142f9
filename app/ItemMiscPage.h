#pragma once
// "Misc.": the names of the 16 item types (the "Kind" list of the items
// page). Where the release keeps them is known only for the North American
// release; elsewhere the page says it cannot edit them.
#include <QWidget>

#include "controls/EditorSheet.h"

class QListWidget;
class QPushButton;
class QLabel;

class CItemMiscPage : public QWidget, public CSheetPage {
    Q_OBJECT
public:
    explicit CItemMiscPage(CEditorSheet* sheet);

    QListWidget* Types() const { return m_types; }
    QPushButton* Rename() const { return m_rename; }
    QLabel* Note() const { return m_note; }
    void RememberSelection() override;
    // Renames type i through the names editor; true when confirmed.
    bool RenameType(int i);

signals:
    void typeRenamed();

private:
    void Fill();

    CEditorSheet* m_sheet;
    QListWidget* m_types = nullptr;
    QPushButton* m_rename = nullptr;
    QLabel* m_note = nullptr;
};
