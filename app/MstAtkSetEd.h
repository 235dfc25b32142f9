#pragma once
// The "Battle Script" page of the Monsters Editor: the selected monster's
// battle script as a list of commands ("Op.", "Data 1" to "Data 3",
// "Description"), edited command by command within the byte budget all
// scripts share, and exchanged with script files. The rules live in core
// (BattleScriptEditor); the page binds buttons to them and shows what they
// answer. The page is the Monsters Editor's second page; it shows the
// monster the "Specs" page shows and selects its own choice there too.
#include <QWidget>
#include <functional>
#include <memory>

#include "controls/EditorSheet.h"

namespace quorvex {
class BattleScriptEditor;
class RomScriptNames;
struct RomData;
} // namespace quorvex
class QStandardItemModel;
class CFF6Combo;
class QDialog;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class CProgressWindow;

class CMstAtkSetEd : public QWidget, public CSheetPage {
    Q_OBJECT
public:
    // `monsters` is the monster name list the sheet's selector shows.
    CMstAtkSetEd(CEditorSheet* sheet, QStandardItemModel* monsters, QWidget* parent = nullptr);
    ~CMstAtkSetEd() override;

    // Whether the page may join the sheet, after the load status of the
    // scripts: refuses overlapping or bank-switching scripts with a message,
    // and asks before repairing the Mag Roader script (a repair is an edit
    // of the sheet, which Cancel takes back).
    static bool Admit(CEditorSheet& sheet);

    int Monster() const { return m_monster; }
    // The selected command: the row that is both current and selected, or
    // the command count when there is none.
    int SelectedCommand() const;
    void SelectCommand(int k);

    // Tests replace how the page's dialogs run and how the import file is
    // chosen; by default dialogs are modal and a file dialog asks.
    using DialogRunner = std::function<int(QDialog&)>;
    void SetDialogRunner(DialogRunner run) { m_runDialog = std::move(run); }
    void SetImportFileChooser(std::function<QString()> choose) { m_chooseImport = std::move(choose); }

    QTreeWidget* List() const { return m_list; }
    QLabel* StatusLabel() const { return m_status; }
    CFF6Combo* MonsterCombo() const { return m_combo; }
    QPushButton* Button(const QString& text) const;

public slots:
    // Shows monster i (0-383); the Specs page calls this to follow its selection.
    void SetMonster(int i);

signals:
    void MonsterChanged(int i);

private:
    void Refresh();
    // Shows a core answer: an error message when refused; marks the sheet
    // edited when it changed something.
    void Report(const std::string& refusal, bool changed = true);
    void InsertCommand(const std::vector<uint8_t>& c);
    void HexEdit();
    void HexInsert();
    void EditAttack();
    void Choose(int mode);
    void OnDoubleClick();
    void Export(bool all);
    void Import();
    QPushButton* AddButton(const char* text, void (CMstAtkSetEd::*slot)());

    CEditorSheet* m_sheet;
    quorvex::RomData& m_rd;
    std::unique_ptr<quorvex::BattleScriptEditor> m_editor;
    std::unique_ptr<quorvex::RomScriptNames> m_names;
    int m_monster = 0;
    CFF6Combo* m_combo = nullptr;
    QSpinBox* m_index = nullptr;
    QTreeWidget* m_list = nullptr;
    QLabel* m_status = nullptr;
    std::vector<QPushButton*> m_buttons;
    CProgressWindow* m_progress = nullptr;
    DialogRunner m_runDialog;
    std::function<QString()> m_chooseImport;
};
