#pragma once
// The generic text page: the strings of one block (or fixed records) in a
// list, the selected one in the tag language in an edit field, applied back
// with Apply or Ctrl+S, and the script file buttons. Everything it shows
// and every decision comes from CTextPageLogic.
//
// A caption typed but not applied is applied before another row shows;
// when it cannot be applied (the page says why) the row stays.
#include <QWidget>
#include <memory>

#include "controls/EditorSheet.h"
#include "text/TextPage.h"

class QTableWidget;
class QLabel;
class QPushButton;
class CCaptionEdit;
class CWizTextConvDia;
class CProgressWindow;
class CListFindBar;

class CTextPage : public QWidget, public CSheetPage {
    Q_OBJECT
public:
    CTextPage(quorvex::RomData& rd, quorvex::TextPageConfig config, QWidget* parent = nullptr);
    ~CTextPage() override;

    quorvex::CTextPageLogic& Logic() { return *m_logic; }
    int Selected() const { return m_index; }
    void Select(int index);
    // Writes the selected index to the settings (OK).
    void RememberIndex() const;
    // Re-reads every row after the block changed underneath (a caption
    // typed but not applied stays in the edit field).
    void Refresh();

    // The sheet's OK applies a typed caption; Cancel asks about it.
    void StoreShown() override;
    void RememberSelection() override { RememberIndex(); }
    bool HasPendingEdit() const override;

    QTableWidget* List() const { return m_list; }
    CCaptionEdit* Edit() const { return m_edit; }
    QLabel* Remaining() const { return m_remaining; }
    QLabel* Status() const { return m_status; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* DeleteAllButton() const { return m_deleteAll; }
    QPushButton* OptimizeButton() const { return m_optimize; }
    CWizTextConvDia* Mapping() const { return m_mapping; }
    // Ctrl+F and Ctrl+G: the bar that finds a text or goes to an index.
    CListFindBar* FindBar() const { return m_findBar; }
    // The next row after the selected one (wrapping) whose text holds
    // `text` (any case) is selected; false when none does.
    bool FindNext(const QString& text);
    // Selects row `index`; false when there is no such row.
    bool GoTo(long index);
    // The shared progress window of the list fill and the long operations.
    CProgressWindow* ProgressWindow() const { return m_progress; }

signals:
    // The block (or records) changed: a caption was applied, added,
    // deleted, optimized or imported.
    void edited();

public slots:
    void OnApply();
    void OnAdd();
    void OnDeleteAll();
    void OnOptimize();
    void OnShowCharTable();
    void OnExport();
    void OnImport();

private:
    class ProgressScope;
    void FillRow(int row);
    void Fill(const quorvex::PageProgressFn& progress);
    void ShowMessage(const quorvex::PageMessage& m);
    void UpdateLabels();
    void OnRowChanged(int row);

    std::unique_ptr<quorvex::CTextPageLogic> m_logic;
    int m_index = 0;
    QTableWidget* m_list = nullptr;
    CCaptionEdit* m_edit = nullptr;
    QLabel* m_remaining = nullptr;
    QLabel* m_instruction = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_deleteAll = nullptr;
    QPushButton* m_optimize = nullptr;
    CWizTextConvDia* m_mapping = nullptr;
    CProgressWindow* m_progress = nullptr;
    CListFindBar* m_findBar = nullptr;
};
