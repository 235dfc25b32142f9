#pragma once
// The generic text page: the strings of one block (or fixed records) in a
// list, the selected one in the tag language in an edit field, applied back
// with Apply or Ctrl+S, and the script file buttons. Everything it shows
// and every decision comes from CTextPageLogic.
#include <QWidget>
#include <memory>

#include "text/TextPage.h"

class QTableWidget;
class QLabel;
class QPushButton;
class CCaptionEdit;
class CWizTextConvDia;
class CProgressWindow;

class CTextPage : public QWidget {
    Q_OBJECT
public:
    CTextPage(quorvex::RomData& rd, quorvex::TextPageConfig config, QWidget* parent = nullptr);
    ~CTextPage() override;

    quorvex::CTextPageLogic& Logic() { return *m_logic; }
    int Selected() const { return m_index; }
    void Select(int index);
    // Writes the selected index to the settings (OK).
    void RememberIndex() const;
    // Re-reads every row after the block changed underneath.
    void Refresh();

    QTableWidget* List() const { return m_list; }
    CCaptionEdit* Edit() const { return m_edit; }
    QLabel* Remaining() const { return m_remaining; }
    QLabel* Status() const { return m_status; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* DeleteAllButton() const { return m_deleteAll; }
    QPushButton* OptimizeButton() const { return m_optimize; }
    CWizTextConvDia* Mapping() const { return m_mapping; }
    // The shared progress window of the list fill and the long operations.
    CProgressWindow* ProgressWindow() const { return m_progress; }

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
};
