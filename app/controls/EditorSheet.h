#pragma once
// The frame every tabbed editor shares ("Quorvex: Monsters Editor" and the
// others): pages in tabs, OK and Cancel. Pages change the document's tables
// as the user edits; OK stores what each page shows, remembers each page's
// selection and marks the document modified; Cancel, Esc and the close
// button put every table back as it was when the editor opened, after asking
// when something was edited.
#include <QDialog>
#include <memory>
#include <vector>

#include "controls/DiscardQuestion.h"

namespace quorvex {
class CQuorvexDoc;
class TableSnapshot;
struct RomData;
} // namespace quorvex
class QTabWidget;
class QDialogButtonBox;

// What a sheet asks of each of its pages.
class CSheetPage {
public:
    virtual ~CSheetPage() = default;
    // Writes what the page's controls show into the tables.
    virtual void StoreShown() {}
    // Remembers the selection in the settings (at OK).
    virtual void RememberSelection() {}
    // True while the page shows something typed that it has not stored and
    // cannot store without the user (a caption not applied yet). Cancel
    // counts it as an edit; OK stays open while it is still there after
    // StoreShown, since the page has then told the user why.
    virtual bool HasPendingEdit() const { return false; }
};

class CEditorSheet : public QDialog {
    Q_OBJECT
public:
    CEditorSheet(quorvex::CQuorvexDoc& doc, const QString& title, QWidget* parent = nullptr);
    ~CEditorSheet() override;

    // Adds a page (a QWidget that is also a CSheetPage) under its tab title.
    void AddPage(QWidget* page, const QString& title);
    QTabWidget* Tabs() const { return m_tabs; }
    // OK and Cancel; a sheet may add buttons of its own.
    QDialogButtonBox* Buttons() const { return m_buttons; }
    quorvex::CQuorvexDoc& Doc() { return m_doc; }
    quorvex::RomData& Rom();

    // Pages call this when the user changed something, so that Cancel asks
    // before throwing the edits away.
    void SetEdited() { m_edited = true; }
    bool Edited() const { return m_edited; }

public slots:
    void accept() override;
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::vector<CSheetPage*> Pages() const;

    quorvex::CQuorvexDoc& m_doc;
    std::unique_ptr<quorvex::TableSnapshot> m_opened;
    QTabWidget* m_tabs = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    bool m_edited = false;
};
